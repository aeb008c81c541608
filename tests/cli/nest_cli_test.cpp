// brevant-cli nest run as a user runs it: a benchmark instance on a strip, definition files and
// cutting-machine DXF parts on sheets, every placement checked from outside (shapely and ezdxf
// under the system's Python), the JSON's form, the files written, usage errors and refusals.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using json = nlohmann::ordered_json; // keeps the keys in their order

constexpr const char* kPython = "/usr/bin/python3";

struct Ran {
    int status = -1;
    std::string out, err;
};

std::string Quoted(const std::string& word) {
    std::string q = "'";
    for (char c : word)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class NestCli : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("brevant-nest-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    // Runs a command line (words quoted here); standard error goes to a file of its own.
    Ran Shell(const std::string& program, const std::vector<std::string>& args) const {
        std::string cmd = Quoted(program);
        for (const std::string& a : args)
            cmd += " " + Quoted(a);
        cmd += " 2>" + Quoted(PathOf("stderr.txt"));
        Ran r;
        FILE* p = popen(cmd.c_str(), "r");
        if (!p) return r;
        std::array<char, 4096> buf;
        std::size_t n;
        while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0)
            r.out.append(buf.data(), n);
        const int raw = pclose(p);
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.err = Slurp(PathOf("stderr.txt"));
        return r;
    }
    Ran Nest(std::vector<std::string> args) const {
        args.insert(args.begin(), "nest");
        return Shell(BREVANT_CLI_PATH, args);
    }
    void SkipWithoutPython(const char* modules) const {
        const std::string probe = std::string(kPython) + " -c 'import " + modules + "' 2>/dev/null";
        if (std::system(probe.c_str()) != 0) GTEST_SKIP() << "no " << modules << " for " << kPython;
    }
    // A cutting-machine DXF of an example, written by brevant-cli itself.
    std::string ExampleDxf(const std::string& example, const std::string& type,
                           const std::string& units = "in") const {
        const std::string file = PathOf(example + "-" + units + ".dxf");
        const Ran r = Shell(BREVANT_CLI_PATH, {"--type", type, "--units", units,
                                               kExamples + example + ".layout", "--cam-dxf", file});
        EXPECT_EQ(r.status, 0) << r.err;
        return file;
    }

    const std::string kExamples = std::string(BREVANT_SOURCE_DIR) + "/examples/";
    const std::string kInstances = std::string(BREVANT_SOURCE_DIR) + "/bench/data/nesting/";
    fs::path dir_;
};

// The keys of the JSON in their order, at every level.
void ExpectJsonForm(const json& j, const char* mode) {
    std::vector<std::string> keys;
    for (auto it = j.begin(); it != j.end(); ++it)
        keys.push_back(it.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"mode", "length", "density", "sheets"}));
    EXPECT_EQ(j["mode"], mode);
    for (const json& sheet : j["sheets"]) {
        keys.clear();
        for (auto it = sheet.begin(); it != sheet.end(); ++it)
            keys.push_back(it.key());
        EXPECT_EQ(keys, (std::vector<std::string>{"width", "height", "utilisation", "placements"}));
        for (const json& p : sheet["placements"]) {
            keys.clear();
            for (auto it = p.begin(); it != p.end(); ++it)
                keys.push_back(it.key());
            EXPECT_EQ(keys, (std::vector<std::string>{"part", "copy", "rotation", "x", "y"}));
        }
    }
}

TEST_F(NestCli, ABenchmarkInstanceOnTheStripIsSoundByAnIndependentCheck) {
    SkipWithoutPython("shapely");
    for (const char* name : {"mao", "shirts"}) {
        const Ran r = Nest({"--instance", kInstances + name + ".json", "--evaluations", "8",
                            "--json", "--pdf", PathOf("strip.pdf")});
        ASSERT_EQ(r.status, 0) << r.err;
        const json j = json::parse(r.out);
        ExpectJsonForm(j, "strip");
        ASSERT_EQ(j["sheets"].size(), 1u);
        std::ofstream(PathOf("result.json")) << r.out;
        const Ran check =
            Shell(kPython, {std::string(BREVANT_SOURCE_DIR) + "/tests/nesting/check_placements.py",
                            kInstances + name + ".json", PathOf("result.json")});
        EXPECT_EQ(check.status, 0) << name << ": " << check.out << check.err;
        EXPECT_EQ(Slurp(PathOf("strip.pdf")).rfind("%PDF-1.4", 0), 0u);
    }
}

