// The steps the layout kinds' drivers share.
#include "layouts/kind_steps.h"

#include "core/number_entry.h"
#include "core/number_format.h"

#include <algorithm>

namespace brevant {

bool BeginDriver(KindRun& run) {
    run.Host.ClearStatus();
    if (run.BusyFlag) return false;
    run.Host.ClearResultLabels();
    return true;
}

bool ReadLength(KindRun& run, Edit& edit, float& target) {
    float v = 0;
    if (!ReadInputValue(edit, v, run.Format.DecimalSeparator, run.Notices)) return false;
    target = run.Format.ToIn(v);
    return true;
}

bool ReadPageLengths(KindRun& run, LayoutKind& kind) {
    for (const InputField& f : kind.Fields()) {
        if (f.place != FieldPlace::InputPage || f.kind != FieldKind::Length) continue;
        float* target = std::get<float*>(kind.Target(f));
        if (!ReadLength(run, *run.Form.FindEdit(f.control), *target)) return false;
    }
    return true;
}

std::vector<const InputField*> ReadOrder(std::span<const InputField> fields) {
    std::vector<const InputField*> read;
    for (const InputField& f : fields)
        if (f.readOrder > 0) read.push_back(&f);
    std::stable_sort(read.begin(), read.end(), [](const InputField* a, const InputField* b) {
        return a->readOrder < b->readOrder;
    });
    return read;
}

bool ReadFieldValue(KindRun& run, const InputField& f, FieldTarget target) {
    FormModel& form = run.Form;
    switch (f.kind) {
    case FieldKind::Length:
    case FieldKind::Angle: {
        float v = 0;
        Edit& edit = *form.FindEdit(f.control);
        // A value the solver wrote back (blue) and nobody typed since is not given: the next
        // solution follows what the user typed last instead of the answer to the one before.
        if (edit.fontColor == kColorBlue) {
            *std::get<float*>(target) = 0;
            return true;
        }
        if (!ReadInputValue(edit, v, run.Format.DecimalSeparator, run.Notices)) return false;
        *std::get<float*>(target) = f.kind == FieldKind::Angle ? v : run.Format.ToIn(v);
        return true;
    }
    case FieldKind::Whole:
        *std::get<int*>(target) = static_cast<int>(form.FindSpinBox(f.control)->value);
        return true;
    case FieldKind::Count:
        *std::get<int*>(target) = ParseInteger(form.FindLabel(f.control)->text, f.min);
        return true;
    case FieldKind::Side:
        *std::get<int*>(target) = form.CheckedRadioTag(f.control, kMiddle);
        return true;
    case FieldKind::Flag:
        return true; // no check box is read at Calculate
    }
    return true;
}

bool ReadMaterialInputs(KindRun& run) {
    if (!ReadLength(run, run.Form.ThicknessEdit, run.Material.Thickness)) return false;
    run.Material.Side = run.Form.CheckedRadioTag("DimensionsFrom", kMiddle);
    return true;
}

void NotEnoughDimensions(KindRun& run, const char* message) {
    if (!run.Quiet) run.Notices.ShowMessageDialog(message, "");
}

} // namespace brevant
