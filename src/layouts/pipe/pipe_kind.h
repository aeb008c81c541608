// The pipe intersection as a layout kind: the branch pipe cut to fit its main pipe.
#pragma once

#include "layouts/layout_kind.h"
#include "layouts/pipe/pipe_geometry.h"
#include "layouts/pipe/pipe_state.h"

namespace brevant {

// The inputs of the page, in inches; the thickness is the pipe's own, read from ThicknessEdit
// with them and kept apart from the material thickness of the other kinds.
struct PipeDefinition {
    float PipeBigOD = 0;
    float PipeSmallOD = 0;
    float PipeOffset = 0;
    PipeInputs Inputs(float thickness) const {
        return {PipeBigOD, PipeSmallOD, PipeOffset, thickness};
    }
};

class PipeKind : public LayoutKind {
public:
    std::string_view Key() const override { return "pipe"; }
    std::string_view Caption() const override { return "Pipe Intersection"; }
    const InputPage& Page() const override;
    std::span<const InputField> Fields() const override;
    FieldTarget Target(const InputField& field) override;

    int Calculate(KindRun& run) override;
    bool HasResultDisplay() const override { return false; }

    const FlatPattern& Pattern() const override { return pattern_; }
    FlatPattern PatternFor(PatternUse use) const override;
    std::optional<ViewFraming> Framing(const PartScene& scene, UnitSystem units) const override;
    KindWireFrame WireFrameOf() const override;
    KindReport Report(const DocumentContext& context) const override;
    DataSheetSection DataSheet(const FormModel& form,
                               const DocumentContext& context) const override;
    ResultGroup Results() const override;
    FormedPart FormedSolid(const MaterialInputs& material) const override;

    PipeDefinition Def;
    PipeState State;

private:
    // The page's lengths and the kind's own thickness, with the "not enough" checks.
    bool ReadOwnInputs(KindRun& run);
    PipeInputs Inputs() const { return Def.Inputs(State.MaterialThickness); }

    FlatPattern pattern_;
};

// The 3D wire frame of a branch pipe in its own frame (axis along y): the cut ring on the main
// pipe near y = 0 and the far ring Rb + ds below the base plane, N + 1 points each; the
// generators from the far ring to the cut ring, then the far ring's and the cut ring's edges, in
// green. Inputs whose branch does not fit on the main pipe have no cut ring: false, nothing added.
bool AddPipeWireFrame(WireFrame& out, const PipeInputs& in, int ringPoints);

// The branch pipe's scene from its two rings (scene frame, true size, N + 1 points each) with the
// pipe material: an open strip from the ring at the main axis to the far ring, laid horizontal
// (rotation 90 about Z), meeting the upright main pipe (diameter db, length 2.5 db). A main pipe
// whose diameter or length is outside 2 to 50 scales the model by the display scale of 4 x the
// larger diameter. The rings become far (first) and axis ring.
void BuildPipeMesh(PartScene& scene, const TPathArray& axisRing, const TPathArray& farRing,
                   double db, double ds);

} // namespace brevant
