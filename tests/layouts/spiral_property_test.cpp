// Physical truth of the developed flight over many generated flights, typed in inches and in
// millimetres: the ring's outer arc is one turn of the outer helix, its inner arc one turn of
// the inner helix, and the ring is as wide as the flight.
#include "engine/engine_fixture.h"
#include "engine/layout_registry.h"
#include "spiral_fixture.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <string>

using namespace brevant;
using brevant::testing::EngineTest;

namespace {

class SpiralProperty : public EngineTest {};

std::string Text(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6f", v);
    return buf;
}

} // namespace

TEST_F(SpiralProperty, RingArcsAreTheHelixTurnsAndTheWidthIsTheFlight) {
    ChooseType(kLayoutSpiral);
    std::mt19937 rng(20240611);
    std::uniform_real_distribution<double> od(0.5, 200), idShare(0.02, 0.95), pitchShare(0.01, 6);
    for (const UnitSystem units : {kInches, kMillimeters}) {
        e.Form.UnitsComboBox.itemIndex = units;
        const double factor = units == kMillimeters ? 25.4 : 1;
        for (int i = 0; i < 150; ++i) {
            // Typed in the display unit; compared in inches from the typed text.
            const std::string odText = Text(od(rng) * factor);
            const std::string idText = Text(std::stod(odText) * idShare(rng));
            const std::string pitchText = Text(std::stod(odText) * pitchShare(rng));
            e.Form.SpiralODEdit.text = odText;
            e.Form.SpiralIDEdit.text = idText;
            e.Form.SpiralPitchEdit.text = pitchText;
            e.CalculateMenuClick();
            const double D = std::stod(odText) / factor, d = std::stod(idText) / factor,
                         p = std::stod(pitchText) / factor;
            const std::string flight = odText + " " + idText + " " + pitchText;
            ASSERT_TRUE(host.messages.empty()) << flight;
            const brevant::testing::RingArcs ring = brevant::testing::OutlineArcs(e.CadDraw1);
            const double outer = std::hypot(std::numbers::pi * D, p);
            const double inner = std::hypot(std::numbers::pi * d, p);
            EXPECT_NEAR(brevant::testing::ArcLength(ring.outer) / outer, 1, 1e-5) << flight;
            EXPECT_NEAR(brevant::testing::ArcLength(ring.inner) / inner, 1, 1e-5) << flight;
            EXPECT_NEAR(ring.outer.Coord(4) - ring.inner.Coord(4), (D - d) / 2,
                        1e-5 * ring.outer.Coord(4))
                << flight;
            EXPECT_LT(brevant::testing::Sweep(ring.outer), 360) << flight;
        }
    }
}
