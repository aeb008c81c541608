// brevant-cli run as a user runs it: exit codes, messages and the JSON description.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

struct RunResult {
    int status = -1;
    std::string out;
};

// Runs the CLI with the arguments (each quoted for the shell); stderr is discarded.
RunResult RunCli(const std::vector<std::string>& args) {
    std::string cmd = std::string("'") + BREVANT_CLI_PATH + "'";
    for (const auto& a : args) {
        std::string q;
        for (char c : a)
            q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        cmd += " '" + q + "'";
    }
    cmd += " 2>/dev/null";
    RunResult r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0)
        r.out.append(buf.data(), n);
    const int raw = pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

json RunJson(std::vector<std::string> args, int expectedStatus = 0) {
    args.push_back("--json");
    const RunResult r = RunCli(args);
    EXPECT_EQ(r.status, expectedStatus) << r.out;
    return json::parse(r.out, nullptr, false);
}

std::vector<std::string> Titles(const json& j) {
    std::vector<std::string> t;
    for (const auto& m : j["messages"])
        t.push_back(m["title"]);
    return t;
}

class TempDir {
public:
    TempDir() {
        path_ = fs::temp_directory_path() /
                ("brevant-cli-test-" + std::to_string(::getpid()) + "-" + std::to_string(++n_));
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
    static inline int n_ = 0;
};

const std::string kExamples = std::string(BREVANT_SOURCE_DIR) + "/examples/";

} // namespace

TEST(Cli, FormulaInAResultEditIsReformattedAtCalculate) {
    const json j = RunJson({"--set", "TopCutWidth=2*3"});
    EXPECT_EQ(j["inputs"]["TopCutWidthEdit"], "6");
    EXPECT_EQ(Titles(j),
              std::vector<std::string>{"Must have at least one dia and two other dims."});
    EXPECT_EQ(j["code"], 1);
}

TEST(Cli, BadNumberInADefinitionStopsCalculate) {
    TempDir dir;
    const std::string file = dir / "bad.layout";
    std::ofstream(file) << "[DIMENSIONS]\nTopDiameter=10\nBottomDiameter=2O\nConeHeight=5\n";
    const json j = RunJson({file});
    // Once from the quiet recalculation after the load, once from Calculate.
    EXPECT_EQ(Titles(j), (std::vector<std::string>{"Bad number in ConeBottomDiameter",
                                                   "Bad number in ConeBottomDiameter"}));
    EXPECT_EQ(j["messages"][0]["body"], "2O");
    EXPECT_EQ(j["code"], 3);
    for (const char* panel : {"RegularDataDisplay", "SheetDataDisplay", "ThicknessDisplay"})
        EXPECT_EQ(std::count(j["visible"].begin(), j["visible"].end(), panel), 0) << panel;
}

TEST(Cli, BadNumberTypedAndCommittedIsReportedAndShownAsZero) {
    const json j = RunJson({"--set", "TopDiameter=10", "--set", "BottomDiameter=2O"});
    EXPECT_EQ(Titles(j),
              (std::vector<std::string>{"Bad Number in ConeBottomDiameter",
                                        "Must have at least one dia and two other dims."}));
    EXPECT_EQ(j["inputs"]["ConeBottomDiameter"], "0");
}

TEST(Cli, RegularConeFillsTheResultDisplay) {
    const json j = RunJson(
        {"--set", "TopDiameter=10", "--set", "BottomDiameter=20", "--set", "ConeHeight=10"});
    EXPECT_EQ(j["code"], 0);
    EXPECT_EQ(j["labels"]["LargeRadius"], "22.3607");
    EXPECT_EQ(j["labels"]["SmallRadius"], "11.1803");
    EXPECT_NEAR(j["results"]["FullFlatAngle"].get<double>(), 160.997, 1e-3);
    EXPECT_GT(j["drawings"]["flat"]["count"].get<int>(), 0);
    EXPECT_EQ(j["drawings"]["flat"]["layers"]["1"], 4); // two arcs and two radial edges
}

TEST(Cli, DecimalCommaLocale) {
    const json j = RunJson({"--decimal", ",", "--set", "TopDiameter=10.5", "--set",
                            "BottomDiameter=20", "--set", "ConeHeight=10"});
    EXPECT_EQ(j["inputs"]["ConeTopDiameter"], "10,5");
    EXPECT_NE(j["labels"]["LargeRadius"].get<std::string>().find(','), std::string::npos);
}

