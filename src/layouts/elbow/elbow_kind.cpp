// The segmented elbow's driver, its page and fields, and what it hands out.
#include "layouts/elbow/elbow_kind.h"

#include "core/messages.h"
#include "core/number_format.h"
#include "layouts/elbow/elbow_messages.h"
#include "layouts/elbow/elbow_model.h"
#include "layouts/elbow/elbow_pattern.h"
#include "layouts/field_table.h"
#include "layouts/kind_steps.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

using K = FieldKind;
using D = ElbowDefinition;
constexpr auto P = FieldPlace::InputPage;

// clang-format off
constexpr BoundField<D> kRows[] = {
    {{"ElbowDiameterEdit",   0, P, "ElbowDiameter",  K::Length, kFieldCleared, 1}, &D::ElbowDiameter},
    {{"ElbowRadiusEdit",     0, P, "ElbowRadius",    K::Length, kFieldCleared, 2}, &D::ElbowRadius},
    {{"ElbowAngleEdit",      0, P, "ElbowAngle",     K::Angle,  kFieldCleared, 3}, &D::ElbowAngle},
    {{"ElbowGoresLabel",     0, P, "ElbowGores",     K::Count,  0, 4, 0, kElbowMaxGores}, &D::ElbowGores},
    {{"ElbowDivisionsLabel", 0, P, "ElbowDivisions", K::Count,  0, 5, kElbowMinDivisions, kElbowMaxDivisions, kElbowDefaultDivisions}, &D::ElbowDivisions},
    {{"ElbowSeamCheckBox",   0, P, "ElbowSeam",      K::Flag,   0, 0}, &D::ElbowSeam},
    {{"ElbowStripCheckBox",  0, P, "ElbowStrip",     K::Flag,   0, 0}, &D::ElbowStrip},
};
// clang-format on
const FieldTable kTable(kRows);

constexpr PageRow kPageRows[] = {
    EditRow("Diameter:", "ElbowDiameterEdit", "ElbowDiameterUnit"),
    EditRow("Centreline Radius:", "ElbowRadiusEdit", "ElbowRadiusUnit"),
    AngleRow("Bend Angle:", "ElbowAngleEdit"),
    StepperRow("Middle Gores:", "ElbowGoresLabel", "ElbowGoresMinus", "ElbowGoresPlus"),
    StepperRow("Divisions per Quarter:", "ElbowDivisionsLabel", "ElbowDivisionsMinus",
               "ElbowDivisionsPlus"),
    CheckBoxRow("ElbowSeamCheckBox", "Seam at Heel"),
    CheckBoxRow("ElbowStripCheckBox", "Cut from One Strip")};
constexpr InputPage kPage{"ElbowInput", "Segmented Elbow",
                          "Requires Diameter, Centreline Radius and Bend Angle.", "ElbowCalculate",
                          kPageRows};

const char* Refusal(ElbowCheck check) {
    switch (check) {
    case ElbowCheck::AngleOutOfRange:
        return kMsgElbowAngle;
    case ElbowCheck::GoresOutOfRange:
        return kMsgElbowGores;
    case ElbowCheck::DivisionsOutOfRange:
        return kMsgElbowDivisions;
    case ElbowCheck::RadiusTooSmall:
        return kMsgElbowRadius;
    case ElbowCheck::JointTooSharp:
        return kMsgElbowJoint;
    default:
        return kMsgTooLargeToDraw;
    }
}

// The diameter of the plate's middle surface, from the diameter typed on the side given.
double MiddleDiameter(double typed, float thickness, int side) {
    if (side == kOutside) return typed - thickness;
    if (side == kInside) return typed + thickness;
    return typed;
}

void ShowElbowDisplay(FormModel& f, const ElbowSizes& s, const DisplayFormat& format,
                      const std::string& weight) {
    f.Label10.text = kTitleElbow;
    f.SegmentAngleEdit.visible = false;
    f.SegmentAngleEdit.text.clear();
    f.SegmentAngleCaption.visible = f.OverlapCaption.visible = f.Overlap.visible = false;
    for (Label* l :
         {&f.LargeRadiusCaption, &f.SmallRadiusCaption, &f.InnerCordCaption, &f.OuterCordCaption,
          &f.LargeRadius, &f.SmallRadius, &f.InnerCord, &f.OuterCord})
        l->visible = false;
    for (Label* l :
         {&f.WidthXCaption, &f.HeightYCaption, &f.AngleACaption, &f.WidthX, &f.HeightY, &f.AngleA})
        l->visible = true;
    // The strip: X round the duct, Y along it; A the turn of one joint.
    f.WidthX.text = format.Length(s.StripWidth);
    f.HeightY.text = format.Length(s.StripLength);
    f.AngleA.text = format.Value(s.MitreAngle);
    f.WeightLabel.text = weight;
    f.RegularDataDisplay.visible = true;
}

