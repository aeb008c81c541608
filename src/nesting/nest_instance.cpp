// The JSON instance reader: every field checked before it is used, every count bounded.
#include "nesting/nest_instance.h"
#include "nesting/json_text.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace brevant {

namespace {
using nlohmann::json;

bool Coordinate(const json& v, double& out) {
    if (!v.is_number()) return false;
    out = v.get<double>();
    return std::isfinite(out) && std::fabs(out) <= kMostInstanceCoordinate;
}

std::string ReadPolygon(const json& shape, NestLoop& loop) {
    if (!shape.is_object() || !shape.contains("Type") || shape["Type"] != "SimplePolygon")
        return "\"Shape\" must be an object whose \"Type\" is \"SimplePolygon\".";
    const auto data = shape.find("Data");
    if (data == shape.end() || !data->is_array() || data->size() < 3)
        return "\"Data\" must be a list of at least 3 points [x, y].";
    if (data->size() > kMostPolygonPoints)
        return "\"Data\" holds more than " + std::to_string(kMostPolygonPoints) + " points.";
    for (const json& p : *data) {
        NestVertex v;
        if (!p.is_array() || p.size() != 2 || !Coordinate(p[0], v.x) || !Coordinate(p[1], v.y))
            return "each point of \"Data\" must be [x, y], two numbers of at most 1e9.";
        loop.push_back(v);
    }
    return {};
}

std::string ReadOrientations(const json& item, std::vector<double>& rotations) {
    const auto it = item.find("AllowedOrientations");
    if (it == item.end()) {
        rotations = {0};
        return {};
    }
    if (!it->is_array() || it->empty() || it->size() > 360)
        return "\"AllowedOrientations\" must be a list of 1 to 360 angles.";
    for (const json& a : *it) {
        double angle = 0;
        if (!Coordinate(a, angle)) return "each of \"AllowedOrientations\" must be a number.";
        rotations.push_back(angle);
    }
    return {};
}

std::string ReadItem(const json& item, NestPart& part) {
    if (!item.is_object()) return "it must be an object.";
    const auto demand = item.find("Demand");
    if (demand == item.end() || !demand->is_number_integer() || *demand < 0 ||
        *demand > kMostItemDemand)
        return "\"Demand\" must be a whole number from 0 to " + std::to_string(kMostItemDemand) +
               ".";
    part.quantity = demand->get<int>();
    if (std::string why = ReadOrientations(item, part.rotations); !why.empty()) return why;
    const auto shape = item.find("Shape");
    if (shape == item.end()) return "\"Shape\" is missing.";
    return ReadPolygon(*shape, part.shape.outer);
}

std::string ReadStrip(const json& root, double& height) {
    const auto strip = root.find("Strip");
    if (strip == root.end() || !strip->is_object()) return "\"Strip\" is missing.";
    const auto h = strip->find("Height");
    if (h == strip->end() || !Coordinate(*h, height) || !(height > 0))
        return "\"Strip\" needs a \"Height\" greater than 0.";
    return {};
}

std::string ReadRoot(const json& root, NestInstance& instance) {
    if (!root.is_object()) return "The file holds no JSON object.";
    if (const auto n = root.find("Name"); n != root.end() && n->is_string())
        instance.name = n->get<std::string>();
    const auto items = root.find("Items");
    if (items == root.end() || !items->is_array() || items->empty())
        return "\"Items\" must be a list of at least one item.";
    if (items->size() > std::size_t(kMostInstanceItems))
        return "\"Items\" holds more than " + std::to_string(kMostInstanceItems) + " items.";
    NestJob& job = instance.job;
    job.mode = NestMode::kStrip;
    if (std::string why = ReadStrip(root, job.sheetHeight); !why.empty()) return why;
    for (std::size_t i = 0; i < items->size(); ++i) {
        NestPart part;
        part.name = "item " + std::to_string(i);
        if (std::string why = ReadItem((*items)[i], part); !why.empty())
            return "Item " + std::to_string(i) + ": " + why;
        Orient(part.shape);
        job.parts.push_back(std::move(part));
    }
    return {};
}
} // namespace

bool ReadNestInstance(std::string_view text, NestInstance& instance, std::string& error) {
    instance = NestInstance{};
    json root;
    if (!ParseJsonText(text, root, error)) return false;
    error = ReadRoot(root, instance);
    return error.empty();
}

} // namespace brevant
