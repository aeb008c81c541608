// Immediate drawing: primitives painted straight onto the bitmap without adding elements.
#include "caddraw/element_painter.h"

namespace brevant {

void TCadDraw::DrawLine2(double x1, double y1, double z1, double x2, double y2, double z2,
                         TColor color, int linetype) {
    TElementPainter p(*this);
    if (!p.Ready()) return;
    p.Line({x1, y1, z1}, {x2, y2, z2}, color, linetype);
    Invalidate();
}

void TCadDraw::DrawLine(double x1, double y1, double z1, double x2, double y2, double z2) {
    DrawLine2(x1, y1, z1, x2, y2, z2, CadSettings().CurrentColor, CadSettings().current_linetype);
}

void TCadDraw::DrawLineX(const TDLine& l) {
    DrawLine(l.Point1.x, l.Point1.y, l.Point1.z, l.Point2.x, l.Point2.y, l.Point2.z);
}

void TCadDraw::DrawPoint2(double x, double Y, double Z, TColor color) {
    TElementPainter p(*this);
    if (!p.Ready()) return;
    p.Point({x, Y, Z}, color);
    Invalidate();
}

void TCadDraw::DrawPoint(double x, double Y, double Z) {
    DrawPoint2(x, Y, Z, CadSettings().CurrentColor);
}

void TCadDraw::DrawPointX(const TDPoint& pt) {
    DrawPoint(pt.x, pt.y, pt.z);
}

void TCadDraw::DrawArc2(double CenterX, double CenterY, double CenterZ, double radius,
                        double StartAngle, double EndAngle, int view, TColor color, int linetype) {
    TElementPainter p(*this);
    if (!p.Ready()) return;
    p.Arc({{CenterX, CenterY, CenterZ}, radius, StartAngle, EndAngle}, view, color, linetype);
    Invalidate();
}

void TCadDraw::DrawArc(double CenterX, double CenterY, double CenterZ, double radius,
                       double StartAngle, double EndAngle, int view) {
    DrawArc2(CenterX, CenterY, CenterZ, radius, StartAngle, EndAngle, view,
             CadSettings().CurrentColor, CadSettings().current_linetype);
}

void TCadDraw::DrawArcX(const TDArc& a) {
    DrawArc(a.Center.x, a.Center.y, a.Center.z, a.r, a.sa, a.ea, 1);
}

void TCadDraw::drawcircle2(double x, double Y, double Z, double radius, bool Filled, TColor color) {
    TElementPainter p(*this);
    if (!p.Ready()) return;
    p.Circle({x, Y, Z}, radius, color, CadSettings().current_linetype, Filled);
    Invalidate();
}

void TCadDraw::DrawCircle(double x, double Y, double Z, double radius, bool Filled) {
    drawcircle2(x, Y, Z, radius, Filled, CadSettings().CurrentColor);
}

void TCadDraw::drawtext(double x, double Y, const std::string& text, TColor color) {
    TElementPainter p(*this);
    if (!p.Ready()) return;
    p.Text(x, Y, text, color);
    Invalidate();
}

void TCadDraw::DrawRectangle(double center_x, double center_y, double width, double height,
                             TColor FillColor, TColor LineColor, int linetype) {
    TElementPainter p(*this);
    if (!p.Ready()) return;
    TElement e;
    e.Etype = kElementRectangle;
    e.Coords = {center_x, center_y, 0, width, height, 0};
    e.FillColor = FillColor;
    e.LineColor = LineColor;
    e.linetype = linetype;
    p.Rectangle(e);
    Invalidate();
}

void TCadDraw::drawellipse(double x, double Y, double width, double height, TColor color,
                           int linetype) {
    TElementPainter p(*this);
    if (!p.Ready()) return;
    p.Ellipse(x, Y, width, height, color, linetype);
    Invalidate();
}

void TCadDraw::DrawPolygon(const std::vector<TPixelPoint>& PolyPoints, TColor color) {
    TElementPainter p(*this);
    if (!p.Ready()) return;
    p.Stroke(color, CadSettings().current_linetype);
    p.Canvas().DrawPolygon(PolyPoints, false);
    Invalidate();
}

void TCadDraw::DrawFilledPolygon(const std::vector<TPixelPoint>& PolyPoints, TColor Fill) {
    TElementPainter p(*this);
    if (!p.Ready()) return;
    p.Canvas().SetFillColor(Fill);
    p.Canvas().DrawPolygon(PolyPoints, true);
    Invalidate();
}

} // namespace brevant
