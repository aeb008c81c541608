// Saving and loading a drawing as CDL, DXF or IGES, chosen by its CadType.
#include "caddraw/cad_drawing.h"
#include "caddraw/cdl_format.h"
#include "caddraw/dxf_format.h"
#include "caddraw/iges_format.h"
#include "core/atomic_file.h"
#include "core/io_error_text.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace brevant {

namespace {

// Opens the file, trying once more when the first attempt fails.
bool OpenForReading(std::ifstream& in, const std::string& path, std::string& reason) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        errno = 0;
        in.open(path, std::ios::binary);
        if (in.is_open()) return true;
        reason = errno != 0 ? std::generic_category().message(errno) : "the file cannot be opened";
        in.clear();
    }
    return false;
}

} // namespace

bool TCadDrawing::SaveToFile(const std::string& path) {
    lastError_.clear();
    const int type = settings_.cad_type;
    auto write = [&](std::ostream& out) {
        settings_.cdl_filename = path;
        if (type == kCadTypeDxf) {
            WriteDxf(out, *this);
        } else if (type == kCadTypeIges) {
            WriteIges(out, *this, path);
        } else {
            WriteCdl(out, *this);
        }
    };
    std::string reason;
    if (WriteFileAtomically(path, write, reason)) return true;
    lastError_ = WriteErrorText(path, reason);
    return false;
}

bool TCadDrawing::LoadFromFile(const std::string& path) {
    lastError_.clear();
    std::error_code error;
    // Only a regular file is read: a device or a pipe could deliver data without end.
    if (!std::filesystem::is_regular_file(path, error)) {
        lastError_ = ReadErrorText(path, error ? error.message() : "no such file");
        return false;
    }
    settings_.merge_cad = false;
    const int window = settings_.current_plot_window;
    for (int w = 1; w <= 4; ++w)
        settings_.arc_view[static_cast<std::size_t>(w)].flag = 0;
    settings_.arc_view[1].m = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    settings_.arc_view[1].flag = 1;
    if (settings_.cad_type < kCadTypeCdl || settings_.cad_type > kCadTypeIges)
        settings_.cad_type = kCadTypeCdl;

    std::ifstream in;
    std::string reason;
    bool ok = OpenForReading(in, path, reason);
    if (ok) {
        if (settings_.cad_type == kCadTypeDxf) {
            settings_.cdl_filename = path;
            ReadDxf(in, *this);
        } else if (settings_.cad_type == kCadTypeIges) {
            settings_.cdl_filename = path;
            ReadIges(in, *this);
        } else {
            ReadCdl(in, *this);
        }
        SetExtents();
        if (in.bad()) {
            ok = false;
            reason = "the file could not be read to its end";
        }
    }
    if (!ok) lastError_ = ReadErrorText(path, reason);
    settings_.current_plot_window = window;
    return ok;
}

} // namespace brevant
