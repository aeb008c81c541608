// A layout kind: one part type (a cone, a square to round, ...) behind one interface. It names
// itself, declares its input page and its input fields, keeps its own definition, calculates
// (inputs to results, or the message that stops it), and hands out what was calculated: the
// flat pattern, the 3D scene and wire frame, the report, the data-sheet section and the results
// by name. Everything it hands out is plain data of the levels below it; the engine, the 3D view
// and the documents above turn that data into the window, the scene and the files. Outputs are
// const: they read the last calculation and change nothing.
#pragma once

#include "caddraw/flat_pattern.h"
#include "core/display_format.h"
#include "core/form_model.h"
#include "core/input_fields.h"
#include "core/material.h"
#include "core/notices.h"
#include "core/result_value.h"
#include "geometry/formed_part.h"
#include "geometry/part_scene.h"
#include "geometry/wire_frame.h"
#include "layouts/data_sheet_section.h"
#include "layouts/input_page.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brevant {

// Result codes of a Calculate.
enum DriverCode : int {
    kDriverDone = 0,
    kDriverNotEnough = 1,
    kDriverFailed = 2, // the development failed at a construction (square to round)
    kDriverBadNumber = 3
};

// An annular sector to nest on the sheet (a regular cone piece, apex at the origin, opening up)
// and the sheet it goes on, in inches and degrees.
struct SheetRequest {
    double SmallRadius = 0;
    double LargeRadius = 0;
    double FlatAngle = 0;
    double PatternWidth = 0;
    double PatternHeight = 0;
    double Overlap = 0; // 0 = none
    TDLine OverlapEdge;
    double SheetWidth = 0;
    double SheetHeight = 0;
    double XClearance = 0;
    double YClearance = 0;
    bool ShowDisplay = true; // the sheet display shows (the cone's page is the one showing)
    // The piece's flat pattern, whose cut outlines and tab edges a cutting machine takes from
    // each place on the sheet (apex at the origin); nullptr: none.
    const FlatPattern* Piece = nullptr;
};

struct SheetCounts {
    int Count = 0;  // pieces on the sheet as typed
    int Turned = 0; // pieces on the sheet turned by 90 degrees
    // The apexes of the pieces drawn, on the sheet as typed and then turned.
    std::vector<TDPoint> Placements;
};

// What the engine does for a kind while it calculates: the steps every driver shares, and the
// sheet layout, which lives above the kinds.
class IKindHost {
public:
    virtual ~IKindHost() = default;
    virtual void ClearStatus() = 0;
    virtual void ClearResultLabels() = 0;
    virtual void HideResultDisplays() = 0;
    // Empties the flat view, the sheet view and the 3D scene.
    virtual void ClearViews() = 0;
    // Nests copies of the piece on the sheet into the sheet view and fills the sheet display.
    virtual SheetCounts LayoutSheet(const SheetRequest& request) = 0;
    // Fits the sheet view to its drawing.
    virtual void ZoomSheet() = 0;
};

// Everything a kind's Calculate reads and fills besides its own definition and results.
struct KindRun {
    FormModel& Form;
    INotices& Notices;
    IKindHost& Host;
    PartScene& Scene; // the 3D view's part, which the kind fills
    MaterialInputs& Material;
    DisplayFormat Format;
    bool& BusyFlag;             // the program itself writes into inputs: handlers do nothing
    bool& KeepStatusOnce;       // the next status text is kept off the status line once
    int& CircleResolution;      // points per full circle of the 3D model
    double MaterialMass = 0;    // pounds per cubic inch; 0 selects the default
    std::string MaterialName;   // empty selects the default
    std::string DefinitionName; // the stem of the current definition file, for listings
    bool Quiet = false;         // no "not enough dimensions" message
    bool OwnPageShown = true;   // the kind's input page is the one showing
    // Set by the kind when its flat pattern was developed or emptied in this run: the engine
    // then shows it in the flat view.
    bool PatternChanged = false;
};

// The uses of a flat pattern: the screen, a file for a CAD program or a cutting machine (an
// oblique cone at a finer resolution), the full-scale print (arcs as short lines, no
// annotations, a bounding box).
enum class PatternUse { View, File, Print };