TEST(Cli, EveryExampleLoadsCalculatesAndDrawsItsPattern) {
    const std::pair<const char*, const char*> examples[] = {
        {"hopper-cone.layout", "cone"},       {"offset-reducer.layout", "cone"},
        {"mitred-cylinder.layout", "cone"},   {"square-to-round.layout", "square"},
        {"conveyor-flight.layout", "spiral"}, {"branch-pipe.layout", "pipe"}};
    // Each example names its own layout type: no --type is needed.
    for (auto [file, type] : examples) {
        const json j = RunJson({kExamples + file, "--units",
                                std::string(file) == "offset-reducer.layout" ? "mm" : "in"});
        EXPECT_EQ(j["type"], type) << file;
        EXPECT_EQ(j["code"], 0) << file;
        EXPECT_TRUE(j["messages"].empty()) << file << " " << j["messages"].dump();
        // A pattern is drawn: outline elements on layer 1 with a real size.
        const json& flat = j["drawings"]["flat"];
        EXPECT_GT(flat["layers"].value("1", 0), 0) << file;
        ASSERT_TRUE(flat["extents"].is_object()) << file;
        EXPECT_GT(flat["extents"]["maxX"].get<double>() - flat["extents"]["minX"].get<double>(), 1)
            << file;
        EXPECT_GT(flat["extents"]["maxY"].get<double>() - flat["extents"]["minY"].get<double>(), 1)
            << file;
    }
}

TEST(Cli, DefinitionFileChoosesItsLayoutTypeUnlessTypeIsGiven) {
    TempDir dir;
    const std::string untyped = dir / "untyped.layout", unknown = dir / "unknown.layout";
    std::ofstream(untyped) << "[DIMENSIONS]\nSquareWidth=20\nSquareLength=16\n";
    std::ofstream(unknown) << "[DIMENSIONS]\nLayoutType=nosuchkind\nTopDiameter=10\n";
    const std::string square = kExamples + "square-to-round.layout";
    struct Case {
        std::vector<std::string> args;
        const char* type;
    };
    const Case cases[] = {
        {{square}, "square"},
        {{"--type", "pipe", square}, "pipe"}, // an explicit --type wins
        {{square, "--type", "cone"}, "cone"},
        {{untyped}, "cone"}, // no type in the file: as before
        {{untyped, "--type", "square"}, "square"},
        {{unknown}, "cone"}, // a kind this program does not know
    };
    for (const Case& c : cases) {
        const RunResult r = RunCli([&] {
            auto args = c.args;
            args.push_back("--json");
            return args;
        }());
        EXPECT_EQ(json::parse(r.out, nullptr, false)["type"], c.type) << c.args.front();
    }
    // The square to round was calculated from the file's numbers.
    const json j = RunJson({square});
    EXPECT_EQ(j["code"], 0);
    EXPECT_EQ(j["labels"]["WidthX"], "24.2726");
    EXPECT_EQ(j["labels"]["HeightY"], "46.8528");
}

TEST(Cli, ExitStatusTellsUsageFromIOErrors) {
    TempDir dir;
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"--help"}, 0},
        {{"--version"}, 0},
        {{"--bogus"}, 2},
        {{"--type", "hexagon"}, 2},
        {{"--units", "ft"}, 2},
        {{"--set", "NoSuchKey=1"}, 2},
        {{"--set", "novalue"}, 2},
        {{dir / "missing.layout"}, 1},
        {{"--settings", dir / "missing.ini"}, 1},
        {{"--set", "TopDiameter=10", "--set", "BottomDiameter=20", "--set", "ConeHeight=10",
          "--flat-cad", dir / "no/such/folder/x.dxf"},
         1},
        {{"--save-definition", dir / "no/such/folder/x.layout"}, 1},
        // A requested output that does not apply wrote nothing: not a success.
        {{"--type", "spiral", kExamples + "conveyor-flight.layout", "--report", dir / "r.txt"}, 3},
    };
    for (const auto& c : cases) {
        const RunResult r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0];
    }
}

TEST(Cli, VersionNamesTheProgram) {
    const RunResult r = RunCli({"--version"});
    EXPECT_EQ(r.out.rfind("brevant-cli ", 0), 0u) << r.out;
}

