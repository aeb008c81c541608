// A host for tests: records messages and file dialogs and answers them from scripts.
#pragma once

#include "core/host.h"

#include <deque>
#include <string>
#include <vector>

namespace brevant::testing {

class RecordingHost : public IHost {
public:
    int ShowMessage(const MessageRequest& r) override {
        messages.push_back(r);
        if (!answers.empty()) {
            const int a = answers.front();
            answers.pop_front();
            return a;
        }
        return kResultOk;
    }
    std::string AskOpenFile(const FileDialogRequest& r) override {
        openRequests.push_back(r);
        return Next();
    }
    std::string AskSaveFile(const FileDialogRequest& r) override {
        saveRequests.push_back(r);
        return Next();
    }
    void OpenWithSystem(const std::string& path) override { opened.push_back(path); }

    std::vector<std::string> Titles() const {
        std::vector<std::string> t;
        for (const auto& m : messages)
            t.push_back(m.title);
        return t;
    }

    std::vector<MessageRequest> messages;
    std::deque<int> answers;       // results of the next message boxes
    std::deque<std::string> files; // answers of the next file dialogs ("" = cancel)
    std::vector<FileDialogRequest> openRequests, saveRequests;
    std::vector<std::string> opened;

private:
    std::string Next() {
        if (files.empty()) return "";
        std::string f = files.front();
        files.pop_front();
        return f;
    }
};

} // namespace brevant::testing
