// The shared body of the CAD reader fuzz targets: read arbitrary bytes with one reader into a
// drawing (no view), then write whatever was read in every format.
#pragma once

#include "caddraw/cad_drawing.h"
#include "caddraw/cdl_format.h"
#include "caddraw/dxf_format.h"
#include "caddraw/iges_format.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

template <class Reader> int FuzzCadReader(const std::uint8_t* data, std::size_t size, Reader read) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    brevant::TCadDrawing drawing;
    read(in, drawing);
    drawing.SetExtents();
    std::ostringstream out;
    brevant::WriteCdl(out, drawing);
    brevant::WriteDxf(out, drawing);
    brevant::WriteIges(out, drawing, "fuzz");
    return 0;
}
