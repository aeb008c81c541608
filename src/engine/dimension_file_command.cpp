// "Dimension File": the chosen kind's report of its last calculation, written atomically.
#include "core/atomic_file.h"
#include "core/messages.h"
#include "core/units.h"
#include "engine/layout_engine.h"

namespace brevant {

namespace {

constexpr const char* kReportTitle = "Save Dimension File";
constexpr const char* kReportDescription = "Dim";
constexpr const char* kReportExtension = "txt";

// Writes the report; on failure the I/O error is kept and shown.
OutputOutcome WriteReport(LayoutEngine& e, const std::string& path, const std::string& text) {
    std::string reason;
    if (WriteFileAtomically(path, text, reason)) return OutputOutcome::Written();
    const std::string message = "Cannot write the dimension file " + path + ": " + reason;
    e.SetIOError(message);
    e.ShowMessageDialog(message, path);
    return OutputOutcome::Failed(message);
}

} // namespace

DocumentContext LayoutEngine::Documents() const {
    return {Format(), App.SessionDefinitionPath, App.CurrentDefinitionName, UnitLongName(Units())};
}

OutputOutcome LayoutEngine::WriteDimensionFile() {
    SetIOError("");
    const int page = CurrentInputPage();
    if (page < 0 || page >= KindCount()) return OutputOutcome::Refused();
    const KindReport report = Kind(page).Report(Documents());
    // A kind without a report says so before any file is asked for, calculated or not.
    if (!report.Made && !report.Message.empty()) {
        ShowMessageDialog(report.Message, "", kMessageOk);
        return OutputOutcome::Refused(report.Message);
    }
    if (auto refused = RefuseUncalculatedOutput()) return *refused;
    const std::string path = SaveFileDialog(kReportTitle, kReportDescription, kReportExtension,
                                            false, DefaultFileName(""));
    if (path.empty()) return OutputOutcome::Cancelled();
    if (!report.Made) return OutputOutcome::Refused(); // no listing of this part
    return WriteReport(*this, path, report.Text);
}

} // namespace brevant
