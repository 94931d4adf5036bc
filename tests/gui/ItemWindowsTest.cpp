// The item entry windows driven through their real views: what the person
// types and picks reaches the core, and the core's result reaches the table
// and the disk.
#include "app/MainWindow.h"
#include "app/ProgramWindow.h"
#include "app/QtUi.h"
#include "application/Application.h"
#include "items/ItemCompanionFiles.h"
#include "items/PictureBox.h"
#include "items/PictureCodecs.h"
#include "project/ItemTableModel.h"
#include "util/Fs.h"

#include "DemoProject.h"
#include "GuiTests.h"
#include "TempDir.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace fs = std::filesystem;
using namespace qv;
using namespace qv::gui;

namespace {

// Runs act on the modal window named name as soon as it is up; a window that
// never comes leaves whatever is up closed after a while, so a broken wiring
// fails the test instead of hanging it.
void whenShown(const QString& name, std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, name, act = std::move(act)] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w->objectName() == name) {
            timer->stop();
            timer->deleteLater();
            act(w);
        } else if (clock->elapsed() > 5000) {
            timer->stop();
            timer->deleteLater();
            if (w)
                w->close();
        }
    });
    timer->start();
}

// Answers every message box with its first button while it lives, keeping the texts.
class MessageBoxes final {
public:
    MessageBoxes()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->buttons().first()->click();
            }
        });
        m_timer.start();
    }
    QStringList texts;

private:
    QTimer m_timer;
};

template <class W>
W* child(QWidget* window, const char* name)
{
    auto* w = window->findChild<W*>(QString::fromLatin1(name));
    if (!w)
        qWarning("no child %s", name);
    return w;
}

void click(QWidget* window, const char* button)
{
    if (auto* b = child<QPushButton>(window, button))
        b->click();
}

void retype(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

int rowNamed(const ItemTable& table, const std::string& name)
{
    for (int row = 1; row < table.rowCount(); ++row)
        if (table.read(FieldName, row) == name)
            return row;
    return 0;
}

}  // namespace

class ItemWindowsTest final : public QObject {
    Q_OBJECT

    test::TempDir m_dir;
    fs::path m_base;
    int m_runs = 0;

    std::unique_ptr<ProgramWindow> openDemo()
    {
        auto program = std::make_unique<ProgramWindow>(m_base);
        program->start(false);
        // The add-item tip is a window of its own, not under test here.
        program->app().frame().settings().showTip = false;
        const cli::DemoProject demo = cli::makeDemoProject(m_dir.path() / ("demo" + std::to_string(++m_runs)), m_base,
                                                           program->app().language());
        [&] { QVERIFY(program->app().session().loadProject(demo.projectFile, LoadMode::NoQuestions).loaded); }();
        program->window().refresh();
        return program;
    }

private slots:
    void initTestCase()
    {
        m_base = m_dir.path() / "base";
        fs::copy(QUENVAR_SOURCE_ASSETS, m_base, fs::copy_options::recursive);
    }

    void okInTheHyperlinkWindowAddsTheRowAsTyped()
    {
        auto program = openDemo();
        Application& app = program->app();
        ItemTable& table = app.table();
        const int rowsBefore = table.rowCount();
        const std::size_t nameCapacity = FieldCapacity::ofItem(FieldName).bytes();
        QString nameShown;
        QString insideShown;
        whenShown(QStringLiteral("Hyperlink"), [&](QWidget* view) {
            // Typing stops where the project file would cut the name.
            auto* name = child<QLineEdit>(view, "anzname");
            QTest::keyClicks(name, QString(static_cast<int>(nameCapacity) + 20, QLatin1Char('x')));
            nameShown = name->text();
            // Typed inside a full line, the key that doesn't fit stays out
            // and nothing at the end is lost.
            name->setText(QString(static_cast<int>(nameCapacity) - 2, QLatin1Char('x')));
            name->setCursorPosition(5);
            QTest::keyClicks(name, QStringLiteral("abc"));
            insideShown = name->text();
            retype(name, QStringLiteral("Forum"));
            child<QComboBox>(view, "ComboBox1")->setCurrentIndex(1);
            // The proposal "www." stays in front of what is typed after it.
            auto* address = child<QLineEdit>(view, "filename");
            address->setFocus();
            address->end(false);
            QTest::keyClicks(address, QStringLiteral("example.org"));
            retype(child<QLineEdit>(view, "serial"), QStringLiteral("secret"));
            child<QComboBox>(view, "ComboBox2")->setCurrentIndex(2);
            click(view, "OK");
        });
        QVERIFY(program->window().runCommand(CommandId::AddUrl));

        QCOMPARE(nameShown.size(), static_cast<qsizetype>(nameCapacity));
        QCOMPARE(insideShown, QString(5, QLatin1Char('x')) + QStringLiteral("ab") +
                                  QString(static_cast<int>(nameCapacity) - 7, QLatin1Char('x')));
        QCOMPARE(table.rowCount(), rowsBefore + 1);
        const int row = app.hyperlinkDialog().addedRow();
        QVERIFY(row > 0);
        QCOMPARE(table.read(FieldName, row), std::string("Forum"));
        QCOMPARE(table.read(FieldFileName, row), std::string("https://www.example.org"));
        QCOMPARE(table.read(FieldSerial, row), std::string("secret"));
        QCOMPARE(table.read(FieldCategory, row), app.categories().captions().at(2));
        QCOMPARE(table.read(FieldCdPath, row), std::string());
        QVERIFY(app.session().modified());
        QCOMPARE(program->window().tableModel()->rowCount(), table.rowCount() - 1);
    }

