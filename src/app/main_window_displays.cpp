// The main window's display tabs: the dimension picture, the 3D viewport, and the flat shape
// and sheet views with their result panels.
#include "main_window.h"

#include "cad_view_widget.h"
#include "dimension_picture.h"
#include "nest_tab.h"
#include "solid_viewport.h"
#include "widget_factory.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace brevant {

namespace {

// Characters a result value shows (the panel's three columns hold this many at the default
// width): longer numbers are rounded to the digits that fit, in fixed or exponent form.
constexpr int kValueChars = 9;

constexpr const char* kBrownPanel = "QFrame#%1 { background: #6e3418; }"
                                    "QFrame#%1 QLabel, QFrame#%1 QRadioButton { color: #fff3dc; }";
constexpr const char* kBluePanel = "QFrame#%1 { background: #1d3f8a; }"
                                   "QFrame#%1 QLabel { color: #ffffff; }";

constexpr const char* kSheetTabNote =
    "The Sheet tab lays out the pieces of a regular cone on a sheet of the size you enter, "
    "ready to cut.\n\nCalculate a cone to see its sheet layout here. The other layout types, "
    "cylinders and cones with a shifted top or tilted ends have no sheet layout.";

// A result panel of the given colour and least height, with a grid for its controls.
QGridLayout* PanelGrid(QFrame* panel, const char* style, int height) {
    panel->setStyleSheet(QString(style).arg(panel->objectName()));
    panel->setMinimumHeight(height);
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* grid = Owned<QGridLayout>(panel);
    grid->setContentsMargins(6, 3, 6, 3);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    return grid;
}

QLabel* Text(QWidget* parent, const char* text) {
    auto* l = Child<QLabel>(parent, text);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

// A small edit of a result panel.
QLineEdit* Small(QLineEdit* e) {
    e->setFixedWidth(64);
    return e;
}

QLabel* Value(QLabel* l) {
    l->setMinimumWidth(56);
    l->setProperty(kFitCharsProperty, kValueChars);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QLabel* CaptionOf(QLabel* l) {
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QPushButton* Button(QWidget* parent, const char* name, const char* text) {
    auto* b = Child<QPushButton>(parent, text);
    b->setObjectName(name);
    return b;
}

} // namespace

QWidget* TMainForm::BuildDisplays(QWidget* parent) {
    displayTabs_ = Child<QTabWidget>(parent);
    displayTabs_->setObjectName("DisplayTabControl");
    displayTabs_->setStyleSheet("QTabBar::tab { height: 35px; min-width: 90px; }");
    auto* dimPage = Child<QWidget>(displayTabs_);
    dimPage->setObjectName("Dimensiontab");
    auto* dv = Owned<QVBoxLayout>(dimPage);
    dv->setContentsMargins(0, 0, 0, 0);
    dimImage_ = Child<DimensionPicture>(dimPage);
    dv->addWidget(dimImage_);
    displayTabs_->addTab(dimPage, "Dimensions");
    auto* solidPage = Child<QWidget>(displayTabs_);
    solidPage->setObjectName("ConeTab");
    auto* sv = Owned<QVBoxLayout>(solidPage);
    sv->setContentsMargins(0, 0, 0, 0);
    solidView_ = MakeSolidViewport(solidPage, engine_);
    sv->addWidget(solidView_);
    displayTabs_->addTab(solidPage, "Solid");
    displayTabs_->addTab(BuildFlatShapeTab(displayTabs_), "Flat Shape");
    displayTabs_->addTab(BuildSheetTab(displayTabs_), "Sheet");
    displayTabs_->addTab(Child<NestTab>(displayTabs_, host_, engine_, [this] { Refresh(); }),
                         "Nest");
    connect(displayTabs_, &QTabWidget::currentChanged, this,
            [this](int index) { engine_.Form.DisplayTab = index; });
    return displayTabs_;
}

QWidget* TMainForm::BuildFlatShapeTab(QWidget* parent) {
    auto* page = Child<QWidget>(parent);
    page->setObjectName("FlatShapeTab");
    auto* v = Owned<QVBoxLayout>(page);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(1);
    BuildRegularData(page);
    BuildBendAndSeam(page);
    for (const char* name : {"RegularDataDisplay", "BendDisplay", "SeamDisplay"})
        v->addWidget(binder_.WidgetOf(name));
    flatView_ = Child<CadViewWidget>(page, engine_.CadDraw1);
    flatView_->setObjectName("CadDraw1");
    v->addWidget(flatView_, 1);
    return page;
}

QWidget* TMainForm::BuildSheetTab(QWidget* parent) {
    auto* page = Child<QWidget>(parent);
    page->setObjectName("SheetTab");
    auto* v = Owned<QVBoxLayout>(page);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(1);
    BuildSheetData(page);
    BuildThicknessAndCuts(page);
    for (const char* name : {"SheetDataDisplay", "ThicknessDisplay", "SideCutDisplay"})
        v->addWidget(binder_.WidgetOf(name));
    sheetView_ = Child<CadViewWidget>(page, engine_.CadDraw2);
    sheetView_->setObjectName("CadDraw2");
    v->addWidget(sheetView_, 1);
    // Over the empty view, while there is no sheet layout to show: what the tab is for.
    auto* over = Owned<QVBoxLayout>(sheetView_);
    sheetNote_ = Child<QLabel>(sheetView_, kSheetTabNote);
    sheetNote_->setObjectName("SheetTabNote");
    sheetNote_->setWordWrap(true);
    sheetNote_->setMaximumWidth(520);
    sheetNote_->setAlignment(Qt::AlignCenter);
    sheetNote_->setStyleSheet("color: #d8d8d8; background: transparent;");
    over->addWidget(sheetNote_, 0, Qt::AlignCenter);
    return page;
}

void TMainForm::BuildRegularData(QWidget* parent) {
    QFrame* panel = binder_.Panel(parent, "RegularDataDisplay");
    QGridLayout* outer = PanelGrid(panel, kBrownPanel, 81);
    auto* values = Child<QWidget>(panel);
    auto* g = Owned<QGridLayout>(values);
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(2);
    QLabel* title = binder_.Label(panel, "Label10");
    QFont big = title->font();
    big.setPointSize(16);
    title->setFont(big);
    QPushButton* zoom = Button(panel, "ZoomAllResult", "Zoom All");
    connect(zoom, &QPushButton::clicked, this, [this] { Run([this] { engine_.ZoomView(1); }); });
    outer->addWidget(title, 0, 0);
    outer->addWidget(zoom, 0, 2, Qt::AlignRight | Qt::AlignTop);
    outer->addWidget(values, 1, 0, 1, 3, Qt::AlignLeft);
    outer->setColumnStretch(1, 1);
    const char* pairs[][2] = {
        {"LargeRadiusCaption", "LargeRadius"}, {"SmallRadiusCaption", "SmallRadius"},
        {"WidthXCaption", "WidthX"},           {"HeightYCaption", "HeightY"},
        {"AngleACaption", "AngleA"},           {"InnerCordCaption", "InnerCord"},
        {"OuterCordCaption", "OuterCord"}};
    for (int i = 0; i < 7; ++i) {
        const int row = i / 3, col = 2 * (i % 3);
        g->addWidget(CaptionOf(binder_.Label(values, pairs[i][0])), row, col);
        g->addWidget(Value(binder_.Label(values, pairs[i][1])), row, col + 1);
    }
    g->addWidget(CaptionOf(binder_.Label(values, "SegmentAngleCaption")), 2, 2);
    g->addWidget(Small(binder_.Edit(values, "SegmentAngleEdit")), 2, 3);
    g->addWidget(CaptionOf(binder_.Label(values, "OverlapCaption")), 2, 4);
    g->addWidget(Small(binder_.Edit(values, "Overlap")), 2, 5);
}

void TMainForm::BuildBendAndSeam(QWidget* parent) {
    QFrame* bends = binder_.Panel(parent, "BendDisplay");
    QGridLayout* g = PanelGrid(bends, kBrownPanel, 38);
    g->addWidget(Text(bends, "No. of Bends:"), 0, 0);
    g->addWidget(binder_.SpinBox(bends, "BendConeSpinBox"), 0, 1);
    g->addWidget(Text(bends, "Bend Angle:"), 0, 2);
    g->addWidget(Value(binder_.Label(bends, "BendAngleLabel")), 0, 3);
    g->setColumnStretch(4, 1);
    QFrame* seam = binder_.Panel(parent, "SeamDisplay");
    QGridLayout* s = PanelGrid(seam, kBrownPanel, 40);
    s->addWidget(CaptionOf(binder_.Label(seam, "Label32")), 0, 0);
    s->addWidget(binder_.SpinBox(seam, "SeamSpinBox"), 0, 1);
    s->addWidget(Text(seam, "Bounding Box:"), 0, 2);
    s->addWidget(Value(binder_.Label(seam, "BoundingBoxLabel")), 0, 3);
    s->setColumnStretch(3, 1);
}

void TMainForm::BuildSheetData(QWidget* parent) {
    QFrame* panel = binder_.Panel(parent, "SheetDataDisplay");
    QGridLayout* g = PanelGrid(panel, kBluePanel, 87);
    g->addWidget(Text(panel, "Sheet Size:"), 0, 0);
    g->addWidget(Text(panel, "Width:"), 0, 1);
    g->addWidget(Small(binder_.Edit(panel, "SheetWidth")), 0, 2);
    g->addWidget(Text(panel, "Height:"), 0, 3);
    g->addWidget(Small(binder_.Edit(panel, "SheetHeight")), 0, 4);
    g->addWidget(Text(panel, "Clearance Between:"), 1, 0);
    g->addWidget(Text(panel, "X:"), 1, 1);
    g->addWidget(Small(binder_.Edit(panel, "XClearenceEdit")), 1, 2);
    g->addWidget(Text(panel, "Y:"), 1, 3);
    g->addWidget(Small(binder_.Edit(panel, "YClearenceEdit")), 1, 4);
    QPushButton* save = Button(panel, "SaveCADSheet", "Save CAD");
    QPushButton* zoom = Button(panel, "ZoomAllSheet", "Zoom All");
    connect(save, &QPushButton::clicked, this,
            [this] { Run([this] { engine_.SaveCADSheetClick(); }); });
    connect(zoom, &QPushButton::clicked, this, [this] { Run([this] { engine_.ZoomView(2); }); });
    g->addWidget(save, 0, 6);
    g->addWidget(zoom, 1, 6);
    g->addWidget(Value(binder_.Label(panel, "SheetLabel")), 2, 0, 1, 7);
    g->setColumnStretch(5, 1);
}

void TMainForm::BuildThicknessAndCuts(QWidget* parent) {
    QFrame* t = binder_.Panel(parent, "ThicknessDisplay");
    QGridLayout* g = PanelGrid(t, kBrownPanel, 50);
    g->addWidget(CaptionOf(binder_.Label(t, "Label53")), 0, 0);
    auto* radios = Child<QWidget>(t);
    auto* rh = Owned<QHBoxLayout>(radios);
    rh->setContentsMargins(0, 0, 0, 0);
    for (const char* name : {"OutsideRadio", "MiddleRadio", "InsideRadio"})
        rh->addWidget(binder_.Radio(radios, name));
    g->addWidget(radios, 0, 1, 1, 3);
    g->addWidget(Text(t, "Material Thickness:"), 1, 0);
    g->addWidget(Small(binder_.Edit(t, "ThicknessEdit")), 1, 1);
    g->addWidget(binder_.Label(t, "Label54"), 1, 2);
    g->addWidget(Value(binder_.Label(t, "WeightLabel")), 1, 3);
    g->setColumnStretch(3, 1);
    QFrame* cuts = binder_.Panel(parent, "SideCutDisplay");
    QGridLayout* c = PanelGrid(cuts, kBrownPanel, 70);
    c->addWidget(Text(cuts, "Top Cut Width:"), 0, 0);
    c->addWidget(Small(binder_.Edit(cuts, "TopCutWidthEdit")), 0, 1);
    c->addWidget(Text(cuts, "Bottom Cut Width:"), 1, 0);
    c->addWidget(Small(binder_.Edit(cuts, "BottomCutWidthEdit")), 1, 1);
    auto* orText = Child<QLabel>(cuts, "OR");
    orText->setAlignment(Qt::AlignCenter);
    c->addWidget(orText, 0, 2, 2, 1);
    c->addWidget(Text(cuts, "Top Arc Length:"), 0, 3);
    c->addWidget(Small(binder_.Edit(cuts, "TopArcLengthEdit")), 0, 4);
    c->addWidget(Text(cuts, "Bottom Arc Length:"), 1, 3);
    c->addWidget(Small(binder_.Edit(cuts, "BottomArcLengthEdit")), 1, 4);
    c->setColumnStretch(5, 1);
}

} // namespace brevant
