// The Nest tab: settings and part list on the left, the sheets on the right; the nester runs
// on a worker thread and reports through queued calls into the window's thread.
#include "nest_tab.h"

#include "core/expression.h"
#include "core/file_dialogs.h"
#include "documents/nest_sheets.h"
#include "engine/nest_files.h"
#include "nest_sheets_view.h"
#include "nesting/nester.h"
#include "qt_host.h"
#include "widget_factory.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <chrono>

namespace brevant {

namespace {
constexpr int kSettingsWidth = 320;

QLineEdit* NumberEdit(QWidget* parent, const char* name, double value) {
    auto* e = Child<QLineEdit>(parent, QString::number(value));
    e->setObjectName(name);
    return e;
}

// A length or angle typed as a number or a formula; false when it is neither.
bool ReadNumber(const QLineEdit* edit, double& value) {
    const ExprResult r = EvaluateExpression(edit->text().toStdString());
    value = r.value;
    return r.status == kExprPlain || r.status == kExprFormula;
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

NestTab::NestTab(QtHost& host, std::function<UnitSystem()> units, QWidget* parent)
    : QWidget(parent), host_(host), units_(std::move(units)) {
    setObjectName("NestTab");
    auto* row = Owned<QHBoxLayout>(this);
    row->setContentsMargins(4, 4, 4, 4);
    row->addWidget(BuildSettings());
    view_ = Child<NestSheetsView>(this);
    view_->setObjectName("NestSheetsView");
    row->addWidget(view_, 1);
    SetBusy(false);
    ShowStatus("Add the parts, set the sheet and press Nest.");
}

NestTab::~NestTab() {
    if (run_) run_->Cancel();
    if (worker_.joinable()) worker_.join();
}

QWidget* NestTab::BuildSettings() {
    auto* column = Child<QWidget>(this);
    column->setFixedWidth(kSettingsWidth);
    auto* v = Owned<QVBoxLayout>(column);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(BuildPartsBox(column), 1);
    v->addWidget(BuildSheetBox(column));
    auto* row = Child<QWidget>(column);
    auto* buttons = Owned<QHBoxLayout>(row);
    buttons->setContentsMargins(0, 0, 0, 0);
    nest_ = Child<QPushButton>(row, "Nest");
    nest_->setObjectName("NestButton");
    stop_ = Child<QPushButton>(row, "Stop");
    stop_->setObjectName("NestStopButton");
    save_ = Child<QPushButton>(row, "Save Sheets...");
    save_->setObjectName("NestSaveButton");
    for (QPushButton* b : {nest_, stop_, save_})
        buttons->addWidget(b);
    v->addWidget(row);
    progress_ = Child<QProgressBar>(column);
    progress_->setObjectName("NestProgress");
    progress_->setRange(0, 100);
    v->addWidget(progress_);
    status_ = Child<QLabel>(column);
    status_->setObjectName("NestStatus");
    status_->setWordWrap(true);
    v->addWidget(status_);
    connect(nest_, &QPushButton::clicked, this, [this] { StartNest(); });
    connect(stop_, &QPushButton::clicked, this, [this] { StopNest(); });
    connect(save_, &QPushButton::clicked, this, [this] { SaveClicked(); });
    return column;
}

QWidget* NestTab::BuildPartsBox(QWidget* parent) {
    auto* box = Child<QGroupBox>(parent, "Parts");
    auto* v = Owned<QVBoxLayout>(static_cast<QWidget*>(box));
    parts_ = Child<QTableWidget>(box, 0, 2);
    parts_->setObjectName("NestPartsTable");
    parts_->setHorizontalHeaderLabels({"File", "Quantity"});
    parts_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    parts_->verticalHeader()->setVisible(false);
    v->addWidget(parts_);
    auto* row = Child<QWidget>(box);
    auto* buttons = Owned<QHBoxLayout>(row);
    buttons->setContentsMargins(0, 0, 0, 0);
    auto* add = Child<QPushButton>(row, "Add DXF...");
    add->setObjectName("NestAddButton");
    auto* remove = Child<QPushButton>(row, "Remove");
    remove->setObjectName("NestRemoveButton");
    buttons->addWidget(add);
    buttons->addWidget(remove);
    v->addWidget(row);
    connect(add, &QPushButton::clicked, this, [this] { AddClicked(); });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (parts_->currentRow() >= 0) parts_->removeRow(parts_->currentRow());
    });
    return box;
}

QWidget* NestTab::BuildSheetBox(QWidget* parent) {
    const NestJobSettings defaults;
    auto* box = Child<QGroupBox>(parent, "Sheet");
    auto* form = Owned<QFormLayout>(static_cast<QWidget*>(box));
    sheetWidth_ = NumberEdit(box, "NestSheetWidth", defaults.sheetWidth);
    sheetHeight_ = NumberEdit(box, "NestSheetHeight", defaults.sheetHeight);
    clearance_ = NumberEdit(box, "NestClearance", defaults.clearance);
    rotations_ = Child<QLineEdit>(box, Text(defaults.rotations));
    rotations_->setObjectName("NestRotations");
    rotations_->setToolTip("A step in degrees (90: 0, 90, 180, 270) or angles such as 0,180");
    seconds_ = Child<QSpinBox>(box);
    seconds_->setObjectName("NestTime");
    seconds_->setRange(1, 3600);
    seconds_->setValue(int(defaults.seconds));
    seconds_->setSuffix(" s");
    form->addRow("Width:", sheetWidth_);
    form->addRow("Height:", sheetHeight_);
    form->addRow("Clearance:", clearance_);
    form->addRow("Rotations:", rotations_);
    form->addRow("Time:", seconds_);
    return box;
}

void NestTab::AddPart(const QString& file, int quantity) {
    const int row = parts_->rowCount();
    parts_->insertRow(row);
    auto* name = new QTableWidgetItem(QFileInfo(file).fileName()); // NOLINT: owned by the table
    name->setData(Qt::UserRole, file);
    name->setToolTip(file);
    name->setFlags(name->flags() & ~Qt::ItemIsEditable);
    parts_->setItem(row, 0, name);
    auto* count = Child<QSpinBox>(parts_);
    count->setRange(1, 10000);
    count->setValue(quantity);
    parts_->setCellWidget(row, 1, count);
}

void NestTab::AddClicked() {
    const DialogFilter f = BuildOpenFilter("DXF", "dxf");
    const std::string file =
        host_.AskOpenFile({"Add DXF Part", f.filter, f.defaultExtension, "", "", false});
    if (!file.empty()) AddPart(Text(file), 1);
}

bool NestTab::ReadSettings(NestJobSettings& s, QString& error) const {
    const struct {
        const QLineEdit* edit;
        double* value;
        const char* name;
    } numbers[] = {{sheetWidth_, &s.sheetWidth, "the sheet's width"},
                   {sheetHeight_, &s.sheetHeight, "the sheet's height"},
                   {clearance_, &s.clearance, "the clearance"}};
    for (const auto& n : numbers)
        if (!ReadNumber(n.edit, *n.value)) {
            error = QString("Bad number in ") + n.name + ".";
            return false;
        }
    s.rotations = rotations_->text().toStdString();
    s.seconds = seconds_->value();
    for (int row = 0; row < parts_->rowCount(); ++row)
        s.parts.push_back({parts_->item(row, 0)->data(Qt::UserRole).toString().toStdString(),
                           static_cast<QSpinBox*>(parts_->cellWidget(row, 1))->value()});
    return true;
}

void NestTab::StartNest() {
    if (Running()) return;
    NestJobSettings settings;
    QString bad;
    std::string error;
    NestJob job;
    if (!ReadSettings(settings, bad)) return ShowStatus(bad, true);
    if (!BuildNestJob(settings, job, error)) return ShowStatus(Text(error), true);
    NestOptions options;
    options.seconds = settings.seconds;
    auto run = std::make_unique<NestRun>(job, options);
    if (!run->Refusal().empty()) return ShowStatus(Text(run->Refusal()), true);
    job_ = std::move(job);
    jobUnits_ = units_();
    run_ = std::move(run);
    result_.reset();
    view_->Show(job_, result_, jobUnits_);
    SetBusy(true);
    ShowStatus("Placing the parts...");
    worker_ = std::thread([this, run = run_.get()] {
        auto last = std::chrono::steady_clock::now() - std::chrono::seconds(1);
        run->Run([this, &last](const NestProgress& p) {
            // At most ten reports a second reach the window.
            const auto now = std::chrono::steady_clock::now();
            if (now - last < std::chrono::milliseconds(100)) return;
            last = now;
            QMetaObject::invokeMethod(
                this, [this, p] { OnProgress(p); }, Qt::QueuedConnection);
        });
        QMetaObject::invokeMethod(
            this, [this] { OnFinished(); }, Qt::QueuedConnection);
    });
}

void NestTab::StopNest() {
    if (!run_ || !Running()) return;
    run_->Cancel();
    ShowStatus("Stopping...");
}

void NestTab::OnProgress(const NestProgress& p) {
    if (!run_) return;
    progress_->setValue(p.budget > 0 ? std::min(100, int(100 * p.elapsed / p.budget)) : 0);
    if (!p.placed) return;
    view_->Show(job_, run_->Best(), jobUnits_);
    ShowStatus(QString("Nesting: %1 sheet(s), density %2 %, %3 placements tried")
                   .arg(p.sheets)
                   .arg(p.density * 100, 0, 'f', 1)
                   .arg(p.evaluations));
}

void NestTab::OnFinished() {
    if (worker_.joinable()) worker_.join();
    result_ = run_ ? run_->Best() : std::nullopt;
    view_->Show(job_, result_, jobUnits_);
    progress_->setValue(result_ ? 100 : 0);
    SetBusy(false);
    if (!result_) return ShowStatus("Stopped before every part was placed.", true);
    const NestResult& r = *result_;
    ShowStatus(QString("%1 sheet(s) of %2 x %3 %4, the last used to %5; density %6 %")
                   .arg(r.sheets.size())
                   .arg(job_.sheetWidth)
                   .arg(job_.sheetHeight)
                   .arg(Text(UnitShortName(jobUnits_)))
                   .arg(r.length, 0, 'f', 2)
                   .arg(r.density * 100, 0, 'f', 1));
}

void NestTab::SetBusy(bool busy) {
    nest_->setEnabled(!busy);
    stop_->setEnabled(busy);
    save_->setEnabled(!busy && result_.has_value());
}

void NestTab::ShowStatus(const QString& text, bool error) {
    status_->setText(text);
    status_->setStyleSheet(error ? "color: #b00000;" : "");
}

QString NestTab::StatusText() const {
    return status_->text();
}

bool NestTab::SaveSheets(const QString& path) {
    if (!result_) return false;
    const std::string file = path.toStdString();
    const QString ext = QFileInfo(path).suffix().toLower();
    std::string error;
    std::vector<std::string> written;
    bool ok = false;
    if (ext == "svg")
        ok = WriteNestSvg(file, job_, *result_, jobUnits_, error);
    else if (ext == "pdf")
        ok = WriteNestPdf(file, job_, *result_, jobUnits_, error);
    else
        ok = WriteNestCamDxf(file, job_, *result_, jobUnits_, written, error);
    ShowStatus(ok ? "Saved " + path : Text(error), !ok);
    return ok;
}

void NestTab::SaveClicked() {
    const DialogFilter f = BuildOpenFilter("Sheet", "dxf,svg,pdf");
    const std::string file =
        host_.AskSaveFile({"Save Sheets", f.filter, f.defaultExtension, "", "sheets.dxf", true});
    if (!file.empty()) SaveSheets(Text(file));
}

} // namespace brevant
