// Small value types of the CAD view: view windows, pick filters, mouse states and events.
#pragma once

#include "geometry/types.h"

#include <cstdint>
#include <functional>

namespace brevant {

class TCadDraw;

// The view window shown: 1 top (XY), 2 front, 3 side, 4 isometric.
enum class TDView { vTOP = 0, vFRONT = 1, vSIDE = 2, vISO = 3 };

inline int WindowOf(TDView view) {
    return static_cast<int>(view) + 1;
}
inline TDView ViewOfWindow(int window) {
    return window >= 1 && window <= 4 ? static_cast<TDView>(window - 1) : TDView::vTOP;
}

// Element kinds a pick may return; the values are the numbers kept in pick_filter.
enum class TDFilter : int {
    fAll = 0,
    fPoints = 1,
    fLines = 2,
    fArcs = 3,
    fPointLine = 10,
    fPointArc = 11,
    fLineArc = 8,
};

// Maps a stored pick_filter number back to a filter; unknown numbers read as fAll.
TDFilter FilterFromNumber(int number);

// Mouse buttons and keyboard modifiers held during a mouse event (a bit set).
using TShiftState = std::uint32_t;
inline constexpr TShiftState kShiftNone = 0;
inline constexpr TShiftState kShiftShift = 1u << 0;
inline constexpr TShiftState kShiftAlt = 1u << 1;
inline constexpr TShiftState kShiftCtrl = 1u << 2;
inline constexpr TShiftState kShiftLeft = 1u << 3;
inline constexpr TShiftState kShiftRight = 1u << 4;
inline constexpr TShiftState kShiftMiddle = 1u << 5;

// The rubber-band box of a box zoom, in pixels; drawn by the host as a red dashed outline.
struct TZoomBox {
    bool visible = false;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// What a pick found: the element index, its end nearer to the click, its other end, its
// middle and its point closest to the click.
struct TPickResult {
    int ElementNumber = 0;
    TDPoint NearEnd;
    TDPoint FarEnd;
    TDPoint Mid;
    TDPoint Closest;
};

using TOnPickEvent = std::function<void(TCadDraw& sender, int ElementNumber, TDPoint NearEnd,
                                        TDPoint FarEnd, TDPoint Mid, TDPoint Closest)>;
using TOnChangeViewEvent = std::function<void(TCadDraw& sender, TDView NewView)>;
using TOnZoomEvent =
    std::function<void(TCadDraw& sender, double Size, double CenterX, double CenterY)>;
// The view's picture changed; the host repaints the control.
using TOnInvalidateEvent = std::function<void(TCadDraw& sender)>;

} // namespace brevant
