// One Calculate of a regular cone and of an oblique cone, end to end through the engine.
#include "engine/layout_engine.h"
#include "engine/layout_registry.h"

#include <benchmark/benchmark.h>

namespace {

class SilentHost : public brevant::IHost {
public:
    int ShowMessage(const brevant::MessageRequest&) override { return brevant::kResultOk; }
    std::string AskOpenFile(const brevant::FileDialogRequest&) override { return ""; }
    std::string AskSaveFile(const brevant::FileDialogRequest&) override { return ""; }
    void OpenWithSystem(const std::string&) override {}
};

void Calculate(benchmark::State& state, const char* shift, const char* topAngle) {
    SilentHost host;
    brevant::LayoutEngine e(host);
    e.Startup();
    e.FormActivate();
    e.Form.LayoutComboBox.itemIndex = brevant::kLayoutCone;
    e.LayoutComboBoxChange();
    for (auto _ : state) {
        e.Form.ConeTopDiameter.text = "10";
        e.Form.ConeBottomDiameter.text = "20";
        e.Form.ConeHeight.text = "10";
        e.Form.ConeTopXShift.text = shift;
        e.Form.ConeTopAngle.text = topAngle;
        e.Form.SideAngle.text.clear();
        e.Form.SideLength.text.clear();
        e.Form.SheetWidth.text = "96";
        e.Form.SheetHeight.text = "48";
        e.CalculateMenuClick();
        benchmark::DoNotOptimize(e.CadDraw1.Elements().Count());
    }
}

void BM_CalculateRegularCone(benchmark::State& s) {
    Calculate(s, "", "");
}
void BM_CalculateObliqueCone(benchmark::State& s) {
    Calculate(s, "2", "10");
}

} // namespace

BENCHMARK(BM_CalculateRegularCone);
BENCHMARK(BM_CalculateObliqueCone);
