// The desktop host: message box, file dialogs and opening files with the system.
#include "qt_host.h"

#include "file_filter.h"
#include "message_form.h"
#include "system_open.h"

#include "core/messages.h"

#include <QFileDialog>

namespace brevant {

QtHost::QtHost(QString applicationTitle) : title_(std::move(applicationTitle)) {
    messageRunner = [](TMy& form) { return form.exec(); };
    fileRunner = [this](const FileDialogRequest& r, bool save) {
        return RunFileDialog(parent_, r, save);
    };
    openRunner = [](const std::string& path) {
        return OpenWithSystemProgram(QString::fromStdString(path));
    };
}

int QtHost::ShowMessage(const MessageRequest& request) {
    TMy form(parent_, request.style);
    // A notice in the label style leaves the caption empty; a message names the program.
    if (request.style == MessageStyle::Memo)
        form.SetTitleCaption(request.caption.empty() ? title_
                                                     : QString::fromStdString(request.caption));
    form.Prepare(QString::fromStdString(request.title), QString::fromStdString(request.body),
                 request.kind);
    return messageRunner(form);
}

std::string QtHost::AskOpenFile(const FileDialogRequest& request) {
    FileDialogRequest r = request;
    if (r.initialFolder.empty()) r.initialFolder = defaultFolder_;
    return fileRunner(r, false);
}

std::string QtHost::AskSaveFile(const FileDialogRequest& request) {
    FileDialogRequest r = request;
    if (r.initialFolder.empty()) r.initialFolder = defaultFolder_;
    return fileRunner(r, true);
}

void QtHost::OpenWithSystem(const std::string& path) {
    if (openRunner(path)) return;
    MessageRequest r;
    r.title = kMsgCantOpenFile;
    r.body = path + "\n" + kMsgNoProgramForFile;
    ShowMessage(r);
}

std::string QtHost::RunFileDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent);
    if (!request.title.empty()) dialog.setWindowTitle(QString::fromStdString(request.title));
    dialog.setNameFilters(ToQtFilters(request.filter));
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (!request.initialFolder.empty())
        dialog.setDirectory(QString::fromStdString(request.initialFolder));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Overwriting is asked by the command itself where it wants to.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first().toStdString();
}

} // namespace brevant
