#pragma once

#include "CliContext.h"
#include "design/FontCatalogue.h"
#include "design/FontRegistrar.h"
#include "project/ProjectWorkspace.h"
#include "util/PrivateFolder.h"

#include <memory>
#include <string>

namespace qv::cli {

// A project opened as the program opens it, without questions: a missing
// category or design file is an error, never a question.
class CliProject final {
public:
    // The working copy is made in a private temporary folder, never beside
    // the project: a file of that name there is the person's, or the working
    // copy of a window that has the project open.
    explicit CliProject(CliContext& ctx);
    // Deletes the working copy, as closing the program does.
    ~CliProject();
    CliProject(const CliProject&) = delete;
    CliProject& operator=(const CliProject&) = delete;

    // False after printing why the project could not be opened.
    bool open(const std::string& path);
    // The settings file's column order, visibility, widths and colours, as the
    // table shows them after start-up. Call it before open(): it decides which
    // column holds which field.
    void applyDisplaySettings();
    // Saves as Save does, unless another program has the project open: one
    // of the two would overwrite the other's changes unseen. False after
    // printing why.
    bool save();

    ProjectWorkspace& workspace() { return *m_workspace; }
    ProjectSession& session() { return m_workspace->session; }
    ItemTable& table() { return m_workspace->table; }

private:
    CliContext& m_ctx;
    // Outlives the workspace, whose working copy lies in it.
    PrivateFolder m_workingCopyFolder;
    FontconfigCatalogue m_catalogue;
    FontconfigRegistrar m_registrar;
    std::unique_ptr<ProjectWorkspace> m_workspace;
};

}  // namespace qv::cli
