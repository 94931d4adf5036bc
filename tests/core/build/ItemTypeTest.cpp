#include "build/ItemType.h"

#include <gtest/gtest.h>

#include <string>

TEST(ItemType, FromTheFileName)
{
    struct Case {
        std::string name;
        int type;
    };
    const Case cases[] = {
        {"setup.EXE", 0},
        {"readme", 2},
        {"toolkit", 6},  // ends in "it": no dot needed
        {"", 2},
        {"a.zip", 1},
        {"help.hlp", 3},
        {"link.url", 4},
        {"page.htm", 4},
        {"page.HTML", 4},
        {"http://example.org", 4},
        {"https://example.org/", 4},
        {"ftp.example.org", 4},
        {"http://example.org/setup.exe", 4},  // a later rule wins
        {"http://example.org/p.gif", 5},
        {"a.bmp", 5},
        {"a.jpg", 5},
        {"a.jpeg", 5},
        {"tune.xm", 6},
        {"xm", 6},
        {"m", 2},  // shorter than "xm": compared whole
        {"tune.s3m", 6},
        {"tune.669", 6},
        {"tune.med", 6},
        {"notes.txt", 7},
        {"letter.doc", 8},
        {"clip.mpeg", 9},
        {"song.mp3", 9},
        {"font.ttf", 10},
        {"icon.ico", 11},
        {"Jump Point", 12},
        {"jump point ", 2},
        // The jump word of every interface language: a project keeps the word it was made with.
        {"Sprungpunkt", 12},
        {"SPRUNGPUNKT", 12},
        {"Точка перехода", 12},
        {"Punto de salto", 12},
        {"Salto.it", 6},
        {"paper.pdf", 13},
        {"sheet.XLS", 13},
        {"archive.zip.bak", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qv::itemType(c.name), c.type) << c.name;
}

TEST(ItemType, JumpWordsOfTheLanguageFilesInForce)
{
    qv::JumpWords words;
    words.setWord(2, "Verweis");
    EXPECT_EQ(qv::itemType("verweis", words), 12);
    EXPECT_EQ(qv::itemType("Sprungpunkt", words), 2);
    EXPECT_EQ(qv::itemType("Jump Point", words), 12);
}