TEST_F(NestCli, CuttingMachineDxfPartsOnSheetsAreSoundByAnIndependentCheck) {
    SkipWithoutPython("ezdxf, shapely");
    const std::string cone = ExampleDxf("hopper-cone", "cone");
    const std::string square = ExampleDxf("square-to-round", "square");
    const Ran r =
        Nest({"--sheet", "96x48", "--part", cone + ":7", "--part", square + ":2", "--clearance",
              "0.5", "--rotations", "90", "--evaluations", "8", "--json", "--cam-dxf",
              PathOf("sheet.dxf"), "--svg", PathOf("sheets.svg"), "--pdf", PathOf("sheets.pdf")});
    ASSERT_EQ(r.status, 0) << r.err;
    const json j = json::parse(r.out);
    ExpectJsonForm(j, "sheets");
    const std::size_t sheets = j["sheets"].size();
    ASSERT_GE(sheets, 2u);
    std::vector<std::string> files;
    int placed = 0;
    for (std::size_t s = 0; s < sheets; ++s) {
        files.push_back(PathOf("sheet-" + std::to_string(s + 1) + ".dxf"));
        placed += int(j["sheets"][s]["placements"].size());
        for (const json& p : j["sheets"][s]["placements"]) {
            EXPECT_LT(p["part"].get<int>(), 2);
            EXPECT_EQ(std::fmod(p["rotation"].get<double>(), 90.0), 0.0);
        }
    }
    EXPECT_EQ(placed, 9);
    std::vector<std::string> args{std::string(BREVANT_SOURCE_DIR) + "/tests/cli/check_nest_dxf.py",
                                  "96", "48", "0.5"};
    args.insert(args.end(), files.begin(), files.end());
    const Ran check = Shell(kPython, args);
    ASSERT_EQ(check.status, 0) << check.err;
    const json found = json::parse(check.out);
    EXPECT_EQ(found["faults"], json::array()) << check.out;
    int pieces = 0;
    for (std::size_t s = 0; s < sheets; ++s) {
        EXPECT_EQ(found["pieces"][s], j["sheets"][s]["placements"].size());
        pieces += found["pieces"][s].get<int>();
    }
    EXPECT_EQ(pieces, 9);
    EXPECT_NE(Slurp(PathOf("sheets.svg")).find("<svg"), std::string::npos);
    EXPECT_EQ(Slurp(PathOf("sheets.pdf")).rfind("%PDF-1.4", 0), 0u);
}

TEST_F(NestCli, DefinitionFilesLieWhereTheirOwnCuttingMachineDxfPutsThem) {
    SkipWithoutPython("ezdxf, shapely");
    // The placements are checked against the outlines of each example's cutting-machine DXF in
    // the same unit, so a part in the wrong unit or the wrong coordinates shows as overlaps,
    // parts off the sheet or parts too close.
    const struct {
        const char* units;
        const char* sheet;
        const char* width;
        const char* height;
        const char* clearance;
    } cases[] = {{"in", "96x48", "96", "48", "0.5"},
                 {"mm", "2438.4x1219.2", "2438.4", "1219.2", "12.7"}};
    for (const auto& c : cases) {
        const Ran r = Nest({"--sheet", c.sheet, "--units", c.units, "--clearance", c.clearance,
                            "--part", kExamples + "hopper-cone.layout:3", "--part",
                            kExamples + "square-to-round.layout:2", "--part",
                            kExamples + "conveyor-flight.layout", "--rotations", "90",
                            "--evaluations", "8", "--json"});
        ASSERT_EQ(r.status, 0) << c.units << ": " << r.err;
        ExpectJsonForm(json::parse(r.out), "sheets");
        std::ofstream(PathOf("result.json")) << r.out;
        const Ran check =
            Shell(kPython, {std::string(BREVANT_SOURCE_DIR) + "/tests/cli/check_part_placements.py",
                            c.width, c.height, c.clearance, "90", PathOf("result.json"),
                            ExampleDxf("hopper-cone", "cone", c.units) + ":3",
                            ExampleDxf("square-to-round", "square", c.units) + ":2",
                            ExampleDxf("conveyor-flight", "spiral", c.units) + ":1"});
        ASSERT_EQ(check.status, 0) << check.err;
        EXPECT_EQ(json::parse(check.out)["faults"], json::array()) << c.units << ": " << check.out;
    }
}

