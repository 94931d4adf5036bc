// A category file with its icons beside it.
#include "FuzzSupport.h"
#include "categories/CategoryFile.h"
#include "categories/IconFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto in = qv::fuzz::parts(qv::fuzz::asText(data, size), 2);
    const auto file = qv::fuzz::writeInput("cat/c.qvc", in[0]);
    qv::fuzz::writeInput("cat/0.ico", in[1]);
    for (const auto& record : qv::CategoryFile::read(file))
        (void)record;
    (void)qv::CategoryFile::readCaptions(file);
    return 0;
}
