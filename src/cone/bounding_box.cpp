// The bounding box text of the seam display: the piece's width and height in the display unit.
#include "core/number_format.h"
#include "engine/layout_engine.h"

namespace brevant {

void LayoutEngine::RefreshBoundingBoxLabel() {
    const char sep = App.LocaleDecimalSeparator;
    Form.BoundingBoxLabel.text = FormatFixed(FromIn(Cone.PatternWidth), 2, sep) + " X " +
                                 FormatFixed(FromIn(Cone.PatternHeight), 2, sep);
}

} // namespace brevant
