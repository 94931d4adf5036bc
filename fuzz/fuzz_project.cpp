// The binary project file: records of fixed size, read from any bytes.
#include "FuzzSupport.h"
#include "project/ProjectFile.h"

#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::vector<std::string> categories{"Programs", "Games", "Tools"};
    try {
        const auto contents = qv::decodeProjectFile(qv::fuzz::asText(data, size), categories);
        // What was read must write again.
        (void)qv::projectFileBytes(contents.header, contents.items, categories, qv::YesNoWords{});
    } catch (const qv::ProjectFileError&) {
    }
    return 0;
}