TEST_F(NestCli, ADefinitionFileNamingNoKindIsCalculatedAsTheTypeGiven) {
    std::ifstream in(kExamples + "square-to-round.layout");
    std::ofstream out(PathOf("no-kind.layout"));
    for (std::string line; std::getline(in, line);)
        if (line.rfind("LayoutType=", 0) != 0) out << line << "\n";
    out.close();
    const std::vector<std::string> common{"--sheet", "96x48", "--evaluations", "4", "--json"};
    auto with = [&](std::vector<std::string> extra) {
        extra.insert(extra.begin(), common.begin(), common.end());
        return Nest(extra);
    };
    const Ran named = with({"--part", kExamples + "square-to-round.layout"});
    const Ran typed = with({"--part", PathOf("no-kind.layout"), "--type", "square"});
    ASSERT_EQ(named.status, 0) << named.err;
    EXPECT_EQ(typed.status, 0) << typed.err;
    EXPECT_EQ(typed.out, named.out);
    // The file's own kind wins over --type.
    const Ran own = with({"--part", kExamples + "square-to-round.layout", "--type", "spiral"});
    EXPECT_EQ(own.out, named.out);
    const Ran cone = with({"--part", PathOf("no-kind.layout")});
    EXPECT_EQ(cone.status, 1);
    EXPECT_NE(cone.err.find("no-kind.layout\": it does not give enough dimensions"),
              std::string::npos)
        << cone.err;
}

TEST_F(NestCli, OneSheetIsWrittenUnderTheNameGiven) {
    const std::string cone = ExampleDxf("hopper-cone", "cone");
    const Ran r = Nest(
        {"--sheet", "96x48", "--part", cone, "--evaluations", "4", "--cam-dxf", PathOf("one.dxf")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(PathOf("one.dxf")));
    EXPECT_FALSE(fs::exists(PathOf("one-1.dxf")));
}

TEST_F(NestCli, UsageErrorsRefusalsAndUnreadableFiles) {
    const std::string cone = ExampleDxf("hopper-cone", "cone");
    std::ofstream(PathOf("bad.json")) << "{\"Items\": 3}";
    // A cone whose top is larger than its bottom calculates to no part.
    std::ofstream(PathOf("upside-down.layout"))
        << "[DIMENSIONS]\nLayoutType=cone\nConeHeight=10\nTopDiameter=20\nBottomDiameter=10\n";
    std::ofstream(PathOf("part.txt")) << "[DIMENSIONS]\n";
    const struct {
        std::vector<std::string> args;
        int status;
        std::string message; // on standard error
    } cases[] = {
        {{}, 2, "give either --instance or --sheet with --part"},
        {{"--sheet", "96x48"}, 2, "--sheet needs at least one --part"},
        {{"--part", cone}, 2, "give either --instance or --sheet with --part"},
        {{"--sheet", "96", "--part", cone},
         2,
         "--sheet needs WxH with two numbers greater than 0, got: 96"},
        {{"--sheet", "96x48", "--part", cone + ":0"}, 2, "--part needs FILE or FILE:COUNT"},
        {{"--sheet", "96x48", "--part", cone, "--rotations", "0.1"}, 2, "--rotations needs a step"},
        {{"--sheet", "96x48", "--part", cone, "--clearance", "-1"}, 2, "--clearance"},
        {{"--instance", kInstances + "mao.json", "--part", cone},
         2,
         "--part cannot go with --instance"},
        {{"--sheet", "20x20", "--part", cone},
         4,
         "does not fit on the 20 x 20 sheet in any allowed rotation."},
        {{"--sheet", "96x48", "--part", PathOf("none.dxf")}, 1, "none.dxf\": no such file"},
        {{"--sheet", "96x48", "--part", PathOf("part.txt")},
         1,
         "part.txt\": a part must be a definition file (.layout) or a DXF file of closed "
         "outlines (.dxf)."},
        {{"--sheet", "96x48", "--part", PathOf("upside-down.layout")},
         1,
         "upside-down.layout\": ERROR: Top Dia is Larger Than Bottom Dia."},
        {{"--sheet", "96x48", "--part", PathOf("none.layout")}, 1, "none.layout\": no such file"},
        {{"--sheet", "96x48", "--part", kExamples + "hopper-cone.layout", "--type", "tube"},
         2,
         "--type"},
        {{"--sheet", "20x20", "--part", kExamples + "hopper-cone.layout:2"},
         4,
         "does not fit on the 20 x 20 sheet in any allowed rotation."},
        {{"--instance", PathOf("bad.json")}, 1, "\"Items\" must be a list of at least one item."},
    };
    for (const auto& c : cases) {
        const Ran r = Nest(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << r.out;
    }
}

TEST_F(NestCli, AnOutputThatCannotBeWrittenIsNamedWithItsReason) {
    const std::string cone = ExampleDxf("hopper-cone", "cone");
    const std::string target = PathOf("no-such-folder/sheet.pdf");
    const Ran r = Nest({"--sheet", "96x48", "--part", cone, "--evaluations", "4", "--pdf", target});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot write \"" + target + "\""), std::string::npos) << r.err;
}

TEST_F(NestCli, HelpNamesEveryOption) {
    const Ran r = Nest({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option :
         {"--instance", "--sheet", "--part", "--type", "--clearance", "--rotations", "--units",
          "--time", "--seed", "--evaluations", "--cam-dxf", "--svg", "--pdf", "--json"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

} // namespace
