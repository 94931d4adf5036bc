#include "items/InfoFileDialog.h"
#include "items/PictureCodecs.h"
#include "util/Fs.h"

#include "ItemsFixture.h"

#include <gtest/gtest.h>

using namespace qv;
using qv::test::ItemsFixture;
using qv::test::readFile;
using qv::test::writeFile;
namespace fs = std::filesystem;

namespace {

RgbImage picture(int w, int h)
{
    RgbImage image{w, h, std::vector<std::uint8_t>(static_cast<std::size_t>(w * h * 3), 0)};
    for (std::size_t i = 0; i < image.rgb.size(); ++i)
        image.rgb[i] = static_cast<std::uint8_t>(i * 5);
    return image;
}

struct InfoFiles : ::testing::Test, ItemsFixture {
    InfoFileDialog dialog{context()};

    InfoFiles()
    {
        table.setRowCount(4);
        // A file item, a hyperlink whose name holds forbidden characters, a jump point.
        const fs::path tools = dir / "cd" / "Tools";
        fs::create_directories(tools);
        writeFile(tools / "setup.exe", "MZ");
        set(1, {"Setup", "setup.exe", "\\Tools\\", (tools / "setup.exe").string()});
        set(2, {"Our Site: Home", "https://example.org", "", "n/a"});
        set(3, {"Browse", "Jump Point", "\\Tools\\", "n/a"});
    }
    void set(int r, std::array<std::string, 4> v)
    {
        table.write(FieldName, r, v[0]);
        table.write(FieldFileName, r, v[1]);
        table.write(FieldCdPath, r, v[2]);
        table.write(FieldSourceLocation, r, v[3]);
    }
    fs::path kryntdat() const { return dir / "cd" / "kryntdat"; }
};

}  // namespace

TEST_F(InfoFiles, TargetsBesideTheSourceOrInKryntdatByTheName)
{
    const struct {
        int row;
        CompanionKind kind;
        fs::path expected;
    } cases[] = {
        {1, CompanionKind::InfoText, dir / "cd/Tools/setup.txt"},
        {1, CompanionKind::Screenshot, dir / "cd/Tools/setup.jpg"},
        {2, CompanionKind::Screenshot, dir / "cd/kryntdat/Our Site_ Home.jpg"},
        {3, CompanionKind::InfoText, dir / "cd/kryntdat/Browse.txt"},  // a jump point, although it has a CD Path
    };
    for (const auto& c : cases)
        EXPECT_EQ(ItemCompanionFiles::target(table, c.row, projectFolder, c.kind), c.expected) << c.row;
    EXPECT_EQ(ItemCompanionFiles::safeName("a\"*/:<>?\\|b"), "a_________b");
}

TEST_F(InfoFiles, FirstSaveMakesKryntdatAndSaysSoOnceThenReplacesAReadOnlyFile)
{
    table.setCurrentRow(2);
    for (int round = 0; round < 2; ++round) {
        ui.on<InfoFileDialog>([&](InfoFileDialog& d) {
            EXPECT_EQ(d.title(), "T19text Our Site: Home");
            EXPECT_EQ(d.text(), round == 0 ? "" : "line 1\r\nline 2\r\n");
            d.setText(round == 0 ? "line 1\nline 2\n" : "new\n");
            d.saveClick();
        });
        dialog.infoFileClick(CompanionKind::InfoText);
        if (round == 0)
            setReadOnly(kryntdat() / "Our Site_ Home.txt", true);
    }
    EXPECT_EQ(readFile(kryntdat() / "Our Site_ Home.txt"), "new\r\n");
    EXPECT_EQ(ui.messageKeys(), (std::vector<std::string>{"M10", "M11", "M11"}));
    EXPECT_EQ(ui.messages[0].message.text, "M10 text" + kryntdat().string() + ".");
}

