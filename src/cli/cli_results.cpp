// The layout state and drawings of a run, by the names the engine uses.
#include "cli/cli_results.h"

#include "core/input_fields.h"
#include "engine/layout_engine.h"
#include "engine/layout_registry.h"
#include "layouts/layout_kind.h"

#include <map>
#include <string>
#include <type_traits>
#include <variant>

namespace brevant::cli {

using nlohmann::json;

json ToJson(const ResultValue& value) {
    return std::visit(
        [](const auto& v) -> json {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return nullptr;
            } else if constexpr (std::is_same_v<T, ResultList>) {
                json list = json::array();
                for (const ResultValue& item : v)
                    list.push_back(ToJson(item));
                return list;
            } else if constexpr (std::is_same_v<T, ResultGroup>) {
                json group = json::object();
                for (const auto& [name, item] : v)
                    group[name] = ToJson(item);
                return group;
            } else {
                return v;
            }
        },
        value.Value);
}

json Results(const LayoutEngine& e) {
    json j = json::object();
    for (int i = 0; i < e.KindCount(); ++i)
        j.update(ToJson(e.Kind(i).Results()));
    j.update(ToJson(MaterialResults(e.Material)));
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
