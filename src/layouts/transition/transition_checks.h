// The checks a transition's inputs pass before it is developed, each with the message naming the
// value that stops it, and the part on the middle of the plate the pattern is developed on.
#pragma once

#include "core/material.h"
#include "layouts/transition/transition_model.h"

#include <string>

namespace brevant {

// The inputs as typed (inches and degrees), on the side of the plate the dimensions are given on.
struct TransitionInputs {
    TransitionPart Part;
    int BottomShape = 0;
    int TopShape = 1;
    double Thickness = 0;
    int Side = kMiddle;
};

// What stops a calculation: nothing (Ok); a value still to be typed (Missing); or a value that
// cannot form a part (Refused), with the message naming it.
struct TransitionCheck {
    enum class Outcome { Ok, Missing, Refused } Result = Outcome::Ok;
    std::string Message;
};

// The largest length the development takes: beyond it the sums lose their inches.
inline constexpr double kTransitionLargest = 100000.0;
// The smallest section size and the least height of any point of the top above the bottom.
inline constexpr double kTransitionSmallest = 0.01;

TransitionCheck CheckTransition(const TransitionInputs& in);

// The part on the middle of the plate: a section measured on the outside of the plate is half
// a thickness larger all round than its middle, one measured on the inside half a thickness
// smaller.
TransitionPart MiddlePart(const TransitionInputs& in);

// The lowest height of the top section's points above the bottom plane.
double LowestTopPoint(const TransitionPart& part);

} // namespace brevant
