// The nester on small jobs, every placement checked from outside (placement_check.h): parts
// with concave outlines, arcs and holes, on sheets and on a strip, with a clearance and the
// allowed rotations; refusals with their reasons; the same seed giving the same placements.
#include "nesting/nester.h"

#include "placement_check.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace brevant::testing {
namespace {

NestLoop Rect(double x0, double y0, double x1, double y1) {
    return {{x0, y0, 0}, {x1, y0, 0}, {x1, y1, 0}, {x0, y1, 0}};
}

NestPart Part(const char* name, NestLoop outer, int quantity, std::vector<NestLoop> holes = {}) {
    NestPart p;
    p.name = name;
    p.shape.outer = std::move(outer);
    p.shape.holes = std::move(holes);
    Orient(p.shape);
    p.quantity = quantity;
    return p;
}

// A disc of radius r about (cx, cy): two half circles.
NestLoop Disc(double cx, double cy, double r) {
    return {{cx + r, cy, 1}, {cx - r, cy, 1}};
}

// A cone sector: radii r and R about the origin, opening 200 degrees upwards.
NestLoop Sector(double r, double R) {
    const double half = 100 * 3.14159265358979 / 180;
    const double a0 = 3.14159265358979 / 2 - half, a1 = 3.14159265358979 / 2 + half;
    const double b = std::tan(2 * half / 4);
    return {{R * std::cos(a0), R * std::sin(a0), b},
            {R * std::cos(a1), R * std::sin(a1), 0},
            {r * std::cos(a1), r * std::sin(a1), -b},
            {r * std::cos(a0), r * std::sin(a0), 0}};
}

NestOptions Quick(long long evaluations = 24) {
    NestOptions o;
    o.seconds = 5; // the evaluation limit ends it first
    o.maxEvaluations = evaluations;
    o.seed = 7;
    return o;
}

NestResult Nest(const NestJob& job, const NestOptions& options = Quick()) {
    NestRun run(job, options);
    EXPECT_EQ(run.Refusal(), "");
    EXPECT_TRUE(run.Run());
    return run.Best().value_or(NestResult{});
}

NestJob Sheets(double w, double h, double clearance, std::vector<double> rotations) {
    NestJob job;
    job.sheetWidth = w;
    job.sheetHeight = h;
    job.clearance = clearance;
    job.rotations = std::move(rotations);
    return job;
}

TEST(Nester, ConcavePartsOnSeveralSheetsAreSound) {
    NestJob job = Sheets(30, 20, 0.25, {0, 90, 180, 270});
    job.parts.push_back(
        Part("ell", {{0, 0, 0}, {12, 0, 0}, {12, 3, 0}, {3, 3, 0}, {3, 9, 0}, {0, 9, 0}}, 6));
    job.parts.push_back(Part(
        "cup",
        {{0, 0, 0}, {8, 0, 0}, {8, 6, 0}, {6, 6, 0}, {6, 2, 0}, {2, 2, 0}, {2, 6, 0}, {0, 6, 0}},
        5));
    job.parts.push_back(Part("bar", Rect(0, 0, 14, 2), 4));
    const NestResult r = Nest(job);
    EXPECT_GE(r.sheets.size(), 2u);
    ExpectSoundNest(job, r);
}

TEST(Nester, ArcsAndHolesKeepTheClearanceInEighthTurns) {
    std::vector<double> steps;
    for (int a = 0; a < 360; a += 45)
        steps.push_back(a);
    NestJob job = Sheets(60, 40, 0.5, steps);
    job.parts.push_back(Part("sector", Sector(6, 12), 4));
    job.parts.push_back(Part("washer", Disc(0, 0, 4), 5, {Disc(0, 0, 2)}));
    job.parts.push_back(Part("plate", Rect(-5, -3, 5, 3), 3, {Rect(-2, -1, 2, 1)}));
    const NestResult r = Nest(job, Quick(16));
    ExpectSoundNest(job, r);
}

TEST(Nester, SmallPartsGoIntoAFramesHole) {
    // The sheet holds the frame and nothing beside it: the squares must go into its hole.
    NestJob job = Sheets(21, 21, 0.2, {0});
    job.parts.push_back(Part("frame", Rect(0, 0, 20, 20), 1, {Rect(3, 3, 17, 17)}));
    job.parts.push_back(Part("square", Rect(0, 0, 6, 6), 4));
    const NestResult r = Nest(job);
    EXPECT_EQ(r.sheets.size(), 1u);
    ExpectSoundNest(job, r);
}

TEST(Nester, PartsThatFitExactlyShareOneSheet) {
    // Four squares of half the sheet's side, no clearance: each touches its neighbours.
    NestJob job = Sheets(10, 10, 0, {0});
    job.parts.push_back(Part("square", Rect(0, 0, 5, 5), 4));
    const NestResult r = Nest(job);
    EXPECT_EQ(r.sheets.size(), 1u);
    ExpectSoundNest(job, r);
    // Strips exactly as high as the sheet.
    NestJob strips = Sheets(10, 10, 0, {0});
    strips.parts.push_back(Part("strip", Rect(0, 0, 2, 10), 5));
    const NestResult s = Nest(strips);
    EXPECT_EQ(s.sheets.size(), 1u);
    ExpectSoundNest(strips, s);
}

TEST(Nester, APartTooLongForTheSheetIsTurnedIfItMayBe) {
    NestJob job = Sheets(5, 12, 0, {0, 90});
    job.parts.push_back(Part("bar", Rect(0, 0, 10, 2), 2));
    const NestResult r = Nest(job);
    ASSERT_EQ(r.sheets.size(), 1u);
    for (const NestPlacement& p : r.sheets[0].placements)
        EXPECT_EQ(p.rotation, 90);
    ExpectSoundNest(job, r);
}

TEST(Nester, StripModeReportsItsLengthAndDensity) {
    NestJob job;
    job.mode = NestMode::kStrip;
    job.sheetHeight = 10;
    job.rotations = {0, 180};
    job.parts.push_back(
        Part("ell", {{0, 0, 0}, {6, 0, 0}, {6, 2, 0}, {2, 2, 0}, {2, 5, 0}, {0, 5, 0}}, 8));
    job.parts.push_back(Part("square", Rect(0, 0, 3, 3), 5));
    const NestResult r = Nest(job);
    ASSERT_EQ(r.sheets.size(), 1u);
    double right = 0, area = 8 * 18 + 5 * 9;
    for (const PlacedPart& p : PlacedParts(job, r))
        right = std::max(right, p.maxX);
    EXPECT_NEAR(r.length, right, 1e-9);
    EXPECT_NEAR(r.density, area / (10 * right), 1e-9);
    EXPECT_DOUBLE_EQ(r.sheets[0].width, r.length);
    ExpectSoundNest(job, r);
}

TEST(Nester, RefusesAJobWithItsReason) {
    struct Case {
        const char* what;
        NestJob job;
        const char* reason;
    };
    NestJob tooLarge = Sheets(3, 12, 0, {0});
    tooLarge.parts.push_back(Part("bar", Rect(0, 0, 10, 2), 1));
    NestJob nothing = Sheets(10, 10, 0, {0});
    nothing.parts.push_back(Part("bar", Rect(0, 0, 1, 1), 0));
    NestJob noSheet = Sheets(0, 10, 0, {0});
    noSheet.parts.push_back(Part("bar", Rect(0, 0, 1, 1), 1));
    NestJob negative = Sheets(10, 10, -1, {0});
    negative.parts.push_back(Part("bar", Rect(0, 0, 1, 1), 1));
    NestJob flat = Sheets(10, 10, 0, {0});
    flat.parts.push_back(Part("line", {{0, 0, 0}, {5, 0, 0}}, 1));
    NestJob crossing = Sheets(10, 10, 0, {0});
    crossing.parts.push_back(Part("bow tie", {{0, 0, 0}, {8, 8, 0}, {8, 0, 0}, {0, 2, 0}}, 1));
    NestJob crowded = Sheets(10, 10, 10, {0});
    crowded.parts.push_back(Part("bar", Rect(0, 0, 1, 1), 1));
    const Case cases[] = {
        {"too large in every rotation", tooLarge,
         "Part 1 (bar) does not fit on the 3 x 12 sheet in any allowed rotation."},
        {"no copies", nothing, "There is nothing to nest: no part has a quantity."},
        {"no sheet", noSheet, "The sheet's width and height must be numbers greater than 0."},
        {"negative clearance", negative, "The clearance must be a number of 0 or more."},
        {"no area", flat, "Part 1 (line) encloses no area."},
        {"crossing outline", crossing, "Part 1 (bow tie): its outline crosses itself."},
        {"clearance fills the sheet", crowded, "The clearance leaves no room on the sheet."},
    };
    for (const Case& c : cases) {
        NestRun run(c.job, Quick());
        EXPECT_EQ(run.Refusal(), c.reason) << c.what;
        EXPECT_FALSE(run.Run()) << c.what;
        EXPECT_FALSE(run.Best().has_value()) << c.what;
    }
}

std::vector<std::tuple<int, int, double, double, double>> Placements(const NestResult& r) {
    std::vector<std::tuple<int, int, double, double, double>> all;
    for (const NestSheet& s : r.sheets)
        for (const NestPlacement& p : s.placements)
            all.emplace_back(p.part, p.copy, p.rotation, p.x, p.y);
    return all;
}

TEST(Nester, TheSameSeedGivesTheSamePlacementsOnAnyNumberOfThreads) {
    NestJob job = Sheets(30, 20, 0.25, {0, 90, 180, 270});
    job.parts.push_back(
        Part("ell", {{0, 0, 0}, {12, 0, 0}, {12, 3, 0}, {3, 3, 0}, {3, 9, 0}, {0, 9, 0}}, 5));
    job.parts.push_back(Part(
        "cup",
        {{0, 0, 0}, {8, 0, 0}, {8, 6, 0}, {6, 6, 0}, {6, 2, 0}, {2, 2, 0}, {2, 6, 0}, {0, 6, 0}},
        5));
    NestOptions one = Quick(40), two = Quick(40), other = Quick(40);
    one.threads = 1;
    two.threads = 2;
    other.threads = 2;
    other.seed = 8;
    const NestResult a = Nest(job, one), b = Nest(job, two), c = Nest(job, other);
    EXPECT_EQ(Placements(a), Placements(b));
    EXPECT_EQ(a.evaluations, 40);
    EXPECT_NE(Placements(a), Placements(c)); // another seed searches elsewhere
}

TEST(Nester, CancelStopsARunAndKeepsTheBestSoFar) {
    NestJob job = Sheets(30, 20, 0.25, {0, 90, 180, 270});
    job.parts.push_back(
        Part("ell", {{0, 0, 0}, {12, 0, 0}, {12, 3, 0}, {3, 3, 0}, {3, 9, 0}, {0, 9, 0}}, 8));
    NestOptions o;
    o.seconds = 600;
    NestRun run(job, o);
    std::atomic<int> reports{0};
    std::thread worker(
        [&] { run.Run([&](const NestProgress& p) { reports += p.placed ? 1 : 0; }); });
    while (reports == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    run.Cancel();
    worker.join();
    ASSERT_TRUE(run.Best().has_value());
    ExpectSoundNest(job, *run.Best());
}

} // namespace
} // namespace brevant::testing
