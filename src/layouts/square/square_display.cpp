// The square-to-round result display: the pattern's width and height in the display unit.
#include "layouts/square/square_display.h"
#include "core/form_model.h"

namespace brevant {

void ShowSquareToRoundDisplay(FormModel& f, double boxWidth, double boxHeight,
                              const DisplayFormat& format) {
    f.Label10.text = kTitleSquareToRound;
    f.SegmentAngleEdit.visible = false;
    f.SegmentAngleEdit.text.clear();
    for (Label* l :
         {&f.LargeRadiusCaption, &f.SmallRadiusCaption, &f.OuterCordCaption, &f.AngleACaption,
          &f.InnerCordCaption, &f.SegmentAngleCaption, &f.OverlapCaption, &f.LargeRadius,
          &f.SmallRadius, &f.AngleA, &f.InnerCord, &f.OuterCord})
        l->visible = false;
    f.Overlap.visible = false;
    for (Label* l : {&f.WidthX, &f.WidthXCaption, &f.HeightY, &f.HeightYCaption})
        l->visible = true;
    f.WidthX.text = format.Length(boxWidth);
    f.HeightY.text = format.Length(boxHeight);
    f.RegularDataDisplay.visible = true;
}

} // namespace brevant
