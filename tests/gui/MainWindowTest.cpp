// The program window driven through its real widgets: menu entries and tool
// buttons reach the same handler, enabling follows an opened project, the
// table model follows the core table, and a language switch reaches the texts.
#include "app/MainWindow.h"
#include "app/ProgramWindow.h"
#include "app/QtUi.h"
#include "application/Application.h"
#include "project/FindDialogView.h"
#include "project/ItemTableModel.h"
#include "export/ItemListExport.h"

#include "DemoProject.h"
#include "GuiTests.h"
#include "TempDir.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace fs = std::filesystem;
using namespace qv;
using namespace qv::gui;

class MainWindowTest final : public QObject {
    Q_OBJECT

    test::TempDir m_dir;
    fs::path m_base;
    fs::path m_project;

    std::unique_ptr<ProgramWindow> makeProgram()
    {
        auto program = std::make_unique<ProgramWindow>(m_base);
        program->start(false);
        return program;
    }

    void openDemo(ProgramWindow& program)
    {
        QVERIFY(program.app().session().loadProject(m_project, LoadMode::NoQuestions).loaded);
        program.window().refresh();
    }

private slots:
    void initTestCase()
    {
        m_base = m_dir.path() / "base";
        fs::copy(QUENVAR_SOURCE_ASSETS, m_base, fs::copy_options::recursive);
        Language english = Language::load(m_base, 1);
        m_project = cli::makeDemoProject(m_dir.path() / "demo", m_base, english).projectFile;
    }

    void menuEntryButtonAndKeyReachTheSameHandler()
    {
        auto program = makeProgram();
        MainWindow& w = program->window();
        int runs = 0;
        program->app().setHandler(CommandId::AddFile, [&runs] { ++runs; });
        openDemo(*program);
        w.action(CommandId::AddFile)->trigger();
        w.buttonAction(ToolButton::AddFile)->trigger();
        QCOMPARE(runs, 2);
        QVERIFY(w.action(CommandId::AddFile)->shortcut() == QKeySequence(QStringLiteral("F4")));
    }

    void enablingFollowsTheRuleWhenAProjectOpens()
    {
        auto program = makeProgram();
        MainWindow& w = program->window();
        for (const CommandId id : {CommandId::Save, CommandId::Build, CommandId::Remove, CommandId::CategoryEditor})
            QVERIFY(!w.action(id)->isEnabled());
        QVERIFY(!w.buttonAction(ToolButton::Save)->isEnabled());
        QVERIFY(w.action(CommandId::Open)->isEnabled());
        openDemo(*program);
        for (const CommandId id : {CommandId::Save, CommandId::Build, CommandId::Remove, CommandId::CategoryEditor})
            QVERIFY(w.action(id)->isEnabled());
        QVERIFY(w.buttonAction(ToolButton::Save)->isEnabled());
        QVERIFY(w.windowTitle().contains(QStringLiteral("Quenvar Demo CD")) ||
                w.windowTitle().contains(QString::fromStdString(program->app().session().cdName())));
    }

    void theModelFollowsInsertsRemovalsAndMoves()
    {
        auto program = makeProgram();
        openDemo(*program);
        ItemTableModel* model = program->window().tableModel();
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        ItemTable& table = program->app().table();
        const int rows = model->rowCount();
        QCOMPARE(rows, table.rowCount() - 1);

        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy moved(model, &QAbstractItemModel::rowsMoved);
        QSignalSpy reset(model, &QAbstractItemModel::modelReset);
        table.appendRow();
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), rows);
        table.write(FieldName, table.rowCount() - 1, "Zulu");
        QCOMPARE(model->data(model->index(rows, table.columnOf(FieldName)), Qt::DisplayRole).toString(), QStringLiteral("Zulu"));

        table.moveRow(table.rowCount() - 1, 1);
        QCOMPARE(moved.count(), 1);
        QCOMPARE(model->data(model->index(0, table.columnOf(FieldName)), Qt::DisplayRole).toString(), QStringLiteral("Zulu"));

        program->window().tableView()->setCurrentIndex(model->index(0, table.columnOf(FieldName)));
        QVERIFY(program->window().runCommand(CommandId::Remove));
        QCOMPARE(removed.count(), 1);
        QCOMPARE(model->rowCount(), rows);

        QVERIFY(program->window().runCommand(CommandId::Sort));
        QCOMPARE(reset.count(), 1);
        QCOMPARE(inserted.count(), 1);
    }

    void switchingTheLanguageChangesMenuButtonAndDialogTexts()
    {
        auto program = makeProgram();
        MainWindow& w = program->window();
        const QString openButton = w.buttonAction(ToolButton::Open)->text();
        const QString projectMenu = w.action(CommandId::Open)->text();
        QVERIFY(w.runCommand(CommandId::German));
        QVERIFY(w.buttonAction(ToolButton::Open)->text() != openButton);
        QVERIFY(w.action(CommandId::German)->isChecked());
        QVERIFY(!w.action(CommandId::English)->isChecked());

        FindDialogView find(program->app().tableCommands().findDialog(), program->app().language(), program->ui(), {}, &w);
        const QString germanLabel = find.findChild<QLabel*>()->text();
        QVERIFY(w.runCommand(CommandId::English));
        find.retranslate(program->app().language());
        QVERIFY(find.findChild<QLabel*>()->text() != germanLabel || germanLabel == QStringLiteral("Text to find:"));
        QCOMPARE(w.action(CommandId::Open)->text(), projectMenu);
    }

    // Work that goes on past half a second shows a progress dialog; Cancel is
    // offered only where the work may stop, and a stopped export writes nothing.
    void aLongOperationShowsProgressAndCancelStopsIt()
    {
        auto program = makeProgram();
        openDemo(*program);
        QtUi& ui = program->ui();
        const auto progressDialog = [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QProgressDialog*>(w); d && d->isVisible())
                    return d;
            return static_cast<QProgressDialog*>(nullptr);
        };
        const fs::path target = m_dir.path() / "stopped.cvs";
        NoOfficeAdapter office;
        ExportResult result;
        {
            auto work = ui.beginWork("export", kExportSteps, Stopping::Offered);
            QTest::qWait(600);
            QVERIFY(work.step(0));
            QProgressDialog* dialog = progressDialog();
            QVERIFY(dialog);
            QPushButton* cancel = dialog->findChild<QPushButton*>();
            QVERIFY(cancel && cancel->isVisible());
            cancel->click();
            result = exportItemList(program->app().table(), ExportFormat::Csv, target, office, &work);
        }
        QVERIFY(result.stopped);
        QVERIFY(!fs::exists(target));
        QVERIFY(!progressDialog());

        {
            auto work = ui.beginWork("build");
            QTest::qWait(600);
            QVERIFY(work.step(1, 2));
            QProgressDialog* dialog = progressDialog();
            QVERIFY(dialog);
            const QPushButton* cancel = dialog->findChild<QPushButton*>();
            QVERIFY(!cancel || !cancel->isVisible());
        }
        QVERIFY(!progressDialog());
    }

    void columnsOfTheFirstProjectAreSizedToTheirContents()
    {
        auto program = makeProgram();
        openDemo(*program);
        const ItemTable& table = program->app().table();
        QVERIFY(table.width(table.columnOf(FieldDescription)) > 100);
    }
};

QV_GUI_TEST(MainWindowTest)
#include "MainWindowTest.moc"
