// The add-file, add-folder and tip windows over the program's own dialogs:
// what the person picks and ticks in the window reaches the core, and OK
// adds what the window showed.
#include "items/AddFileView.h"
#include "items/AddFolderView.h"
#include "items/AddItemTipView.h"

#include "app/MainWindow.h"
#include "app/ProgramWindow.h"
#include "application/Application.h"
#include "project/ItemFields.h"
#include "util/Fs.h"

#include "DemoProject.h"
#include "FakeUi.h"
#include "GuiTests.h"
#include "TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <memory>

namespace fs = std::filesystem;
using namespace qv;
using namespace qv::gui;

namespace {

// The program's core with a scripted Ui and the demo project open.
struct OpenDemo {
    test::TempDir dir;
    fs::path base = dir.path() / "base";
    test::FakeUi ui;
    std::unique_ptr<Application> app;
    fs::path folder;

    OpenDemo()
    {
        fs::copy(QUENVAR_SOURCE_ASSETS, base, fs::copy_options::recursive);
        ui.strict = false;  // opening the project; the windows' own questions are checked by what they recorded
        app = std::make_unique<Application>(base, ui);
        app->create();
        const cli::DemoProject demo = cli::makeDemoProject(dir.path() / "demo", base, app->language());
        app->session().loadProject(demo.projectFile, LoadMode::NoQuestions);
        folder = demo.projectFolder;
    }
    const ItemTable& table() const { return app->table(); }
    std::string lastRow(int field) const { return table().read(field, table().rowCount() - 1); }
};

template <class Widget>
Widget* child(QWidget* window, const char* name)
{
    auto* w = window->findChild<Widget*>(QString::fromLatin1(name));
    if (!w)
        qWarning("no %s", name);
    return w;
}

}  // namespace

class ItemViewsTest final : public QObject {
    Q_OBJECT

private slots:
    void selectFileFillsTheWindowAndOkAddsItsRowAfterTheTip()
    {
        OpenDemo d;
        QVERIFY(d.app->frame().projectOpen());
        AddFileDialog& dialog = d.app->addFileDialog();
        dialog.prepare();
        AddFileView view(dialog, d.app->language());
        view.show();

        d.ui.fileAnswers.push_back(d.folder / "Docs" / "readme.txt");
        child<QPushButton>(&view, "selfilebtn")->click();
        auto* name = child<QLineEdit>(&view, "anzname");
        QCOMPARE(name->text(), QStringLiteral("readme"));
        QCOMPARE(child<QLabel>(&view, "filename")->text(), QStringLiteral("readme.txt"));
        QCOMPARE(child<QLabel>(&view, "pfad")->text(), QString::fromStdString(folderText(d.folder / "Docs")));
        QCOMPARE(child<QLineEdit>(&view, "sizep")->text(), QStringLiteral("< 1 MB"));
        QCOMPARE(child<QLineEdit>(&view, "serial")->text(), QStringLiteral("n/a"));

        name->end(false);
        QTest::keyClicks(name, QStringLiteral(" first"));
        QCOMPARE(dialog.input(AddFileDialog::Input::Name), std::string("readme first"));
        // Typing stops where the record's field ends, in the middle as at the end.
        auto* serial = child<QLineEdit>(&view, "serial");
        serial->clear();
        const std::size_t room = dialog.capacity(AddFileDialog::Input::Serial).bytes();
        QTest::keyClicks(serial, QString(static_cast<qsizetype>(room) + 5, QLatin1Char('x')));
        QCOMPARE(static_cast<std::size_t>(serial->text().size()), room);
        // Text put in between goes in as far as its UTF-8 bytes fit: two
        // bytes of room take the two-byte letter and nothing behind it.
        serial->setText(QString(static_cast<qsizetype>(room) - 2, QLatin1Char('x')));
        serial->setCursorPosition(2);
        QTest::sendKeyEvent(QTest::Click, serial, Qt::Key_unknown, QStringLiteral("\u00e4bc"), Qt::NoModifier);
        const std::string expected = "xx\xc3\xa4" + std::string(room - 4, 'x');
        QCOMPARE(serial->text().toStdString(), expected);
        QCOMPARE(dialog.input(AddFileDialog::Input::Serial), expected);
        QCOMPARE(serial->cursorPosition(), 3);
        child<QPushButton>(&view, "SizefillIn")->click();
        QCOMPARE(child<QLineEdit>(&view, "sizeup")->text(), QStringLiteral("< 1 MB"));

        // The tip comes first; its box cleared, OK turns it off.
        d.app->frame().settings().showTip = true;
        bool tipTicked = false;
        int rowsAtTip = -1;
        d.ui.on<AddItemTip>([&](AddItemTip& tip) {
            AddItemTipView tipView(tip, d.app->language());
            tipView.show();
            auto* box = child<QCheckBox>(&tipView, "CheckBox1");
            tipTicked = box->isChecked();
            rowsAtTip = d.table().rowCount();
            box->click();
            child<QPushButton>(&tipView, "OK")->click();
            QVERIFY(!tip.isOpen());
        });
        const int before = d.table().rowCount();
        child<QPushButton>(&view, "add")->click();
        QVERIFY(tipTicked);
        QCOMPARE(rowsAtTip, before);
        QVERIFY(!d.app->frame().settings().showTip);
        QVERIFY(!view.isVisible());
        QCOMPARE(view.result(), int(QDialog::Accepted));
        QCOMPARE(d.table().rowCount(), before + 1);
        QCOMPARE(d.lastRow(FieldName), std::string("readme first"));
        QCOMPARE(d.lastRow(FieldFileName), std::string("readme.txt"));
        QCOMPARE(d.lastRow(FieldCdPath), std::string("\\Docs\\"));
        QCOMPARE(d.lastRow(FieldSerial), expected);
        QCOMPARE(d.lastRow(FieldHdSize), std::string("< 1 MB"));
    }

