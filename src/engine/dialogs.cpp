// Message boxes and file dialogs as the commands ask for them; the host shows them.
#include "core/file_dialogs.h"
#include "core/messages.h"
#include "engine/layout_engine.h"

#include <filesystem>
#include <system_error>

namespace brevant {

int LayoutEngine::ShowMessageDialog(const std::string& title, const std::string& body, int kind) {
    if (Drv.RecordingMessage && Drv.CalculationMessage.empty()) Drv.CalculationMessage = title;
    return host_.ShowMessage({title, body, kind, MessageStyle::Memo, ""});
}

void LayoutEngine::ShowNoticeDialog(const std::string& title, const std::string& body) {
    host_.ShowMessage({title, body, kMessageOk, MessageStyle::Label, ""});
}

std::string LayoutEngine::OutputRefusal() const {
    if (CurrentKind() && Drv.CalculatedKind == LayoutType()) return {};
    return Drv.CalculationMessage.empty() ? kMsgCalculateFirst : Drv.CalculationMessage;
}

std::optional<OutputOutcome> LayoutEngine::RefuseUncalculatedOutput() {
    const std::string why = OutputRefusal();
    if (why.empty()) return std::nullopt;
    ShowMessageDialog(why, "");
    return OutputOutcome::Refused(why);
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
    const std::string path = AppendDefaultExtension(chosen, f.defaultExtension);
    // No save replaces a file without asking; declined, it is as if no file was chosen.
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec) && ConfirmOverwrite() != kResultYes) return {};
    return path;
}

} // namespace brevant
