// Reads a DXF stream into a drawing: points, lines, arcs, circles and polylines.
#include "caddraw/cad_colors.h"
#include "caddraw/cad_drawing.h"
#include "caddraw/cad_number_text.h"
#include "caddraw/cad_read_rules.h"
#include "caddraw/dxf_format.h"
#include "caddraw/dxf_records.h"

#include <array>
#include <cmath>
#include <string_view>
#include <utility>
#include <vector>

namespace brevant {

namespace {

// A lightweight polyline keeps at most this many vertices; the rest are skipped.
constexpr std::size_t kMaxPolylinePoints = 1000000;

// The group values of one entity.
struct TDxfEntity {
    std::string name;
    std::array<double, 3> first{};         // 10, 20, 30
    std::array<double, 3> second{};        // 11, 21, 31
    double radius = 0;                     // 40
    double start_angle = 0;                // 50
    double end_angle = 0;                  // 51
    int linetype = 0;                      // 6 (a name; a number when written by us)
    int layer = 0;                         // 8
    int color = 0;                         // 62
    int flags = 0;                         // 70
    double bulge = 0;                      // 42: of the segment from this vertex on
    std::array<int, 3> extrusion{0, 0, 1}; // 210, 220, 230
    // LWPOLYLINE: every 10 starts a vertex, whose 20 and 42 follow it.
    std::vector<std::array<double, 3>> points; // x, y, bulge

    void Apply(int code, std::string_view value);
};

void TDxfEntity::Apply(int code, std::string_view value) {
    const double number = ParseCadNumber(value);
    if (name == "LWPOLYLINE" && (code == 10 || code == 20 || code == 42)) {
        if (code == 10 && points.size() < kMaxPolylinePoints) points.push_back({number, 0, 0});
        if (code != 10 && !points.empty()) points.back()[code == 20 ? 1 : 2] = number;
        return;
    }
    switch (code) {
    case 6:
        linetype = RoundToInt(number);
        break;
    case 8:
        layer = RoundToInt(number);
        break;
    case 10:
    case 20:
    case 30:
        first[static_cast<std::size_t>(code / 10 - 1)] = number;
        break;
    case 11:
    case 21:
    case 31:
        second[static_cast<std::size_t>(code / 10 - 1)] = number;
        break;
    case 40:
        radius = number;
        break;
    case 50:
        start_angle = number;
        break;
    case 51:
        end_angle = number;
        break;
    case 42:
        bulge = number;
        break;
    case 62:
        color = RoundToInt(number);
        break;
    case 70:
        flags = RoundToInt(number);
        break;
    case 210:
    case 220:
    case 230:
        extrusion[static_cast<std::size_t>(code / 10 - 21)] = RoundToInt(number);
        break;
    default:
        break;
    }
}

bool IsEntityKeyword(std::string_view line) {
    static constexpr std::array<std::string_view, 9> kKeywords = {
        "LINE", "ARC", "CIRCLE", "POINT", "POLYLINE", "VERTEX", "SEQEND", "LWPOLYLINE", "EOF"};
    for (std::string_view keyword : kKeywords) {
        if (line == keyword) return true;
    }
    return false;
}

class TDxfReader {
public:
    TDxfReader(std::istream& in, TCadDrawing& drawing) : pairs_(in), drawing_(drawing) {}
    void Read();

private:
    bool ReadGroups(TDxfEntity& entity);
    void Create(const TDxfEntity& e);
    void AddLine(const TDxfEntity& attributes, const std::array<double, 3>& from,
                 const std::array<double, 3>& to);
    void AddArc(const TDxfEntity& e);
    void AddSegment(const TDxfEntity& attributes, const std::array<double, 3>& from,
                    const std::array<double, 3>& to, double bulge);
    void LightPolyline(const TDxfEntity& e);
    int ViewOfExtrusion(const std::array<int, 3>& direction);
    void Vertex(const TDxfEntity& e);
    TColor Color(int number) const {
        return ColorFromDxfNumber(number, drawing_.BackgroundColor());
    }
    static int OneForZero(int value) { return value == 0 ? 1 : value; }

