// The main window's left column: the layout type and the four input pages.
#include "main_window.h"

#include "widget_factory.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace brevant {

namespace {

constexpr int kLeftWidth = 151;

// A row of the input column: caption, edit and the unit label (a form-model label, or a fixed
// text such as "deg").
struct InputRow {
    const char* caption;
    const char* edit;
    const char* unitLabel; // form-model label, or nullptr
    const char* unitText;  // fixed unit text when there is no label
    // Object names of the edit and its unit label where a control already has its widget
    // elsewhere; nullptr: the control's own name.
    const char* editObject = nullptr;
    const char* unitObject = nullptr;
};

QLabel* Caption(QWidget* parent, const QString& text) {
    auto* l = Child<QLabel>(parent, text);
    l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    l->setWordWrap(true); // long captions wrap rather than widen the narrow column
    return l;
}

QFrame* Rule(QWidget* parent) {
    auto* r = Child<QFrame>(parent);
    r->setFrameShape(QFrame::HLine);
    r->setFrameShadow(QFrame::Sunken);
    return r;
}

// Adds a caption line and below it the edit with its unit.
void AddRow(FormBinder& binder, QWidget* column, QGridLayout* grid, const InputRow& row) {
    const int r = grid->rowCount();
    grid->addWidget(Caption(column, row.caption), r, 0, 1, 2);
    QLineEdit* edit = binder.Edit(column, row.edit, QString(row.editObject));
    edit->setMinimumWidth(60);
    grid->addWidget(edit, r + 1, 0);
    if (row.unitLabel)
        grid->addWidget(binder.Label(column, row.unitLabel, QString(row.unitObject)), r + 1, 1);
    else if (row.unitText)
        grid->addWidget(Child<QLabel>(column, row.unitText), r + 1, 1);
}

void AddWidgetRow(QGridLayout* grid, QWidget* w) {
    grid->addWidget(w, grid->rowCount(), 0, 1, 2);
}

void Finish(QGridLayout* grid) {
    grid->setRowStretch(grid->rowCount(), 1);
}

} // namespace

QWidget* TMainForm::BuildLeftColumn(QWidget* parent) {
    auto* left = Child<QWidget>(parent);
    left->setObjectName("LeftLayout");
    left->setFixedWidth(kLeftWidth);
    auto* v = Owned<QVBoxLayout>(left);
    v->setContentsMargins(2, 2, 2, 2);
    auto* title = Child<QLabel>(left, "Layout Type:");
    title->setAlignment(Qt::AlignCenter);
    v->addWidget(title);
    QComboBox* combo = binder_.Combo(left, "LayoutComboBox");
    combo->setFixedHeight(30);
    // The items are large, black and bold; the closed box shows the choice in a size that fits.
    QFont big = combo->font();
    big.setBold(true);
    combo->setFont(big);
    big.setPointSize(16);
    combo->view()->setFont(big);
    combo->view()->setStyleSheet("color: black;");
    combo->view()->setMinimumWidth(260);
    combo->setPlaceholderText(" ");
    v->addWidget(combo);
    dimTabs_ = Child<QTabWidget>(left);
    dimTabs_->setObjectName("DimTabControl");
    dimTabs_->tabBar()->hide();
    dimTabs_->setDocumentMode(true);
    BuildConePage(dimTabs_);
    BuildSquarePage(dimTabs_);
    BuildSpiralPage(dimTabs_);
    BuildPipePage(dimTabs_);
    BuildTransitionPage(dimTabs_);
    v->addWidget(dimTabs_, 1);
    return left;
}

