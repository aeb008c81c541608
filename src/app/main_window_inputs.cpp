// The main window's left column: the layout type and one input page per layout kind.
#include "main_window.h"

#include "widget_factory.h"

#include "layouts/layout_kind.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
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

QLabel* Caption(QWidget* parent, const QString& text) {
    auto* l = Child<QLabel>(parent, text);
    l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    l->setWordWrap(true); // long captions wrap rather than widen the narrow column
    return l;
}

QLabel* Heading(QWidget* parent, const QString& text) {
    auto* l = Child<QLabel>(parent, text);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

QFrame* Rule(QWidget* parent) {
    auto* r = Child<QFrame>(parent);
    r->setFrameShape(QFrame::HLine);
    r->setFrameShadow(QFrame::Sunken);
    return r;
}

// Adds a caption line and below it the edit with its unit (a form-model label, or a fixed text
// such as "deg").
void AddEditRow(FormBinder& binder, QWidget* column, QGridLayout* grid, const PageRow& row) {
    const int r = grid->rowCount();
    grid->addWidget(Caption(column, row.Caption), r, 0, 1, 2);
    QLineEdit* edit = binder.Edit(column, row.Control, QString(row.EditObject));
    edit->setMinimumWidth(60);
    grid->addWidget(edit, r + 1, 0);
    if (row.UnitLabel)
        grid->addWidget(binder.Label(column, row.UnitLabel, QString(row.UnitObject)), r + 1, 1);
    else if (row.FixedUnit)
        grid->addWidget(Child<QLabel>(column, row.FixedUnit), r + 1, 1);
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
    // One page per layout kind, in the registry's order, built from the rows the kind declares.
    for (int i = 0; i < engine_.KindCount(); ++i)
        BuildKindPage(dimTabs_, engine_.Kind(i).Page());
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

void TMainForm::BuildKindPage(QTabWidget* pages, const InputPage& declared) {
    QWidget* column = nullptr;
    QGridLayout* grid = nullptr;
    QWidget* page =
        BuildInputPage(pages, declared.Name, declared.Hint, declared.CalculateButton, column, grid);
    for (const PageRow& row : declared.Rows)
        AddPageRow(column, grid, row);
    Finish(grid);
    pages->addTab(page, declared.Title);
}

void TMainForm::AddPageRow(QWidget* column, QGridLayout* grid, const PageRow& row) {
    switch (row.Type) {
    case PageRowType::Edit:
        AddEditRow(binder_, column, grid, row);
        break;
    case PageRowType::Rule:
        AddWidgetRow(grid, Rule(column));
        break;
    case PageRowType::Heading:
        AddWidgetRow(grid, Heading(column, row.Caption));
        break;
    case PageRowType::Text:
        AddWidgetRow(grid, Child<QLabel>(column, row.Caption));
        break;
    case PageRowType::Stepper:
        AddWidgetRow(grid, Caption(column, row.Caption));
        AddWidgetRow(grid, Stepper(column, row));
        break;
    case PageRowType::CheckBox:
        AddWidgetRow(grid, binder_.CheckBox(column, row.Control));
        break;
    }
}

// A minus button, the number label of the form model and a plus button; the buttons step the
// number through the engine.
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
    const std::string label = row.Control;
    for (auto [button, step] : {std::pair{minus, -1}, std::pair{plus, 1}}) {
        button->setFixedWidth(28);
        connect(button, &QPushButton::clicked, this, [this, label, step = step] {
            Run([this, &label, step] { engine_.StepperClicked(label, step); });
        });
    }
    h->addWidget(minus);
    h->addWidget(number, 1);
    h->addWidget(plus);
    return stepper;
}

} // namespace brevant
