// The optional panels of the main window following the settings check boxes.
#include "engine/panel_rules.h"

#include "engine/layout_engine.h"

namespace brevant {

void ShowThicknessDisplay(LayoutEngine& engine, bool show) {
    FormModel& f = engine.Form;
    const int page = engine.CurrentInputPage();
    const LayoutKind* kind = page >= 0 && page < engine.KindCount() ? &engine.Kind(page) : nullptr;
    const bool visible =
        show && f.ThicknessCheckBox.checked && (!kind || kind->ShowsThicknessDisplay());
    f.ThicknessDisplay.visible = visible;
    if (!visible) return;
    const bool group = !kind || kind->ShowsThicknessSide();
    for (Control* c :
         {static_cast<Control*>(&f.Label53), static_cast<Control*>(&f.OutsideRadio),
          static_cast<Control*>(&f.MiddleRadio), static_cast<Control*>(&f.InsideRadio)})
        c->visible = group;
}

void PanelsFollowSettings(LayoutEngine& engine) {
    FormModel& f = engine.Form;
    ShowThicknessDisplay(engine, f.ThicknessCheckBox.checked);
    f.BendDisplay.visible = f.ConeBendLinesCheckBox.checked;
    f.SeamDisplay.visible = f.SeamLineCheckBox.checked;
    f.SideCutDisplay.visible = f.SideCutsCheckBox.checked;
}

} // namespace brevant
