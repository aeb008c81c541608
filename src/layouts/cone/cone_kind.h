// The cone as a layout kind: regular and modified cones, cylinders, side cuts, thickness, the
// nesting of regular pieces on a sheet.
#pragma once

#include "caddraw/flat_pattern_builder.h"
#include "layouts/cone/cone_definition.h"
#include "layouts/cone/cone_job.h"
#include "layouts/cone/cone_state.h"
#include "layouts/kind_steps.h"
#include "layouts/layout_kind.h"

#include <string>

namespace brevant {

// The controls of the result panels and settings a cone's development reads, as they stood when
// it was calculated; an output develops the pattern again from these, never from the window.
struct ConeFormValues {
    double Bends = 0; // BendConeSpinBox
    bool ShowBends = false;
    bool ShowSeam = false;
    bool ShowSideCuts = false;
    std::string TopArcLength, BottomArcLength, TopCutWidth, BottomCutWidth, SegmentAngle;
    void Capture(const FormModel& form);
    void Apply(FormModel& form) const;
};

class ConeKind : public LayoutKind {
public:
    std::string_view Key() const override { return "cone"; }
    std::string_view Caption() const override { return "Cone"; }
    const InputPage& Page() const override;
    std::span<const InputField> Fields() const override;
    FieldTarget Target(const InputField& field) override;
    void ClearInputs(FormModel& form) const override;

    void AfterDispatch(KindRun& run) override;
    int Calculate(KindRun& run) override;
    std::optional<double> BendAngle(int bends) const override;
    void RefreshSharedLabels(FormModel& form, const DisplayFormat& format) const override;
    bool ShowsSeamDisplay() const override { return true; }
    // A modified cone has no thickness display.
    bool ShowsThicknessDisplay() const override { return !State.IsObliqueCone; }

    const FlatPattern& Pattern() const override { return pattern_; }
    FlatPattern PatternFor(PatternUse use) const override;
    std::optional<ViewFraming> Framing(const PartScene& scene, UnitSystem units) const override;
    KindWireFrame WireFrameOf() const override;
    KindReport Report(const DocumentContext& context) const override;
    DataSheetSection DataSheet(const FormModel& form,
                               const DocumentContext& context) const override;
    ResultGroup Results() const override;
    FormedPart FormedSolid(const MaterialInputs& material) const override;

    ConeDefinition Def;
    ConeState State;

    bool ReadInputs(KindRun& run) override;
    bool DevelopsAgainForFiles() const override;

private:
    friend class ConeScratch;

    ConeJob JobOf(KindRun& run, FlatPatternBuilder& flat);
    void Develop(KindRun& run, ConeJob& job);
    void ShowResults(KindRun& run);
    void Remember(KindRun& run);

    FlatPattern pattern_;
    bool developed_ = false; // the last calculation got as far as developing
    // The last calculation as outputs develop it again.
    ConeDefinition calculated_;
    ConeState calculatedState_;
    MaterialInputs material_;
    ConeFormValues formValues_;
    DisplayFormat format_;
    float segmentAngle_ = 0; // the effective segment angle of the last calculation
    bool sideCutsApply_ = false;
};

// A cone development away from the window: copies of the last calculation's definition,
// results, material and controls, silent notices and a pattern of its own.
class ConeScratch {
public:
    ConeScratch(const ConeKind& kind, int circleResolution);
    ConeJob& Job() { return job_; }
    FlatPattern Take() { return flat_.Take(); }

private:
    ConeDefinition def_;
    ConeState state_;
    MaterialInputs material_;
    FormModel form_;
    SilentNotices notices_;
    FlatPatternBuilder flat_;
    bool busy_ = false;
    bool keep_ = false;
    ConeJob job_;
};

} // namespace brevant
