// A recording host and an engine on the cone page, for the cone and nesting tests.
#pragma once

#include "caddraw/cad_draw.h"
#include "core/host.h"
#include "engine/layout_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace brevant::testing {

class TitleRecordingHost : public IHost {
public:
    int ShowMessage(const MessageRequest& request) override {
        messages.push_back(request.title);
        return kResultOk;
    }
    std::string AskOpenFile(const FileDialogRequest&) override { return {}; }
    std::string AskSaveFile(const FileDialogRequest&) override { return {}; }
    void OpenWithSystem(const std::string&) override {}
    std::vector<std::string> messages;
};

class ConeFixture : public ::testing::Test {
protected:
    ConeFixture() : e(host) {
        e.Startup();
        e.FormActivate();
        e.Form.LayoutComboBox.itemIndex = 0;
        e.LayoutComboBoxChange();
        host.messages.clear();
    }

    // Types the principal dimensions (empty text for 0) and presses Calculate.
    void Calculate(double T, double B, double H, double A = 0, double L = 0) {
        Type(e.Form.ConeTopDiameter, T);
        Type(e.Form.ConeBottomDiameter, B);
        Type(e.Form.ConeHeight, H);
        Type(e.Form.SideAngle, A);
        Type(e.Form.SideLength, L);
        host.messages.clear();
        e.CalculateMenuClick();
    }
    static void Type(Edit& edit, double v) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.10G", v);
        edit.text = v == 0 ? "" : buf;
        edit.fontColor = kColorBlack; // typed: given at Calculate
    }

    // Elements of a view on a layer (0 = all layers) of a type (0 = all types).
    static std::vector<TElement> Elements(const TCadDraw& view, int layer, int type = 0) {
        std::vector<TElement> out;
        for (const TElement& el : view.Elements())
            if (!el.Deleted && (layer == 0 || el.Layer == layer) && (type == 0 || el.Etype == type))
                out.push_back(el);
        return out;
    }
    static bool AllFinite(const TCadDraw& view) {
        for (const TElement& el : view.Elements())
            for (double c : el.Coords)
                if (!std::isfinite(c)) return false;
        return true;
    }
    bool Shown(const std::string& message) const {
        for (const auto& m : host.messages)
            if (m == message) return true;
        return false;
    }

    TitleRecordingHost host;
    LayoutEngine e;
};

} // namespace brevant::testing
