// An engine on the square-to-round page, ready for the inputs a fabricator would type.
#pragma once

#include "core/messages.h"
#include "engine/engine_fixture.h"
#include "engine/layout_registry.h"
#include "layouts/square/square_pattern.h"

#include <string>
#include <vector>

namespace brevant::testing {

class SquareTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        ChooseType(kLayoutSquare);
        host.messages.clear();
    }
    // Types the values (empty text leaves a field empty) and presses Calculate.
    int Calculate(const std::string& D, const std::string& W, const std::string& L,
                  const std::string& H, const std::string& xs = "", const std::string& ys = "",
                  const std::string& a = "") {
        auto& f = e.Form;
        f.SquareTopDiameter.text = D, f.SquareWidth.text = W, f.SquareLength.text = L;
        f.SquareHeight.text = H, f.SquareTopXShift.text = xs, f.SquareTopYShift.text = ys;
        f.SquareTopAngle.text = a;
        e.CalculateMenuClick();
        return e.Drv.LastDriverCode;
    }
    std::vector<TElement> Lines(int layer) const {
        std::vector<TElement> out;
        const TElements& list = e.CadDraw1.Elements();
        for (int i = 0; i < list.Count(); ++i)
            if (!list[i].Deleted && list[i].Etype == kElementLine && list[i].Layer == layer)
                out.push_back(list[i]);
        return out;
    }
};

} // namespace brevant::testing
