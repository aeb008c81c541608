// The form model: every named control of the main window and of the settings dialog as a
// plain object. The handlers read and write these; a window only mirrors them.
#pragma once

#include "core/controls.h"

#include <deque>
#include <map>
#include <string>

namespace brevant {

// clang-format off
// Input edits of the four input pages, then the edits of the result panels.
#define BREVANT_FORM_EDITS(X) \
    X(ConeTopDiameter) X(ConeBottomDiameter) X(ConeHeight) X(SideAngle) X(SideLength) \
    X(ConeTopXShift) X(ConeTopAngle) X(BottomAngle) X(TopEllipseWidth) X(BottomEllipseWidth) \
    X(SquareTopDiameter) X(SquareWidth) X(SquareLength) X(SquareHeight) X(SquareTopXShift) \
    X(SquareTopYShift) X(SquareTopAngle) \
    X(SpiralODEdit) X(SpiralIDEdit) X(SpiralPitchEdit) \
    X(BigPipeDiaEdit) X(SmallPipeDiaEdit) X(PipeOffsetEdit) \
    X(SegmentAngleEdit) X(Overlap) X(SheetWidth) X(SheetHeight) X(XClearenceEdit) \
    X(YClearenceEdit) X(ThicknessEdit) X(TopCutWidthEdit) X(BottomCutWidthEdit) \
    X(TopArcLengthEdit) X(BottomArcLengthEdit)

// Labels with their initial text.
#define BREVANT_FORM_LABELS(X) \
    X(StatusLabel, "---") X(NumberOfBendsLabel, "4") \
    X(Label10, "Cone Dimensions") \
    X(LargeRadius, "---") X(SmallRadius, "---") X(WidthX, "---") X(HeightY, "---") \
    X(AngleA, "---") X(InnerCord, "---") X(OuterCord, "---") X(BendAngleLabel, "---") \
    X(BoundingBoxLabel, "---") X(SheetLabel, "---") X(WeightLabel, "---") \
    X(LargeRadiusCaption, "Large Radius:") X(SmallRadiusCaption, "Small Radius:") \
    X(WidthXCaption, "Width X:") X(HeightYCaption, "Height Y:") X(AngleACaption, "Angle A:") \
    X(InnerCordCaption, "Inner Cord:") X(OuterCordCaption, "Outer Cord:") \
    X(SegmentAngleCaption, "Segment Angle:") X(OverlapCaption, "Overlap:") \
    X(Label32, "Seam Angle:") X(Label53, "Dimensions From:") X(Label54, "in") \
    X(UnitLabel1, "in") X(UnitLabel2, "in") X(UnitLabel3, "in") X(UnitLabel4, "in") \
    X(UnitLabel5, "in") X(UnitLabel6, "in") X(UnitLabel7, "in") \
    X(UnitLabel20, "in") X(UnitLabel21, "in") X(UnitLabel22, "in") X(UnitLabel23, "in") \
    X(UnitLabel24, "in") X(UnitLabel25, "in") \
    X(Label71, "in") X(Label72, "in") X(Label73, "in") \
    X(Label79, "in") X(Label80, "in") X(Label81, "in") \
    X(SettingsLabel7, "1") X(SettingsLabel4, "")

// Spin boxes with their limits.
#define BREVANT_FORM_SPINBOXES(X) X(SeamSpinBox, 0, 360) X(BendConeSpinBox, 0, 100)

// Check boxes with their captions (the last six are the settings dialog's).
#define BREVANT_FORM_CHECKBOXES(X) \
    X(HalfPatternCheckBox, "Half Pattern") \
    X(LoadLastFileCheckBox, "Load Last File on Startup") \
    X(ConeBendLinesCheckBox, "Show Cone Bend Lines") \
    X(SeamLineCheckBox, "Show Cone Seam Line") \
    X(SideCutsCheckBox, "Show Cone Side Cuts") \
    X(ThicknessCheckBox, "Use Thickness") \
    X(CamDxfCheckBox, "DXF for cutting machines")

// Radio buttons: name, caption, group, tag, initially checked.
#define BREVANT_FORM_RADIOS(X) \
    X(OutsideRadio, "Outside", "DimensionsFrom", 1, false) \
    X(MiddleRadio, "Middle", "DimensionsFrom", 0, true) \
    X(InsideRadio, "Inside", "DimensionsFrom", 2, false) \
    X(LineThin, "Thin", "LineThickness", 0, false) \
    X(LineMedium, "Medium", "LineThickness", 1, true) \
    X(LineThick, "Thick", "LineThickness", 2, false) \
    X(PortraitRadio, "Portrait", "Orientation", 1, true) \
    X(LandscapeRadio, "Landscape", "Orientation", 2, false)

// Result panels.
#define BREVANT_FORM_PANELS(X) \
    X(RegularDataDisplay) X(BendDisplay) X(SeamDisplay) X(SheetDataDisplay) \
    X(ThicknessDisplay) X(SideCutDisplay)

#define BREVANT_FORM_COMBOS(X) X(LayoutComboBox) X(UnitsComboBox) X(PDFCombo)
// clang-format on

// Tabs of DisplayTabControl.
enum DisplayTab : int { kDimensionsTab = 0, kSolidTab = 1, kFlatShapeTab = 2, kSheetTab = 3 };

inline constexpr const char* kInitialCaption = "Brevant by Quorvel Software";

class FormModel {
public:
    FormModel();
    FormModel(const FormModel&) = delete;
    FormModel& operator=(const FormModel&) = delete;

#define BREVANT_DECLARE_EDIT(n) Edit n;
#define BREVANT_DECLARE_LABEL(n, t) Label n;
#define BREVANT_DECLARE_SPIN(n, lo, hi) SpinBox n;
#define BREVANT_DECLARE_CHECK(n, c) CheckBox n;
#define BREVANT_DECLARE_RADIO(n, c, g, t, on) RadioButton n;
#define BREVANT_DECLARE_PANEL(n) Panel n;
#define BREVANT_DECLARE_COMBO(n) ComboBox n;
    BREVANT_FORM_EDITS(BREVANT_DECLARE_EDIT)
    BREVANT_FORM_LABELS(BREVANT_DECLARE_LABEL)
    BREVANT_FORM_SPINBOXES(BREVANT_DECLARE_SPIN)
    BREVANT_FORM_CHECKBOXES(BREVANT_DECLARE_CHECK)
    BREVANT_FORM_RADIOS(BREVANT_DECLARE_RADIO)
    BREVANT_FORM_PANELS(BREVANT_DECLARE_PANEL)
    BREVANT_FORM_COMBOS(BREVANT_DECLARE_COMBO)
#undef BREVANT_DECLARE_EDIT
#undef BREVANT_DECLARE_LABEL
#undef BREVANT_DECLARE_SPIN
#undef BREVANT_DECLARE_CHECK
#undef BREVANT_DECLARE_RADIO
#undef BREVANT_DECLARE_PANEL
#undef BREVANT_DECLARE_COMBO

