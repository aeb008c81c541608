// A DXF written by the view opens in an independent DXF library and passes its audit.
#include "cad_files_fixture.h"
#include "caddraw/cad_colors.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace brevant {
namespace {

constexpr const char* kPython = "/usr/bin/python3";

// Exit status 0 when the file loads and the audit finds no errors; the audit's report goes to
// the test output otherwise.
constexpr const char* kAuditScript = R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
for error in auditor.errors:
    print("audit error:", error.message)
msp = doc.modelspace()
counts = {}
for entity in msp:
    counts[entity.dxftype()] = counts.get(entity.dxftype(), 0) + 1
print("entities:", sorted(counts.items()))
expected = {"ARC": 1, "CIRCLE": 1, "LINE": 2, "POINT": 1}
sys.exit(1 if auditor.has_errors or counts != expected else 0)
)";

TEST(CadFileEzdxf, WrittenDxfPassesAudit) {
    if (std::system((std::string(kPython) + " -c 'import ezdxf' 2>/dev/null").c_str()) != 0) {
        GTEST_SKIP() << "no ezdxf for " << kPython;
    }
    const auto folder =
        std::filesystem::temp_directory_path() /
        ("brevant_ezdxf_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(folder);
    const std::string dxf = (folder / "pattern.dxf").string();
    const std::string script = (folder / "audit.py").string();
    std::ofstream(script) << kAuditScript;

    TCadDraw view;
    view.CadSettings().cad_type = 2;
    test::AddLine(view, {0, 0, 0, 10.5, -0.25, 0}, kColorRed, 2);
    test::AddLine(view, {10.5, -0.25, 0, 3, 4, 0}, kColorBlack, 1);
    test::AddPoint(view, 1, 2.5, 0, kColorLime, 1);
    test::AddArc(view, {1, 2, 0, 3, 10, 300}, 0xFF123456, 3);
    view.AddElement(kElementCircle, kColorWhite, {4, 5, 0, 2, 0, 0}, 0, 0, 4, 0, {}, 1);
    ASSERT_TRUE(view.SaveToFile(dxf)) << view.LastError();

    const int status =
        std::system((std::string(kPython) + " '" + script + "' '" + dxf + "'").c_str());
    std::filesystem::remove_all(folder);
    EXPECT_EQ(status, 0);
}

} // namespace
} // namespace brevant
