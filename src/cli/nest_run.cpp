// The run of brevant-cli nest.
#include "cli/nest_run.h"

#include "cli/cli_run.h"
#include "core/atomic_file.h"
#include "core/io_error_text.h"
#include "documents/cam_dxf_writer.h"
#include "documents/nest_sheets.h"
#include "documents/svg_writer.h"
#include "nesting/dxf_outlines.h"
#include "nesting/nest_instance.h"
#include "nesting/nester.h"
#include "persistence/text_file.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <ostream>
#include <sstream>

namespace brevant::cli {

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

bool LoadInstance(const std::string& path, NestJob& job, std::string& error) {
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

bool IsDxf(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".dxf";
}

// The pieces of a DXF as parts, each with the file's count.
bool LoadDxfPart(const NestPartFile& file, NestJob& job, std::string& error) {
    if (!IsDxf(file.file)) {
        error = "Cannot nest \"" + file.file +
                "\": a part must be a DXF file of closed outlines (.dxf).";
        return false;
    }
    std::string text;
    if (!ReadWhole(file.file, kMostDxfBytes, text, error)) return false;
    std::istringstream in(text);
    std::vector<NestShape> pieces;
    std::string why;
    if (!ReadDxfOutlines(in, pieces, why)) {
        error = ReadErrorText(file.file, why);
        return false;
    }
    const std::string name = std::filesystem::path(file.file).filename().string();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        NestPart part;
        part.name = pieces.size() == 1 ? name
                                       : name + ", piece " + std::to_string(i + 1) + " of " +
                                             std::to_string(pieces.size());
        part.shape = std::move(pieces[i]);
        part.quantity = file.count;
        job.parts.push_back(std::move(part));
    }
    return true;
}

bool BuildJob(const NestOptions& o, NestJob& job, std::string& error) {
    if (!o.instance.empty()) {
        if (!LoadInstance(o.instance, job, error)) return false;
    } else {
        job.mode = NestMode::kSheets;
        job.sheetWidth = o.sheetWidth;
        job.sheetHeight = o.sheetHeight;
        job.rotations = {0, 90, 180, 270};
        for (const NestPartFile& f : o.parts)
            if (!LoadDxfPart(f, job, error)) return false;
    }
    job.clearance = o.clearance;
    if (o.rotations) {
        job.rotations = *o.rotations;
        for (NestPart& p : job.parts)
            p.rotations.clear();
    }
    return true;
}

nlohmann::ordered_json Describe(const NestResult& r) {
    nlohmann::ordered_json j;
    j["mode"] = r.mode == NestMode::kStrip ? "strip" : "sheets";
    j["length"] = r.length;
    j["density"] = r.density;
    j["sheets"] = nlohmann::ordered_json::array();
    for (const NestSheet& s : r.sheets) {
        nlohmann::ordered_json sheet;
        sheet["width"] = s.width;
        sheet["height"] = s.height;
        sheet["utilisation"] = s.utilisation;
        sheet["placements"] = nlohmann::ordered_json::array();
        for (const NestPlacement& p : s.placements)
            sheet["placements"].push_back({{"part", p.part},
                                           {"copy", p.copy},
                                           {"rotation", p.rotation},
                                           {"x", p.x},
                                           {"y", p.y}});
        j["sheets"].push_back(std::move(sheet));
    }
    return j;
}

// One line for a run without outputs: the sheets, the length used and the density.
std::string Summary(const NestResult& r, UnitSystem units) {
    if (r.mode == NestMode::kStrip) return SheetCaption(r, 0, units);
    std::ostringstream s;
    s << r.sheets.size() << (r.sheets.size() == 1 ? " sheet" : " sheets") << ", the last used to "
      << r.length << " " << UnitShortName(units) << ", density " << r.density * 100 << " %";
    return s.str();
}

// FILE for one sheet; FILE-1.ext, FILE-2.ext, ... for several.
std::string SheetFileName(const std::string& path, std::size_t index, std::size_t count) {
    if (count == 1) return path;
    const std::filesystem::path p(path);
    std::filesystem::path named =
        p.parent_path() / (p.stem().string() + "-" + std::to_string(index + 1));
    return named.string() + p.extension().string();
}

bool Write(const std::string& path, const std::function<void(std::ostream&)>& write,
           std::ostream& err) {
    std::string reason;
    if (WriteFileAtomically(path, write, reason)) return true;
    err << "brevant-cli: " << WriteErrorText(path, reason) << "\n";
    return false;
}

bool WriteOutputs(const NestOptions& o, const NestJob& job, const NestResult& r,
                  std::ostream& err) {
    ShopFileOptions shop;
    shop.units = static_cast<UnitSystem>(o.units);
    bool ok = true;
    if (!o.camDxf.empty())
        for (std::size_t i = 0; i < r.sheets.size(); ++i) {
            const ShopOutlines sheet = SheetOutlines(job, r.sheets[i]);
            ok = Write(
                     SheetFileName(o.camDxf, i, r.sheets.size()),
                     [&](std::ostream& out) { WriteCamDxf(out, sheet, shop); }, err) &&
                 ok;
        }
    if (!o.svg.empty()) {
        const ShopOutlines all = StackedSheets(job, r);
        ok = Write(
                 o.svg, [&](std::ostream& out) { WriteSvg(out, all, shop); }, err) &&
             ok;
    }
    if (!o.pdf.empty()) {
        TPrintPDF pdf;
        BuildNestPdf(pdf, job, r, shop.units);
        ok = Write(
                 o.pdf, [&](std::ostream& out) { pdf.WriteTo(out); }, err) &&
             ok;
    }
    return ok;
}
} // namespace

int RunNest(const NestOptions& o, std::ostream& out, std::ostream& err) {
    NestJob job;
    std::string error;
    if (!BuildJob(o, job, error)) {
        err << "brevant-cli: " << error << "\n";
        return 1;
    }
    brevant::NestOptions search;
    search.seconds = o.seconds;
    search.seed = o.seed;
    search.maxEvaluations = o.evaluations;
    NestRun run(job, search);
    if (!run.Refusal().empty()) {
        err << "brevant-cli: " << run.Refusal() << "\n";
        return kExitNestRefused;
    }
    run.Run();
    const std::optional<NestResult> best = run.Best();
    if (!best) {
        err << "brevant-cli: the nest stopped before every part was placed.\n";
        return kExitNestRefused;
    }
    const bool written = WriteOutputs(o, job, *best, err);
    if (o.json) out << Describe(*best).dump(2) << "\n";
    if (!o.json && o.camDxf.empty() && o.svg.empty() && o.pdf.empty())
        out << Summary(*best, static_cast<UnitSystem>(o.units)) << "\n";
    return written ? 0 : kExitWriteFailed;
}

} // namespace brevant::cli
