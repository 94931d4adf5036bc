#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace qv {

class ProgressScope;

class Language;
class Ui;

// The recording project can't be made: the template can't be read or is too
// short, the project file can't be written, or the folder has more folder
// groups than the format numbers. what() says which.
class RecordError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One file below the project folder.
struct RecordingFile {
    std::filesystem::path folder;  // full path of its folder
    std::string relativeFolder;    // CD path of the folder: "" or "CFG\membersd"
    std::string name;
};

// The project file of the external recording program: every file below a
// built project folder with its place on the CD, in the program's text
// format, made from the template Files/cq3_6.bot.
class RecordingProject final {
public:
    static constexpr std::size_t kMaxGroups = 0xFFF;
    // Template lines (counted from 0) replaced by the CD name.
    static constexpr std::size_t kTrackLine = 4;
    static constexpr std::size_t kIsoVolumeLine = 29;
    static constexpr std::size_t kJolietVolumeLine = 38;

    explicit RecordingProject(std::filesystem::path baseDir);

    std::filesystem::path templatePath() const;
    // Files/burn vlx.cpj below the base directory.
    std::filesystem::path outputPath() const;

    // A built menu: rnv.exe directly in the folder.
    static bool hasBuiltMenu(const std::filesystem::path& projectFolder);

    // Every file below the folder except hidden ones (hidden folders are not
    // entered), sorted ignoring ASCII case by folder, then by name, the folder
    // compared as its CD path with a final backslash, so the project folder's
    // own files come first and those of one folder stand together. Raises
    // RecordError when the folder can't be read.
    static std::vector<RecordingFile> listFiles(const std::filesystem::path& projectFolder);

    // Folder groups are numbered 1, 2, ... in upper-case hexadecimal.
    static std::string groupNumber(std::size_t n);

    // The whole text, CR LF after every line. Raises RecordError.
    static std::string compose(const std::vector<std::string>& templateLines, const std::string& cdName,
                               const std::vector<RecordingFile>& files);

    // Lists the folder and writes outputPath(), replacing an earlier one.
    // Raises RecordError. With progress, two steps (listed, written); a stop
    // is honoured until the file is replaced, so a stopped run leaves the
    // earlier file whole, and returns an empty path.
    std::filesystem::path write(const std::filesystem::path& projectFolder, const std::string& cdName,
                                ProgressScope* progress = nullptr) const;

    // The recording dialog's OK without the dialog: M9 when the folder holds
    // no built menu, the wait window while the file is written, an error box
    // when it fails, and the shell's "open" on the file when open is set.
    // Returns whether the file was written (not when the person stopped it).
    bool run(Ui& ui, const Language& language, const std::string& rootName, const std::string& cdName,
             bool open) const;

private:
    std::filesystem::path m_baseDir;
};

}  // namespace qv
