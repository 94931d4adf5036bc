#include "items/FolderItemNaming.h"

#include "i18n/Language.h"
#include "project/ItemFields.h"

namespace qv {

FolderItemNaming::FolderItemNaming(Ui& ui)
    : m_ui(ui)
{
}

std::string FolderItemNaming::text(const Language& language, Text which)
{
    return language.windowText("AddDir_Ask", "E" + std::to_string(static_cast<int>(which)));
}

std::string FolderItemNaming::title(const Language& language)
{
    return language.text("T3");
}

std::string FolderItemNaming::ask(const std::string& fileName, const std::string& bareName)
{
    m_fileName = fileName;
    m_bareName = bareName;
    setName(bareName);
    if (exec(m_ui) != ModalResult::Ok)
        return m_bareName;
    return m_name;
}

FieldCapacity FolderItemNaming::capacity()
{
    return FieldCapacity::ofItem(FieldName);
}

void FolderItemNaming::setName(std::string_view text)
{
    m_name = std::string(capacity().kept(text));
}

void FolderItemNaming::okClick()
{
    m_ui.playClick();
    close(ModalResult::Ok);
}

void FolderItemNaming::cancelClick()
{
    m_ui.playClick();
    close(ModalResult::Cancel);
}

}  // namespace qv
