// The segmented elbow as a layout kind: a bend of round duct made of mitred gores.
#pragma once

#include "layouts/elbow/elbow_geometry.h"
#include "layouts/elbow/elbow_layout.h"
#include "layouts/layout_kind.h"

namespace brevant {

// The inputs of the page: lengths in inches, the angle in degrees.
struct ElbowDefinition {
    float ElbowDiameter = 0;
    float ElbowRadius = 0;
    float ElbowAngle = 0;
    int ElbowGores = 0;
    int ElbowDivisions = 12;
    bool ElbowSeam = false; // the seam at the heel (outside of the bend); else at the throat
    bool ElbowStrip = false;
};

class ElbowKind : public LayoutKind {
public:
    std::string_view Key() const override { return "elbow"; }
    std::string_view Caption() const override { return "Segmented Elbow"; }
    const InputPage& Page() const override;
    std::span<const InputField> Fields() const override;
    FieldTarget Target(const InputField& field) override;
    void ClearInputs(FormModel& form) const override;
    bool Step(std::string_view control, int step, FormModel& form) override;

    int Calculate(KindRun& run) override;

    const FlatPattern& Pattern() const override { return pattern_; }
    FlatPattern PatternFor(PatternUse use) const override;
    std::optional<ViewFraming> Framing(const PartScene& scene, UnitSystem units) const override;
    KindWireFrame WireFrameOf() const override;
    KindReport Report(const DocumentContext& context) const override;
    DataSheetSection DataSheet(const FormModel& form,
                               const DocumentContext& context) const override;
    ResultGroup Results() const override;
    FormedPart FormedSolid(const MaterialInputs& material) const override;

    ElbowDefinition Def;

private:
    // The inputs and the checks that stop the driver, with their messages; true when usable.
    bool CheckedInputs(KindRun& run, int& code);

    // Set when the last Calculate developed the elbow; the values below are then valid.
    bool developed_ = false;
    ElbowInputs inputs_;
    ElbowSizes sizes_;
    ElbowLayout layout_;
    float thickness_ = 0;
    int side_ = 0;
    FlatPattern pattern_;
};

// The elbow's gores as the 3D view's part (scene frame), scaled into the display range.
void BuildElbowScene(PartScene& scene, const ElbowInputs& in);

// The dimension file: the sizes and the cut heights at every station for each kind of gore.
std::string ElbowReportText(const ElbowInputs& in, const DisplayFormat& format,
                            const std::string& definitionName);

} // namespace brevant
