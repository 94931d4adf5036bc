#pragma once

#include "util/Text.h"

namespace qv {

// The code page that text which is not valid UTF-8 is read in: files written
// by the old program hold their texts in the Windows code page of the user's
// language, so it follows the interface language in force. One value for the
// process, because every reader of a profile or project file decodes with it
// and the interface language is the process's too; the language manager (and
// the command line, which applies no language through it) sets it whenever a
// language is applied. Readers that must not depend on it pass a CodePage to
// decodeText themselves.
class LegacyCodePage final {
public:
    // Windows-1252 until a language sets another.
    static CodePage current();
    static void set(CodePage codePage);
    // The code page of a language's font character set: 204 (Cyrillic) is
    // Windows-1251, every other one Windows-1252.
    static CodePage forCharset(int charset);

    // Sets a code page for its lifetime and puts the one before back: for
    // work that runs in-process one after another (command-line runs, tests)
    // and must not leave its language's code page behind.
    class Scope final {
    public:
        explicit Scope(CodePage codePage);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        CodePage m_before;
    };
};

}  // namespace qv
