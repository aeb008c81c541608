// The improvement search: from the best of a few greedy sequences, a late-acceptance local
// search over the order and the rotations of the copies, each step evaluating a batch of
// neighbours on every thread. The batches and their choice depend only on the seed, so the
// same seed and number of evaluations give the same layout on any machine.
#pragma once

#include "nesting/decoder_pool.h"
#include "nesting/nest_job.h"

#include <cstdint>
#include <functional>

namespace brevant::nest {

struct SearchHooks {
    std::function<bool()> cancelled;                 // polled often, from every thread
    std::function<bool()> stop;                      // cancelled or out of time
    std::function<void(const Layout&)> improved;     // a better layout, on the calling thread
    std::function<void(long long evaluations)> tick; // after each batch
};

class Search {
public:
    Search(const Model& model, DecoderPool& pool, std::uint64_t seed, long long maxEvaluations)
        : model_(model), pool_(pool), seed_(seed), maxEvaluations_(maxEvaluations) {}

    // Runs until hooks.stop() or the evaluation limit. False when not even the first layout
    // was completed.
    bool Run(const SearchHooks& hooks);
    long long Evaluations() const { return evaluations_; }

private:
    struct Candidate {
        Layout layout;
        std::size_t from = 0; // the first gene that differs from the current layout
    };
    bool Start(const SearchHooks& hooks);
    bool Evaluate(std::vector<Candidate>& batch, const std::function<bool()>& stop);
    std::size_t Mutate(std::vector<Gene>& genes);
    bool Same(const Gene& a, const Gene& b) const;
    std::vector<Gene> Sequence(int order) const;
    bool Budget(int batch) const {
        return maxEvaluations_ <= 0 || evaluations_ + batch <= maxEvaluations_;
    }

    const Model& model_;
    DecoderPool& pool_;
    std::uint64_t seed_;
    std::uint64_t state_ = 0;
    long long maxEvaluations_;
    long long evaluations_ = 0;
    Layout current_;
    Layout best_;
};

} // namespace brevant::nest
