// The Nest tab: the parts to nest (DXF files of closed outlines with their quantities), the
// sheet, the clearance, the rotations and the time allowed; "Nest" runs the nester on a
// worker thread with a progress bar and a Stop button while the window stays usable; the
// sheets are drawn with their utilisation and saved as cutting-machine DXF, SVG or PDF.
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

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace brevant {

class NestRun;
class NestSheetsView;
class QtHost;

class NestTab : public QWidget {
    Q_OBJECT
public:
    // units: the window's display unit, in which every length of the tab is typed and shown.
    NestTab(QtHost& host, std::function<UnitSystem()> units, QWidget* parent = nullptr);
    ~NestTab() override; // stops a running nest and waits for it

    void AddPart(const QString& file, int quantity);
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

private:
    QWidget* BuildSettings();
    QWidget* BuildPartsBox(QWidget* parent);
    QWidget* BuildSheetBox(QWidget* parent);
    void AddClicked();
    void SaveClicked();
    bool ReadSettings(NestJobSettings& settings, QString& error) const;
    void OnProgress(const NestProgress& progress);
    void OnFinished();
    void SetBusy(bool busy);
    void ShowStatus(const QString& text, bool error = false);

    QtHost& host_;
    std::function<UnitSystem()> units_;
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
