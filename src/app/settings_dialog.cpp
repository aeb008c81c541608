// The settings dialog's controls and its OK and Cancel buttons.
#include "settings_dialog.h"

#include "engine/layout_engine.h"
#include "engine/settings_file.h"
#include "form_binder.h"
#include "widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brevant {

namespace {

QLabel* Named(QWidget* parent, const char* name, const char* text) {
    auto* l = Child<QLabel>(parent, text);
    l->setObjectName(name);
    return l;
}

} // namespace

SettingsDialog::SettingsDialog(LayoutEngine& engine, FormBinder& binder,
                               const std::string& settingsPath, QWidget* parent)
    : QDialog(parent) {
    setObjectName("SettingsForm");
    setWindowTitle("Settings");
    setFixedSize(282, 535);
    setModal(true);
    Build(binder);
    SettingsFormCreate(engine, settingsPath);
    binder.Push();
}

void SettingsDialog::Build(FormBinder& b) {
    auto* v = Owned<QVBoxLayout>(this);
    v->setContentsMargins(14, 10, 14, 10);
    QLabel* intro = Named(this, "Label1", "Printing at 1:1 scale requires a Unit System");
    intro->setWordWrap(true);
    v->addWidget(intro);
    v->addWidget(Named(this, "Label32", "Units:"));
    v->addWidget(b.Combo(this, "UnitsComboBox"));
    v->addWidget(Named(this, "Label2", "PDF Page Size:"));
    v->addWidget(b.Combo(this, "PDFCombo"));
    v->addWidget(Named(this, "Label6", "Line Thickness:"));
    auto* lines = Child<QWidget>(this);
    auto* lh = Owned<QHBoxLayout>(lines);
    lh->setContentsMargins(0, 0, 0, 0);
    for (const char* name : {"LineThin", "LineMedium", "LineThick"})
        lh->addWidget(b.Radio(lines, name));
    v->addWidget(lines);
    v->addWidget(Named(this, "Label5", "Orientation:"));
    auto* orient = Child<QWidget>(this);
    auto* oh = Owned<QHBoxLayout>(orient);
    oh->setContentsMargins(0, 0, 0, 0);
    for (const char* name : {"PortraitRadio", "LandscapeRadio"})
        oh->addWidget(b.Radio(orient, name));
    v->addWidget(orient);
    for (const char* name : {"LoadLastFileCheckBox", "ConeBendLinesCheckBox", "SeamLineCheckBox",
                             "SideCutsCheckBox", "ThicknessCheckBox", "CamDxfCheckBox"})
        v->addWidget(b.CheckBox(this, name));
    auto* buttons = Child<QDialogButtonBox>(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setCenterButtons(true);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("Button1");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    v->addWidget(buttons);
    auto* scale = Child<QWidget>(this);
    auto* sh = Owned<QHBoxLayout>(scale);
    sh->setContentsMargins(0, 0, 0, 0);
    sh->addWidget(Child<QLabel>(scale, "Screen Scale:"));
    sh->addWidget(b.Label(scale, "SettingsLabel7", "Label7"), 1);
    v->addWidget(scale);
    v->addWidget(Named(this, "Label3", "User Data Path:"));
    QLabel* path = b.Label(this, "SettingsLabel4", "Label4");
    path->setWordWrap(true);
    path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    v->addWidget(path);
    v->addStretch(1);
}

bool SettingsDialog::Ask() {
    return exec() == QDialog::Accepted;
}

} // namespace brevant
