// A position on the view's bitmap or a printer page, in pixels (y down).
#pragma once

namespace brevant {

struct TPixelPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const TPixelPoint&, const TPixelPoint&) = default;
};

} // namespace brevant
