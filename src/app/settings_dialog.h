// The "Settings" dialog: units, PDF paper, line weight and orientation, the check boxes, the
// screen scale and the user data folder, all bound to the form model. Created once at start-up,
// where it loads the settings file. It only closes with its answer: the "Settings" command
// (SettingsItemClick in the engine) takes the settings on OK and puts them back on Cancel,
// Escape or the window's close button.
#pragma once

#include <QDialog>

#include <string>

namespace brevant {

class FormBinder;
class LayoutEngine;

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(LayoutEngine& engine, FormBinder& binder, const std::string& settingsPath,
                   QWidget* parent = nullptr);

    // Shows the dialog modally; true when it was closed with OK.
    bool Ask();

private:
    void Build(FormBinder& binder);
};

} // namespace brevant