    void theFolderWindowsSelectionDecidesWhichFilesBecomeItems()
    {
        OpenDemo d;
        d.app->frame().settings().showTip = false;
        AddFolderDialog& dialog = d.app->addFolderDialog();
        dialog.prepare();
        AddFolderView view(dialog, d.app->language());
        view.show();
        auto* list = child<QTreeView>(&view, "FileListBox");
        QVERIFY(!list->isVisible());

        child<QCheckBox>(&view, "subdirs_check")->click();
        QVERIFY(dialog.includeSubfolders());
        d.ui.folderAnswers.push_back(d.folder);
        child<QPushButton>(&view, "selfilebtn")->click();
        QVERIFY(list->isVisible());
        const int found = static_cast<int>(dialog.entries().size());
        QVERIFY(found >= 5);
        QCOMPARE(list->model()->rowCount(), found);
        QCOMPARE(list->selectionModel()->selectedRows().size(), found);

        // Two entries left out in the window are left out in the dialog.
        auto* selection = list->selectionModel();
        const auto rows = QItemSelectionModel::Deselect | QItemSelectionModel::Rows;
        selection->select(list->model()->index(0, 0), rows);
        selection->select(list->model()->index(found - 1, 0), rows);
        QVERIFY(!dialog.isSelected(0));
        QVERIFY(!dialog.isSelected(static_cast<std::size_t>(found - 1)));
        QCOMPARE(dialog.selectedCount(), static_cast<std::size_t>(found - 2));
        const std::string leftOut = dialog.entries()[0].folder + dialog.entries()[0].name;

        // Select All in the window takes them back in; one is dropped again.
        child<QPushButton>(&view, "selectAll")->click();
        QCOMPARE(dialog.selectedCount(), static_cast<std::size_t>(found));
        QCOMPARE(selection->selectedRows().size(), found);
        selection->select(list->model()->index(0, 0), rows);

        auto* description = child<QLineEdit>(&view, "desc");
        description->end(false);
        QTest::keyClicks(description, QStringLiteral(" of the demo"));
        const int before = d.table().rowCount();
        child<QPushButton>(&view, "add")->click();
        QVERIFY(!view.isVisible());
        QCOMPARE(d.table().rowCount(), before + found - 1);
        for (int r = before; r < d.table().rowCount(); ++r) {
            QVERIFY(d.table().read(FieldSourceLocation, r) != leftOut);
            QCOMPARE(d.table().read(FieldDescription, r), std::string("n/a of the demo"));
        }
    }

    void addFileAndAddFolderOpenTheirWindows()
    {
        test::TempDir dir;
        const fs::path base = dir.path() / "base";
        fs::copy(QUENVAR_SOURCE_ASSETS, base, fs::copy_options::recursive);
        ProgramWindow program(base);
        program.start(false);
        const cli::DemoProject demo = cli::makeDemoProject(dir.path() / "demo", base, program.app().language());
        QVERIFY(program.app().session().loadProject(demo.projectFile, LoadMode::NoQuestions).loaded);
        program.window().refresh();
        for (const auto& [command, name] : {std::pair{CommandId::AddFile, "AddFile"}, {CommandId::AddFolder, "AddFolder"}}) {
            QString shown;
            auto* timer = new QTimer;
            QElapsedTimer clock;
            clock.start();
            timer->setInterval(10);
            connect(timer, &QTimer::timeout, [&, timer] {
                QWidget* w = QApplication::activeModalWidget();
                if (w || clock.elapsed() > 5000) {
                    timer->stop();
                    timer->deleteLater();
                }
                if (w) {
                    shown = w->objectName();
                    if (auto* cancel = w->findChild<QPushButton*>(QStringLiteral("cancel")))
                        cancel->click();
                    else
                        w->close();
                }
            });
            timer->start();
            QVERIFY(program.window().runCommand(command));
            QCOMPARE(shown, QString::fromLatin1(name));
        }
    }
};

QV_GUI_TEST(ItemViewsTest)
#include "ItemViewsTest.moc"
