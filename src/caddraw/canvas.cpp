// The canvas's batched strokes, painted one by one.
#include "caddraw/canvas.h"

namespace brevant {

void ICanvas::DrawStrokes(const TStrokeBatch& batch) {
    std::vector<TPixelPoint> polyline;
    for (const TStrokeBatch::TStroke& s : batch.Strokes()) {
        switch (s.kind) {
        case TStrokeBatch::TKind::Line: {
            const TPixelPoint* p = batch.PointsOf(s);
            DrawLine(p[0].x, p[0].y, p[1].x, p[1].y);
            break;
        }
        case TStrokeBatch::TKind::Polyline:
            polyline.assign(batch.PointsOf(s), batch.PointsOf(s) + s.count);
            DrawPolyline(polyline);
            break;
        case TStrokeBatch::TKind::Arc: {
            const TStrokeBatch::TArc& a = batch.ArcOf(s);
            DrawArc(a.cx, a.cy, a.radius, a.startAngle, a.sweep);
            break;
        }
        }
    }
}

} // namespace brevant
