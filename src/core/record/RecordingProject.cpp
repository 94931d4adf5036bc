#include "record/RecordingProject.h"

#include "ui/Ui.h"
#include "i18n/Language.h"
#include "util/Fs.h"
#include "util/Text.h"

#include <algorithm>
#include <cstdint>
#include <system_error>

namespace qv {

namespace {

namespace fs = std::filesystem;

fs::path withoutTrailingSeparator(fs::path folder)
{
    folder = folder.lexically_normal();
    if (!folder.has_filename() && folder.has_relative_path())
        folder = folder.parent_path();
    return folder;
}

// The CD path of a folder below the project folder, backslashes between its
// parts, no leading or final backslash.
std::string cdPathOf(const fs::path& relative)
{
    std::string out;
    for (const auto& part : relative) {
        const std::string text = pathText(part);
        if (text.empty() || text == ".")
            continue;
        if (!out.empty())
            out += '\\';
        out += text;
    }
    return out;
}

std::string folderSortKey(const RecordingFile& f)
{
    return f.relativeFolder.empty() ? std::string() : f.relativeFolder + '\\';
}

std::string pathTableFolder(const fs::path& folder)
{
    std::string text = pathText(folder);
    while (!text.empty() && (text.back() == '/' || text.back() == '\\'))
        text.pop_back();
    return asciiUpper(text);
}

}  // namespace

RecordingProject::RecordingProject(std::filesystem::path baseDir)
    : m_baseDir(std::move(baseDir))
{
}

std::filesystem::path RecordingProject::templatePath() const
{
    return m_baseDir / "Files" / "cq3_6.bot";
}

std::filesystem::path RecordingProject::outputPath() const
{
    return m_baseDir / "Files" / "burn vlx.cpj";
}

bool RecordingProject::hasBuiltMenu(const std::filesystem::path& projectFolder)
{
    std::error_code ec;
    return !projectFolder.empty() && fs::is_regular_file(projectFolder / "rnv.exe", ec);
}

std::vector<RecordingFile> RecordingProject::listFiles(const std::filesystem::path& projectFolder)
{
    const fs::path root = withoutTrailingSeparator(projectFolder);
    std::vector<RecordingFile> files;
    std::error_code ec;
    fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        std::error_code entryEc;
        if (isHiddenName(entry.path())) {
            if (entry.is_directory(entryEc))
                it.disable_recursion_pending();
            continue;
        }
        if (!entry.is_regular_file(entryEc))
            continue;
        RecordingFile file;
        file.folder = entry.path().parent_path();
        file.relativeFolder = cdPathOf(file.folder.lexically_relative(root));
        file.name = pathText(entry.path().filename());
        files.push_back(std::move(file));
    }
    // A listing cut short would hand the recording program an incomplete CD.
    if (ec)
        throw RecordError(formatS("Cannot read the folder \"%s\"", pathText(root)));

    // Folders that differ only in case are kept apart (exact order second),
    // so every folder's files stay one group.
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(files.size());
    for (std::size_t i = 0; i < files.size(); ++i)
        keys.emplace_back(folderSortKey(files[i]), i);
    std::sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        if (const int c = icompare(a.first, b.first); c != 0)
            return c < 0;
        if (a.first != b.first)
            return a.first < b.first;
        const std::string& na = files[a.second].name;
        const std::string& nb = files[b.second].name;
        if (const int c = icompare(na, nb); c != 0)
            return c < 0;
        return na < nb;
    });
    std::vector<RecordingFile> sorted;
    sorted.reserve(files.size());
    for (const auto& k : keys)
        sorted.push_back(std::move(files[k.second]));
    return sorted;
}

std::string RecordingProject::groupNumber(std::size_t n)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), kDigits[n % 16]);
        n /= 16;
    } while (n != 0);
    return out;
}

std::string RecordingProject::compose(const std::vector<std::string>& templateLines, const std::string& cdName,
                                      const std::vector<RecordingFile>& files)
{
    if (templateLines.size() <= kJolietVolumeLine)
        throw RecordError(formatS("The recording template has fewer than %s lines", std::to_string(kJolietVolumeLine + 1)));

    std::vector<std::string> lines = templateLines;
    lines[kTrackLine] = "Track1=CD-XA ISO 9660 [] / Joliet [" + cdName + "]";
    lines[kIsoVolumeLine] = "VOLUME \"\"";
    lines[kJolietVolumeLine] = "VOLUME \"" + cdName + "\"";

    std::size_t groups = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (i > 0 && files[i].folder == files[i - 1].folder)
            continue;
        ++groups;
        if (groups > kMaxGroups)
            throw RecordError(formatS("The project folder has more than %s folders with files; the recording project "
                                      "can number no more",
                                      std::to_string(kMaxGroups)));
        lines.push_back(groupNumber(groups) + "=" + pathTableFolder(files[i].folder));
    }
    lines.emplace_back("/PATHTABLE");
    lines.emplace_back("ROOT");
    lines.emplace_back();

    std::size_t group = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const RecordingFile& f = files[i];
        if (i == 0 || f.folder != files[i - 1].folder) {
            ++group;
            // The project folder's own group is the CD root and has no START line.
            if (!f.relativeFolder.empty())
                lines.push_back("START \"" + f.relativeFolder + "\" /ISO \"" + asciiUpper(f.relativeFolder) + "\"");
        }
        lines.push_back("FILE \"" + f.name + "\" \"*" + groupNumber(group) + "\\" + f.name + "\" /ISO \"" +
                        asciiUpper(f.name) + "\"");
    }

    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::filesystem::path RecordingProject::write(const std::filesystem::path& projectFolder, const std::string& cdName,
                                              ProgressScope* progress) const
{
    constexpr std::int64_t kSteps = 2;
    if (progress && !progress->step(0, kSteps))
        return {};
    const auto bytes = readFileBytes(templatePath());
    if (!bytes)
        throw RecordError(formatS("Cannot open file \"%s\"", pathText(templatePath())));
    const std::string text =
        compose(splitLines(decodeText(*bytes)), cdName, listFiles(projectFolder));
    if (progress && !progress->step(1, kSteps))
        return {};
    if (!writeFileAtomic(outputPath(), text))
        throw RecordError(formatS("Cannot create file \"%s\"", pathText(outputPath())));
    if (progress)
        progress->step(kSteps, kSteps);
    return outputPath();
}

bool RecordingProject::run(Ui& ui, const Language& language, const std::string& rootName,
                           const std::string& cdName, bool open) const
{
    const fs::path projectFolder = pathFromText(rootName);
    if (!hasBuiltMenu(projectFolder)) {
        ui.messageBox({"M9", language.message("M9")}, MsgKind::Error, MsgButtons::Ok);
        return false;
    }
    fs::path written;
    try {
        auto work = ui.beginWork("record", 0, Stopping::Offered);
        written = write(projectFolder, cdName, &work);
    } catch (const RecordError& e) {
        ui.messageBox({"", e.what()}, MsgKind::Error, MsgButtons::Ok);
        return false;
    }
    if (written.empty())
        return false;
    if (open)
        ui.shellOpen(pathText(written));
    return true;
}

}  // namespace qv
