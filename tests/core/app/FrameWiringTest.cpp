// The frame wired to the real item table, as the main window does it: the
// headings, the grid layout and the yes/no words travel between the settings
// file, the language and the table through the frame's hooks.
#include "app/MainWindowModel.h"

#include "profile/ProfileFile.h"
#include "project/ItemTable.h"
#include "project/TableSettings.h"

#include "FakeUi.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::FakeUi;
using qv::test::TempDir;
using qv::test::writeFile;

namespace {

void wire(MainWindowModel& model, ItemTable& table)
{
    auto& h = model.hooks();
    h.headingsFromSettings = [&table](const Language& now, const std::array<std::string, kGridFields>& names) {
        table.applyStartHeadings(now, names);
    };
    h.translateHeadings = [&table](const Language& now, const Language&) { table.changeLanguage(now); };
    h.normaliseYesNo = [&table] { table.normaliseYesNo(); };
    h.applyGrid = [&table](const GridSettings& g) { applyGridSettings(table, g); };
    h.fillGrid = [&table](GridSettings& g) { fillGridSettings(table, g); };
}

}  // namespace

TEST(FrameWiring, HeadingsAndGridTravelThroughLanguageTableAndSettings)
{
    TempDir base;
    writeFile(Language::fileOf(base.path(), 1),
              "[Texts]\r\nTYES=yes\r\nTNO=no\r\n[Grid]\r\nG1=Name\r\nG2=File Name\r\nG3=CD Path\r\nG4=Serial\r\n"
              "G5=CD Size\r\nG6=HD Size\r\nG7=Description\r\nG8=Category\r\nG9=Copy\r\nG10=File Source Location\r\n"
              "G11=Homepage\r\nG12=Execute\r\n");
    writeFile(Language::fileOf(base.path(), 2),
              "[Texts]\r\nTYES=ja\r\nTNO=nein\r\n[Grid]\r\nG1=Name\r\nG2=Dateiname\r\nG3=CD-Pfad\r\nG4=Seriennummer\r\n"
              "G5=CD-Größe\r\nG6=HD-Größe\r\nG7=Beschreibung\r\nG8=Kategorie\r\nG9=Kopieren\r\nG10=Quellort\r\n"
              "G11=Homepage\r\nG12=Ausführen\r\n");
    std::string settings = "[settings]\r\nlanguage=2\r\nshow_welcome=FALSE\r\ngrid_mode=1\r\nColor1=clRed\r\n"
                           "state_grid_4=hidden\r\ngrid_3=90\r\ncelld_1=File Name\r\ncelld_2=Name\r\n";
    for (int n = 3; n <= 12; ++n)
        settings += "celld_" + std::to_string(n) + "=" + std::string(kFieldEnglishNames[static_cast<std::size_t>(n - 1)]) + "\r\n";
    writeFile(settingsFile(base.path()), settings);

    ProjectFiles data;
    FakeUi ui;
    ItemTable table;
    MainWindowModel model(base.path(), data, ui);
    wire(model, table);

    model.create();
    model.firstShow();
    EXPECT_EQ(table.heading(1), "Dateiname");
    EXPECT_EQ(table.heading(2), "Name");
    EXPECT_EQ(table.columnOf(FieldName), 2);
    EXPECT_EQ(table.gridMode(), GridModeColumnMove);  // chosen before the column was hidden
    EXPECT_TRUE(table.isHidden(table.columnOf(FieldSerial)));
    EXPECT_EQ(table.width(3), 90);
    EXPECT_EQ(colourToText(table.colour1()), "clRed");

    model.commands().enableProjectCommands();
    table.write(FieldCopy, 1, "ja");
    model.run(CommandId::English);
    EXPECT_EQ(table.heading(1), "File Name");
    EXPECT_EQ(table.heading(3), "CD Path");
    EXPECT_EQ(table.read(FieldCopy, 1), "yes");

    model.close();
    const ProfileFile f(settingsFile(base.path()));
    EXPECT_EQ(f.readInteger("settings", "language", 0), 1);
    EXPECT_EQ(f.readString("settings", "celld_1", ""), "File Name");
    EXPECT_EQ(f.readString("settings", "celld_2", ""), "Name");
    EXPECT_EQ(f.readString("settings", "celld_8", ""), "Category");
    EXPECT_EQ(f.readString("settings", "state_grid_4", ""), "hidden");
    EXPECT_EQ(f.readInteger("settings", "grid_3", 0), 90);
    EXPECT_EQ(f.readInteger("settings", "grid_mode", -1), 1);
    EXPECT_EQ(f.readString("settings", "Color1", ""), "clRed");
}
