// The cone's section of the printed data sheet: its dimensions, the modifiers of a modified cone
// or the flat pattern of a regular one, side cuts, overlap and the nesting on the sheet.
#include "core/number_format.h"
#include "layouts/cone/cone_kind.h"

namespace brevant {

namespace {

void Dimensions(DataSheetSection& s, const FormModel& f) {
    s.Cell(2, 1, "Cone Dimensions:");
    s.Cell(1, 2, "Bottom Diameter: " + f.ConeBottomDiameter.text);
    s.Cell(2, 2, "Top Diameter: " + f.ConeTopDiameter.text);
    s.Cell(3, 2, "Cone Height: " + f.ConeHeight.text);
    s.Down(1, 3, "Side Angle: " + f.SideAngle.text);
    s.Cell(2, 3, "Side Length: " + f.SideLength.text);
}

void ObliqueDetails(DataSheetSection& s, const FormModel& f, const std::string& file,
                    const std::string& seam) {
    s.Cell(1, 5, "File Name: " + file);
    s.Cell(1, 6, "Top Shift: " + f.ConeTopXShift.text);
    s.Cell(2, 7, "Top Angle: " + f.ConeTopAngle.text);
    s.Cell(3, 7, "Bottom Angle: " + f.BottomAngle.text);
    s.Cell(1, 7, "Top Ellipse Short Axis: " + f.TopEllipseWidth.text);
    s.Down(1, 8, "Bottom Ellipse Short Axis: " + f.BottomEllipseWidth.text);
    s.Cell(2, 8, "Seam Angle: " + seam);
}

void RegularDetails(DataSheetSection& s, const FormModel& f, const std::string& file) {
    s.Cell(2, 5, "Flat Pattern:");
    s.Cell(1, 6, "File Name: " + file);
    s.Cell(2, 7, "Large Radius: " + f.LargeRadius.text);
    s.Cell(3, 7, "Small Radius: " + f.SmallRadius.text);
    s.Cell(1, 7, "Angle A: " + f.AngleA.text);
    s.Cell(2, 8, "Width X: " + f.WidthX.text);
    s.Cell(3, 8, "Height Y: " + f.HeightY.text);
    s.Down(1, 8, "Inner Cord: " + f.InnerCord.text);
    if (f.ThicknessCheckBox.checked) {
        s.Down(1, 9, "Thickness: " + f.ThicknessEdit.text);
        s.Cell(2, 9, f.WeightLabel.text);
    }
}

void Extras(DataSheetSection& s, const FormModel& f, bool sideCutsApply) {
    if (f.SideCutsCheckBox.checked && sideCutsApply) {
        s.Down(1, 9, "Top Cut Width: " + f.TopCutWidthEdit.text);
        s.Cell(2, 9, "Bottom Cut Width: " + f.BottomCutWidthEdit.text);
        if (!f.TopArcLengthEdit.text.empty() && !f.BottomArcLengthEdit.text.empty()) {
            s.Down(1, 10, "Top Arc Length: " + f.TopArcLengthEdit.text);
            s.Cell(2, 10, "Bottom Arc Length: " + f.BottomArcLengthEdit.text);
        }
    }
    if (!f.Overlap.text.empty()) s.Cell(3, 9, "Edge Overlap: " + f.Overlap.text);
}

// "Sheet:96 X 48 = 4 pcs.   48 X 96 = 5 pcs." and the clearances when one is typed.
void Nesting(DataSheetSection& s, const FormModel& f, const ConeState& c) {
    const std::string& w = f.SheetWidth.text;
    const std::string& h = f.SheetHeight.text;
    s.PrintsSheet = true;
    s.SheetStatement = "Sheet:" + w + " X " + h + " = " + std::to_string(c.SheetCount) +
                       " pcs.   " + h + " X " + w + " = " + std::to_string(c.SheetCountTurned) +
                       " pcs.";
    if (!f.XClearenceEdit.text.empty() || !f.YClearenceEdit.text.empty())
        s.Clearances = "X,Y Clearence: " + f.XClearenceEdit.text + ", " + f.YClearenceEdit.text;
}

} // namespace

DataSheetSection ConeKind::DataSheet(const FormModel& f, const DocumentContext& c) const {
    DataSheetSection s;
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
               segment ? "Segment Angle = " + FormatGeneral(segmentAngle_, sep) : "Full Cone");
        RegularDetails(s, f, c.DefinitionFile);
    }
    Extras(s, f, developed_ && sideCutsApply_);
    if (Def.SheetWidth > 0 && Def.SheetHeight > 0 && !oblique && !Def.IsCylinder)
        Nesting(s, f, State);
    return s;
}

} // namespace brevant
