#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

// "Ignoring ASCII case" folds A-Z only; every other byte compares as it is.
char asciiLower(char c);
char asciiUpper(char c);
std::string asciiLower(std::string_view s);
std::string asciiUpper(std::string_view s);
bool iequals(std::string_view a, std::string_view b);
// <0, 0, >0 like strcmp, comparing with A-Z folded to a-z.
int icompare(std::string_view a, std::string_view b);
bool istartsWith(std::string_view s, std::string_view prefix);
bool iendsWith(std::string_view s, std::string_view suffix);

// Blanks are spaces and tabs.
std::string_view trimmed(std::string_view s);

bool isValidUtf8(std::string_view s);

// The Windows code pages that files made on old systems hold their texts in.
enum class CodePage { Windows1252, Windows1251 };

// Text read from disk: kept as it is when it is valid UTF-8 (a leading byte
// order mark dropped), otherwise taken as legacy text in the given code page
// and converted. A whole text is one or the other: valid UTF-8 is never
// decoded a second time.
std::string decodeText(std::string_view bytes, CodePage legacy);
// The same with the code page of the interface language in force
// (LegacyCodePage::current()).
std::string decodeText(std::string_view bytes);
std::string cp1252ToUtf8(std::string_view bytes);
std::string cp1251ToUtf8(std::string_view bytes);
std::string codePageToUtf8(std::string_view bytes, CodePage codePage);

// Number of code points (invalid bytes count one each).
std::size_t utf8Length(std::string_view s);
// The first n code points of s.
std::string utf8Left(std::string_view s, std::size_t n);
// The longest prefix of s of at most maxBytes bytes that ends on a code point boundary.
std::string_view utf8CutBytes(std::string_view s, std::size_t maxBytes);

// Replaces the first "%s" with arg (the message texts use one placeholder).
std::string formatS(std::string_view pattern, std::string_view arg);

std::vector<std::string> splitLines(std::string_view text);

}  // namespace qv
