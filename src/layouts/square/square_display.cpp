// The square-to-round result display: the pattern's width and height in the display unit.
#include "layouts/square/square_display.h"
#include "core/form_model.h"
#include "layouts/size_display.h"

namespace brevant {

void ShowSquareToRoundDisplay(FormModel& f, double boxWidth, double boxHeight,
                              const DisplayFormat& format) {
    ShowSizeDisplay(f, kTitleSquareToRound, boxWidth, boxHeight, format);
}

} // namespace brevant
