#include "check/CheckResult.h"

#include "project/ItemTable.h"

#include <initializer_list>

namespace qv {

namespace {

std::string reportLine(std::string_view kind, std::size_t number, std::initializer_list<const std::string*> fields)
{
    std::string line(kind);
    line += '\t';
    line += std::to_string(number);
    for (const std::string* field : fields) {
        line += '\t';
        for (const char c : *field)
            line += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
    }
    return line;
}

}  // namespace

void markCheckedProject(ItemTable& table, const CheckResult& result)
{
    if (!result.changedAnything())
        return;
    table.setModified(true);
    table.refreshCategoryColouring();
}

std::vector<std::string> checkReportLines(const CheckResult& result)
{
    std::vector<std::string> lines;
    lines.reserve(result.removed.size() + result.repointed.size());
    for (std::size_t i = 0; i < result.removed.size(); ++i) {
        const RemovedItem& r = result.removed[i];
        lines.push_back(reportLine("removed", i + 1, {&r.name, &r.fileName, &r.cdPath, &r.sourceLocation}));
    }
    for (std::size_t i = 0; i < result.repointed.size(); ++i) {
        const RepointedItem& r = result.repointed[i];
        lines.push_back(reportLine("replaced", i + 1,
                                   {&r.name, &r.fileName, &r.newCdPath, &r.oldCdPath, &r.newSourceLocation,
                                    &r.oldSourceLocation}));
    }
    return lines;
}

}  // namespace qv
