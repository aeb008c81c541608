// Filling the spiral flight's result display.
#include "layouts/spiral/spiral_display.h"

#include "core/material.h"

#include <cmath>

namespace brevant {

namespace {
constexpr const char* kNoWeight = "---";

void ShowOnlySpiralFields(FormModel& f) {
    f.SegmentAngleEdit.visible = false;
    f.SegmentAngleEdit.text.clear();
    f.SegmentAngleCaption.visible = f.OverlapCaption.visible = f.Overlap.visible = false;
    // Width X and Height Y are shown too: the drawing labels them X and Y.
    for (Label* l :
         {&f.LargeRadiusCaption, &f.SmallRadiusCaption, &f.AngleACaption, &f.InnerCordCaption,
          &f.OuterCordCaption, &f.WidthXCaption, &f.HeightYCaption, &f.LargeRadius, &f.SmallRadius,
          &f.AngleA, &f.InnerCord, &f.OuterCord, &f.WidthX, &f.HeightY})
        l->visible = true;
    f.Label53.visible = false;
    f.InsideRadio.visible = f.OutsideRadio.visible = f.MiddleRadio.visible = false;
}

void ShowAreaAndWeight(FormModel& f, const SpiralResults& r, const DisplayFormat& format,
                       const SpiralMaterial& m) {
    if (f.ThicknessCheckBox.checked) f.ThicknessDisplay.visible = true;
    const double area = SpiralFlightArea(r);
    const double weight = area * m.Thickness * m.Density;
    if (!std::isfinite(area) || !std::isfinite(weight)) {
        f.WeightLabel.text = kNoWeight;
        return;
    }
    f.WeightLabel.text =
        AreaWeightText(area, weight, format.Units, m.Name, format.DecimalSeparator);
}
} // namespace

void ShowSpiralFlightDisplay(FormModel& f, const SpiralResults& r, const DisplayFormat& format,
                             const SpiralMaterial& material) {
    f.Label10.text = kTitleSpiralFlight;
    ShowOnlySpiralFields(f);
    f.HeightY.text = format.Length(r.SpiralPatternHeight);
    f.WidthX.text = format.Length(r.SpiralPatternWidth);
    f.LargeRadius.text = format.Length(r.SpiralOuterRadius);
    f.SmallRadius.text = format.Length(r.SpiralInnerRadius);
    f.AngleA.text = format.Value(r.SpiralFlatAngle);
    f.InnerCord.text = format.Length(r.SpiralInnerChord);
    f.OuterCord.text = format.Length(r.SpiralOuterChord);
    f.RegularDataDisplay.visible = true;
    ShowAreaAndWeight(f, r, format, material);
}

} // namespace brevant
