// The spiral flight as a layout kind: one turn of a screw-conveyor flight as a flat ring.
#pragma once

#include "layouts/layout_kind.h"
#include "layouts/spiral/spiral_model.h"
#include "layouts/spiral/spiral_ring.h"

namespace brevant {

// The inputs of the page, in inches; the thickness is the flight's own, read from ThicknessEdit
// with them and kept apart from the material thickness of the other kinds.
struct SpiralDefinition {
    float SpiralOD = 0;
    float SpiralID = 0;
    float SpiralPitch = 0;
    float SpiralThickness = 0;
};

class SpiralKind : public LayoutKind {
public:
    std::string_view Key() const override { return "spiral"; }
    std::string_view Caption() const override { return "Spiral Flight"; }
    const InputPage& Page() const override;
    std::span<const InputField> Fields() const override;
    FieldTarget Target(const InputField& field) override;
    void ClearInputs(FormModel& form) const override;

    int Calculate(KindRun& run) override;
    bool HidesDisplaysBeforeStoredChoice() const override { return true; }
    bool ShowsThicknessSide() const override { return false; }

    const FlatPattern& Pattern() const override { return pattern_; }
    FlatPattern PatternFor(PatternUse use) const override;
    std::optional<ViewFraming> Framing(const PartScene& scene, UnitSystem units) const override;
    KindWireFrame WireFrameOf() const override;
    KindReport Report(const DocumentContext& context) const override;
    DataSheetSection DataSheet(const FormModel& form,
                               const DocumentContext& context) const override;
    ResultGroup Results() const override;
    FormedPart FormedSolid(const MaterialInputs& material) const override;

    SpiralDefinition Def;
    SpiralResults Flight; // the ring of the last Calculate
    SpiralModel Helices;  // its helices, for the 3D view and the wire frame

private:
    // The page's lengths and the kind's own thickness, with the "not enough" checks.
    bool ReadOwnInputs(KindRun& run);

    FlatPattern pattern_;
};

// The spiral flight from its two helices (scene frame, true size, N + 1 points each): an open
// strip of N quads from the outer to the inner helix, laid horizontal (rotation 90 about Z), a
// second turn in Mesh2 one pitch further along the shaft, and the shaft (diameter id, length
// 2 pitch). A model whose pitch or outside diameter is outside 2 to 50 is scaled by the display
// scale of the larger of the two. The rings become inner (first) and outer.
void BuildSpiralMesh(PartScene& scene, const TPathArray& outerHelix, const TPathArray& innerHelix,
                     double od, double id, double pitch);

// The wire frame of the helices of the last calculation (scene frame kept in the file): the
// N + 1 generators from the inner to the outer helix, then the inner and the outer helix's
// edges, open, in green. Empty helices add nothing.
void AddSpiralWireFrame(WireFrame& out, const SpiralModel& helices);

} // namespace brevant
