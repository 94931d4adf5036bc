// A language file of the program and the settings file.
#include "FuzzSupport.h"
#include "i18n/Language.h"
#include "i18n/Settings.h"

#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto in = qv::fuzz::parts(qv::fuzz::asText(data, size), 2);
    const auto base = qv::fuzz::scratchFolder() / "base";
    qv::fuzz::writeInput(qv::Language::fileOf(base, 3).lexically_relative(qv::fuzz::scratchFolder()), in[0]);
    const qv::Language language = qv::Language::load(base, 3);
    (void)language.message("M1");
    (void)language.text("TYES");
    (void)language.windowText("Main", "E1");
    (void)language.fieldTitle(1);

    const auto settingsFile = qv::fuzz::writeInput("base/quenvar.dat", in[1]);
    qv::Settings settings;
    qv::loadSettings(settingsFile, settings);
    try {
        qv::saveSettings(settingsFile, settings);
    } catch (const std::exception&) {
    }
    return 0;
}
