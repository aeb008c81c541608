// The layout engine: the one program-wide state (definition, controls, driver flags, results,
// the two CAD views) and the operations and handlers of the main window that work on it.
// A host creates one; tests create as many as they like.
#pragma once

#include "caddraw/cad_draw.h"
#include "caddraw/flat_pattern_builder.h"
#include "caddraw/flat_pattern_render.h"
#include "cone/cone_job.h"
#include "cone/cone_state.h"
#include "core/display_format.h"
#include "core/form_model.h"
#include "core/host.h"
#include "core/input_fields.h"
#include "core/layout_definition.h"
#include "core/notices.h"
#include "core/output_outcome.h"
#include "core/units.h"
#include "engine/driver_state.h"
#include "geometry/cad_calc.h"
#include "layouts/pipe/pipe_state.h"
#include "layouts/spiral/spiral_model.h"
#include "layouts/spiral/spiral_ring.h"
#include "layouts/square/square_results.h"
#include "nesting/sheet_layout.h"
#include "solid/cone_model.h"
#include "solid/solid_model.h"
#include "solid/solid_overlay.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace brevant {

class IPrinter;

class LayoutEngine : public INotices {
public:
    explicit LayoutEngine(IHost& host);
    LayoutEngine(const LayoutEngine&) = delete;
    LayoutEngine& operator=(const LayoutEngine&) = delete;

    IHost& Host() { return host_; }

    FormModel Form;
    LayoutDefinition Def;
    DriverState Drv;
    ApplicationState App;
    TCadDraw CadDraw1;       // flat shape
    TCadDraw CadDraw2;       // sheet
    FlatPatternBuilder Flat; // the flat pattern being developed, shown in CadDraw1
    ConeState Cone;
    PipeState Pipe;
    SpiralResults Spiral;      // the last spiral Calculate
    SpiralModel SpiralHelices; // its helices, for the 3D preview and export
    SquareToRoundResults Square;
    SolidModel Solid;
    TCadCalc CadCalc1; // the geometry calculator of the main window (keeps no state)

    // --- start-up and window (main window operations) ---
    void Startup();      // creating the main window: clear inputs, tags, caption
    void FormActivate(); // first activation sets FormReady
    void LayoutComboBoxChange();
    void SetLayoutTypeFromStore(int type);
    int LayoutType() const { return Form.LayoutComboBox.itemIndex; }
    int CurrentInputPage() const { return Form.DimTabPage; }
    void StepBendsPerCorner(int tag); // PlusButton tag 1, SpeedButton1 tag 0
    // Puts a bends-per-corner count, kept to the stepper's 4..10, into NumberOfBendsLabel and
    // returns it; the stepper, the square driver, loading and the command line go through it.
    int SetBendsPerCorner(int n);
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
    float EffectiveSegmentAngle();
    bool ReadLayoutInputs();
    // Reads the length edits of an input page into their definition fields, in the input
    // table's order; stops at a bad number.
    bool ReadPageLengths(int page);
    // Reads one Length or Angle field of the Calculate-time read, with the overlap's halving and
    // the square length's fall-back to the width.
    bool ReadEditField(const InputField& field);

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
    void ClearStatus();
    void ShowStatus(const std::string& text) override;
    void ClearResultLabels();
    void HideResultDisplays();
    void ClearViews();
    void ZoomView(int view);
    // Shows the developed flat pattern in the flat-shape view.
    void ShowFlat() { ShowFlatPattern(CadDraw1, Flat.Pattern()); }
    void ShowNotEnoughDimensions();
    void ClearLayoutInputs(int type);
    void ClearAllInputs();
    void CalculateMenuClick();
    // Runs the driver of the chosen layout type from the table of drivers.
    int DispatchCalculation(bool quiet);
    // What the dispatcher does before the square-to-round driver and after the cone driver.
    void BeforeSquareToRound();
    void AfterCone();
    // The common prologue of the layout drivers; returns -1 to go on, else the driver's code.
    int LayoutPrologue(int type, bool quiet);
    int CalculateCone(bool quiet);
    // What the cone's steps, the sheet layout and the 3D model work on, from this engine's state.
    ConeJob MakeConeJob();
    SheetJob MakeSheetJob();
    SceneJob MakeSceneJob();
    int CalculateSquareToRound(bool quiet);
    // The square-to-round bend-angle report of the current generator table; a failure to
    // write is also kept in LastIOError and shown.
    OutputOutcome WriteSquareBendReport(const std::string& path);
    int CalculateSpiralFlight(bool quiet);
    int CalculatePipeIntersection(bool quiet);
    bool ReadSpiralInputs();
    // Reads each edit with ReadInputValue into its length field in inches; stops at a failure.
    bool ReadLengths(std::initializer_list<std::pair<Edit*, float*>> fields);
    // The start of the spiral and pipe drivers, which read their inputs themselves: false when
    // BusyFlag stops the driver.
    bool BeginOwnReaderDriver();
    bool ReadPipeInputs();