// The middle gore's three lengths, for the status line.
std::string GoreLengthsText(const ElbowSizes& s, const DisplayFormat& format) {
    return "Middle gore: heel " + format.Length(s.GoreHeel) + ", centreline " +
           format.Length(s.GoreCentre) + ", throat " + format.Length(s.GoreThroat);
}

// The text of one of the page's edits, as typed.
std::string TextOf(const FormModel& f, const std::string& edit) {
    const auto it = f.Edits().find(edit);
    return it == f.Edits().end() ? std::string() : it->second->text;
}

} // namespace

const InputPage& ElbowKind::Page() const {
    return kPage;
}

std::span<const InputField> ElbowKind::Fields() const {
    return kTable.Fields();
}

FieldTarget ElbowKind::Target(const InputField& field) {
    return kTable.Target(Def, field);
}

void ElbowKind::ClearInputs(FormModel& form) const {
    LayoutKind::ClearInputs(form);
    for (const InputField& f : Fields())
        if (f.kind == FieldKind::Count)
            form.FindLabel(f.control)->text = std::to_string(CountStart(f));
}

bool ElbowKind::Step(std::string_view control, int step, FormModel& form) {
    const InputField* f = FindFieldOfControl(Fields(), control);
    if (!f || f->kind != FieldKind::Count) return false;
    Label& label = *form.FindLabel(f->control);
    const int n = std::clamp(ParseInteger(label.text, f->min) + step, f->min, f->max);
    label.text = std::to_string(n);
    return true;
}

bool ElbowKind::CheckedInputs(KindRun& run, int& code) {
    code = kDriverDone;
    if (!ReadInputs(run) || !ReadMaterialInputs(run)) {
        code = kDriverBadNumber;
        return false;
    }
    Def.ElbowSeam = run.Form.FindCheckBox("ElbowSeamCheckBox")->checked;
    Def.ElbowStrip = run.Form.FindCheckBox("ElbowStripCheckBox")->checked;
    thickness_ = run.Material.Thickness;
    side_ = run.Material.Side;
    inputs_ = {MiddleDiameter(Def.ElbowDiameter, thickness_, side_),
               Def.ElbowRadius,
               Def.ElbowAngle,
               Def.ElbowGores,
               Def.ElbowDivisions,
               Def.ElbowSeam,
               Def.ElbowStrip};
    // Negative sizes count as not given, as an empty edit does; an angle is checked below.
    if (!(Def.ElbowDiameter > 0 && Def.ElbowRadius > 0) || Def.ElbowAngle == 0) {
        NotEnoughDimensions(run, kMsgNotEnough);
        code = kDriverNotEnough;
        return false;
    }
    if (!(inputs_.Diameter > 0)) {
        run.Notices.ShowMessageDialog(kMsgElbowThickness, "");
        return false;
    }
    const ElbowCheck check = CheckElbowInputs(inputs_);
    if (check == ElbowCheck::Ok) return true;
    run.Notices.ShowMessageDialog(Refusal(check), "");
    return false;
}

int ElbowKind::Calculate(KindRun& run) {
    if (!BeginDriver(run)) return kDriverDone;
    run.Host.ClearViews();
    run.Host.HideResultDisplays();
    pattern_ = {};
    run.PatternChanged = true;
    developed_ = false;
    layout_ = {};
    if (int code = 0; !CheckedInputs(run, code)) return code;
    sizes_ = ElbowSizesOf(inputs_);
    layout_ = LayOutElbow(inputs_);
    FlatPatternBuilder flat;
    DrawElbowPattern(flat, layout_, ElbowDrawing::Screen);
    pattern_ = flat.Take();
    run.CircleResolution = 4 * inputs_.Divisions;
    BuildElbowScene(run.Scene, inputs_);
    developed_ = true;
    const double weight = sizes_.SurfaceArea * thickness_ * MaterialDensity(run.MaterialMass);
    const std::string weightText =
        std::isfinite(weight)
            ? AreaWeightText(sizes_.SurfaceArea, weight, run.Format.Units,
                             MaterialDisplayName(run.MaterialName), run.Format.DecimalSeparator)
            : std::string(kNoValue);
    if (run.Form.ThicknessCheckBox.checked) run.Form.ThicknessDisplay.visible = true;
    ShowElbowDisplay(run.Form, sizes_, run.Format, weightText);
    run.Notices.ShowStatus(GoreLengthsText(sizes_, run.Format));
    return kDriverDone;
}

