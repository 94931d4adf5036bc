#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "CdFixture.h"
#include "Damage.h"
#include "DetailsView.h"
#include "FakeDesktop.h"
#include "MenuBox.h"
#include "MenuButton.h"
#include "MenuWindow.h"
#include "RuntimeTests.h"
#include "SplashScreen.h"

namespace rnvtest {

namespace fs = std::filesystem;

namespace {

std::unique_ptr<rnv::MenuWindow> makeWindow(const CdFixture& cd, FakeDesktop::Log& log)
{
    auto window = std::make_unique<rnv::MenuWindow>(cd.read(), std::make_unique<FakeDesktop>(log),
                                                    rnv::MenuWindow::Options{.sounds = false});
    return window;
}

QStringList captions(const QListWidget* list)
{
    QStringList out;
    for (int r = 0; r < list->count(); ++r)
        out << list->item(r)->text();
    return out;
}

QRgb iconColour(const QListWidgetItem* entry)
{
    return entry->icon().pixmap(32, 32).toImage().pixel(16, 16);
}

}  // namespace

void WindowTest::showsItemsUnderCategoriesWithTypeIcons()
{
    CdFixture cd({
        {"Spiele", {{"Rally", "\\Games\\rally.exe", 0}, {"Musik", "\\Games\\theme.wav", 6}}},
        {"Leer", {}},
        {"Dokumente", {{"Handbuch", "\\Docs\\manual.pdf", 13}, {"Sprung", "\\Docs\\Jump Point", 12},
                       {"Seite", "http://example.org/", 4}}},
    });
    cd.useLanguage(1, 1);
    FakeDesktop::Log log;
    auto window = makeWindow(cd, log);

    QCOMPARE(captions(window->categoryList()), (QStringList{"Spiele", "Leer", "Dokumente"}));
    for (int n = 0; n < 3; ++n)
        QCOMPARE(iconColour(window->categoryList()->item(n)), CdFixture::categoryColour(n).rgb());

    const struct {
        int category;
        QStringList items;
        std::vector<int> types;
    } expected[] = {
        {0, {"Rally", "Musik"}, {0, 6}},
        {1, {}, {}},
        {2, {"Handbuch", "Sprung", "Seite"}, {13, 12, 4}},
    };
    for (const auto& e : expected) {
        QVERIFY(window->select(e.category));
        QCOMPARE(captions(window->itemList()), e.items);
        for (int i = 0; i < window->itemList()->count(); ++i)
            QCOMPARE(iconColour(window->itemList()->item(i)), CdFixture::typeColour(e.types[static_cast<std::size_t>(i)]).rgb());
    }
    QVERIFY(window->select(1));
    QCOMPARE(window->details()->note(), QString("Diese Kategorie ist leer."));

    // The words are the German ones of the shipped language file.
    QCOMPARE(window->box(0)->heading(), QString("Kategorien"));
    QCOMPARE(window->box(2)->heading(), QString("Details"));
    QCOMPARE(window->button(rnv::Action::Quit)->text(), QString("Beenden"));
    QVERIFY(window->select(0, 0));
    QCOMPARE(window->details()->title(), QString("Rally"));
    QCOMPARE(window->button(rnv::Action::Run)->text(), QString("Starten"));
    QVERIFY(window->select(2, 0));
    QCOMPARE(window->button(rnv::Action::Run)->text(), QString("Öffnen"));
    QVERIFY(!window->select(2, 3));
    QVERIFY(!window->select(5));
}

void WindowTest::wordsOfTheWindowFollowLetterCase()
{
    const struct {
        int style;
        const char* heading;
        const char* quit;
    } cases[] = {{0, "contents", "quit"}, {1, "Contents", "Quit"}, {2, "CONTENTS", "QUIT"}};
    for (const auto& c : cases) {
        CdFixture cd(sampleCategories());
        cd.useLanguage(0, c.style);
        FakeDesktop::Log log;
        auto window = makeWindow(cd, log);
        QCOMPARE(window->box(1)->heading(), QString(c.heading));
        QCOMPARE(window->button(rnv::Action::Quit)->text(), QString(c.quit));
        // Captions are the user's own text and keep their case.
        QCOMPARE(window->categoryList()->item(0)->text(), QString("Games"));
    }
}

void WindowTest::drawsTheDesign()
{
    CdFixture cd(sampleCategories());
    auto shoot = [&](const std::string& design) {
        cd.writeCfgFile("design.cfg", design);
        FakeDesktop::Log log;
        auto window = makeWindow(cd, log);
        window->setAttribute(Qt::WA_DontShowOnScreen);
        window->show();
        struct Shot {
            QImage image;
            QPoint inCategoryBox;
            QPoint inQuitButton;
        } shot{window->grab().toImage(), {}, {}};
        const QRect box = window->box(0)->geometry();
        shot.inCategoryBox = QPoint(box.center().x(), box.bottom() - 10);
        shot.inQuitButton = window->button(rnv::Action::Quit)->geometry().topLeft() + QPoint(6, 4);
        return shot;
    };
    auto near = [](QRgb a, QColor b) {
        return std::abs(qRed(a) - b.red()) < 12 && std::abs(qGreen(a) - b.green()) < 12 && std::abs(qBlue(a) - b.blue()) < 12;
    };

    const auto gradient = shoot("[Back]\r\nbc=clRed\r\nbec=clBlue\r\n[Boxes]\r\nboxc_c=clLime\r\n"
                                "[Buttons]\r\nbtnc=clYellow\r\nbtnec=clYellow\r\n");
    QVERIFY(near(gradient.image.pixel(1, 1), Qt::red));
    QVERIFY(near(gradient.image.pixel(1, gradient.image.height() - 2), Qt::blue));
    QVERIFY(near(gradient.image.pixel(gradient.inCategoryBox), Qt::green));
    QVERIFY(near(gradient.image.pixel(gradient.inQuitButton), Qt::yellow));

    // Pictures: a tiled background and a button picture, from CFG/ under the build's names.
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(QColor(0, 128, 128));
    QVERIFY(picture.save(QString::fromStdString((cd.cfg() / "back.bmp").string()), "BMP"));
    picture.fill(QColor(128, 0, 128));
    QVERIFY(picture.save(QString::fromStdString((cd.cfg() / "button.bmp").string()), "BMP"));
    const auto pictures = shoot("[general]\r\ndesign_mode=bmp\r\nbutton_mode=bmp\r\n[Back]\r\nbmpalone=sea.bmp\r\n"
                                "tile_mode=tmtile\r\n[Boxes]\r\nboxc_bmp=1\r\n[Buttons]\r\nbtnbw=0\r\n");
    QVERIFY(near(pictures.image.pixel(1, 1), QColor(0, 128, 128)));
    QVERIFY(near(pictures.image.pixel(pictures.inCategoryBox), QColor(0, 128, 128)));
    QVERIFY(near(pictures.image.pixel(pictures.inQuitButton), QColor(128, 0, 128)));
}

void WindowTest::startsWithoutCrash_data()
{
    QTest::addColumn<int>("damage");
    for (std::size_t d = 0; d < damages().size(); ++d)
        QTest::newRow(damages()[d].name.c_str()) << static_cast<int>(d);
}

void WindowTest::startsWithoutCrash()
{
    QFETCH(int, damage);
    const Damage& d = damages()[static_cast<std::size_t>(damage)];
    CdFixture cd(sampleCategories());
    d.apply(cd);
    FakeDesktop::Log log;
    auto window = makeWindow(cd, log);
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    const QImage shot = window->grab().toImage();
    QVERIFY(!shot.isNull());
    QCOMPARE(window->categoryList()->count(), d.categories);
    if (d.categories == 0) {
        QCOMPARE(window->details()->note(), QString("this cd holds no menu."));
        QVERIFY(!window->button(rnv::Action::Run)->isEnabled());
    } else {
        QCOMPARE(window->itemList()->count(), d.firstItems);
        if (d.firstItems > 0 && !d.firstDetails) {
            QCOMPARE(window->details()->note(), QString("the details of this entry are missing."));
            QVERIFY(!window->button(rnv::Action::Run)->isEnabled());
            QVERIFY(!window->button(rnv::Action::Copy)->isEnabled());
        }
    }
    // Every command on whatever is chosen, and nothing reaches the desktop unasked.
    for (int a = 0; a < static_cast<int>(rnv::Action::Quit); ++a)
        window->button(static_cast<rnv::Action>(a))->click();
    QVERIFY(log.started.empty());
}

void WindowTest::keyboardWorks()
{
    CdFixture cd(sampleCategories());
    cd.writeCdFile("Games/rally.exe");
    FakeDesktop::Log log;
    auto window = makeWindow(cd, log);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QVERIFY(window->categoryList()->hasFocus());

    QTest::keyClick(window->categoryList(), Qt::Key_Down);
    QCOMPARE(window->currentCategory(), 1);
    QCOMPARE(window->itemList()->item(0)->text(), QString("Disk Tool"));
    QTest::keyClick(window->categoryList(), Qt::Key_Up);
    QCOMPARE(window->currentCategory(), 0);

    QTest::keyClick(window->categoryList(), Qt::Key_Right);
    QVERIFY(window->itemList()->hasFocus());
    QTest::keyClick(window->itemList(), Qt::Key_Return);
    QCOMPARE(log.started.size(), std::size_t(1));
    QCOMPARE(fs::weakly_canonical(log.started.front()), fs::weakly_canonical(cd.root() / "Games" / "rally.exe"));

    QTest::keyClick(window->itemList(), Qt::Key_Down);
    QCOMPARE(window->details()->title(), QString("Read me"));
    QTest::keyClick(window->itemList(), Qt::Key_Left);
    QVERIFY(window->categoryList()->hasFocus());

    QTest::keyClick(window->itemList(), Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

void WindowTest::splashHasItsFrame()
{
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    rnv::SplashScreen splash(picture, Qt::blue, 3);
    QCOMPARE(splash.size(), QSize(26, 16));
    const QImage shot = splash.grab().toImage();
    QCOMPARE(QColor(shot.pixel(0, 0)), QColor(Qt::blue));
    QCOMPARE(QColor(shot.pixel(25, 15)), QColor(Qt::blue));
    QCOMPARE(QColor(shot.pixel(3, 3)), QColor(Qt::red));
    QCOMPARE(QColor(shot.pixel(22, 12)), QColor(Qt::red));
    QSignalSpy dismissed(&splash, &rnv::SplashScreen::dismissed);
    QTest::mouseClick(&splash, Qt::LeftButton);
    QCOMPARE(dismissed.count(), 1);
}

void WindowTest::buttonsRunTheCommands()
{
    CdFixture cd({{"All",
                   {{"Tool", "\\Tools\\tool.exe", 0, true, true, "n/a", "n/a", "1", "1", "www.example.org"},
                    {"Escape", "\\..\\outside.exe", 0, true, true}}}});
    cd.writeCdFile("Tools/tool.exe", "tool bytes");
    QTemporaryDir target;
    FakeDesktop::Log log;
    log.folderAnswer = fs::path(target.path().toStdString());
    auto window = makeWindow(cd, log);
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();

    QVERIFY(window->select(0, 0));
    window->button(rnv::Action::Copy)->click();
    QCOMPARE(log.messages, std::vector<std::string>{"copy complete."});
    QVERIFY(fs::exists(*log.folderAnswer / "tool.exe"));
    window->button(rnv::Action::Homepage)->click();
    QCOMPARE(log.addresses, std::vector<std::string>{"http://www.example.org"});
    window->button(rnv::Action::Run)->click();
    QCOMPARE(log.started.size(), std::size_t(1));

    log.messages.clear();
    QVERIFY(window->select(0, 1));
    window->button(rnv::Action::Run)->click();
    QCOMPARE(log.started.size(), std::size_t(1));
    QCOMPARE(log.messages, std::vector<std::string>{"the path \\..\\outside.exe leads outside this cd and is not used."});

    window->button(rnv::Action::Quit)->click();
    QVERIFY(!window->isVisible());
}

void WindowTest::showsInfoAndScreenshot()
{
    CdFixture cd({{"All", {{"Rally", "\\Games\\rally.exe", 0}}}});
    cd.writeCdFile("Games/rally.exe");
    // Info files come from old Windows systems in their code page.
    cd.writeCdFile("Games/rally.txt", "Gr\xFC\xDF""e vom Team\r\n");
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(QString::fromStdString((cd.root() / "Games" / "rally.jpg").string()), "JPG"));
    FakeDesktop::Log log;
    auto window = makeWindow(cd, log);
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    QVERIFY(window->select(0, 0));
    QVERIFY(window->button(rnv::Action::Info)->isEnabled());
    QVERIFY(window->button(rnv::Action::Screenshot)->isEnabled());

    QString shownText;
    QSize shownPicture;
    auto closeDialog = [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        if (auto* text = dialog->findChild<QPlainTextEdit*>())
            shownText = text->toPlainText();
        if (auto* label = dialog->findChild<QLabel*>())
            shownPicture = label->pixmap().size();
        dialog->close();
    };
    QTimer::singleShot(0, window.get(), closeDialog);
    window->button(rnv::Action::Info)->click();
    QCOMPARE(shownText, QString("Grüße vom Team\n"));
    QTimer::singleShot(0, window.get(), closeDialog);
    window->button(rnv::Action::Screenshot)->click();
    QCOMPARE(shownPicture, QSize(30, 20));
}

void WindowTest::screenshotMode()
{
    QTemporaryDir out;
    const QString png = out.filePath("menu.png");
    QProcess rnv;
    rnv.start(RNV_EXE, {"--cfg", QString(RNV_SAMPLE) + "/CFG", "--screenshot", png, "--select", "1-0"});
    QVERIFY(rnv.waitForFinished(60000));
    QCOMPARE(rnv.exitCode(), 0);
    const QImage image(png);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(840, 560));

    // The same picture from the window itself: the program chose category 1, item 0.
    auto window = std::make_unique<rnv::MenuWindow>(rnv::readMenu(fs::path(RNV_SAMPLE) / "CFG", RNV_SAMPLE), nullptr,
                                                    rnv::MenuWindow::Options{.sounds = false});
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    QVERIFY(window->select(1, 0));
    QCOMPARE(window->grab().toImage().convertToFormat(image.format()), image);

    // A folder without CFG still gives a picture.
    rnv.start(RNV_EXE, {"--cfg", out.filePath("nothing"), "--screenshot", out.filePath("empty.png")});
    QVERIFY(rnv.waitForFinished(60000));
    QCOMPARE(rnv.exitCode(), 0);
    QVERIFY(!QImage(out.filePath("empty.png")).isNull());
}

}  // namespace rnvtest
