#include "app/WindowText.h"

#include "i18n/Language.h"

#include <QApplication>
#include <QWidget>

namespace qv::gui {

QString qtext(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString windowText(const Language& language, std::string_view section, std::string_view key)
{
    return qtext(language.windowText(section, key));
}

QString languageText(const Language& language, std::string_view key)
{
    return qtext(language.text(key));
}

void applyFontSizes(const Language& language, std::string_view section, std::initializer_list<QWidget*> controls)
{
    const std::string lSection = "L_" + std::string(section);
    int n = 0;
    for (QWidget* w : controls) {
        ++n;
        if (!w)
            continue;
        const int size = language.fontSize(lSection, "L" + std::to_string(n));
        QFont f = QApplication::font(w);
        if (size > 0)
            f.setPointSize(size);
        w->setFont(f);
    }
}

}  // namespace qv::gui
