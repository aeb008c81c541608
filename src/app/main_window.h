// TMainForm: the desktop program's main window. It owns the engine and its host, creates one
// widget per control of the form model, mirrors the model after every engine call and sends
// commands, commits and clicks to the engine's handlers.
#pragma once

#include "engine/layout_engine.h"
#include "engine/settings_file.h"
#include "form_binder.h"
#include "layouts/input_page.h"
#include "qt_host.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <string>

class QAction;
class QPrinter;
class QTabWidget;
class QWidget;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace brevant {

class AboutBox;
class CadViewWidget;
class DimensionPicture;
class SettingsDialog;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // folders: where the user's documents and data live (the user data folder is found there).
    explicit TMainForm(const PlatformFolders& folders, QWidget* parent = nullptr);
    ~TMainForm() override;

    LayoutEngine& Engine() { return engine_; }
    QtHost& Host() { return host_; }
    FormBinder& Binder() { return binder_; }
    SettingsDialog& Settings() { return *settings_; }
    AboutBox& About() { return *about_; }
    CadViewWidget& FlatView() { return *flatView_; }
    CadViewWidget& SheetView() { return *sheetView_; }
    QTabWidget& DisplayTabs() { return *displayTabs_; }
    // The 3D viewport, or the sentence shown where OpenGL is missing.
    QWidget& SolidView() { return *solidView_; }
    const std::string& SettingsPath() const { return settingsPath_; }

    // Opens definition files named outside the window (absolute paths, in order), as "Load
    // Definition" does; before the first activation they wait until the form is ready.
    void OpenFiles(const QStringList& files);
    // Shows the window in front of the others (a later start of the program handed over).
    void BringToFront();

    // Prints the data sheet on a printer the print dialog has set up. A PDF file is printed into
    // a private folder first and then written over the chosen file atomically; a failure to
    // write it is shown naming the file.
    void PrintDataSheetOn(QPrinter& printer);

    // Gives the printer the paper and orientation of the settings (the print dialog starts
    // with them).
    void UseSettingsPaper(QPrinter& printer) const;

    // Runs an engine operation, then mirrors the model into the window.
    void Run(const std::function<void()>& operation);
    // Mirrors the whole model: controls, caption, pages, picture, and repaints the 3D view.
    void Refresh();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (main_window_inputs.cpp, main_window_displays.cpp).
    QWidget* BuildLeftColumn(QWidget* parent);
    QWidget* BuildInputPage(QWidget* parent, const char* name, const char* hint, const char* button,
                            QWidget*& column, QGridLayout*& grid);
    // A layout kind's input page from the rows it declares.
    void BuildKindPage(QTabWidget* pages, const InputPage& declared);
    void AddPageRow(QWidget* column, QGridLayout* grid, const PageRow& row);
    QWidget* Stepper(QWidget* column, const PageRow& row);
    QWidget* BuildDisplays(QWidget* parent);
    QWidget* BuildFlatShapeTab(QWidget* parent);
    QWidget* BuildSheetTab(QWidget* parent);
    void BuildRegularData(QWidget* parent);
    void BuildBendAndSeam(QWidget* parent);
    void BuildSheetData(QWidget* parent);
    void BuildThicknessAndCuts(QWidget* parent);
    // Menus and commands (main_window_commands.cpp).
    void BuildMenus();
    QAction* Command(QMenu* menu, const char* name, const char* text,
                     const std::function<void()>& operation, const QKeySequence& key = {});
    void BindHandlers();
    QSize DefaultSize() const;
    void BindEnterToCalculate();
    void SettingsItemClick();
    void MenuPrintCoverClick();
    bool RunShutDown(); // false: the user cancelled closing
    void FirstActivation();

    QtHost host_;
    LayoutEngine engine_;
    FormBinder binder_;
    std::string settingsPath_;
    QTabWidget* dimTabs_ = nullptr;
    QTabWidget* displayTabs_ = nullptr;
    DimensionPicture* dimImage_ = nullptr;
    CadViewWidget* flatView_ = nullptr;
    CadViewWidget* sheetView_ = nullptr;
    QLabel* sheetNote_ = nullptr; // over the sheet view while it has no layout
    QWidget* solidView_ = nullptr;
    AboutBox* about_ = nullptr;
    SettingsDialog* settings_ = nullptr;
    bool activated_ = false;
    QStringList pendingFiles_; // named before the first activation
    bool shutDown_ = false;
    QLineEdit* enterIn_ = nullptr; // the field whose Enter waits for its commit
};

} // namespace brevant
