// Fuzzes loading a definition file (and writing one over it) from arbitrary bytes: no crash,
// no hang, an unchanged INI text comes back byte for byte, and every edit text that was loaded
// is loaded again from the file written over the hostile one.
#include "engine/definition_file.h"
#include "engine/layout_engine.h"
#include "engine/layout_registry.h"
#include "fuzz_host.h"
#include "persistence/ini_document.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace brevant;

namespace {
constexpr const char* kEditKeys[] = {
    "SegmentAngle",       "ConeHeight",        "TopDiameter",     "TopAngle",
    "BottomDiameter",     "BottomAngle",       "TopShift",        "TopEllipseWidth",
    "BottomEllipseWidth", "SideLength",        "SideAngle",       "SheetWidth",
    "SheetHeight",        "XClearance",        "YClearance",      "Overlap",
    "TopCutWidth",        "BottomCutWidth",    "TopArcLength",    "BottomArcLength",
    "SquareHeight",       "SquareTopDiameter", "SquareTopAngle",  "SquareWidth",
    "SquareLength",       "SquareTopXShift",   "SquareTopYShift", "SpiralOD",
    "SpiralID",           "SpiralPitch",       "PipeBigOD",       "PipeSmallOD",
    "PipeOffset"};

void Check(bool ok) {
    if (!ok) std::abort();
}

// A fresh engine after start-up, showing the cone, not yet activated: a load does not
// recalculate, so the edits hold exactly what was loaded.
void Prepare(LayoutEngine& e) {
    e.App.UserDataFolder = "/nonexistent-brevant-fuzz/";
    e.Startup();
    e.SetLayoutTypeFromStore(kLayoutCone);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(IniDocument::Parse(bytes).Serialize() == bytes);

    fuzz::NullHost host;
    LayoutEngine first(host);
    Prepare(first);
    LoadDefinitionText(first, bytes, "/nonexistent-brevant-fuzz/fuzz.layout");
    const std::string written = DefinitionFileText(first, bytes);

    LayoutEngine second(host);
    Prepare(second);
    LoadDefinitionText(second, written, "/nonexistent-brevant-fuzz/fuzz.layout");
    for (const char* key : kEditKeys) {
        const char* control = first.FindField(key)->Field->control;
        const std::string& a = first.Form.FindEdit(control)->text;
        // The writer turns line breaks inside a value into blanks.
        if (a.find('\r') == std::string::npos) Check(a == second.Form.FindEdit(control)->text);
    }
    return 0;
}