TEST_F(InfoFiles, ABitmapTemplateIsSavedAsAJpegOfTheSameSize)
{
    const std::string jpeg = PictureCodecs::encodeJpeg(picture(40, 30));
    // The template is a bitmap: made here from a decoded JPEG written as a 24-bit BMP.
    const auto decoded = PictureCodecs::readJpeg(jpeg);
    ASSERT_TRUE(decoded);
    std::string bmp = "BM";
    auto put32 = [&](std::uint32_t v) { for (int i = 0; i < 4; ++i) bmp += static_cast<char>((v >> (8 * i)) & 0xFF); };
    auto put16 = [&](std::uint32_t v) { for (int i = 0; i < 2; ++i) bmp += static_cast<char>((v >> (8 * i)) & 0xFF); };
    put32(54 + 120 * 30); put32(0); put32(54); put32(40); put32(40); put32(30); put16(1); put16(24);
    put32(0); put32(120 * 30); put32(0); put32(0); put32(0); put32(0);
    for (int y = 29; y >= 0; --y)
        for (int x = 0; x < 40; ++x)
            for (int c = 2; c >= 0; --c)
                bmp += static_cast<char>(decoded->rgb[(static_cast<std::size_t>(y) * 40 + x) * 3 + c]);
    writeFile(dir / "template.bmp", bmp);

    table.setCurrentRow(1);
    ui.fileAnswers.push_back(dir / "template.bmp");
    ui.on<InfoFileDialog>([&](InfoFileDialog& d) {
        EXPECT_FALSE(d.picture());
        d.openTemplateClick();
        ASSERT_TRUE(d.picture());
        d.saveClick();
    });
    dialog.infoFileClick(CompanionKind::Screenshot);
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].filters.back().second, "*.bmp");
    const auto saved = PictureCodecs::readPictureFile(dir / "cd/Tools/setup.jpg");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->width, 40);
    EXPECT_EQ(saved->height, 30);
    EXPECT_EQ(ui.messageKeys(), (std::vector<std::string>{"M10", "M13"}));
    EXPECT_FALSE(dialog.picture()) << "the picture is released on closing";
}

TEST_F(InfoFiles, PasteDeleteAndTheirRefusals)
{
    table.setCurrentRow(3);
    ui.on<InfoFileDialog>([&](InfoFileDialog& d) {
        d.pasteClick();  // empty clipboard
        d.deleteClick();  // nothing there yet
        EXPECT_TRUE(d.isOpen());
        d.saveClick();  // no picture to save: the dialog stays
        EXPECT_TRUE(d.isOpen());
        ui.clipboard = picture(8, 6);
        d.pasteClick();
        d.saveClick();
    });
    dialog.infoFileClick(CompanionKind::Screenshot);
    EXPECT_TRUE(fs::exists(kryntdat() / "Browse.jpg"));
    EXPECT_EQ(ui.messageKeys(), (std::vector<std::string>{"M12", "M14", "M10", "M12", "M13"}));

    ui.messages.clear();
    ui.on<InfoFileDialog>([&](InfoFileDialog& d) {
        ASSERT_TRUE(d.picture());
        EXPECT_EQ(d.picture()->width, 8);
        d.deleteClick();
        EXPECT_FALSE(d.isOpen());
    });
    dialog.infoFileClick(CompanionKind::Screenshot);
    EXPECT_FALSE(fs::exists(kryntdat() / "Browse.jpg"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(InfoFiles, ADamagedTemplateIsRefusedAndTheShownPictureStays)
{
    writeFile(dir / "bad.jpg", "\xFF\xD8\xFF\xE0 not really");
    table.setCurrentRow(1);
    ui.clipboard = picture(4, 4);
    ui.fileAnswers.push_back(dir / "bad.jpg");
    ui.on<InfoFileDialog>([&](InfoFileDialog& d) {
        d.pasteClick();
        d.openTemplateClick();
        ASSERT_TRUE(d.picture());
        EXPECT_EQ(d.picture()->width, 4);
        d.cancelClick();
    });
    dialog.infoFileClick(CompanionKind::Screenshot);
    EXPECT_EQ(ui.messageKeys(), (std::vector<std::string>{"M15"}));
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
    EXPECT_FALSE(fs::exists(dir / "cd/Tools/setup.jpg"));
}

TEST_F(InfoFiles, ItemsThatCantHaveTheFilesAreRefusedBeforeTheDialog)
{
    table.setCurrentRow(1);
    projectOpen = false;
    dialog.infoFileClick(CompanionKind::InfoText);
    projectOpen = true;
    table.write(FieldFileName, 1, "");
    dialog.infoFileClick(CompanionKind::InfoText);
    // A file item whose source and project folder are both gone.
    table.write(FieldFileName, 1, "setup.exe");
    projectFolder = (dir / "gone").string() + "/";
    fs::remove(dir / "cd/Tools/setup.exe");
    dialog.infoFileClick(CompanionKind::InfoText);
    EXPECT_EQ(ui.messageKeys(), (std::vector<std::string>{"M1", "M39", "M39"}));
    EXPECT_EQ(ui.messages[1].message.text, "M39 text\n\rM39_2 text");
    EXPECT_TRUE(ui.modalShown.empty());
}

TEST_F(InfoFiles, AMissingProjectFolderEndsTheSaveWithTheSystemsError)
{
    table.setCurrentRow(2);
    ui.on<InfoFileDialog>([&](InfoFileDialog& d) {
        projectFolder = (dir / "gone").string() + "/";
        d.setText("x");
        d.saveClick();
        EXPECT_TRUE(d.isOpen());
        d.cancelClick();
    });
    dialog.infoFileClick(CompanionKind::InfoText);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MsgKind::Error);
    EXPECT_NE(ui.messages[0].message.text.find("kryntdat"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "gone"));
}