FlatPattern ElbowKind::PatternFor(PatternUse use) const {
    if (use == PatternUse::View || !developed_) return pattern_;
    FlatPatternBuilder flat;
    DrawElbowPattern(flat, layout_,
                     use == PatternUse::Print ? ElbowDrawing::Print : ElbowDrawing::File);
    return flat.Take();
}

std::optional<ViewFraming> ElbowKind::Framing(const PartScene& scene, UnitSystem) const {
    if (!developed_) return std::nullopt;
    double lo = 0, hi = 0;
    for (const TPathArray* ring : {&scene.FirstRing, &scene.SecondRing})
        for (const TDPoint& p : *ring) {
            lo = std::min(lo, p.y);
            hi = std::max(hi, p.y);
        }
    ViewFraming f;
    f.Framable = true;
    f.Height = std::max(hi - lo, inputs_.Diameter * scene.DisplayScale);
    f.CameraY = (lo + hi) / 2;
    return f;
}

KindWireFrame ElbowKind::WireFrameOf() const {
    KindWireFrame out;
    if (developed_)
        AddElbowWireFrame(out.Frame, inputs_);
    else
        out.Refusal = kMsgNoSolidPart;
    return out;
}

KindReport ElbowKind::Report(const DocumentContext& context) const {
    if (!developed_) return {false, {}, kMsgNoSolidPart};
    return {true, ElbowReportText(inputs_, context.Format, context.DefinitionName), {}};
}

DataSheetSection ElbowKind::DataSheet(const FormModel& f, const DocumentContext& c) const {
    constexpr SheetValue kLength = SheetValue::Length;
    constexpr SheetValue kAngle = SheetValue::Angle;
    DataSheetSection s(c.Format.Units);
    s.TitlePrefix = "Segmented Elbow-";
    s.Cell(2, 1, "Elbow Dimensions:");
    s.Cell(1, 2, "Diameter: ", TextOf(f, "ElbowDiameterEdit"), kLength);
    s.Cell(2, 2, "Centreline Radius: ", TextOf(f, "ElbowRadiusEdit"), kLength);
    s.Cell(3, 2, "Bend Angle: ", TextOf(f, "ElbowAngleEdit"), kAngle);
    s.Cell(1, 3, "Middle Gores: " + std::to_string(Def.ElbowGores));
    s.Cell(2, 3, std::string("Seam: ") + (Def.ElbowSeam ? "Heel" : "Throat"));
    s.Down(3, 3, std::string("One Strip: ") + (Def.ElbowStrip ? "Yes" : "No"));
    s.FileName(1, 4, c.DefinitionFile);
    if (!developed_) return s;
    const DisplayFormat& fm = c.Format;
    s.Down(1, 5, "Results: ");
    s.Rule();
    s.Cell(1, 6, "Mitre Angle: ", fm.Value(sizes_.MitreAngle), kAngle);
    s.Cell(2, 6, "Strip Width: ", fm.Length(sizes_.StripWidth), kLength);
    s.Cell(3, 6, "Strip Length: ", fm.Length(sizes_.StripLength), kLength);
    s.Cell(1, 7, "Gore Heel: ", fm.Length(sizes_.GoreHeel), kLength);
    s.Cell(2, 7, "Gore Centreline: ", fm.Length(sizes_.GoreCentre), kLength);
    s.Down(3, 7, "Gore Throat: ", fm.Length(sizes_.GoreThroat), kLength);
    if (f.ThicknessCheckBox.checked) {
        s.Down(1, 8, "Thickness: ", f.ThicknessEdit.text, kLength);
        s.AreaWeight(2, 8, f.WeightLabel.text);
    }
    return s;
}

ResultGroup ElbowKind::Results() const {
    ResultGroup r;
    kTable.AddResults(Def, r);
    if (!developed_) return r;
    r.emplace_back("Elbow", ResultGroup{{"MitreAngle", sizes_.MitreAngle},
                                        {"GoreHeel", sizes_.GoreHeel},
                                        {"GoreCentre", sizes_.GoreCentre},
                                        {"GoreThroat", sizes_.GoreThroat},
                                        {"StripWidth", sizes_.StripWidth},
                                        {"StripLength", sizes_.StripLength},
                                        {"SurfaceArea", sizes_.SurfaceArea},
                                        {"DevelopedDiameter", inputs_.Diameter},
                                        {"Pieces", static_cast<int>(layout_.Pieces.size())}});
    return r;
}

FormedPart ElbowKind::FormedSolid(const MaterialInputs&) const {
    if (!developed_) return {};
    FormedPart part = ElbowFormedPart(inputs_);
    part.Thickness = thickness_;
    return part;
}

} // namespace brevant
