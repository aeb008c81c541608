// No output command writes a part that the last Calculate did not make: it says why before any
// file dialog and writes nothing.
#include "core/messages.h"
#include "engine/shop_saves.h"
#include "engine_fixture.h"

#include <filesystem>
#include <functional>
#include <utility>

using namespace brevant;
using brevant::testing::EngineInTempFolder;

namespace fs = std::filesystem;

namespace {

using Status = OutputOutcome::Status;

struct PartOutput {
    const char* file;
    std::function<OutputOutcome(LayoutEngine&)> run;
};

const PartOutput kPartOutputs[] = {
    {"flat.dxf", [](LayoutEngine& e) { return e.SaveFlatCad(); }},
    {"sheet.dxf", [](LayoutEngine& e) { return e.SaveCadSheet(); }},
    {"cam.dxf",
     [](LayoutEngine& e) {
         const bool cam = std::exchange(e.Form.CamDxfCheckBox.checked, true);
         const OutputOutcome o = e.SaveFlatCad();
         e.Form.CamDxfCheckBox.checked = cam;
         return o;
     }},
    {"solid.igs", [](LayoutEngine& e) { return e.SaveSolidCad(); }},
    {"solid.step", [](LayoutEngine& e) { return e.SaveSolidStep(); }},
    {"report.txt", [](LayoutEngine& e) { return e.WriteDimensionFile(); }},
    {"pattern.pdf", [](LayoutEngine& e) { return e.SavePatternPdf(); }},
    {"flat.svg", [](LayoutEngine& e) { return MenuSaveFlatSvgClick(e); }},
};

class UncalculatedOutput : public EngineInTempFolder {
protected:
    UncalculatedOutput() : EngineInTempFolder("uncalc") {}
    // Every part output is refused with this message, asks for no file and writes none.
    void ExpectEveryOutputRefused(const std::string& why) {
        for (const PartOutput& out : kPartOutputs) {
            SCOPED_TRACE(out.file);
            const fs::path file = dir / out.file;
            host.files = {file.string()};
            host.messages.clear();
            host.saveRequests.clear();
            const OutputOutcome o = out.run(e);
            EXPECT_EQ(o.status, Status::Refused);
            EXPECT_EQ(o.message, why);
            EXPECT_EQ(host.Titles(), std::vector<std::string>{why});
            EXPECT_TRUE(host.saveRequests.empty());
            EXPECT_FALSE(fs::exists(file));
            host.files.clear();
        }
    }
};

TEST_F(UncalculatedOutput, NothingCalculatedAsksForACalculationFirst) {
    ExpectEveryOutputRefused(kMsgCalculateFirst);
    EXPECT_EQ(e.OutputRefusal(), kMsgCalculateFirst);
}

TEST_F(UncalculatedOutput, AFailedCalculationGivesItsOwnMessage) {
    // A square to round with the height cleared: the views of the part before must not be
    // written as this one.
    ChooseType(kLayoutSquare);
    auto& f = e.Form;
    f.SquareTopDiameter.text = "10", f.SquareWidth.text = "20", f.SquareLength.text = "20";
    f.SquareHeight.text = "10";
    e.CalculateMenuClick();
    ASSERT_EQ(e.OutputRefusal(), "");
    f.SquareHeight.text = "";
    e.CalculateMenuClick();
    ExpectEveryOutputRefused(kMsgNotEnough);
}

// A cone whose pattern is larger than the drawing holds (a few 1e9 wide): its results show,
// but no view or file gets the part of the pattern that fits, as if it were the whole.
TEST_F(UncalculatedOutput, APatternTooLargeToDrawIsNeitherShownNorWritten) {
    TypeCone("400000000", "900000000", "700000000");
    EXPECT_EQ(e.Form.StatusLabel.text, kMsgTooLargeToDraw);
    EXPECT_FALSE(e.Form.LargeRadius.text.empty());
    EXPECT_TRUE(e.Form.RegularDataDisplay.visible);
    EXPECT_EQ(e.CadDraw1.Elements().Count(), 0);
    ExpectEveryOutputRefused(kMsgTooLargeToDraw);
    // One a little smaller is drawn and written.
    TypeCone("40000000", "90000000", "70000000");
    EXPECT_EQ(e.OutputRefusal(), "");
    EXPECT_GT(e.CadDraw1.Elements().Count(), 0);
}

TEST_F(UncalculatedOutput, ACalculatedPartIsWrittenUntilAnotherTypeIsChosen) {
    TypeCone("10", "20", "10");
    ASSERT_EQ(e.OutputRefusal(), "");
    for (const PartOutput& out : kPartOutputs) {
        SCOPED_TRACE(out.file);
        host.files = {(dir / out.file).string()};
        EXPECT_EQ(out.run(e).status, Status::Written);
    }
    fs::remove_all(dir);
    fs::create_directories(dir);
    // The square to round page with nothing typed has no part, whatever the cone had.
    ChooseType(kLayoutSquare);
    ExpectEveryOutputRefused(kMsgCalculateFirst);
}

} // namespace
