#include <cstdio>

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include "MenuData.h"
#include "MenuWindow.h"
#include "Painting.h"
#include "RuntimeOptions.h"
#include "SplashScreen.h"
#include "util/BaseDirectory.h"
#include "util/Fs.h"

int main(int argc, char* argv[])
{
    // The options decide how Qt starts, so they are read before it does.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const auto programFolder = qv::executablePath(argc > 0 ? argv[0] : nullptr).parent_path();
    const rnv::RuntimeOptions options = rnv::parseRuntimeOptions(arguments, programFolder);
    if (!options.help.empty()) {
        std::fputs(options.help.c_str(), stdout);
        return 0;
    }
    if (!options.error.empty()) {
        std::fprintf(stderr, "rnv: %s\n", options.error.c_str());
        return 2;
    }
    // A screenshot is never shown, so it needs no display at all.
    if (!options.screenshot.empty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // CD paths are relative to the folder that holds CFG/, which is the runtime's own folder.
    rnv::MenuData data = rnv::readMenu(options.cfg, options.cfg.parent_path());

    if (!options.screenshot.empty()) {
        rnv::MenuWindow window(std::move(data), nullptr, {.sounds = false});
        // Laid out and painted like a shown window, but never on screen.
        window.setAttribute(Qt::WA_DontShowOnScreen);
        window.show();
        if (options.selectCategory >= 0 && !window.select(options.selectCategory, options.selectItem))
            std::fprintf(stderr, "rnv: no entry %d-%d; showing the first\n", options.selectCategory, options.selectItem);
        QApplication::processEvents();
        if (!window.grab().save(rnv::toQString(options.screenshot), "PNG")) {
            std::fprintf(stderr, "rnv: cannot write %s\n", qv::pathText(options.screenshot).c_str());
            return 1;
        }
        return 0;
    }

    // Qt's own dialogs (the folder chooser of Copy) in the menu's language, where the system has it.
    QTranslator qtWords;
    static const char* const kQtLanguages[] = {"en", "de", "ru", "es"};
    if (data.look.language > 0 &&
        qtWords.load(QString("qtbase_") + kQtLanguages[data.look.language], QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtWords);

    rnv::MenuWindow window(std::move(data), nullptr, {});
    const rnv::MenuData& shown = window.data();
    const QImage splashPicture = rnv::loadPicture(shown.splash);
    std::unique_ptr<rnv::SplashScreen> splash;
    bool started = false;
    auto start = [&] {
        // The timer and a click on the splash may both ask.
        if (started)
            return;
        started = true;
        if (splash)
            splash->close();
        window.show();
        window.playSound(1);
    };
    if (!splashPicture.isNull() && shown.look.splashSeconds > 0) {
        splash = std::make_unique<rnv::SplashScreen>(splashPicture, rnv::toQColor(shown.look.splashFrame),
                                                     shown.look.splashFrameWidth);
        QObject::connect(splash.get(), &rnv::SplashScreen::dismissed, &window, start);
        splash->show();
        QTimer::singleShot(shown.look.splashSeconds * 1000, &window, start);
    } else {
        start();
    }
    return QApplication::exec();
}
