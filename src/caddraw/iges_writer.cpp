// Writes a drawing as IGES records.
#include "caddraw/cad_colors.h"
#include "caddraw/cad_drawing.h"
#include "caddraw/cad_number_text.h"
#include "caddraw/elements.h"
#include "caddraw/iges_format.h"
#include "caddraw/iges_records.h"
#include "caddraw/settings.h"
#include "caddraw/written_element.h"
#include "core/angle_units.h"

#include <cmath>
#include <vector>

namespace brevant {

namespace {

constexpr std::size_t kStartNameLength = 70;

int IgesEntityType(int element_type) {
    switch (element_type) {
    case kElementPoint:
        return kIgesPoint;
    case kElementLine:
        return kIgesLine;
    case kElementArc:
        return kIgesArc;
    default:
        return 0;
    }
}

void WriteGlobal(TIgesRecordWriter& iges, const TSettings& settings) {
    std::string unit = "1,4HINCH";
    if (settings.metric_machine || settings.number_unit == 2) {
        unit = "2,2HMM";
    } else if (settings.number_unit == 1) {
        unit = "10,2HCM";
    }
    iges.Record("1H,,1H;,,,6HVARNEK,1H1,16,8,24,8,56,,1.," + unit + ",1,0.01,", "G0000001");
    iges.Record("13H850101.010000,1.000000000E-04,100.,,;", "G0000002");
}

void WriteDirectory(TIgesRecordWriter& iges, const std::vector<const TElement*>& written) {
    const std::string r0 = IgesField8(0), r1 = IgesField8(1), r124 = IgesField8(124);
    iges.Record(r124 + r1 + r1 + r1 + r1 + std::string(8, ' ') + r0, "00000000D0000001");
    iges.Record(r124 + r0 + IgesField8(3) + r1, "D0000002");
    long long p = 1;
    long long d = 2;
    for (const TElement* e : written) {
        const std::string type = IgesField8(IgesEntityType(e->Etype));
        const int font = e->linetype > 20 ? e->linetype - 20 : e->linetype;
        ++p;
        ++d;
        iges.Record(type + IgesField8(p) + r1 + IgesField8(font) + r0 + r0 + r0,
                    "00000000D" + IgesSequence7(d));
        ++d;
        iges.Record(type + r0 + IgesField8(IgesColorNumber(e->LineColor)) + r1 +
                        IgesField8(e->Layer),
                    "D" + IgesSequence7(d));
    }
}

std::string ParameterData(const TElement& e) {
    auto n = [](double v) { return CadNumberText(v); };
    if (e.Etype == kElementPoint) {
        return "116," + n(e.Coord(1)) + "," + n(e.Coord(2)) + "," + n(e.Coord(3)) + ";";
    }
    if (e.Etype == kElementLine) {
        return "110," + n(e.Coord(1)) + "," + n(e.Coord(2)) + "," + n(e.Coord(3)) + "," +
               n(e.Coord(4)) + "," + n(e.Coord(5)) + "," + n(e.Coord(6)) + ";";
    }
    const double cx = e.Coord(1), cy = e.Coord(2), r = e.Coord(4);
    const double sa = e.Coord(5) / kDegreesPerRadian, ea = e.Coord(6) / kDegreesPerRadian;
    return "100," + n(e.Coord(3)) + "," + n(cx) + "," + n(cy) + "," + n(cx + r * std::cos(sa)) +
           "," + n(cy + r * std::sin(sa)) + "," + n(cx + r * std::cos(ea)) + "," +
           n(cy + r * std::sin(ea)) + ";";
}

} // namespace

void WriteIges(std::ostream& out, const TElements& elements, const TSettings& settings,
               std::string_view file_name) {
    std::vector<const TElement*> written;
    for (const TElement& element : elements) {
        if (IgesEntityType(element.Etype) != 0 && IsWrittenToFile(element, settings)) {
            written.push_back(&element);
        }
    }
    TIgesRecordWriter iges(out);
    if (file_name.size() > kStartNameLength) {
        file_name = file_name.substr(file_name.size() - kStartNameLength);
    }
    iges.Record(file_name, "S0000001");
    WriteGlobal(iges, settings);
    WriteDirectory(iges, written);
    iges.Record("124,1.,0.,0.,0.,0.,1.,0.,0.,0.,0.,1.,0.;", "1P0000001");
    long long p = 1;
    for (const TElement* e : written) {
        const std::string tail = std::to_string(2 * p + 1) + "P" + IgesSequence7(p + 1);
        ++p;
        iges.Record(ParameterData(*e), tail);
    }
    const long long d = 2 + 2 * static_cast<long long>(written.size());
    iges.Record("S0000001G0000002D" + IgesSequence7(d) + "P" + IgesSequence7(p), "T0000001");
}

void WriteIges(std::ostream& out, const TCadDrawing& drawing, std::string_view file_name) {
    WriteIges(out, drawing.Elements(), drawing.CadSettings(), file_name);
}

} // namespace brevant
