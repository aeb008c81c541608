// brevant-cli --pdf and --data-sheet: the files they write, what the JSON says of them, and an
// unwritable file's exit status.
#include "support/pdf_inspect.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sys/wait.h>

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

class PdfCli : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("brevant-pdfcli-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    // Runs a cylinder 10 across and 20 high with the extra arguments; returns the exit status.
    int Run(const std::string& args) {
        const std::string cmd = std::string("cd '") + dir.string() + "' && '" + BREVANT_CLI_PATH +
                                "' --type cone --set TopDiameter=10 --set BottomDiameter=10 "
                                "--set ConeHeight=20 --json " +
                                args + " > out.json 2>/dev/null";
        const int raw = std::system(cmd.c_str());
        out = json::parse(brevant::testing::ReadBytes((dir / "out.json").string()), nullptr, false);
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    fs::path dir;
    json out;
};

} // namespace

TEST_F(PdfCli, WritesThePatternAndTheDataSheet) {
    ASSERT_EQ(Run("--pdf pattern.pdf"), 0);
    ASSERT_TRUE(out.is_object());
    // The JSON describes the calculation: the output leaves its status line alone.
    EXPECT_EQ(out["status"], "Cone taper is less than 0.5 degrees. Making Cylinder.");
    ASSERT_EQ(Run("--pdf pattern.pdf --data-sheet sheet.pdf"), 0); // the pattern overwritten
    ASSERT_EQ(out["outputs"].size(), 2u);
    for (const auto& o : out["outputs"])
        EXPECT_TRUE(o["written"].get<bool>()) << o.dump();
    const std::string pattern = (dir / "pattern.pdf").string();
    const std::string sheet = (dir / "sheet.pdf").string();
    EXPECT_TRUE(brevant::testing::QpdfCheckPasses(pattern));
    EXPECT_TRUE(brevant::testing::QpdfCheckPasses(sheet));
    EXPECT_EQ(brevant::testing::RenderedPageCount(pattern), 8);
    EXPECT_EQ(brevant::testing::RenderedPageCount(sheet), 1);
}

TEST_F(PdfCli, AnUnwritableDataSheetFailsTheRun) {
    EXPECT_EQ(Run("--data-sheet no-such-folder/sheet.pdf"), 1);
    EXPECT_FALSE(fs::exists(dir / "no-such-folder"));
}
