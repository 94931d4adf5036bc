#include "project/FindDialog.h"

#include "i18n/Language.h"

namespace qv {

std::string FindDialog::title(const Language& language)
{
    return language.text("T7");
}

}  // namespace qv