    void aDoubleClickedCellOpensItsEditorAndTheValueReachesTheTable_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("changed");
        // Enter in the line takes the text; Escape leaves the cell as it was.
        QTest::newRow("name, Enter") << int(FieldName) << "FreeTextEditor" << "Evening Sky" << true;
        QTest::newRow("name, Escape") << int(FieldName) << "FreeTextEditor" << "Sunset" << false;
        QTest::newRow("copy, No") << int(FieldCopy) << "YesNoEditor" << "no" << true;
        QTest::newRow("category, OK") << int(FieldCategory) << "CategoryChoiceEditor" << "" << true;
    }

    void aDoubleClickedCellOpensItsEditorAndTheValueReachesTheTable()
    {
        QFETCH(int, field);
        QFETCH(QString, editor);
        QFETCH(QString, expected);
        QFETCH(bool, changed);
        auto program = openDemo();
        Application& app = program->app();
        ItemTable& table = app.table();
        MainWindow& window = program->window();
        window.resize(900, 560);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int row = rowNamed(table, "Sunset");
        QVERIFY(row > 0);
        app.session().setModified(false);
        const std::string categoryAfter = app.categories().captions().at(1);
        const std::string noWord = table.noWord();

        QString opened;
        whenShown(editor, [&](QWidget* view) {
            opened = view->objectName();
            if (field == FieldName) {
                auto* edit = child<QLineEdit>(view, "Edit1");
                QCOMPARE(edit->text(), QStringLiteral("Sunset"));
                retype(edit, QStringLiteral("Evening Sky"));
                QTest::keyClick(edit, changed ? Qt::Key_Return : Qt::Key_Escape);
            } else if (field == FieldCopy) {
                click(view, "no");
            } else {
                child<QComboBox>(view, "ComboBox1")->setCurrentIndex(1);
                click(view, "OK");
            }
        });
        QTableView* tableView = window.tableView();
        const QModelIndex index = window.tableModel()->index(ItemTableModel::modelRow(row), table.columnOf(field));
        tableView->scrollTo(index);
        const QPoint at = tableView->visualRect(index).center();
        QTest::mouseClick(tableView->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tableView->viewport(), Qt::LeftButton, {}, at);

        QCOMPARE(opened, editor);
        const std::string want = field == FieldCopy ? noWord
                                 : field == FieldCategory ? categoryAfter
                                                          : expected.toStdString();
        QCOMPARE(table.read(field, row), want);
        QCOMPARE(window.tableModel()->data(index, Qt::DisplayRole).toString(), QString::fromStdString(want));
        QCOMPARE(app.session().modified(), changed);
    }

    void theScreenshotWindowShowsThePastedPictureAndSaveWritesItAsJpeg()
    {
        auto program = openDemo();
        Application& app = program->app();
        ItemTable& table = app.table();
        const int row = rowNamed(table, "Welcome Tune");
        QVERIFY(row > 0);
        table.setCurrentRow(row);
        const fs::path target =
            ItemCompanionFiles::target(table, row, app.session().projectFolder(), CompanionKind::Screenshot);
        QVERIFY(!fs::exists(target));

        QImage clip(64, 48, QImage::Format_RGB32);
        clip.fill(QColor(200, 30, 40));
        QGuiApplication::clipboard()->setImage(clip);

        QSize shown;
        QColor shownColour;
        QString targetShown;
        MessageBoxes boxes;
        whenShown(QStringLiteral("InfoFile"), [&](QWidget* view) {
            targetShown = child<QWidget>(view, "target")->property("text").toString();
            auto* picture = child<PictureBox>(view, "Image1");
            QVERIFY(picture->picture().isNull());
            click(view, "Paste");
            shown = picture->picture().size();
            if (!picture->picture().isNull())
                shownColour = picture->picture().pixelColor(10, 10);
            click(view, "save");
        });
        QVERIFY(program->window().runCommand(CommandId::Screenshot));

        QCOMPARE(targetShown, QString::fromStdString(pathText(target)));
        QCOMPARE(shown, QSize(64, 48));
        QCOMPARE(shownColour, QColor(200, 30, 40));
        QVERIFY(fs::is_regular_file(target));
        const auto saved = PictureCodecs::readPictureFile(target);
        QVERIFY(saved.has_value());
        QCOMPARE(saved->width, 64);
        QCOMPARE(saved->height, 48);
        // A JPEG of quality 90 keeps a flat colour close to what was pasted.
        const std::size_t middle = (static_cast<std::size_t>(24) * 64 + 32) * 3;
        QVERIFY(std::abs(saved->rgb[middle] - 200) < 12);
        QVERIFY(std::abs(saved->rgb[middle + 1] - 30) < 12);
        QVERIFY(std::abs(saved->rgb[middle + 2] - 40) < 12);
        QVERIFY(boxes.texts.contains(QString::fromStdString(app.language().message("M13"))));
        QVERIFY(!app.infoFileDialog().isOpen());
    }
};

QV_GUI_TEST(ItemWindowsTest)
#include "ItemWindowsTest.moc"
