// Numbers with a point whatever the locale, Windows-1252 text and literal-string escapes.
#include "documents/pdf_text.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace brevant;

TEST(PdfText, NumbersRoundToTheirDecimalsWithoutTrailingZeros) {
    struct Case {
        double value;
        const char* coord;
        const char* size;
    };
    const Case cases[] = {{12.0 + 1.0 / 3, "12.3333", "12.333"},
                          {3, "3", "3"},
                          {-0.5, "-0.5", "-0.5"},
                          {0.00004, "0", "0"},
                          {-0.00004, "0", "0"},
                          {841.89, "841.89", "841.89"},
                          {2383.94, "2383.94", "2383.94"},
                          {0.99996, "1", "1"},
                          {1e9, "1000000000", "1000000000"}};
    for (const Case& c : cases) {
        EXPECT_EQ(FormatCoord(c.value), c.coord) << c.value;
        EXPECT_EQ(FormatSize(c.value), c.size) << c.value;
    }
}

TEST(PdfText, NumbersKeepThePointUnderACommaLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE"))
        GTEST_SKIP() << "no German locale installed";
    EXPECT_EQ(FormatCoord(12.0 + 1.0 / 3), "12.3333");
    EXPECT_EQ(FormatSize(-0.5), "-0.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(PdfText, Windows1252TakesLatinAndItsOwnHighCharacters) {
    struct Case {
        const char* utf8;
        std::string bytes;
    };
    const Case cases[] = {
        {"Row: 1", "Row: 1"},
        {"\xC3\xA9t\xC3\xA9", "\xE9t\xE9"}, // é
        {"\xE2\x82\xAC 5", "\x80 5"},       // €
        {"\xE2\x80\x9C"
         "a"
         "\xE2\x80\x9D",
         "\x93"
         "a"
         "\x94"},                  // curly quotes
        {"\xC2\xB0", "\xB0"},      // degree sign
        {"\xCE\xA9", "?"},         // Omega: not in the code page
        {"\xF0\x9F\x98\x80", "?"}, // beyond the basic plane
        {"a\xFF"
         "b",
         "a?b"},               // not UTF-8
        {"\xC3", "?"},         // cut short
        {"\xC0\xAF", "?"},     // overlong
        {"\xED\xA0\x80", "?"}, // surrogate
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToWindows1252(c.utf8), c.bytes) << c.utf8;
}

TEST(PdfText, LiteralStringsEscapeBackslashParenthesesAndLineBreaks) {
    EXPECT_EQ(EscapePdfString("a(b)c\\d"), "a\\(b\\)c\\\\d");
    EXPECT_EQ(EscapePdfString("one\r\ntwo"), "one\\r\\ntwo");
    EXPECT_EQ(PdfLiteral("Brevant [hopper (2).layout]"), "(Brevant [hopper \\(2\\).layout])");
    EXPECT_EQ(PdfLiteral("\xC3\xA9)"), "(\xE9\\))");
}
