// The R2000 file around the cutting-machine outlines holds together as its readers need: every
// object has a handle of its own, every owner or entry it names exists, the handle seed lies
// above them all, the entities belong to the model space, and each table counts its entries.
#include "documents/cam_dxf_writer.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace brevant {
namespace {

struct DxfGroup {
    int code;
    std::string value;
};

std::vector<DxfGroup> Groups(const std::string& text) {
    std::vector<DxfGroup> groups;
    std::istringstream in(text);
    std::string code, value;
    while (std::getline(in, code) && std::getline(in, value)) {
        if (!code.empty() && code.back() == '\r') code.pop_back();
        if (!value.empty() && value.back() == '\r') value.pop_back();
        groups.push_back({std::stoi(code), value});
    }
    return groups;
}

ShopOutlines SomeOutlines() {
    ShopOutlines o;
    o.cut.push_back({{{0, 0, 0}, {4, 0, 0.4142}, {4, 3, 0}, {0, 3, 0}}, true});
    o.cut.push_back({{{10, 0, 0}, {12, 0, 1}}, true}); // a circle of two half arcs
    o.bend.push_back({{{1, 0, 0}, {1, 3, 0}}, false});
    o.mark.push_back({{{2, 0, 0}, {2, 1, 0}}, false});
    o.mark.push_back({{{3, 0, 0}, {3, 1, 0}}, false});
    return o;
}

TEST(CamDxfFile, HandlesOwnersAndTablesHoldTogether) {
    std::ostringstream out;
    WriteCamDxf(out, SomeOutlines(), {kMillimeters});
    const std::vector<DxfGroup> g = Groups(out.str());
    ASSERT_GT(g.size(), 10u);
    std::set<std::string> handles;
    std::vector<std::string> references;
    std::string seed, modelRecord, entity, table;
    std::map<std::string, int> declared, found; // entries per table
    bool inEntities = false;
    for (std::size_t i = 0; i < g.size(); ++i) {
        const auto& [code, value] = g[i];
        if (code == 0) entity = value;
        if (code == 2 && i > 0 && g[i - 1].value == "SECTION") inEntities = value == "ENTITIES";
        if (code == 2 && entity == "TABLE") {
            table = value;
            found.try_emplace(table, 0);
        }
        if (code == 70 && entity == "TABLE") declared[table] = std::stoi(value);
        if (code == 0 && value == table) ++found[table];
        if (code == 5 && g[i - 1].value == "$HANDSEED") {
            seed = value;
        } else if (code == 5 || code == 105) {
            EXPECT_TRUE(handles.insert(value).second) << "handle " << value << " twice";
        }
        if (code == 330 || code == 340 || code == 350) references.push_back(value);
        if (code == 2 && value == "*Model_Space" && entity == "BLOCK_RECORD")
            modelRecord = g[i - 4].value; // 5, 330, 100, 100, 2
        if (inEntities && code == 330) {
            EXPECT_EQ(value, modelRecord) << "owner of an entity";
        }
    }
    for (const std::string& r : references)
        EXPECT_TRUE(r == "0" || handles.count(r)) << "reference to a missing object " << r;
    ASSERT_FALSE(seed.empty());
    for (const std::string& h : handles)
        EXPECT_GT(std::stoul(seed, nullptr, 16), std::stoul(h, nullptr, 16)) << h;
    EXPECT_EQ(declared, found);
    EXPECT_EQ(declared["LAYER"], 4);
    EXPECT_EQ(declared["BLOCK_RECORD"], 2);
    EXPECT_EQ(g.front().value, "SECTION");
    EXPECT_EQ(g.back().value, "EOF");
}

} // namespace
} // namespace brevant
