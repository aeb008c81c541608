// A started engine on the cone page with FormReady set, as after the window's first activation.
#pragma once

#include "engine/layout_engine.h"
#include "engine/layout_registry.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

namespace brevant::testing {

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        e.Startup();
        e.FormActivate();
        ChooseType(kLayoutCone);
        host.messages.clear();
    }
    void ChooseType(int type) {
        e.Form.LayoutComboBox.itemIndex = type;
        e.LayoutComboBoxChange();
    }
    RecordingHost host;
    LayoutEngine e{host};
};

// The engine with its data folder in a fresh temporary folder of its own (removed afterwards),
// and a cone typed and calculated on a 96 x 48 sheet.
class EngineInTempFolder : public EngineTest {
protected:
    explicit EngineInTempFolder(const std::string& name)
        : dir(std::filesystem::temp_directory_path() /
              ("brevant-" + name + "-" + std::to_string(::getpid()))) {}
    void SetUp() override {
        EngineTest::SetUp();
        std::filesystem::create_directories(dir);
        e.App.UserDataFolder = dir.string() + "/";
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void TypeCone(const char* t, const char* b, const char* h) {
        e.Form.ConeTopDiameter.text = t;
        e.Form.ConeBottomDiameter.text = b;
        e.Form.ConeHeight.text = h;
        e.Form.SheetWidth.text = "96";
        e.Form.SheetHeight.text = "48";
        e.CalculateMenuClick();
    }
    std::filesystem::path dir;
};

} // namespace brevant::testing
