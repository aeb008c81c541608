// The transition as a layout kind: the surface between any two sections (rectangle, rectangle
// with rounded corners, round, obround), the top shifted and tilted, developed by triangulation.
#pragma once

#include "layouts/layout_kind.h"
#include "layouts/transition/transition_checks.h"
#include "layouts/transition/transition_develop.h"

namespace brevant {

// The inputs of the page, in inches and degrees. A shape is 0 rectangle, 1 round, 2 obround; a
// length of 0 takes the width.
struct TransitionDefinition {
    int TransitionBottomShape = 0;
    float TransitionBottomWidth = 0;
    float TransitionBottomLength = 0;
    float TransitionBottomRadius = 0;
    int TransitionTopShape = 1;
    float TransitionTopWidth = 0;
    float TransitionTopLength = 0;
    float TransitionTopRadius = 0;
    float TransitionHeight = 0;
    float TransitionTopXShift = 0;
    float TransitionTopYShift = 0;
    float TransitionTopAngle = 0;
    int TransitionDivisions = 6;
    bool TransitionHalfPattern = false;
    // The part as typed, with the plate's thickness and the side the sizes are measured on.
    TransitionInputs Inputs(const MaterialInputs& material) const;
};

// What the last calculation made: the part on the middle of the plate, the model of the whole
// part (the 3D view and the solid), the model and the development of the pattern (the whole
// part or its half).
struct TransitionResults {
    bool Made = false;
    TransitionPart Part;
    TransitionModel Whole;
    TransitionModel Developed;
    TransitionFlat Flat;
    double Thickness = 0;
    double Weight = 0; // pounds, of the whole part
};

class TransitionKind : public LayoutKind {
public:
    std::string_view Key() const override { return "transition"; }
    std::string_view Caption() const override { return "Transition"; }
    const InputPage& Page() const override;
    std::span<const InputField> Fields() const override;
    FieldTarget Target(const InputField& field) override;

    int Calculate(KindRun& run) override;
    bool ReadInputs(KindRun& run) override;
    bool Step(std::string_view control, int step, FormModel& form) override;
    std::optional<double> BendAngle(int) const override { return std::nullopt; }

    const FlatPattern& Pattern() const override { return pattern_; }
    std::optional<ViewFraming> Framing(const PartScene& scene, UnitSystem units) const override;
    KindWireFrame WireFrameOf() const override;
    KindReport Report(const DocumentContext& context) const override;
    DataSheetSection DataSheet(const FormModel& form,
                               const DocumentContext& context) const override;
    ResultGroup Results() const override;
    FormedPart FormedSolid(const MaterialInputs& material) const override;

    TransitionDefinition Def;
    TransitionResults Last;

private:
    int Develop(KindRun& run, const TransitionInputs& in);

    FlatPattern pattern_;
};

} // namespace brevant
