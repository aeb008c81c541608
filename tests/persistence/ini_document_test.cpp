// The line-preserving INI layer: unchanged documents come back byte for byte, values are
// replaced in place, new keys go after the last key of their section.
#include "persistence/ini_document.h"

#include <gtest/gtest.h>

using brevant::IniDocument;
using namespace std::string_literals;

TEST(IniDocument, UnchangedTextComesBackByteForByte) {
    const std::string cases[] = {
        "",
        "[A]\nx=1\n",
        "[A]\r\nx=1\r\ny = 2 \r\n",
        "\xEF\xBB\xBF[A]\nx=1", // byte-order mark, no final line end
        "; comment\n\n[A]\nno equals sign\n#x=1\n[B]\n\n",
        "x=before any section\n[A]\nx=1\nx=2\n[A]\nx=3\n",
        "[A]\0x=\x01\xff\n"s, // binary bytes
        "[unclosed\nk=v\r\rk2=v2\n",
    };
    for (const std::string& text : cases)
        EXPECT_EQ(IniDocument::Parse(text).Serialize(), text) << text;
}

TEST(IniDocument, ReadsTheFirstKeyOfTheFirstSectionIgnoringCase) {
    const IniDocument ini =
        IniDocument::Parse("[a]\nKey = one \nkey=two\n; Other=x\n[A]\nOther=three\n[b]\nq=\n");
    EXPECT_EQ(ini.Get("A", "KEY"), "one");
    EXPECT_EQ(ini.Get("a", "Other"), std::nullopt); // a comment, then a second [A]
    EXPECT_EQ(ini.Get("B", "q"), "");
    EXPECT_EQ(ini.Get("C", "q"), std::nullopt);
    EXPECT_TRUE(ini.HasSection("b"));
}

TEST(IniDocument, ReplacesInPlaceAndKeepsEverythingElse) {
    IniDocument ini = IniDocument::Parse("; top\r\n[Other]\r\nk=v\r\n[Main]\r\nUnknown=1\r\n"
                                         "Units=2\r\n; note\r\n\r\n[Tail]\r\nz=9");
    ini.Set("Main", "Units", "0");
    ini.Set("Main", "New", "a");
    ini.Set("Main", "Newer", "b");
    ini.Set("Fresh", "f", "c");
    EXPECT_EQ(ini.Serialize(), "; top\r\n[Other]\r\nk=v\r\n[Main]\r\nUnknown=1\r\nUnits=0\r\n"
                               "New=a\r\nNewer=b\r\n; note\r\n\r\n[Tail]\r\nz=9\r\n"
                               "[Fresh]\r\nf=c\r\n");
    ini.Set("Main", "New", "again");
    EXPECT_EQ(ini.Get("main", "new"), "again");
}

TEST(IniDocument, AValueCannotAddLinesOrSections) {
    IniDocument ini = IniDocument::Parse("");
    ini.Set("S", "k", "1\n[Evil]\r\nx=2");
    const IniDocument back = IniDocument::Parse(ini.Serialize());
    EXPECT_FALSE(back.HasSection("Evil"));
    EXPECT_EQ(back.Get("S", "k"), "1 [Evil]  x=2");
}

TEST(IniDocument, NewSectionAfterAnOpenLastLine) {
    IniDocument ini = IniDocument::Parse("[A]\nx=1");
    ini.Set("A", "y", "2");
    ini.Set("B", "z", "3");
    EXPECT_EQ(ini.Serialize(), "[A]\nx=1\ny=2\n[B]\nz=3\n");
}
