#include "core/messages.h"
#include "engine_fixture.h"
#include "support/kinds.h"

#include <functional>
#include <string>
#include <utility>

using namespace brevant;
using brevant::testing::EngineTest;
using brevant::testing::RecordingHost;

using Driver = EngineTest;

TEST_F(Driver, EmptyConeAsksForDimensionsOnlyWhenNotQuiet) {
    e.CalculateMenuClick();
    EXPECT_EQ(e.Drv.LastDriverCode, kDriverNotEnough);
    EXPECT_EQ(host.Titles(), std::vector<std::string>{kMsgConeNotEnough});
    host.messages.clear();
    ChooseType(kLayoutCone); // a layout change recalculates quietly
    EXPECT_EQ(e.Drv.LastDriverCode, kDriverNotEnough);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Driver, BadNumberHidesEveryResultDisplay) {
    e.Form.RegularDataDisplay.visible = e.Form.SheetDataDisplay.visible = true;
    e.Form.ConeTopDiameter.text = "10";
    e.Form.ConeBottomDiameter.text = "2O"; // a letter O
    e.CalculateMenuClick();
    EXPECT_EQ(e.Drv.LastDriverCode, kDriverBadNumber);
    EXPECT_EQ(host.Titles(), std::vector<std::string>{"Bad number in ConeBottomDiameter"});
    for (const auto& [name, panel] : e.Form.Panels())
        EXPECT_FALSE(panel->visible) << name;
}

TEST_F(Driver, NothingCalculatesBeforeTheWindowIsReady) {
    RecordingHost fresh;
    LayoutEngine early(fresh);
    early.Startup();
    early.Form.LayoutComboBox.itemIndex = kLayoutCone;
    early.LayoutComboBoxChange();
    early.ThicknessEditChange();
    early.CalculateMenuClick();
    EXPECT_TRUE(fresh.messages.empty());
    EXPECT_EQ(early.Drv.LastDriverCode, 0);
}

TEST_F(Driver, CommitHandlerClampsShowsAndDoesNotCalculate) {
    struct Case {
        Edit* edit;
        const char* typed;
        const char* shown;
    } cases[] = {
        {&e.Form.ConeTopAngle, "45", "30"}, {&e.Form.ConeHeight, "-5", "0.01"},
        {&e.Form.ConeHeight, "2*3", "6"},   {&e.Form.SquareTopAngle, "45", "45"},
        {&e.Form.SideAngle, "100/2", "50"}, {&e.Form.SpiralODEdit, "2*6", "2*6"},
    };
    for (const auto& c : cases) {
        c.edit->text = c.typed;
        e.EditCommitted(*c.edit);
        EXPECT_EQ(c.edit->text, c.shown) << c.edit->name;
    }
    EXPECT_FLOAT_EQ(ConeOf(e).Def.TopAngle, 30);
    EXPECT_FLOAT_EQ(ConeOf(e).Def.SideAngle, 50);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(e.Drv.LastDriverCode, kDriverNotEnough); // from the layout change, not a commit
}

TEST_F(Driver, CommitStoresLengthsInInchesByPage) {
    e.Form.UnitsComboBox.itemIndex = kMillimeters;
    e.Form.ConeHeight.text = "254";
    e.EditCommitted(e.Form.ConeHeight);
    EXPECT_FLOAT_EQ(ConeOf(e).Def.ConeHeight, 10);
    ChooseType(kLayoutSquare);
    e.Form.SquareHeight.text = "127";
    e.EditCommitted(e.Form.SquareHeight);
    EXPECT_FLOAT_EQ(SquareOf(e).Def.SquareHeight, 5);
    EXPECT_FLOAT_EQ(ConeOf(e).Def.ConeHeight, 10);
}

TEST_F(Driver, BusyFlagStopsHandlers) {
    e.Drv.BusyFlag = true;
    e.Form.ConeTopAngle.text = "45";
    e.EditCommitted(e.Form.ConeTopAngle);
    EXPECT_EQ(e.Form.ConeTopAngle.text, "45");
    e.MouseUp();
    EXPECT_FALSE(e.Drv.BusyFlag);
}

