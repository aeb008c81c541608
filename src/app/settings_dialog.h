// The "Settings" dialog: units, PDF paper, line weight and orientation, the five check boxes,
// the screen scale and the user data folder, all bound to the form model. Created once at
// start-up, where it loads the settings file; OK saves it.
#pragma once

#include <QDialog>

#include <string>

namespace brevant {

class FormBinder;
class LayoutEngine;

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(LayoutEngine& engine, FormBinder& binder, std::string settingsPath,
                   QWidget* parent = nullptr);

    // The OK button: save the settings, update the main window, close.
    void OkClick();

private:
    void Build(FormBinder& binder);

    LayoutEngine& engine_;
    std::string settingsPath_;
};

} // namespace brevant
