// Calculating the parts of a nest from the layout kinds.
#include "engine/nest_definitions.h"

#include "core/io_error_text.h"
#include "engine/definition_file.h"
#include "engine/layout_engine.h"
#include "engine/nest_files.h"
#include "nesting/pattern_parts.h"

#include <cctype>
#include <filesystem>

namespace brevant {

namespace {
bool AddPattern(const LayoutKind& kind, const std::string& name, int count, UnitSystem units,
                NestJob& job, std::string& why) {
    return AddPatternParts(kind.PatternFor(PatternUse::File), 1 / UnitFactor(units), name, count,
                           job.parts, why);
}

// Why the last calculation stopped, as the status line or the code says.
std::string CalculationFailure(const LayoutEngine& engine) {
    const std::string& status = engine.Form.StatusLabel.text;
    if (!status.empty() && status != "---") return status;
    if (engine.Drv.LastDriverCode == kDriverNotEnough)
        return "it does not give enough dimensions to calculate the part";
    if (engine.Drv.LastDriverCode == kDriverDone) return "the part has no cut outline";
    return "the part could not be calculated from its dimensions";
}
std::string LowerExtension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

// The text as a sentence ending in a full stop.
std::string Sentence(std::string text) {
    if (text.empty() || text.back() != '.') text += '.';
    return text;
}
} // namespace

bool AddCurrentPart(const LayoutEngine& engine, const std::string& name, int count,
                    UnitSystem units, NestJob& job, std::string& error) {
    const LayoutKind* kind = engine.CurrentKind();
    if (!kind || engine.Drv.LastDriverCode != kDriverDone || kind->Pattern().Outlines.empty()) {
        error = "There is no calculated part to nest: calculate the part first.";
        return false;
    }
    std::string why;
    if (AddPattern(*kind, name, count, units, job, why)) return true;
    error = Sentence("Cannot nest the current part: " + why);
    return false;
}

bool AddDefinitionParts(LayoutEngine& engine, const std::string& path, int count, UnitSystem units,
                        NestJob& job, std::string& error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = ReadErrorText(path, std::filesystem::exists(path, ec) ? "not a regular file"
                                                                      : "no such file");
        return false;
    }
    if (!LoadDefinition(engine, path)) {
        error = engine.LastIOError();
        return false;
    }
    const LayoutKind* kind = engine.CurrentKind();
    if (!kind || engine.Drv.LastDriverCode != kDriverDone || kind->Pattern().Outlines.empty()) {
        error = Sentence("Cannot nest \"" + path + "\": " + CalculationFailure(engine));
        return false;
    }
    std::string why;
    const std::string name = std::filesystem::path(path).filename().string();
    if (AddPattern(*kind, name, count, units, job, why)) return true;
    error = Sentence("Cannot nest \"" + path + "\": " + why);
    return false;
}

KeptWindowPart::KeptWindowPart(LayoutEngine& engine)
    : engine_(engine), inputs_(DefinitionFileText(engine, "")), caption_(engine.Form.Caption),
      name_(engine.App.CurrentDefinitionName), path_(engine.App.LastDefinitionPath),
      session_(engine.App.SessionDefinitionPath), status_(engine.Form.StatusLabel.text) {}

KeptWindowPart::~KeptWindowPart() {
    engine_.ClearStatus();
    LoadDefinitionText(engine_, inputs_, path_);
    engine_.Form.Caption = caption_;
    engine_.App.CurrentDefinitionName = name_;
    engine_.App.LastDefinitionPath = path_;
    engine_.App.SessionDefinitionPath = session_;
    engine_.Form.StatusLabel.text = status_;
    engine_.SetIOError("");
}

bool IsDefinitionFileName(const std::string& path) {
    return LowerExtension(path) == ".layout";
}

bool AddPartFile(LayoutEngine& engine, const std::string& path, int count, UnitSystem units,
                 NestJob& job, std::string& error) {
    if (IsDefinitionFileName(path))
        return AddDefinitionParts(engine, path, count, units, job, error);
    if (LowerExtension(path) == ".dxf") return AddDxfParts(path, count, job, error);
    error = "Cannot nest \"" + path +
            "\": a part must be a definition file (.layout) or a DXF file of closed outlines "
            "(.dxf).";
    return false;
}

} // namespace brevant