TEST_F(Driver, ClearDataByLayoutType) {
    e.Form.ThicknessEdit.text = "0.25";
    e.Form.SquareWidth.text = "20";
    e.Form.BendConeSpinBox.value = 6;
    ChooseType(kLayoutSquare);
    e.ClearMenuClick();
    EXPECT_EQ(e.Form.SquareWidth.text, "");
    EXPECT_EQ(e.Form.ThicknessEdit.text, "0.25");
    ChooseType(kLayoutSpiral);
    e.ClearMenuClick();
    EXPECT_EQ(e.Form.ThicknessEdit.text, "");
    EXPECT_EQ(e.Form.BendConeSpinBox.value, 6);
    ChooseType(kLayoutCone);
    e.ClearMenuClick();
    EXPECT_EQ(e.Form.BendConeSpinBox.value, 0);
}

TEST_F(Driver, BendCountBelowFourShowsNoAngle) {
    e.Form.BendAngleLabel.text = "x";
    e.Form.BendConeSpinBox.value = 3;
    e.SpinBoxChanged(e.Form.BendConeSpinBox);
    EXPECT_EQ(e.Form.BendAngleLabel.text, "---");
    EXPECT_TRUE(host.messages.empty()); // quiet
}

TEST_F(Driver, BendAngleOnTheSquarePageIsAQuarterTurnShare) {
    ChooseType(kLayoutSquare);
    e.Form.BendConeSpinBox.value = 5;
    e.SpinBoxChanged(e.Form.BendConeSpinBox);
    EXPECT_EQ(e.Form.BendAngleLabel.text, "    18.0");
}

TEST_F(Driver, BendAngleStaysAfterEveryRecalculation) {
    e.Form.ConeTopDiameter.text = "10";
    e.Form.ConeBottomDiameter.text = "20";
    e.Form.ConeHeight.text = "10";
    e.Form.BendConeSpinBox.value = 4;
    e.SpinBoxChanged(e.Form.BendConeSpinBox);
    const std::string angle = e.Form.BendAngleLabel.text;
    ASSERT_NE(angle.find("72.0"), std::string::npos) << angle;
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"Calculate", [&] { e.CalculateMenuClick(); }},
        {"seam angle",
         [&] {
             e.Form.SeamSpinBox.value = 30;
             e.SpinBoxChanged(e.Form.SeamSpinBox);
         }},
        {"thickness", [&] { e.ThicknessEditChange(); }},
    };
    for (const auto& [name, change] : changes) {
        change();
        EXPECT_EQ(e.Form.BendAngleLabel.text, angle) << name;
    }
}

TEST_F(Driver, StatusLineKeepsACylinderMessageOnce) {
    e.ShowStatus("first");
    e.Drv.KeepStatusOnce = true;
    e.ShowStatus("");
    EXPECT_EQ(e.Form.StatusLabel.text, "first");
    e.ShowStatus("");
    EXPECT_EQ(e.Form.StatusLabel.text, "");
}

TEST_F(Driver, ResultLabelsClearedAndWeightDashed) {
    e.Form.LargeRadius.text = "1";
    e.Form.WeightLabel.text = "2";
    e.ClearResultLabels();
    EXPECT_EQ(e.Form.LargeRadius.text, "");
    EXPECT_EQ(e.Form.WeightLabel.text, "---");
}

