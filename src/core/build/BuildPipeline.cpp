#include "build/BuildPipeline.h"

#include "util/ProjectFiles.h"
#include "ui/Ui.h"
#include "categories/CategoryFile.h"
#include "categories/CategoryList.h"
#include "design/DesignFonts.h"
#include "i18n/Language.h"
#include "profile/ProfileFile.h"
#include "project/ItemTable.h"
#include "project/ProjectSession.h"
#include "util/Fs.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <system_error>
#include <utility>

namespace qv {

namespace fs = std::filesystem;

namespace {

constexpr char kSeparator = static_cast<char>(fs::path::preferred_separator);

bool endsInSeparator(const std::string& text)
{
    return !text.empty() && (text.back() == kSeparator || text.back() == '/');
}

// The copies of one build and what came of them.
// The copies of a build, listed first and made by run(), so the progress
// knows how many there are.
class Copier {
public:
    explicit Copier(BuildSummary& summary)
        : m_summary(summary)
    {
    }

    void always(const fs::path& from, const fs::path& to)
    {
        m_jobs.push_back([this, from, to] { copyAlways(from, to); });
    }
    void ifPresent(const fs::path& from, const fs::path& to)
    {
        m_jobs.push_back([this, from, to] { copyIfPresent(from, to); });
    }
    void orDelete(const fs::path& from, const fs::path& to)
    {
        m_jobs.push_back([this, from, to] { copyOrDelete(from, to); });
    }

    std::size_t size() const { return m_jobs.size(); }

    // Reports one step per copy after the steps already done.
    void run(ProgressScope* progress, std::int64_t stepsBefore)
    {
        const auto total = stepsBefore + static_cast<std::int64_t>(m_jobs.size());
        for (std::size_t i = 0; i < m_jobs.size(); ++i) {
            m_jobs[i]();
            if (progress)
                progress->step(stepsBefore + static_cast<std::int64_t>(i) + 1, total);
        }
    }

private:
    // A row that is always copied: a missing source leaves the target as it was.
    void copyAlways(const fs::path& from, const fs::path& to)
    {
        if (copyFileReplace(from, to))
            ++m_summary.filesWritten;
        else if (!from.empty() && !isFile(from))
            m_summary.missingSources.push_back(from);
    }

    // Copied where the source exists; nothing otherwise.
    void copyIfPresent(const fs::path& from, const fs::path& to)
    {
        if (isFile(from) && copyFileReplace(from, to))
            ++m_summary.filesWritten;
    }

    // A picture or sound of the design: one the design no longer names must
    // not linger from an earlier build. A source that exists but can't be
    // copied (it may be the target itself) leaves the target alone.
    void copyOrDelete(const fs::path& from, const fs::path& to)
    {
        if (!isFile(from)) {
            removeFileQuiet(to);
            return;
        }
        if (copyFileReplace(from, to))
            ++m_summary.filesWritten;
    }

