// The formed part of the branch pipe.
#include "layouts/pipe/pipe_formed.h"

namespace brevant {

FormedPart PipeFormedPart(const PipeInputs& in) {
    FormedPart part;
    part.Name = "Branch pipe";
    part.Pieces.push_back(BranchPiece{in.BranchDiameter / 2, in.MainDiameter / 2, in.Offset,
                                      PipeReferenceDistance(in)});
    return part;
}

} // namespace brevant
