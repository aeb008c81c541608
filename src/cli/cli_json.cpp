// Builds the JSON description of the window: inputs, labels, visibility, results, drawings.
#include "cli/cli_json.h"

#include "cli/cli_host.h"
#include "cli/cli_results.h"
#include "core/number_format.h"
#include "core/units.h"
#include "engine/layout_engine.h"

namespace brevant::cli {

using nlohmann::json;

namespace {

json Inputs(LayoutEngine& e) {
    json j = json::object();
    for (const auto& [name, edit] : e.Form.Edits())
        j[name] = edit->text;
    for (const auto& [name, spin] : e.Form.SpinBoxes())
        j[name] = FormatValue(spin->value, e.App.LocaleDecimalSeparator);
    j["NumberOfBendsLabel"] = e.Form.NumberOfBendsLabel.text;
    j["HalfPatternCheckBox"] = e.Form.HalfPatternCheckBox.checked;
    return j;
}

json Labels(LayoutEngine& e) {
    json j = json::object();
    for (const char* name :
         {"Label10", "LargeRadius", "SmallRadius", "WidthX", "HeightY", "AngleA", "InnerCord",
          "OuterCord", "BoundingBoxLabel", "BendAngleLabel", "SheetLabel", "WeightLabel"})
        j[name] = e.Form.FindLabel(name)->text;
    return j;
}

// The result panels, and the captions and value labels that are visible.
json Visible(LayoutEngine& e) {
    json j = json::array();
    for (const auto& [name, panel] : e.Form.Panels())
        if (panel->visible) j.push_back(name);
    for (const char* name : {"Label10",        "LargeRadiusCaption",
                             "LargeRadius",    "SmallRadiusCaption",
                             "SmallRadius",    "WidthXCaption",
                             "WidthX",         "HeightYCaption",
                             "HeightY",        "AngleACaption",
                             "AngleA",         "InnerCordCaption",
                             "InnerCord",      "OuterCordCaption",
                             "OuterCord",      "SegmentAngleCaption",
                             "OverlapCaption", "BendAngleLabel",
                             "Label32",        "BoundingBoxLabel",
                             "SheetLabel",     "Label53",
                             "WeightLabel"})
        if (e.Form.FindLabel(name)->visible) j.push_back(name);
    for (const char* name : {"SegmentAngleEdit", "Overlap"})
        if (e.Form.FindEdit(name)->visible) j.push_back(name);
    if (e.Form.SeamSpinBox.visible) j.push_back("SeamSpinBox");
    return j;
}

json Messages(const std::vector<RecordedMessage>& messages) {
    json j = json::array();
    for (const auto& m : messages)
        j.push_back({{"kind", m.kind}, {"title", m.title}, {"body", m.body}});
    return j;
}

json Outputs(const std::vector<OutputResult>& outputs) {
    json j = json::array();
    for (const auto& o : outputs) {
        json entry = {{"command", o.command}, {"file", o.file}, {"written", o.written}};
        if (!o.messages.empty()) entry["messages"] = Messages(o.messages);
        j.push_back(entry);
    }
    return j;
}

} // namespace

json DescribeWindow(LayoutEngine& e, const CliHost& host,
                    const std::vector<OutputResult>& outputs) {
    const LayoutKind* kind = e.CurrentKind();
    json j;
    j["type"] = kind ? json(std::string(kind->Key())) : json(nullptr);
    j["units"] = UnitShortName(e.Units());
    j["code"] = e.Drv.LastDriverCode;
    j["status"] = e.Form.StatusLabel.text;
    j["caption"] = e.Form.Caption;
    j["messages"] = Messages(host.messages);
    j["inputs"] = Inputs(e);
    j["labels"] = Labels(e);
    j["visible"] = Visible(e);
    j["results"] = Results(e);
    j["drawings"] = {{"flat", Drawing(e.CadDraw1)}, {"sheet", Drawing(e.CadDraw2)}};
    j["outputs"] = Outputs(outputs);
    return j;
}

} // namespace brevant::cli
