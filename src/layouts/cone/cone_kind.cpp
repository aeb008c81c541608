// The cone's page and fields, and its driver from the read inputs to the developed pattern and
// the displays.
#include "layouts/cone/cone_kind.h"

#include "core/messages.h"
#include "core/number_entry.h"
#include "layouts/cone/cone_checks.h"
#include "layouts/cone/cone_formed.h"
#include "layouts/cone/cone_scene.h"
#include "layouts/cone/cone_solver.h"
#include "layouts/cone/cylinder.h"
#include "layouts/cone/oblique_cone.h"
#include "layouts/cone/regular_cone.h"
#include "layouts/cone/side_cuts.h"
#include "layouts/cone/thickness.h"
#include "layouts/field_table.h"

namespace brevant {

namespace {

using K = FieldKind;
using P = FieldPlace;
using D = ConeDefinition;
constexpr unsigned kC = kFieldCleared;

// In the order in which the definition file writes their keys.
// clang-format off
constexpr BoundField<D> kRows[] = {
//    control             tag place           key                   kind      flags                read
    {{"SegmentAngleEdit",   0, P::ResultPanel, "SegmentAngle",       K::Angle,  0,                    0}, &D::SegmentAngle},
    {{"ConeHeight",         1, P::InputPage,   "ConeHeight",         K::Length, kC,                   5}, &D::ConeHeight},
    {{"ConeTopDiameter",    2, P::InputPage,   "TopDiameter",        K::Length, kC,                   3}, &D::TopDiameter},
    {{"ConeTopAngle",       3, P::InputPage,   "TopAngle",           K::Angle,  kC,                   1}, &D::TopAngle},
    {{"ConeBottomDiameter", 4, P::InputPage,   "BottomDiameter",     K::Length, kC,                   4}, &D::BottomDiameter},
    {{"BottomAngle",        5, P::InputPage,   "BottomAngle",        K::Angle,  kC,                   2}, &D::BottomAngle},
    {{"SeamSpinBox",        0, P::ResultPanel, "SeamAngle",          K::Whole,  kC,                  25}, &D::SeamAngle},
    {{"BendConeSpinBox",    0, P::ResultPanel, "Bends",              K::Whole,  kC | kFieldNoResult,  0}, &D::Bends},
    {{"ConeTopXShift",     18, P::InputPage,   "TopShift",           K::Length, kC,                   6}, &D::TopShift},
    {{"TopEllipseWidth",    7, P::InputPage,   "TopEllipseWidth",    K::Length, kC,                   9}, &D::TopEllipseWidth},
    {{"BottomEllipseWidth", 8, P::InputPage,   "BottomEllipseWidth", K::Length, kC,                  10}, &D::BottomEllipseWidth},
    {{"SideLength",         9, P::InputPage,   "SideLength",         K::Length, kC,                   8}, &D::SideLength},
    {{"SideAngle",         10, P::InputPage,   "SideAngle",          K::Angle,  kC | kFieldRawCommit, 7}, &D::SideAngle},
    {{"SheetWidth",         0, P::ResultPanel, "SheetWidth",         K::Length, 0,                   12}, &D::SheetWidth},
    {{"SheetHeight",        0, P::ResultPanel, "SheetHeight",        K::Length, 0,                   13}, &D::SheetHeight},
    {{"XClearenceEdit",     0, P::ResultPanel, "XClearance",         K::Length, 0,                   14}, &D::XClearance},
    {{"YClearenceEdit",     0, P::ResultPanel, "YClearance",         K::Length, 0,                   15}, &D::YClearance},
    {{"Overlap",            0, P::ResultPanel, "Overlap",            K::Length, kC,                  11}, &D::Overlap},
    {{"TopCutWidthEdit",    0, P::ResultPanel, "TopCutWidth",        K::Length, kC,                  16}, &D::TopCutWidth},
    {{"BottomCutWidthEdit", 0, P::ResultPanel, "BottomCutWidth",     K::Length, kC,                  17}, &D::BottomCutWidth},
    {{"TopArcLengthEdit",   0, P::ResultPanel, "TopArcLength",       K::Length, kC,                   0}, &D::TopArcLength},
    {{"BottomArcLengthEdit",0, P::ResultPanel, "BottomArcLength",    K::Length, kC,                   0}, &D::BottomArcLength},
};
// clang-format on
const FieldTable kTable(kRows);

constexpr PageRow kPageRows[] = {
    EditRow("Top Diameter:", "ConeTopDiameter", "UnitLabel1"),
    EditRow("Bottom Diameter:", "ConeBottomDiameter", "UnitLabel2"),
    EditRow("Height:", "ConeHeight", "UnitLabel3"),
    AngleRow("Side Angle:", "SideAngle"),
    EditRow("Side Length:", "SideLength", "UnitLabel4"),
    RuleRow(),
    HeadingRow("Irregular Cone"),
    TextRow("Enter Modifiers"),
    EditRow("Top Shift:", "ConeTopXShift", "UnitLabel5"),
    AngleRow("Top Angle:", "ConeTopAngle"),
    AngleRow("Bottom Angle:", "BottomAngle"),
    EditRow("Top Ellipse Short Axis:", "TopEllipseWidth", "UnitLabel6"),
    EditRow("Bot Ellipse Short Axis:", "BottomEllipseWidth", "UnitLabel7"),
};
constexpr InputPage kPage{"ConeInput", "Cone", "Requires One Diameter and Two Other Dims.",
                          "CalculateButton", kPageRows};

// The drawing refuses coordinates beyond this; a larger pattern is computed but not drawn.
constexpr double kLargestDrawable = 1e9;

bool TooLargeToDraw(const ConeState& c) {
    for (double size :
         {double(c.PatternWidth), double(c.PatternHeight), 2.0 * double(c.FlatLargeRadius)})
        if (size > kLargestDrawable) return true;
    return false;
}

} // namespace

void ConeFormValues::Capture(const FormModel& f) {
    Bends = f.BendConeSpinBox.value;
    ShowBends = f.ConeBendLinesCheckBox.checked;
    ShowSeam = f.SeamLineCheckBox.checked;
    ShowSideCuts = f.SideCutsCheckBox.checked;
    TopArcLength = f.TopArcLengthEdit.text;
    BottomArcLength = f.BottomArcLengthEdit.text;
    TopCutWidth = f.TopCutWidthEdit.text;
    BottomCutWidth = f.BottomCutWidthEdit.text;
    SegmentAngle = f.SegmentAngleEdit.text;
}

void ConeFormValues::Apply(FormModel& f) const {
    f.BendConeSpinBox.value = Bends;
    f.ConeBendLinesCheckBox.checked = ShowBends;
    f.SeamLineCheckBox.checked = ShowSeam;
    f.SideCutsCheckBox.checked = ShowSideCuts;
    f.TopArcLengthEdit.text = TopArcLength;
    f.BottomArcLengthEdit.text = BottomArcLength;
    f.TopCutWidthEdit.text = TopCutWidth;
    f.BottomCutWidthEdit.text = BottomCutWidth;
    f.SegmentAngleEdit.text = SegmentAngle;
}

const InputPage& ConeKind::Page() const {
    return kPage;
}

std::span<const InputField> ConeKind::Fields() const {
    return kTable.Fields();
}

FieldTarget ConeKind::Target(const InputField& field) {
    return kTable.Target(Def, field);
}

void ConeKind::ClearInputs(FormModel& form) const {
    LayoutKind::ClearInputs(form);
    form.ThicknessEdit.text.clear();
}

bool ConeKind::ReadInputs(KindRun& run) {
    for (const InputField* f : ReadOrder(Fields())) {
        const FieldTarget target = Target(*f);
        if (std::get_if<float*>(&target) && std::get<float*>(target) == &Def.Overlap) {
            // The definition keeps half the overlap.
            float v = 0;
            if (!ReadInputValue(run.Form.Overlap, v, run.Format.DecimalSeparator, run.Notices))
                return false;
            Def.Overlap = run.Format.ToIn(v / 2);
            continue;
        }
        if (!ReadFieldValue(run, *f, target)) return false;
    }
    if (!ReadMaterialInputs(run)) return false;
    ApplyThicknessCompensation(Def, run.Material);
    return true;
}

ConeJob ConeKind::JobOf(KindRun& run, FlatPatternBuilder& flat) {
    return ConeJob{Def,
                   run.Material,
                   State,
                   run.Form,
                   flat,
                   run.Notices,
                   {run.BusyFlag, run.KeepStatusOnce, run.CircleResolution, false, false},
                   run.Format,
                   run.MaterialMass,
                   run.MaterialName,
                   run.DefinitionName,
                   {},
                   run.OwnPageShown};
}

int ConeKind::Calculate(KindRun& run) {
    if (!BeginDriver(run)) return kDriverDone;
    if (!ReadInputs(run)) {
        run.Host.HideResultDisplays();
        return kDriverBadNumber;
    }
    run.CircleResolution = 40;
    run.Host.ClearViews();
    pattern_ = {};
    developed_ = false;
    run.PatternChanged = true;
    Def.Overlap = run.Format.ToIn(ReadCommittedValue(run.Form.Overlap, run.Format.DecimalSeparator,
                                                     run.Notices)) /
                  2;
    State.ClearRegularResults();
    run.Scene.SideCutTopAngle = run.Scene.SideCutBottomAngle = 0;
    if (!HasEnoughConeDimensions(Def)) {
        NotEnoughDimensions(run, kMsgConeNotEnough);
        return kDriverNotEnough;
    }
    State.IsObliqueCone = Def.TopShift != 0 || Def.TopAngle != 0 || Def.BottomAngle != 0;
    formValues_.Capture(run.Form);
    FlatPatternBuilder flat;
    ConeJob job = JobOf(run, flat);
    if (SolveCone(job)) Develop(run, job);
    pattern_ = flat.Take();
    ShowResults(run);
    WriteBackConeDimensions(job);
    // A pattern the drawing cannot hold is not kept: only the part of it within the drawing's
    // range would show and be written, and pass for the whole. The results stay, with the
    // reason on the status line.
    if (TooLargeToDraw(State)) {
        run.Form.StatusLabel.text = kMsgTooLargeToDraw;
        pattern_ = {};
        developed_ = false;
    }
    run.Scene.SideCutTopAngle = State.SideCutTopAngle;
    run.Scene.SideCutBottomAngle = State.SideCutBottomAngle;
    Remember(run);
    return kDriverDone;
}

void ConeKind::Develop(KindRun& run, ConeJob& job) {
    SceneJob scene{run.Scene, Def, run.CircleResolution};
    if (Def.IsCylinder) {
        if (!CylinderDimensions(job)) return;
        if (State.IsObliqueCone) {
            Def.SeamAngle = static_cast<int>(run.Form.SeamSpinBox.value);
            BuildObliqueCylinderModel(scene);
            if (Def.TopAngle != 0 || Def.BottomAngle != 0) DrawObliqueCylinderPattern(job);
            return;
        }
        BuildConeModel(scene);
        DrawCylinderPattern(job);
        return;
    }
    if (!ConeDimensions(job)) return;
    BuildConeModel(scene);
    if (State.IsObliqueCone) {
        DrawObliqueConePattern(job);
        return;
    }
    DrawRegularConePattern(job);
    ShowAreaAndWeight(job);
    SheetRequest sheet{State.FlatSmallRadius, State.FlatLargeRadius, State.FlatAngle,
                       State.PatternWidth,    State.PatternHeight,   Def.Overlap,
                       State.OverlapEdge,     Def.SheetWidth,        Def.SheetHeight,
                       Def.XClearance,        Def.YClearance,        run.OwnPageShown,
                       &job.Flat.Pattern()};
    const SheetCounts counts = run.Host.LayoutSheet(sheet);
    State.SheetCount = counts.Count;
    State.SheetCountTurned = counts.Turned;
}

// The result displays that apply to the cone just calculated; the square-to-round and spiral
// pages show their own displays, so a cone calculated while they show leaves them alone.
void ConeKind::ShowResults(KindRun& run) {
    FormModel& f = run.Form;
    run.Host.HideResultDisplays();
    if (!run.OwnPageShown) return;
    FlatPatternBuilder flat;
    ConeJob job = JobOf(run, flat);
    f.SideCutDisplay.visible = f.SideCutsCheckBox.checked;
    if (Def.IsCylinder) {
        ShowCylinderDimensions(job, true);
    } else if (State.IsObliqueCone) {
        ShowModifiedConeDimensions(job);
    } else {
        ShowRegularConeDimensions(job);
        f.SheetDataDisplay.visible = true;
    }
    if (f.SeamLineCheckBox.checked && !Def.IsCylinder)
        f.Label32.visible = f.SeamSpinBox.visible = f.SeamDisplay.visible = true;
    f.BendDisplay.visible = f.ConeBendLinesCheckBox.checked;
    ShowAreaAndWeight(job);
}

// What the outputs develop again: the definition, results and material of this calculation,
// its effective segment angle and whether its side cuts apply.
void ConeKind::Remember(KindRun& run) {
    developed_ = true;
    calculated_ = Def;
    calculatedState_ = State;
    material_ = run.Material;
    format_ = run.Format;
    ConeScratch scratch(*this, run.CircleResolution);
    segmentAngle_ = scratch.Job().EffectiveSegmentAngle();
    sideCutsApply_ = SideCutsApply(scratch.Job());
}

void ConeKind::AfterDispatch(KindRun& run) {
    SizeGridPlanes(run.Scene, Def);
    run.Host.ZoomSheet();
}

std::optional<double> ConeKind::BendAngle(int bends) const {
    // An oblique cone leaves the label alone.
    if (!Def.IsCylinder && State.IsObliqueCone) return std::nullopt;
    return 360.0 / (bends + 1);
}

void ConeKind::RefreshSharedLabels(FormModel& form, const DisplayFormat& format) const {
    RefreshBoundingBoxLabel(form, State, format);
}

ResultGroup ConeKind::Results() const {
    ResultGroup r;
    kTable.AddResults(Def, r);
    const ConeState& c = State;
    const std::pair<const char*, ResultValue> values[] = {
        {"IsCylinder", Def.IsCylinder},
        {"TopDiameterGiven", Def.TopDiameterGiven},
        {"BottomDiameterGiven", Def.BottomDiameterGiven},
        {"ConeHeightGiven", Def.ConeHeightGiven},
        {"SideAngleGiven", Def.SideAngleGiven},
        {"SideLengthGiven", Def.SideLengthGiven},
        {"IsObliqueCone", c.IsObliqueCone},
        {"FlatLargeRadius", c.FlatLargeRadius},
        {"FlatSmallRadius", c.FlatSmallRadius},
        {"FullFlatAngle", c.FullFlatAngle},
        {"FlatAngle", c.FlatAngle},
        {"PatternWidth", c.PatternWidth},
        {"PatternHeight", c.PatternHeight},
        {"InnerChord", c.InnerChord},
        {"OuterChord", c.OuterChord},
        {"OverlapPatternWidth", c.OverlapPatternWidth},
        {"OverlapPatternHeight", c.OverlapPatternHeight},
        {"OverlapInnerChord", c.OverlapInnerChord},
        {"OverlapOuterChord", c.OverlapOuterChord},
        {"SideCutTopAngle", c.SideCutTopAngle},
        {"SideCutBottomAngle", c.SideCutBottomAngle},
        {"SheetCount", c.SheetCount},
        {"SheetCountTurned", c.SheetCountTurned}};
    for (const auto& [name, value] : values)
        r.emplace_back(name, value);
    return r;
}

ConeScratch::ConeScratch(const ConeKind& kind, int circleResolution)
    : def_(kind.calculated_), state_(kind.calculatedState_),
      material_(kind.material_), job_{def_,
                                      material_,
                                      state_,
                                      form_,
                                      flat_,
                                      notices_,
                                      {busy_, keep_, circleResolution, false, false},
                                      kind.format_,
                                      0,
                                      {},
                                      {},
                                      {},
                                      true} {
    kind.formValues_.Apply(form_);
}

namespace {
// The angle of the cone one piece covers, as the development cut it: the flat angle's share of
// the full cone, or the strip's share of the perimeter; 0 for the whole ring.
double PieceAngle(const ConeDefinition& d, const ConeState& c) {
    if (c.IsObliqueCone) return 0;
    double share = 1;
    if (!d.IsCylinder && c.FullFlatAngle > 0) share = c.FlatAngle / c.FullFlatAngle;
    if (d.IsCylinder) {
        const double perimeter = EllipsePerimeter(d.TopEllipseWidth, d.TopDiameter);
        if (perimeter > 0) share = c.PatternWidth / perimeter;
    }
    return share > 0 && share < 1 - 1e-6 ? 360 * share : 0;
}
} // namespace

// The cone as the last calculation left it, with the side cut when it was shown: an arc length
// typed for an end stands for its chord.
FormedPart ConeKind::FormedSolid(const MaterialInputs&) const {
    if (!developed_) return {};
    const ConeDefinition& d = calculated_;
    ConeSolidInputs in;
    in.Shape = d.Shape();
    in.IsCylinder = d.IsCylinder;
    if (formValues_.ShowSideCuts) {
        in.TopCutWidth =
            d.TopArcLength > 0 ? ArcLengthToChord(d.TopArcLength, d.TopDiameter) : d.TopCutWidth;
        in.BottomCutWidth = d.BottomArcLength > 0
                                ? ArcLengthToChord(d.BottomArcLength, d.BottomDiameter)
                                : d.BottomCutWidth;
    }
    in.SegmentAngle = PieceAngle(d, calculatedState_);
    FormedPart part = ConeFormedPart(in);
    part.Thickness = material_.Thickness;
    return part;
}

} // namespace brevant
