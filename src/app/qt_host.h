// The desktop host of the engine: the TMy message box, Qt's open and save dialogs and the
// system's file opener. Tests replace the runners to answer dialogs without blocking.
#pragma once

#include "core/host.h"

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace brevant {

class TMy;

class QtHost : public IHost {
public:
    // Shows a prepared message form and returns its result (default: modal exec()).
    using MessageRunner = std::function<int(TMy& form)>;
    // Answers a file dialog; save tells a save dialog from an open dialog (default: Qt dialog).
    using FileRunner = std::function<std::string(const FileDialogRequest& request, bool save)>;
    // Opens a file with the system's program; false when no program took it (default:
    // OpenWithSystemProgram).
    using OpenRunner = std::function<bool(const std::string& path)>;

    explicit QtHost(QString applicationTitle);

    // The window the dialogs are centred on.
    void SetParentWindow(QWidget* window) { parent_ = window; }
    QWidget* ParentWindow() const { return parent_; }
    // Where file dialogs start when the command names no folder (the user data folder).
    void SetDefaultFolder(const std::string& folder) { defaultFolder_ = folder; }

    MessageRunner messageRunner;
    FileRunner fileRunner;
    OpenRunner openRunner;

    int ShowMessage(const MessageRequest& request) override;
    std::string AskOpenFile(const FileDialogRequest& request) override;
    std::string AskSaveFile(const FileDialogRequest& request) override;
    // When no program takes the file, a message names it.
    void OpenWithSystem(const std::string& path) override;

    // The Qt file dialog as the default runner uses it.
    static std::string RunFileDialog(QWidget* parent, const FileDialogRequest& request, bool save);

private:
    QString title_;
    QWidget* parent_ = nullptr;
    std::string defaultFolder_;
};

} // namespace brevant
