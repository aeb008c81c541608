// The data sheet's page on a printer whose canvas another drawing left with a white dashed pen:
// the rules under the date and the results are still black solid lines.
#include "../caddraw/recording_canvas.h"
#include "documents/data_sheet.h"

#include <gtest/gtest.h>

using namespace brevant;

TEST(DataSheetPage, RulesAreBlackSolidLinesWhateverThePenWas) {
    brevant::testing::RecordingPrinter printer;
    printer.page.SetStrokeColor(0xFFFFFFFF);
    printer.page.SetDash(TDashStyle::Dot);
    DataSheetSection section;
    section.Down(1, 4, "Results: ");
    section.Rule();
    TCadDraw flat, sheet;
    ASSERT_TRUE(PrintDataSheet(printer, {section, flat, sheet, "11/12/26", ""}));
    const auto lines = printer.page.Of("line");
    ASSERT_EQ(lines.size(), 2u); // under the date and under "Results: "
    for (const auto& line : lines) {
        EXPECT_EQ(line.stroke, kColorBlack);
        EXPECT_EQ(line.dash, TDashStyle::Solid);
        EXPECT_EQ(line.width, 1);
    }
}
