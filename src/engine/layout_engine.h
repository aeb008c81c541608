// The layout engine: the one program-wide state (the controls, the layout kinds with their
// definitions and results, the material, the driver flags, the two CAD views and the 3D scene)
// and the operations and handlers of the main window that work on it. A host creates one; tests
// create as many as they like.
#pragma once

#include "caddraw/cad_draw.h"
#include "core/display_format.h"
#include "core/form_model.h"
#include "core/host.h"
#include "core/input_fields.h"
#include "core/material.h"
#include "core/notices.h"
#include "core/output_outcome.h"
#include "core/units.h"
#include "engine/driver_state.h"
#include "geometry/cad_calc.h"
#include "layouts/layout_kind.h"
#include "solid/solid_model.h"
#include "solid/solid_overlay.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brevant {

class IPrinter;

// What an output command says when the part on show was not calculated.
inline constexpr const char* kMsgCalculateFirst = "Calculate the part first";

// An input field of the window: its row, and the kind that owns it (nullptr for the material,
// which every kind shares).
struct EngineField {
    LayoutKind* Kind = nullptr;
    const InputField* Field = nullptr;
};

class LayoutEngine : public INotices, public IKindHost {
public:
    explicit LayoutEngine(IHost& host);
    LayoutEngine(const LayoutEngine&) = delete;
    LayoutEngine& operator=(const LayoutEngine&) = delete;
    ~LayoutEngine() override;

    IHost& Host() { return host_; }

    FormModel Form;
    DriverState Drv;
    ApplicationState App;
    MaterialInputs Material;  // the plate thickness and side every kind shares
    TCadDraw CadDraw1;        // flat shape
    TCadDraw CadDraw2;        // sheet
    FlatPattern SheetPattern; // what a cutting machine cuts from the sheet of the last nesting
    SolidModel Solid;
    TCadCalc CadCalc1; // the geometry calculator of the main window (keeps no state)

    // --- the layout kinds ---
    int KindCount() const { return static_cast<int>(kinds_.size()); }
    LayoutKind& Kind(int index) { return *kinds_.at(static_cast<std::size_t>(index)); }
    const LayoutKind& Kind(int index) const { return *kinds_.at(static_cast<std::size_t>(index)); }
    // The kind chosen in the layout-type combo, or nullptr.
    LayoutKind* CurrentKind();
    const LayoutKind* CurrentKind() const;
    // The index of the kind with that key ("cone"), or -1.
    int KindIndexOf(std::string_view key) const;
    // Every input field, in the definition file's order: each kind's, then the material's.
    const std::vector<EngineField>& Fields() const { return fields_; }
    // The field with that key (ASCII case ignored), or nullptr.
    const EngineField* FindField(std::string_view key) const;
    // Where a field's value is kept.
    FieldTarget TargetOf(const EngineField& field);
    // Puts a count into a Count field's label, kept between its limits; returns it.
    int PutCount(const InputField& field, int n);

    // --- start-up and window (main window operations) ---
    void Startup();      // creating the main window: clear inputs, tags, caption
    void FormActivate(); // first activation sets FormReady
    void LayoutComboBoxChange();
    void SetLayoutTypeFromStore(int type);
    // Chooses a kind in the combo and shows its page and picture without calculating (the
    // other kind's part leaves the 3D view); an index outside the kinds changes nothing.
    void ShowLayoutType(int type);
    int LayoutType() const { return Form.LayoutComboBox.itemIndex; }
    int CurrentInputPage() const { return Form.DimTabPage; }
    // A stepper of an input page was pressed: step +1 (plus) or -1 (minus).
    void StepperClicked(std::string_view control, int step);
    void MenuHelpClick();
    std::string DefaultFileName(const std::string& extension) const;
    // The manual: BrevantHelp.pdf in the user data folder, else the first of App.DocFolders
    // that holds it; the user data folder's name when none does.
    std::string HelpFilePath() const;
    void MouseUp() { Drv.BusyFlag = false; }

    // --- units and number entry ---
    UnitSystem Units() const { return UnitFromIndex(Form.UnitsComboBox.itemIndex); }
    float ToIn(float v) const { return ToInches(v, Units()); }
    float FromIn(float v) const { return FromInches(v, Units()); }
    DisplayFormat Format() const { return {Units(), App.LocaleDecimalSeparator}; }
    std::string FormatValue(double v) const;
    std::string FormatInches(double inches) const { return FormatValue(FromIn(float(inches))); }
    void UpdateUnitLabels();
    bool ReadInputValue(Edit& edit, float& value);
    float ReadCommittedValue(Edit& edit);
    int EffectiveBends() const;
    // Reads the inputs of the chosen kind as Calculate does, into a fresh kind and a copy of the
    // material: false at the first bad number (shown as Calculate shows it). The chosen kind
    // keeps the definition it calculated.
    bool CheckLayoutInputs();
    // Reads the inputs of the chosen kind into its definition, as Calculate does; false at the
    // first bad number.
    bool ReadLayoutInputs();

    // --- messages and dialogs ---
    int ShowMessageDialog(const std::string& title, const std::string& body,
                          int kind = kMessageOk) override;
    void ShowNoticeDialog(const std::string& title, const std::string& body);
    int ConfirmOverwrite();
    std::string OpenFileDialog(const std::string& title, const std::string& description,
                               const std::string& extensions, const std::string& initialFolder);
    std::string SaveFileDialog(const std::string& title, const std::string& description,
                               const std::string& extensions, bool overwritePrompt,
                               const std::string& proposedName);

