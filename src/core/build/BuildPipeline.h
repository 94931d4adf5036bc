#pragma once

#include "build/RuntimeItemFiles.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace qv {

class ProgressScope;

class CategoryList;
class ItemTable;
class Language;
class ProjectSession;
class Ui;
struct ProjectFiles;

// Everything a build reads, taken from the open project by value, so the
// build can't change the project and the command line can make one without
// the windows.
struct BuildInput {
    std::filesystem::path baseDir;   // holds Files/ with the runtime and its companions
    RuntimeItemSource items;         // CD name, project folder, category captions, item rows, yes word
    std::filesystem::path categoryFile;
    std::filesystem::path designFile;
    int designLanguage = 0;          // Language/Language of the design file
    // The files the design names; empty when it names none.
    std::filesystem::path splash;
    std::filesystem::path background;
    std::filesystem::path button;
    std::filesystem::path menuIcon;
    std::array<std::filesystem::path, 5> sounds;

    // The open project: its item rows in table order (fields through the
    // column map), the category list, the category and design files and the
    // design's pictures, sounds and icon as the shared data module holds them.
    // The design's language number is read from its file.
    static BuildInput fromProject(const std::filesystem::path& baseDir, const ItemTable& table,
                                  const CategoryList& categories, const ProjectFiles& data, std::string cdName,
                                  std::string rootName);
    // The same for the open project of a session (the GUI's and the command line's).
    static BuildInput fromSession(ProjectSession& session);
};

// The output root R (where rnv.exe and autorun.inf go), ending in a
// separator, and the configuration folder C = R + "CFG".
struct BuildFolders {
    std::filesystem::path root;
    std::filesystem::path cfg;
};

struct BuildSummary {
    BuildFolders folders;
    std::size_t categories = 0;           // in the category list
    std::size_t categoriesWithItems = 0;
    std::size_t items = 0;                // item files in membersd/
    std::size_t filesWritten = 0;         // members.cfg, the item files and every copy made
    // Copies that found no source where one is always expected (rnv.exe, a
    // language file, ...); the targets were left as they were.
    std::vector<std::filesystem::path> missingSources;
};

// The Build command: the CD folder with the menu runtime, autorun.inf and
// CFG/ with every file the runtime reads.
class BuildPipeline final {
public:
    BuildPipeline(Ui& ui, const Language& language);

    // The main window's generate command (also the wizard's and the record
    // dialog's Build): asks for the output folder, builds into it and offers
    // to start the runtime. Returns whether the folder was built. A profile
    // file that can't be written ends the command with an error box.
    bool buildClick(const BuildInput& input);

    // Where the folder chooser starts: the project folder without its final
    // separator, a root such as "/" or "C:\" as it is.
    static std::filesystem::path browserStart(const std::string& rootName);
    // R and C for the chosen folder S: a folder ending in a separator (a
    // root) holds them directly, any other gets a separator first.
    static BuildFolders outputFolders(const std::filesystem::path& chosen);
    static std::filesystem::path runtimeProgram(const BuildFolders& folders);

    // Builds into the chosen folder, which exists, without asking anything:
    // CFG created, the runtime item files written, then every copy in its
    // order. Raises ProfileWriteError when a runtime item file can't be
    // written; no copy has been made then. Progress counts the item files
    // as one step and each copy as one; a stop is not honoured: the build
    // replaces the files of a CD folder in place, and one stopped between
    // files would hold a menu that matches neither the old build nor the new.
    static BuildSummary build(const BuildInput& input, const std::filesystem::path& chosen,
                              ProgressScope* progress = nullptr);
    // The command line's build: as build(), creating the output folder first
    // when it is missing.
    static BuildSummary buildInto(const BuildInput& input, const std::filesystem::path& outputFolder,
                                  ProgressScope* progress = nullptr);

private:
    Ui& m_ui;
    const Language& m_language;
};

}  // namespace qv
