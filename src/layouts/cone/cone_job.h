// What the cone's steps work on during one Calculate, CAD save or report: the definition and
// its results, the controls they fill, the flat pattern being developed, the notices, how numbers
// are shown and the driver flags they read or set. The engine builds one from its own state for
// each run; the steps never see the engine.
#pragma once

#include "caddraw/flat_pattern_builder.h"
#include "core/display_format.h"
#include "core/form_model.h"
#include "core/material.h"
#include "core/notices.h"
#include "core/number_entry.h"
#include "layouts/cone/cone_definition.h"
#include "layouts/cone/cone_state.h"

#include <cmath>
#include <string>

namespace brevant {

// The driver flags as the cone's steps see them.
struct ConeRunFlags {
    bool& BusyFlag;       // set while the steps write into input edits
    bool& KeepStatusOnce; // the next status text is kept off the status line once
    int CircleResolution = 40;
    bool PdfInProgress = false;
    // The development writes its coordinate listing into ConeJob::ReportText; cleared once
    // the listing is made or the development fails.
    bool ReportInProgress = false;
};

struct ConeJob {
    ConeDefinition& Def;
    MaterialInputs& Material;
    ConeState& Cone;
    FormModel& Form;
    FlatPatternBuilder& Flat; // the flat shape as it is developed
    INotices& Notices;
    ConeRunFlags Drv;
    DisplayFormat Format;
    double MaterialMass = 0;    // pounds per cubic inch; 0 selects the default
    std::string MaterialName;   // empty selects the default
    std::string DefinitionName; // the stem of the current definition file, for listings
    std::string ReportText;     // the coordinate listing, when one was asked for and made
    bool OwnPageShown = true;   // the cone page is the one showing

    std::string FormatValue(double v) const { return Format.Value(v); }
    std::string FormatInches(double inches) const { return Format.Length(inches); }
    float FromIn(float v) const { return Format.FromIn(v); }
    float ToIn(float v) const { return Format.ToIn(v); }
    UnitSystem Units() const { return Format.Units; }
    char DecimalSeparator() const { return Format.DecimalSeparator; }
    int ShowMessageDialog(const std::string& title, const std::string& body,
                          int kind = kMessageOk) {
        return Notices.ShowMessageDialog(title, body, kind);
    }
    void ShowStatus(const std::string& text) { Notices.ShowStatus(text); }
    // Bend lines per piece from the stepper: fewer than 4 mean none.
    int EffectiveBends() const {
        const int n = static_cast<int>(std::trunc(Form.BendConeSpinBox.value));
        return n < 4 ? 0 : n;
    }
    float EffectiveSegmentAngle() {
        return brevant::EffectiveSegmentAngle(Form.SegmentAngleEdit, Format.DecimalSeparator,
                                              Notices);
    }
};

} // namespace brevant
