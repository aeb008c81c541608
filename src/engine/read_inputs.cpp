// ReadLayoutInputs: every cone, square-to-round, sheet, overlap, cut-width and thickness field
// read from its control into the definition in the input table's read order, lengths in
// inches; the first bad number stops the read.
#include "cone/thickness.h"
#include "core/input_fields.h"
#include "core/number_format.h"
#include "engine/layout_engine.h"

namespace brevant {

bool LayoutEngine::ReadLengths(std::initializer_list<std::pair<Edit*, float*>> fields) {
    for (auto [edit, target] : fields) {
        float v = 0;
        if (!ReadInputValue(*edit, v)) return false;
        *target = ToIn(v);
    }
    return true;
}

bool LayoutEngine::ReadPageLengths(int page) {
    for (const InputField& f : InputFields()) {
        if (f.page != page || f.kind != FieldKind::Length) continue;
        float v = 0;
        if (!ReadInputValue(*Form.FindEdit(f.control), v)) return false;
        *FloatField(Def, f) = ToIn(v);
    }
    return true;
}

bool LayoutEngine::ReadEditField(const InputField& f) {
    Edit& edit = *Form.FindEdit(f.control);
    float& target = *FloatField(Def, f);
    // An empty or zero length takes the width, and the edit shows the width's text.
    const bool squareLength = Holds(f, &LayoutDefinition::SquareLength);
    if (squareLength && edit.text.empty()) {
        target = Def.SquareWidth;
        return true;
    }
    float v = 0;
    if (!ReadInputValue(edit, v)) return false;
    if (Holds(f, &LayoutDefinition::Overlap)) v /= 2; // the definition keeps half the overlap
    target = f.kind == FieldKind::Angle ? v : ToIn(v);
    if (squareLength && target == 0) {
        target = Def.SquareWidth;
        edit.text = Form.SquareWidth.text;
    }
    return true;
}

bool LayoutEngine::ReadLayoutInputs() {
    for (const InputField* f : CalculateReadOrder()) {
        switch (f->kind) {
        case FieldKind::Length:
        case FieldKind::Angle:
            if (!ReadEditField(*f)) return false;
            break;
        case FieldKind::Whole:
            Def.*std::get<int LayoutDefinition::*>(f->member) =
                static_cast<int>(Form.FindSpinBox(f->control)->value);
            break;
        case FieldKind::Count:
            Def.*std::get<int LayoutDefinition::*>(f->member) =
                ParseInteger(Form.FindLabel(f->control)->text, 4);
            break;
        case FieldKind::Side:
            Def.*std::get<int LayoutDefinition::*>(f->member) =
                Form.CheckedRadioTag(f->control, kMiddle);
            break;
        case FieldKind::Flag:
            break; // no check box is read at Calculate
        }
    }
    brevant::ApplyThicknessCompensation(Def);
    return true;
}

} // namespace brevant
