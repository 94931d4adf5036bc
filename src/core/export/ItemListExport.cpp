#include "export/ItemListExport.h"

#include "ui/Ui.h"
#include "export/ExportGrid.h"
#include "export/TextExport.h"
#include "project/ItemTable.h"
#include "util/Fs.h"

#include <cstdint>

namespace qv {

ExportResult exportItemList(const ItemTable& table, ExportFormat format, const std::filesystem::path& path,
                            OfficeAdapter& office, ProgressScope* progress)
{
    // Three steps: the grid, the text, the file.
    const auto goOn = [progress](std::int64_t done) { return !progress || progress->step(done); };
    ExportResult stopped;
    stopped.ok = false;
    stopped.stopped = true;
    if (!goOn(0))
        return stopped;
    const ExportGrid grid = ExportGrid::fromTable(table);
    if (!goOn(1))
        return stopped;
    std::string bytes;
    switch (format) {
    case ExportFormat::Word: return office.writeWord(grid, path);
    case ExportFormat::Excel: return office.writeExcel(grid, path);
    case ExportFormat::Ascii: bytes = asciiText(grid); break;
    case ExportFormat::Csv: bytes = csvText(grid); break;
    case ExportFormat::Html: bytes = htmlText(grid); break;
    }
    if (!goOn(2))
        return stopped;
    // Written beside the target and renamed over it, so a failed write leaves
    // an existing file as it was instead of half of the new one.
    if (!writeFileAtomic(path, bytes))
        return {false, "Cannot create " + pathText(path)};
    goOn(3);
    return {};
}

ItemListExport::ItemListExport(const ItemTable& table, Ui& ui, OfficeAdapter& office)
    : m_table(table), m_ui(ui), m_office(office)
{
}

bool ItemListExport::exportAs(ExportFormat format)
{
    m_ui.playClick();
    const ExportFormatInfo& info = exportFormatInfo(format);
    FileDialogSpec spec;
    spec.title = m_title;
    spec.filters = {{std::string(info.filterName), "*." + std::string(info.extension)}};
    spec.defaultExt = std::string(info.extension);
    spec.mustExist = false;
    const auto path = m_ui.saveFile(spec);
    if (!path)
        return false;

    ExportResult result;
    {
        auto work = m_ui.beginWork("export", kExportSteps, Stopping::Offered);
        result = exportItemList(m_table, format, *path, m_office, &work);
    }
    if (result.stopped)
        return false;
    if (!result.ok) {
        m_ui.messageBox(Message{"", result.error}, MsgKind::Error, MsgButtons::Ok);
        return false;
    }
    return true;
}

}  // namespace qv
