// Drawing the developed square to round into the flat-shape view: the pattern on layer 1 and
// the grey bounding box on layer 8.
#include "caddraw/cad_draw.h"
#include "caddraw/pattern_pen.h"
#include "core/io_error_text.h"
#include "core/notices.h"
#include "geometry/status.h"
#include "layouts/square/square_pattern.h"

#include <string>

namespace brevant {

namespace {
// The half of the first side from the seam to C1.
constexpr int kCodeDevelopmentFailed = 2;

void DrawBox(TCadDraw& view, const SquarePattern& p) {
    SetPen(view, kLayerBoundingBox, kColorGrey);
    FlatLine(view, p.MinX, p.MinY, p.MaxX, p.MinY);
    FlatLine(view, p.MaxX, p.MinY, p.MaxX, p.MaxY);
    FlatLine(view, p.MaxX, p.MaxY, p.MinX, p.MaxY);
    FlatLine(view, p.MinX, p.MaxY, p.MinX, p.MinY);
    SetPen(view, kLayerOutline, kColorLime);
}
} // namespace

int DevelopSquareToRound(TCadDraw& view, const SquarePattern& pattern, INotices& notices) {
    view.DeleteAllElements();
    for (const SquareFlatLine& l : pattern.Lines) {
        SetPen(view, kLayerOutline,
               l.Kind == SquareLineKind::StartBottomEdge ? kColorGreen : kColorLime);
        FlatLine(view, l.From.x, l.From.y, l.To.x, l.To.y);
    }
    SetPen(view, kLayerOutline, kColorLime);
    if (pattern.Status != kStatusOk || pattern.Lines.empty()) {
        const int status =
            pattern.Status != kStatusOk ? pattern.Status : kStatusRadiusDoesNotIntersect;
        notices.ShowMessageDialog(IOErrorText(status), "", kMessageStopOkCancel);
        return kCodeDevelopmentFailed;
    }
    view.SetExtents();
    DrawBox(view, pattern);
    return 0;
}

} // namespace brevant
