// Fuzz target: the DXF reader on arbitrary bytes from an in-memory stream.
#include "cad_reader_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return FuzzCadReader(data, size, [](std::istream& in, brevant::TCadDrawing& drawing) {
        brevant::ReadDxf(in, drawing);
    });
}
