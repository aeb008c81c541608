// Builds the form model's controls with their names, captions, limits and initial texts.
#include "core/form_model.h"

namespace brevant {

namespace {
template <class T> T* FindIn(const std::map<std::string, T*>& m, const std::string& name) {
    auto it = m.find(name);
    return it == m.end() ? nullptr : it->second;
}
} // namespace

FormModel::FormModel() {
#define BREVANT_INIT_EDIT(n)                                                                       \
    n.name = #n;                                                                                   \
    edits_[#n] = &n;
#define BREVANT_INIT_LABEL(n, t)                                                                   \
    n.name = #n;                                                                                   \
    n.text = t;                                                                                    \
    labels_[#n] = &n;
#define BREVANT_INIT_SPIN(n, lo, hi)                                                               \
    n.name = #n;                                                                                   \
    n.min = lo;                                                                                    \
    n.max = hi;                                                                                    \
    spins_[#n] = &n;
#define BREVANT_INIT_CHECK(n, c)                                                                   \
    n.name = #n;                                                                                   \
    n.caption = c;                                                                                 \
    checks_[#n] = &n;
#define BREVANT_INIT_RADIO(n, c, g, t, on)                                                         \
    n.name = #n;                                                                                   \
    n.caption = c;                                                                                 \
    n.group = g;                                                                                   \
    n.tag = t;                                                                                     \
    n.checked = on;                                                                                \
    radios_[#n] = &n;
#define BREVANT_INIT_PANEL(n)                                                                      \
    n.name = #n;                                                                                   \
    n.visible = false;                                                                             \
    panels_[#n] = &n;
#define BREVANT_INIT_COMBO(n)                                                                      \
    n.name = #n;                                                                                   \
    combos_[#n] = &n;
    BREVANT_FORM_EDITS(BREVANT_INIT_EDIT)
    BREVANT_FORM_LABELS(BREVANT_INIT_LABEL)
    BREVANT_FORM_SPINBOXES(BREVANT_INIT_SPIN)
    BREVANT_FORM_CHECKBOXES(BREVANT_INIT_CHECK)
    BREVANT_FORM_RADIOS(BREVANT_INIT_RADIO)
    BREVANT_FORM_PANELS(BREVANT_INIT_PANEL)
    BREVANT_FORM_COMBOS(BREVANT_INIT_COMBO)

    UnitsComboBox.items = {"Inches", "Centimeters", "Millimeters"};
    UnitsComboBox.itemIndex = 0;
    PDFCombo.items = {"Letter", "A0", "A1", "A2", "A3", "A4",    "A5",
                      "B1",     "B2", "B3", "B4", "B5", "Legal", "11x17"};
    PDFCombo.itemIndex = 0;
    Label32.visible = false;
    SeamSpinBox.visible = false;
}

Edit* FormModel::FindEdit(const std::string& name) {
    return FindIn(edits_, name);
}
Label* FormModel::FindLabel(const std::string& name) {
    return FindIn(labels_, name);
}
SpinBox* FormModel::FindSpinBox(const std::string& name) {
    return FindIn(spins_, name);
}
CheckBox* FormModel::FindCheckBox(const std::string& name) {
    return FindIn(checks_, name);
}
RadioButton* FormModel::FindRadio(const std::string& name) {
    return FindIn(radios_, name);
}
Panel* FormModel::FindPanel(const std::string& name) {
    return FindIn(panels_, name);
}
ComboBox* FormModel::FindCombo(const std::string& name) {
    return FindIn(combos_, name);
}

Control* FormModel::Find(const std::string& name) {
    if (Control* c = FindEdit(name)) return c;
    if (Control* c = FindLabel(name)) return c;
    if (Control* c = FindSpinBox(name)) return c;
    if (Control* c = FindCheckBox(name)) return c;
    if (Control* c = FindRadio(name)) return c;
    if (Control* c = FindPanel(name)) return c;
    return FindCombo(name);
}

Edit& FormModel::AddEdit(const std::string& name) {
    if (Edit* e = FindEdit(name)) return *e;
    Edit& e = addedEdits_.emplace_back();
    e.name = name;
    edits_[name] = &e;
    return e;
}

Label& FormModel::AddLabel(const std::string& name, const std::string& text) {
    if (Label* l = FindLabel(name)) return *l;
    Label& l = addedLabels_.emplace_back();
    l.name = name;
    l.text = text;
    labels_[name] = &l;
    return l;
}

CheckBox& FormModel::AddCheckBox(const std::string& name, const std::string& caption) {
    if (CheckBox* c = FindCheckBox(name)) return *c;
    CheckBox& c = addedCheckBoxes_.emplace_back();
    c.name = name;
    c.caption = caption;
    checks_[name] = &c;
    return c;
}

SpinBox& FormModel::AddSpinBox(const std::string& name, double min, double max) {
    if (SpinBox* s = FindSpinBox(name)) return *s;
    SpinBox& s = addedSpinBoxes_.emplace_back();
    s.name = name;
    s.min = min;
    s.max = max;
    spins_[name] = &s;
    return s;
}

void FormModel::CheckRadio(RadioButton& button) {
    for (auto& [n, r] : radios_)
        if (r->group == button.group) r->checked = (r == &button);
}

int FormModel::CheckedRadioTag(const std::string& group, int fallback) const {
    for (const auto& [n, r] : radios_)
        if (r->group == group && r->checked) return r->tag;
    return fallback;
}

} // namespace brevant
