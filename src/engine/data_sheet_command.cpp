// "Print Data Sheet": the page for the workshop, on the printer the host has chosen.
#include "caddraw/printer.h"
#include "cone/side_cuts.h"
#include "core/number_format.h"
#include "documents/data_sheet.h"
#include "engine/layout_engine.h"

#include <ctime>

namespace brevant {

namespace {

// Today in the short date format of the locale the host has set for the process.
std::string TodayShortDate() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    char text[64];
    return std::strftime(text, sizeof text, "%x", &t) > 0 ? text : "";
}

bool CheckSideCuts(LayoutEngine& e) {
    if (e.CurrentInputPage() != kConePage || !e.Form.SideCutsCheckBox.checked) return false;
    ConeJob job = e.MakeConeJob();
    return SideCutsApply(job);
}

} // namespace

bool LayoutEngine::PrintDataSheet(IPrinter& printer) {
    ClearStatus();
    ZoomView(1);
    ZoomView(2);
    const bool oblique = Cone.IsObliqueCone;
    DataSheetJob job{Form, CadDraw1, CadDraw2};
    job.Page = CurrentInputPage();
    job.Date = TodayShortDate();
    job.DefinitionFile = App.LastDefinitionPath;
    job.UnitsLongName = UnitLongName(Units());
    job.ObliqueCone = oblique;
    if (job.Page == kConePage && !oblique) {
        const float segment = EffectiveSegmentAngle();
        if (segment > 0) job.SegmentAngle = FormatGeneral(segment, App.LocaleDecimalSeparator);
    }
    job.SeamAngle = FormatGeneral(Def.SeamAngle, App.LocaleDecimalSeparator);
    job.BendsPerCorner = Def.BendsPerCorner;
    job.SideCutsApply = CheckSideCuts(*this);
    job.SheetMade = job.Page == kConePage && Def.SheetWidth > 0 && Def.SheetHeight > 0 &&
                    !oblique && !Def.IsCylinder;
    job.SheetCount = Cone.SheetCount;
    job.SheetCountTurned = Cone.SheetCountTurned;
    return brevant::PrintDataSheet(printer, job);
}

} // namespace brevant