    TDxfPairReader pairs_;
    TCadDrawing& drawing_;
    std::array<bool, 4> window_installed_{};
    // The polyline being read: its own groups, the vertices so far, the first and last one.
    bool in_polyline_ = false;
    TDxfEntity polyline_;
    long long vertices_ = 0;
    std::array<double, 3> first_vertex_{};
    std::array<double, 3> last_vertex_{};
    double last_bulge_ = 0;
};

void TDxfReader::Read() {
    std::string line;
    while (pairs_.NextLine(line)) {
        if (!IsEntityKeyword(line)) continue;
        if (line == "EOF") {
            drawing_.CadSettings().abort2 = true;
            return;
        }
        // A vertex starts from its polyline's attributes and overrides what it carries.
        TDxfEntity entity = (line == "VERTEX" && in_polyline_) ? polyline_ : TDxfEntity{};
        entity.name = line;
        // An entity cut off by the end of the file is not created.
        if (!ReadGroups(entity)) return;
        Create(entity);
    }
}

bool TDxfReader::ReadGroups(TDxfEntity& entity) {
    int code = 0;
    std::string value;
    while (pairs_.NextCode(code)) {
        if (code == 0) return true;
        if (!pairs_.NextValue(value)) return false;
        entity.Apply(code, value);
    }
    return false;
}

void TDxfReader::Create(const TDxfEntity& e) {
    if (e.name == "POINT") {
        const TCoords coords = {e.first[0], e.first[1], e.first[2], 0, 0, 0};
        drawing_.AddElement(kElementPoint, Color(e.color), coords, 0, 0, OneForZero(e.layer), 0, {},
                            1);
    } else if (e.name == "LINE") {
        AddLine(e, e.first, e.second);
    } else if (e.name == "ARC" || e.name == "CIRCLE") {
        AddArc(e);
    } else if (e.name == "POLYLINE") {
        in_polyline_ = true;
        polyline_ = e;
        vertices_ = 0;
    } else if (e.name == "VERTEX") {
        Vertex(e);
    } else if (e.name == "SEQEND") {
        if (in_polyline_ && (polyline_.flags & 1) != 0 && vertices_ >= 2) {
            AddSegment(polyline_, last_vertex_, first_vertex_, last_bulge_);
        }
        in_polyline_ = false;
    } else if (e.name == "LWPOLYLINE") {
        LightPolyline(e);
    }
}

void TDxfReader::Vertex(const TDxfEntity& e) {
    if (!in_polyline_) return;
    if (vertices_ == 0) {
        first_vertex_ = e.first;
    } else {
        AddSegment(e, last_vertex_, e.first, last_bulge_);
    }
    last_vertex_ = e.first;
    last_bulge_ = e.bulge;
    ++vertices_;
}

// A lightweight polyline: its vertices in the plane, closed when bit 1 of code 70 is set.
void TDxfReader::LightPolyline(const TDxfEntity& e) {
    const auto& p = e.points;
    const std::size_t n = p.size();
    const std::size_t segments = (e.flags & 1) != 0 && n >= 2 ? n : n - (n > 0 ? 1 : 0);
    for (std::size_t i = 0; i < segments; ++i) {
        const auto& a = p[i];
        const auto& b = p[(i + 1) % n];
        AddSegment(e, {a[0], a[1], 0}, {b[0], b[1], 0}, a[2]);
    }
}

// A polyline segment: a line, or for a bulge (tan of a quarter of the sweep, positive
// counter-clockwise) the arc through both ends. A sweep too small to tell from a line is one.
void TDxfReader::AddSegment(const TDxfEntity& attributes, const std::array<double, 3>& from,
                            const std::array<double, 3>& to, double bulge) {
    const double dx = to[0] - from[0], dy = to[1] - from[1];
    const double chord = std::hypot(dx, dy);
    const double sweep = 4 * std::atan(bulge) * 180 / 3.14159265358979323846;
    if (!std::isfinite(bulge) || std::fabs(sweep) < 0.001 || !(chord > 0) ||
        !std::isfinite(chord)) {
        AddLine(attributes, from, to);
        return;
    }
    // The centre on the chord's perpendicular bisector, left of the chord for a
    // counter-clockwise arc of less than a half turn.
    const double offset = (1 - bulge * bulge) / (4 * bulge);
    const double cx = (from[0] + to[0]) / 2 - offset * dy;
    const double cy = (from[1] + to[1]) / 2 + offset * dx;
    const double radius = chord * (1 + bulge * bulge) / (4 * std::fabs(bulge));
    const double degrees = 180 / 3.14159265358979323846;
    double start = std::atan2(from[1] - cy, from[0] - cx) * degrees;
    double end = std::atan2(to[1] - cy, to[0] - cx) * degrees;
    if (bulge < 0) std::swap(start, end); // drawn counter-clockwise from the other end
    const TCoords coords = {cx, cy, from[2], radius, AngleIn360(start), AngleIn360(end)};
    drawing_.AddElement(kElementArc, Color(attributes.color), coords, 0,
                        OneForZero(attributes.linetype), OneForZero(attributes.layer), 0, {}, 1);
}

void TDxfReader::AddLine(const TDxfEntity& attributes, const std::array<double, 3>& from,
                         const std::array<double, 3>& to) {
    const TCoords coords = {from[0], from[1], from[2], to[0], to[1], to[2]};
    drawing_.AddElement(kElementLine, Color(attributes.color), coords, 0,
                        OneForZero(attributes.linetype), OneForZero(attributes.layer), 0, {}, 1);
}

void TDxfReader::AddArc(const TDxfEntity& e) {
    double x = e.first[0], z = e.first[2];
    double start = 0, end = 0; // a circle: AddElement makes it 0 to 360
    if (e.name == "ARC") {
        start = e.start_angle;
        end = e.end_angle;
    }
    if (!WithinReadLimit(start) || !WithinReadLimit(end)) return;
    int plane = ViewOfExtrusion(e.extrusion);
    if (e.extrusion == std::array<int, 3>{0, 0, -1}) {
        // Seen from below: mirror into the XY plane, which also reverses the direction.
        x = -x;
        z = -z;
        const double mirrored_start = AngleIn360(180.0 - end);
        end = AngleIn360(180.0 - start);
        start = mirrored_start;
        plane = 1;
    }
    const TCoords coords = {x, e.first[1], z, e.radius, start, end};
    drawing_.AddElement(kElementArc, Color(e.color), coords, 0, OneForZero(e.linetype),
                        OneForZero(e.layer), 0, {}, plane);
}

// Arcs drawn in the front (0, -1, 0) and side (0, 1, 0) planes go to windows 2 and 3, whose
// matrix is installed the first time such an arc is met. Every other direction keeps view 1:
// the planes facing along X have no window to show them.
int TDxfReader::ViewOfExtrusion(const std::array<int, 3>& direction) {
    using Rows = std::array<std::array<double, 3>, 3>;
    int window = 0;
    Rows rows{};
    if (direction == std::array<int, 3>{0, -1, 0}) {
        window = 2;
        rows = Rows{{{1, 0, 0}, {0, 0, 1}, {0, -1, 0}}};
    } else if (direction == std::array<int, 3>{0, 1, 0}) {
        window = 3;
        rows = Rows{{{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}}};
    } else {
        return 1;
    }
    if (!window_installed_[static_cast<std::size_t>(window)]) {
        window_installed_[static_cast<std::size_t>(window)] = true;
        TArcView& arc_view = drawing_.CadSettings().arc_view[static_cast<std::size_t>(window)];
        arc_view.m = rows;
        arc_view.flag = 1;
    }
    return window;
}

} // namespace

void ReadDxf(std::istream& in, TCadDrawing& drawing) {
    if (!drawing.CadSettings().merge_cad) drawing.Elements().Clear();
    TDxfReader(in, drawing).Read();
}

} // namespace brevant
