// Every example definition run through brevant-cli, compared with the golden outputs kept in
// tests/golden/<example>/: numbers within single-precision noise, all other text exactly.
// BREVANT_UPDATE_GOLDEN=1 rewrites the golden files instead (scripts/update-golden).
// One run asks for the JSON, the CAD saves and the report together; every other writer runs
// on its own, so that each golden is what that output gives alone. PDFs are kept as a digest
// (page count, path operators, the strings of each page), so that a date or a changed line
// width does not count as a difference. A STEP file, which carries the time it was written, is
// kept as what the B-rep kernel's reader finds in it (solids, their check, volume and box).
#include "support/step_read.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

const fs::path kSourceDir = BREVANT_SOURCE_DIR;
const fs::path kGoldenDir = kSourceDir / "tests" / "golden";
const fs::path kExamplesDir = kSourceDir / "examples";
constexpr const char* kUpdateCommand = "scripts/update-golden";

// The outputs of one run, by the name they have in the golden folder. exit.txt holds the exit
// status and whatever the CLI wrote to stderr.
const char* const kOutputs[] = {"window.json", "flat.dxf", "sheet.dxf", "report.txt", "exit.txt"};

// How a written file is kept: as it is, as a PDF's digest or as what the STEP reader finds.
enum class Kept { Bytes, PdfDigest, StepSummary };

// The writers that run on their own: the golden name, the CLI option and how it is kept.
struct SingleOutput {
    const char* golden;
    const char* option;
    const char* file;
    Kept kept;
};
const SingleOutput kSingleOutputs[] = {
    {"cam.dxf", "--cam-dxf", "cam.dxf", Kept::Bytes},
    {"sheet-cam.dxf", "--sheet-cam-dxf", "sheet-cam.dxf", Kept::Bytes},
    {"flat.svg", "--svg", "flat.svg", Kept::Bytes},
    {"solid.dxf", "--solid-cad", "solid.dxf", Kept::Bytes},
    {"solid.txt", "--step", "solid.step", Kept::StepSummary},
    {"pattern-pdf.txt", "--pdf", "pattern.pdf", Kept::PdfDigest},
    {"data-sheet.txt", "--data-sheet", "data-sheet.pdf", Kept::PdfDigest},
};
// Shown with a changed exit status, before the run's status and stderr.
constexpr const char* kExitHint =
    "\nStatus 86 is a sanitizer stopping the CLI (scripts/test's sanitizer stage; the reports of "
    "address errors and leaks are in build-asan/sanitizer-logs/). The run's status and stderr:\n";
// The CLI arguments an example needs besides its outputs (its layout type and units).
constexpr const char* kArgumentsFile = "arguments.txt";

// ---- comparison ----------------------------------------------------------------------------

struct Token {
    bool number = false;
    std::string text;
    double value = 0;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the number starting at s[i] ([sign] digits [. digits] [exponent]), or 0.
size_t NumberLength(std::string_view s, size_t i) {
    size_t j = i;
    if (j < s.size() && (s[j] == '-' || s[j] == '+')) ++j;
    const size_t mantissa = j;
    while (j < s.size() && IsDigit(s[j]))
        ++j;
    if (j < s.size() && s[j] == '.' && j + 1 < s.size() && IsDigit(s[j + 1])) {
        j += 2;
        while (j < s.size() && IsDigit(s[j]))
            ++j;
    }
    if (j == mantissa) return 0;
    if (j < s.size() && (s[j] == 'e' || s[j] == 'E')) {
        size_t k = j + 1;
        if (k < s.size() && (s[k] == '-' || s[k] == '+')) ++k;
        if (k < s.size() && IsDigit(s[k])) {
            while (k < s.size() && IsDigit(s[k]))
                ++k;
            j = k;
        }
    }
    return j - i;
}

// Splits a line into numbers (sign included, so "-0.00" equals "0.00") and the text between.
std::vector<Token> Tokenize(std::string_view line) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < line.size()) {
        if (const size_t n = NumberLength(line, i)) {
            std::string_view digits = line.substr(i, n);
            if (digits.front() == '+') digits.remove_prefix(1);
            Token t{true, std::string(line.substr(i, n)), 0};
            std::from_chars(digits.data(), digits.data() + digits.size(), t.value);
            tokens.push_back(std::move(t));
            i += n;
            continue;
        }
        if (tokens.empty() || tokens.back().number) tokens.push_back({});
        tokens.back().text += line[i++];
    }
    return tokens;
}

bool NumbersMatch(double golden, double actual) {
    const double diff = std::fabs(golden - actual);
    return diff <= 1e-6 || diff <= 1e-5 * std::max(std::fabs(golden), std::fabs(actual));
}

