// The late-acceptance search over sequences of copies.
#include "nesting/nest_search.h"

#include <algorithm>
#include <numeric>

namespace brevant::nest {

namespace {
constexpr int kBatch = 4;       // neighbours evaluated per step
constexpr int kHistory = 1000;  // late-acceptance history length
constexpr int kStartOrders = 4; // greedy sequences tried first

std::uint64_t SplitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
} // namespace

// The copies in one of the start orders: by area, by longest side, by height, by width;
// largest first, every rotation left to the placement.
std::vector<Gene> Search::Sequence(int order) const {
    const std::size_t n = model_.copyPart.size();
    std::vector<double> key(model_.shapes.size(), 0);
    for (std::size_t p = 0; p < model_.shapes.size(); ++p)
        for (const auto& s : model_.shapes[p]) {
            if (!s || !s->placeable) continue;
            const double w = double(s->box.maxX - s->box.minX);
            const double h = double(s->box.maxY - s->box.minY);
            const double k = order == 0   ? s->area
                             : order == 1 ? std::max(w, h)
                             : order == 2 ? h
                                          : w;
            key[p] = std::max(key[p], k);
        }
    std::vector<Gene> genes(n);
    for (std::size_t i = 0; i < n; ++i)
        genes[i] = {static_cast<int>(i), -1};
    std::stable_sort(genes.begin(), genes.end(), [&](const Gene& a, const Gene& b) {
        return key[std::size_t(model_.copyPart[std::size_t(a.copy)])] >
               key[std::size_t(model_.copyPart[std::size_t(b.copy)])];
    });
    return genes;
}

bool Search::Same(const Gene& a, const Gene& b) const {
    return a.rotation == b.rotation &&
           model_.copyPart[std::size_t(a.copy)] == model_.copyPart[std::size_t(b.copy)];
}

bool Search::Evaluate(std::vector<Candidate>& batch, const std::function<bool()>& stop) {
    std::vector<char> complete(batch.size(), 0);
    pool_.ForEach(static_cast<int>(batch.size()), [&](Decoder& d, int i) {
        Candidate& c = batch[std::size_t(i)];
        complete[std::size_t(i)] = d.Decode(c.layout, c.from, stop);
    });
    evaluations_ += static_cast<long long>(batch.size());
    return std::all_of(complete.begin(), complete.end(), [](char c) { return c != 0; });
}

bool Search::Start(const SearchHooks& hooks) {
    std::vector<Candidate> batch(kStartOrders);
    for (int k = 0; k < kStartOrders; ++k)
        batch[std::size_t(k)].layout.genes = Sequence(k);
    // The first layout is completed whatever the time: only a cancellation stops it.
    if (!Evaluate(batch, hooks.cancelled)) return false;
    const auto best =
        std::min_element(batch.begin(), batch.end(), [](const Candidate& a, const Candidate& b) {
            return a.layout.score < b.layout.score;
        });
    current_ = best_ = best->layout;
    if (hooks.improved) hooks.improved(best_);
    return true;
}

// Changes the genes by one move; returns the first position changed.
std::size_t Search::Mutate(std::vector<Gene>& genes) {
    const std::size_t n = genes.size();
    auto pick = [&](std::size_t bound) { return std::size_t(SplitMix(state_) % bound); };
    const std::size_t i = pick(n);
    const int move = int(SplitMix(state_) % 3);
    const int part = model_.copyPart[std::size_t(genes[i].copy)];
    if (move == 0 || n < 2) {
        // A rotation: one of the part's allowed ones, or the placement's choice.
        std::vector<int> choices{-1};
        for (int r = 0; r < static_cast<int>(model_.rotations.size()); ++r)
            if (model_.Placeable(part, r)) choices.push_back(r);
        genes[i].rotation = choices[pick(choices.size())];
        return i;
    }
    // Another position; for a swap one holding another part or rotation, where there is one
    // within a few tries (swapping two copies of a kind changes nothing).
    std::size_t j = pick(n);
    for (int tries = 0; move == 1 && tries < 8 && Same(genes[i], genes[j]); ++tries)
        j = pick(n);
    if (move == 1) {
        std::swap(genes[i], genes[j]);
        return std::min(i, j);
    }
    const Gene g = genes[i];
    genes.erase(genes.begin() + std::ptrdiff_t(i));
    genes.insert(genes.begin() + std::ptrdiff_t(j), g);
    return std::min(i, j);
}

bool Search::Run(const SearchHooks& hooks) {
    state_ = seed_;
    if (!Start(hooks)) return false;
    std::vector<double> history(kHistory, current_.score);
    for (long long step = 0; !(hooks.stop && hooks.stop()) && Budget(kBatch); ++step) {
        std::vector<Candidate> batch(kBatch);
        for (Candidate& c : batch) {
            c.layout = current_;
            c.from = Mutate(c.layout.genes);
        }
        if (!Evaluate(batch, hooks.stop)) break;
        if (hooks.tick) hooks.tick(evaluations_);
        const auto chosen = std::min_element(
            batch.begin(), batch.end(),
            [](const Candidate& a, const Candidate& b) { return a.layout.score < b.layout.score; });
        double& late = history[std::size_t(step % kHistory)];
        if (chosen->layout.score <= current_.score || chosen->layout.score <= late)
            current_ = chosen->layout;
        if (current_.score < late) late = current_.score;
        if (current_.score < best_.score) {
            best_ = current_;
            if (hooks.improved) hooks.improved(best_);
        }
    }
    return true;
}

} // namespace brevant::nest
