// Reading numbers out of the edits (through the expression evaluator) and writing them back.
#include "core/number_entry.h"
#include "core/number_format.h"
#include "engine/layout_engine.h"
#include "core/messages.h"

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

float LayoutEngine::EffectiveSegmentAngle() {
    return brevant::EffectiveSegmentAngle(Form.SegmentAngleEdit, App.LocaleDecimalSeparator, *this);
}

void LayoutEngine::UpdateUnitLabels() {
    const char* unit = UnitShortName(Units());
    for (Label* l : {&Form.UnitLabel1,  &Form.UnitLabel2,  &Form.UnitLabel3,  &Form.UnitLabel4,
                     &Form.UnitLabel5,  &Form.UnitLabel6,  &Form.UnitLabel7,  &Form.UnitLabel20,
                     &Form.UnitLabel21, &Form.UnitLabel22, &Form.UnitLabel23, &Form.UnitLabel24,
                     &Form.UnitLabel25, &Form.Label71,     &Form.Label72,     &Form.Label73,
                     &Form.Label79,     &Form.Label80,     &Form.Label81,     &Form.Label54})
        l->text = unit;
}

} // namespace brevant
