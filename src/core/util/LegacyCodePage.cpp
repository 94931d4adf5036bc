#include "util/LegacyCodePage.h"

#include <atomic>

namespace qv {

namespace {

// Atomic only so that a reader on another thread never sees a torn value;
// switching languages while a file is being read is not otherwise guarded.
std::atomic<CodePage> g_codePage{CodePage::Windows1252};

}  // namespace

CodePage LegacyCodePage::current()
{
    return g_codePage.load(std::memory_order_relaxed);
}

void LegacyCodePage::set(CodePage codePage)
{
    g_codePage.store(codePage, std::memory_order_relaxed);
}

CodePage LegacyCodePage::forCharset(int charset)
{
    constexpr int kCyrillicCharset = 204;
    return charset == kCyrillicCharset ? CodePage::Windows1251 : CodePage::Windows1252;
}

LegacyCodePage::Scope::Scope(CodePage codePage)
    : m_before(current())
{
    set(codePage);
}

LegacyCodePage::Scope::~Scope()
{
    set(m_before);
}

}  // namespace qv
