#include "i18n/Language.h"

#include "profile/ProfileFile.h"

namespace qv {

void Language::loadWindowSections(Language& /*lang*/, const ProfileFile& /*file*/)
{
    // Filled with the window table.
}

}  // namespace qv
