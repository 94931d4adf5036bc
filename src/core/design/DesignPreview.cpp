#include "design/DesignPreview.h"

#include "util/ProjectFiles.h"
#include "design/DesignFonts.h"
#include "design/MenuDesign.h"
#include "util/Fs.h"

#include <array>
#include <system_error>
#include <utility>

namespace qv {

std::filesystem::path DesignPreview::previewFolder(const std::filesystem::path& baseDir)
{
    return baseDir / "Files" / "CFG";
}

std::filesystem::path DesignPreview::runtimeProgram(const std::filesystem::path& baseDir)
{
    return baseDir / "Files" / "rnv.exe";
}

void DesignPreview::writePreviewFolder(const std::filesystem::path& baseDir, MenuDesign& design, int menuLanguage)
{
    const std::filesystem::path folder = previewFolder(baseDir);
    const std::filesystem::path files = baseDir / "Files";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);

    ProjectFiles& data = design.data();
    const std::filesystem::path designFile = data.menudesign_file.fullPath();
    const bool modified = design.modified();

    const std::array<std::pair<FileReference*, const char*>, 8> targets{{
        {&data.Splash_File, "splash.bmp"}, {&data.BMP_File, "back.bmp"}, {&data.Button_file, "button.bmp"},
        {&data.Sound[0], "Sound1.wav"}, {&data.Sound[1], "Sound2.wav"}, {&data.Sound[2], "Sound3.wav"},
        {&data.Sound[3], "Sound4.wav"}, {&data.Sound[4], "Sound5.wav"},
    }};
    std::array<std::filesystem::path, 8> remembered;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        FileReference& ref = *targets[i].first;
        const std::filesystem::path copy = folder / targets[i].second;
        if (ref.empty()) {
            // A picture or sound the design no longer has must not linger from an earlier preview.
            removeFileQuiet(copy);
            continue;
        }
        remembered[i] = ref.fullPath();
        copyFileReplace(ref.fullPath(), copy);
        ref.assign(copy);
    }

    copyFileReplace(files / ("language" + std::to_string(menuLanguage) + ".dat"), folder / "language.vlx");
    for (int n = 1; n <= 14; ++n) {
        const std::string icon = "m" + std::to_string(n) + ".ico";
        copyFileReplace(files / icon, folder / icon);
    }
    // Fonts registered here are invisible to the runtime's process, which
    // loads the *.ttf files of its CFG folder instead.
    for (int i = 0; i < kDesignFontCount; ++i) {
        const auto& slot = design.fonts().slot(i);
        if (!slot.path.empty())
            copyFileReplace(slot.path, folder / slot.path.filename());
    }

    auto restore = [&] {
        for (std::size_t i = 0; i < targets.size(); ++i) {
            if (remembered[i].empty())
                targets[i].first->clear();
            else
                targets[i].first->assign(remembered[i]);
        }
        data.menudesign_file.assign(designFile);
        // The design file itself was not written: its edits are still unsaved.
        design.setModified(modified);
    };
    try {
        design.write(folder / "design.cfg");
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

}  // namespace qv
