#pragma once

#include <QString>

#include <initializer_list>
#include <string>
#include <string_view>

class QWidget;

namespace qv {
class Language;
}

namespace qv::gui {

// The texts and font sizes a view takes from the language in force.
QString qtext(std::string_view s);
// A window section's E text ("Genre", "E2").
QString windowText(const Language& language, std::string_view section, std::string_view key);
// A Texts key (T1..T59).
QString languageText(const Language& language, std::string_view key);
// The L keys of the window's L_ section, L1, L2, ... in the order of the
// labelled controls given; 0 keeps the toolkit's size.
void applyFontSizes(const Language& language, std::string_view section, std::initializer_list<QWidget*> controls);

}  // namespace qv::gui
