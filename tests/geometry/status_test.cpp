// Status texts of the geometry constructions.
#include "geometry/status.h"

#include <gtest/gtest.h>

using namespace brevant;

TEST(CalcErr, GivesTheTextOfEveryCodeAndUndefinedOtherwise) {
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {902, "PARALLEL LINES"},
        {903, "UNDEFINED LINE"},
        {904, "ARC DOES NOT INTERSECT"},
        {905, "RADIUS DOES NOT INTERSECT"},
        {906, "CONCENTRIC CIRCLES"},
        {907, "CAN'T ALLOCATE MEMORY"},
        {908, "3 POINTS ON SAME LINE"},
        {901, "Undefined"},
        {909, "Undefined"},
        {0, "Undefined"},
        {-1, "Undefined"},
        {kStatusZeroRadius, "Undefined"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcErr(c.code), c.text) << c.code;
}
