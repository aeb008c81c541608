// "Dimension File": asks for a file, develops the cone again with its coordinate listing and
// writes the listing atomically.
#include "cone/cylinder.h"
#include "cone/oblique_cone.h"
#include "core/atomic_file.h"
#include "core/messages.h"
#include "engine/layout_engine.h"

namespace brevant {

namespace {

constexpr const char* kReportTitle = "Save Dimension File";
constexpr const char* kReportDescription = "Dim";
constexpr const char* kReportExtension = "txt";
constexpr int kReportResolution = 40;

// Writes the listing the development made; on failure the I/O error is kept and shown.
bool WriteListing(LayoutEngine& e, const std::string& path, const std::string& text) {
    std::string reason;
    if (WriteFileAtomically(path, text, reason)) return true;
    const std::string message = "Cannot write the dimension file " + path + ": " + reason;
    e.SetIOError(message);
    e.ShowMessageDialog(message, path);
    return false;
}

void ReportSquarePage(LayoutEngine& e) {
    const std::string path = e.SaveFileDialog(kReportTitle, kReportDescription, kReportExtension,
                                              false, e.DefaultFileName(""));
    if (path.empty()) return;
    e.Drv.ReportInProgress = true;
    e.WriteSquareBendReport(path);
}

void ReportConePage(LayoutEngine& e) {
    const std::string path = e.SaveFileDialog(kReportTitle, kReportDescription, kReportExtension,
                                              false, e.DefaultFileName(""));
    if (!path.empty() && (!e.Def.IsCylinder || e.Cone.IsObliqueCone)) {
        e.Drv.ReportPath = path;
        e.Drv.CircleResolution = kReportResolution;
        e.Drv.ReportInProgress = true;
        e.ClearDrawing(e.CadDraw1);
        ConeJob job = e.MakeConeJob();
        if (!e.Def.IsCylinder)
            DrawObliqueConePattern(job);
        else
            DrawObliqueCylinderPattern(job);
        if (!job.Drv.ReportInProgress && !job.ReportText.empty())
            WriteListing(e, path, job.ReportText);
    }
    e.Drv.ReportInProgress = false;
    e.DispatchCalculation(false);
}

} // namespace

void LayoutEngine::MenuDimensionFileClick() {
    ClearStatus();
    SetIOError("");
    switch (CurrentInputPage()) {
    case kSpiralPage:
        ShowMessageDialog(kMsgNotImplementedSpiral, "", kMessageOk);
        return;
    case kPipePage:
        ShowMessageDialog(kMsgNotImplementedPipe, "", kMessageOk);
        return;
    case kSquarePage:
        ReportSquarePage(*this);
        return;
    default:
        ReportConePage(*this);
        return;
    }
}

} // namespace brevant
