#pragma once

#include "design/DesignSettings.h"

#include <filesystem>
#include <string>

namespace qv {

class DesignFonts;
struct ProjectFiles;

// The current design: its settings here, its design file and companion
// pictures, sounds and icon in the shared data module, its own fonts in the
// font slots. The build, the menu runtime and the editors all read and
// write design files through this class.
class MenuDesign final {
public:
    // The five sounds, in order: start, standard, button, copy complete, unzip complete.
    static constexpr int kSoundCount = 5;

    MenuDesign(ProjectFiles& data, DesignFonts& fonts);

    // Where read() looks for the design's pictures, sounds and icon.
    enum class Companions {
        // By the names and paths the design file gives.
        AsNamed,
        // As named, and failing that under the names a build gives their
        // copies beside design.cfg (splash.bmp, back.bmp, button.bmp,
        // Sound1.wav to Sound5.wav, rnv.ico): the menu runtime reads a CD's
        // design this way, the design file being copied unchanged.
        AsBuilt,
    };

    // Makes the file at path the current design. A missing file or an empty
    // path reads as a file without keys. A colour that is neither a name nor
    // an integer keeps its previous value; the read still completes, and
    // then raises ColourConversionError for the first such value.
    void read(const std::filesystem::path& path, Companions companions = Companions::AsNamed);

    // Writes the whole design to path in the fixed layout (replacing the
    // file), points menudesign_file at it and clears the unsaved-changes flag.
    // Raises ProfileWriteError when the file can't be written.
    void write(const std::filesystem::path& path);

    // Puts the design into a folder of its own with every companion and font
    // file and writes it there. A path that names no existing file becomes
    // <folder>/<name>/<name>.qvd. Returns the design file written.
    std::filesystem::path store(const std::filesystem::path& path);

    // The folder of a design file, ending in a separator.
    static std::filesystem::path designFolder(const std::filesystem::path& designFile);
    // The design file that store() writes for path.
    static std::filesystem::path storeTarget(const std::filesystem::path& path);

    DesignSettings& settings() { return m_settings; }
    const DesignSettings& settings() const { return m_settings; }
    ProjectFiles& data() { return m_data; }
    const ProjectFiles& data() const { return m_data; }
    DesignFonts& fonts() { return m_fonts; }
    const DesignFonts& fonts() const { return m_fonts; }

    // The design's unsaved-changes flag: set by the editor's edits, cleared by read and write.
    bool modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

private:
    void readFonts(const class ProfileFile& file, const std::filesystem::path& folder);

    ProjectFiles& m_data;
    DesignFonts& m_fonts;
    DesignSettings m_settings;
    bool m_modified = false;
};

// Width and height in pixels of a BMP picture; zeros for anything else.
struct PictureSize {
    int width = 0;
    int height = 0;
};
PictureSize bitmapSize(const std::filesystem::path& picture);

}  // namespace qv