    // --- the Calculate driver ---
    void ClearStatus() override;
    void ShowStatus(const std::string& text) override;
    void ClearResultLabels() override;
    void HideResultDisplays() override;
    void ClearViews() override;
    SheetCounts LayoutSheet(const SheetRequest& request) override;
    void ZoomSheet() override { ZoomView(2); }
    void ZoomView(int view);
    void ClearLayoutInputs(int type);
    void ClearAllInputs();
    void CalculateMenuClick();
    // Runs the chosen kind's Calculate with what the dispatcher does around it.
    int DispatchCalculation(bool quiet);
    // Runs one kind's Calculate without the dispatcher, and shows what it developed.
    int CalculateKind(int index, bool quiet);

    // --- views and the 3D model ---
    static void ClearDrawing(TCadDraw& view); // deletes every element
    static void ZoomDrawing(TCadDraw& view);  // extents, then zoom all
    // A 3D view preset (1 top, 2 front, 3 reset) for the kind on show; false when the scene has
    // nothing to look at and the camera stayed.
    bool SetViewPreset(int preset);
    void ResetSolidView(); // 3D view preset 3 ("Reset View"), as Calculate leaves the view
    // The overlay lines of the 3D view from the model and the seam and side-cut controls.
    std::vector<OverlayLine> SolidOverlayLines() const;

    // --- handlers ---
    void ConeHeightChange(Edit& edit); // commit of any input edit
    void BendConeSpinBoxChange();
    // The Bend Angle label from the number of bends (4 or more), as every calculation leaves it.
    void ShowBendAngle();
    void SeamSpinBoxChange();
    void ThicknessEditChange();
    void MiddleRadioChange(RadioButton& button);
    void ClearMenuClick();
    // What the window does when the user commits an edit or changes a spin box: runs the
    // control's change handler (none for the result panels' edits other than ThicknessEdit).
    void EditCommitted(Edit& edit);
    void SpinBoxChanged(SpinBox& spin);
    // Whether an edit belongs to one of the input pages.
    bool IsInputPageEdit(const Edit& edit) const;

    // --- outputs of the last calculation ---
    // The output commands return what they did; a failure is also shown in the message dialog
    // and kept in LastIOError. They change no result, label, input or view, except where a
    // menu command says so for the window.
    OutputOutcome SaveCadViewTo(int view, const std::string& path, bool writeUnit);
    OutputOutcome SaveFlatCad();  // "Save Flat Pattern CAD": asks for the file
    OutputOutcome SaveCadSheet(); // the sheet display's "Save CAD"
    void MenuSaveFlatCADClick() { SaveFlatCad(); }
    void SaveCADSheetClick() { SaveCadSheet(); }
    void ResetViewMenuClick();
    void TopViewMenuClick();   // "Top View"
    void FrontViewMenuClick(); // "Front View"
    // "Save 3D CAD": asks for the file, then SaveSolidCadTo.
    OutputOutcome SaveSolidCad();
    // Writes the chosen kind's part as a 3D wire frame (DXF, CDL or IGES by the extension,
    // coordinates in the display unit). A failure is kept in LastIOError and shown.
    OutputOutcome SaveSolidCadTo(const std::string& path);
    // The wire frame SaveSolidCadTo writes, added to the drawing; "" or, when the part has no
    // wire frame, the message saying why, with nothing added.
    std::string BuildSolidCad(TCadDrawing& drawing);
    void MenuSave3DCADClick() { SaveSolidCad(); }
    // "Save 3D Solid": asks for the STEP file, then SaveSolidStepTo.
    OutputOutcome SaveSolidStep();
    // Writes the part of the last Calculate as STEP solids of plate, one per piece, in the
    // display unit; refuses (with the message shown) when nothing was calculated or a piece
    // gives no valid solid. Changes nothing else. A failure is kept in LastIOError and shown.
    OutputOutcome SaveSolidStepTo(const std::string& path);
    void MenuSave3DSolidClick() { SaveSolidStep(); }
    // "Dimension File": the text report of the pattern's coordinates or bend angles.
    OutputOutcome WriteDimensionFile();
    void MenuDimensionFileClick() { WriteDimensionFile(); }
    // The full-scale pattern PDF, tiled over pages: asks for the file and writes it.
    OutputOutcome SavePatternPdf();
    // "Save Flat Pattern PDF" for the window: the status line says how many pages, and the
    // flat view shows the print drawing with the tile outlines until the next Calculate.
    bool MenuPrintToPDFClick();
    // "Print Data Sheet" on a printer whose print dialog the host has shown and the user
    // accepted; false when the printer refused the job.
    bool PrintDataSheet(IPrinter& printer);
    // What the documents name besides the kind's values.
    DocumentContext Documents() const;

    // Why the part on show cannot be written: "" when its last calculation made it, else that
    // calculation's own message or "Calculate the part first".
    std::string OutputRefusal() const;
    // Every output command of the part asks this first, before any file dialog: a refusal (its
    // reason shown) when there is no calculated part to write.
    std::optional<OutputOutcome> RefuseUncalculatedOutput();

    // The last I/O error of an output command ("" when none), for hosts that report it.
    const std::string& LastIOError() const { return lastIOError_; }
    void SetIOError(const std::string& message) { lastIOError_ = message; }

private:
    KindRun MakeRun(int index, bool quiet);
    // The same run over another material.
    KindRun MakeRun(int index, bool quiet, MaterialInputs& material);
    void ShowKindResults(const LayoutKind& kind, const KindRun& run);

    IHost& host_;
    std::string lastIOError_;
    std::vector<std::unique_ptr<LayoutKind>> kinds_;
    std::vector<EngineField> fields_;
};

} // namespace brevant
