// The transition's driver, its page and fields.
#include "layouts/transition/transition_kind.h"

#include "core/number_format.h"
#include "layouts/field_table.h"
#include "layouts/kind_steps.h"
#include "layouts/transition/transition_outputs.h"

#include <algorithm>

namespace brevant {

namespace {

using K = FieldKind;
using P = FieldPlace;
using D = TransitionDefinition;
constexpr unsigned kC = kFieldCleared;
// Shifts and the tilt may be negative: a commit takes them as typed.
constexpr unsigned kR = kFieldCleared | kFieldRawCommit;
constexpr int kMaxShape = static_cast<int>(SectionShape::Obround);

// clang-format off
constexpr BoundField<D> kRows[] = {
//    control                     tag place         key                        kind      flags read min max start
    {{"TransitionBottomShapeLabel", 0, P::InputPage, "TransitionBottomShape",  K::Count,  0,  1, 0, kMaxShape, 0}, &D::TransitionBottomShape},
    {{"TransitionBottomWidth",      31, P::InputPage, "TransitionBottomWidth",  K::Length, kC, 2}, &D::TransitionBottomWidth},
    {{"TransitionBottomLength",     32, P::InputPage, "TransitionBottomLength", K::Length, kC, 3}, &D::TransitionBottomLength},
    {{"TransitionBottomRadius",     33, P::InputPage, "TransitionBottomRadius", K::Length, kC, 4}, &D::TransitionBottomRadius},
    {{"TransitionTopShapeLabel",    0, P::InputPage, "TransitionTopShape",     K::Count,  0,  5, 0, kMaxShape, 1}, &D::TransitionTopShape},
    {{"TransitionTopWidth",         34, P::InputPage, "TransitionTopWidth",     K::Length, kC, 6}, &D::TransitionTopWidth},
    {{"TransitionTopLength",        35, P::InputPage, "TransitionTopLength",    K::Length, kC, 7}, &D::TransitionTopLength},
    {{"TransitionTopRadius",        36, P::InputPage, "TransitionTopRadius",    K::Length, kC, 8}, &D::TransitionTopRadius},
    {{"TransitionHeight",           37, P::InputPage, "TransitionHeight",       K::Length, kC, 9}, &D::TransitionHeight},
    {{"TransitionTopXShift",        38, P::InputPage, "TransitionTopXShift",    K::Length, kR, 10}, &D::TransitionTopXShift},
    {{"TransitionTopYShift",        39, P::InputPage, "TransitionTopYShift",    K::Length, kR, 11}, &D::TransitionTopYShift},
    {{"TransitionTopAngle",        40, P::InputPage, "TransitionTopAngle",     K::Angle,  kR, 12}, &D::TransitionTopAngle},
    {{"TransitionDivisionsLabel",   0, P::InputPage, "TransitionDivisions",    K::Count,  0, 13, kTransitionMinDivisions, kTransitionMaxDivisions, 6}, &D::TransitionDivisions},
    {{"TransitionHalfCheckBox",     0, P::InputPage, "TransitionHalfPattern",  K::Flag,   0,  0}, &D::TransitionHalfPattern},
};
// clang-format on
const FieldTable kTable(kRows);

constexpr PageRow kPageRows[] = {
    HeadingRow("Bottom"),
    StepperRow("Bottom Shape:", "TransitionBottomShapeLabel", "TransitionBottomShapeMinus",
               "TransitionBottomShapePlus"),
    EditRow("Bottom Width:", "TransitionBottomWidth", "TransitionUnit1"),
    EditRow("Bottom Length:", "TransitionBottomLength", "TransitionUnit2"),
    EditRow("Bottom Radius:", "TransitionBottomRadius", "TransitionUnit3"),
    RuleRow(),
    HeadingRow("Top"),
    StepperRow("Top Shape:", "TransitionTopShapeLabel", "TransitionTopShapeMinus",
               "TransitionTopShapePlus"),
    EditRow("Top Width:", "TransitionTopWidth", "TransitionUnit4"),
    EditRow("Top Length:", "TransitionTopLength", "TransitionUnit5"),
    EditRow("Top Radius:", "TransitionTopRadius", "TransitionUnit6"),
    TextRow("Shapes: 0 Rectangle,"),
    TextRow("1 Round, 2 Obround"),
    RuleRow(),
    EditRow("Height:", "TransitionHeight", "TransitionUnit7"),
    TextRow("Enter Modifiers"),
    StepperRow("Divisions:", "TransitionDivisionsLabel", "TransitionDivisionsMinus",
               "TransitionDivisionsPlus"),
    EditRow("Top X Shift:", "TransitionTopXShift", "TransitionUnit8"),
    EditRow("Top Y Shift:", "TransitionTopYShift", "TransitionUnit9"),
    AngleRow("Top Angle:", "TransitionTopAngle"),
    CheckBoxRow("TransitionHalfCheckBox", "Half Pattern"),
};
constexpr InputPage kPage{"TransitionInput", "Transition", "Requires Bottom and Top Width, Height",
                          "CalculateTransitionButton", kPageRows};

SectionSize Section(int shape, float width, float length, float radius) {
    const SectionShape s = static_cast<SectionShape>(std::clamp(shape, 0, kMaxShape));
    // A length of 0 takes the width: a square, or an obround as long as it is wide.
    return {s, width, length == 0 ? width : double(length),
            s == SectionShape::Rectangle ? radius : 0};
}

} // namespace

TransitionInputs TransitionDefinition::Inputs(const MaterialInputs& material) const {
    TransitionInputs in;
    in.BottomShape = TransitionBottomShape;
    in.TopShape = TransitionTopShape;
    in.Part.Bottom = Section(TransitionBottomShape, TransitionBottomWidth, TransitionBottomLength,
                             TransitionBottomRadius);
    in.Part.Top =
        Section(TransitionTopShape, TransitionTopWidth, TransitionTopLength, TransitionTopRadius);
    in.Part.Height = TransitionHeight;
    in.Part.XShift = TransitionTopXShift;
    in.Part.YShift = TransitionTopYShift;
    in.Part.TopAngle = TransitionTopAngle;
    in.Part.Divisions =
        std::clamp(TransitionDivisions, kTransitionMinDivisions, kTransitionMaxDivisions);
    in.Thickness = material.Thickness;
    in.Side = material.Side;
    return in;
}

const InputPage& TransitionKind::Page() const {
    return kPage;
}

std::span<const InputField> TransitionKind::Fields() const {
    return kTable.Fields();
}

FieldTarget TransitionKind::Target(const InputField& field) {
    return kTable.Target(Def, field);
}

bool TransitionKind::ReadInputs(KindRun& run) {
    for (const InputField* f : ReadOrder(Fields())) {
        if (!ReadFieldValue(run, *f, Target(*f))) return false;
        // A count typed into a file may be beyond its stepper's limits.
        if (f->kind == FieldKind::Count) {
            int& n = *std::get<int*>(Target(*f));
            n = std::clamp(n, f->min, f->max);
            run.Form.FindLabel(f->control)->text = std::to_string(n);
        }
    }
    if (const CheckBox* half = run.Form.FindCheckBox("TransitionHalfCheckBox"))
        Def.TransitionHalfPattern = half->checked;
    return ReadMaterialInputs(run);
}

bool TransitionKind::Step(std::string_view control, int step, FormModel& form) {
    const InputField* f = FindFieldOfControl(Fields(), control);
    if (!f || f->kind != FieldKind::Count) return false;
    Label* label = form.FindLabel(f->control);
    const int n = ParseInteger(label->text, f->min) + step;
    label->text = std::to_string(std::clamp(n, f->min, f->max));
    return true;
}

int TransitionKind::Calculate(KindRun& run) {
    if (!BeginDriver(run)) return kDriverDone;
    if (!ReadInputs(run)) {
        run.Host.HideResultDisplays();
        return kDriverBadNumber;
    }
    run.Host.ClearViews();
    pattern_ = {};
    Last = {};
    run.PatternChanged = true;
    run.CircleResolution = 4 * Def.TransitionDivisions;
    const TransitionInputs in = Def.Inputs(run.Material);
    const TransitionCheck check = CheckTransition(in);
    if (check.Result == TransitionCheck::Outcome::Missing) {
        NotEnoughDimensions(run, check.Message.c_str());
        return kDriverNotEnough;
    }
    if (check.Result == TransitionCheck::Outcome::Refused) {
        run.Notices.ShowMessageDialog(check.Message, "");
        return kDriverNotEnough;
    }
    return Develop(run, in);
}

int TransitionKind::Develop(KindRun& run, const TransitionInputs& in) {
    Last.Part = MiddlePart(in);
    Last.Whole = BuildTransitionModel(Last.Part, false);
    if (FacetsCross(Last.Whole)) {
        Last = {};
        run.Notices.ShowMessageDialog(kMsgTransitionCrossing, "");
        return kDriverNotEnough;
    }
    const bool half = Def.TransitionHalfPattern && TransitionMirrorSymmetric(Last.Part);
    if (Def.TransitionHalfPattern && !half) run.Form.StatusLabel.text = kMsgTransitionWhole;
    Last.Developed = half ? BuildTransitionModel(Last.Part, true) : Last.Whole;
    Last.Flat = DevelopTransition(Last.Developed);
    Last.Thickness = in.Thickness;
    Last.Weight =
        TransitionSurfaceArea(Last.Whole) * in.Thickness * MaterialDensity(run.MaterialMass);
    Last.Made = true;
    BuildTransitionScene(run.Scene, Last);
    pattern_ = TransitionFlatPattern(Last.Flat, half ? 2 : 1);
    run.Host.HideResultDisplays();
    ShowTransitionDisplay(run.Form, Last, run.Format, MaterialDisplayName(run.MaterialName),
                          run.OwnPageShown);
    return kDriverDone;
}

ResultGroup TransitionKind::Results() const {
    ResultGroup r;
    kTable.AddResults(Def, r);
    r.emplace_back("Transition", TransitionResultGroup(Last));
    return r;
}

} // namespace brevant
