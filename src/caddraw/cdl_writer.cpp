// Writes a drawing as CDL lines.
#include "caddraw/cad_colors.h"
#include "caddraw/cad_drawing.h"
#include "caddraw/cdl_format.h"
#include "caddraw/cdl_records.h"
#include "caddraw/elements.h"
#include "caddraw/settings.h"
#include "caddraw/written_element.h"

namespace brevant {

namespace {

void WriteViewLines(std::ostream& out, const TSettings& settings) {
    for (int w = 1; w <= 4; ++w) {
        const TArcView& view = settings.arc_view[static_cast<std::size_t>(w)];
        if (view.flag == 0) continue;
        TCdlRecord record("VIEW   ");
        record.Integer(w);
        // Column by column: m11, m21, m31, m12, ...
        for (std::size_t column = 0; column < 3; ++column) {
            for (std::size_t row = 0; row < 3; ++row) {
                record.Field(CdlGeneralNumber(view.m[row][column]));
            }
        }
        record.WriteTo(out);
    }
}

// The CDL line of one element, or an empty text for kinds CDL does not hold.
std::string ElementLine(const TElement& e) {
    const int color = CdlColorIndex(e.LineColor);
    switch (e.Etype) {
    case kElementPoint:
        return TCdlRecord("POINT  ")
            .Number(e.Coord(1))
            .Number(e.Coord(2))
            .Number(e.Coord(3))
            .Integer(color)
            .Integer(e.Layer)
            .Integer(e.linetype)
            .Text();
    case kElementLine:
        return TCdlRecord("LINE   ")
            .Number(e.Coord(1))
            .Number(e.Coord(2))
            .Number(e.Coord(3))
            .Number(e.Coord(4))
            .Number(e.Coord(5))
            .Number(e.Coord(6))
            .Integer(color)
            .Integer(e.Layer)
            .Integer(e.linetype)
            .Integer(1)
            .Text();
    case kElementArc:
        return TCdlRecord("ARC    ")
            .Number(e.Coord(1))
            .Number(e.Coord(2))
            .Number(e.Coord(3))
            .Number(e.Coord(4))
            .Number(e.Coord(5))
            .Number(e.Coord(6))
            .Integer(e.view)
            .Integer(color)
            .Integer(e.Layer)
            .Integer(e.linetype)
            .Integer(1)
            .Text();
    case kElementCircle:
        return TCdlRecord("CIRCLE ")
            .Number(e.Coord(1))
            .Number(e.Coord(2))
            .Number(e.Coord(3))
            .Number(e.Coord(4))
            .Integer(e.view)
            .Integer(color)
            .Integer(e.Layer)
            .Integer(e.linetype)
            .Field("")
            .Integer(1)
            .Text();
    case kElementArrow:
        return TCdlRecord("ARROW  ")
            .Number(e.Coord(1))
            .Number(e.Coord(2))
            .Number(e.Coord(3))
            .Number(e.Coord(4))
            .Integer(e.view)
            .Integer(color)
            .Integer(e.Layer)
            .Text();
    case kElementLeader:
        return TCdlRecord("LEADER  ")
            .Number(e.Coord(3))
            .Number(e.Coord(4))
            .Number(e.Coord(1))
            .Number(e.Coord(2))
            .Field(".1")
            .Field("0")
            .Integer(e.view)
            .Integer(color)
            .Integer(e.Layer)
            .Text();
    case kElementWitness:
        return TCdlRecord("WITNESS  ")
            .Number(e.Coord(1))
            .Number(e.Coord(2))
            .Number(e.Coord(4))
            .Number(e.Coord(5))
            .Integer(e.view)
            .Integer(color)
            .Integer(e.Layer)
            .Text();
    default:
        return {};
    }
}

} // namespace

void WriteCdl(std::ostream& out, const TElements& elements, const TSettings& settings) {
    WriteViewLines(out, settings);
    for (const TElement& element : elements) {
        if (!IsWrittenToFile(element, settings)) continue;
        const std::string line = ElementLine(element);
        if (!line.empty()) out << line << "\r\n";
    }
}

void WriteCdl(std::ostream& out, const TCadDrawing& drawing) {
    WriteCdl(out, drawing.Elements(), drawing.CadSettings());
}

} // namespace brevant
