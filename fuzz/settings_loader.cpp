// Fuzzes loading the settings file from arbitrary bytes: no crash, no hang, and the settings
// written over the hostile file read back into the same controls.
#include "engine/layout_engine.h"
#include "fuzz_host.h"
#include "engine/settings_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace brevant;

namespace {
void Check(bool ok) {
    if (!ok) std::abort();
}

void Prepare(LayoutEngine& e) {
    e.App.UserDataFolder = "/nonexistent-brevant-fuzz/";
    e.Startup();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::NullHost host;
    LayoutEngine first(host);
    Prepare(first);
    LoadSettingsText(first, bytes);
    const std::string written = SettingsFileText(first, bytes);

    LayoutEngine second(host);
    Prepare(second);
    LoadSettingsText(second, written);
    const FormModel& a = first.Form;
    const FormModel& b = second.Form;
    Check(a.UnitsComboBox.itemIndex == b.UnitsComboBox.itemIndex);
    Check(a.PDFCombo.itemIndex == b.PDFCombo.itemIndex);
    Check(a.LayoutComboBox.itemIndex == b.LayoutComboBox.itemIndex);
    Check(a.LineThin.checked == b.LineThin.checked && a.LineThick.checked == b.LineThick.checked);
    Check(a.LandscapeRadio.checked == b.LandscapeRadio.checked);
    Check(a.SideCutsCheckBox.checked == b.SideCutsCheckBox.checked);
    Check(a.ThicknessCheckBox.checked == b.ThicknessCheckBox.checked);
    Check(a.SeamLineCheckBox.checked == b.SeamLineCheckBox.checked);
    Check(a.CheckedRadioTag("DimensionsFrom", -1) == b.CheckedRadioTag("DimensionsFrom", -1));
    return 0;
}
