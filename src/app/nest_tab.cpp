// The Nest tab: settings and part list on the left, the sheets on the right; the nester runs
// on a worker thread and reports through queued calls into the window's thread.
#include "nest_tab.h"

#include "core/expression.h"
#include "core/file_dialogs.h"
#include "core/number_entry.h"
#include "documents/nest_sheets.h"
#include "engine/layout_engine.h"
#include "engine/nest_definitions.h"
#include "engine/nest_files.h"
#include "engine/nest_job_file.h"
#include "nest_sheets_view.h"
#include "nesting/nester.h"
#include "qt_host.h"
#include "widget_factory.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
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

#include <algorithm>
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

NestTab::NestTab(QtHost& host, LayoutEngine& engine, std::function<void()> engineChanged,
                 QWidget* parent)
    : QWidget(parent), host_(host), engine_(engine), engineChanged_(std::move(engineChanged)) {
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
    parts_->setHorizontalHeaderLabels({"Part", "Quantity"});
    parts_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    parts_->verticalHeader()->setVisible(false);
    v->addWidget(parts_);
    v->addWidget(BuildPartButtons(box));
    return box;
}

// Two rows of buttons: adding and removing parts; saving and loading the job.
QWidget* NestTab::BuildPartButtons(QWidget* parent) {
    auto* rows = Child<QWidget>(parent);
    auto* grid = Owned<QGridLayout>(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* caption;
        const char* name;
        void (NestTab::*clicked)();
    } buttons[] = {
        {"Add Current Part", "NestAddCurrentButton", nullptr},
        {"Add Files...", "NestAddButton", &NestTab::AddClicked},
        {"Remove", "NestRemoveButton", &NestTab::RemoveCurrentRow},
        {"Load Job...", "NestLoadJobButton", &NestTab::LoadJobClicked},
        {"Save Job...", "NestSaveJobButton", &NestTab::SaveJobClicked},
    };
    int i = 0;
    for (const auto& b : buttons) {
        auto* button = Child<QPushButton>(rows, b.caption);
        button->setObjectName(b.name);
        grid->addWidget(button, i / 3, i % 3);
        ++i;
        if (b.clicked)
            connect(button, &QPushButton::clicked, this, [this, f = b.clicked] { (this->*f)(); });
        else
            connect(button, &QPushButton::clicked, this, [this] { AddCurrentPart(1); });
    }
    return rows;
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

void NestTab::AddRow(const NestJobEntry& entry, const QString& caption, const QString& tip) {
    const int row = parts_->rowCount();
    parts_->insertRow(row);
    auto* name = new QTableWidgetItem(caption); // NOLINT: owned by the table
    name->setToolTip(tip);
    name->setFlags(name->flags() & ~Qt::ItemIsEditable);
    parts_->setItem(row, 0, name);
    auto* count = Child<QSpinBox>(parts_);
    count->setRange(1, 10000);
    count->setValue(std::clamp(entry.quantity, 1, 10000));
    parts_->setCellWidget(row, 1, count);
    entries_.push_back(entry);
}

void NestTab::AddPart(const QString& file, int quantity) {
    NestJobEntry e;
    e.file = file.toStdString();
    e.quantity = quantity;
    AddRow(e, QFileInfo(file).fileName(), file);
}

bool NestTab::AddCurrentPart(int quantity) {
    const LayoutKind* kind = engine_.CurrentKind();
    std::string name = engine_.App.CurrentDefinitionName;
    if (name.empty() && kind) name = std::string(kind->Caption());
    NestJob pieces;
    std::string error;
    // The pieces are kept in inches and put into the job's unit when it is nested.
    if (!brevant::AddCurrentPart(engine_, name, 1, kInches, pieces, error)) {
        ShowStatus(Text(error), true);
        return false;
    }
    NestJobEntry e;
    e.name = name;
    e.pieces = std::move(pieces.parts);
    e.quantity = quantity;
    AddRow(e, Text(name) + " (calculated)", "The part calculated in the window when it was added");
    ShowStatus("Added the calculated part " + Text(name) + ".");
    return true;
}

int NestTab::PartCount() const {
    return parts_->rowCount();
}

void NestTab::RemoveCurrentRow() {
    const int row = parts_->currentRow();
    if (row < 0 || row >= int(entries_.size())) return;
    parts_->removeRow(row);
    entries_.erase(entries_.begin() + row);
}

void NestTab::AddClicked() {
    const DialogFilter f = BuildOpenFilter("Part", "layout,dxf");
    const std::string file =
        host_.AskOpenFile({"Add Part File", f.filter, f.defaultExtension, "", "", false});
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
    s.units = engine_.Units();
    s.parts = entries_;
    for (int row = 0; row < parts_->rowCount(); ++row)
        s.parts[std::size_t(row)].quantity =
            static_cast<QSpinBox*>(parts_->cellWidget(row, 1))->value();
    return true;
}

void NestTab::KeepLengthsFrom(UnitSystem from) {
    const double factor = UnitFactor(from) / UnitFactor(engine_.Units());
    for (QLineEdit* edit : {sheetWidth_, sheetHeight_, clearance_})
        edit->setText(Text(ConvertedLengthText(edit->text().toStdString(), factor, '.')));
}

// Shows a job's settings, its lengths turned into the window's unit, and its parts.
void NestTab::PutSettings(const NestJobSettings& s) {
    const double f = UnitFactor(s.units) / UnitFactor(engine_.Units());
    sheetWidth_->setText(QString::number(s.sheetWidth * f));
    sheetHeight_->setText(QString::number(s.sheetHeight * f));
    clearance_->setText(QString::number(s.clearance * f));
    rotations_->setText(Text(s.rotations));
    seconds_->setValue(int(s.seconds));
    parts_->setRowCount(0);
    entries_.clear();
    for (const NestJobEntry& e : s.parts) {
        if (e.file.empty())
            AddRow(e, Text(e.name) + " (calculated)", "A calculated part kept in the job");
        else
            AddRow(e, QFileInfo(Text(e.file)).fileName(), Text(e.file));
    }
}

bool NestTab::SaveJob(const QString& path) {
    NestJobSettings s;
    QString bad;
    std::string error;
    if (!ReadSettings(s, bad)) {
        ShowStatus(bad, true);
        return false;
    }
    const bool ok = WriteNestJobFile(path.toStdString(), s, error);
    ShowStatus(ok ? "Saved the job " + path : Text(error), !ok);
    return ok;
}

bool NestTab::LoadJob(const QString& path) {
    NestJobSettings s;
    std::string error;
    if (!ReadNestJobFile(path.toStdString(), s, error)) {
        ShowStatus(Text(error), true);
        return false;
    }
    PutSettings(s);
    ShowStatus("Loaded the job " + path);
    return true;
}

void NestTab::SaveJobClicked() {
    const DialogFilter f = BuildSaveFilter("Nest Job", "nestjob");
    const std::string file =
        host_.AskSaveFile({"Save Nest Job", f.filter, f.defaultExtension, "", "job.nestjob", true});
    if (!file.empty()) SaveJob(Text(file));
}

void NestTab::LoadJobClicked() {
    const DialogFilter f = BuildOpenFilter("Nest Job", "nestjob");
    const std::string file =
        host_.AskOpenFile({"Load Nest Job", f.filter, f.defaultExtension, "", "", false});
    if (!file.empty()) LoadJob(Text(file));
}

// The job of the settings; definition files are calculated in the window's engine, and the
// window's part is put back afterwards.
bool NestTab::BuildJob(const NestJobSettings& settings, NestJob& job, std::string& error) {
    const bool definitions =
        std::any_of(settings.parts.begin(), settings.parts.end(),
                    [](const NestJobEntry& e) { return IsDefinitionFileName(e.file); });
    if (!definitions) return BuildNestJob(settings, engine_, job, error);
    bool built = false;
    {
        const KeptWindowPart kept(engine_);
        built = BuildNestJob(settings, engine_, job, error);
    }
    if (engineChanged_) engineChanged_();
    return built;
}

void NestTab::StartNest() {
    if (Running()) return;
    NestJobSettings settings;
    QString bad;
    std::string error;
    NestJob job;
    if (!ReadSettings(settings, bad)) return ShowStatus(bad, true);
    if (!BuildJob(settings, job, error)) return ShowStatus(Text(error), true);
    NestOptions options;
    options.seconds = settings.seconds;
    auto run = std::make_unique<NestRun>(job, options);
    if (!run->Refusal().empty()) return ShowStatus(Text(run->Refusal()), true);
    job_ = std::move(job);
    jobUnits_ = settings.units;
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
