// The command line's recording host.
#include "cli/cli_host.h"

namespace brevant::cli {

int DefaultButtonResult(int kind) {
    switch (kind) {
    case kMessageOk:
    case kMessageStopOkCancel:
    case kMessageOkCancel:
        return kResultOk;
    case kMessageYesNo:
    case kMessageYesNoCancel:
    case kMessageStopYesNo:
        return kResultYes;
    case kMessageSaveCancel:
    case kMessageSaveDiscardCancel:
        return kResultSave;
    default:
        return kResultCancel; // a box without buttons closes by its frame
    }
}

int CliHost::ShowMessage(const MessageRequest& request) {
    messages.push_back({request.kind, request.title, request.body});
    return DefaultButtonResult(request.kind);
}

std::string CliHost::AskOpenFile(const FileDialogRequest&) {
    return nextFile;
}

std::string CliHost::AskSaveFile(const FileDialogRequest&) {
    ++saveDialogsAsked;
    return nextFile;
}

} // namespace brevant::cli
