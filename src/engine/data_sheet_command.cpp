// "Print Data Sheet": the page for the workshop, on the printer the host has chosen. The flat
// pattern and the sheet are printed from copies fitted as the views are; the views and their
// colours stay as they are.
#include "caddraw/flat_pattern_render.h"
#include "caddraw/printer.h"
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

// A copy with the view's size, scale and view state, fitted to the drawing it holds as the
// view fits its own.
void FitLike(TCadDraw& copy, const TCadDraw& view) {
    copy.ScreenScale = view.ScreenScale;
    copy.SetBackgroundColor(view.BackgroundColor());
    copy.Resize(view.Width(), view.Height());
    copy.CadSettings().Assign(view.CadSettings());
    copy.SetExtents();
    copy.ZoomAll();
}

} // namespace

bool LayoutEngine::PrintDataSheet(IPrinter& printer) {
    const int page = CurrentInputPage();
    const LayoutKind* kind = page >= 0 && page < KindCount() ? &Kind(page) : nullptr;
    const DataSheetSection section = kind ? kind->DataSheet(Form, Documents()) : DataSheetSection{};
    TCadDraw flat, sheet;
    if (kind) RenderFlatPattern(flat, kind->Pattern());
    sheet.SetElements(CadDraw2.Elements());
    FitLike(flat, CadDraw1);
    FitLike(sheet, CadDraw2);
    DataSheetJob job{section, flat, sheet, TodayShortDate(), App.SessionDefinitionPath};
    return brevant::PrintDataSheet(printer, job);
}

} // namespace brevant