TEST(Cli, DefinitionSavedInMillimetresLoadsBackTheSameTexts) {
    TempDir dir;
    const std::string file = dir / "part.rev.layout";
    const json saved =
        RunJson({"--units", "mm", "--set", "TopDiameter=254", "--set", "BottomDiameter=508",
                 "--set", "ConeHeight=100+27", "--set", "Overlap=12.5", "--set", "ThicknessSide=1",
                 "--set", "MaterialThickness=3", "--save-definition", file});
    ASSERT_TRUE(saved["outputs"][0]["written"]) << saved["outputs"].dump();
    // The saved file is a copy: the run that wrote it keeps its own caption; loading names it.
    EXPECT_EQ(saved["caption"].get<std::string>().find("part.rev"), std::string::npos);
    const json loaded = RunJson({"--units", "mm", file});
    EXPECT_EQ(loaded["caption"], "Brevant [part.rev.layout]");
    for (const auto& [name, text] : saved["inputs"].items())
        EXPECT_EQ(loaded["inputs"][name], text) << name;
    EXPECT_EQ(loaded["inputs"]["ThicknessEdit"], "3");
}

TEST(Cli, OutputsAreWrittenInTheDisplayUnit) {
    TempDir dir;
    const json j =
        RunJson({kExamples + "hopper-cone.layout", "--units", "mm", "--flat-cad", dir / "flat.cdl",
                 "--sheet-cad", dir / "sheet.dxf", "--report", dir / "report.txt"});
    for (const auto& o : j["outputs"])
        EXPECT_TRUE(o["written"]) << o.dump();
    std::ifstream report(dir / "report.txt", std::ios::binary);
    std::string line;
    std::getline(report, line);
    std::getline(report, line);
    std::getline(report, line);
    EXPECT_EQ(line, "Millimeters\r");
}

TEST(Cli, BendsPerCornerIsKeptToTheStepperRange) {
    const std::pair<const char*, const char*> cases[] = {{"25", "10"}, {"2", "4"}, {"7", "7"}};
    for (auto [typed, kept] : cases) {
        const json j =
            RunJson({"--type", "square", "--set", std::string("BendsPerCorner=") + typed});
        EXPECT_EQ(j["inputs"]["NumberOfBendsLabel"], kept) << typed;
    }
}

TEST(Cli, NoOutputOfAPartThatDidNotCalculate) {
    TempDir dir;
    // A square to round without its height: "Not Enough Dimensions", and every output says so
    // and writes nothing.
    const char* outputs[][2] = {
        {"--flat-cad", "flat.dxf"}, {"--sheet-cad", "sheet.dxf"}, {"--solid-cad", "solid.dxf"},
        {"--step", "solid.step"},   {"--report", "report.txt"},   {"--pdf", "pattern.pdf"},
        {"--svg", "flat.svg"},      {"--cam-dxf", "cam.dxf"},     {"--data-sheet", "sheet.pdf"}};
    std::vector<std::string> args = {"--type", "square",          "--set", "SquareWidth=20",
                                     "--set",  "SquareLength=16", "--set", "SquareTopDiameter=10"};
    for (const auto& [option, file] : outputs) {
        args.push_back(option);
        args.push_back(dir / file);
    }
    const json j = RunJson(args, 3);
    ASSERT_EQ(j["outputs"].size(), std::size(outputs));
    for (const auto& o : j["outputs"]) {
        EXPECT_FALSE(o["written"]) << o.dump();
        ASSERT_EQ(o["messages"].size(), 1u) << o.dump();
        EXPECT_EQ(o["messages"][0]["title"], "Not Enough Dimensions") << o.dump();
    }
    for (const auto& [option, file] : outputs)
        EXPECT_FALSE(fs::exists(dir / file)) << option;
}

TEST(Cli, OutputsReportWhatTheCommandDid) {
    TempDir dir;
    // A straight cylinder has no dimension listing: nothing written, which the status tells.
    const json j =
        RunJson({"--set", "TopDiameter=10", "--set", "BottomDiameter=10", "--set", "ConeHeight=10",
                 "--flat-cad", dir / "flat.dxf", "--report", dir / "report.txt"},
                3);
    ASSERT_EQ(j["outputs"].size(), 2u);
    EXPECT_EQ(j["outputs"][0]["command"], "flat-cad");
    EXPECT_TRUE(j["outputs"][0]["written"]);
    EXPECT_EQ(j["outputs"][1]["command"], "report");
    EXPECT_FALSE(j["outputs"][1]["written"]);
    EXPECT_FALSE(fs::exists(dir / "report.txt"));
}
