#include "HeadlessUi.h"

#include "util/Fs.h"
#include "util/StartProgram.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace qv::cli {

HeadlessUi::HeadlessUi(std::ostream& err)
    : m_err(err)
{
}

void HeadlessUi::workBegun(std::string_view what, std::int64_t, Stopping)
{
    m_work = what;
    m_lastPercent = -1;
}

bool HeadlessUi::workProgress(std::int64_t done, std::int64_t total)
{
    if (!m_showProgress || total <= 0)
        return true;
    const int percent = static_cast<int>(std::clamp<std::int64_t>(done * 100 / total, 0, 100));
    if (percent > m_lastPercent) {
        m_lastPercent = percent;
        m_err << m_work << ": " << percent << "%\n";
    }
    return true;
}

MsgResult HeadlessUi::messageBox(const Message& message, MsgKind kind, MsgButtons buttons)
{
    if (kind == MsgKind::Error || kind == MsgKind::Warning) {
        const std::string text = message.text.empty() ? message.key : message.text;
        m_err << text << "\n";
        m_errors.push_back(text);
    }
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgResult::Ok;
    case MsgButtons::OkCancel:
        return MsgResult::Cancel;
    case MsgButtons::YesNo:
        return MsgResult::No;
    }
    return MsgResult::Cancel;
}

namespace {

#if !defined(_WIN32)
std::string shellQuote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}
#endif

// Hands a file, folder or address to the desktop without waiting for it.
bool desktopOpen(const std::string& target)
{
#if defined(_WIN32)
    const std::string command = "start \"\" \"" + target + "\"";
#else
    const std::string command = "xdg-open " + shellQuote(target) + " >/dev/null 2>&1 &";
#endif
    return std::system(command.c_str()) == 0;
}

}  // namespace

bool HeadlessUi::shellOpen(const std::string& target)
{
    return desktopOpen(target);
}

bool HeadlessUi::shellExplore(const std::filesystem::path& folder)
{
    return desktopOpen(pathText(folder));
}

bool HeadlessUi::startProgram(const std::filesystem::path& program)
{
    return startDetached(program);
}

}  // namespace qv::cli
