// Fuzz target: the IGES reader on arbitrary bytes from an in-memory stream.
#include "caddraw/cad_draw.h"
#include "caddraw/cdl_format.h"
#include "caddraw/dxf_format.h"
#include "caddraw/iges_format.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    brevant::TCadDraw view;
    brevant::ReadIges(in, view);
    view.SetExtents();
    // Whatever was read must also write out in every format.
    std::ostringstream out;
    brevant::WriteCdl(out, view.Elements(), view.CadSettings());
    brevant::WriteDxf(out, view.Elements(), view.CadSettings());
    brevant::WriteIges(out, view.Elements(), view.CadSettings(), "fuzz");
    return 0;
}
