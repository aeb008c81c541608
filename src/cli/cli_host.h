// The command line's host: records every message the program shows and answers it with the
// button that has the focus; save dialogs answer with the file named on the command line.
#pragma once

#include "core/host.h"

#include <string>
#include <vector>

namespace brevant::cli {

struct RecordedMessage {
    int kind = 0;
    std::string title;
    std::string body;
};

class CliHost : public IHost {
public:
    int ShowMessage(const MessageRequest& request) override;
    std::string AskOpenFile(const FileDialogRequest& request) override;
    std::string AskSaveFile(const FileDialogRequest& request) override;
    void OpenWithSystem(const std::string&) override {}

    // The answer of the next file dialogs (empty: cancelled).
    std::string nextFile;
    int saveDialogsAsked = 0;
    std::vector<RecordedMessage> messages;
};

// The result of the button that has the focus in a message of the given kind.
int DefaultButtonResult(int kind);

} // namespace brevant::cli
