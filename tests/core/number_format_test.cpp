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