    // --- views and the 3D model, as the driver uses them ---
    static void ClearDrawing(TCadDraw& view); // deletes every element
    static void ZoomDrawing(TCadDraw& view);  // extents, then zoom all
    static void SetCurrentLayer(TCadDraw& view, int layer);
    void RefreshBoundingBoxLabel(); // the seam display's bounding box text
    void SizeGridPlanes();          // grid planes of the 3D scene from B and T
    // A 3D view preset (1 top, 2 front, 3 reset) for the layout type on show; false when the
    // scene has nothing to look at and the camera stayed.
    bool SetViewPreset(int preset);
    void ResetSolidView(); // 3D view preset 3 ("Reset View"), as Calculate leaves the view
    // The overlay lines of the 3D view from the model and the seam and side-cut controls.
    std::vector<OverlayLine> SolidOverlayLines() const;

    // --- handlers ---
    void ConeHeightChange(Edit& edit); // commit of any input edit
    void BendConeSpinBoxChange();
    void SeamSpinBoxChange();
    void ThicknessEditChange();
    void MiddleRadioChange(RadioButton& button);
    void ClearMenuClick();
    // What the window does when the user commits an edit or changes a spin box: runs the
    // control's change handler (none for the result panels' edits other than ThicknessEdit).
    void EditCommitted(Edit& edit);
    void SpinBoxChanged(SpinBox& spin);
    // Whether an edit belongs to one of the four input pages.
    bool IsInputPageEdit(const Edit& edit) const;

    // --- CAD saves of the views ---
    // The output commands return what they did; a failure is also shown in the message dialog
    // and kept in LastIOError. The menu handlers run them for the window.
    OutputOutcome SaveCadView(int view); // asks for the file, writes, no recalculation
    OutputOutcome SaveCadViewTo(int view, const std::string& path, bool writeUnit);
    OutputOutcome SaveFlatCad();        // "Save Flat Pattern CAD"
    OutputOutcome SaveObliqueFlatCad(); // its oblique cone: a finer development is written
    OutputOutcome SaveCadSheet();       // the sheet display's "Save CAD"
    void MenuSaveFlatCADClick() { SaveFlatCad(); }
    void SaveCADSheetClick() { SaveCadSheet(); }
    // Develops the oblique cone or cylinder again into CadDraw1 at the current resolution.
    void RedrawObliquePatternForSave();
    void ResetViewMenuClick();
    void TopViewMenuClick();   // "Top View"
    void FrontViewMenuClick(); // "Front View"
    // "Save 3D CAD": asks for the file, then SaveSolidCadTo.
    OutputOutcome SaveSolidCad();
    // Writes the current layout type's part as a 3D wire frame (DXF, CDL or IGES by the
    // extension, coordinates in the display unit). Leaves the end-plane pivots at the true-size
    // part; changes nothing else. A failure is kept in LastIOError and shown.
    OutputOutcome SaveSolidCadTo(const std::string& path);
    // The wire frame SaveSolidCadTo writes, added to the drawing in green (side cuts cyan) on
    // layer 1; "" or, when the part has no wire frame (a branch pipe that does not fit on its
    // main pipe), the message saying why, with nothing added.
    std::string BuildSolidCad(TCadDrawing& drawing);
    void MenuSave3DCADClick() { SaveSolidCad(); }
    // "Dimension File": the text report of the pattern's coordinates.
    OutputOutcome WriteDimensionFile();
    void MenuDimensionFileClick() { WriteDimensionFile(); }
    // "Save Flat Pattern PDF": redraws the pattern for print, tiles it over pages and writes
    // the full-scale PDF; true when a file was written.
    bool MenuPrintToPDFClick();
    // "Print Data Sheet" on a printer whose print dialog the host has shown and the user
    // accepted; false when the printer refused the job.
    bool PrintDataSheet(IPrinter& printer);

    // The last I/O error of an output command ("" when none), for hosts that report it.
    const std::string& LastIOError() const { return lastIOError_; }
    void SetIOError(const std::string& message) { lastIOError_ = message; }

private:
    IHost& host_;
    std::string lastIOError_;
};

} // namespace brevant
