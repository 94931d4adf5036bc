#pragma once

#include "ui/Ui.h"
#include "check/ProjectCheck.h"
#include "check/CheckLocationDialog.h"
#include "check/CheckSummary.h"

#include <filesystem>
#include <string_view>

namespace qv {

class ItemTable;
class Language;

// The main window's check command with its two windows, created once: the
// location dialog (CheckLocationDialog) for a file found in several folders and the
// summary (CheckSummary) shown after every run.
class CheckCommand final {
public:
    // language: the program's current language object, read at each run.
    CheckCommand(ItemTable& table, Ui& ui, const Language& language, std::filesystem::path baseDir);

    // The Check button and menu entry: click sound, the check of every row,
    // then the summary, shown modally whether or not its lists hold anything.
    // A project folder that is not there brings M58 instead and changes nothing.
    // The progress dialog offers Cancel: a check stopped there changes no row
    // and shows no summary.
    // projectFolder is the open project's rootname.
    void checkClick(std::string_view projectFolder);

    CheckLocationDialog& locationDialog() { return m_location; }
    CheckSummary& summary() { return m_summary; }
    const CheckStats& stats() const { return m_check.stats(); }

private:
    Ui& m_ui;
    const Language& m_language;
    ProjectCheck m_check;
    CheckLocationDialog m_location;
    CheckSummary m_summary;
};

}  // namespace qv
