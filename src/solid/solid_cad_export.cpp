// The 3D wire frame written into a CAD drawing.
#include "solid/solid_cad_export.h"

namespace brevant {

void AddWireFrame(TCadDrawing& out, const WireFrame& frame, UnitSystem units) {
    auto u = [units](double inches) { return FromInches(static_cast<float>(inches), units); };
    out.CadSettings().current_layer = 1;
    for (const WireEntity& e : frame.Entities) {
        out.SetDrawColor(e.Color);
        if (e.IsPoint)
            out.MakePoint(u(e.From.x), u(e.From.y), u(e.From.z));
        else
            out.MakeLine(u(e.From.x), u(e.From.y), u(e.From.z), u(e.To.x), u(e.To.y), u(e.To.z));
    }
}

} // namespace brevant
