// 200 generated parts, 50 of each layout kind, through brevant-cli --step: every run either
// writes a file that reads back as valid solids and nothing else, or writes nothing and says
// why; no run crashes. The parts reach into the corners: tilted and elliptical ends, side cuts,
// segments, thick plates on small parts, tops larger than bottoms, pipes that do not fit.
#include "support/lcg.h"
#include "support/step_read.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace brevant {
namespace {

namespace fs = std::filesystem;

constexpr int kPartsPerKind = 50;

struct Part {
    const char* type;
    std::vector<std::pair<std::string, double>> sets;
};

// A value, or 0 for about a third of the draws (the input left out).
double Sometimes(testing::Lcg& g, double lo, double hi) {
    return g.Next(0, 1) < 0.35 ? 0 : g.Next(lo, hi);
}

Part RandomCone(testing::Lcg& g) {
    const double b = g.Next(1, 60), t = g.Next(0.05, 1.1) * b;
    Part p{"cone", {{"BottomDiameter", b}, {"TopDiameter", t}, {"ConeHeight", g.Next(0.3, 50)}}};
    p.sets.push_back({"TopShift", Sometimes(g, -0.3 * b, 0.3 * b)});
    p.sets.push_back({"TopAngle", Sometimes(g, -40, 40)});
    p.sets.push_back({"BottomAngle", Sometimes(g, -30, 30)});
    p.sets.push_back({"TopEllipseWidth", Sometimes(g, 0.4 * t, t)});
    p.sets.push_back({"BottomEllipseWidth", Sometimes(g, 0.4 * b, b)});
    p.sets.push_back({"MaterialThickness", Sometimes(g, 0.01, 1)});
    p.sets.push_back({"SegmentAngle", g.Next(0, 1) < 0.2 ? g.Next(30, 360) : 0});
    if (g.Next(0, 1) < 0.3) {
        p.sets.push_back({"ShowSideCut", 1});
        p.sets.push_back({"TopCutWidth", g.Next(0.05, 1.05) * t});
        p.sets.push_back({"BottomCutWidth", g.Next(0.05, 1.05) * b});
    }
    return p;
}

Part RandomSquare(testing::Lcg& g) {
    const double w = g.Next(1, 60);
    return {"square",
            {{"SquareTopDiameter", g.Next(0.1, 1.2) * w},
             {"SquareWidth", w},
             {"SquareLength", Sometimes(g, 0.3 * w, 2 * w)},
             {"SquareHeight", g.Next(0.3, 50)},
             {"SquareTopXShift", Sometimes(g, -0.4 * w, 0.4 * w)},
             {"SquareTopYShift", Sometimes(g, -0.4 * w, 0.4 * w)},
             {"SquareTopAngle", Sometimes(g, -35, 35)},
             {"BendsPerCorner", std::floor(g.Next(4, 11))},
             {"MaterialThickness", Sometimes(g, 0.01, 1)}}};
}

Part RandomSpiral(testing::Lcg& g) {
    const double od = g.Next(1, 60);
    return {"spiral",
            {{"SpiralOD", od},
             {"SpiralID", g.Next(0.02, 1.05) * od},
             {"SpiralPitch", g.Next(0.2, 2) * od},
             {"MaterialThickness", Sometimes(g, 0.01, 1)}}};
}

Part RandomPipe(testing::Lcg& g) {
    const double db = g.Next(1, 60), ds = g.Next(0.05, 1.05) * db;
    return {"pipe",
            {{"PipeBigOD", db},
             {"PipeSmallOD", ds},
             {"PipeOffset", Sometimes(g, -0.6 * (db - ds), 0.6 * (db - ds))},
             {"MaterialThickness", Sometimes(g, 0.01, 1)}}};
}

struct Run {
    int status = -1;
    std::string err;
};

std::string Describe(const Part& p) {
    std::ostringstream s;
    s << "--type " << p.type;
    for (const auto& [key, value] : p.sets)
        s << " --set " << key << "=" << value;
    return s.str();
}

Run RunCli(const Part& p, const fs::path& step, const fs::path& err) {
    std::ostringstream cmd;
    cmd.precision(17);
    cmd << "'" << BREVANT_CLI_PATH << "' --type " << p.type;
    for (const auto& [key, value] : p.sets)
        cmd << " --set " << key << "=" << value;
    cmd << " --step '" << step.string() << "' 2>'" << err.string() << "' >/dev/null";
    const int raw = std::system(cmd.str().c_str());
    Run r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream in(err);
    r.err.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return r;
}

void Sweep(Part (*generate)(testing::Lcg&), std::uint64_t seed) {
    testing::Lcg g(seed);
    const fs::path dir = fs::temp_directory_path() / ("brevant-step-sweep-" + std::to_string(seed) +
                                                      "-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    int written = 0;
    for (int i = 0; i < kPartsPerKind; ++i) {
        const Part part = generate(g);
        SCOPED_TRACE("part " + std::to_string(i) + ": " + Describe(part));
        const fs::path step = dir / "part.step";
        fs::remove(step);
        const Run r = RunCli(part, step, dir / "stderr.txt");
        if (r.status == 3) {
            // Refused: nothing written, and the reason named.
            EXPECT_FALSE(fs::exists(step));
            EXPECT_NE(r.err.find("step: nothing written to"), std::string::npos) << r.err;
            EXPECT_NE(r.err.find(" ("), std::string::npos) << "no reason given: " << r.err;
            continue;
        }
        ASSERT_EQ(r.status, 0) << r.err;
        const test::ReadStepFile f = test::ReadStep(step.string(), "INCH");
        ASSERT_TRUE(f.Read);
        ASSERT_GE(f.Solids.size(), 1u);
        for (const test::ReadSolid& s : f.Solids) {
            EXPECT_TRUE(s.Valid);
            EXPECT_GT(s.Volume, 0);
        }
        EXPECT_EQ(f.OtherShapes, 0);
        ++written;
    }
    // Most generated parts are sound; a sweep that refuses everything tests nothing.
    EXPECT_GT(written, kPartsPerKind / 3);
    std::error_code ignored;
    fs::remove_all(dir, ignored);
}

TEST(StepSweep, Cones) {
    Sweep(RandomCone, 11);
}
TEST(StepSweep, SquaresToRound) {
    Sweep(RandomSquare, 12);
}
TEST(StepSweep, SpiralFlights) {
    Sweep(RandomSpiral, 13);
}
TEST(StepSweep, BranchPipes) {
    Sweep(RandomPipe, 14);
}

} // namespace
} // namespace brevant
