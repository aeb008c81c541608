// What every layout kind does unless it says otherwise.
#include "layouts/layout_kind.h"

#include "layouts/kind_steps.h"

namespace brevant {

void LayoutKind::ClearInputs(FormModel& form) const {
    for (const InputField& f : Fields()) {
        if (!(f.flags & kFieldCleared)) continue;
        if (Edit* edit = form.FindEdit(f.control)) {
            edit->text.clear();
            edit->fontColor = kColorBlack;
        }
        if (SpinBox* spin = form.FindSpinBox(f.control)) spin->SetValue(0);
    }
}

bool LayoutKind::ReadInputs(KindRun& run) {
    for (const InputField* f : ReadOrder(Fields()))
        if (!ReadFieldValue(run, *f, Target(*f))) return false;
    for (const InputField& f : Fields())
        if (f.readOrder == 0 && f.place == FieldPlace::InputPage && f.kind == FieldKind::Length)
            if (!ReadFieldValue(run, f, Target(f))) return false;
    return true;
}

bool LayoutKind::Step(std::string_view, int, FormModel&) {
    return false;
}

std::optional<double> LayoutKind::BendAngle(int bends) const {
    return 360.0 / (bends + 1);
}

FlatPattern LayoutKind::PatternFor(PatternUse) const {
    return Pattern();
}

} // namespace brevant
