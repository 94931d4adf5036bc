#include "CliProject.h"

#include "i18n/Settings.h"
#include "project/TableSettings.h"
#include "util/Fs.h"
#include "util/ProjectLock.h"

namespace qv::cli {

CliProject::CliProject(CliContext& ctx)
    : m_ctx(ctx)
    , m_workspace(std::make_unique<ProjectWorkspace>(ctx.baseDir, ctx.ui, ctx.language, m_catalogue, m_registrar))
{
    session().setWorkingCopyFolder(m_workingCopyFolder.path());
}

CliProject::~CliProject()
{
    m_workspace->data.Project_Temp.remove();
}

bool CliProject::open(const std::string& path)
{
    const auto file = std::filesystem::absolute(pathFromText(path));
    if (!std::filesystem::is_regular_file(file)) {
        m_ctx.err << "The project file " << path << " does not exist.\n";
        return false;
    }
    if (m_workingCopyFolder.path().empty()) {
        m_ctx.err << "No temporary folder could be made for the project's working copy.\n";
        return false;
    }
    const LoadResult result = session().loadProject(file, LoadMode::NoQuestions);
    for (const auto& w : result.warnings)
        m_ctx.err << w << "\n";
    if (!result.loaded) {
        m_ctx.err << (result.error.empty() ? "The project could not be opened." : result.error) << "\n";
        return false;
    }
    return true;
}

bool CliProject::save()
{
    const auto file = session().projectFile();
    if (const auto other = ProjectLock::heldByOther(file)) {
        m_ctx.err << "The project " << pathText(file) << " is open in another Quenvar (process " << other->pid
                  << "); close it there first, then try again.\n";
        return false;
    }
    return session().save();
}

void CliProject::applyDisplaySettings()
{
    const auto file = settingsFile(m_ctx.baseDir);
    table().applyStartHeadings(ProjectWorkspace::usableHeadings(m_ctx.language, ProjectWorkspace::englishNames()),
                               loadHeadingNames(file));
    Settings settings;
    loadSettings(file, settings);
    applyGridSettings(table(), settings.grid);
}

}  // namespace qv::cli
