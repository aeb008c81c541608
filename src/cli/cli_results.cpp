// The layout state and drawings of a run, by the names the engine uses.
#include "cli/cli_results.h"

#include "core/input_fields.h"
#include "engine/layout_engine.h"

#include <map>
#include <string>

namespace brevant::cli {

using nlohmann::json;

namespace {

// The definition's fields by their file keys, and the solver's record of what was given. The
// bends spin box's count and the settings' flags are not part of it: the inputs show them.
json Definition(const LayoutDefinition& d) {
    json j = json::object();
    for (const InputField& f : InputFields())
        if (f.page != kSettingsDialog && !Holds(f, &LayoutDefinition::Bends))
            std::visit([&](auto member) { j[f.key] = d.*member; }, f.member);
    j["IsCylinder"] = d.IsCylinder;
    j["TopDiameterGiven"] = d.TopDiameterGiven;
    j["BottomDiameterGiven"] = d.BottomDiameterGiven;
    j["ConeHeightGiven"] = d.ConeHeightGiven;
    j["SideAngleGiven"] = d.SideAngleGiven;
    j["SideLengthGiven"] = d.SideLengthGiven;
    return j;
}

} // namespace

json Results(const LayoutEngine& e) {
    json j = Definition(e.Def);
    const ConeState& c = e.Cone;
    j["IsObliqueCone"] = c.IsObliqueCone;
    j["FlatLargeRadius"] = c.FlatLargeRadius;
    j["FlatSmallRadius"] = c.FlatSmallRadius;
    j["FullFlatAngle"] = c.FullFlatAngle;
    j["FlatAngle"] = c.FlatAngle;
    j["PatternWidth"] = c.PatternWidth;
    j["PatternHeight"] = c.PatternHeight;
    j["InnerChord"] = c.InnerChord;
    j["OuterChord"] = c.OuterChord;
    j["OverlapPatternWidth"] = c.OverlapPatternWidth;
    j["OverlapPatternHeight"] = c.OverlapPatternHeight;
    j["OverlapInnerChord"] = c.OverlapInnerChord;
    j["OverlapOuterChord"] = c.OverlapOuterChord;
    j["SideCutTopAngle"] = c.SideCutTopAngle;
    j["SideCutBottomAngle"] = c.SideCutBottomAngle;
    j["SheetCount"] = c.SheetCount;
    j["SheetCountTurned"] = c.SheetCountTurned;
    AddPipeResults(j, e.Pipe);
    j.update(SpiralResultsJson(e));
    j["SquareToRound"] = SquareToRoundResults(e);
    return j;
}

json Drawing(const TCadDraw& view) {
    const TElements& list = view.Elements();
    int count = 0;
    std::map<std::string, int> perLayer;
    for (int i = 0; i < list.Count(); ++i) {
        const TElement& el = list[i];
        if (el.Deleted || el.Etype == kElementEmpty) continue;
        ++count;
        ++perLayer[std::to_string(el.Layer)];
    }
    // The extents as the drawing computes them for its zoom, over every layer.
    TCadDrawing drawing;
    drawing.SetElements(list);
    drawing.SetExtents();
    const TSettings& s = drawing.CadSettings();
    json j = {{"count", count}, {"layers", perLayer}};
    j["extents"] =
        s.min_x <= s.max_x && s.min_y <= s.max_y
            ? json{{"minX", s.min_x}, {"minY", s.min_y}, {"maxX", s.max_x}, {"maxY", s.max_y}}
            : json(nullptr);
    return j;
}

} // namespace brevant::cli
