// The nester on a job of real parts: every example definition file (examples/*.layout, so each
// kind with an example takes part), calculated by the engine as its kind and nested on 120 x 60
// in sheets with 0.5 in clearance, turned in steps of BREVANT_NEST_STEP degrees (default 15);
// sheets used, density, evaluations and the time taken (the first placement included). Parts
// that fit no sheet are left out and counted. The search's time budget is 60 s
// (BREVANT_NEST_SECONDS sets another); BREVANT_NEST_COPIES copies of each part (default 4).
#include "core/host.h"
#include "engine/layout_engine.h"
#include "engine/nest_definitions.h"
#include "nesting/nester.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

double EnvNumber(const char* name, double fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::atof(v) : fallback;
}

// Answers every message with its first button and every file dialog with nothing.
class QuietHost : public brevant::IHost {
public:
    int ShowMessage(const brevant::MessageRequest&) override { return brevant::kResultOk; }
    std::string AskOpenFile(const brevant::FileDialogRequest&) override { return {}; }
    std::string AskSaveFile(const brevant::FileDialogRequest&) override { return {}; }
    void OpenWithSystem(const std::string&) override {}
};

std::vector<std::string> ExampleFiles() {
    std::vector<std::string> files;
    for (const auto& e :
         std::filesystem::directory_iterator(std::string(BREVANT_SOURCE_DIR) + "/examples"))
        if (e.path().extension() == ".layout") files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

// The job of every example that fits the sheet; how many were left out.
brevant::NestJob RealPartsJob(int copies, int step, int& leftOut) {
    QuietHost host;
    brevant::LayoutEngine engine(host);
    engine.Startup();
    engine.FormActivate();
    brevant::NestJob job;
    job.sheetWidth = 120;
    job.sheetHeight = 60;
    job.clearance = 0.5;
    job.rotations.clear();
    for (int a = 0; a < 360; a += step)
        job.rotations.push_back(a);
    leftOut = 0;
    for (const std::string& file : ExampleFiles()) {
        brevant::NestJob one = job;
        one.parts.clear();
        std::string error;
        if (!brevant::AddDefinitionParts(engine, file, copies, brevant::kInches, one, error) ||
            !brevant::NestRun(one, {}).Refusal().empty()) {
            ++leftOut;
            continue;
        }
        job.parts.insert(job.parts.end(), one.parts.begin(), one.parts.end());
    }
    return job;
}

void NestRealParts(benchmark::State& state) {
    int leftOut = 0;
    const brevant::NestJob job =
        RealPartsJob(static_cast<int>(EnvNumber("BREVANT_NEST_COPIES", 4)),
                     std::max(1, static_cast<int>(EnvNumber("BREVANT_NEST_STEP", 15))), leftOut);
    brevant::NestOptions options;
    options.seconds = EnvNumber("BREVANT_NEST_SECONDS", 60);
    brevant::NestResult result;
    for (auto _ : state) {
        brevant::NestRun run(job, options);
        run.Run();
        result = run.Best().value_or(brevant::NestResult{});
    }
    int copies = 0;
    double area = 0;
    for (const brevant::NestPart& p : job.parts) {
        copies += p.quantity;
        area += p.quantity * brevant::ShapeArea(p.shape);
    }
    state.counters["pieces"] = copies;
    state.counters["left_out"] = leftOut;
    state.counters["sheets"] = double(result.sheets.size());
    state.counters["sheets_by_area"] = area / (job.sheetWidth * job.sheetHeight);
    state.counters["density"] = result.density;
    state.counters["last_length"] = result.length;
    state.counters["evaluations"] = double(result.evaluations);
    state.counters["seconds"] = result.seconds;
}

BENCHMARK(NestRealParts)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
