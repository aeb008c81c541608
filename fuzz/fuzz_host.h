// A host for the fuzz targets: every message answered with OK, every file dialog cancelled.
#pragma once

#include "core/host.h"

namespace brevant::fuzz {

class NullHost : public IHost {
public:
    int ShowMessage(const MessageRequest&) override { return kResultOk; }
    std::string AskOpenFile(const FileDialogRequest&) override { return {}; }
    std::string AskSaveFile(const FileDialogRequest&) override { return {}; }
    void OpenWithSystem(const std::string&) override {}
};

} // namespace brevant::fuzz
