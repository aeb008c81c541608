// The input fields the registry gathers: every row names a control of its kind and one key, the
// tags, each kind's Calculate-time read order, "Clear Data" by kind and where a commit stores
// are the window's.
#include "core/form_model.h"
#include "core/input_fields.h"
#include "engine_fixture.h"
#include "layouts/kind_steps.h"
#include "support/kinds.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace brevant {
namespace {

class InputFields : public testing::EngineTest {};

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

TEST_F(InputFields, EveryFieldNamesOneControlOfItsKindOneKeyAndItsValue) {
    std::set<std::string> keys, controls;
    for (const EngineField& f : e.Fields()) {
        EXPECT_TRUE(HasControlOfKind(e.Form, *f.Field)) << f.Field->key;
        EXPECT_TRUE(keys.insert(f.Field->key).second) << "key twice: " << f.Field->key;
        EXPECT_TRUE(controls.insert(f.Field->control).second) << f.Field->control;
        EXPECT_EQ(e.FindField(f.Field->key), &f) << f.Field->key;
        const FieldTarget target = e.TargetOf(f);
        EXPECT_FALSE(std::holds_alternative<std::monostate>(target)) << f.Field->key;
        if (f.Field->kind == FieldKind::Length || f.Field->kind == FieldKind::Angle) {
            EXPECT_TRUE(std::holds_alternative<float*>(target)) << f.Field->key;
        }
    }
    EXPECT_EQ(keys.size(), 62u);
    EXPECT_EQ(e.FindField("squaretopyshift"), e.FindField("SquareTopYShift"));
    EXPECT_EQ(e.FindField("Nope"), nullptr);
}

TEST_F(InputFields, EditsCarryTheirInputTags) {
    const std::pair<const char*, int> tags[] = {{"ConeHeight", 1},
                                                {"SquareHeight", 1},
                                                {"TopDiameter", 2},
                                                {"SquareTopDiameter", 2},
                                                {"TopAngle", 3},
                                                {"BottomDiameter", 4},
                                                {"BottomAngle", 5},
                                                {"TopEllipseWidth", 7},
                                                {"BottomEllipseWidth", 8},
                                                {"SideLength", 9},
                                                {"SideAngle", 10},
                                                {"SquareWidth", 16},
                                                {"SquareLength", 17},
                                                {"TopShift", 18},
                                                {"SquareTopXShift", 18},
                                                {"SquareTopYShift", 19},
                                                {"SquareTopAngle", 20},
                                                {"TransitionBottomWidth", 31},
                                                {"TransitionBottomLength", 32},
                                                {"TransitionBottomRadius", 33},
                                                {"TransitionTopWidth", 34},
                                                {"TransitionTopLength", 35},
                                                {"TransitionTopRadius", 36},
                                                {"TransitionHeight", 37},
                                                {"TransitionTopXShift", 38},
                                                {"TransitionTopYShift", 39},
                                                {"TransitionTopAngle", 40}};
    int tagged = 0;
    for (const EngineField& f : e.Fields())
        tagged += f.Field->tag != 0;
    EXPECT_EQ(tagged, int(std::size(tags)));
    for (auto [key, tag] : tags) {
        const EngineField* f = e.FindField(key);
        EXPECT_EQ(f->Field->tag, tag) << key;
        EXPECT_EQ(e.Form.FindEdit(f->Field->control)->InputTag, tag) << key;
    }
}

TEST_F(InputFields, EachKindReadsInItsOwnOrder) {
    const std::vector<std::string> cone = {
        "TopAngle",    "BottomAngle",    "TopDiameter", "BottomDiameter",  "ConeHeight",
        "TopShift",    "SideAngle",      "SideLength",  "TopEllipseWidth", "BottomEllipseWidth",
        "Overlap",     "SheetWidth",     "SheetHeight", "XClearance",      "YClearance",
        "TopCutWidth", "BottomCutWidth", "SeamAngle"};
    const std::vector<std::string> square = {
        "SquareWidth",     "SquareLength", "SquareTopAngle",    "SquareTopXShift",
        "SquareTopYShift", "SquareHeight", "SquareTopDiameter", "BendsPerCorner"};
    auto keys = [](std::span<const InputField> fields) {
        std::vector<std::string> read;
        for (const InputField* f : ReadOrder(fields))
            read.push_back(f->key);
        return read;
    };
    EXPECT_EQ(keys(ConeKind().Fields()), cone);
    EXPECT_EQ(keys(SquareKind().Fields()), square);
    EXPECT_EQ(keys(MaterialFields()),
              (std::vector<std::string>{"MaterialThickness", "ThicknessSide"}));
    EXPECT_TRUE(keys(SpiralKind().Fields()).empty());
    EXPECT_TRUE(keys(PipeKind().Fields()).empty());
}

TEST_F(InputFields, ClearDataEmptiesTheControlsOfItsKind) {
    const std::vector<std::set<std::string>> expected = {
        {"ConeHeight", "ConeTopDiameter", "ConeTopAngle", "ConeBottomDiameter", "BottomAngle",
         "ConeTopXShift", "SideAngle", "SideLength", "TopEllipseWidth", "BottomEllipseWidth",
         "Overlap", "SeamSpinBox", "BendConeSpinBox", "TopCutWidthEdit", "BottomCutWidthEdit",
         "TopArcLengthEdit", "BottomArcLengthEdit", "ThicknessEdit"},
        {"SquareWidth", "SquareLength", "SquareTopAngle", "SquareTopDiameter", "SquareTopXShift",
         "SquareTopYShift", "SquareHeight"},
        {"SpiralODEdit", "SpiralIDEdit", "SpiralPitchEdit", "ThicknessEdit"},
        {"BigPipeDiaEdit", "SmallPipeDiaEdit", "PipeOffsetEdit"},
        {"TransitionBottomWidth", "TransitionBottomLength", "TransitionBottomRadius",
         "TransitionTopWidth", "TransitionTopLength", "TransitionTopRadius", "TransitionHeight",
         "TransitionTopXShift", "TransitionTopYShift", "TransitionTopAngle"},
        {"ElbowDiameterEdit", "ElbowRadiusEdit", "ElbowAngleEdit"}};
    ASSERT_EQ(e.KindCount(), int(expected.size()));
    for (int type = 0; type < e.KindCount(); ++type) {
        for (const auto& [name, edit] : e.Form.Edits())
            edit->text = "1";
        for (const auto& [name, spin] : e.Form.SpinBoxes())
            spin->SetValue(1);
        e.ClearLayoutInputs(type);
        std::set<std::string> cleared;
        for (const auto& [name, edit] : e.Form.Edits())
            if (edit->text.empty()) cleared.insert(name);
        for (const auto& [name, spin] : e.Form.SpinBoxes())
            if (spin->value == 0) cleared.insert(name);
        EXPECT_EQ(cleared, expected[std::size_t(type)]) << "layout type " << type;
    }
}

TEST_F(InputFields, ACommittedEditStoresIntoTheChosenKindsFieldOfItsTag) {
    struct Case {
        int type;
        const char* edit;
        float* target; // nullptr: the commit stores nothing
    } cases[] = {
        {kLayoutCone, "ConeHeight", &ConeOf(e).Def.ConeHeight},
        {kLayoutSquare, "SquareHeight", &SquareOf(e).Def.SquareHeight},
        // The tag decides: the square's height edit (tag 1) with the cone chosen.
        {kLayoutCone, "SquareHeight", &ConeOf(e).Def.ConeHeight},
        {kLayoutSquare, "ConeTopXShift", &SquareOf(e).Def.SquareTopXShift},
        // A tag only another kind has stores into that kind's field.
        {kLayoutCone, "SquareWidth", &SquareOf(e).Def.SquareWidth},
        {kLayoutSquare, "ConeBottomDiameter", &ConeOf(e).Def.BottomDiameter},
        // The square's top angle (tag 20) is left alone.
        {kLayoutSquare, "SquareTopAngle", nullptr},
    };
    for (const Case& c : cases) {
        ChooseType(c.type);
        ConeOf(e).Def = ConeDefinition{};
        SquareOf(e).Def = SquareDefinition{};
        Edit& edit = *e.Form.FindEdit(c.edit);
        edit.text = "7";
        e.ConeHeightChange(edit);
        if (c.target) {
            EXPECT_FLOAT_EQ(*c.target, 7) << c.edit;
        } else {
            EXPECT_EQ(SquareOf(e).Def.SquareTopAngle, 0) << c.edit;
        }
    }
}

} // namespace
} // namespace brevant