QWidget* TMainForm::BuildInputPage(QWidget* parent, const char* name, const char* hint,
                                   const char* button, QWidget*& column, QGridLayout*& grid) {
    auto* page = Child<QWidget>(parent);
    page->setObjectName(name);
    auto* v = Owned<QVBoxLayout>(page);
    v->setContentsMargins(0, 0, 0, 0);
    auto* top = Child<QFrame>(page);
    top->setFrameShape(QFrame::StyledPanel);
    auto* tv = Owned<QVBoxLayout>(top);
    tv->setContentsMargins(3, 3, 3, 3);
    auto* title = Child<QLabel>(top, "Dimensions");
    title->setAlignment(Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* hintLabel = Child<QLabel>(top, hint);
    hintLabel->setWordWrap(true);
    hintLabel->setAlignment(Qt::AlignCenter);
    auto* calc = Child<QPushButton>(top, "Calculate");
    calc->setObjectName(button);
    connect(calc, &QPushButton::clicked, this,
            [this] { Run([this] { engine_.CalculateMenuClick(); }); });
    tv->addWidget(title);
    tv->addWidget(hintLabel);
    tv->addWidget(calc);
    v->addWidget(top);
    auto* scroll = Child<QScrollArea>(page);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFrameShape(QFrame::NoFrame);
    column = Child<QWidget>(scroll);
    grid = Owned<QGridLayout>(column);
    grid->setContentsMargins(3, 2, 3, 2);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(0, 1);
    scroll->setWidget(column);
    v->addWidget(scroll, 1);
    return page;
}

void TMainForm::BuildConePage(QTabWidget* pages) {
    QWidget* column = nullptr;
    QGridLayout* grid = nullptr;
    QWidget* page = BuildInputPage(pages, "ConeInput", "Requires One Diameter and Two Other Dims.",
                                   "CalculateButton", column, grid);
    const InputRow main[] = {{"Top Diameter:", "ConeTopDiameter", "UnitLabel1", nullptr},
                             {"Bottom Diameter:", "ConeBottomDiameter", "UnitLabel2", nullptr},
                             {"Height:", "ConeHeight", "UnitLabel3", nullptr},
                             {"Side Angle:", "SideAngle", nullptr, "deg"},
                             {"Side Length:", "SideLength", "UnitLabel4", nullptr}};
    for (const auto& r : main)
        AddRow(binder_, column, grid, r);
    AddWidgetRow(grid, Rule(column));
    auto* irregular = Child<QLabel>(column, "Irregular Cone");
    QFont bold = irregular->font();
    bold.setBold(true);
    irregular->setFont(bold);
    AddWidgetRow(grid, irregular);
    AddWidgetRow(grid, Child<QLabel>(column, "Enter Modifiers"));
    const InputRow modifiers[] = {
        {"Top Shift:", "ConeTopXShift", "UnitLabel5", nullptr},
        {"Top Angle:", "ConeTopAngle", nullptr, "deg"},
        {"Bottom Angle:", "BottomAngle", nullptr, "deg"},
        {"Top Ellipse Short Axis:", "TopEllipseWidth", "UnitLabel6", nullptr},
        {"Bot Ellipse Short Axis:", "BottomEllipseWidth", "UnitLabel7", nullptr}};
    for (const auto& r : modifiers)
        AddRow(binder_, column, grid, r);
    Finish(grid);
    pages->addTab(page, "Cone");
}

void TMainForm::BuildSquarePage(QTabWidget* pages) {
    QWidget* column = nullptr;
    QGridLayout* grid = nullptr;
    QWidget* page = BuildInputPage(pages, "SquareInput", "Requires Top Dia. Width, Height",
                                   "CalculateSquareButton", column, grid);
    const InputRow main[] = {{"Top Diameter:", "SquareTopDiameter", "UnitLabel20", nullptr},
                             {"Bottom Width:", "SquareWidth", "UnitLabel21", nullptr},
                             {"Bottom Length:", "SquareLength", "UnitLabel22", nullptr},
                             {"Height:", "SquareHeight", "UnitLabel23", nullptr}};
    for (const auto& r : main)
        AddRow(binder_, column, grid, r);
    AddWidgetRow(grid, Rule(column));
    AddWidgetRow(grid, Child<QLabel>(column, "Enter Modifiers"));
    AddWidgetRow(grid, Caption(column, "Bends Per Corner:"));
    auto* stepper = Child<QWidget>(column);
    auto* h = Owned<QHBoxLayout>(stepper);
    h->setContentsMargins(0, 0, 0, 0);
    auto* minus = Child<QPushButton>(stepper, QString::fromUtf8("\u25C0"));
    minus->setObjectName("SpeedButton1");
    QLabel* number = binder_.Label(stepper, "NumberOfBendsLabel");
    number->setAlignment(Qt::AlignCenter);
    auto* plus = Child<QPushButton>(stepper, QString::fromUtf8("\u25B6"));
    plus->setObjectName("PlusButton");
    for (QPushButton* b : {minus, plus})
        b->setFixedWidth(28);
    connect(minus, &QPushButton::clicked, this,
            [this] { Run([this] { engine_.StepperClicked("NumberOfBendsLabel", -1); }); });
    connect(plus, &QPushButton::clicked, this,
            [this] { Run([this] { engine_.StepperClicked("NumberOfBendsLabel", 1); }); });
    h->addWidget(minus);
    h->addWidget(number, 1);
    h->addWidget(plus);
    AddWidgetRow(grid, stepper);
    const InputRow modifiers[] = {{"Top X Shift:", "SquareTopXShift", "UnitLabel24", nullptr},
                                  {"Top Y Shift:", "SquareTopYShift", "UnitLabel25", nullptr},
                                  {"Top Angle:", "SquareTopAngle", nullptr, "deg"}};
    for (const auto& r : modifiers)
        AddRow(binder_, column, grid, r);
    AddWidgetRow(grid, binder_.CheckBox(column, "HalfPatternCheckBox"));
    Finish(grid);
    pages->addTab(page, "Square to Round");
}

void TMainForm::BuildSpiralPage(QTabWidget* pages) {
    QWidget* column = nullptr;
    QGridLayout* grid = nullptr;
    QWidget* page =
        BuildInputPage(pages, "SpiralInput", "Requires ID, OD and Pitch", "Button1", column, grid);
    const InputRow rows[] = {{"Outside Diameter:", "SpiralODEdit", "Label71", nullptr},
                             {"Inside Diameter:", "SpiralIDEdit", "Label72", nullptr},
                             {"Pitch:", "SpiralPitchEdit", "Label73", nullptr}};
    for (const auto& r : rows)
        AddRow(binder_, column, grid, r);
    Finish(grid);
    pages->addTab(page, "Spiral Flight");
}

void TMainForm::BuildPipePage(QTabWidget* pages) {
    QWidget* column = nullptr;
    QGridLayout* grid = nullptr;
    QWidget* page =
        BuildInputPage(pages, "PipeInput", "Requires Both Pipe Diameters. Optional Offset.",
                       "Button4", column, grid);
    // The pipe's wall thickness is the thickness edit of the sheet tab, whose panels the pipe
    // hides; here it can be typed on the pipe's own page.
    const InputRow rows[] = {{"Main Pipe Dia:", "BigPipeDiaEdit", "Label79", nullptr},
                             {"Small Pipe Dia:", "SmallPipeDiaEdit", "Label80", nullptr},
                             {"Offset Dist:", "PipeOffsetEdit", "Label81", nullptr},
                             {"Material Thickness:", "ThicknessEdit", "Label54", nullptr,
                              "PipeThicknessEdit", "PipeThicknessUnit"}};
    for (const auto& r : rows)
        AddRow(binder_, column, grid, r);
    Finish(grid);
    pages->addTab(page, "Pipe Intersection");
}

// The transition's page, row by row as its kind declares it.
void TMainForm::BuildTransitionPage(QTabWidget* pages) {
    const LayoutKind& kind = engine_.Kind(engine_.KindIndexOf("transition"));
    const InputPage& declared = kind.Page();
    QWidget* column = nullptr;
    QGridLayout* grid = nullptr;
    QWidget* page =
        BuildInputPage(pages, declared.Name, declared.Hint, declared.CalculateButton, column, grid);
    for (const PageRow& row : declared.Rows) {
        switch (row.Type) {
        case PageRowType::Edit:
            AddRow(binder_, column, grid, {row.Caption, row.Control, row.UnitLabel, row.FixedUnit});
            break;
        case PageRowType::Rule:
            AddWidgetRow(grid, Rule(column));
            break;
        case PageRowType::Heading: {
            auto* heading = Child<QLabel>(column, row.Caption);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            AddWidgetRow(grid, heading);
            break;
        }
        case PageRowType::Text: {
            auto* text = Child<QLabel>(column, row.Caption);
            text->setWordWrap(true);
            AddWidgetRow(grid, text);
            break;
        }
        case PageRowType::Stepper:
            AddWidgetRow(grid, Caption(column, row.Caption));
            AddWidgetRow(grid, Stepper(column, row));
            break;
        case PageRowType::CheckBox:
            AddWidgetRow(grid, binder_.CheckBox(column, row.Control));
            break;
        }
    }
    Finish(grid);
    pages->addTab(page, declared.Title);
}

// A stepper of a declared page: minus button, the number label, plus button.
QWidget* TMainForm::Stepper(QWidget* column, const PageRow& row) {
    auto* stepper = Child<QWidget>(column);
    auto* h = Owned<QHBoxLayout>(stepper);
    h->setContentsMargins(0, 0, 0, 0);
    auto* minus = Child<QPushButton>(stepper, QString::fromUtf8("\u25C0"));
    minus->setObjectName(row.MinusButton);
    QLabel* number = binder_.Label(stepper, row.Control);
    number->setAlignment(Qt::AlignCenter);
    auto* plus = Child<QPushButton>(stepper, QString::fromUtf8("\u25B6"));
    plus->setObjectName(row.PlusButton);
    const std::string control = row.Control;
    for (auto [button, step] : {std::pair{minus, -1}, std::pair{plus, 1}}) {
        button->setFixedWidth(28);
        connect(button, &QPushButton::clicked, this, [this, control, step = step] {
            Run([this, control, step] { engine_.StepperClicked(control, step); });
        });
    }
    h->addWidget(minus);
    h->addWidget(number, 1);
    h->addWidget(plus);
    return stepper;
}

} // namespace brevant
