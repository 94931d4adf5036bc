#include "project/Tfinddlg.h"

#include "i18n/Language.h"

namespace qv {

std::string Tfinddlg::title(const Language& language)
{
    return language.text("T7");
}

}  // namespace qv
