// What the menu runtime reads from a CD's CFG folder: categories, design,
// item index and item files, words.
#include "FuzzSupport.h"
#include "MenuData.h"

// The font catalogue fills fontconfig's process-wide caches on first use;
// doing that once before the first input keeps them out of the leak check.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const auto root = qv::fuzz::scratchFolder() / "warm";
    std::filesystem::create_directories(root / "CFG");
    (void)rnv::readMenu(root / "CFG", root);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const char* const kFiles[] = {"genre.cfg", "design.cfg", "members.cfg", "membersd/m0-0.dat",
                                         "membersd/m0-1.dat", "language.vlx"};
    constexpr std::size_t kCount = sizeof kFiles / sizeof kFiles[0];
    const auto in = qv::fuzz::parts(qv::fuzz::asText(data, size), kCount);
    std::filesystem::path cfg;
    for (std::size_t i = 0; i < kCount; ++i)
        cfg = qv::fuzz::writeInput(std::filesystem::path("cd/CFG") / kFiles[i], in[i]);
    const auto root = qv::fuzz::scratchFolder() / "cd";
    const rnv::MenuData menu = rnv::readMenu(root / "CFG", root);
    for (std::size_t c = 0; c < menu.categories.size(); ++c)
        for (std::size_t i = 0; i < menu.categories[c].items.size(); ++i) {
            const rnv::MenuItem* item = menu.item(static_cast<int>(c), static_cast<int>(i));
            if (item)
                (void)menu.typeIcon(item->type);
        }
    return 0;
}
