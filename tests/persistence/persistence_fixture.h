// Test helpers for the persistence tests: a recording host and a temporary folder per test.
#pragma once

#include "core/host.h"
#include "engine/layout_engine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace brevant::testing {

// Records every message and answers file dialogs from a script.
class RecordingHost : public IHost {
public:
    std::vector<MessageRequest> messages;
    std::vector<FileDialogRequest> dialogs;
    std::string openAnswer;
    std::string saveAnswer;
    int answer = kResultOk; // the button pressed in every message box

    int ShowMessage(const MessageRequest& request) override {
        messages.push_back(request);
        return answer;
    }
    std::string AskOpenFile(const FileDialogRequest& request) override {
        dialogs.push_back(request);
        return openAnswer;
    }
    std::string AskSaveFile(const FileDialogRequest& request) override {
        dialogs.push_back(request);
        return saveAnswer;
    }
    void OpenWithSystem(const std::string&) override {}
};

// A fresh temporary folder (the user data folder of the engine), removed afterwards.
class PersistenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = std::filesystem::temp_directory_path() /
               ("brevant-persist-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(dir_);
        folder = dir_.string() + "/";
    }
    void TearDown() override {
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        for (auto it = fs::recursive_directory_iterator(dir_, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }

    // An engine as after start-up: inputs cleared, the user data folder set.
    std::unique_ptr<LayoutEngine> NewEngine(RecordingHost& host, char separator = '.') {
        auto e = std::make_unique<LayoutEngine>(host);
        e->App.UserDataFolder = folder;
        e->App.LocaleDecimalSeparator = separator;
        e->Startup();
        return e;
    }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    std::string folder; // with a trailing separator

private:
    std::filesystem::path dir_;
};

} // namespace brevant::testing
