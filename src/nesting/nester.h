// The true-shape nester: places every copy of every part without overlap, a clearance apart
// and from the sheet's edge, in the allowed rotations, on the fewest sheets (or the shortest
// strip), improving the placement until the time is up. Runs on the calling thread with
// helpers on the other cores; progress, cancellation and the best placement so far are
// available from any thread.
#pragma once

#include "nesting/nest_job.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace brevant {

namespace nest {
struct Model;
class NoFitCache;
} // namespace nest

class NestRun {
public:
    NestRun(NestJob job, NestOptions options);
    ~NestRun();
    NestRun(const NestRun&) = delete;
    NestRun& operator=(const NestRun&) = delete;

    // Why the job cannot be nested (a part too large for the sheet in every allowed
    // rotation, no parts, ...); empty when it can. Run does nothing for a refused job.
    const std::string& Refusal() const { return refusal_; }

    // Nests until the time is up, the evaluation limit is reached or Cancel() is called.
    // progress is called on this thread after each step of the search and on each
    // improvement. True when every copy is placed (false: refused or cancelled before the
    // first placement was complete).
    bool Run(const std::function<void(const NestProgress&)>& progress = {});
    void Cancel() { cancelled_ = true; }

    // The best placement so far; nothing before the first one is complete.
    std::optional<NestResult> Best() const;
    const NestJob& Job() const { return job_; }

private:
    NestProgress Progress(double elapsed, double budget, long long evaluations) const;

    NestJob job_;
    NestOptions options_;
    std::string refusal_;
    std::unique_ptr<nest::Model> model_;
    std::unique_ptr<nest::NoFitCache> cache_;
    std::atomic<bool> cancelled_{false};
    mutable std::mutex mutex_;
    std::optional<NestResult> best_;
};

} // namespace brevant
