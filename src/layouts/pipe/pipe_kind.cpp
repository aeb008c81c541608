// The pipe intersection's driver, its page and fields, and what it hands out.
#include "layouts/pipe/pipe_kind.h"

#include "core/messages.h"
#include "layouts/field_table.h"
#include "layouts/kind_steps.h"
#include "layouts/pipe/pipe_formed.h"
#include "layouts/pipe/pipe_model.h"
#include "layouts/pipe/pipe_pattern.h"

#include <algorithm>

namespace brevant {

namespace {

using K = FieldKind;
constexpr unsigned kPageField = kFieldCleared | kFieldKeepsText;

// clang-format off
constexpr BoundField<PipeDefinition> kRows[] = {
    {{"BigPipeDiaEdit",   0, FieldPlace::InputPage, "PipeBigOD",   K::Length, kPageField}, &PipeDefinition::PipeBigOD},
    {{"SmallPipeDiaEdit", 0, FieldPlace::InputPage, "PipeSmallOD", K::Length, kPageField}, &PipeDefinition::PipeSmallOD},
    {{"PipeOffsetEdit",   0, FieldPlace::InputPage, "PipeOffset",  K::Length, kPageField}, &PipeDefinition::PipeOffset},
};
// clang-format on
const FieldTable kTable(kRows);

// The pipe's wall thickness is the thickness edit of the sheet tab, whose panels the pipe hides;
// here it can be typed on the pipe's own page.
constexpr PageRow kPageRows[] = {EditRow("Main Pipe Dia:", "BigPipeDiaEdit", "Label79"),
                                 EditRow("Small Pipe Dia:", "SmallPipeDiaEdit", "Label80"),
                                 EditRow("Offset Dist:", "PipeOffsetEdit", "Label81"),
                                 SharedEditRow("Material Thickness:", "ThicknessEdit", "Label54",
                                               "PipeThicknessEdit", "PipeThicknessUnit")};
constexpr InputPage kPage{"PipeInput", "Pipe Intersection",
                          "Requires Both Pipe Diameters. Optional Offset.", "Button4", kPageRows};

// Ring points of the 3D wire frame.
constexpr int kWireFramePoints = 40;

// The message of inputs that give no cut ring, as the driver words it.
const char* Refusal(PipeCheck check) {
    switch (check) {
    case PipeCheck::BranchLarger:
        return kMsgPipeLarger;
    case PipeCheck::BranchOutside:
        return kMsgPipeOutside;
    default:
        return kMsgTooLargeToDraw;
    }
}

// The checks that stop the driver, with their messages; true when the inputs are usable.
bool Checked(KindRun& run, PipeCheck check, int& code) {
    code = kDriverDone;
    switch (check) {
    case PipeCheck::NotEnough:
        NotEnoughDimensions(run, kMsgNotEnough);
        code = kDriverNotEnough;
        return false;
    case PipeCheck::BranchLarger:
    case PipeCheck::BranchOutside:
        run.Notices.ShowMessageDialog(Refusal(check), "");
        return false;
    case PipeCheck::TooLarge:
        // Without this the view would stay empty without a word.
        run.Form.StatusLabel.text = kMsgTooLargeToDraw;
        return false;
    case PipeCheck::Ok:
        break;
    }
    return true;
}

} // namespace

const InputPage& PipeKind::Page() const {
    return kPage;
}

std::span<const InputField> PipeKind::Fields() const {
    return kTable.Fields();
}

FieldTarget PipeKind::Target(const InputField& field) {
    return kTable.Target(Def, field);
}

bool PipeKind::ReadOwnInputs(KindRun& run) {
    if (!ReadPageLengths(run, *this)) return false;
    if (Def.PipeBigOD == 0 && Def.PipeSmallOD == 0) return false;
    if (!(Def.PipeBigOD > 0 && Def.PipeSmallOD > 0)) {
        run.Notices.ShowMessageDialog(kMsgNotEnough, "");
        return false;
    }
    // The pipe's wall thickness is its own: the material thickness is left alone.
    return ReadLength(run, run.Form.ThicknessEdit, State.MaterialThickness);
}

int PipeKind::Calculate(KindRun& run) {
    if (!BeginDriver(run)) return kDriverDone;
    run.Host.ClearViews();
    pattern_ = {};
    run.PatternChanged = true;
    run.Host.HideResultDisplays();
    ClearPipeResults(State);
    if (!ReadOwnInputs(run)) return kDriverBadNumber;
    run.Host.ClearViews();
    const PipeInputs in = Inputs();
    if (int code = 0; !Checked(run, CheckPipeInputs(in), code)) return code;
    run.CircleResolution = 40;
    State.Model = BuildPipeModel(in, run.CircleResolution);
    BuildPipeMesh(run.Scene, State.Model.AxisRing, State.Model.FarRing, in.MainDiameter,
                  in.BranchDiameter);
    FlatPatternBuilder flat;
    bool print = false;
    DrawPipePattern(flat, in, print);
    pattern_ = flat.Take();
    StorePipeResults(State, in);
    // The pipe intersection has no result display: the displays stay hidden.
    run.Form.RegularDataDisplay.visible = false;
    return kDriverDone;
}

FlatPattern PipeKind::PatternFor(PatternUse use) const {
    if (use != PatternUse::Print) return pattern_;
    // The print shows the cut curve alone, at the finer division.
    FlatPatternBuilder flat;
    const PipeInputs in = Inputs();
    bool print = true;
    if (CheckPipeInputs(in) == PipeCheck::Ok) DrawPipePattern(flat, in, print);
    return flat.Take();
}

std::optional<ViewFraming> PipeKind::Framing(const PartScene& scene, UnitSystem) const {
    ViewFraming f;
    f.Framable = true;
    f.Height = scene.Shaft.Height; // the main pipe as shown
    f.CameraY = 0;
    return f;
}

KindWireFrame PipeKind::WireFrameOf() const {
    KindWireFrame out;
    const PipeInputs in = Inputs();
    const PipeCheck check = CheckPipeInputs(in);
    const bool refused = check != PipeCheck::Ok && check != PipeCheck::NotEnough;
    if (refused || !AddPipeWireFrame(out.Frame, in, kWireFramePoints)) {
        out.Frame = {};
        out.Refusal = Refusal(check);
    }
    return out;
}

KindReport PipeKind::Report(const DocumentContext&) const {
    return {false, {}, kMsgNotImplementedPipe};
}

DataSheetSection PipeKind::DataSheet(const FormModel& f, const DocumentContext& c) const {
    constexpr SheetValue kLength = SheetValue::Length;
    DataSheetSection s(c.Format.Units);
    s.TitlePrefix = "Pipe Intersection-";
    s.Cell(2, 1, "Pipe Dimensions:");
    s.Cell(1, 2, "Main Pipe Diameter: ", f.BigPipeDiaEdit.text, kLength);
    s.Cell(2, 2, "Small Pipe Diameter: ", f.SmallPipeDiaEdit.text, kLength);
    s.Down(3, 2, "Offset: ", f.PipeOffsetEdit.text, kLength);
    s.Cell(1, 3, "Material Thickness: ", f.ThicknessEdit.text, kLength);
    s.FileName(1, 4, c.DefinitionFile);
    if (!State.Developed || State.CutHeights.empty()) return s;
    // The strip round the branch: its length and the heights of the cut curve above its
    // straight edge.
    const auto [lowest, highest] =
        std::minmax_element(State.CutHeights.begin(), State.CutHeights.end());
    s.Down(1, 5, "Results: ");
    s.Rule();
    s.Cell(1, 6, "Pattern Width: ", c.Format.Length(State.PatternWidth), kLength);
    s.Cell(2, 6, "Pattern Height: ", c.Format.Length(*highest), kLength);
    s.Down(3, 6, "Least Height: ", c.Format.Length(*lowest), kLength);
    return s;
}

ResultGroup PipeKind::Results() const {
    ResultGroup r;
    kTable.AddResults(Def, r);
    r.emplace_back("PipeMaterialThickness", State.MaterialThickness);
    r.emplace_back("PipeDeveloped", State.Developed);
    r.emplace_back("PipePatternWidth", State.PatternWidth);
    r.emplace_back("PipeReferenceDistance", State.ReferenceDistance);
    r.emplace_back("PipeCutHeights", ResultNumbers(State.CutHeights));
    r.emplace_back("PipeRingPoints", State.Model.FarRing.size());
    return r;
}

FormedPart PipeKind::FormedSolid(const MaterialInputs&) const {
    if (!State.Developed) return {};
    FormedPart part = PipeFormedPart(Inputs());
    part.Thickness = State.MaterialThickness;
    return part;
}

} // namespace brevant