    BuildSummary& m_summary;
    std::vector<std::function<void()>> m_jobs;
};

}  // namespace

BuildInput BuildInput::fromProject(const fs::path& baseDir, const ItemTable& table, const CategoryList& categories,
                                   const ProjectFiles& data, std::string cdName, std::string rootName)
{
    BuildInput in;
    in.baseDir = baseDir;
    in.items.cdName = std::move(cdName);
    in.items.rootName = std::move(rootName);
    in.items.categories = categories.captions();
    in.items.yesWord = table.yesWord();
    in.items.jumpWords = table.jumpWords();
    in.items.items.reserve(static_cast<std::size_t>(table.rowCount() - 1));
    for (int row = 1; row < table.rowCount(); ++row) {
        ItemFieldTexts& fields = in.items.items.emplace_back();
        for (int field = 1; field <= ItemTable::kFields; ++field)
            fields[static_cast<std::size_t>(field - 1)] = table.read(field, row);
    }
    in.categoryFile = data.genre_file.fullPath();
    in.designFile = data.menudesign_file.fullPath();
    if (!in.designFile.empty())
        in.designLanguage = ProfileFile(in.designFile).readInteger("Language", "Language", 0);
    in.splash = data.Splash_File.fullPath();
    in.background = data.BMP_File.fullPath();
    in.button = data.Button_file.fullPath();
    in.menuIcon = data.Icon_File.fullPath();
    for (std::size_t i = 0; i < in.sounds.size(); ++i)
        in.sounds[i] = data.Sound[i].fullPath();
    return in;
}

BuildInput BuildInput::fromSession(ProjectSession& session)
{
    return fromProject(session.baseDir(), session.table(), session.categories(), session.data(), session.cdName(),
                       session.projectFolder());
}

BuildPipeline::BuildPipeline(Ui& ui, const Language& language)
    : m_ui(ui)
    , m_language(language)
{
}

fs::path BuildPipeline::browserStart(const std::string& rootName)
{
    fs::path folder = pathFromText(rootName);
    // Only a final separator goes; a root keeps it, as it names no folder without it.
    if (endsInSeparator(rootName) && folder != folder.root_path())
        return pathFromText(std::string_view(rootName).substr(0, rootName.size() - 1));
    return folder;
}

BuildFolders BuildPipeline::outputFolders(const fs::path& chosen)
{
    std::string root = pathText(chosen);
    if (!endsInSeparator(root))
        root += kSeparator;
    BuildFolders folders;
    folders.root = pathFromText(root);
    folders.cfg = pathFromText(root + "CFG");
    return folders;
}

fs::path BuildPipeline::runtimeProgram(const BuildFolders& folders)
{
    return folders.root / "rnv.exe";
}

BuildSummary BuildPipeline::build(const BuildInput& input, const fs::path& chosen, ProgressScope* progress)
{
    BuildSummary summary;
    summary.folders = outputFolders(chosen);
    const fs::path& root = summary.folders.root;
    const fs::path& cfg = summary.folders.cfg;
    const fs::path files = input.baseDir / "Files";

    // One level only: the chosen folder exists. A failure shows up as the
    // write error of members.cfg.
    std::error_code ec;
    fs::create_directory(cfg, ec);

    const RuntimeItemSummary written = writeRuntimeItemFiles(cfg, input.items);
    summary.categories = input.items.categories.size();
    summary.categoriesWithItems = written.categoriesWithItems;
    summary.items = written.itemFiles;
    summary.filesWritten = 1 + written.itemFiles;

    Copier copy(summary);
    copy.always(files / "rnv.exe", root / "rnv.exe");
    copy.always(input.categoryFile, cfg / "genre.cfg");
    if (!input.categoryFile.empty()) {
        // One icon more than there are categories, as the runtime has always been given.
        const int count = CategoryFile::readCount(ProfileFile(input.categoryFile));
        const fs::path folder = input.categoryFile.parent_path();
        for (int k = 0; k <= count; ++k)
            copy.ifPresent(CategoryFile::iconPath(folder, k), cfg / (std::to_string(k) + ".ico"));
    }
    copy.always(input.designFile, cfg / "design.cfg");
    copy.orDelete(input.splash, cfg / "splash.bmp");
    copy.orDelete(input.background, cfg / "back.bmp");
    copy.orDelete(input.button, cfg / "button.bmp");
    for (std::size_t i = 0; i < input.sounds.size(); ++i)
        copy.orDelete(input.sounds[i], cfg / ("Sound" + std::to_string(i + 1) + ".wav"));
    copy.always(files / "Unzdll.dll", cfg / "Unzdll.dll");
    copy.always(isFile(input.menuIcon) ? input.menuIcon : files / "rnv.ico", cfg / "rnv.ico");
    copy.always(files / "autorun.inf", root / "autorun.inf");
    copy.always(files / ("language" + std::to_string(input.designLanguage) + ".dat"), cfg / "language.vlx");
    for (int n = 1; n <= 14; ++n) {
        const std::string icon = "m" + std::to_string(n) + ".ico";
        copy.always(files / icon, cfg / icon);
    }
    // Every font beside the design file goes along: the runtime loads the
    // fonts of its own CFG folder, since a registration here is not seen there.
    if (!input.designFile.empty()) {
        const fs::path folder = input.designFile.parent_path();
        for (const std::string& name : DesignFonts::fontSearch(folder))
            copy.always(folder / pathFromText(name), cfg / pathFromText(name));
    }
    if (progress)
        progress->step(1, 1 + static_cast<std::int64_t>(copy.size()));
    copy.run(progress, 1);
    return summary;
}

BuildSummary BuildPipeline::buildInto(const BuildInput& input, const fs::path& outputFolder, ProgressScope* progress)
{
    std::error_code ec;
    fs::create_directories(outputFolder, ec);
    return build(input, outputFolder, progress);
}

bool BuildPipeline::buildClick(const BuildInput& input)
{
    m_ui.playClick();
    const std::string& rootName = input.items.rootName;
    if (!rootName.empty())
        m_ui.messageBox({"M26", m_language.message("M26")}, MsgKind::Information, MsgButtons::Ok);
    const auto chosen = m_ui.browseFolder(m_language.text("T59"), browserStart(rootName));
    if (!chosen || chosen->empty())
        return false;

    BuildSummary summary;
    try {
        auto work = m_ui.beginWork("build");
        summary = build(input, *chosen, &work);
    } catch (const std::exception& e) {
        // Mostly ProfileWriteError: its text names the file that can't be written.
        m_ui.messageBox({"", e.what()}, MsgKind::Error, MsgButtons::Ok);
        return false;
    }

    if (m_ui.messageBox({"M27", m_language.message("M27")}, MsgKind::Confirmation, MsgButtons::YesNo)
        == MsgResult::Yes)
        m_ui.startProgram(runtimeProgram(summary.folders));
    return true;
}

}  // namespace qv
