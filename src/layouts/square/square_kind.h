// The square to round as a layout kind: a transition from a rectangle to a circle, developed by
// triangulation.
#pragma once

#include "layouts/layout_kind.h"
#include "layouts/square/square_model.h"
#include "layouts/square/square_results.h"

namespace brevant {

// The inputs of the page, in inches and degrees; an empty length makes the bottom a square.
struct SquareDefinition {
    float SquareWidth = 0;
    float SquareLength = 0;
    float SquareHeight = 0;
    float SquareTopDiameter = 0;
    float SquareTopAngle = 0;
    float SquareTopXShift = 0;
    float SquareTopYShift = 0;
    bool SquareHalfPattern = false;
    int BendsPerCorner = 4;
    // The part the model is built from.
    SquareShape Shape() const {
        return {SquareTopDiameter, SquareWidth,     SquareLength,   SquareHeight,
                SquareTopXShift,   SquareTopYShift, SquareTopAngle, BendsPerCorner};
    }
};

class SquareKind : public LayoutKind {
public:
    std::string_view Key() const override { return "square"; }
    std::string_view Caption() const override { return "Square to Round"; }
    const InputPage& Page() const override;
    std::span<const InputField> Fields() const override;
    FieldTarget Target(const InputField& field) override;

    void BeforeDispatch(FormModel& form) override;
    int Calculate(KindRun& run) override;
    bool Step(std::string_view control, int step, FormModel& form) override;
    std::optional<double> BendAngle(int bends) const override;

    const FlatPattern& Pattern() const override { return pattern_; }
    std::optional<ViewFraming> Framing(const PartScene& scene, UnitSystem units) const override;
    KindWireFrame WireFrameOf() const override;
    KindReport Report(const DocumentContext& context) const override;
    DataSheetSection DataSheet(const FormModel& form,
                               const DocumentContext& context) const override;
    ResultGroup Results() const override;
    FormedPart FormedSolid(const MaterialInputs& material) const override;

    SquareDefinition Def;
    SquareToRoundResults Square;

    bool ReadInputs(KindRun& run) override;

private:
    int Develop(KindRun& run);

    FlatPattern pattern_;
};

// Puts a bends-per-corner count, kept to the stepper's 4..10, into NumberOfBendsLabel and
// returns it.
int SetBendsPerCorner(FormModel& form, int n);

} // namespace brevant
