// Message boxes and file dialogs as the commands ask for them; the host shows them.
#include "core/file_dialogs.h"
#include "engine/layout_engine.h"
#include "core/messages.h"

namespace brevant {

int LayoutEngine::ShowMessageDialog(const std::string& title, const std::string& body, int kind) {
    return host_.ShowMessage({title, body, kind, MessageStyle::Memo, ""});
}

void LayoutEngine::ShowNoticeDialog(const std::string& title, const std::string& body) {
    host_.ShowMessage({title, body, kMessageOk, MessageStyle::Label, ""});
}

int LayoutEngine::ConfirmOverwrite() {
    return ShowMessageDialog(kMsgOverwrite, "", kMessageYesNo);
}

std::string LayoutEngine::OpenFileDialog(const std::string& title, const std::string& description,
                                         const std::string& extensions,
                                         const std::string& initialFolder) {
    const DialogFilter f = BuildOpenFilter(description, extensions);
    FileDialogRequest r{title, f.filter, f.defaultExtension, initialFolder, "", false};
    return host_.AskOpenFile(r);
}

std::string LayoutEngine::SaveFileDialog(const std::string& title, const std::string& description,
                                         const std::string& extensions, bool overwritePrompt,
                                         const std::string& proposedName) {
    const DialogFilter f = BuildSaveFilter(description, extensions);
    FileDialogRequest r{title, f.filter, f.defaultExtension, "", "", overwritePrompt};
    SplitProposedName(proposedName, r.initialFolder, r.fileName);
    if (r.initialFolder.empty()) r.initialFolder = App.UserDataFolder;
    const std::string chosen = host_.AskSaveFile(r);
    if (chosen.empty()) return chosen;
    return AppendDefaultExtension(chosen, f.defaultExtension);
}

} // namespace brevant
