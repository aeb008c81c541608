// The Nest tab: the parts to nest (the part calculated in the window, definition files and DXF
// files of closed outlines, each with its quantity), the sheet, the clearance, the rotations and
// the time allowed, saved and loaded as a job file; "Nest" runs the nester on a worker thread
// with a progress bar and a Stop button while the window stays usable; the sheets are drawn
// with their utilisation and saved as cutting-machine DXF, SVG or PDF.
#pragma once

#include "core/units.h"
#include "engine/nest_job_settings.h"
#include "nesting/nest_job.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace brevant {

class LayoutEngine;
class NestRun;
class NestSheetsView;
class QtHost;

class NestTab : public QWidget {
    Q_OBJECT
public:
    // engine: the window's, whose display unit every length of the tab is typed and shown in,
    // whose calculated part can be added, and which calculates definition files (the window's
    // part is put back afterwards; engineChanged then lets the window show it again).
    NestTab(QtHost& host, LayoutEngine& engine, std::function<void()> engineChanged,
            QWidget* parent = nullptr);
    ~NestTab() override; // stops a running nest and waits for it

    // A definition file (.layout) or a DXF file, quantity parts.
    void AddPart(const QString& file, int quantity);
    // The window's calculated part, quantity parts; false with the reason in the status line
    // when nothing is calculated.
    bool AddCurrentPart(int quantity);
    // The job file: the parts and the settings; false with the reason in the status line.
    bool SaveJob(const QString& path);
    bool LoadJob(const QString& path);
    int PartCount() const;
    // Reads the settings and the part files and starts the nest; a bad setting or file is
    // named in the status line instead.
    void StartNest();
    void StopNest();
    bool Running() const { return worker_.joinable(); }
    const std::optional<NestResult>& Result() const { return result_; }
    // The sheets as DXF for cutting machines (one file a sheet), SVG or PDF, by the extension;
    // false with the reason in the status line.
    bool SaveSheets(const QString& path);
    QString StatusText() const;
    // After the window's unit changed from `from`: the sheet and the clearance as typed are
    // turned into the new unit, so the sheet stays the same sheet.
    void KeepLengthsFrom(UnitSystem from);

private:
    QWidget* BuildSettings();
    QWidget* BuildPartsBox(QWidget* parent);
    QWidget* BuildSheetBox(QWidget* parent);
    QWidget* BuildPartButtons(QWidget* parent);
    void AddClicked();
    void SaveClicked();
    void SaveJobClicked();
    void LoadJobClicked();
    void AddRow(const NestJobEntry& entry, const QString& caption, const QString& tip);
    void RemoveCurrentRow();
    bool ReadSettings(NestJobSettings& settings, QString& error) const;
    bool BuildJob(const NestJobSettings& settings, NestJob& job, std::string& error);
    void PutSettings(const NestJobSettings& settings);
    void OnProgress(const NestProgress& progress);
    void OnFinished();
    void SetBusy(bool busy);
    void ShowStatus(const QString& text, bool error = false);

    QtHost& host_;
    LayoutEngine& engine_;
    std::function<void()> engineChanged_;
    std::vector<NestJobEntry> entries_; // the table's rows, in order
    QTableWidget* parts_ = nullptr;
    QLineEdit* sheetWidth_ = nullptr;
    QLineEdit* sheetHeight_ = nullptr;
    QLineEdit* clearance_ = nullptr;
    QLineEdit* rotations_ = nullptr;
    QSpinBox* seconds_ = nullptr;
    QPushButton* nest_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* save_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    NestSheetsView* view_ = nullptr;

    NestJob job_;
    UnitSystem jobUnits_ = kInches;
    std::unique_ptr<NestRun> run_;
    std::thread worker_;
    std::optional<NestResult> result_;
};

} // namespace brevant
