// The cone's section of the printed data sheet: its dimensions, the modifiers of a modified cone
// or the flat pattern of a regular one, side cuts, overlap and the nesting on the sheet.
#include "core/number_format.h"
#include "layouts/cone/cone_kind.h"

namespace brevant {

namespace {

constexpr SheetValue kLength = SheetValue::Length;
constexpr SheetValue kAngle = SheetValue::Angle;

void Dimensions(DataSheetSection& s, const FormModel& f) {
    s.Cell(2, 1, "Cone Dimensions:");
    s.Cell(1, 2, "Bottom Diameter: ", f.ConeBottomDiameter.text, kLength);
    s.Cell(2, 2, "Top Diameter: ", f.ConeTopDiameter.text, kLength);
    s.Cell(3, 2, "Cone Height: ", f.ConeHeight.text, kLength);
    s.Down(1, 3, "Side Angle: ", f.SideAngle.text, kAngle);
    s.Cell(2, 3, "Side Length: ", f.SideLength.text, kLength);
}

// The pattern's size and, for a cone that is not a cylinder, its angle, as the result display
// shows them.
void ModifiedResults(DataSheetSection& s, const FormModel& f) {
    if (!f.RegularDataDisplay.visible) return;
    if (f.WidthX.visible) s.Cell(2, 6, "Width X: ", f.WidthX.text, kLength);
    if (f.HeightY.visible) s.Cell(3, 6, "Height Y: ", f.HeightY.text, kLength);
    if (f.AngleA.visible) s.Cell(3, 8, "Angle A: ", f.AngleA.text, kAngle);
}

void ObliqueDetails(DataSheetSection& s, const FormModel& f, const std::string& file,
                    const std::string& seam) {
    s.FileName(1, 5, file);
    s.Cell(1, 6, "Top Shift: ", f.ConeTopXShift.text, kLength);
    s.Cell(2, 7, "Top Angle: ", f.ConeTopAngle.text, kAngle);
    s.Cell(3, 7, "Bottom Angle: ", f.BottomAngle.text, kAngle);
    s.Cell(1, 7, "Top Ellipse Short Axis: ", f.TopEllipseWidth.text, kLength);
    s.Down(1, 8, "Bottom Ellipse Short Axis: ", f.BottomEllipseWidth.text, kLength);
    s.Cell(2, 8, "Seam Angle: ", seam, kAngle);
    ModifiedResults(s, f);
}

void RegularDetails(DataSheetSection& s, const FormModel& f, const std::string& file) {
    s.Cell(2, 5, "Flat Pattern:");
    s.Cell(3, 5, "Outer Cord: ", f.OuterCord.text, kLength);
    s.FileName(1, 6, file);
    s.Cell(2, 7, "Large Radius: ", f.LargeRadius.text, kLength);
    s.Cell(3, 7, "Small Radius: ", f.SmallRadius.text, kLength);
    s.Cell(1, 7, "Angle A: ", f.AngleA.text, kAngle);
    s.Cell(2, 8, "Width X: ", f.WidthX.text, kLength);
    s.Cell(3, 8, "Height Y: ", f.HeightY.text, kLength);
    s.Down(1, 8, "Inner Cord: ", f.InnerCord.text, kLength);
    if (f.ThicknessCheckBox.checked) {
        s.Down(1, 9, "Thickness: ", f.ThicknessEdit.text, kLength);
        s.AreaWeight(2, 9, f.WeightLabel.text);
    }
}

// Side cuts and the overlap. The side cuts start in row 9, or in row 10 when the thickness and
// weight take row 9, so that no text is printed over another.
void Extras(DataSheetSection& s, const FormModel& f, bool sideCutsApply, bool thicknessShown) {
    if (f.SideCutsCheckBox.checked && sideCutsApply) {
        const int row = thicknessShown ? 10 : 9;
        s.Down(1, row, "Top Cut Width: ", f.TopCutWidthEdit.text, kLength);
        s.Cell(2, row, "Bottom Cut Width: ", f.BottomCutWidthEdit.text, kLength);
        if (!f.TopArcLengthEdit.text.empty() && !f.BottomArcLengthEdit.text.empty()) {
            s.Down(1, row + 1, "Top Arc Length: ", f.TopArcLengthEdit.text, kLength);
            s.Cell(2, row + 1, "Bottom Arc Length: ", f.BottomArcLengthEdit.text, kLength);
        }
    }
    if (!f.Overlap.text.empty()) s.Cell(3, 9, "Edge Overlap: ", f.Overlap.text, kLength);
}

// "Sheet:96 X 48 in = 4 pcs.   48 X 96 in = 5 pcs." and the clearances when one is typed.
void Nesting(DataSheetSection& s, const FormModel& f, const ConeState& c) {
    const std::string& w = f.SheetWidth.text;
    const std::string& h = f.SheetHeight.text;
    const std::string unit = SheetUnit(kLength, s.Units);
    s.PrintsSheet = true;
    s.SheetStatement = "Sheet:" + w + " X " + h + unit + " = " + std::to_string(c.SheetCount) +
                       " pcs.   " + h + " X " + w + unit + " = " +
                       std::to_string(c.SheetCountTurned) + " pcs.";
    const std::string& x = f.XClearenceEdit.text;
    const std::string& y = f.YClearenceEdit.text;
    if (!x.empty() || !y.empty())
        s.Clearances = "X,Y Clearence: " + WithUnit(x, kLength, s.Units) + ", " +
                       WithUnit(y, kLength, s.Units);
}

} // namespace

DataSheetSection ConeKind::DataSheet(const FormModel& f, const DocumentContext& c) const {
    DataSheetSection s(c.Format.Units);
    s.TitlePrefix = "Cone-";
    const bool oblique = State.IsObliqueCone;
    const char sep = c.Format.DecimalSeparator;
    Dimensions(s, f);
    if (oblique) {
        s.Cell(3, 3, "Units: " + c.UnitsLongName);
        s.Rule();
        ObliqueDetails(s, f, c.DefinitionFile, FormatGeneral(Def.SeamAngle, sep));
    } else {
        const bool segment = developed_ && segmentAngle_ > 0;
        s.Cell(3, 3,
               segment ? "Segment Angle = " +
                             WithUnit(FormatGeneral(segmentAngle_, sep), kAngle, s.Units)
                       : "Full Cone");
        RegularDetails(s, f, c.DefinitionFile);
    }
    Extras(s, f, developed_ && sideCutsApply_, !oblique && f.ThicknessCheckBox.checked);
    if (Def.SheetWidth > 0 && Def.SheetHeight > 0 && !oblique && !Def.IsCylinder)
        Nesting(s, f, State);
    return s;
}

} // namespace brevant
