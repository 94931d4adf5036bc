#include "project/FieldCapacity.h"

#include "util/Text.h"

#include <cassert>

namespace qv {

namespace {

void addCut(std::vector<CutValue>& cuts, std::size_t row, int field, int recordField, const ProjectRecord& record)
{
    const std::string& text = record.field(recordField);
    const FieldCapacity capacity(ProjectRecord::capacity(recordField));
    if (!capacity.fits(text))
        cuts.push_back({row, field, text, std::string(capacity.kept(text))});
}

}  // namespace

FieldCapacity FieldCapacity::ofItem(int field)
{
    assert(field >= 1 && field <= kItemFieldCount);
    return FieldCapacity(ProjectRecord::capacity(recordFieldOf(field)));
}

FieldCapacity FieldCapacity::ofHeader(HeaderField field)
{
    return FieldCapacity(ProjectRecord::capacity(field));
}

bool FieldCapacity::fits(std::string_view text) const
{
    return text.size() <= m_bytes;
}

std::size_t FieldCapacity::cutPosition(std::string_view text) const
{
    return utf8CutBytes(text, m_bytes).size();
}

std::size_t FieldCapacity::maxCharsFitting(std::string_view text) const
{
    return utf8Length(kept(text));
}

std::string_view FieldCapacity::kept(std::string_view text) const
{
    return utf8CutBytes(text, m_bytes);
}

std::string_view FieldCapacity::fittingInsert(std::string_view rest, std::string_view inserted) const
{
    const std::size_t room = rest.size() < m_bytes ? m_bytes - rest.size() : 0;
    return utf8CutBytes(inserted, room);
}

std::vector<CutValue> FieldCapacity::cutsOf(const ProjectHeader& header, const std::vector<ItemFieldTexts>& items,
                                           const YesNoWords& words)
{
    // Judged on the records the writer makes, so what is reported is what
    // the file loses; the category list only decides field 8, which a
    // position always fits.
    std::vector<CutValue> cuts;
    const ProjectRecord head = headerRecord(header, items.size());
    for (int f = HeaderCdName; f <= HeaderDesignExtension; ++f)
        addCut(cuts, 0, f, f, head);
    for (std::size_t row = 0; row < items.size(); ++row) {
        const ProjectRecord record = itemRecord(items[row], {}, words);
        for (int f = 1; f <= kItemFieldCount; ++f)
            addCut(cuts, row + 1, f, recordFieldOf(f), record);
    }
    return cuts;
}

}  // namespace qv
