// Reading a nest's parts and writing its sheets, every write atomic.
#include "engine/nest_files.h"

#include "core/atomic_file.h"
#include "core/io_error_text.h"
#include "documents/cam_dxf_writer.h"
#include "documents/nest_sheets.h"
#include "documents/svg_writer.h"
#include "nesting/dxf_outlines.h"
#include "nesting/nest_instance.h"
#include "persistence/text_file.h"

#include <filesystem>
#include <functional>
#include <sstream>

namespace brevant {

namespace {
constexpr std::size_t kMostInstanceBytes = std::size_t(64) << 20;
constexpr std::size_t kMostDxfBytes = std::size_t(256) << 20;

bool ReadWhole(const std::string& path, std::size_t limit, std::string& text, std::string& error) {
    std::string reason;
    switch (ReadTextFile(path, limit, text, reason)) {
    case ReadOutcome::Ok:
        return true;
    case ReadOutcome::Missing:
        error = ReadErrorText(path, "no such file");
        return false;
    default:
        error = ReadErrorText(path, reason);
        return false;
    }
}

bool IsDxf(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".dxf";
}

bool Write(const std::string& path, const std::function<void(std::ostream&)>& write,
           std::string& error) {
    std::string reason;
    if (WriteFileAtomically(path, write, reason)) return true;
    error = WriteErrorText(path, reason);
    return false;
}
} // namespace

bool AddDxfParts(const std::string& path, int count, NestJob& job, std::string& error) {
    if (!IsDxf(path)) {
        error =
            "Cannot nest \"" + path + "\": a part must be a DXF file of closed outlines (.dxf).";
        return false;
    }
    std::string text;
    if (!ReadWhole(path, kMostDxfBytes, text, error)) return false;
    std::istringstream in(text);
    std::vector<NestShape> pieces;
    std::string why;
    if (!ReadDxfOutlines(in, pieces, why)) {
        error = ReadErrorText(path, why);
        return false;
    }
    const std::string name = std::filesystem::path(path).filename().string();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        NestPart part;
        part.name = pieces.size() == 1 ? name
                                       : name + ", piece " + std::to_string(i + 1) + " of " +
                                             std::to_string(pieces.size());
        part.shape = std::move(pieces[i]);
        part.quantity = count;
        job.parts.push_back(std::move(part));
    }
    return true;
}

bool ReadNestInstanceFile(const std::string& path, NestJob& job, std::string& error) {
    std::string text;
    if (!ReadWhole(path, kMostInstanceBytes, text, error)) return false;
    NestInstance instance;
    std::string why;
    if (!ReadNestInstance(text, instance, why)) {
        error = ReadErrorText(path, why);
        return false;
    }
    job = std::move(instance.job);
    return true;
}

std::string SheetFileName(const std::string& path, std::size_t index, std::size_t count) {
    if (count == 1) return path;
    const std::filesystem::path p(path);
    const std::filesystem::path named =
        p.parent_path() / (p.stem().string() + "-" + std::to_string(index + 1));
    return named.string() + p.extension().string();
}

bool WriteNestCamDxf(const std::string& path, const NestJob& job, const NestResult& result,
                     UnitSystem units, std::vector<std::string>& written, std::string& error) {
    ShopFileOptions shop;
    shop.units = units;
    for (std::size_t i = 0; i < result.sheets.size(); ++i) {
        const ShopOutlines sheet = SheetOutlines(job, result.sheets[i]);
        const std::string file = SheetFileName(path, i, result.sheets.size());
        if (!Write(
                file, [&](std::ostream& out) { WriteCamDxf(out, sheet, shop); }, error))
            return false;
        written.push_back(file);
    }
    return true;
}

bool WriteNestSvg(const std::string& path, const NestJob& job, const NestResult& result,
                  UnitSystem units, std::string& error) {
    ShopFileOptions shop;
    shop.units = units;
    const ShopOutlines all = StackedSheets(job, result);
    return Write(
        path, [&](std::ostream& out) { WriteSvg(out, all, shop); }, error);
}

bool WriteNestPdf(const std::string& path, const NestJob& job, const NestResult& result,
                  UnitSystem units, std::string& error) {
    TPrintPDF pdf;
    BuildNestPdf(pdf, job, result, units);
    return Write(
        path, [&](std::ostream& out) { pdf.WriteTo(out); }, error);
}

} // namespace brevant
