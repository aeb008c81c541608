// A started engine on the cone page with FormReady set, as after the window's first activation.
#pragma once

#include "engine/layout_engine.h"
#include "engine/layout_registry.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

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

} // namespace brevant::testing
