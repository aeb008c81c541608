// The run of brevant-cli nest.
#include "cli/nest_run.h"

#include "cli/cli_host.h"
#include "cli/cli_run.h"
#include "documents/nest_sheets.h"
#include "engine/layout_engine.h"
#include "engine/nest_definitions.h"
#include "engine/nest_files.h"
#include "engine/settings_file.h"
#include "nesting/nester.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <memory>
#include <ostream>
#include <sstream>

namespace brevant::cli {

namespace {
// The run's one layout engine, made when the first definition file needs it: it calculates
// each definition file as the kind the file names (else --type), its numbers in the nest's
// unit as brevant-cli --units reads them.
class PartCalculator {
public:
    PartCalculator(std::string type, UnitSystem units) : type_(std::move(type)), units_(units) {}

    bool Add(const NestPartFile& f, NestJob& job, std::string& error, std::ostream& err) {
        LayoutEngine& e = Engine();
        e.ShowLayoutType(e.KindIndexOf(type_));
        const std::size_t shown = host_.messages.size();
        const bool added = AddPartFile(e, f.file, f.count, units_, job, error);
        // What the calculation showed in a message box goes out with the refusal.
        for (std::size_t i = shown; !added && i < host_.messages.size(); ++i)
            err << "brevant-cli: " << f.file << ": " << host_.messages[i].title
                << (host_.messages[i].body.empty() ? "" : " " + host_.messages[i].body) << "\n";
        return added;
    }

private:
    LayoutEngine& Engine() {
        if (engine_) return *engine_;
        engine_ = std::make_unique<LayoutEngine>(host_);
        engine_->App.UserDataFolder = std::filesystem::current_path().string() + "/";
        engine_->Startup();
        engine_->UpdateUnitLabels();
        engine_->FormActivate();
        ChangeUnits(*engine_, units_);
        return *engine_;
    }

    std::string type_;
    UnitSystem units_;
    CliHost host_;
    std::unique_ptr<LayoutEngine> engine_;
};

bool BuildJob(const NestOptions& o, NestJob& job, std::string& error, std::ostream& err) {
    if (!o.instance.empty()) {
        if (!ReadNestInstanceFile(o.instance, job, error)) return false;
    } else {
        job.mode = NestMode::kSheets;
        job.sheetWidth = o.sheetWidth;
        job.sheetHeight = o.sheetHeight;
        job.rotations = {0, 90, 180, 270};
        PartCalculator calculator(o.layoutType, static_cast<UnitSystem>(o.units));
        for (const NestPartFile& f : o.parts)
            if (!calculator.Add(f, job, error, err)) return false;
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

bool WriteOutputs(const NestOptions& o, const NestJob& job, const NestResult& r,
                  std::ostream& err) {
    const auto units = static_cast<UnitSystem>(o.units);
    bool ok = true;
    auto report = [&](bool written, const std::string& error) {
        if (!written) err << "brevant-cli: " << error << "\n";
        ok = ok && written;
    };
    std::string error;
    std::vector<std::string> files;
    if (!o.camDxf.empty()) report(WriteNestCamDxf(o.camDxf, job, r, units, files, error), error);
    if (!o.svg.empty()) report(WriteNestSvg(o.svg, job, r, units, error), error);
    if (!o.pdf.empty()) report(WriteNestPdf(o.pdf, job, r, units, error), error);
    return ok;
}
} // namespace

int RunNest(const NestOptions& o, std::ostream& out, std::ostream& err) {
    NestJob job;
    std::string error;
    if (!BuildJob(o, job, error, err)) {
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
