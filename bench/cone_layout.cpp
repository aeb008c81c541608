// Benchmarks of a regular cone Calculate (solve, develop, draw, nest) and of the sheet plan.
#include "core/host.h"
#include "engine/layout_engine.h"
#include "engine/layout_registry.h"
#include "layouts/cone/cone_kind.h"
#include "nesting/sheet_layout.h"

#include <benchmark/benchmark.h>

namespace {

class SilentHost : public brevant::IHost {
public:
    int ShowMessage(const brevant::MessageRequest&) override { return brevant::kResultOk; }
    std::string AskOpenFile(const brevant::FileDialogRequest&) override { return {}; }
    std::string AskSaveFile(const brevant::FileDialogRequest&) override { return {}; }
    void OpenWithSystem(const std::string&) override {}
};

void CalculateRegularCone(benchmark::State& state, const char* sheet) {
    SilentHost host;
    brevant::LayoutEngine e(host);
    e.Startup();
    e.FormActivate();
    e.Form.LayoutComboBox.itemIndex = 0;
    e.LayoutComboBoxChange();
    e.Form.ConeTopDiameter.text = "10";
    e.Form.ConeBottomDiameter.text = "20";
    e.Form.ConeHeight.text = "10";
    e.Form.SheetWidth.text = sheet;
    e.Form.SheetHeight.text = "96";
    e.Form.ConeBendLinesCheckBox.checked = true;
    e.Form.BendConeSpinBox.SetValue(8);
    for (auto _ : state) {
        e.CalculateMenuClick();
        benchmark::DoNotOptimize(
            static_cast<brevant::ConeKind&>(e.Kind(brevant::kLayoutCone)).State.SheetCount);
    }
}

void PlanLargeSheet(benchmark::State& state) {
    brevant::SheetPiece p;
    p.SmallRadius = 11.18034;
    p.LargeRadius = 22.36068;
    p.FlatAngle = 160.9969;
    p.PatternWidth = 44.10777;
    p.PatternHeight = 20.51494;
    const double u = brevant::UsableHeight(p);
    for (auto _ : state)
        benchmark::DoNotOptimize(brevant::PlanSheet(p, 2000, 4000, u, 0, 0.25, 0.25));
}

} // namespace

BENCHMARK_CAPTURE(CalculateRegularCone, NoSheet, "");
BENCHMARK_CAPTURE(CalculateRegularCone, Sheet48x96, "48");
BENCHMARK(PlanLargeSheet);
