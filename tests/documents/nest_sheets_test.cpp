// A nest's sheets rendered: the outlines turned and moved as the placements say, arcs bulging
// the right way on the screen, one PDF page a sheet with its caption.
#include "documents/nest_sheets.h"

#include "../caddraw/recording_canvas.h"
#include "../support/pdf_inspect.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brevant {
namespace {

// A half disc of radius 5 on the x axis, its arc bulging up (counter-clockwise), with a hole.
NestJob HalfDiscJob() {
    NestJob job;
    job.sheetWidth = 40;
    job.sheetHeight = 20;
    NestPart p;
    p.shape.outer = {{5, 0, 1}, {-5, 0, 0}};
    p.shape.holes = {{{-1, 1, 0}, {-1, 2, 0}, {1, 2, 0}, {1, 1, 0}}};
    p.quantity = 2;
    job.parts.push_back(p);
    return job;
}

NestResult TwoSheets() {
    NestResult r;
    r.sheets.resize(2);
    for (NestSheet& s : r.sheets) {
        s.width = 40;
        s.height = 20;
        s.utilisation = 0.05;
    }
    r.sheets[0].placements = {{0, 0, 0, 10, 5}};
    r.sheets[1].placements = {{0, 1, 180, 30, 15}};
    r.length = 40;
    return r;
}

TEST(NestSheets, OutlinesAreTurnedMovedAndCounterClockwise) {
    const ShopOutlines o = SheetOutlines(HalfDiscJob(), TwoSheets().sheets[1]);
    ASSERT_EQ(o.cut.size(), 2u);
    // Turned half a turn about the part's origin, then moved to (30, 15).
    EXPECT_NEAR(o.cut[0].vertices[0].x, 25, 1e-12);
    EXPECT_NEAR(o.cut[0].vertices[0].y, 15, 1e-12);
    EXPECT_EQ(o.cut[0].vertices[0].bulge, 1);
    for (const Contour& c : o.cut) {
        EXPECT_TRUE(c.closed);
        EXPECT_GT(SignedArea(c), 0); // the hole too, as the cutting-machine DXF keeps them
    }
}

TEST(NestSheets, ArcsBulgeTheWayTheyDoOnTheSheet) {
    // Turned 0 the arc bulges up (smaller y on the screen), turned 180 down.
    const NestJob job = HalfDiscJob();
    const NestResult r = TwoSheets();
    for (int s = 0; s < 2; ++s) {
        testing::RecordingCanvas canvas;
        DrawNestSheet(canvas, job, r.sheets[std::size_t(s)], 0, 0, 400, 200, 1, 2);
        const auto arcs = canvas.Of("arc");
        ASSERT_EQ(arcs.size(), 1u);
        const auto& a = arcs[0].args; // cx, cy, r, start, sweep (clockwise on the screen)
        const double mid = (a[3] + a[4] / 2) * 3.14159265358979323846 / 180;
        const double y = a[1] + a[2] * std::sin(mid);
        EXPECT_NEAR(a[2], 50, 1e-9); // 10 pixels a unit
        EXPECT_NEAR(a[4], 180, 1e-9);
        if (s == 0)
            EXPECT_NEAR(y, a[1] - 50, 1e-6) << "bulges up";
        else
            EXPECT_NEAR(y, a[1] + 50, 1e-6) << "bulges down";
        EXPECT_EQ(canvas.Of("rect").size(), 1u); // the sheet's border
    }
}

TEST(NestSheets, OnePdfPageASheetWithItsCaption) {
    TPrintPDF pdf;
    BuildNestPdf(pdf, HalfDiscJob(), TwoSheets(), kMillimeters);
    const testing::PdfView view(pdf.Document());
    ASSERT_EQ(view.Pages().size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const auto& page = view.Pages()[i];
        EXPECT_GT(page.mediaBox[2], page.mediaBox[3]); // landscape
        ASSERT_FALSE(page.texts.empty());
        EXPECT_EQ(page.texts[0],
                  "Sheet " + std::to_string(i + 1) + " of 2: 40 x 20 mm, utilisation 5.0 %");
        EXPECT_GT(page.segments.size(), 20u); // border, the arc in short lines, the hole
    }
}

} // namespace
} // namespace brevant
