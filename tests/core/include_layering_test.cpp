// The engine's folders depend on one another in one direction only: a file never includes a
// header of its own layer's neighbours above it or of any higher layer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The rank of each folder of src/; folders of one rank do not include each other.
const std::map<std::string, int>& Ranks() {
    static const std::map<std::string, int> ranks = {
        {"core", 0},   {"geometry", 1}, {"caddraw", 2},   {"layouts", 3},
        {"solid", 4},  {"nesting", 4},  {"documents", 5}, {"persistence", 5},
        {"engine", 6}, {"app", 7},      {"cli", 7}};
    return ranks;
}

struct Violation {
    std::string file;
    std::string include;
};

std::vector<Violation> UpwardIncludes(const fs::path& src) {
    static const std::regex includeLine(R"(^\s*#\s*include\s*"([a-z_]+)/[^"]+")");
    std::vector<Violation> found;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file()) continue;
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp") continue;
        const std::string from = fs::relative(entry.path(), src).begin()->string();
        const auto fromRank = Ranks().find(from);
        if (fromRank == Ranks().end()) continue;
        std::ifstream in(entry.path());
        std::string line;
        std::smatch m;
        while (std::getline(in, line)) {
            if (!std::regex_search(line, m, includeLine)) continue;
            const std::string to = m[1];
            const auto toRank = Ranks().find(to);
            if (toRank == Ranks().end() || to == from) continue;
            const bool upward = toRank->second > fromRank->second;
            const bool sideways = toRank->second == fromRank->second;
            if (upward || sideways) found.push_back({entry.path().string(), line});
        }
    }
    return found;
}

TEST(IncludeLayering, NoFolderIncludesAHigherOne) {
    const fs::path src = fs::path(BREVANT_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::is_directory(src));
    for (const Violation& v : UpwardIncludes(src))
        ADD_FAILURE() << v.file << ": " << v.include;
}

TEST(IncludeLayering, EveryFolderOfTheSourceTreeHasARank) {
    const fs::path src = fs::path(BREVANT_SOURCE_DIR) / "src";
    for (const auto& entry : fs::directory_iterator(src)) {
        if (!entry.is_directory()) continue;
        EXPECT_TRUE(Ranks().count(entry.path().filename().string()))
            << entry.path().filename() << " needs a place in the layering";
    }
}

} // namespace
