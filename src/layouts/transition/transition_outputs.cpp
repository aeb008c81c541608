// What the transition kind hands out from its last calculation: framing, wire frame, report,
// data sheet, results and the formed part.
#include "layouts/transition/transition_outputs.h"

#include "core/number_format.h"
#include "core/units.h"
#include "geometry/wire_frame.h"

namespace brevant {

namespace {

const char* ShapeName(SectionShape s) {
    switch (s) {
    case SectionShape::Round:
        return "Round";
    case SectionShape::Obround:
        return "Obround";
    case SectionShape::Rectangle:
        break;
    }
    return "Rectangle";
}

std::string SectionText(const SectionSize& s, const DisplayFormat& f) {
    std::string text = std::string(ShapeName(s.Shape)) + " " + f.Length(s.Width);
    if (s.Shape != SectionShape::Round) text += " x " + f.Length(s.Length);
    if (s.Shape == SectionShape::Rectangle && s.Radius > 0) text += " R " + f.Length(s.Radius);
    return text;
}

} // namespace

std::string TransitionReportText(const TransitionFlat& flat, const std::string& name,
                                 const DisplayFormat& format) {
    constexpr const char* kEol = "\r\n";
    std::string text = name + kEol + "Bend Angles For Transition" + kEol +
                       UnitLongName(format.Units) + kEol + "***************" + kEol +
                       "First Line is the Seam on the Right Side" + kEol +
                       "(right side in top view of model, going counter-clockwise)" + kEol;
    const size_t count = flat.TrueLengths.size();
    for (size_t k = 0; k < count; ++k) {
        text += "(" + std::to_string(k + 1) + ") Length=" + format.Length(flat.TrueLengths[k]) +
                " Bend Angle=" + FormatFixed(flat.BendAngles[k], 2, format.DecimalSeparator);
        if (k == 0 || k + 1 == count)
            text += " Seam";
        else if (!flat.IsBend(k))
            text += " No Bend";
        text += kEol;
    }
    return text;
}

std::optional<ViewFraming> TransitionKind::Framing(const PartScene& s, UnitSystem) const {
    ViewFraming f;
    f.Framable = Last.Made;
    f.Height = Last.Part.Height * s.DisplayScale;
    f.CameraY = -f.Height / 2;
    f.MovesTopPivotX = f.MovesTopPivotZ = true;
    f.TopPivotX = Last.Part.XShift * s.DisplayScale;
    f.TopPivotZ = Last.Part.YShift * s.DisplayScale;
    return f;
}

KindWireFrame TransitionKind::WireFrameOf() const {
    KindWireFrame out;
    if (!Last.Made) {
        out.Refusal = kMsgTransitionNotCalculated;
        return out;
    }
    TPathArray top, bottom;
    TransitionRings(Last.Whole, top, bottom);
    AddRingWireFrame(out.Frame, top, bottom,
                     {Last.Part.XShift, Last.Part.YShift, Last.Part.Height});
    return out;
}

KindReport TransitionKind::Report(const DocumentContext& c) const {
    if (!Last.Made) return {false, {}, kMsgTransitionNotCalculated};
    return {true, TransitionReportText(Last.Flat, c.DefinitionName, c.Format), {}};
}

DataSheetSection TransitionKind::DataSheet(const FormModel& f, const DocumentContext& c) const {
    constexpr SheetValue kLength = SheetValue::Length;
    const DisplayFormat& fm = c.Format;
    DataSheetSection s(fm.Units);
    s.TitlePrefix = "Transition-";
    // The sizes as typed, on the side of the plate they are given on.
    const TransitionPart typed = Def.Inputs(MaterialInputs{}).Part;
    s.Cell(2, 1, "Transition Dimensions:");
    s.Cell(1, 2, "Bottom: ", SectionText(typed.Bottom, fm), kLength);
    s.Cell(2, 2, "Top: ", SectionText(typed.Top, fm), kLength);
    s.Cell(3, 2, "Height: ", fm.Length(Last.Part.Height), kLength);
    s.Cell(3, 3, "Units: " + c.UnitsLongName);
    s.FileName(1, 5, c.DefinitionFile);
    s.Cell(1, 6, "Top X Shift: ", fm.Length(Last.Part.XShift), kLength);
    s.Cell(2, 6, "Top Angle: ", fm.Value(Last.Part.TopAngle), SheetValue::Angle);
    s.Cell(1, 7, "Top Y Shift: ", fm.Length(Last.Part.YShift), kLength);
    s.Cell(2, 7, "Divisions: " + std::to_string(Def.TransitionDivisions));
    if (!Last.Made) return s;
    // The pattern's size as the result display shows it, then its area and weight.
    s.Cell(1, 8, "Width X: ", fm.Length(Last.Flat.Width()), kLength);
    s.Down(2, 8, "Height Y: ", fm.Length(Last.Flat.Height()), kLength);
    s.AreaWeight(1, 9, f.WeightLabel.text, true);
    return s;
}

ResultGroup TransitionResultGroup(const TransitionResults& last) {
    const TransitionFlat& flat = last.Flat;
    return {{"SurfaceArea", last.Made ? TransitionSurfaceArea(last.Whole) : 0.0},
            {"PatternArea", flat.Area},
            {"PatternWidth", flat.Width()},
            {"PatternHeight", flat.Height()},
            {"Pieces", last.Developed.Half ? 2 : 1},
            {"Weight", last.Weight},
            {"TrueLengths", ResultNumbers(flat.TrueLengths)},
            {"BendAngles", ResultNumbers(flat.BendAngles)}};
}

FormedPart TransitionKind::FormedSolid(const MaterialInputs&) const {
    return TransitionFormedPart(Last);
}

} // namespace brevant
