#pragma once

#include "ui/Ui.h"
#include "check/CheckResult.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class ItemTable;
class Language;

// The check summary window: the removed and the re-pointed items of the last
// run, each list numbered from 1 in its first column.
class CheckSummary final : public ModalWindow {
public:
    static constexpr int kHelpTopic = 2400;
    static constexpr std::string_view kSection = "CheckS";
    static constexpr std::size_t kRemovedColumns = 5;
    static constexpr std::size_t kRepointedColumns = 7;
    using RemovedRow = std::array<std::string, kRemovedColumns>;
    using RepointedRow = std::array<std::string, kRepointedColumns>;

    CheckSummary(ItemTable& table, Ui& ui, const Language& language, std::filesystem::path baseDir);

    static constexpr WindowKind kKind = WindowKind::CheckSummary;
    WindowKind kind() const override { return kKind; }

    // Before each showing.
    void setResult(CheckResult result);

    // Texts: window title (T11), title line (E1), removed-list line (E2),
    // re-pointed-list line (E3), Close (E4), Help (E5).
    std::string title() const;
    std::string titleLine() const;
    std::string removedLine() const;
    std::string repointedLine() const;
    std::string closeCaption() const;
    std::string helpCaption() const;

    // Column titles: T31..T35, and T31, T32, T33, T36..T39.
    RemovedRow removedTitles() const;
    RepointedRow repointedTitles() const;
    // number, Name, File Name, CD Path, File Source Location
    std::vector<RemovedRow> removedRows() const;
    // number, Name, File Name, new CD Path, old CD Path, new and old File Source Location
    std::vector<RepointedRow> repointedRows() const;

    const CheckResult& result() const { return m_result; }

    // Commands. Close marks the project when the check changed it; closing
    // the view any other way does the same (onClosed), so a change is never
    // left unmarked. Either applies once per showing.
    void CloseClick();
    void HelpClick();

private:
    void onClosed() override { markOnce(); }
    void markOnce();

    ItemTable& m_table;
    Ui& m_ui;
    const Language& m_language;
    std::filesystem::path m_baseDir;
    CheckResult m_result;
    bool m_applied = false;
};

}  // namespace qv