bool LinesMatch(std::string_view golden, std::string_view actual) {
    const std::vector<Token> g = Tokenize(golden), a = Tokenize(actual);
    if (g.size() != a.size()) return false;
    for (size_t i = 0; i < g.size(); ++i) {
        const bool same = g[i].number && a[i].number
                              ? NumbersMatch(g[i].value, a[i].value)
                              : g[i].number == a[i].number && g[i].text == a[i].text;
        if (!same) return false;
    }
    return true;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t nl; (nl = text.find('\n', start)) != std::string_view::npos; start = nl + 1)
        lines.push_back(text.substr(start, nl - start));
    lines.push_back(text.substr(start));
    return lines;
}

struct Difference {
    size_t line = 0; // 1-based
    std::string golden, actual;
};

// Carriage returns and a missing line shown so that the message says what differs.
std::string Shown(std::optional<std::string_view> line) {
    if (!line) return "(no such line)";
    std::string s;
    for (char c : *line)
        s += c == '\r' ? std::string("\\r") : std::string(1, c);
    return "\"" + s + "\"";
}

std::optional<Difference> FirstDifference(std::string_view golden, std::string_view actual) {
    const auto g = SplitLines(golden), a = SplitLines(actual);
    for (size_t i = 0; i < std::max(g.size(), a.size()); ++i) {
        const auto gl = i < g.size() ? std::optional(g[i]) : std::nullopt;
        const auto al = i < a.size() ? std::optional(a[i]) : std::nullopt;
        if (gl && al && LinesMatch(*gl, *al)) continue;
        return Difference{i + 1, Shown(gl), Shown(al)};
    }
    return std::nullopt;
}

// ---- running the CLI -----------------------------------------------------------------------

