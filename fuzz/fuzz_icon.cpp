// The ICO structure check the icon packs and category icons go through.
#include "FuzzSupport.h"
#include "categories/IconFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    (void)qv::IconFile::parse(qv::fuzz::asText(data, size));
    return 0;
}
