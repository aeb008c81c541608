// The lines drawn over the surface: the mesh's wire frame, the axes, the two rings, the seam and
// the side cuts, as the scene's overlay asks for them.
#pragma once

#include "solid/solid_model.h"

#include <vector>

namespace brevant {

struct OverlayOptions {
    bool ShowSeam = false;     // "Show Cone Seam Line"
    int SeamAngle = 0;         // degrees, the seam spin box
    bool ShowSideCuts = false; // "Show Cone Side Cuts"
    double TopCutAngle = 0;    // degrees, of the last calculation
    double BottomCutAngle = 0; // degrees
};

inline constexpr std::uint32_t kOverlayWireColor = 0xFF0000FF;
inline constexpr std::uint32_t kOverlayZAxisColor = 0xFF0000FF;
inline constexpr std::uint32_t kOverlayYAxisColor = 0xFF008000;
inline constexpr std::uint32_t kOverlayXAxisColor = 0xFFFF0000;
inline constexpr std::uint32_t kOverlayFirstRingColor = 0xFFFFA500;
inline constexpr std::uint32_t kOverlaySecondRingColor = 0xFF0000FF;
inline constexpr std::uint32_t kOverlaySeamColor = 0xFFFFFF00;
inline constexpr std::uint32_t kOverlaySideCutColor = 0xFF00FFFF;

// The overlay in Mesh1's frame, in drawing order. The axes reach |camera Z| either way.
std::vector<OverlayLine> OverlayLines(const SolidModel& model, const OverlayOptions& options);

} // namespace brevant
