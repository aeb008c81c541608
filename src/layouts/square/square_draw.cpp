// Drawing the developed square to round as a flat pattern: the pattern on layer 1 and
// the grey bounding box on layer 8.
#include "caddraw/flat_pattern_builder.h"
#include "caddraw/pattern_pen.h"
#include "core/io_error_text.h"
#include "core/notices.h"
#include "geometry/status.h"
#include "layouts/square/square_pattern.h"

#include <string>
#include <vector>

namespace brevant {

namespace {
// The half of the first side from the seam to C1.
constexpr int kCodeDevelopmentFailed = 2;

void DrawBox(FlatPatternBuilder& view, const SquarePattern& p) {
    view.SetPen(kLayerBoundingBox, kColorGrey, FlatRole::Frame);
    view.Line(p.MinX, p.MinY, p.MaxX, p.MinY);
    view.Line(p.MaxX, p.MinY, p.MaxX, p.MaxY);
    view.Line(p.MaxX, p.MaxY, p.MinX, p.MaxY);
    view.Line(p.MinX, p.MaxY, p.MinX, p.MinY);
}

// The cut outline: along the bottom edges from the start seam's foot to the end seam's, then
// back along the top edges to the first top point. A half pattern is cut twice.
void AddOutline(FlatPatternBuilder& view, const SquarePattern& p, int pieces) {
    CutOutline o{pieces == 2 ? "Square to round half" : "Square to round", pieces, {}};
    std::vector<TDPoint> top;
    for (const SquareFlatLine& l : p.Lines) {
        if (l.Kind == SquareLineKind::StartBottomEdge) o.Line(l.From);
        if (l.Kind == SquareLineKind::StartBottomEdge || l.Kind == SquareLineKind::BottomEdge)
            o.Line(l.To);
        if (l.Kind == SquareLineKind::TopEdge) {
            if (top.empty()) top.push_back(l.From);
            top.push_back(l.To);
        }
    }
    for (auto it = top.rbegin(); it != top.rend(); ++it)
        o.Line(*it);
    view.AddOutline(std::move(o));
}

// The generator lines inside the pattern are its bend lines; the others bound it.
FlatRole RoleOf(SquareLineKind kind) {
    return kind == SquareLineKind::Generator ? FlatRole::Bend : FlatRole::Outline;
}
} // namespace

int DevelopSquareToRound(FlatPatternBuilder& view, const SquarePattern& pattern, int pieces,
                         INotices& notices) {
    view.Clear();
    for (const SquareFlatLine& l : pattern.Lines) {
        view.SetPen(kLayerOutline,
                    l.Kind == SquareLineKind::StartBottomEdge ? kColorGreen : kColorLime,
                    RoleOf(l.Kind));
        view.Line(l.From.x, l.From.y, l.To.x, l.To.y);
    }
    if (pattern.Status != kStatusOk || pattern.Lines.empty()) {
        const int status =
            pattern.Status != kStatusOk ? pattern.Status : kStatusRadiusDoesNotIntersect;
        notices.ShowMessageDialog(IOErrorText(status), "", kMessageStopOkCancel);
        return kCodeDevelopmentFailed;
    }
    DrawBox(view, pattern);
    AddOutline(view, pattern, pieces);
    return 0;
}

} // namespace brevant
