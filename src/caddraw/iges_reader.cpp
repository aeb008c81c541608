// Reads an IGES stream into a drawing: the directory makes the elements, the parameter data
// fills their coordinates.
#include "caddraw/cad_colors.h"
#include "caddraw/cad_drawing.h"
#include "caddraw/cad_field.h"
#include "caddraw/cad_number_text.h"
#include "caddraw/cad_read_rules.h"
#include "caddraw/iges_format.h"
#include "caddraw/iges_records.h"
#include "caddraw/text_line_reader.h"
#include "core/angle_units.h"

#include <cmath>

namespace brevant {

namespace {

// Parameter data spread over more lines than this is not ours; the rest is not joined.
constexpr int kMaxContinuationLines = 16;

int ElementTypeOf(int iges_type) {
    switch (iges_type) {
    case kIgesPoint:
        return kElementPoint;
    case kIgesLine:
        return kElementLine;
    case kIgesArc:
        return kElementArc;
    default:
        return kElementEmpty;
    }
}

int IntegerColumns(std::string_view record, std::size_t first, std::size_t last) {
    return ParseCadInteger(IgesColumns(record, first, last));
}

// Direction of (x, y) seen from the origin, degrees in 0..360.
double DirectionDegrees(double x, double y) {
    if (x == 0 && y == 0) return 0;
    double a = std::atan2(y, x) * kDegreesPerRadian;
    if (a < 0) a += 360.0;
    return a >= 360.0 ? 0.0 : a;
}

class TIgesReader {
public:
    TIgesReader(std::istream& in, TCadDrawing& drawing)
        : lines_(in), drawing_(drawing), base_(drawing.Elements().Count()) {}
    void Read();

private:
    void Directory(std::string_view first);
    void Parameter(std::string line);
    bool Fill(TElement& e, int iges_type, const std::string& fields) const;
    void RemoveEmpty();

    TTextLineReader lines_;
    TCadDrawing& drawing_;
    int base_;
};

void TIgesReader::Read() {
    std::string line;
    while (lines_.Next(line)) {
        if (line.find("2HMM") != std::string::npos) drawing_.CadSettings().metric_machine = true;
        if (IgesColumn(line, 73) == 'D' && IgesColumn(line, 72) != ' ') {
            Directory(line);
        } else if (IgesColumn(line, 73) == 'P') {
            Parameter(std::move(line));
        }
    }
    RemoveEmpty();
}

// A directory entry is two records; a placeholder element is appended when both name the
// same entity type, so that the parameter data finds it by sequence number.
void TIgesReader::Directory(std::string_view first_record) {
    const int type = IntegerColumns(first_record, 1, 8);
    const int line_font = IntegerColumns(first_record, 25, 32);
    std::string second;
    if (!lines_.Next(second)) return;
    if (second.find("2HMM") != std::string::npos) drawing_.CadSettings().metric_machine = true;
    if (IntegerColumns(second, 1, 8) != type) return;
    const int color = IntegerColumns(second, 18, 25);
    int layer = IntegerColumns(second, 33, 40); // form number
    if (layer == 0) layer = 1;
    if (layer > 254) layer = 254;
    drawing_.AddElement(ElementTypeOf(type), ColorFromIgesNumber(color), TCoords{}, 0,
                        line_font == 2 ? 2 : 1, layer, 0, {}, 1);
}

void TIgesReader::Parameter(std::string line) {
    const long long index = static_cast<long long>(IntegerColumns(line, 74, 80)) + base_ - 1;
    for (int joined = 0; line.find(';') == std::string::npos; ++joined) {
        std::string next;
        if (joined >= kMaxContinuationLines || !lines_.Next(next)) break;
        const std::size_t comma = line.rfind(',');
        line.erase(comma == std::string::npos ? 0 : comma + 1);
        line += next;
    }
    TElements& elements = drawing_.Elements();
    if (index < base_ || index >= elements.Count()) return;
    const std::string fields = PrepareCadFields(line, CadFieldFlavor::Iges);
    const int iges_type = RoundToInt(CadFieldOf(fields, 1));
    TElement& element = elements[static_cast<int>(index)];
    // Data for another kind of entity than the directory announced is not used.
    if (ElementTypeOf(iges_type) == kElementEmpty || element.Etype != ElementTypeOf(iges_type)) {
        return;
    }
    // Coordinates the drawing would reject drop the element.
    if (!Fill(element, iges_type, fields)) element.Etype = kElementEmpty;
}

bool TIgesReader::Fill(TElement& e, int iges_type, const std::string& fields) const {
    auto f = [&fields](int n) { return CadFieldOf(fields, n); };
    TCoords c{};
    if (iges_type == kIgesPoint) {
        c = {f(2), f(3), f(4), 0, 0, 0};
    } else if (iges_type == kIgesLine) {
        c = {f(2), f(3), f(4), f(5), f(6), f(7)};
    } else {
        const double cx = f(3), cy = f(4);
        const double sx = f(5) - cx, sy = f(6) - cy, ex = f(7) - cx, ey = f(8) - cy;
        double start = DirectionDegrees(sx, sy), end = DirectionDegrees(ex, ey);
        if (std::fabs(end - start) < 0.0001) {
            start = 0;
            end = 360;
        }
        c = {cx, cy, f(2), std::hypot(sx, sy), start, end};
    }
    const bool second_point = iges_type != kIgesPoint;
    if (!WithinReadLimit(c[0]) || !WithinReadLimit(c[1]) ||
        (second_point && !WithinReadLimit(c[3])) || !std::isfinite(c[3])) {
        return false;
    }
    if (!WithinReadLimit(c[2])) c[2] = 0;
    e.Coords = c;
    return true;
}

// Placeholders of entities that are not drawn (and elements whose data was rejected) go.
// Marking them deleted lets the list drop them in one pass; the elements read here are never
// deleted otherwise, and earlier ones are kept out of it when the list held deleted ones.
void TIgesReader::RemoveEmpty() {
    TElements& elements = drawing_.Elements();
    bool earlier_deleted = false;
    for (int i = 0; i < base_ && !earlier_deleted; ++i)
        earlier_deleted = elements[i].Deleted;
    if (earlier_deleted) {
        for (int i = elements.Count() - 1; i >= base_; --i) {
            if (elements[i].Etype == kElementEmpty) elements.Remove(i);
        }
        return;
    }
    for (int i = base_; i < elements.Count(); ++i) {
        if (elements[i].Etype == kElementEmpty) elements[i].Deleted = true;
    }
    elements.ClearDeleted();
}

} // namespace

void ReadIges(std::istream& in, TCadDrawing& drawing) {
    TSettings& settings = drawing.CadSettings();
    if (!settings.merge_cad) drawing.Elements().Clear();
    settings.metric_machine = false;
    TIgesReader reader(in, drawing);
    reader.Read();
}

} // namespace brevant
