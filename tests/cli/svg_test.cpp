// The flat pattern as SVG through brevant-cli: width and height in the display unit with a
// matching viewBox, the pattern's size as the result display gives it, rendered by an
// independent SVG renderer at that size.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/external_dxf_fixture.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Width and height of a PNG from its header (big-endian words at bytes 16 and 20).
std::pair<long, long> PngSize(const std::string& png) {
    auto word = [&](std::size_t at) {
        long v = 0;
        for (std::size_t i = 0; i < 4; ++i)
            v = v * 256 + static_cast<unsigned char>(png.at(at + i));
        return v;
    };
    return {word(16), word(20)};
}

struct SvgCase {
    const char* name;
    std::string arguments;
    const char* unit;
    double pixelsPerUnit; // rsvg-convert's 96 dots per inch
    bool bends;           // the pattern has bend lines
};

std::string Example(const char* name) {
    return std::string("'") + BREVANT_SOURCE_DIR + "/examples/" + name + "' ";
}

const SvgCase kCases[] = {
    {"cone_in_inches", Example("hopper-cone.layout") + "--type cone", "in", 96, false},
    {"cone_in_mm", Example("hopper-cone.layout") + "--type cone --units mm", "mm", 96 / 25.4,
     false},
    {"spiral_in_cm", Example("conveyor-flight.layout") + "--type spiral --units cm", "cm",
     96 / 2.54, false},
    {"square_with_bends", Example("square-to-round.layout") + "--type square", "in", 96, true},
};

class FlatSvg : public ::testing::TestWithParam<SvgCase> {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("brevant-svg-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_P(FlatSvg, IsTheTrueSizeInTheDisplayUnit) {
    const SvgCase& c = GetParam();
    const fs::path svg = dir_ / "flat.svg";
    const json window = json::parse(
        brevant::testing::CaptureOutput(std::string("'") + BREVANT_CLI_PATH + "' " + c.arguments +
                                        " --svg '" + svg.string() + "' --json"),
        nullptr, false);
    ASSERT_FALSE(window.is_discarded());
    ASSERT_TRUE(window["outputs"][0]["written"]) << window.dump();
    const std::string text = ReadAll(svg);
    std::smatch m;
    const std::regex head(
        R"re(width="([0-9.]+)([a-z]+)" height="([0-9.]+)([a-z]+)" viewBox="([-0-9.]+) ([-0-9.]+) ([0-9.]+) ([0-9.]+)")re");
    ASSERT_TRUE(std::regex_search(text, m, head)) << text.substr(0, 300);
    const double width = std::stod(m[1]), height = std::stod(m[3]);
    EXPECT_EQ(m[2], c.unit);
    EXPECT_EQ(m[4], c.unit);
    EXPECT_DOUBLE_EQ(std::stod(m[7]), width);
    EXPECT_DOUBLE_EQ(std::stod(m[8]), height);
    // The cone's and the flight's result display give the pattern's width and height.
    const json& labels = window["labels"];
    if (!c.bends) {
        EXPECT_NEAR(width, std::stod(labels["WidthX"].get<std::string>()), 1e-4 * width);
        EXPECT_NEAR(height, std::stod(labels["HeightY"].get<std::string>()), 1e-4 * height);
    }
    EXPECT_NE(text.find("<g id=\"cut\""), std::string::npos);
    EXPECT_EQ(text.find("<g id=\"bend\"") != std::string::npos, c.bends);
    EXPECT_NE(text.find(" Z\""), std::string::npos) << "the outline is a closed path";

    if (std::system("command -v rsvg-convert >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no rsvg-convert";
    const fs::path png = dir_ / "flat.png";
    ASSERT_EQ(
        std::system(("rsvg-convert -o '" + png.string() + "' '" + svg.string() + "'").c_str()), 0);
    const auto [pw, ph] = PngSize(ReadAll(png));
    EXPECT_NEAR(pw, width * c.pixelsPerUnit, 1.0);
    EXPECT_NEAR(ph, height * c.pixelsPerUnit, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Patterns, FlatSvg, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