std::optional<std::string> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string Quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs a shell command and returns what it wrote to standard output.
std::string Captured(const std::string& cmd) {
    std::string out;
    if (FILE* pipe = ::popen(cmd.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

// Counts the path operators of the PDF's content streams (the writer keeps them uncompressed,
// one operator a line): "x y l" line segments and "x1 y1 x2 y2 x3 y3 c" curves.
std::pair<int, int> PathOperators(const std::string& pdf) {
    static const std::regex line(R"(^-?[\d.]+ -?[\d.]+ l\r?$)");
    static const std::regex curve(R"(^(-?[\d.]+ ){6}c\r?$)");
    int lines = 0, curves = 0;
    std::istringstream in(pdf);
    for (std::string l; std::getline(in, l);) {
        if (l.empty() || (l.back() != 'l' && l.back() != 'c' && l.back() != '\r')) continue;
        if (std::regex_match(l, line))
            ++lines;
        else if (std::regex_match(l, curve))
            ++curves;
    }
    return {lines, curves};
}

// What a PDF output is compared by: its page count, the number of line and curve operators,
// and the strings on each page (pdftotext), with the printing date and the source folder taken
// out.
std::string PdfDigest(const fs::path& pdf, const std::string& bytes) {
    const std::string q = Quoted(pdf.string());
    const std::string info = Captured("pdfinfo " + q + " 2>/dev/null");
    std::smatch m;
    int pages = 0;
    if (std::regex_search(info, m, std::regex(R"(Pages:\s+(\d+))"))) pages = std::stoi(m[1]);
    const auto [lines, curves] = PathOperators(bytes);
    std::ostringstream d;
    d << "pages " << pages << "\nline operators " << lines << "\ncurve operators " << curves
      << "\n";
    for (int p = 1; p <= pages; ++p) {
        const std::string n = std::to_string(p);
        std::string text =
            Captured("pdftotext -raw -f " + n + " -l " + n + " " + q + " - 2>/dev/null");
        text = std::regex_replace(text, std::regex(R"(Date: \S+)"), "Date: (date)");
        for (size_t at; (at = text.find(kSourceDir.string())) != std::string::npos;)
            text.replace(at, kSourceDir.string().size(), "(source)");
        text.erase(std::remove(text.begin(), text.end(), '\f'), text.end());
        d << "--- page " << p << "\n" << text;
    }
    return d.str();
}

class TempDir {
public:
    TempDir()
        : path_(fs::temp_directory_path() / ("brevant-golden-" + std::to_string(::getpid()))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::vector<std::string> ExampleNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kExamplesDir))
        if (entry.path().extension() == ".layout") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The output file names in the JSON are the ones given on the command line; only the name is
// kept so that the golden does not depend on the folder the run happened in. Nothing else in the
// description depends on the machine: the caption names the definition file without its folder,
// and no user settings file is read.
std::string NormalisedJson(const std::string& text) {
    json j = json::parse(text, nullptr, false);
    if (j.is_discarded()) return text; // shown as it is, so the difference names the fault
    for (auto& o : j["outputs"])
        o["file"] = fs::path(o["file"].get<std::string>()).filename().string();
    return j.dump(2) + "\n";
}

// The unit the example's STEP file is read in: its display unit.
std::string StepUnitOf(const std::string& args) {
    if (args.find("--units mm") != std::string::npos) return "MM";
    if (args.find("--units cm") != std::string::npos) return "CM";
    return "INCH";
}

// What the kernel's reader finds in a STEP file, in the file's display unit.
std::string SolidSummary(const std::string& path, const std::string& unit) {
    const brevant::test::ReadStepFile f = brevant::test::ReadStep(path, unit);
    std::ostringstream s;
    s << std::fixed << std::setprecision(4);
    s << "read " << f.Read << "\nunit " << f.FileUnit << "\nproduct " << f.Product
      << "\nshapes outside solids " << f.OtherShapes << "\nsolids " << f.Solids.size() << "\n";
    for (const brevant::test::ReadSolid& solid : f.Solids)
        s << "solid valid " << solid.Valid << " volume " << solid.Volume << " box "
          << solid.BoxMin.x << " " << solid.BoxMin.y << " " << solid.BoxMin.z << " to "
          << solid.BoxMax.x << " " << solid.BoxMax.y << " " << solid.BoxMax.z << "\n";
    return s.str();
}

// Runs the example in the folder `out` with every output requested; returns the outputs the CLI
// produced by their golden names.
std::map<std::string, std::string> RunExample(const std::string& name, const std::string& args,
                                              const fs::path& out) {
    std::string cmd = "cd " + Quoted(out.string()) + " && " + Quoted(BREVANT_CLI_PATH) + " " +
                      Quoted((kExamplesDir / (name + ".layout")).string());
    std::istringstream words(args); // the arguments file: words separated by white space
    for (std::string w; words >> w;)
        cmd += " " + Quoted(w);
    cmd += " --json --flat-cad flat.dxf --sheet-cad sheet.dxf --report report.txt"
           " >window.json 2>stderr.txt";
    const int raw = std::system(cmd.c_str());
    const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::map<std::string, std::string> produced;
    for (const char* file : kOutputs)
        if (auto text = ReadFile(out / file)) produced[file] = *text;
    produced["window.json"] = NormalisedJson(produced["window.json"]);
    produced["exit.txt"] =
        "exit status " + std::to_string(status) + "\n" + ReadFile(out / "stderr.txt").value_or("");
    return produced;
}

// Runs the example once for each writer of kSingleOutputs, that writer alone; returns the
// outputs written by their golden names. A run that ends with another status than 0 (written)
// or 3 (nothing to write for this part) fails.
std::map<std::string, std::string> RunSingleOutputs(const std::string& name,
                                                    const std::string& args, const fs::path& out) {
    std::map<std::string, std::string> produced;
    for (const SingleOutput& o : kSingleOutputs) {
        std::string cmd = "cd " + Quoted(out.string()) + " && " + Quoted(BREVANT_CLI_PATH) + " " +
                          Quoted((kExamplesDir / (name + ".layout")).string());
        std::istringstream words(args);
        for (std::string w; words >> w;)
            cmd += " " + Quoted(w);
        cmd += std::string(" ") + o.option + " " + o.file + " >/dev/null 2>stderr.txt";
        const int raw = std::system(cmd.c_str());
        const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        if (status != 0 && status != 3)
            ADD_FAILURE() << o.option << " alone ended with status " << status << kExitHint
                          << ReadFile(out / "stderr.txt").value_or("");
        const auto bytes = ReadFile(out / o.file);
        if (!bytes) continue;
        switch (o.kept) {
        case Kept::Bytes:
            produced[o.golden] = *bytes;
            break;
        case Kept::PdfDigest:
            produced[o.golden] = PdfDigest(out / o.file, *bytes);
            break;
        case Kept::StepSummary:
            produced[o.golden] = SolidSummary((out / o.file).string(), StepUnitOf(args));
            break;
        }
        fs::remove(out / o.file);
    }
    return produced;
}

// Every golden name an example may have.
std::vector<std::string> GoldenNames() {
    std::vector<std::string> names(std::begin(kOutputs), std::end(kOutputs));
    for (const SingleOutput& o : kSingleOutputs)
        names.emplace_back(o.golden);
    return names;
}

// Compares one output with its golden file; a file on only one side is a difference too.
void Compare(const fs::path& golden, const std::optional<std::string>& actual) {
    const auto expected = ReadFile(golden);
    const std::string where = fs::relative(golden, kSourceDir).string();
    if (!expected && actual) {
        ADD_FAILURE() << "no golden file " << where << " for an output the CLI now writes: run "
                      << kUpdateCommand << " and review the new file";
    } else if (expected && !actual) {
        ADD_FAILURE() << "the CLI no longer writes the output kept in " << where << ": run "
                      << kUpdateCommand << " if that is intended";
    } else if (expected && actual) {
        if (const auto d = FirstDifference(*expected, *actual))
            ADD_FAILURE() << where << ":" << d->line << ": output differs from the golden file\n"
                          << "  golden: " << d->golden << "\n  output: " << d->actual << "\nRun "
                          << kUpdateCommand << " to accept it, and review the diff."
                          << (golden.filename() == "exit.txt" ? kExitHint + *actual
                                                              : std::string());
    }
}

// Writes the outputs as the new golden files and removes those the CLI no longer writes.
void Update(const fs::path& folder, const std::map<std::string, std::string>& produced) {
    for (const std::string& file : GoldenNames()) {
        const auto it = produced.find(file);
        if (it != produced.end())
            WriteFile(folder / file, it->second);
        else
            fs::remove(folder / file);
    }
}

bool Updating() {
    const char* v = std::getenv("BREVANT_UPDATE_GOLDEN");
    return v && std::string_view(v) == "1";
}

// Runs one example and compares (or, when updating, rewrites) its golden files.
void CheckExample(const std::string& name, bool update) {
    SCOPED_TRACE("example " + name);
    const fs::path folder = kGoldenDir / name;
    const auto args = ReadFile(folder / kArgumentsFile);
    if (!args) {
        ADD_FAILURE() << "no tests/golden/" << name << "/" << kArgumentsFile
                      << ": write the example's CLI arguments there (e.g. --type cone --units "
                         "in), then run "
                      << kUpdateCommand;
        return;
    }
    TempDir out;
    auto produced = RunExample(name, *args, out.path());
    produced.merge(RunSingleOutputs(name, *args, out.path()));
    if (update) return Update(folder, produced);
    for (const std::string& file : GoldenNames()) {
        const auto it = produced.find(file);
        Compare(folder / file, it == produced.end() ? std::nullopt : std::optional(it->second));
    }
}

// A golden folder whose example is gone fails the test (or, when updating, is removed).
void CheckNoStrayFolders(const std::vector<std::string>& examples, bool update) {
    const std::set<std::string> known(examples.begin(), examples.end());
    for (const auto& entry : fs::directory_iterator(kGoldenDir)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_directory() || known.count(name)) continue;
        if (update)
            fs::remove_all(entry.path());
        else
            ADD_FAILURE() << "tests/golden/" << name << " belongs to no examples/" << name
                          << ".layout: run " << kUpdateCommand << " to remove it";
    }
}

} // namespace

TEST(GoldenCompare, NumbersWithinSinglePrecisionNoiseAndTextExactly) {
    const struct {
        const char* golden;
        const char* actual;
        size_t line; // first differing line, 0 for none
    } cases[] = {
        {"40\r\n22.3607\r\n", "40\r\n22.3607\r\n", 0},
        {"maxY: 22.360679626464844", "maxY: 22.36068", 0}, // relative 1e-5
        {"X=-0.00, Y=1e-07", "X=0.00, Y=-3e-07", 0},       // absolute 1e-6
        {"10\n.0\n", "10\n0.0\n", 0},
        {"40\n22.3607\n", "40\n22.3612\n", 2},
        {"40\n22.3607\n", "41\n22.3607\n", 1},
        {"0\nARC\n", "0\nLINE\n", 2},
        {"Inches\r\n", "Inches\n", 1},
        {"angle=4.02 deg", "angle 4.02 deg", 1},
        {"a\nb\n", "a\nb\nc\n", 3},
        {"a\nb\nc\n", "a\nb\n", 3},
        {"Sheet: 96 X 48", "Sheet: 96 X 48 X 2", 1},
    };
    for (const auto& c : cases) {
        const auto d = FirstDifference(c.golden, c.actual);
        EXPECT_EQ(d ? d->line : 0, c.line) << Shown(c.golden) << " vs " << Shown(c.actual);
    }
}

// Every example has its golden folder (with the arguments it runs with), every output matches,
// and every golden folder belongs to an example.
TEST(Golden, EveryExampleMatchesItsGoldenOutputs) {
    const bool update = Updating();
    const std::vector<std::string> examples = ExampleNames();
    ASSERT_FALSE(examples.empty()) << kExamplesDir;
    for (const std::string& name : examples)
        CheckExample(name, update);
    CheckNoStrayFolders(examples, update);
}
