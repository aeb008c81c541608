// CalculateSquareToRound: reads and checks the inputs, builds the model, develops and draws the
// pattern and shows its display; WriteSquareBendReport writes the bend angles of the model.
#include "cone/cone_solver.h"
#include "core/atomic_file.h"
#include "engine/layout_engine.h"
#include "engine/square_shape.h"
#include "layouts/square/square_display.h"
#include "layouts/square/square_pattern.h"
#include "solid/cone_model.h"

#include <cmath>

namespace brevant {

SquareShape SquareShapeOf(const LayoutDefinition& d) {
    SquareShape s;
    s.D = d.SquareTopDiameter;
    s.W = d.SquareWidth;
    s.L = d.SquareLength;
    s.H = d.SquareHeight;
    s.XShift = d.SquareTopXShift;
    s.ZShift = d.SquareTopYShift;
    s.TopAngle = d.SquareTopAngle;
    s.BendsPerCorner = d.BendsPerCorner;
    return s;
}

namespace {

// A size below 0.01, or a number too large to be a number, cannot be developed.
bool TooSmallOrUnusable(const LayoutDefinition& d) {
    for (float v : {d.SquareTopDiameter, d.SquareWidth, d.SquareLength, d.SquareHeight})
        if (v < 0.01f || !std::isfinite(v)) return true;
    for (float v : {d.SquareTopXShift, d.SquareTopYShift, d.SquareTopAngle})
        if (!std::isfinite(v)) return true;
    return false;
}

} // namespace

int LayoutEngine::CalculateSquareToRound(bool quiet) {
    if (int code = LayoutPrologue(kLayoutSquare, quiet); code >= 0) return code;
    auto& d = Def;
    // The stepper keeps 4..10; a number typed into a definition file may not be.
    d.BendsPerCorner = SetBendsPerCorner(d.BendsPerCorner);
    Drv.CircleResolution = 4 * d.BendsPerCorner;
    if (d.SquareWidth > 0 && d.SquareLength == 0) d.SquareLength = d.SquareWidth;
    if (!(d.SquareTopDiameter > 0 && d.SquareWidth > 0 && d.SquareHeight > 0)) {
        if (!quiet) ShowNotEnoughDimensions();
        return kDriverNotEnough;
    }
    if (TooSmallOrUnusable(d)) {
        ShowNotEnoughDimensions(); // also when quiet: a value this small is a typing slip
        return kDriverNotEnough;
    }
    d.SquareHalfPattern = Form.HalfPatternCheckBox.checked;
    const SquareShape shape = SquareShapeOf(d);
    Square.Model = BuildSquareModel(shape);
    SceneJob scene = MakeSceneJob();
    PlaceEndPlanes(scene);
    BuildRingMesh(scene, Square.Model.TopRing, Square.Model.BottomRing);
    const SquarePattern pattern =
        DevelopSquarePattern(Square.Model, shape, SquareFanCount(shape, d.SquareHalfPattern));
    Form.RegularDataDisplay.visible = false;
    SetCurrentLayer(CadDraw1, 1);
    const int code = DevelopSquareToRound(Flat, pattern, *this);
    ShowFlat();
    if (code == kDriverDone) {
        Square.BoxWidth = pattern.BoxWidth();
        Square.BoxHeight = pattern.BoxHeight();
        HideResultDisplays();
        ShowSquareToRoundDisplay(Form, Square.BoxWidth, Square.BoxHeight, Format());
        // The stepper calls this driver without the dispatcher's zoom.
        ZoomView(1);
    }
    ConeJob cone = MakeConeJob();
    WriteBackConeDimensions(cone);
    return code;
}

OutputOutcome LayoutEngine::WriteSquareBendReport(const std::string& path) {
    Drv.ReportInProgress = false;
    const std::string text =
        SquareBendReportText(Square.Model.Generators, Square.Model.BendsPerCorner,
                             App.CurrentDefinitionName, Units(), App.LocaleDecimalSeparator);
    std::string error;
    if (WriteFileAtomically(path, text, error)) return OutputOutcome::Written();
    const std::string message = "Cannot write the dimension file " + path + ": " + error;
    SetIOError(message);
    ShowMessageDialog(message, path);
    return OutputOutcome::Failed(message);
}

} // namespace brevant
