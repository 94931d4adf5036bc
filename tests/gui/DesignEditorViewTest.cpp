// The design editor's window over the real core editor: its controls reach
// their commands, the sample follows the design at once, the sample button
// starts the full preview, and OK and Cancel end the editor as it decides.
#include "design/DesignEditorView.h"

#include "app/MainWindow.h"
#include "app/ProgramWindow.h"
#include "application/Application.h"
#include "design/DesignFonts.h"
#include "design/DesignPreview.h"
#include "design/DesignSample.h"
#include "design/FontCatalogue.h"
#include "design/MenuDesign.h"
#include "design/QtFontRegistrar.h"
#include "i18n/Language.h"
#include "profile/ProfileFile.h"
#include "util/Colour.h"

#include "DemoProject.h"
#include "FakeUi.h"
#include "GuiTests.h"
#include "MenuButton.h"
#include "TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace fs = std::filesystem;
using namespace qv;
using namespace qv::gui;

namespace {

// The program's core with a scripted Ui, the shipped files as its base
// directory and the editor opened on the standard design.
struct Editor {
    test::TempDir dir;
    fs::path base = dir.path() / "base";
    test::FakeUi ui;
    FolderFontCatalogue fonts{dir.path() / "Fonts"};
    QtFontRegistrar registrar;
    std::unique_ptr<Application> app;
    std::unique_ptr<DesignEditorView> view;

