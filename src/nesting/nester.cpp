// The nester's front: preparing the job, running the search with a time budget and a
// cancellation flag, and keeping the best placement for any thread to read.
#include "nesting/nester.h"

#include "nesting/nest_model.h"
#include "nesting/nest_search.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace brevant {

namespace {
using Clock = std::chrono::steady_clock;

int ThreadCount(int asked) {
    if (asked > 0) return std::min(asked, 64);
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(std::min(cores, 64u));
}
} // namespace

NestRun::NestRun(NestJob job, NestOptions options)
    : job_(std::move(job)), options_(options), model_(std::make_unique<nest::Model>()),
      cache_(std::make_unique<nest::NoFitCache>()) {
    refusal_ = nest::Prepare(job_, *model_);
}

NestRun::~NestRun() = default;

std::optional<NestResult> NestRun::Best() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return best_;
}

NestProgress NestRun::Progress(double elapsed, double budget, long long evaluations) const {
    NestProgress p;
    p.elapsed = elapsed;
    p.budget = budget;
    p.evaluations = evaluations;
    if (const auto best = Best()) {
        p.placed = true;
        p.sheets = static_cast<int>(best->sheets.size());
        p.length = best->length;
        p.density = best->density;
    }
    return p;
}

bool NestRun::Run(const std::function<void(const NestProgress&)>& progress) {
    if (!refusal_.empty()) return false;
    const Clock::time_point start = Clock::now();
    const double budget = std::max(0.0, options_.seconds);
    const auto deadline =
        start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(budget));
    nest::DecoderPool pool(ThreadCount(options_.threads), *model_, *cache_);
    nest::Search search(*model_, pool, options_.seed, options_.maxEvaluations);
    auto elapsed = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };
    auto report = [&](long long evaluations) {
        if (progress) progress(Progress(elapsed(), budget, evaluations));
    };
    nest::SearchHooks hooks;
    hooks.cancelled = [this] { return cancelled_.load(); };
    hooks.stop = [this, deadline] { return cancelled_.load() || Clock::now() >= deadline; };
    hooks.improved = [&](const nest::Layout& layout) {
        NestResult r = nest::ResultOf(*model_, layout);
        r.evaluations = search.Evaluations();
        r.seconds = elapsed();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            best_ = std::move(r);
        }
        report(search.Evaluations());
    };
    hooks.tick = report;
    const bool placed = search.Run(hooks);
    std::lock_guard<std::mutex> lock(mutex_);
    if (best_) {
        best_->evaluations = search.Evaluations();
        best_->seconds = elapsed();
    }
    return placed;
}

} // namespace brevant
