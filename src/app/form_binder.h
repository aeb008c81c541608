// The generic two-way binding between the form model's controls and Qt widgets: widgets are
// created through the binder by control name; Push mirrors the model into the widgets and the
// user's changes are written into the model before the control's handler runs.
#pragma once

#include "core/form_model.h"

#include <QString>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QWidget;
class QLineEdit;
class QLabel;
class QSpinBox;
class QCheckBox;
class QRadioButton;
class QFrame;
class QComboBox;

namespace brevant {

// The property of a value label that holds its width in characters: a number longer than that
// is shown in exponent form (FitNumberText).
inline constexpr const char* kFitCharsProperty = "fitChars";

class FormBinder {
public:
    // A handler runs after the user changed a control and the model holds the new state.
    using Handler = std::function<void()>;

    explicit FormBinder(FormModel& model) : model_(model) {}
    FormBinder(const FormBinder&) = delete;
    FormBinder& operator=(const FormBinder&) = delete;

    // Creates the widget of a control of the form model. objectName defaults to the control's
    // name; it differs only where a dialog reuses a name the main window already has, or where
    // a second widget shows the same control in another place. An unknown name is a
    // programming error and stops the program.
    QLineEdit* Edit(QWidget* parent, const std::string& control, const QString& objectName = {});
    QLabel* Label(QWidget* parent, const std::string& control, const QString& objectName = {});
    QSpinBox* SpinBox(QWidget* parent, const std::string& control);
    QCheckBox* CheckBox(QWidget* parent, const std::string& control);
    QRadioButton* Radio(QWidget* parent, const std::string& control);
    QFrame* Panel(QWidget* parent, const std::string& control);
    QComboBox* Combo(QWidget* parent, const std::string& control);

    // The handler of a control: edits on commit (Return or leaving the field after a change),
    // spin boxes, check boxes and combo boxes on every change, radio buttons when checked.
    void OnChange(const std::string& control, Handler handler);
    // Runs after every handler (the window mirrors the model and repaints there).
    void AfterChange(Handler handler) { after_ = std::move(handler); }

    // Mirrors the model into every bound widget without firing any handler.
    void Push();

    // The first widget bound to a control, by control name.
    QWidget* WidgetOf(const std::string& control) const;

private:
    struct Binding {
        QWidget* widget = nullptr;
        std::function<void()> push;
    };
    void Add(const std::string& control, QWidget* widget, std::function<void()> push);
    void Changed(const std::string& control);

    FormModel& model_;
    std::vector<Binding> bindings_;
    std::map<std::string, QWidget*> widgets_;
    std::map<std::string, Handler> handlers_;
    Handler after_;
    bool pushing_ = false;
};

} // namespace brevant
