// The profile reader and the value parsers every text format goes through.
#include "FuzzSupport.h"
#include "profile/ProfileDocument.h"
#include "profile/ProfileFile.h"
#include "util/Colour.h"
#include "util/IntegerText.h"
#include "util/Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = qv::fuzz::asText(data, size);
    const auto document = qv::ProfileDocument::parse(bytes);
    (void)document;
    std::int32_t n = 0;
    (void)qv::parseInteger(bytes.substr(0, 64), n);
    (void)qv::colourFromText(std::string(bytes.substr(0, 64)));
    (void)qv::decodeText(bytes);

    // Reads and a write through a file, as the program does them.
    const auto path = qv::fuzz::writeInput("p.ini", bytes);
    qv::ProfileFile file(path);
    (void)file.readString("settings", "language", "");
    (void)file.readInteger("general", "d", 0);
    (void)file.readBool("splash", "use", false);
    try {
        file.writeString("fuzz", "key", "value");
    } catch (const qv::ProfileWriteError&) {
    }
    return 0;
}