    // Window-level state.
    std::string Caption = kInitialCaption;
    int DimTabPage = -1; // the input page shown (a layout kind's index); the engine sets it
    int DisplayTab = kDimensionsTab;
    int DimImage = 0; // picture of the layout type shown ("PngImage_1".."_4")

    // Lookup by component name; nullptr when there is no such control of that kind.
    Edit* FindEdit(const std::string& name);
    Label* FindLabel(const std::string& name);
    SpinBox* FindSpinBox(const std::string& name);
    CheckBox* FindCheckBox(const std::string& name);
    RadioButton* FindRadio(const std::string& name);
    Panel* FindPanel(const std::string& name);
    ComboBox* FindCombo(const std::string& name);
    Control* Find(const std::string& name);

    const std::map<std::string, Edit*>& Edits() const {
        return edits_;
    }
    const std::map<std::string, Label*>& Labels() const {
        return labels_;
    }
    const std::map<std::string, SpinBox*>& SpinBoxes() const {
        return spins_;
    }
    const std::map<std::string, CheckBox*>& CheckBoxes() const {
        return checks_;
    }
    const std::map<std::string, RadioButton*>& Radios() const {
        return radios_;
    }
    const std::map<std::string, Panel*>& Panels() const {
        return panels_;
    }
    const std::map<std::string, ComboBox*>& Combos() const {
        return combos_;
    }

    // Controls a layout kind declares beyond the window's own, made once and kept for the
    // model's life; a control of that name and kind that exists already is returned as it is.
    Edit& AddEdit(const std::string& name);
    Label& AddLabel(const std::string& name, const std::string& text);
    CheckBox& AddCheckBox(const std::string& name, const std::string& caption);
    SpinBox& AddSpinBox(const std::string& name, double min, double max);

    // Checks one radio button and unchecks the others of its group.
    void CheckRadio(RadioButton& button);
    // The tag of the checked button of a group, or fallback when none is checked.
    int CheckedRadioTag(const std::string& group, int fallback) const;

private:
    std::map<std::string, Edit*> edits_;
    std::map<std::string, Label*> labels_;
    std::map<std::string, SpinBox*> spins_;
    std::map<std::string, CheckBox*> checks_;
    std::map<std::string, RadioButton*> radios_;
    std::map<std::string, Panel*> panels_;
    std::map<std::string, ComboBox*> combos_;
    std::deque<Edit> addedEdits_;
    std::deque<Label> addedLabels_;
    std::deque<CheckBox> addedCheckBoxes_;
    std::deque<SpinBox> addedSpinBoxes_;
};

} // namespace brevant
