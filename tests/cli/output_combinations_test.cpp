// Outputs never change the calculation: for every example, each output written together with
// any other one, or with all the others in either order, is byte for byte what it is when it
// is written alone (apart from its creation date), and the JSON describes the same calculation
// whichever outputs were asked for.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

const fs::path kExamplesDir = fs::path(BREVANT_SOURCE_DIR) / "examples";
const fs::path kGoldenDir = fs::path(BREVANT_SOURCE_DIR) / "tests" / "golden";

// Every output command and the file it is given.
struct Output {
    const char* command;
    const char* file;
};
const Output kOutputs[] = {
    {"save-definition", "saved.layout"},
    {"flat-cad", "flat.dxf"},
    {"sheet-cad", "sheet.dxf"},
    {"solid-cad", "solid.dxf"},
    {"step", "part.step"},
    {"report", "report.txt"},
    {"cam-dxf", "cam.dxf"},
    {"sheet-cam-dxf", "sheet-cam.dxf"},
    {"svg", "flat.svg"},
    {"pdf", "pattern.pdf"},
    {"data-sheet", "data-sheet.pdf"},
};

std::string Quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::optional<std::string> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The file without the moments it was written: the PDF's creation date and printed date, the
// STEP header's time stamp.
std::string Undated(std::string text) {
    static const std::regex dates(
        R"(/CreationDate \(D:\d+\)|\(Date: [^)]*\)|'\d{4}-\d\d-\d\dT[\d:]+')");
    return std::regex_replace(text, dates, "<date>");
}

// The JSON without its list of outputs: what was calculated.
std::string Calculation(const std::string& text) {
    json j = json::parse(text, nullptr, false);
    if (j.is_discarded()) return text;
    j.erase("outputs");
    return j.dump(2);
}

struct RunResult {
    std::string calculation;
    std::map<std::string, std::optional<std::string>> files; // by command
};

class OutputCombinations : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("brevant-combinations-" + GetParam() + "-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        std::ifstream args(kGoldenDir / GetParam() / "arguments.txt");
        std::getline(args, arguments_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    RunResult Run(const std::vector<const Output*>& outputs) {
        const fs::path out = dir_ / std::to_string(runs_++);
        fs::create_directories(out);
        std::string cmd = "cd " + Quoted(out.string()) + " && " + Quoted(BREVANT_CLI_PATH) + " " +
                          Quoted((kExamplesDir / (GetParam() + ".layout")).string()) + " " +
                          arguments_ + " --json";
        for (const Output* o : outputs)
            cmd += std::string(" --") + o->command + " " + o->file;
        cmd += " >window.json 2>/dev/null";
        [[maybe_unused]] const int status = std::system(cmd.c_str());
        RunResult r;
        r.calculation = Calculation(ReadFile(out / "window.json").value_or(""));
        for (const Output* o : outputs) {
            auto text = ReadFile(out / o->file);
            r.files[o->command] = text ? std::optional(Undated(*text)) : std::nullopt;
        }
        fs::remove_all(out);
        return r;
    }

    fs::path dir_;
    std::string arguments_;
    int runs_ = 0;
};

TEST_P(OutputCombinations, EachOutputIsWhatItIsAloneInAnyCompanyAndOrder) {
    const RunResult none = Run({});
    ASSERT_NE(none.calculation, "");
    std::map<std::string, std::optional<std::string>> alone;
    for (const Output& o : kOutputs) {
        const RunResult r = Run({&o});
        EXPECT_EQ(r.calculation, none.calculation) << "--" << o.command << " alone";
        alone[o.command] = r.files.at(o.command);
    }
    auto check = [&](const std::vector<const Output*>& outputs, const std::string& what) {
        const RunResult r = Run(outputs);
        EXPECT_EQ(r.calculation, none.calculation) << what;
        for (const Output* o : outputs)
            EXPECT_TRUE(r.files.at(o->command) == alone[o->command])
                << "--" << o->command << " differs from its output alone in " << what;
    };
    const std::size_t n = std::size(kOutputs);
    // Every pair once; the runs of all outputs forwards and backwards put each output both
    // before and after every other one.
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j) {
            const Output* a = &kOutputs[i];
            const Output* b = &kOutputs[j];
            check({a, b}, std::string("--") + a->command + " then --" + b->command);
        }
    std::vector<const Output*> all;
    for (const Output& o : kOutputs)
        all.push_back(&o);
    check(all, "all outputs");
    std::reverse(all.begin(), all.end());
    check(all, "all outputs in reverse order");
}

std::vector<std::string> Examples() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kExamplesDir))
        if (entry.path().extension() == ".layout") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Examples, OutputCombinations, ::testing::ValuesIn(Examples()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