    Editor()
    {
        fs::copy(QUENVAR_SOURCE_ASSETS, base, fs::copy_options::recursive);
        fs::create_directories(dir.path() / "Fonts");
        test::writeFile(dir.path() / "Fonts" / "arial.ttf", "a font file");
        fonts.addEntry("Arial (TrueType)", "arial.ttf");
        ui.strict = false;  // questions are checked by what they recorded
        app = std::make_unique<Application>(base, ui, ApplicationServices{&fonts, &registrar, nullptr});
        editor().prepare();
        view = std::make_unique<DesignEditorView>(editor(), app->language(), base);
        view->resize(1000, 640);
        view->show();
    }
    DesignEditor& editor() { return app->designEditor(); }
    DesignSettings& settings() { return app->design().settings(); }
    QColor samplePixel(QPoint at) { return view->sample()->colourAt(at); }
    QPoint insideBox(int box)
    {
        auto* w = view->sample()->findChild<QWidget*>(QStringLiteral("SampleBox%1").arg(box));
        return w ? w->geometry().bottomRight() - QPoint(6, 6) : QPoint();
    }
};

QColor qcolour(ColourValue c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

void activate(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

}  // namespace

class DesignEditorViewTest final : public QObject {
    Q_OBJECT

private slots:
    void aChosenColourReachesTheSettingAndTheSampleAtOnce()
    {
        Editor e;
        struct Case {
            ColourSetting setting;
            ColourValue colour;
        };
        const Case cases[] = {{ColourSetting::bm_sc, rgbColour(200, 10, 10)}, {ColourSetting::bm_ec, rgbColour(200, 10, 10)},
                              {ColourSetting::cbi_c, rgbColour(10, 180, 20)}};
        for (const Case& c : cases) {
            e.ui.colourAnswers.push_back(c.colour);
            QTest::mouseClick(e.view->colourButton(c.setting), Qt::LeftButton);
            QCOMPARE(e.editor().colour(c.setting), c.colour);
        }
        QVERIFY(e.app->design().modified());
        QVERIFY(e.ui.colourAnswers.empty());
        // Both ends of the backdrop's gradient are red now: its corner is.
        QCOMPARE(e.samplePixel({2, 2}), qcolour(rgbColour(200, 10, 10)));
        QCOMPARE(e.samplePixel(e.insideBox(0)), qcolour(rgbColour(10, 180, 20)));
        // The swatch shows the colour too.
        const QImage swatch = e.view->colourButton(ColourSetting::cbi_c)->icon().pixmap(40, 16).toImage();
        QCOMPARE(QColor(swatch.pixel(20, 8)), qcolour(rgbColour(10, 180, 20)));
    }

    void aCancelledColourDialogChangesNothing()
    {
        Editor e;
        const ColourValue before = e.editor().colour(ColourSetting::btn_fc);
        e.ui.colourAnswers.push_back(std::nullopt);
        QTest::mouseClick(e.view->colourButton(ColourSetting::btn_fc), Qt::LeftButton);
        QCOMPARE(e.editor().colour(ColourSetting::btn_fc), before);
        QVERIFY(!e.app->design().modified());
    }

    void choicesSpinsAndChecksReachTheirSettings()
    {
        Editor e;
        activate(e.view->findChild<QComboBox*>(QStringLiteral("tileMode")), static_cast<int>(TileMode::Stretch));
        QCOMPARE(e.settings().tileMode, TileMode::Stretch);

        e.view->findChild<QSpinBox*>(QStringLiteral("shadowDepth"))->setValue(12);
        QCOMPARE(e.settings().buttonShadowDepth, 12);
        // The sample button is made anew with the deeper shadow.
        QCOMPARE(e.view->sample()->look().buttonShadowDepth, 12);

        const bool bold = e.settings().buttonBold;
        e.view->findChild<QCheckBox*>(QStringLiteral("buttonBold"))->click();
        QCOMPARE(e.settings().buttonBold, !bold);

        // A box picture that needs a background picture is refused while
        // the background is a gradient, and the choice shows None again.
        e.editor().bgSetBandModeClick();
        e.view->refresh();
        auto* boxPicture = e.view->findChild<QComboBox*>(QStringLiteral("boxPicture1"));
        activate(boxPicture, kBoxPictureBackground);
        QCOMPARE(e.ui.messageKeys().back(), std::string("M45"));
        QCOMPARE(boxPicture->currentIndex(), kBoxPictureNone);
    }

    void aFaceWithoutAFontFileTurnsItsMarkRedAndStaysShown()
    {
        Editor e;
        QComboBox* chooser = e.view->fontChooser(DesignFont::CategoryText);
        QVERIFY(e.view->fontMark(DesignFont::CategoryText)->property("resolves").toBool());
        const std::string before = e.settings().fontFaces[static_cast<std::size_t>(DesignFont::CategoryText)];
        chooser->addItem(QStringLiteral("No Such Face"));
        chooser->setCurrentIndex(chooser->count() - 1);
        emit chooser->textActivated(QStringLiteral("No Such Face"));
        QVERIFY(!e.view->fontMark(DesignFont::CategoryText)->property("resolves").toBool());
        QCOMPARE(chooser->currentText(), QStringLiteral("No Such Face"));
        QCOMPARE(e.settings().fontFaces[static_cast<std::size_t>(DesignFont::CategoryText)], before);
    }

    void theSampleButtonStartsTheFullPreviewOfTheEditedDesign()
    {
        Editor e;
        e.ui.colourAnswers.push_back(rgbColour(1, 2, 3));
        QTest::mouseClick(e.view->colourButton(ColourSetting::bm_sc), Qt::LeftButton);
        QTest::mouseClick(e.view->sample()->sampleButton(), Qt::LeftButton);
        QCOMPARE(e.ui.programsStarted.size(), std::size_t(1));
        QCOMPARE(e.ui.programsStarted[0], DesignPreview::runtimeProgram(e.base));
        QCOMPARE(e.ui.messageKeys().back(), std::string("M44"));
        const ProfileFile written(DesignPreview::previewFolder(e.base) / "design.cfg");
        QCOMPARE(written.readString("Back", "bc", ""), std::string("$00030201"));
        // The window is still open and shows the design file, not the preview's.
        QVERIFY(e.view->isVisible());
        QVERIFY(e.view->windowTitle().contains(QStringLiteral("Standard.qvd")));
    }

    void cancelRestoresTheDesignFileOfTheOpeningAndCloses()
    {
        Editor e;
        const fs::path opening = e.app->files().menudesign_file.fullPath();
        e.ui.fileAnswers.push_back(e.base / "menudesign" / "Ocean" / "Ocean.qvd");
        e.editor().loadClick();
        e.view->refresh();
        QVERIFY(e.view->windowTitle().contains(QStringLiteral("Ocean.qvd")));
        QTest::mouseClick(e.view->cancelButton(), Qt::LeftButton);
        QCOMPARE(e.app->files().menudesign_file.fullPath(), opening);
        QVERIFY(!e.editor().isOpen());
        QVERIFY(!e.view->isVisible());
        QCOMPARE(e.view->result(), int(QDialog::Rejected));
    }

    void okAsksAboutUnsavedChangesAndStaysOpenOnCancel()
    {
        Editor e;
        e.ui.colourAnswers.push_back(rgbColour(9, 9, 9));
        QTest::mouseClick(e.view->colourButton(ColourSetting::d_fc), Qt::LeftButton);
        e.ui.messageAnswers.push_back(MsgResult::Cancel);
        QTest::mouseClick(e.view->okButton(), Qt::LeftButton);
        QCOMPARE(e.ui.messageKeys().back(), std::string("M40"));
        QVERIFY(e.editor().isOpen());
        QVERIFY(e.view->isVisible());

        // Without changes OK closes at once.
        Editor clean;
        QTest::mouseClick(clean.view->okButton(), Qt::LeftButton);
        QVERIFY(!clean.editor().isOpen());
        QCOMPARE(clean.view->result(), int(QDialog::Accepted));
        QVERIFY(clean.ui.messageKeys().empty());
    }

    void textsComeFromTheLanguagesSection()
    {
        Editor e;
        QCOMPARE(e.view->pages()->tabText(0), QStringLiteral("&Background"));
        const Language german = Language::load(e.base, 2);
        e.view->retranslate(german);
        QCOMPARE(e.view->pages()->tabText(0), QStringLiteral("&Hintergrund"));
        QCOMPARE(e.view->cancelButton()->text(), QStringLiteral("Abbrechen"));
    }

    void theMenuDesignCommandOpensTheEditorWindow()
    {
        test::TempDir dir;
        const fs::path base = dir.path() / "base";
        fs::copy(QUENVAR_SOURCE_ASSETS, base, fs::copy_options::recursive);
        ProgramWindow program(base);
        program.start(false);
        const auto demo = cli::makeDemoProject(dir.path() / "demo", base, program.app().language());
        QVERIFY(program.app().session().loadProject(demo.projectFile, LoadMode::NoQuestions).loaded);
        program.window().refresh();

        // The window runs modally: look for it from inside its own event loop.
        QString caption;
        int tries = 0;
        QTimer poll;
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* view = qobject_cast<DesignEditorView*>(w);
                if (view && view->isVisible()) {
                    caption = view->windowTitle();
                    QTest::mouseClick(view->cancelButton(), Qt::LeftButton);
                    return;
                }
            }
            if (++tries > 250)  // never hang the run: close whatever is open
                if (QWidget* modal = QApplication::activeModalWidget())
                    modal->close();
        });
        poll.start();
        QVERIFY(program.window().runCommand(CommandId::MenuDesignEditor));
        poll.stop();
        QVERIFY(caption.contains(QStringLiteral("Standard.qvd")));
        QVERIFY(!program.app().designEditor().isOpen());
    }

    void theRegistrarAddsOnlyFontFiles()
    {
        test::TempDir dir;
        QtFontRegistrar registrar;
        const FontconfigCatalogue installed;
        std::optional<fs::path> font;
        for (const auto& face : installed.faces()) {
            const std::string entry = installed.entry(face + " (TrueType)");
            if (!entry.empty() && fs::exists(entry)) {
                font = entry;
                break;
            }
        }
        if (!font)
            QSKIP("no TrueType font installed");
        fs::copy_file(*font, dir / "own.ttf");
        test::writeFile(dir / "fake.ttf", "no font at all");
        QVERIFY(registrar.addFont(dir / "own.ttf"));
        QVERIFY(!registrar.addFont(dir / "fake.ttf"));
        QVERIFY(!registrar.addFont(dir / "missing.ttf"));
        registrar.removeFont(dir / "own.ttf");
        registrar.removeFont(dir / "never-added.ttf");
    }
};

QV_GUI_TEST(DesignEditorViewTest)
#include "DesignEditorViewTest.moc"
