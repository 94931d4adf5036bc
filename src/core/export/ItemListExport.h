#pragma once

#include "export/ExportFormat.h"
#include "export/OfficeAdapter.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace qv {

class ItemTable;
class ProgressScope;
class Ui;

// Writes the table as shown in one of the five forms, replacing an existing
// file. A file that can't be written, or a missing office program, gives the
// error text; nothing asks or shows anything (the command line's entry).
// With progress, a stop is honoured up to the moment the file is written, so
// a stopped export leaves an existing file as it was.
// The steps exportItemList reports to a progress scope.
inline constexpr std::int64_t kExportSteps = 3;
ExportResult exportItemList(const ItemTable& table, ExportFormat format, const std::filesystem::path& path,
                            OfficeAdapter& office, ProgressScope* progress = nullptr);

// The Export menu of the main window: each command asks for the target file
// and writes the table in its form; a failure is shown as an error box.
class ItemListExport final {
public:
    // The title of the save chooser: the Export submenu's caption.
    static constexpr const char* kDefaultTitle = "Export";

    ItemListExport(const ItemTable& table, Ui& ui, OfficeAdapter& office);

    void exportAsciiClick() { exportAs(ExportFormat::Ascii); }
    void exportCsvClick() { exportAs(ExportFormat::Csv); }
    void exportWordClick() { exportAs(ExportFormat::Word); }
    void exportExcelClick() { exportAs(ExportFormat::Excel); }
    void exportHtmlClick() { exportAs(ExportFormat::Html); }

    // Click, save chooser, write. False when cancelled or failed.
    bool exportAs(ExportFormat format);

    void setTitle(std::string title) { m_title = std::move(title); }

private:
    const ItemTable& m_table;
    Ui& m_ui;
    OfficeAdapter& m_office;
    std::string m_title = kDefaultTitle;
};

}  // namespace qv
