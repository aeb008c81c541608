// Reading numbers out of the edits (through the expression evaluator) and writing them back.
#include "core/number_entry.h"
#include "core/messages.h"
#include "core/number_format.h"
#include "engine/layout_engine.h"
#include "engine/layout_registry.h"

#include <cmath>

namespace brevant {

std::string LayoutEngine::FormatValue(double v) const {
    return brevant::FormatValue(v, App.LocaleDecimalSeparator);
}

bool LayoutEngine::ReadInputValue(Edit& edit, float& value) {
    return brevant::ReadInputValue(edit, value, App.LocaleDecimalSeparator, *this);
}

float LayoutEngine::ReadCommittedValue(Edit& edit) {
    return brevant::ReadCommittedValue(edit, App.LocaleDecimalSeparator, *this);
}

int LayoutEngine::EffectiveBends() const {
    const int n = static_cast<int>(std::trunc(Form.BendConeSpinBox.value));
    return n < 4 ? 0 : n;
}

void LayoutEngine::UpdateUnitLabels() {
    const char* unit = UnitShortName(Units());
    // The unit labels of every input page, and the thickness display's.
    for (const auto& kind : kinds_)
        for (const PageRow& row : kind->Page().Rows)
            if (row.UnitLabel) Form.FindLabel(row.UnitLabel)->text = unit;
    Form.Label54.text = unit;
}

bool LayoutEngine::ReadLayoutInputs() {
    LayoutKind* kind = CurrentKind();
    if (!kind) return true;
    KindRun run = MakeRun(LayoutType(), true);
    return kind->ReadInputs(run);
}

bool LayoutEngine::CheckLayoutInputs() {
    const int type = LayoutType();
    if (type < 0 || type >= KindCount()) return true;
    const std::vector<std::unique_ptr<LayoutKind>> scratch = MakeLayoutKinds();
    MaterialInputs material = Material;
    KindRun run = MakeRun(type, true, material);
    return scratch.at(static_cast<std::size_t>(type))->ReadInputs(run);
}

} // namespace brevant
