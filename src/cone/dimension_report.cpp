// The dimension report: the "Dimension File" command and the atomic write of its listings.
#include "cone/dimension_report.h"

#include "cone/cylinder.h"
#include "cone/oblique_cone.h"
#include "core/number_format.h"
#include "engine/layout_engine.h"
#include "engine/messages.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace brevant {

namespace {

constexpr const char* kReportTitle = "Save Dimension File";
constexpr const char* kReportDescription = "Dim";
constexpr const char* kReportExtension = "txt";
constexpr int kReportResolution = 40;

// Writes the bytes to a temporary file beside the target, then renames it over the target.
// Returns "" on success, else the reason.
std::string WriteAtomically(const std::string& path, const std::string& text) {
    namespace fs = std::filesystem;
    const std::string temp = path + ".tmp~";
    {
        errno = 0;
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return errno != 0 ? std::strerror(errno) : "the file could not be created";
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            const std::string reason = errno != 0 ? std::strerror(errno) : "write failed";
            out.close();
            std::error_code ignored;
            fs::remove(temp, ignored);
            return reason;
        }
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return ec.message();
    }
    return "";
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
    if (!path.empty()) {
        e.Drv.ReportPath = path;
        if (!e.Def.IsCylinder) {
            e.Drv.CircleResolution = kReportResolution;
            e.Drv.ReportInProgress = true;
            e.ClearDrawing(e.CadDraw1);
            DrawObliqueConePattern(e);
        } else if (e.Cone.IsObliqueCone) {
            e.Drv.CircleResolution = kReportResolution;
            e.Drv.ReportInProgress = true;
            e.ClearDrawing(e.CadDraw1);
            DrawObliqueCylinderPattern(e);
        }
    }
    e.Drv.ReportInProgress = false;
    e.DispatchCalculation(false);
}

} // namespace

std::string ReportNumber(LayoutEngine& e, double value) {
    return FormatFixed(value, 2, e.App.LocaleDecimalSeparator);
}

std::string ReportHeading(LayoutEngine& e) {
    return e.App.CurrentDefinitionName + "\r\nFlat Pattern Coordinates\r\n" +
           UnitLongName(e.Units()) + "\r\n";
}

bool WriteReportFile(LayoutEngine& e, const std::string& text) {
    e.Drv.ReportInProgress = false;
    const std::string& path = e.Drv.ReportPath;
    const std::string reason = WriteAtomically(path, text);
    if (reason.empty()) return true;
    const std::string message = "Cannot write the dimension file " + path + ": " + reason;
    e.SetIOError(message);
    e.ShowMessageDialog(message, path);
    return false;
}

void LayoutEngine::MenuDimensionFileClick() {
    brevant::MenuDimensionFileClick(*this);
}

void MenuDimensionFileClick(LayoutEngine& e) {
    e.ClearStatus();
    e.SetIOError("");
    switch (e.CurrentInputPage()) {
    case kSpiralPage:
        e.ShowMessageDialog(kMsgNotImplementedSpiral, "", kMessageOk);
        return;
    case kPipePage:
        e.ShowMessageDialog(kMsgNotImplementedPipe, "", kMessageOk);
        return;
    case kSquarePage:
        ReportSquarePage(e);
        return;
    default:
        ReportConePage(e);
        return;
    }
}

} // namespace brevant