TEST_F(Driver, OtherLayoutsCheckTheirOwnInputs) {
    struct Case {
        int type;
        std::vector<std::pair<Edit*, const char*>> typed;
        bool quiet;
        std::vector<std::string> titles;
        int code;
    } cases[] = {
        {kLayoutSquare, {}, false, {kMsgNotEnough}, kDriverNotEnough},
        {kLayoutSquare, {}, true, {}, kDriverNotEnough},
        {kLayoutSquare,
         {{&e.Form.SquareTopDiameter, "0.005"},
          {&e.Form.SquareWidth, "20"},
          {&e.Form.SquareHeight, "10"}},
         true,
         {kMsgNotEnough},
         kDriverNotEnough},
        {kLayoutSpiral, {}, false, {}, kDriverBadNumber},
        {kLayoutSpiral,
         {{&e.Form.SpiralODEdit, "12"}, {&e.Form.SpiralPitchEdit, "9"}},
         true,
         {kMsgNotEnough},
         kDriverBadNumber},
        {kLayoutSpiral,
         {{&e.Form.SpiralODEdit, "3"},
          {&e.Form.SpiralIDEdit, "12"},
          {&e.Form.SpiralPitchEdit, "9"}},
         false,
         {"Error: Small radius is larger than big radius"},
         kDriverDone},
        {kLayoutPipe, {{&e.Form.BigPipeDiaEdit, "12"}}, true, {kMsgNotEnough}, kDriverBadNumber},
        {kLayoutPipe,
         {{&e.Form.BigPipeDiaEdit, "6"}, {&e.Form.SmallPipeDiaEdit, "12"}},
         false,
         {"Error: Small pipe is larger than Main pipe"},
         kDriverDone},
        {kLayoutPipe,
         {{&e.Form.BigPipeDiaEdit, "12"},
          {&e.Form.SmallPipeDiaEdit, "6"},
          {&e.Form.PipeOffsetEdit, "4"}},
         false,
         {"Error: Small pipe is not within Main pipe"},
         kDriverDone},
    };
    for (const auto& c : cases) {
        for (int t = 0; t < 4; ++t)
            e.ClearLayoutInputs(t);
        e.Drv.BusyFlag = false;
        ChooseType(c.type);
        host.messages.clear();
        for (auto [edit, text] : c.typed)
            edit->text = text;
        const int code = e.DispatchCalculation(c.quiet);
        EXPECT_EQ(code, c.code) << c.type;
        EXPECT_EQ(host.Titles(), c.titles) << c.type;
    }
}

TEST_F(Driver, BendsPerCornerStepperStopsAtFourAndTen) {
    ChooseType(kLayoutSquare);
    host.messages.clear();
    e.StepperClicked("NumberOfBendsLabel", -1);
    EXPECT_EQ(e.Form.NumberOfBendsLabel.text, "4");
    EXPECT_EQ(host.Titles(), std::vector<std::string>{kMsgNotEnough});
    for (int i = 0; i < 8; ++i)
        e.StepperClicked("NumberOfBendsLabel", 1);
    EXPECT_EQ(e.Form.NumberOfBendsLabel.text, "10");
}

TEST_F(Driver, DefaultFileNamesAndHelp) {
    e.App.UserDataFolder = "/data/";
    EXPECT_EQ(e.DefaultFileName(""), "/data/layout");
    e.App.CurrentDefinitionName = "hopper";
    EXPECT_EQ(e.DefaultFileName("txt"), "/data/hopper.txt");
    e.MenuHelpClick();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Can't Find Help File ");
    EXPECT_EQ(host.messages[0].body, "/data/BrevantHelp.pdf");
}

TEST_F(Driver, StoredLayoutTypeOutsideTheRangeIsTheCone) {
    e.SetLayoutTypeFromStore(7);
    EXPECT_EQ(e.LayoutType(), kLayoutCone);
    EXPECT_EQ(e.Form.DimTabPage, kLayoutCone);
    e.SetLayoutTypeFromStore(3);
    EXPECT_EQ(e.Form.DimImage, 3);
}

TEST_F(Driver, AConeTooLargeToDrawSaysSo) {
    const std::pair<const char*, const char*> cases[] = {{"1E30", "Pattern too large to draw"},
                                                         {"20", ""}};
    for (auto [bottom, status] : cases) {
        e.Form.ConeTopDiameter.text = "10";
        e.Form.ConeBottomDiameter.text = bottom;
        e.Form.ConeHeight.text = "10";
        e.Form.SideAngle.text.clear();
        e.Form.SideLength.text.clear();
        e.CalculateMenuClick();
        EXPECT_EQ(e.Form.StatusLabel.text, status) << bottom;
    }
}
