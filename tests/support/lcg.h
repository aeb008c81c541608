// A small deterministic generator for property tests, so that a failing case can be
// reproduced from its index and the seed.
#pragma once

#include <cstdint>

namespace brevant::testing {

class Lcg {
public:
    explicit Lcg(std::uint64_t seed) : state_(seed) {}
    // A value in [lo, hi).
    double Next(double lo, double hi) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return lo + (hi - lo) * static_cast<double>(state_ >> 11) / 9007199254740992.0;
    }

private:
    std::uint64_t state_;
};

} // namespace brevant::testing
