// Benchmarks of the oblique cone development (rings, generator steps, unrolling) at the screen,
// CAD-save and fine resolutions, and of a whole oblique Calculate with bend lines.
#include "layouts/cone/oblique_cone.h"
#include "core/host.h"
#include "engine/layout_engine.h"
#include "engine/layout_registry.h"
#include "geometry/end_planes.h"
#include "layouts/cone/cone_kind.h"

#include <benchmark/benchmark.h>

namespace {

using namespace brevant;

class SilentHost : public IHost {
public:
    int ShowMessage(const MessageRequest&) override { return kResultOk; }
    std::string AskOpenFile(const FileDialogRequest&) override { return {}; }
    std::string AskSaveFile(const FileDialogRequest&) override { return {}; }
    void OpenWithSystem(const std::string&) override {}
};

void BM_UnrollRingPair(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    TConeShape c;
    c.T = 10;
    c.B = 20;
    c.H = 10;
    c.S = 3;
    c.TopAngle = 12;
    c.BottomAngle = -8;
    for (auto _ : state) {
        const TRingPair r = ConeRings(c, n, false);
        const TDPoint apex = ConeApexPoint(c.T, c.B, c.H, c.S);
        const auto steps = GeneratorSteps(r.Top, r.Bottom, apex);
        benchmark::DoNotOptimize(UnrollRing(r.Top, apex, steps));
        benchmark::DoNotOptimize(UnrollRing(r.Bottom, apex, steps));
    }
}
BENCHMARK(BM_UnrollRingPair)->Arg(40)->Arg(150)->Arg(360);

void BM_ObliqueCalculateWithBends(benchmark::State& state) {
    SilentHost host;
    LayoutEngine e(host);
    e.Startup();
    e.FormActivate();
    e.Form.LayoutComboBox.itemIndex = 0;
    e.LayoutComboBoxChange();
    e.Form.ConeTopDiameter.text = "10";
    e.Form.ConeBottomDiameter.text = "20";
    e.Form.ConeHeight.text = "10";
    e.Form.ConeTopXShift.text = "3";
    e.Form.ConeTopAngle.text = "12";
    e.Form.ConeBendLinesCheckBox.checked = true;
    e.Form.BendConeSpinBox.SetValue(8);
    for (auto _ : state) {
        e.CalculateMenuClick();
        benchmark::DoNotOptimize(static_cast<ConeKind&>(e.Kind(kLayoutCone)).State.FlatAngle);
    }
}
BENCHMARK(BM_ObliqueCalculateWithBends);

} // namespace
