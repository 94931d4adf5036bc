#include "RuntimeOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include "MenuData.h"
#include "util/Fs.h"

namespace rnv {

RuntimeOptions parseRuntimeOptions(const QStringList& arguments, const std::filesystem::path& programFolder)
{
    RuntimeOptions options;
    QCommandLineParser parser;
    const QCommandLineOption cfg("cfg", "Read the menu from DIR instead of CFG beside the program.", "DIR");
    const QCommandLineOption screenshot("screenshot", "Render the menu to FILE.png and exit.", "FILE");
    const QCommandLineOption select("select", "Choose category N and its item I.", "N-I");
    parser.addOptions({cfg, screenshot, select});
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    parser.addOption(help);
    if (!parser.parse(arguments)) {
        options.error = parser.errorText().toStdString();
        return options;
    }
    if (parser.isSet(help)) {
        // Read before the application exists, the parser cannot know the program's name.
        options.help = parser.helpText().replace("<executable_name>", "rnv.exe").toStdString();
        return options;
    }
    options.cfg = parser.isSet(cfg) ? qv::pathFromText(parser.value(cfg).toStdString()) : findEntry(programFolder, "CFG");
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(options.cfg, ec);
    if (!ec)
        options.cfg = absolute.lexically_normal();
    // "DIR/" names the same folder as "DIR"; its parent is the CD either way.
    if (!options.cfg.has_filename() && options.cfg.has_parent_path())
        options.cfg = options.cfg.parent_path();
    if (parser.isSet(screenshot))
        options.screenshot = qv::pathFromText(parser.value(screenshot).toStdString());
    if (parser.isSet(select)) {
        static const QRegularExpression pair("^(\\d{1,5})(?:-(\\d{1,5}))?$");
        const auto match = pair.match(parser.value(select));
        if (!match.hasMatch()) {
            options.error = "--select expects N-I, e.g. 0-2";
            return options;
        }
        options.selectCategory = match.captured(1).toInt();
        options.selectItem = match.captured(2).isEmpty() ? -1 : match.captured(2).toInt();
    }
    return options;
}

}  // namespace rnv
