// The spiral flight's driver, its page and fields, and what it hands out.
#include "layouts/spiral/spiral_kind.h"

#include "core/messages.h"
#include "layouts/field_table.h"
#include "layouts/kind_steps.h"
#include "layouts/spiral/spiral_display.h"
#include "layouts/spiral/spiral_formed.h"
#include "layouts/spiral/spiral_pattern.h"

namespace brevant {

namespace {

using K = FieldKind;
constexpr unsigned kPageField = kFieldCleared | kFieldKeepsText;

// clang-format off
constexpr BoundField<SpiralDefinition> kRows[] = {
    {{"SpiralODEdit",    0, FieldPlace::InputPage, "SpiralOD",    K::Length, kPageField}, &SpiralDefinition::SpiralOD},
    {{"SpiralIDEdit",    0, FieldPlace::InputPage, "SpiralID",    K::Length, kPageField}, &SpiralDefinition::SpiralID},
    {{"SpiralPitchEdit", 0, FieldPlace::InputPage, "SpiralPitch", K::Length, kPageField}, &SpiralDefinition::SpiralPitch},
};
// clang-format on
const FieldTable kTable(kRows);

constexpr PageRow kPageRows[] = {EditRow("Outside Diameter:", "SpiralODEdit", "Label71"),
                                 EditRow("Inside Diameter:", "SpiralIDEdit", "Label72"),
                                 EditRow("Pitch:", "SpiralPitchEdit", "Label73")};
constexpr InputPage kPage{"SpiralInput", "Spiral Flight", "Requires ID, OD and Pitch", "Button1",
                          kPageRows};

} // namespace

const InputPage& SpiralKind::Page() const {
    return kPage;
}

std::span<const InputField> SpiralKind::Fields() const {
    return kTable.Fields();
}

FieldTarget SpiralKind::Target(const InputField& field) {
    return kTable.Target(Def, field);
}

void SpiralKind::ClearInputs(FormModel& form) const {
    LayoutKind::ClearInputs(form);
    form.ThicknessEdit.text.clear();
}

bool SpiralKind::ReadOwnInputs(KindRun& run) {
    if (!ReadPageLengths(run, *this)) return false;
    if (Def.SpiralOD == 0 && Def.SpiralID == 0 && Def.SpiralPitch == 0) return false;
    const int given = (Def.SpiralOD > 0) + (Def.SpiralID > 0) + (Def.SpiralPitch > 0);
    if (given == 1 || given == 2) {
        run.Notices.ShowMessageDialog(kMsgNotEnough, "");
        return false;
    }
    return ReadLength(run, run.Form.ThicknessEdit, Def.SpiralThickness);
}

int SpiralKind::Calculate(KindRun& run) {
    if (!BeginDriver(run)) return kDriverDone;
    run.Host.ClearViews();
    pattern_ = {};
    run.PatternChanged = true;
    // A print or 3D export after a refused Calculate must not show the flight before it.
    Flight = SpiralResults{};
    Helices = SpiralModel{};
    if (!ReadOwnInputs(run)) {
        run.Host.HideResultDisplays();
        return kDriverBadNumber;
    }
    const double od = Def.SpiralOD, id = Def.SpiralID, pitch = Def.SpiralPitch;
    // Negative sizes count as not given, as an empty edit does: no ring can be made of them.
    if (!(od > 0 && id > 0 && pitch > 0)) {
        NotEnoughDimensions(run, kMsgNotEnough);
        return kDriverNotEnough;
    }
    if (id >= od) {
        run.Notices.ShowMessageDialog(kMsgSmallRadiusLarger, "");
        return kDriverDone;
    }
    run.CircleResolution = 40;
    Helices = BuildSpiralModel(od, id, pitch, run.CircleResolution);
    BuildSpiralMesh(run.Scene, Helices.OuterHelix, Helices.InnerHelix, od, id, pitch);
    run.Form.RegularDataDisplay.visible = false;
    FlatPatternBuilder flat;
    const bool drawn = DrawSpiralFlightPattern(flat, od, id, pitch, Flight);
    pattern_ = flat.Take();
    run.Host.HideResultDisplays();
    // A ring beyond the drawing's range says so rather than show an empty view beside sizes
    // that single precision can no longer hold.
    if (!drawn) {
        run.Notices.ShowStatus(kMsgTooLargeToDraw);
        return kDriverDone;
    }
    ShowSpiralFlightDisplay(run.Form, Flight, run.Format,
                            {Def.SpiralThickness, MaterialDensity(run.MaterialMass),
                             MaterialDisplayName(run.MaterialName)});
    return kDriverDone;
}

FlatPattern SpiralKind::PatternFor(PatternUse use) const {
    if (use != PatternUse::Print) return pattern_;
    SpiralResults ring = Flight;
    SilentNotices silent;
    FlatPatternBuilder flat;
    DrawSpiralFlightForPrint(flat, ring, silent);
    return flat.Take();
}

std::optional<ViewFraming> SpiralKind::Framing(const PartScene& scene, UnitSystem) const {
    ViewFraming f;
    f.Framable = true;
    f.Height = Def.SpiralOD * scene.DisplayScale;
    f.CameraY = 0; // level with the shaft
    return f;
}

KindWireFrame SpiralKind::WireFrameOf() const {
    KindWireFrame out;
    AddSpiralWireFrame(out.Frame, Helices);
    return out;
}

KindReport SpiralKind::Report(const DocumentContext&) const {
    return {false, {}, kMsgNotImplementedSpiral};
}

DataSheetSection SpiralKind::DataSheet(const FormModel& f, const DocumentContext& c) const {
    constexpr SheetValue kLength = SheetValue::Length;
    DataSheetSection s(c.Format.Units);
    s.TitlePrefix = "Spiral Flight-";
    s.Cell(2, 1, "Spiral Dimensions:");
    s.Cell(1, 2, "Outside Diameter: ", f.SpiralODEdit.text, kLength);
    s.Cell(2, 2, "Inside Diameter: ", f.SpiralIDEdit.text, kLength);
    s.Cell(3, 2, "Pitch: ", f.SpiralPitchEdit.text, kLength);
    s.FileName(1, 3, c.DefinitionFile);
    s.Down(1, 4, "Results: ");
    s.Rule();
    s.Cell(1, 5, "Large Radius: ", f.LargeRadius.text, kLength);
    s.Cell(2, 5, "Small Radius: ", f.SmallRadius.text, kLength);
    s.Cell(3, 5, "Width X: ", f.WidthX.text, kLength);
    s.Cell(1, 6, "Height Y: ", f.HeightY.text, kLength);
    s.Cell(2, 6, "Angle A: ", f.AngleA.text, SheetValue::Angle);
    s.Cell(3, 6, "Inner Cord: ", f.InnerCord.text, kLength);
    s.Down(1, 7, "Outer Cord: ", f.OuterCord.text, kLength);
    if (f.ThicknessCheckBox.checked) {
        s.Down(1, 8, "Thickness: ", f.ThicknessEdit.text, kLength);
        s.AreaWeight(2, 8, f.WeightLabel.text);
    }
    return s;
}

ResultGroup SpiralKind::Results() const {
    ResultGroup r;
    kTable.AddResults(Def, r);
    r.emplace_back("SpiralThickness", Def.SpiralThickness);
    r.emplace_back("SpiralOuterRadius", Flight.SpiralOuterRadius);
    r.emplace_back("SpiralInnerRadius", Flight.SpiralInnerRadius);
    r.emplace_back("SpiralFlatAngle", Flight.SpiralFlatAngle);
    r.emplace_back("SpiralOuterChord", Flight.SpiralOuterChord);
    r.emplace_back("SpiralInnerChord", Flight.SpiralInnerChord);
    r.emplace_back("SpiralPatternWidth", Flight.SpiralPatternWidth);
    r.emplace_back("SpiralPatternHeight", Flight.SpiralPatternHeight);
    return r;
}

FormedPart SpiralKind::FormedSolid(const MaterialInputs&) const {
    if (Helices.OuterHelix.empty()) return {};
    FormedPart part = SpiralFormedPart(Def.SpiralOD, Def.SpiralID, Def.SpiralPitch);
    part.Thickness = Def.SpiralThickness;
    return part;
}

} // namespace brevant
