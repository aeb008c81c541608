// The generic binding of form-model controls to Qt widgets.
#include "form_binder.h"

#include "widget_factory.h"

#include "core/number_fit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace brevant {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Shows or hides a widget only when its state differs, so a push does not relayout needlessly.
void Show(QWidget* w, const Control& c) {
    if (w->isHidden() == c.visible) w->setVisible(c.visible);
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
}

QColor ColorOf(TColor argb) {
    return QColor::fromRgba(argb);
}

// A widget for a control the form model does not have is a programming error.
void Require(const void* control, const std::string& name) {
    if (!control) qFatal("the form model has no control named %s", name.c_str());
}

} // namespace

void FormBinder::Add(const std::string& control, QWidget* widget, std::function<void()> push) {
    widgets_.emplace(control, widget); // a second widget of the control leaves the first
    bindings_.push_back({widget, std::move(push)});
    pushing_ = true;
    bindings_.back().push();
    pushing_ = false;
}

QLineEdit* FormBinder::Edit(QWidget* parent, const std::string& control,
                            const QString& objectName) {
    brevant::Edit* e = model_.FindEdit(control);
    Require(e, control);
    auto* w = Child<QLineEdit>(parent);
    w->setObjectName(objectName.isEmpty() ? Q(control) : objectName);
    QObject::connect(w, &QLineEdit::textEdited, w, [e](const QString& t) {
        e->text = t.toStdString();
        e->fontColor = brevant::kColorBlack; // typed: given at Calculate
    });
    QObject::connect(w, &QLineEdit::editingFinished, w, [this, w, control] {
        if (!w->isModified()) return;
        w->setModified(false);
        Changed(control);
    });
    Add(control, w, [w, e] {
        // A text the program put in (a solved or converted value) shows from its start, so a
        // long number too wide for the field reads by its leading digits.
        if (w->text().toStdString() != e->text) {
            w->setText(Q(e->text));
            w->setCursorPosition(0);
        }
        QPalette p = w->palette();
        if (p.color(QPalette::Text) != ColorOf(e->fontColor)) {
            p.setColor(QPalette::Text, ColorOf(e->fontColor));
            w->setPalette(p);
        }
        Show(w, *e);
    });
    return w;
}

QLabel* FormBinder::Label(QWidget* parent, const std::string& control, const QString& objectName) {
    brevant::Label* l = model_.FindLabel(control);
    Require(l, control);
    auto* w = Child<QLabel>(parent);
    w->setObjectName(objectName.isEmpty() ? Q(control) : objectName);
    Add(control, w, [w, l] {
        // A value label with a width in characters shows a number too long for it in exponent
        // form, the full text in its tool tip.
        const int fit = w->property(kFitCharsProperty).toInt();
        const std::string shown =
            fit > 0 ? brevant::FitNumberText(l->text, static_cast<std::size_t>(fit)) : l->text;
        if (w->text().toStdString() != shown) {
            w->setText(Q(shown));
            w->setToolTip(shown == l->text ? QString() : Q(l->text));
        }
        Show(w, *l);
    });
    return w;
}

QSpinBox* FormBinder::SpinBox(QWidget* parent, const std::string& control) {
    brevant::SpinBox* s = model_.FindSpinBox(control);
    Require(s, control);
    auto* w = Child<QSpinBox>(parent);
    w->setObjectName(Q(control));
    w->setKeyboardTracking(false);
    QObject::connect(w, &QSpinBox::valueChanged, w, [this, s, control](int v) {
        if (pushing_) return;
        s->SetValue(v);
        Changed(control);
    });
    Add(control, w, [w, s] {
        w->setRange(static_cast<int>(s->min), static_cast<int>(s->max));
        w->setSingleStep(static_cast<int>(s->step));
        if (w->value() != static_cast<int>(s->value)) w->setValue(static_cast<int>(s->value));
        Show(w, *s);
    });
    return w;
}

QCheckBox* FormBinder::CheckBox(QWidget* parent, const std::string& control) {
    brevant::CheckBox* c = model_.FindCheckBox(control);
    Require(c, control);
    auto* w = Child<QCheckBox>(parent, Q(c->caption));
    w->setObjectName(Q(control));
    QObject::connect(w, &QCheckBox::toggled, w, [this, c, control](bool on) {
        if (pushing_) return;
        c->checked = on;
        Changed(control);
    });
    Add(control, w, [w, c] {
        if (w->isChecked() != c->checked) w->setChecked(c->checked);
        Show(w, *c);
    });
    return w;
}

QRadioButton* FormBinder::Radio(QWidget* parent, const std::string& control) {
    brevant::RadioButton* r = model_.FindRadio(control);
    Require(r, control);
    auto* w = Child<QRadioButton>(parent, Q(r->caption));
    w->setObjectName(Q(control));
    QObject::connect(w, &QRadioButton::toggled, w, [this, r, control](bool on) {
        if (pushing_ || !on) return;
        model_.CheckRadio(*r);
        Changed(control);
    });
    Add(control, w, [w, r] {
        if (w->isChecked() != r->checked) w->setChecked(r->checked);
        Show(w, *r);
    });
    return w;
}

QFrame* FormBinder::Panel(QWidget* parent, const std::string& control) {
    brevant::Panel* p = model_.FindPanel(control);
    Require(p, control);
    auto* w = Child<QFrame>(parent);
    w->setObjectName(Q(control));
    Add(control, w, [w, p] { Show(w, *p); });
    return w;
}

QComboBox* FormBinder::Combo(QWidget* parent, const std::string& control) {
    brevant::ComboBox* c = model_.FindCombo(control);
    Require(c, control);
    auto* w = Child<QComboBox>(parent);
    w->setObjectName(Q(control));
    QObject::connect(w, &QComboBox::currentIndexChanged, w, [this, c, control](int i) {
        if (pushing_) return;
        c->itemIndex = i;
        Changed(control);
    });
    Add(control, w, [w, c] {
        if (w->count() != static_cast<int>(c->items.size())) {
            w->clear();
            for (const auto& item : c->items)
                w->addItem(Q(item));
        }
        if (w->currentIndex() != c->itemIndex) w->setCurrentIndex(c->itemIndex);
        Show(w, *c);
    });
    return w;
}

void FormBinder::OnChange(const std::string& control, Handler handler) {
    handlers_[control] = std::move(handler);
}

void FormBinder::Changed(const std::string& control) {
    if (pushing_) return;
    auto it = handlers_.find(control);
    if (it != handlers_.end() && it->second) it->second();
    if (after_) after_();
}

void FormBinder::Push() {
    if (pushing_) return;
    pushing_ = true;
    for (auto& b : bindings_)
        b.push();
    pushing_ = false;
}

QWidget* FormBinder::WidgetOf(const std::string& control) const {
    auto it = widgets_.find(control);
    return it == widgets_.end() ? nullptr : it->second;
}

} // namespace brevant
