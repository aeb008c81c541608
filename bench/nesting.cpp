// The nester on the strip-packing benchmark instances in bench/data/nesting: density reached
// and time taken, against the best published density. The time budget is 60 s a run
// (BREVANT_NEST_SECONDS sets another); the seed BREVANT_NEST_SEED (default 1).
#include "nesting/nest_instance.h"
#include "nesting/nester.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

double EnvNumber(const char* name, double fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::atof(v) : fallback;
}

brevant::NestJob Instance(const std::string& name) {
    std::ifstream in(std::string(BREVANT_BENCH_DATA_DIR) + "/nesting/" + name + ".json");
    std::stringstream text;
    text << in.rdbuf();
    brevant::NestInstance instance;
    std::string error;
    if (!brevant::ReadNestInstance(text.str(), instance, error)) std::abort();
    return instance.job;
}

void NestInstance(benchmark::State& state, const std::string& name, double bestDensity) {
    const brevant::NestJob job = Instance(name);
    brevant::NestOptions options;
    options.seconds = EnvNumber("BREVANT_NEST_SECONDS", 60);
    options.seed = static_cast<std::uint64_t>(EnvNumber("BREVANT_NEST_SEED", 1));
    brevant::NestResult result;
    for (auto _ : state) {
        brevant::NestRun run(job, options);
        run.Run();
        result = run.Best().value_or(brevant::NestResult{});
    }
    state.counters["density"] = result.density;
    state.counters["of_best"] = result.density / bestDensity;
    state.counters["length"] = result.length;
    state.counters["evaluations"] = double(result.evaluations);
    state.counters["seconds"] = result.seconds;
}

BENCHMARK_CAPTURE(NestInstance, mao, "mao", 0.8687)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(NestInstance, shirts, "shirts", 0.9092)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
