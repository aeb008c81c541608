// The square to round's driver, its page and fields, and what it hands out.
#include "layouts/square/square_kind.h"

#include "caddraw/flat_pattern_builder.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "layouts/field_table.h"
#include "layouts/kind_steps.h"
#include "layouts/square/square_display.h"
#include "layouts/square/square_formed.h"
#include "layouts/square/square_pattern.h"

#include <algorithm>
#include <cmath>

namespace brevant {

namespace {

using K = FieldKind;
using P = FieldPlace;
using D = SquareDefinition;
constexpr unsigned kC = kFieldCleared;

// The top angle's edit carries tag 20, which the commit handler leaves alone.
// clang-format off
constexpr BoundField<D> kRows[] = {
//    control              tag place        key                  kind      flags              read
    {{"SquareHeight",        1, P::InputPage, "SquareHeight",      K::Length, kC,                 23}, &D::SquareHeight},
    {{"SquareTopDiameter",   2, P::InputPage, "SquareTopDiameter", K::Length, kC,                 24}, &D::SquareTopDiameter},
    {{"SquareTopAngle",     20, P::InputPage, "SquareTopAngle",    K::Angle,  kC | kFieldNoCommit, 20}, &D::SquareTopAngle},
    {{"SquareWidth",        16, P::InputPage, "SquareWidth",       K::Length, kC,                 18}, &D::SquareWidth},
    {{"SquareLength",       17, P::InputPage, "SquareLength",      K::Length, kC,                 19}, &D::SquareLength},
    {{"SquareTopXShift",    18, P::InputPage, "SquareTopXShift",   K::Length, kC,                 21}, &D::SquareTopXShift},
    {{"SquareTopYShift",    19, P::InputPage, "SquareTopYShift",   K::Length, kC,                 22}, &D::SquareTopYShift},
    {{"HalfPatternCheckBox", 0, P::InputPage, "SquareHalfPattern", K::Flag,   0,                   0}, &D::SquareHalfPattern},
    {{"NumberOfBendsLabel",  0, P::InputPage, "BendsPerCorner",    K::Count,  0,                  26, kSquareMinBends, kSquareMaxBends}, &D::BendsPerCorner},
};
// clang-format on
const FieldTable kTable(kRows);

constexpr PageRow kPageRows[] = {
    EditRow("Top Diameter:", "SquareTopDiameter", "UnitLabel20"),
    EditRow("Bottom Width:", "SquareWidth", "UnitLabel21"),
    EditRow("Bottom Length:", "SquareLength", "UnitLabel22"),
    EditRow("Height:", "SquareHeight", "UnitLabel23"),
    RuleRow(),
    TextRow("Enter Modifiers"),
    StepperRow("Bends Per Corner:", "NumberOfBendsLabel", "SpeedButton1", "PlusButton"),
    EditRow("Top X Shift:", "SquareTopXShift", "UnitLabel24"),
    EditRow("Top Y Shift:", "SquareTopYShift", "UnitLabel25"),
    AngleRow("Top Angle:", "SquareTopAngle"),
    CheckBoxRow("HalfPatternCheckBox"),
};
constexpr InputPage kPage{"SquareInput", "Square to Round", "Requires Top Dia. Width, Height",
                          "CalculateSquareButton", kPageRows};

// Ring points of the 3D wire frame's rings come from the model: 4 per bend per corner.

// A size below 0.01, or a number too large to be a number, cannot be developed.
bool TooSmallOrUnusable(const SquareDefinition& d) {
    for (float v : {d.SquareTopDiameter, d.SquareWidth, d.SquareLength, d.SquareHeight})
        if (v < 0.01f || !std::isfinite(v)) return true;
    for (float v : {d.SquareTopXShift, d.SquareTopYShift, d.SquareTopAngle})
        if (!std::isfinite(v)) return true;
    return false;
}

// The end-plane pivots and the surface of the square to round's scene.
void BuildScene(PartScene& s, const SquareDefinition& d, const SquareModel& m) {
    s.BottomPivotRotationZ = 0;
    s.TopPivotPosition = {d.SquareTopXShift, -double(d.SquareHeight), d.SquareTopYShift};
    s.TopPivotRotationZ = d.SquareTopAngle;
    // The model's size is the larger of its base and its height.
    SetRingSurface(s, m.TopRing, m.BottomRing, std::max<double>(d.SquareWidth, d.SquareHeight),
                   SceneOverlay::WireFrame);
}

} // namespace

int SetBendsPerCorner(FormModel& form, int n) {
    n = std::clamp(n, kSquareMinBends, kSquareMaxBends);
    form.NumberOfBendsLabel.text = std::to_string(n);
    return n;
}

const InputPage& SquareKind::Page() const {
    return kPage;
}

std::span<const InputField> SquareKind::Fields() const {
    return kTable.Fields();
}

FieldTarget SquareKind::Target(const InputField& field) {
    return kTable.Target(Def, field);
}

void SquareKind::BeforeDispatch(FormModel& form) {
    // A shifted or tilted top is not symmetric about both axes: no half pattern.
    if (Def.SquareTopXShift != 0 || Def.SquareTopYShift != 0 || Def.SquareTopAngle != 0)
        form.HalfPatternCheckBox.checked = false;
}

bool SquareKind::ReadInputs(KindRun& run) {
    for (const InputField* f : ReadOrder(Fields())) {
        Edit* edit = run.Form.FindEdit(f->control);
        // An empty or zero length takes the width, and the edit shows the width's text.
        if (f->key == std::string_view("SquareLength")) {
            if (edit->text.empty()) {
                Def.SquareLength = Def.SquareWidth;
                continue;
            }
            if (!ReadLength(run, *edit, Def.SquareLength)) return false;
            if (Def.SquareLength == 0) {
                Def.SquareLength = Def.SquareWidth;
                edit->text = run.Form.SquareWidth.text;
            }
            continue;
        }
        if (!ReadFieldValue(run, *f, Target(*f))) return false;
    }
    return ReadMaterialInputs(run);
}

int SquareKind::Calculate(KindRun& run) {
    if (!BeginDriver(run)) return kDriverDone;
    if (!ReadInputs(run)) {
        run.Host.HideResultDisplays();
        return kDriverBadNumber;
    }
    run.Host.ClearViews();
    pattern_ = {};
    run.PatternChanged = true;
    SquareDefinition& d = Def;
    // The stepper keeps 4..10; a number typed into a definition file may not be.
    d.BendsPerCorner = SetBendsPerCorner(run.Form, d.BendsPerCorner);
    run.CircleResolution = 4 * d.BendsPerCorner;
    if (d.SquareWidth > 0 && d.SquareLength == 0) d.SquareLength = d.SquareWidth;
    if (!(d.SquareTopDiameter > 0 && d.SquareWidth > 0 && d.SquareHeight > 0)) {
        NotEnoughDimensions(run, kMsgNotEnough);
        return kDriverNotEnough;
    }
    if (TooSmallOrUnusable(d)) {
        // Also when quiet: a value this small is a typing slip.
        run.Notices.ShowMessageDialog(kMsgNotEnough, "");
        return kDriverNotEnough;
    }
    d.SquareHalfPattern = run.Form.HalfPatternCheckBox.checked;
    return Develop(run);
}

int SquareKind::Develop(KindRun& run) {
    const SquareShape shape = Def.Shape();
    Square.Model = BuildSquareModel(shape);
    BuildScene(run.Scene, Def, Square.Model);
    const int fans = SquareFanCount(shape, Def.SquareHalfPattern);
    const SquarePattern pattern = DevelopSquarePattern(Square.Model, shape, fans);
    run.Form.RegularDataDisplay.visible = false;
    FlatPatternBuilder flat;
    const int code = DevelopSquareToRound(flat, pattern, fans == 2 ? 2 : 1, run.Notices);
    pattern_ = flat.Take();
    if (code == kDriverDone) {
        Square.BoxWidth = pattern.BoxWidth();
        Square.BoxHeight = pattern.BoxHeight();
        run.Host.HideResultDisplays();
        ShowSquareToRoundDisplay(run.Form, Square.BoxWidth, Square.BoxHeight, run.Format);
    }
    return code;
}

bool SquareKind::Step(std::string_view control, int step, FormModel& form) {
    if (control != "NumberOfBendsLabel") return false;
    SetBendsPerCorner(form, ParseInteger(form.NumberOfBendsLabel.text, 4) + step);
    return true;
}

std::optional<double> SquareKind::BendAngle(int bends) const {
    return 360.0 / (4.0 * bends);
}

std::optional<ViewFraming> SquareKind::Framing(const PartScene& s, UnitSystem units) const {
    ViewFraming f;
    f.Framable = Def.SquareTopDiameter != 0 && Def.SquareHeight != 0;
    f.Height = Def.SquareHeight * s.DisplayScale;
    f.CameraY = units == kCentimeters ? -f.Height : -f.Height / 2;
    f.MovesTopPivotX = f.MovesTopPivotZ = true;
    f.TopPivotX = Def.SquareTopXShift * s.DisplayScale;
    f.TopPivotZ = Def.SquareTopYShift * s.DisplayScale;
    return f;
}

KindWireFrame SquareKind::WireFrameOf() const {
    KindWireFrame out;
    SquareShape shape = Def.Shape();
    if (shape.L == 0) shape.L = shape.W;
    const SquareModel model = BuildSquareModel(shape);
    AddRingWireFrame(out.Frame, model.TopRing, model.BottomRing,
                     {shape.XShift, shape.ZShift, shape.H});
    return out;
}

KindReport SquareKind::Report(const DocumentContext& c) const {
    return {true,
            SquareBendReportText(Square.Model.Generators, Square.Model.BendsPerCorner,
                                 c.DefinitionName, c.Format.Units, c.Format.DecimalSeparator),
            {}};
}

DataSheetSection SquareKind::DataSheet(const FormModel& f, const DocumentContext& c) const {
    constexpr SheetValue kLength = SheetValue::Length;
    DataSheetSection s(c.Format.Units);
    s.TitlePrefix = "Square-";
    s.Cell(2, 1, "Square to Round Dimensions:");
    s.Cell(1, 2, "Square Width: ", f.SquareWidth.text, kLength);
    s.Cell(2, 2, "Top Diameter: ", f.SquareTopDiameter.text, kLength);
    s.Cell(3, 2, "Height: ", f.SquareHeight.text, kLength);
    s.Down(1, 3, "Square Length: ", f.SquareLength.text, kLength);
    s.Cell(3, 3, "Units: " + c.UnitsLongName);
    s.FileName(1, 5, c.DefinitionFile);
    s.Cell(1, 6, "Top X Shift: ", f.SquareTopXShift.text, kLength);
    s.Cell(2, 7, "Top Angle: ", f.SquareTopAngle.text, SheetValue::Angle);
    s.Cell(1, 7, "Top Y Shift: ", f.SquareTopYShift.text, kLength);
    s.Down(1, 8, "Number of Corner Bends: " + std::to_string(Def.BendsPerCorner));
    if (pattern_.Empty()) return s;
    // The size of the pattern, as the result display shows it.
    s.Down(1, 9, "Results: ");
    s.Rule();
    s.Cell(1, 10, "Width X: ", c.Format.Length(Square.BoxWidth), kLength);
    s.Down(2, 10, "Height Y: ", c.Format.Length(Square.BoxHeight), kLength);
    return s;
}

ResultGroup SquareKind::Results() const {
    ResultGroup r;
    kTable.AddResults(Def, r);
    const SquareModel& m = Square.Model;
    ResultList table;
    for (const TSquarePoints& g : m.Generators)
        table.emplace_back(ResultGroup{{"top_x", g.top_x},
                                       {"top_y", g.top_y},
                                       {"top_z", g.top_z},
                                       {"bot_x", g.bot_x},
                                       {"bot_y", g.bot_y},
                                       {"bot_z", g.bot_z},
                                       {"length", g.length},
                                       {"angle", g.angle},
                                       {"circle_array_index", g.circle_array_index}});
    r.emplace_back(
        "SquareToRound",
        ResultGroup{{"TTrueLengthArray", table},
                    {"BendAngles", ResultNumbers(SquareBendAngles(m.Generators, m.BendsPerCorner))},
                    {"BoxWidth", Square.BoxWidth},
                    {"BoxHeight", Square.BoxHeight}});
    return r;
}

FormedPart SquareKind::FormedSolid(const MaterialInputs& material) const {
    if (Square.Model.TopRing.empty()) return {};
    SquareShape shape = Def.Shape();
    if (shape.L == 0) shape.L = shape.W;
    FormedPart part = SquareFormedPart(Square.Model, shape);
    part.Thickness = material.Thickness;
    return part;
}

} // namespace brevant
