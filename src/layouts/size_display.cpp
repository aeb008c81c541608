// The result display that shows a pattern's size.
#include "layouts/size_display.h"
#include "core/form_model.h"

namespace brevant {

void ShowSizeDisplay(FormModel& f, const char* title, double width, double height,
                     const DisplayFormat& format) {
    f.Label10.text = title;
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
    f.WidthX.text = format.Length(width);
    f.HeightY.text = format.Length(height);
    f.RegularDataDisplay.visible = true;
}

} // namespace brevant
