// Reading and writing the nest job file; the reader checks every field before it is used and
// bounds every count, since a job file comes from outside.
#include "engine/nest_job_file.h"

#include "core/atomic_file.h"
#include "core/io_error_text.h"
#include "nesting/json_text.h"
#include "nesting/pattern_parts.h"
#include "persistence/text_file.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>

namespace brevant {

namespace {
using nlohmann::json;
namespace fs = std::filesystem;
using ojson = nlohmann::ordered_json;

constexpr const char* kFormatKey = "BrevantNestJob";
constexpr int kFormatVersion = 1;
constexpr double kMostLength = 1e9;
constexpr std::size_t kMostPathChars = 4096;
constexpr std::size_t kMostPieces = 1000;

const char* UnitKey(UnitSystem u) {
    return u == kCentimeters ? "cm" : u == kMillimeters ? "mm" : "in";
}

bool Length(const json& v, double& out) {
    if (!v.is_number()) return false;
    out = v.get<double>();
    return std::isfinite(out) && std::fabs(out) <= kMostLength;
}

bool Whole(const json& v, int least, int most, int& out) {
    if (!v.is_number_integer() || v < least || v > most) return false;
    out = v.get<int>();
    return true;
}

// Finds key in an object, or nullptr.
const json* Member(const json& object, const char* key) {
    const auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

std::string ReadLoop(const json& v, NestLoop& loop, std::size_t& vertices) {
    if (!v.is_array() || v.size() < 2) return "an outline must be a list of at least 2 vertices.";
    vertices += v.size();
    if (vertices > kMostNestJobVertices)
        return "the parts have more than " + std::to_string(kMostNestJobVertices) + " vertices.";
    for (const json& p : v) {
        NestVertex x;
        if (!p.is_array() || p.size() != 3 || !Length(p[0], x.x) || !Length(p[1], x.y) ||
            !Length(p[2], x.bulge) || std::fabs(x.bulge) > 1)
            return "each vertex must be [x, y, bulge], numbers of at most 1e9 and a bulge from "
                   "-1 to 1.";
        loop.push_back(x);
    }
    if (!(std::fabs(LoopArea(loop)) > 0)) return "an outline encloses no area.";
    return {};
}

std::string ReadPiece(const json& v, NestPart& piece, std::size_t& vertices) {
    if (!v.is_object()) return "a piece must be an object.";
    const json* q = Member(v, "quantity");
    if (!q || !Whole(*q, 1, int(kMostPieceCopies), piece.quantity))
        return "a piece's \"quantity\" must be a whole number from 1 to " +
               std::to_string(kMostPieceCopies) + ".";
    const json* outer = Member(v, "outer");
    if (!outer) return "a piece's \"outer\" is missing.";
    if (std::string why = ReadLoop(*outer, piece.shape.outer, vertices); !why.empty()) return why;
    const json* holes = Member(v, "holes");
    if (holes && !holes->is_array()) return "a piece's \"holes\" must be a list of outlines.";
    for (std::size_t i = 0; holes && i < holes->size(); ++i) {
        piece.shape.holes.emplace_back();
        if (std::string why = ReadLoop((*holes)[i], piece.shape.holes.back(), vertices);
            !why.empty())
            return why;
    }
    Orient(piece.shape);
    return {};
}

std::string ReadKeptPart(const json& v, NestJobEntry& e, std::size_t& vertices) {
    const json* name = Member(v, "name");
    if (!name || !name->is_string() || name->get<std::string>().size() > 256)
        return "\"name\" must be a text of at most 256 characters.";
    e.name = name->get<std::string>();
    const json* pieces = Member(v, "pieces");
    if (!pieces || !pieces->is_array() || pieces->empty() || pieces->size() > kMostPieces)
        return "\"pieces\" must be a list of 1 to " + std::to_string(kMostPieces) + " pieces.";
    for (const json& p : *pieces) {
        NestPart piece;
        piece.name = e.name;
        if (std::string why = ReadPiece(p, piece, vertices); !why.empty()) return why;
        e.pieces.push_back(std::move(piece));
    }
    return {};
}

std::string ReadPart(const json& v, const std::string& folder, NestJobEntry& e,
                     std::size_t& vertices) {
    if (!v.is_object()) return "it must be an object.";
    const json* q = Member(v, "quantity");
    if (!q || !Whole(*q, 1, 10000, e.quantity))
        return "\"quantity\" must be a whole number from 1 to 10000.";
    const json* file = Member(v, "file");
    if (!file) return ReadKeptPart(v, e, vertices);
    if (!file->is_string() || file->get<std::string>().empty() ||
        file->get<std::string>().size() > kMostPathChars ||
        file->get<std::string>().find('\0') != std::string::npos)
        return "\"file\" must be a file name of 1 to " + std::to_string(kMostPathChars) +
               " characters.";
    const fs::path p = fs::path(file->get<std::string>());
    e.file = (p.is_absolute() || folder.empty() ? p : fs::path(folder) / p).string();
    return {};
}

std::string ReadSettings(const json& root, NestJobSettings& s) {
    const json* units = Member(root, "units");
    if (!units || !units->is_string() || !(*units == "in" || *units == "cm" || *units == "mm"))
        return "\"units\" must be \"in\", \"cm\" or \"mm\".";
    s.units = *units == "cm" ? kCentimeters : *units == "mm" ? kMillimeters : kInches;
    const json* sheet = Member(root, "sheet");
    const json* w = sheet && sheet->is_object() ? Member(*sheet, "width") : nullptr;
    const json* h = sheet && sheet->is_object() ? Member(*sheet, "height") : nullptr;
    if (!w || !h || !Length(*w, s.sheetWidth) || !Length(*h, s.sheetHeight) ||
        !(s.sheetWidth > 0) || !(s.sheetHeight > 0))
        return "\"sheet\" needs a \"width\" and a \"height\" greater than 0.";
    const json* c = Member(root, "clearance");
    if (!c || !Length(*c, s.clearance) || s.clearance < 0)
        return "\"clearance\" must be a number of at least 0.";
    const json* r = Member(root, "rotations");
    std::vector<double> angles;
    if (!r || !r->is_string() || !ParseNestRotations(r->get<std::string>(), angles))
        return "\"rotations\" must be a step in degrees or angles separated by commas, as text.";
    s.rotations = r->get<std::string>();
    const json* t = Member(root, "time");
    int seconds = 0;
    if (!t || !Whole(*t, 1, 3600, seconds)) return "\"time\" must be 1 to 3600 seconds.";
    s.seconds = seconds;
    return {};
}

std::string ReadRoot(const json& root, const std::string& folder, NestJobSettings& s) {
    if (!root.is_object()) return "The file holds no JSON object.";
    const json* format = Member(root, kFormatKey);
    if (!format || !format->is_number_integer()) return "The file is not a Brevant nest job.";
    if (*format != kFormatVersion)
        return "The file is a nest job of another version (" + format->dump() + ").";
    if (std::string why = ReadSettings(root, s); !why.empty()) return why;
    const json* parts = Member(root, "parts");
    if (!parts || !parts->is_array() || parts->size() > kMostNestJobParts)
        return "\"parts\" must be a list of at most " + std::to_string(kMostNestJobParts) +
               " parts.";
    std::size_t vertices = 0;
    for (std::size_t i = 0; i < parts->size(); ++i) {
        NestJobEntry e;
        if (std::string why = ReadPart((*parts)[i], folder, e, vertices); !why.empty())
            return "Part " + std::to_string(i + 1) + ": " + why;
        s.parts.push_back(std::move(e));
    }
    return {};
}

ojson LoopJson(const NestLoop& loop) {
    ojson out = ojson::array();
    for (const NestVertex& v : loop)
        out.push_back({v.x, v.y, v.bulge});
    return out;
}

ojson KeptPartJson(const NestJobEntry& e) {
    ojson pieces = ojson::array();
    for (const NestPart& p : e.pieces) {
        ojson holes = ojson::array();
        for (const NestLoop& h : p.shape.holes)
            holes.push_back(LoopJson(h));
        pieces.push_back(
            {{"quantity", p.quantity}, {"outer", LoopJson(p.shape.outer)}, {"holes", holes}});
    }
    return {{"name", e.name}, {"quantity", e.quantity}, {"pieces", pieces}};
}

// A part file relative to the job's folder when it lies in it or below.
std::string FileInJob(const std::string& file, const std::string& folder) {
    if (folder.empty()) return file;
    const fs::path rel =
        fs::path(file).lexically_normal().lexically_relative(fs::path(folder).lexically_normal());
    if (rel.empty() || *rel.begin() == "..") return file;
    return rel.generic_string();
}
// The folder of a job file, absolute where the working folder is known.
std::string FolderOf(const std::string& path) {
    std::error_code ec;
    const fs::path full = fs::absolute(fs::path(path), ec);
    return (ec ? fs::path(path) : full).parent_path().string();
}
} // namespace

bool ReadNestJobText(std::string_view text, const std::string& folder, NestJobSettings& settings,
                     std::string& error) {
    settings = NestJobSettings{};
    json root;
    if (!ParseJsonText(text, root, error)) return false;
    error = ReadRoot(root, folder, settings);
    if (!error.empty()) settings = NestJobSettings{};
    return error.empty();
}

std::optional<std::string> NestJobText(const NestJobSettings& s, const std::string& folder) {
    ojson root;
    root[kFormatKey] = kFormatVersion;
    root["units"] = UnitKey(s.units);
    root["sheet"] = {{"width", s.sheetWidth}, {"height", s.sheetHeight}};
    root["clearance"] = s.clearance;
    root["rotations"] = s.rotations;
    root["time"] = static_cast<int>(std::lround(s.seconds));
    root["parts"] = ojson::array();
    for (const NestJobEntry& e : s.parts)
        root["parts"].push_back(
            e.file.empty() ? KeptPartJson(e)
                           : ojson{{"file", FileInJob(e.file, folder)}, {"quantity", e.quantity}});
    try {
        return root.dump(2) + "\n";
    } catch (const json::type_error&) {
        return std::nullopt;
    }
}

bool ReadNestJobFile(const std::string& path, NestJobSettings& settings, std::string& error) {
    std::string text, reason;
    switch (ReadTextFile(path, kMostNestJobBytes, text, reason)) {
    case ReadOutcome::Ok:
        break;
    case ReadOutcome::Missing:
        error = ReadErrorText(path, "no such file");
        return false;
    default:
        error = ReadErrorText(path, reason);
        return false;
    }
    std::string why;
    const std::string folder = FolderOf(path);
    if (ReadNestJobText(text, folder, settings, why)) return true;
    error = ReadErrorText(path, why);
    return false;
}

bool WriteNestJobFile(const std::string& path, const NestJobSettings& settings,
                      std::string& error) {
    const std::optional<std::string> text = NestJobText(settings, FolderOf(path));
    if (!text) {
        error = WriteErrorText(path, "a part's name or file name is not valid UTF-8");
        return false;
    }
    std::string reason;
    if (WriteFileAtomically(path, *text, reason)) return true;
    error = WriteErrorText(path, reason);
    return false;
}

} // namespace brevant
