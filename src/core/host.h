// What the engine asks of its host (desktop window, command line or test): message boxes,
// file dialogs and opening a file with the system. Each host implements this interface.
#pragma once

#include <string>

namespace brevant {

// Results of the message form, as the platform's modal-result numbers.
enum MessageResult : int {
    kResultNone = 0,
    kResultOk = 1,
    kResultCancel = 2,
    kResultYes = 6,
    kResultNo = 7,
    kResultSave = 9,
    kResultDiscard = 10
};

// Kinds of the message form: the button set, icon and focus of each.
enum MessageKind : int {
    kMessageOk = 0,
    kMessageYesNo = 1,
    kMessageYesNoCancel = 2,
    kMessageStopYesNo = 3,
    kMessageStopOkCancel = 4,
    kMessageOkCancel = 5,
    kMessageSaveCancel = 6,
    kMessageSaveDiscardCancel = 7
};

// The style of the message form's body: a read-only memo or a plain label.
enum class MessageStyle { Memo, Label };

struct MessageRequest {
    std::string title;
    std::string body;
    int kind = kMessageOk;
    MessageStyle style = MessageStyle::Memo;
    std::string caption; // window caption; empty means the application's title
};

// A file dialog as the engine has prepared it: the filter is a list of pairs of a shown name
// and a pattern separated by "|" ("CAD (*.dxf)|*.dxf|All Files (*.*)|*.*").
struct FileDialogRequest {
    std::string title;
    std::string filter;
    std::string defaultExtension; // without the "."
    std::string initialFolder;
    std::string fileName; // proposed file name (save dialogs)
    bool overwritePrompt = false;
};

class IHost {
public:
    virtual ~IHost() = default;
    // Shows a modal message and returns the result of the button pressed.
    virtual int ShowMessage(const MessageRequest& request) = 0;
    // Return the chosen path, or an empty text when the user cancelled.
    virtual std::string AskOpenFile(const FileDialogRequest& request) = 0;
    virtual std::string AskSaveFile(const FileDialogRequest& request) = 0;
    // Opens a file with the program the system associates with it; the result is not examined.
    virtual void OpenWithSystem(const std::string& path) = 0;
};

} // namespace brevant
