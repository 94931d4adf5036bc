#include "MenuData.h"
#include "MenuWindow.h"
#include "Painting.h"
#include "RuntimeOptions.h"
#include "SplashScreen.h"
#include "util/Fs.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const auto programFolder = qv::pathFromText(QCoreApplication::applicationDirPath().toStdString());
    const rnv::RuntimeOptions options = rnv::parseRuntimeOptions(QCoreApplication::arguments(), programFolder);
    if (!options.error.empty()) {
        std::fprintf(stderr, "rnv: %s\n", options.error.c_str());
        return 2;
    }

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

    rnv::MenuWindow window(std::move(data), nullptr, {});
    const rnv::MenuData& shown = window.data();
    const QImage splashPicture = rnv::loadPicture(shown.splash);
    std::unique_ptr<rnv::SplashScreen> splash;
    auto start = [&] {
        if (splash)
            splash->close();
        window.show();
        window.playSound(1);
    };
    if (!splashPicture.isNull() && shown.look.splashSeconds > 0) {
        splash = std::make_unique<rnv::SplashScreen>(splashPicture, rnv::toQColor(shown.look.splashFrame),
                                                     shown.look.splashFrameWidth);
        splash->show();
        QTimer::singleShot(shown.look.splashSeconds * 1000, &window, start);
    } else {
        start();
    }
    return QApplication::exec();
}
