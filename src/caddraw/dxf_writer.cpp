// Writes a drawing as DXF entities.
#include "caddraw/cad_colors.h"
#include "caddraw/cad_drawing.h"
#include "caddraw/dxf_format.h"
#include "caddraw/dxf_records.h"
#include "caddraw/elements.h"
#include "caddraw/settings.h"
#include "caddraw/written_element.h"

namespace brevant {

namespace {

void WriteEmptySection(TDxfPairWriter& dxf, const char* name) {
    dxf.Pair(0, "SECTION");
    dxf.Pair(2, name);
    dxf.Code(0);
    dxf.Value("ENDSEC");
}

void WriteHeader(TDxfPairWriter& dxf) {
    dxf.Code(0, true);
    dxf.Value("SECTION");
    dxf.Pair(2, "HEADER");
    dxf.Pair(9, "$ACADVER");
    dxf.Pair(1, "AC1009");
    dxf.Code(0);
    dxf.Value("ENDSEC");
    WriteEmptySection(dxf, "TABLES");
    WriteEmptySection(dxf, "BLOCKS");
}

// The entity name of an element type, or nullptr for the kinds DXF does not hold.
const char* DxfEntityName(int type) {
    switch (type) {
    case kElementPoint:
        return "POINT";
    case kElementLine:
        return "LINE";
    case kElementArc:
        return "ARC";
    case kElementCircle:
        return "CIRCLE";
    default:
        return nullptr;
    }
}

// The entity name follows the group code 0 that ends the previous entity (or opens the
// section), so each entity ends by writing the code that introduces the next one.
void WriteEntity(TDxfPairWriter& dxf, const TElement& e) {
    dxf.Value(DxfEntityName(e.Etype));
    dxf.Pair(8, e.Layer);       // layer (by number)
    dxf.Number(10, e.Coord(1)); // first point / centre x
    dxf.Number(20, e.Coord(2)); // y
    dxf.Number(30, e.Coord(3)); // z
    if (e.Etype == kElementLine) {
        dxf.Number(11, e.Coord(4)); // second point x
        dxf.Number(21, e.Coord(5)); // y
        dxf.Number(31, e.Coord(6)); // z
    } else if (e.Etype == kElementArc || e.Etype == kElementCircle) {
        dxf.Number(40, e.Coord(4)); // radius
        if (e.Etype == kElementArc) {
            dxf.Number(50, e.Coord(5)); // start angle
            dxf.Number(51, e.Coord(6)); // end angle
        }
    }
    dxf.Pair(62, DxfColorNumber(e.LineColor)); // colour number
    dxf.Code(0);
}

} // namespace

void WriteDxf(std::ostream& out, const TElements& elements, const TSettings& settings) {
    TDxfPairWriter dxf(out);
    WriteHeader(dxf);
    dxf.Pair(0, "SECTION", true);
    dxf.Pair(2, "ENTITIES", true);
    dxf.Code(0, true);
    for (const TElement& element : elements) {
        if (DxfEntityName(element.Etype) != nullptr && IsWrittenToFile(element, settings)) {
            WriteEntity(dxf, element);
        }
    }
    dxf.Value("ENDSEC");
    dxf.Code(0);
    dxf.Value("EOF");
    dxf.Value("");
}

void WriteDxf(std::ostream& out, const TCadDrawing& drawing) {
    WriteDxf(out, drawing.Elements(), drawing.CadSettings());
}

} // namespace brevant
