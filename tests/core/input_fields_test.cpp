// The input field table: every row names a control of its kind, the tags, the Calculate-time
// read order, clearing by layout type and the commit targets are the window's.
#include "core/form_model.h"
#include "core/input_fields.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace brevant {
namespace {

bool HasControlOfKind(FormModel& form, const InputField& f) {
    switch (f.kind) {
    case FieldKind::Length:
    case FieldKind::Angle:
        return form.FindEdit(f.control) != nullptr;
    case FieldKind::Whole:
        return form.FindSpinBox(f.control) != nullptr;
    case FieldKind::Count:
        return form.FindLabel(f.control) != nullptr;
    case FieldKind::Flag:
        return form.FindCheckBox(f.control) != nullptr;
    case FieldKind::Side:
        for (const auto& [name, radio] : form.Radios())
            if (radio->group == f.control) return true;
        return false;
    }
    return false;
}

TEST(InputFields, EveryRowNamesOneControlOfItsKindAndOneKey) {
    FormModel form;
    std::set<std::string> keys, controls;
    for (const InputField& f : InputFields()) {
        EXPECT_TRUE(HasControlOfKind(form, f)) << f.key << " -> " << f.control;
        EXPECT_TRUE(keys.insert(f.key).second) << "key twice: " << f.key;
        EXPECT_TRUE(controls.insert(f.control).second) << "control twice: " << f.control;
        EXPECT_EQ(FindInputField(f.key), &f) << f.key;
        if (f.kind == FieldKind::Length || f.kind == FieldKind::Angle) {
            EXPECT_TRUE(std::holds_alternative<float LayoutDefinition::*>(f.member)) << f.key;
        }
        EXPECT_EQ(f.tag != 0, IsInputPageField(f) && f.page <= kSquarePage) << f.key;
    }
    EXPECT_EQ(keys.size(), 41u);
    EXPECT_EQ(FindInputField("squaretopyshift"), FindInputField("SquareTopYShift"));
    EXPECT_EQ(FindInputField("Nope"), nullptr);
}

TEST(InputFields, EditsCarryTheirInputTags) {
    const std::pair<const char*, int> tags[] = {
        {"ConeHeight", 1},        {"SquareHeight", 1},    {"TopDiameter", 2},
        {"SquareTopDiameter", 2}, {"TopAngle", 3},        {"BottomDiameter", 4},
        {"BottomAngle", 5},       {"TopEllipseWidth", 7}, {"BottomEllipseWidth", 8},
        {"SideLength", 9},        {"SideAngle", 10},      {"SquareWidth", 16},
        {"SquareLength", 17},     {"TopShift", 18},       {"SquareTopXShift", 18},
        {"SquareTopYShift", 19},  {"SquareTopAngle", 20}};
    int tagged = 0;
    for (const InputField& f : InputFields())
        tagged += f.tag != 0;
    EXPECT_EQ(tagged, int(std::size(tags)));
    for (auto [key, tag] : tags)
        EXPECT_EQ(FindInputField(key)->tag, tag) << key;
}

TEST(InputFields, CalculateReadsInItsOwnOrder) {
    const std::vector<std::string> expected = {
        "TopAngle",        "BottomAngle",        "TopDiameter",       "BottomDiameter",
        "ConeHeight",      "TopShift",           "SideAngle",         "SideLength",
        "TopEllipseWidth", "BottomEllipseWidth", "Overlap",           "SheetWidth",
        "SheetHeight",     "XClearance",         "YClearance",        "TopCutWidth",
        "BottomCutWidth",  "SquareWidth",        "SquareLength",      "SquareTopAngle",
        "SquareTopXShift", "SquareTopYShift",    "SquareHeight",      "SquareTopDiameter",
        "SeamAngle",       "BendsPerCorner",     "MaterialThickness", "ThicknessSide"};
    std::vector<std::string> read;
    for (const InputField* f : CalculateReadOrder())
        read.push_back(f->key);
    EXPECT_EQ(read, expected);
}

TEST(InputFields, ClearingByLayoutTypeEmptiesItsControls) {
    const std::vector<std::set<std::string>> expected = {
        {"ConeHeight", "ConeTopDiameter", "ConeTopAngle", "ConeBottomDiameter", "BottomAngle",
         "ConeTopXShift", "SideAngle", "SideLength", "TopEllipseWidth", "BottomEllipseWidth",
         "Overlap", "SeamSpinBox", "BendConeSpinBox", "TopCutWidthEdit", "BottomCutWidthEdit",
         "TopArcLengthEdit", "BottomArcLengthEdit", "ThicknessEdit"},
        {"SquareWidth", "SquareLength", "SquareTopAngle", "SquareTopDiameter", "SquareTopXShift",
         "SquareTopYShift", "SquareHeight"},
        {"SpiralODEdit", "SpiralIDEdit", "SpiralPitchEdit", "ThicknessEdit"},
        {"BigPipeDiaEdit", "SmallPipeDiaEdit", "PipeOffsetEdit"}};
    for (int type = kConePage; type <= kPipePage; ++type) {
        std::set<std::string> cleared;
        for (const InputField& f : InputFields())
            if (f.clearedWith & ClearedWith(type)) cleared.insert(f.control);
        EXPECT_EQ(cleared, expected[std::size_t(type)]) << "layout type " << type;
    }
}

TEST(InputFields, CommittedTagStoresByPage) {
    struct Case {
        int tag;
        bool squarePage;
        const char* key; // nullptr: nothing is stored
    } cases[] = {
        {1, false, "ConeHeight"},
        {1, true, "SquareHeight"},
        {2, true, "SquareTopDiameter"},
        {3, false, "TopAngle"},
        {3, true, "SquareTopAngle"},
        {5, true, "BottomAngle"},
        {10, false, "SideAngle"},
        {18, false, "TopShift"},
        {18, true, "SquareTopXShift"},
        {19, false, "SquareTopYShift"},
        {16, false, "SquareWidth"},
        {0, false, nullptr},
        {6, false, nullptr},
        {11, true, nullptr},
    };
    for (const auto& c : cases) {
        const InputField* f = CommitField(c.tag, c.squarePage);
        const InputField* expected = c.key ? FindInputField(c.key) : nullptr;
        EXPECT_EQ(f, expected) << c.tag << (c.squarePage ? " square" : "");
    }
}

} // namespace
} // namespace brevant
