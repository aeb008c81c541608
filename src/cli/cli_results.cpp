// The layout state and drawings of a run, by the names the engine uses.
#include "cli/cli_results.h"

#include "core/input_fields.h"
#include "engine/layout_engine.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
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
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool any = false;
    auto grow = [&](double x, double y) {
        if (!any) {
            minX = maxX = x;
            minY = maxY = y;
            any = true;
        }
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
    };
    for (int i = 0; i < list.Count(); ++i) {
        const TElement& el = list[i];
        if (el.Deleted || el.Etype == kElementEmpty) continue;
        ++count;
        ++perLayer[std::to_string(el.Layer)];
        switch (el.Etype) {
        case kElementLine:
            grow(el.Coord(1), el.Coord(2));
            grow(el.Coord(4), el.Coord(5));
            break;
        case kElementArc:
        case kElementCircle: {
            // The end points and every quadrant point inside the counter-clockwise sweep.
            const double cx = el.Coord(1), cy = el.Coord(2), r = el.Coord(4);
            const bool full = el.Etype == kElementCircle || el.Coord(5) == el.Coord(6);
            const double sa = full ? 0 : el.Coord(5);
            double sweep = full ? 360 : std::fmod(el.Coord(6) - sa + 720.0, 360.0);
            if (!full && sweep == 0) sweep = 360;
            auto at = [&](double deg) {
                const double a = deg * std::numbers::pi / 180;
                grow(cx + r * std::cos(a), cy + r * std::sin(a));
            };
            at(sa);
            at(sa + sweep);
            for (int q = 0; q < 8; ++q)
                if (const double d = std::fmod(q * 90.0 - sa + 720.0, 360.0); d <= sweep)
                    at(sa + d);
            break;
        }
        default:
            grow(el.Coord(1), el.Coord(2));
            break;
        }
    }
    json j = {{"count", count}, {"layers", perLayer}};
    j["extents"] =
        any ? json{{"minX", minX}, {"minY", minY}, {"maxX", maxX}, {"maxY", maxY}} : json(nullptr);
    return j;
}

} // namespace brevant::cli
