// The editor windows driven through their real views: a button reaches its
// core command, and what the person picks comes back to the core.
#include "app/MainWindow.h"
#include "app/ProgramWindow.h"
#include "app/QtUi.h"
#include "application/Application.h"
#include "categories/IconPack.h"
#include "util/Fs.h"

#include "DemoProject.h"
#include "GuiTests.h"
#include "TempDir.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <fstream>
#include <functional>
#include <memory>

namespace fs = std::filesystem;
using namespace qv;
using namespace qv::gui;

namespace {

std::string fileBytes(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs act on the modal window named name as soon as it is up. A window that
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

void click(QWidget* window, const char* button)
{
    auto* b = window->findChild<QPushButton*>(QString::fromLatin1(button));
    QVERIFY2(b, button);
    b->click();
}

void selectRow(QListWidget* list, int row)
{
    list->setCurrentRow(row);
    list->item(row)->setSelected(true);
}

}  // namespace

// Catches the shell's "open" of a file, so no program starts during the test.
class OpenedFiles final : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class EditorWindowsTest final : public QObject {
    Q_OBJECT

    test::TempDir m_dir;
    fs::path m_base;
    int m_runs = 0;

    // A fresh demo project in a folder of its own, opened in a fresh program.
    std::unique_ptr<ProgramWindow> openDemo(fs::path& projectFolder)
    {
        auto program = std::make_unique<ProgramWindow>(m_base);
        program->start(false);
        const cli::DemoProject demo = cli::makeDemoProject(m_dir.path() / ("demo" + std::to_string(++m_runs)), m_base,
                                                           program->app().language());
        [&] { QVERIFY(program->app().session().loadProject(demo.projectFile, LoadMode::NoQuestions).loaded); }();
        program->window().refresh();
        projectFolder = demo.projectFolder;
        return program;
    }

private slots:
    void initTestCase()
    {
        m_base = m_dir.path() / "base";
        fs::copy(QUENVAR_SOURCE_ASSETS, m_base, fs::copy_options::recursive);
    }

    void addInTheCategoryEditorTakesTheIconPickedAndCancelWritesNothing()
    {
        fs::path folder;
        auto program = openDemo(folder);
        Application& app = program->app();
        const fs::path categoryFile = app.files().genre_file.fullPath();
        const std::string before = fileBytes(categoryFile);

        std::size_t entriesBefore = 0;
        CategoryEditor::Entry added;
        std::size_t entriesAfterAdd = 0;
        std::size_t entriesAfterDelete = 0;
        whenShown(QStringLiteral("CategoryEditor"), [&](QWidget* editorView) {
            const CategoryEditor& editor = app.categoryEditor();
            entriesBefore = editor.entries().size();
            QTest::keyClicks(editorView->findChild<QLineEdit*>(QStringLiteral("Edit1")), QStringLiteral("Utilities"));
            whenShown(QStringLiteral("IconChooser"), [](QWidget* chooser) {
                selectRow(chooser->findChild<QListWidget*>(QStringLiteral("icons")), 2);
                click(chooser, "OK");
            });
            click(editorView, "add");
            entriesAfterAdd = editor.entries().size();
            if (!editor.entries().empty())
                added = editor.entries().back();
            // The Delete key in the list removes the selected category.
            auto* list = editorView->findChild<QListWidget*>(QStringLiteral("genreitems"));
            selectRow(list, 0);
            QTest::keyClick(list, Qt::Key_Delete);
            entriesAfterDelete = editor.entries().size();
            click(editorView, "Cancel");
        });
        QVERIFY(program->window().runCommand(CommandId::CategoryEditor));

        QVERIFY(entriesBefore > 0);
        QCOMPARE(entriesAfterAdd, entriesBefore + 1);
        QCOMPARE(added.caption, std::string("Utilities"));
        QCOMPARE(added.iconSource, IconPack::iconPath(m_base, "01", "03"));
        QCOMPARE(entriesAfterDelete, entriesBefore);
        QVERIFY(!app.categoryEditor().isOpen());
        QCOMPARE(fileBytes(categoryFile), before);
    }

    void theLocationChosenInTheCheckIsWhereTheItemPoints()
    {
        fs::path folder;
        auto program = openDemo(folder);
        ItemTable& table = program->app().table();
        // A file item whose file moved: it now lies in two folders of the project.
        int row = 1;
        while (row < table.rowCount() && !fs::is_regular_file(pathFromText(table.read(FieldSourceLocation, row))))
            ++row;
        QVERIFY(row < table.rowCount());
        const fs::path source = pathFromText(table.read(FieldSourceLocation, row));
        const std::string fileName = table.read(FieldFileName, row);
        const std::string name = table.read(FieldName, row);
        for (const char* sub : {"moved-a", "moved-b"}) {
            fs::create_directories(folder / sub);
            fs::copy_file(source, folder / sub / pathFromText(fileName));
        }
        fs::remove(source);

        QStringList shownFolders;
        QString shownName;
        int repointedRows = -1;
        whenShown(QStringLiteral("CheckLocation"), [&](QWidget* location) {
            shownName = location->findChild<QLabel*>(QStringLiteral("itemName"))->text();
            auto* list = location->findChild<QListWidget*>(QStringLiteral("folders"));
            for (int i = 0; i < list->count(); ++i)
                shownFolders << list->item(i)->text();
            // The second folder: the first is what the dialog takes by itself.
            if (list->count() > 1)
                selectRow(list, 1);
            whenShown(QStringLiteral("CheckSummary"), [&](QWidget* summary) {
                repointedRows = summary->findChild<QTableWidget*>(QStringLiteral("repointed"))->rowCount();
                click(summary, "Close");
            });
            click(location, "OK");
        });
        QVERIFY(program->window().runCommand(CommandId::Check));

        QCOMPARE(shownName, QString::fromStdString(name));
        QCOMPARE(shownFolders.size(), 2);
        QCOMPARE(repointedRows, 1);
        const std::string expected = shownFolders.value(1).toStdString() + fileName;
        int found = 0;
        for (int r = 1; r < table.rowCount(); ++r)
            found += table.read(FieldSourceLocation, r) == expected ? 1 : 0;
        QCOMPARE(found, 1);
        QVERIFY(program->app().session().modified());
    }

    void okInTheRecordingDialogWritesTheRecordingProjectAndOpensIt()
    {
        fs::path folder;
        auto program = openDemo(folder);
        // A built menu is all the recording project asks of the folder.
        std::ofstream(folder / "rnv.exe") << "MZ";
        OpenedFiles opened;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "open");
        const fs::path output = m_base / "Files" / "burn vlx.cpj";
        fs::remove(output);

        bool closedByOk = false;
        whenShown(QStringLiteral("Recording"), [&](QWidget* recording) {
            click(recording, "add");
            closedByOk = !recording->isVisible();
        });
        QVERIFY(program->window().runCommand(CommandId::Record));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

        QVERIFY(closedByOk);
        QVERIFY(fs::is_regular_file(output));
        QVERIFY(fileBytes(output).find("rnv.exe") != std::string::npos);
        QCOMPARE(opened.urls.size(), 1);
        QCOMPARE(opened.urls.first().toLocalFile(), QString::fromStdString(pathText(output)));
    }
};

QV_GUI_TEST(EditorWindowsTest)
#include "EditorWindowsTest.moc"
