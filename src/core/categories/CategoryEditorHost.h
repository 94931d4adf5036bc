#pragma once

namespace qv {

// What the category editor needs of the project side. The project's category
// file reference itself is ProjectFiles::genre_file.
class CategoryEditorHost {
public:
    virtual ~CategoryEditorHost() = default;
    // Load and the save that OK offers change the project.
    virtual void setProjectModified() = 0;
    // OK has handed the current file to the project: the project dialog sets
    // its title (T23 when it creates a project, T24 when it edits one) and
    // enables its design editor button exactly when the category file exists.
    virtual void categoryEditorConfirmed() {}
};

}  // namespace qv
