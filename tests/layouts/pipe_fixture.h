// An engine on the pipe page, and readers of the branch pattern it draws.
#pragma once

#include "engine/engine_fixture.h"
#include "engine/layout_registry.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace brevant::testing {

class PipeTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        ChooseType(kLayoutPipe);
        host.messages.clear();
    }
    // Types the three pipe inputs as a user would and presses Calculate.
    int Calculate(const std::string& main, const std::string& branch,
                  const std::string& offset = "") {
        e.Form.BigPipeDiaEdit.text = main;
        e.Form.SmallPipeDiaEdit.text = branch;
        e.Form.PipeOffsetEdit.text = offset;
        host.messages.clear();
        e.CalculateMenuClick();
        return e.Drv.LastDriverCode;
    }
    std::vector<TElement> Lines() const {
        std::vector<TElement> out;
        const TElements& list = e.CadDraw1.Elements();
        for (int i = 0; i < list.Count(); ++i)
            if (!list[i].Deleted && list[i].Etype == kElementLine) out.push_back(list[i]);
        return out;
    }
    int ElementCount() const {
        int n = 0;
        const TElements& list = e.CadDraw1.Elements();
        for (int i = 0; i < list.Count(); ++i)
            n += !list[i].Deleted && list[i].Etype != kElementEmpty;
        return n;
    }
    // The cut curve: every end point above the straight edge, left to right, without repeats.
    std::vector<TDPoint> CurvePoints() const {
        std::vector<TDPoint> pts;
        for (const TElement& l : Lines())
            for (int k : {1, 4})
                if (l.Coord(k + 1) > 0) pts.push_back({l.Coord(k), l.Coord(k + 1), 0});
        std::sort(pts.begin(), pts.end(), [](auto& a, auto& b) { return a.x < b.x; });
        pts.erase(std::unique(pts.begin(), pts.end()), pts.end());
        return pts;
    }
    bool AllCoordsFinite() const {
        for (const TElement& l : Lines())
            for (int k = 1; k <= 6; ++k)
                if (!std::isfinite(l.Coord(k))) return false;
        return true;
    }
};

} // namespace brevant::testing
