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
OutputOutcome WriteListing(LayoutEngine& e, const std::string& path, const std::string& text) {
    std::string reason;
    if (WriteFileAtomically(path, text, reason)) return OutputOutcome::Written();
    const std::string message = "Cannot write the dimension file " + path + ": " + reason;
    e.SetIOError(message);
    e.ShowMessageDialog(message, path);
    return OutputOutcome::Failed(message);
}

std::string AskReportFile(LayoutEngine& e) {
    return e.SaveFileDialog(kReportTitle, kReportDescription, kReportExtension, false,
                            e.DefaultFileName(""));
}

OutputOutcome ReportSquarePage(LayoutEngine& e) {
    const std::string path = AskReportFile(e);
    if (path.empty()) return OutputOutcome::Cancelled();
    e.Drv.ReportInProgress = true;
    return e.WriteSquareBendReport(path);
}

// Develops the cone or the oblique cylinder again with its listing; a straight cylinder has
// none, and a development that made no listing writes nothing either.
OutputOutcome WriteConeListing(LayoutEngine& e, const std::string& path) {
    if (e.Def.IsCylinder && !e.Cone.IsObliqueCone) return OutputOutcome::Refused();
    e.Drv.ReportPath = path;
    e.Drv.CircleResolution = kReportResolution;
    e.Drv.ReportInProgress = true;
    e.Flat.Clear();
    ConeJob job = e.MakeConeJob();
    if (!e.Def.IsCylinder)
        DrawObliqueConePattern(job);
    else
        DrawObliqueCylinderPattern(job);
    e.ShowFlat();
    if (job.Drv.ReportInProgress || job.ReportText.empty()) return OutputOutcome::Refused();
    return WriteListing(e, path, job.ReportText);
}

OutputOutcome ReportConePage(LayoutEngine& e) {
    const std::string path = AskReportFile(e);
    const OutputOutcome outcome =
        path.empty() ? OutputOutcome::Cancelled() : WriteConeListing(e, path);
    e.Drv.ReportInProgress = false;
    e.DispatchCalculation(false);
    return outcome;
}

} // namespace

OutputOutcome LayoutEngine::WriteDimensionFile() {
    ClearStatus();
    SetIOError("");
    switch (CurrentInputPage()) {
    case kSpiralPage:
        ShowMessageDialog(kMsgNotImplementedSpiral, "", kMessageOk);
        return OutputOutcome::Refused(kMsgNotImplementedSpiral);
    case kPipePage:
        ShowMessageDialog(kMsgNotImplementedPipe, "", kMessageOk);
        return OutputOutcome::Refused(kMsgNotImplementedPipe);
    case kSquarePage:
        return ReportSquarePage(*this);
    default:
        return ReportConePage(*this);
    }
}

} // namespace brevant
