// The result display of a kind whose results on screen are its pattern's size: the title, Width
// X and Height Y; the cone's captions and values are hidden.
#pragma once

#include "core/display_format.h"

namespace brevant {

class FormModel;

// Fills RegularDataDisplay with the title and the pattern's width and height (inches) and shows
// it.
void ShowSizeDisplay(FormModel& form, const char* title, double width, double height,
                     const DisplayFormat& format);

} // namespace brevant
