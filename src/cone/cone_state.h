// Results of the last cone Calculate: flat radii and angles, chords, overlap, sheet counts.
#pragma once

namespace brevant {

struct ConeState {
    bool IsObliqueCone = false;
};

} // namespace brevant
