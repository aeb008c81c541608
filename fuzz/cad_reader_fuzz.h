// The shared body of the CAD reader fuzz targets: read arbitrary bytes with one reader, then
// write whatever was read in every format.
#pragma once

#include "caddraw/cad_draw.h"
#include "caddraw/cdl_format.h"
#include "caddraw/dxf_format.h"
#include "caddraw/iges_format.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

template <class Reader> int FuzzCadReader(const std::uint8_t* data, std::size_t size, Reader read) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    brevant::TCadDraw view;
    read(in, view);
    view.SetExtents();
    std::ostringstream out;
    brevant::WriteCdl(out, view.Elements(), view.CadSettings());
    brevant::WriteDxf(out, view.Elements(), view.CadSettings());
    brevant::WriteIges(out, view.Elements(), view.CadSettings(), "fuzz");
    return 0;
}
