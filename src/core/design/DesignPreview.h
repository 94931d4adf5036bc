#pragma once

#include <filesystem>

namespace qv {

class MenuDesign;

// The full preview: the design being edited, its pictures and sounds, the
// menu's language file and the item type icons go into Files/CFG/ of the
// base directory, where Files/rnv.exe finds them as its own CFG folder.
class DesignPreview final {
public:
    static std::filesystem::path previewFolder(const std::filesystem::path& baseDir);
    static std::filesystem::path runtimeProgram(const std::filesystem::path& baseDir);

    // Fills the preview folder (creating it when missing) and leaves the
    // design as it found it: its references, its design file and its
    // unsaved-changes flag. Raises ProfileWriteError when design.cfg can't be
    // written; the references are restored first.
    static void writePreviewFolder(const std::filesystem::path& baseDir, MenuDesign& design, int menuLanguage);
};

}  // namespace qv
