// A layout kind's headers are its own: only the files of its folder (src/layouts/<kind>/) and
// the registry include them, so that adding or changing a kind touches nothing else of the
// program. (Tests, benchmarks and fuzz targets may include a kind's headers to exercise it.)
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The registry: the one place outside the kinds' folders that names them.
const std::set<std::string> kRegistry = {"engine/layout_registry.cpp", "engine/layout_registry.h"};

// The folders of src/layouts/ are the kinds.
std::set<std::string> Kinds(const fs::path& src) {
    std::set<std::string> kinds;
    for (const auto& entry : fs::directory_iterator(src / "layouts"))
        if (entry.is_directory()) kinds.insert(entry.path().filename().string());
    return kinds;
}

// Lines ("file: line") of files under src that include a kind's header from outside that kind's
// folder.
std::vector<std::string> ForeignKindIncludes(const fs::path& src) {
    static const std::regex includeLine(R"re(^\s*#\s*include\s*[<"]layouts/([a-z_0-9]+)/)re");
    const std::set<std::string> kinds = Kinds(src);
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file()) continue;
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp") continue;
        const std::string file = fs::relative(entry.path(), src).generic_string();
        if (kRegistry.count(file)) continue;
        std::ifstream in(entry.path());
        std::string line;
        std::smatch m;
        while (std::getline(in, line)) {
            if (!std::regex_search(line, m, includeLine) || !kinds.count(m[1])) continue;
            if (file.rfind("layouts/" + m[1].str() + "/", 0) != 0)
                found.push_back(file + ": " + line);
        }
    }
    return found;
}

TEST(KindHeaders, OnlyTheKindItselfAndTheRegistryIncludeThem) {
    const fs::path src = fs::path(BREVANT_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::is_directory(src / "layouts"));
    for (const char* kind : {"cone", "square", "spiral", "pipe"})
        EXPECT_TRUE(Kinds(src).count(kind)) << kind;
    for (const std::string& line : ForeignKindIncludes(src))
        ADD_FAILURE() << line;
}

// The scan on a small tree: what it must find and what it must let pass.
TEST(KindHeaders, ScanFindsEveryForeignInclude) {
    const fs::path src =
        fs::temp_directory_path() / ("brevant-kind-headers-" + std::to_string(::getpid()));
    fs::remove_all(src);
    const std::pair<const char*, const char*> files[] = {
        {"layouts/cone/cone_kind.cpp", "#include \"layouts/cone/cone_kind.h\"\n"},
        {"layouts/square/square_kind.cpp", "#include \"layouts/cone/thickness.h\"\n"},
        {"layouts/layout_kind.cpp", "#include \"layouts/layout_kind.h\"\n"},
        {"engine/layout_registry.cpp", "#include \"layouts/square/square_kind.h\"\n"},
        {"engine/window.cpp", "  #  include <layouts/cone/cone_state.h>\n"},
        {"documents/data_sheet.cpp", "// layouts/cone/ is not included here\n"},
        {"cli/cli_json.h", "#include \"layouts/layout_kind.h\"\n"}};
    for (auto [name, text] : files) {
        fs::create_directories((src / name).parent_path());
        std::ofstream(src / name) << text;
    }
    const std::vector<std::string> found = ForeignKindIncludes(src);
    fs::remove_all(src);
    std::set<std::string> offenders;
    for (const std::string& line : found)
        offenders.insert(line.substr(0, line.find(':')));
    EXPECT_EQ(offenders,
              (std::set<std::string>{"engine/window.cpp", "layouts/square/square_kind.cpp"}));
}

} // namespace