// A report (the "Dimension File"): its text, or why there is none. A Message is shown to the
// user; an empty one refuses quietly.
struct KindReport {
    bool Made = false;
    std::string Text;
    std::string Message;
};

// The 3D wire frame of the part, or the message saying why the part has none.
struct KindWireFrame {
    WireFrame Frame;
    std::string Refusal;
};

// What the data sheet and the report name besides the kind's own values.
struct DocumentContext {
    DisplayFormat Format;
    // The path of the definition file loaded or saved in this session, or empty.
    std::string DefinitionFile;
    std::string DefinitionName; // its stem
    std::string UnitsLongName;
};

class LayoutKind {
public:
    virtual ~LayoutKind() = default;

    // ---- what the kind is and what it reads ---------------------------------------------
    // The kind's key: the command line's --type, the definition file's layout type, the JSON.
    virtual std::string_view Key() const = 0;
    // The layout-type combo's item.
    virtual std::string_view Caption() const = 0;
    virtual const InputPage& Page() const = 0;
    // The kind's input fields, in the order the definition file writes their keys.
    virtual std::span<const InputField> Fields() const = 0;
    // Where the kind keeps the value of one of its fields.
    virtual FieldTarget Target(const InputField& field) = 0;
    // "Clear Data": empties the kind's input controls.
    virtual void ClearInputs(FormModel& form) const;

    // ---- calculating ---------------------------------------------------------------------
    // Before and after the Calculate dispatcher runs the kind (not when a control of the kind
    // recalculates it directly).
    virtual void BeforeDispatch(FormModel&) {}
    virtual void AfterDispatch(KindRun&) {}
    virtual int Calculate(KindRun& run) = 0;
    // Reads the kind's inputs into its definition as Calculate does, and checks the numbers;
    // false at the first bad number (the reader showed it). By default the fields the
    // Calculate-time reader reads in their order, then the page's other length edits.
    virtual bool ReadInputs(KindRun& run);
    // A stepper of the kind's page was pressed (step +1 or -1); true when the kind is to be
    // calculated again.
    virtual bool Step(std::string_view control, int step, FormModel& form);
    // The bend angle the bend display shows for a number of bends; nullopt leaves it.
    virtual std::optional<double> BendAngle(int bends) const;
    // Texts of the shared panels that follow the kind's last results (the seam display's
    // bounding box), written whenever the result displays are hidden.
    virtual void RefreshSharedLabels(FormModel&, const DisplayFormat&) const {}
    // A kind without result displays keeps them hidden when it is chosen from the settings.
    virtual bool HasResultDisplay() const { return true; }
    // Whether the result displays are hidden before the kind is chosen from the settings file.
    virtual bool HidesDisplaysBeforeStoredChoice() const { return false; }
    // Whether the settings' "Use Thickness" shows the thickness display for the kind's last
    // results, and whether it shows the "Dimensions From:" group with it.
    virtual bool ShowsThicknessDisplay() const { return true; }
    virtual bool ShowsThicknessSide() const { return true; }
    // Whether the settings' "Show Cone Seam Line" shows the seam display for the kind.
    virtual bool ShowsSeamDisplay() const { return false; }

    // ---- outputs of the last calculation (const) ------------------------------------------
    virtual const FlatPattern& Pattern() const = 0;
    virtual FlatPattern PatternFor(PatternUse use) const;
    // Whether a file's pattern is developed again, finer than the screen's.
    virtual bool DevelopsAgainForFiles() const { return false; }
    virtual std::optional<ViewFraming> Framing(const PartScene& scene, UnitSystem units) const = 0;
    virtual KindWireFrame WireFrameOf() const = 0;
    virtual KindReport Report(const DocumentContext& context) const = 0;
    virtual DataSheetSection DataSheet(const FormModel& form,
                                       const DocumentContext& context) const = 0;
    // The kind's definition and results by their names, for the command line's JSON.
    virtual ResultGroup Results() const = 0;
    // The formed part of the last calculation as pieces of plate for the solid output, with
    // the plate's thickness (the shared material's, material, where the kind has none of its
    // own); no pieces when the last calculation made no part.
    virtual FormedPart FormedSolid(const MaterialInputs& material) const = 0;
};

} // namespace brevant
