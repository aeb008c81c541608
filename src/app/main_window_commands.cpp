// The main window's menus and the handlers bound to its controls.
#include "main_window.h"

#include "about_box.h"
#include "core/atomic_file.h"
#include "core/io_error_text.h"
#include "engine/definition_file.h"
#include "engine/shop_saves.h"
#include "nest_tab.h"
#include "qt_printer.h"
#include "settings_dialog.h"
#include "widget_factory.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTemporaryDir>

#include <string_view>

namespace brevant {

QAction* TMainForm::Command(QMenu* menu, const char* name, const char* text,
                            const std::function<void()>& operation, const QKeySequence& key) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    if (!key.isEmpty()) action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, operation] { Run(operation); });
    return action;
}

// Every menu and item has its access key (Alt+F, then S, ...); no two share a key within one menu.
void TMainForm::BuildMenus() {
    LayoutEngine& e = engine_;
    QMenu* file = menuBar()->addMenu("&File");
    Command(
        file, "MenuSaveDefinition", "&Save Definition", [&e] { MenuSaveDefinitionClick(e); },
        QKeySequence(Qt::CTRL | Qt::Key_S));
    Command(
        file, "MenuLoadDefinition", "&Load Definition", [&e] { MenuLoadDefinitionClick(e); },
        QKeySequence(Qt::CTRL | Qt::Key_O));
    Command(file, "MenuSave3DCAD", "Save &3D CAD", [&e] { e.MenuSave3DCADClick(); });
    Command(file, "MenuSave3DSolid", "Save 3D S&olid", [&e] { e.MenuSave3DSolidClick(); });
    Command(file, "MenuPrintToPDF", "Save Flat Pattern &PDF", [&e] { e.MenuPrintToPDFClick(); });
    Command(file, "MenuSaveFlatCAD", "Save Flat Pattern &CAD", [&e] { e.MenuSaveFlatCADClick(); });
    Command(file, "MenuSaveFlatSVG", "Save Flat Pattern S&VG", [&e] { MenuSaveFlatSvgClick(e); });
    Command(file, "MenuPrintCover", "P&rint Data Sheet", [this] { MenuPrintCoverClick(); });
    Command(file, "MenuDimensionFile", "&Dimension File", [&e] { e.MenuDimensionFileClick(); });
    Command(file, "SettingsItem", "Se&ttings", [this] { SettingsItemClick(); });
    file->addSeparator();
    Command(file, "MenuExit", "E&xit", [this] { close(); });

    QMenu* view = menuBar()->addMenu("&View");
    Command(
        view, "CalculateMenu", "&Calculate", [&e] { e.CalculateMenuClick(); },
        QKeySequence(Qt::Key_F2));
    Command(
        view, "ResetViewMenu", "&Reset View", [&e] { e.ResetViewMenuClick(); },
        QKeySequence(Qt::Key_F3));
    Command(view, "TopViewMenu", "&Top View", [&e] { e.TopViewMenuClick(); });
    Command(view, "FrontViewMenu", "&Front View", [&e] { e.FrontViewMenuClick(); });
    Command(view, "ClearMenu", "C&lear Data", [&e] { e.ClearMenuClick(); });

    QMenu* help = menuBar()->addMenu("&Help");
    Command(help, "MenuHelp", "&Index", [&e] { e.MenuHelpClick(); });
    Command(help, "MenuAbout", "&About", [this] { about_->exec(); });
}

void TMainForm::BindHandlers() {
    LayoutEngine& e = engine_;
    FormModel& f = e.Form;
    // Every committed edit and changed spin box goes to the engine, which knows which of them
    // has a handler (the input pages' edits, the thickness, the seam and bend counts).
    for (const auto& [name, edit] : f.Edits())
        binder_.OnChange(name, [&e, edit = edit] { e.EditCommitted(*edit); });
    for (const auto& [name, spin] : f.SpinBoxes())
        binder_.OnChange(name, [&e, spin = spin] { e.SpinBoxChanged(*spin); });
    binder_.OnChange("LayoutComboBox", [&e] { e.LayoutComboBoxChange(); });
    for (const char* name : {"OutsideRadio", "MiddleRadio", "InsideRadio"}) {
        RadioButton* r = f.FindRadio(name);
        binder_.OnChange(name, [&e, r] { e.MiddleRadioChange(*r); });
    }
    binder_.AfterChange([this] { Refresh(); });
    BindEnterToCalculate();
}

// Enter (either key) in an input field commits the field and then calculates, as F2 does. The
// line edit announces the key before it finishes the edit, so a changed field calculates once
// its commit has gone to the engine.
void TMainForm::BindEnterToCalculate() {
    for (QLineEdit* edit : dimTabs_->findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::returnPressed, this, [this, edit] {
            if (edit->isModified())
                enterIn_ = edit;
            else
                Run([this] { engine_.CalculateMenuClick(); });
        });
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            if (enterIn_ != edit) return;
            enterIn_ = nullptr;
            Run([this] { engine_.CalculateMenuClick(); });
        });
    }
}

// The print dialog first (printing to a PDF file included); cancelled, nothing is printed.
void TMainForm::MenuPrintCoverClick() {
    engine_.ClearStatus();
    if (engine_.RefuseUncalculatedOutput()) return;
    QPrinter printer(QPrinter::HighResolution);
    UseSettingsPaper(printer);
    if (!QtPrinter::AskPrinter(printer, this)) return;
    PrintDataSheetOn(printer);
}

void TMainForm::UseSettingsPaper(QPrinter& printer) const {
    const FormModel& f = engine_.Form;
    QtPrinter::SetPaper(printer, PdfPageSize(f.PDFCombo.itemIndex, false),
                        f.LandscapeRadio.checked);
}

void TMainForm::PrintDataSheetOn(QPrinter& printer) {
    const QString target =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (target.isEmpty()) {
        QtPrinter page(printer);
        engine_.PrintDataSheet(page);
        return;
    }
    const std::string path = target.toStdString();
    auto failed = [&](const std::string& reason) {
        engine_.SetIOError(WriteErrorText(path, reason));
        engine_.ShowMessageDialog(engine_.LastIOError(), path);
    };
    QTemporaryDir folder; // only this user may enter it
    if (!folder.isValid()) return failed(folder.errorString().toStdString());
    const QString printed = folder.filePath("data-sheet.pdf");
    printer.setOutputFileName(printed);
    {
        QtPrinter page(printer);
        if (!engine_.PrintDataSheet(page)) return failed("the page could not be printed");
    }
    printer.setOutputFileName(target);
    QFile file(printed);
    if (!file.open(QIODevice::ReadOnly)) return failed(file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    std::string reason;
    if (!WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size()), reason))
        failed(reason);
}

void TMainForm::SettingsItemClick() {
    const UnitSystem before = engine_.Units();
    brevant::SettingsItemClick(engine_, settingsPath_, [this] {
        Refresh();
        return settings_->Ask();
    });
    if (auto* nest = findChild<NestTab*>()) nest->KeepLengthsFrom(before);
}

} // namespace brevant
