// The formed part of the spiral flight.
#include "layouts/spiral/spiral_formed.h"

namespace brevant {

FormedPart SpiralFormedPart(double od, double id, double pitch) {
    FormedPart part;
    part.Name = "Spiral flight";
    part.Pieces.push_back(HelicoidPiece{id / 2, od / 2, pitch, 1});
    return part;
}

} // namespace brevant
