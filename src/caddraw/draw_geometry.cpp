// The plane geometry the CAD view uses on its elements: the drawing routines of the geometry
// library, read from element coordinates.
#include "caddraw/draw_geometry.h"

#include "geometry/geometry.h"

namespace brevant::drawgeo {

double Distance(double x1, double y1, double x2, double y2) {
    return brevant::Distance(x1, y1, x2, y2);
}

double GetAngle(double x1, double y1, double x2, double y2) {
    return draw::GetAngle(x1, y1, x2, y2);
}

double FixAngle(double angle) {
    return brevant::FixAngle(angle);
}

double GetArcAngle(double startAngle, double endAngle) {
    return brevant::GetArcAngle(startAngle, endAngle);
}

TDPoint PointArcAngle(const TDArc& arc, double angle) {
    return draw::PointArcAngle(arc, angle);
}

void GetClosestPointLine(const TDLine& line, const TDPoint& pick, TDPoint& point) {
    draw::GetClosestPointLine(line, pick, point);
}

TDPoint GetClosestPointArc(const TDArc& arc, const TDPoint& pick) {
    TDPoint point;
    draw::GetClosestPointArc(arc, pick, point);
    return point;
}

TDArc ArcOf(const TElement& e) {
    return ArcFromCoords(ElementCoords(e.Coords));
}

TDLine LineOf(const TElement& e) {
    return LineFromCoords(ElementCoords(e.Coords));
}

bool GetArcEndPoints(const TElement& e, TDPoint& start, TDPoint& end) {
    return draw::GetArcEndPoints(ElementCoords(e.Coords), start, end) != 0;
}

TDPoint MidArc(const TElement& e) {
    return draw::MidArc(ElementCoords(e.Coords));
}

void GetClosestPoint(const TElement& e, const TDPoint& pick, TDPoint& point) {
    draw::GetClosestPoint(e.Etype, ElementCoords(e.Coords), pick, point);
}

TDPoint RotateAbout(const TDPoint& p, double cx, double cy, double angle) {
    return draw::RotateAbout(p, cx, cy, angle);
}

TDPoint IsoProject(double x, double y, double z) {
    return brevant::IsoProject(x, y, z);
}

} // namespace brevant::drawgeo
