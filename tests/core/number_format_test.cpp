#include "core/number_fit.h"
#include "core/number_format.h"
#include "core/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace brevant;

TEST(FormatValue, AtMostFourDecimalsNoTrailingZeros) {
    struct Case {
        double v;
        char sep;
        const char* text;
    } cases[] = {
        {6, '.', "6"},
        {0.125, '.', "0.125"},
        {12.5, ',', "12,5"},
        {1.23456, '.', "1.2346"},
        {-5, '.', "-5"},
        {0.00004, '.', "0"},
        {-0.00004, '.', "0"},
        {1234567.5, '.', "1234567.5"},
        {22.36068, '.', "22.3607"},
        {254.0, '.', "254"},
        {2.99999, '.', "3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatValue(c.v, c.sep), c.text) << c.v;
}

TEST(FormatValue, NonFiniteNeverReachesAnEdit) {
    EXPECT_EQ(FormatValue(std::numeric_limits<double>::infinity(), '.'), "0");
    EXPECT_EQ(FormatValue(std::nan(""), '.'), "0");
}

TEST(NormalizeDecimalSeparator, FollowsTheLocale) {
    EXPECT_EQ(NormalizeDecimalSeparator("12.5", ','), "12,5");
    EXPECT_EQ(NormalizeDecimalSeparator("1.2.3", ','), "1,2,3");
    EXPECT_EQ(NormalizeDecimalSeparator("3,5", '.'), "3.5");
    EXPECT_EQ(NormalizeDecimalSeparator("2*3", '.'), "2*3");
}

TEST(FormatFixed, TwoDecimalsWithSeparator) {
    EXPECT_EQ(FormatFixed(0, 2, ','), "0,00");
    EXPECT_EQ(FormatFixed(72, 1, '.'), "72.0");
    EXPECT_EQ(FormatFixed(-0.001, 2, '.'), "0.00");
}

TEST(ParseInteger, WholeNumbersOnly) {
    EXPECT_EQ(ParseInteger("4", 0), 4);
    EXPECT_EQ(ParseInteger(" -12 ", 0), -12);
    EXPECT_EQ(ParseInteger("4.5", 7), 7);
    EXPECT_EQ(ParseInteger("", 7), 7);
    EXPECT_EQ(ParseInteger("99999999999", 7), 7);
}

TEST(Units, FactorsAndNames) {
    EXPECT_FLOAT_EQ(ToInches(254, kMillimeters), 10);
    EXPECT_FLOAT_EQ(FromInches(10, kMillimeters), 254);
    EXPECT_FLOAT_EQ(ToInches(2.54f, kCentimeters), 1);
    EXPECT_EQ(UnitFromIndex(-1), kInches);
    EXPECT_EQ(UnitFromIndex(7), kInches);
    EXPECT_STREQ(UnitShortName(kCentimeters), "cm");
    EXPECT_STREQ(UnitLongName(kMillimeters), "Millimeters");
}

// A result shown in a narrow place keeps its value: every decade from 1E-3 to 1E9, in both
// separators, keeps all of its magnitude and at least four significant digits.
TEST(FitNumberText, NoDigitIsLostOffTheEdge) {
    for (char separator : {'.', ','})
        for (std::size_t width : {std::size_t(9), std::size_t(10)})
            for (int decade = -3; decade <= 9; ++decade) {
                const double value = 2.2360679 * std::pow(10.0, decade);
                const std::string full = FormatValue(value, separator);
                const std::string shown = FitNumberText(full, width);
                SCOPED_TRACE(full + " in " + std::to_string(width) + " -> " + shown);
                EXPECT_LE(shown.size(), width);
                if (full.size() <= width) {
                    EXPECT_EQ(shown, full);
                    continue;
                }
                const double back = std::stod(NormalizeDecimalSeparator(shown, '.'));
                EXPECT_NEAR(back / value, 1, 5e-4);
            }
}

TEST(FitNumberText, OtherTextsStayAsTheyAre) {
    struct Case {
        const char* text;
        std::size_t width;
        const char* shown;
    };
    const Case cases[] = {
        {"Cylinder Dimensions", 5, "Cylinder Dimensions"}, // not a number
        {"    72.0", 5, "72.0"},                           // blanks of a padded label go first
        {"-2236068090", 9, "-2.24E+09"},
        {"2236.0679", 8, "2236.068"},  // fixed keeps more digits than exponent here
        {"123456789", 3, "123456789"}, // nothing fits: the text as it is
        {"", 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitNumberText(c.text, c.width), c.shown) << c.text;
}
