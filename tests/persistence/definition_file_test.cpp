// Definition files: saving and loading every input, separators, defaults, the names a load
// leaves behind, keeping unknown content, failed writes and hostile files.
#include "core/messages.h"
#include "engine/definition_file.h"
#include "engine/layout_registry.h"
#include "support/kinds.h"

#include "persistence/persistence_fixture.h"
#include "persistence/text_file.h"

#include <unistd.h>

using namespace brevant;
using namespace brevant::testing;

using namespace std::string_literals;

namespace {
// Every text key with the edit that holds it.
const char* const kTextKeys[] = {
    "SegmentAngle",       "ConeHeight",        "TopDiameter",     "TopAngle",
    "BottomDiameter",     "BottomAngle",       "TopShift",        "TopEllipseWidth",
    "BottomEllipseWidth", "SideLength",        "SideAngle",       "SheetWidth",
    "SheetHeight",        "XClearance",        "YClearance",      "Overlap",
    "TopCutWidth",        "BottomCutWidth",    "TopArcLength",    "BottomArcLength",
    "SquareHeight",       "SquareTopDiameter", "SquareTopAngle",  "SquareWidth",
    "SquareLength",       "SquareTopXShift",   "SquareTopYShift", "SpiralOD",
    "SpiralID",           "SpiralPitch",       "PipeBigOD",       "PipeSmallOD",
    "PipeOffset"};

Edit& EditOf(LayoutEngine& e, const char* key) {
    return *e.Form.FindEdit(e.FindField(key)->Field->control);
}
} // namespace

using DefinitionFile = PersistenceTest;

TEST_F(DefinitionFile, SavedInMillimetresLoadsBackEveryEditText) {
    RecordingHost host;
    auto a = NewEngine(host);
    a->Form.UnitsComboBox.itemIndex = kMillimeters;
    int n = 0;
    for (const char* key : kTextKeys)
        EditOf(*a, key).text = std::to_string(++n) + ".5";
    a->Form.ConeTopDiameter.text = "2*3+1";
    a->Form.SeamSpinBox.SetValue(45);
    a->Form.BendConeSpinBox.SetValue(12);
    a->Form.NumberOfBendsLabel.text = "7";
    a->Form.HalfPatternCheckBox.checked = true;
    a->Form.ThicknessCheckBox.checked = true;
    a->Form.SideCutsCheckBox.checked = true;
    a->Form.CheckRadio(a->Form.InsideRadio);
    a->Material.Thickness = a->ToIn(3);
    ASSERT_TRUE(SaveDefinition(*a, folder + "job.layout")) << a->LastIOError();

    auto b = NewEngine(host);
    b->Form.UnitsComboBox.itemIndex = kMillimeters;
    ASSERT_TRUE(LoadDefinition(*b, folder + "job.layout")) << b->LastIOError();
    for (const char* key : kTextKeys)
        EXPECT_EQ(EditOf(*b, key).text, EditOf(*a, key).text) << key;
    EXPECT_EQ(b->Form.ThicknessEdit.text, "3");
    EXPECT_EQ(b->Form.SeamSpinBox.value, 45);
    EXPECT_EQ(b->Form.BendConeSpinBox.value, 12);
    EXPECT_EQ(b->Form.NumberOfBendsLabel.text, "7");
    EXPECT_EQ(SquareOf(*b).Def.BendsPerCorner, 7);
    EXPECT_TRUE(b->Form.HalfPatternCheckBox.checked);
    EXPECT_TRUE(b->Form.ThicknessCheckBox.checked);
    EXPECT_TRUE(b->Form.SideCutsCheckBox.checked);
    EXPECT_TRUE(b->Form.SideCutDisplay.visible);
    EXPECT_TRUE(b->Form.ThicknessDisplay.visible);
    EXPECT_TRUE(b->Form.InsideRadio.checked);
    EXPECT_EQ(b->Material.Side, kInside);
    EXPECT_FALSE(b->Drv.BusyFlag);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(DefinitionFile, KeysAreWrittenInTheirOrderWithTheirEncodings) {
    RecordingHost host;
    auto e = NewEngine(host, ',');
    e->Form.BendConeSpinBox.SetValue(3); // fewer than four bends are no bends
    e->Form.SeamSpinBox.SetValue(90);
    e->Material.Thickness = 0.25f;
    const std::string text = DefinitionFileText(*e, "");
    EXPECT_EQ(text.rfind("[DIMENSIONS]\nSegmentAngle=\nConeHeight=\n", 0), 0u) << text;
    EXPECT_NE(text.find("\nSeamAngle=90\nBends=0\nTopShift="), std::string::npos);
    EXPECT_NE(text.find("\nSquareHalfPattern=0\nBendsPerCorner=4\nSpiralOD="), std::string::npos);
    EXPECT_NE(text.find("\nShowThickness=0\nThicknessSide=0\nMaterialThickness=0,25\n"
                        "ShowSideCut=0\n"),
              std::string::npos);
    e->Form.BendConeSpinBox.SetValue(4.7);
    EXPECT_NE(DefinitionFileText(*e, "").find("\nBends=4\n"), std::string::npos);
}

// A file keeps the unit it was saved in: loaded into another unit, its lengths are converted
// and its angles stay; loaded into its own, every text comes back as saved.
TEST_F(DefinitionFile, LengthsKeepTheirSizeInEveryUnit) {
    const UnitSystem units[] = {kInches, kCentimeters, kMillimeters};
    for (UnitSystem saved : units)
        for (UnitSystem loaded : units) {
            SCOPED_TRACE(std::to_string(saved) + " -> " + std::to_string(loaded));
            RecordingHost host;
            auto a = NewEngine(host);
            a->Form.UnitsComboBox.itemIndex = saved;
            a->Form.ConeTopDiameter.text = "254";
            a->Form.ConeTopAngle.text = "12.5";
            a->Form.SquareWidth.text = "2*5";
            a->Material.Thickness = a->ToIn(3);
            ASSERT_TRUE(SaveDefinition(*a, folder + "u.layout")) << a->LastIOError();
            EXPECT_NE(Read(folder + "u.layout").find("\nUnits=" + std::to_string(saved) + "\n"),
                      std::string::npos);

            auto b = NewEngine(host);
            b->Form.UnitsComboBox.itemIndex = loaded;
            ASSERT_TRUE(LoadDefinition(*b, folder + "u.layout"));
            const double factor = UnitFactor(saved) / UnitFactor(loaded);
            EXPECT_NEAR(std::stod(b->Form.ConeTopDiameter.text), 254 * factor, 1e-9);
            if (saved != loaded) {
                EXPECT_NEAR(std::stod(b->Form.SquareWidth.text), 10 * factor, 1e-9);
            }
            EXPECT_NEAR(std::stod(b->Form.ThicknessEdit.text), 3 * factor, 1e-5);
            EXPECT_EQ(b->Form.ConeTopAngle.text, "12.5");
            if (saved == loaded) {
                EXPECT_EQ(b->Form.SquareWidth.text, "2*5");
            }

            // Saved again in the other unit and loaded in the first: the same size.
            ASSERT_TRUE(SaveDefinition(*b, folder + "v.layout"));
            auto c = NewEngine(host);
            c->Form.UnitsComboBox.itemIndex = saved;
            ASSERT_TRUE(LoadDefinition(*c, folder + "v.layout"));
            EXPECT_NEAR(std::stod(c->Form.ConeTopDiameter.text), 254, 1e-9);
        }
}

TEST_F(DefinitionFile, FilesWithoutAKnownUnitLoadInTheProgramsUnit) {
    for (const char* key : {"", "Units=9\n", "Units=mm\n"}) {
        SCOPED_TRACE(key);
        RecordingHost host;
        auto e = NewEngine(host);
        e->Form.UnitsComboBox.itemIndex = kMillimeters;
        LoadDefinitionText(*e, "[DIMENSIONS]\n"s + key + "TopDiameter=250\nPipeBigOD=x\n",
                           folder + "p.layout");
        EXPECT_EQ(e->Form.ConeTopDiameter.text, "250");
        EXPECT_EQ(e->Form.BigPipeDiaEdit.text, "x");
    }
    // A text that is no number is not converted: Calculate reports it.
    RecordingHost host;
    auto e = NewEngine(host);
    LoadDefinitionText(*e, "[DIMENSIONS]\nUnits=2\nTopDiameter=25.4\nPipeBigOD=x\n",
                       folder + "p.layout");
    EXPECT_EQ(e->Form.ConeTopDiameter.text, "1");
    EXPECT_EQ(e->Form.BigPipeDiaEdit.text, "x");
}

TEST_F(DefinitionFile, PointFileUnderCommaLocaleNormalisesConeAndSquareOnly) {
    RecordingHost host;
    auto e = NewEngine(host, ',');
    LoadDefinitionText(*e,
                       "[DIMENSIONS]\nTopDiameter=12.5\nSquareWidth=3.25\nSegmentAngle=1.5\n"
                       "SpiralOD=4.5\nPipeOffset=0.75\nMaterialThickness=0.125\n",
                       folder + "p.layout");
    EXPECT_EQ(e->Form.ConeTopDiameter.text, "12,5");
    EXPECT_EQ(e->Form.SquareWidth.text, "3,25");
    EXPECT_EQ(e->Form.SegmentAngleEdit.text, "1,5");
    EXPECT_EQ(e->Form.ThicknessEdit.text, "0,125");
    EXPECT_EQ(e->Form.SpiralODEdit.text, "4.5");
    EXPECT_EQ(e->Form.PipeOffsetEdit.text, "0.75");
}

TEST_F(DefinitionFile, LoadSetsCaptionStemAndLastPath) {
    RecordingHost host;
    auto e = NewEngine(host);
    const std::string path = folder + "hopper.rev.layout";
    Write(path, "[DIMENSIONS]\nConeHeight=4\n");
    ASSERT_TRUE(LoadDefinition(*e, path));
    EXPECT_EQ(e->Form.Caption, "Brevant [hopper.rev.layout]");
    EXPECT_EQ(e->App.CurrentDefinitionName, "hopper");
    EXPECT_EQ(e->App.LastDefinitionPath, path);
    EXPECT_EQ(e->DefaultFileName("dxf"), folder + "hopper.dxf");
}

TEST_F(DefinitionFile, MissingKeysAndSectionGiveDefaults) {
    RecordingHost host;
    auto e = NewEngine(host);
    e->Form.ConeHeight.text = "9";
    e->Form.NumberOfBendsLabel.text = "8";
    e->Form.HalfPatternCheckBox.checked = true;
    e->Form.CheckRadio(e->Form.OutsideRadio);
    e->Form.SeamSpinBox.SetValue(30);
    LoadDefinitionText(*e, "[OTHER]\nConeHeight=5\nBends=x\n", folder + "x.layout");
    EXPECT_EQ(e->Form.ConeHeight.text, "");
    EXPECT_EQ(e->Form.NumberOfBendsLabel.text, "4");
    EXPECT_FALSE(e->Form.HalfPatternCheckBox.checked);
    EXPECT_TRUE(e->Form.MiddleRadio.checked);
    EXPECT_EQ(e->Form.SeamSpinBox.value, 0);
    LoadDefinitionText(*e, "[DIMENSIONS]\nBends=seven\nSeamAngle=12.5\nShowSideCut=-2\n",
                       folder + "x.layout");
    EXPECT_EQ(e->Form.BendConeSpinBox.value, 0); // not an integer: the default
    EXPECT_EQ(e->Form.SeamSpinBox.value, 0);
    EXPECT_TRUE(e->Form.SideCutsCheckBox.checked); // any non-zero integer is true
}

TEST_F(DefinitionFile, BendsPerCornerStaysWithinTheStepperLimits) {
    RecordingHost host;
    auto e = NewEngine(host);
    const std::pair<const char*, const char*> cases[] = {
        {"2147483647", "10"}, {"-5", "4"}, {"0", "4"}, {"6", "6"}};
    for (auto [stored, shown] : cases) {
        LoadDefinitionText(*e, std::string("[DIMENSIONS]\nBendsPerCorner=") + stored,
                           folder + "x.layout");
        EXPECT_EQ(e->Form.NumberOfBendsLabel.text, shown) << stored;
    }
}

TEST_F(DefinitionFile, SaveKeepsUnknownContentAndPlacesBareNamesInTheDataFolder) {
    RecordingHost host;
    auto e = NewEngine(host);
    const std::string old = "; made by hand\n[Notes]\nCustomer=Acme\n[DIMENSIONS]\n"
                            "Extra=keep\nConeHeight=1\n";
    Write(folder + "cone.layout", old);
    e->Form.ConeHeight.text = "7";
    ASSERT_TRUE(SaveDefinition(*e, "cone.layout"));
    const std::string text = Read(folder + "cone.layout");
    EXPECT_EQ(text.rfind("; made by hand\n[Notes]\nCustomer=Acme\n[DIMENSIONS]\nExtra=keep\n"
                         "ConeHeight=7\nSegmentAngle=\nTopDiameter=",
                         0),
              0u)
        << text;
    EXPECT_EQ(e->App.LastDefinitionPath, folder + "cone.layout");
    EXPECT_EQ(e->Form.Caption, "Brevant [cone.layout]");
}

TEST_F(DefinitionFile, QuietRecalculationAfterLoadShowsNoMessage) {
    RecordingHost host;
    auto e = NewEngine(host);
    e->FormActivate();
    e->SetLayoutTypeFromStore(kLayoutCone);
    e->Form.RegularDataDisplay.visible = true;
    LoadDefinitionText(*e, "[DIMENSIONS]\nTopDiameter=10\n", folder + "x.layout");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(e->Form.RegularDataDisplay.visible); // the dispatcher ran
}

TEST_F(DefinitionFile, SaveNamesTheLayoutTypeOnShowAndLoadChoosesIt) {
    RecordingHost host;
    auto a = NewEngine(host);
    a->FormActivate();
    a->SetLayoutTypeFromStore(kLayoutSpiral);
    EXPECT_EQ(DefinitionFileText(*a, "").rfind("[DIMENSIONS]\nLayoutType=spiral\n", 0), 0u);
    a->Form.SquareWidth.text = "20";
    a->SetLayoutTypeFromStore(kLayoutSquare);
    ASSERT_TRUE(SaveDefinition(*a, "job.layout"));

    auto b = NewEngine(host);
    b->FormActivate();
    b->SetLayoutTypeFromStore(kLayoutCone);
    ASSERT_TRUE(LoadDefinition(*b, folder + "job.layout"));
    EXPECT_EQ(b->LayoutType(), kLayoutSquare);
    EXPECT_EQ(b->CurrentInputPage(), kLayoutSquare);
    EXPECT_EQ(b->Form.DimImage, kLayoutSquare);
    EXPECT_EQ(b->Form.SquareWidth.text, "20");

    // An existing file's type is replaced where it stands.
    b->SetLayoutTypeFromStore(kLayoutPipe);
    ASSERT_TRUE(SaveDefinition(*b, "job.layout"));
    const std::string text = Read(folder + "job.layout");
    EXPECT_EQ(text.rfind("[DIMENSIONS]\nLayoutType=pipe\n", 0), 0u) << text;
    EXPECT_EQ(text.find("LayoutType=square"), std::string::npos);
}

TEST_F(DefinitionFile, StoredLayoutTypeIsChosenOnlyWhenKnownAndWanted) {
    RecordingHost host;
    auto e = NewEngine(host);
    e->FormActivate();
    struct Case {
        const char* line; // the type line of the file
        StoredType choice;
        int shown; // the type on show afterwards (the cone was chosen)
    };
    const Case cases[] = {
        {"LayoutType=square", StoredType::Choose, kLayoutSquare},
        {"layouttype = PIPE ", StoredType::Choose, kLayoutPipe},
        {"LayoutType=square", StoredType::Keep, kLayoutCone},
        {"LayoutType=nosuchkind", StoredType::Choose, kLayoutCone},
        {"LayoutType=1", StoredType::Choose, kLayoutCone},
        {"LayoutType=", StoredType::Choose, kLayoutCone},
        {"", StoredType::Choose, kLayoutCone},
    };
    for (const Case& c : cases) {
        e->SetLayoutTypeFromStore(kLayoutCone);
        LoadDefinitionText(*e, "[DIMENSIONS]\n"s + c.line + "\nSquareWidth=7\n",
                           folder + "x.layout", c.choice);
        EXPECT_EQ(e->LayoutType(), c.shown) << c.line;
        EXPECT_EQ(e->CurrentInputPage(), c.shown) << c.line;
        EXPECT_EQ(e->Form.SquareWidth.text, "7") << c.line;
    }
}

// Saving writes the controls as they stand and leaves the calculation alone: the calculated
// side length and angle keep their full precision (the edits show them rounded), the status
// line keeps the calculation's note. Only the window's save adopts the file's name.
TEST_F(DefinitionFile, SavingLeavesTheCalculationAsItWas) {
    const char* const definitions[] = {
        "[DIMENSIONS]\nTopDiameter=10\nBottomDiameter=20\nConeHeight=10\n",
        "[DIMENSIONS]\nTopDiameter=12\nBottomDiameter=12\nConeHeight=24\nTopAngle=22.5\n"};
    for (const char* definition : definitions) {
        RecordingHost host;
        host.answer = kResultYes; // the second save replaces the first's file
        auto e = NewEngine(host);
        e->FormActivate();
        e->SetLayoutTypeFromStore(kLayoutCone);
        LoadDefinitionText(*e, definition, folder + "job.layout");
        e->CalculateMenuClick();
        const float sideLength = ConeOf(*e).Def.SideLength;
        const float sideAngle = ConeOf(*e).Def.SideAngle;
        const std::string status = e->Form.StatusLabel.text;
        ASSERT_GT(sideLength, 0) << definition;
        const std::pair<SavedName, const char*> saves[] = {
            {SavedName::Keep, "Brevant [job.layout]"}, {SavedName::Adopt, "Brevant [copy.layout]"}};
        for (auto [name, caption] : saves) {
            host.saveAnswer = folder + "copy.layout";
            ASSERT_TRUE(SaveDefinitionCommand(*e, name).written());
            EXPECT_EQ(ConeOf(*e).Def.SideLength, sideLength) << definition;
            EXPECT_EQ(ConeOf(*e).Def.SideAngle, sideAngle) << definition;
            EXPECT_EQ(e->Form.StatusLabel.text, status) << definition;
            EXPECT_EQ(e->Form.Caption, caption) << definition;
        }
        // Only the question before the second save replaced the first's file.
        for (const MessageRequest& m : host.messages)
            EXPECT_EQ(m.title, kMsgOverwrite);
    }
}

TEST_F(DefinitionFile, MissingFileLoadsNothingAndLeavesBusySet) {
    RecordingHost host;
    auto e = NewEngine(host);
    e->Form.ConeHeight.text = "9";
    EXPECT_FALSE(LoadDefinition(*e, folder + "nothere.layout"));
    EXPECT_EQ(e->Form.ConeHeight.text, "9");
    EXPECT_TRUE(e->Drv.BusyFlag);
    EXPECT_EQ(e->Form.Caption, kInitialCaption);
    EXPECT_NE(e->LastIOError().find("nothere.layout"), std::string::npos);
}

TEST_F(DefinitionFile, FailedWriteKeepsTheOldFileAndNamesFileAndReason) {
    RecordingHost host;
    auto e = NewEngine(host);
    // A path that is a folder.
    std::filesystem::create_directory(folder + "taken.layout");
    EXPECT_FALSE(SaveDefinition(*e, folder + "taken.layout"));
    EXPECT_NE(e->LastIOError().find(folder + "taken.layout"), std::string::npos);
    EXPECT_NE(e->LastIOError().find("folder"), std::string::npos);
    EXPECT_EQ(e->Form.Caption, kInitialCaption);

    // A folder that does not exist.
    EXPECT_FALSE(SaveDefinition(*e, folder + "none/x.layout"));
    EXPECT_NE(e->LastIOError().find(folder + "none/x.layout"), std::string::npos);
    EXPECT_NE(e->LastIOError().find("No such file"), std::string::npos) << e->LastIOError();

    // A read-only folder (root may write anyway: then there is nothing to show).
    const std::string locked = folder + "locked/";
    std::filesystem::create_directory(locked);
    Write(locked + "old.layout", "[DIMENSIONS]\nConeHeight=1\n");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_exec);
    if (::access(locked.c_str(), W_OK) == 0) GTEST_SKIP() << "running with write access";
    e->Form.ConeHeight.text = "2";
    EXPECT_FALSE(SaveDefinition(*e, locked + "old.layout"));
    EXPECT_EQ(Read(locked + "old.layout"), "[DIMENSIONS]\nConeHeight=1\n");
    EXPECT_NE(e->LastIOError().find(locked + "old.layout"), std::string::npos);
    EXPECT_NE(e->LastIOError().find("denied"), std::string::npos) << e->LastIOError();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(locked), {}), 1);

    // A read-only file in a writable folder.
    Write(folder + "ro.layout", "[DIMENSIONS]\n");
    std::filesystem::permissions(folder + "ro.layout", std::filesystem::perms::owner_read);
    EXPECT_FALSE(SaveDefinition(*e, folder + "ro.layout"));
    EXPECT_EQ(Read(folder + "ro.layout"), "[DIMENSIONS]\n");
    EXPECT_NE(e->LastIOError().find("denied"), std::string::npos) << e->LastIOError();
}

TEST_F(DefinitionFile, MenuSaveReportsAFailedWrite) {
    RecordingHost host;
    auto e = NewEngine(host);
    std::filesystem::create_directory(folder + "dir.layout");
    host.saveAnswer = folder + "dir.layout";
    MenuSaveDefinitionClick(*e);
    ASSERT_EQ(host.dialogs.size(), 1u);
    EXPECT_EQ(host.dialogs[0].title, "Save Layout File");
    EXPECT_EQ(host.dialogs[0].fileName, "layout.layout");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].title.find("dir.layout"), std::string::npos);
}

TEST_F(DefinitionFile, HostileFilesLoadWithoutHarm) {
    RecordingHost host;
    auto e = NewEngine(host);
    e->FormActivate();
    e->SetLayoutTypeFromStore(kLayoutCone);
    const std::string cases[] = {
        "\0\1\2[DIMENSIONS]\0\nTopDiameter=\xff\xfe\0\n"s,
        "[DIMENSIONS]\nTopDiameter=" + std::string(200000, '9') + "\n",
        "\xFF\xFE[\0D\0I\0M\0]\0\n\0"s, // a UTF-16 file: no section is found
        std::string(100000, '['),
        std::string(100000, '\n'),
        "[DIMENSIONS]\r\rConeHeight=1\rTopDiameter=2\r",
    };
    for (const std::string& c : cases)
        LoadDefinitionText(*e, c, folder + "h.layout");
    SUCCEED();
}

TEST_F(DefinitionFile, OversizedFileIsRefused) {
    RecordingHost host;
    auto e = NewEngine(host);
    Write(folder + "big.layout", std::string(kMaxIniFileBytes + 1, 'x'));
    EXPECT_FALSE(LoadDefinition(*e, folder + "big.layout"));
    EXPECT_NE(e->LastIOError().find("too large"), std::string::npos);
    EXPECT_FALSE(SaveDefinition(*e, folder + "big.layout"));
    EXPECT_EQ(std::filesystem::file_size(folder + "big.layout"), kMaxIniFileBytes + 1);
}

TEST(DefinitionKeys, FindsEveryKeyAndItsControl) {
    RecordingHost host;
    LayoutEngine e(host);
    EXPECT_STREQ(e.FindField("XClearance")->Field->control, "XClearenceEdit");
    EXPECT_STREQ(e.FindField("bendspercorner")->Field->control, "NumberOfBendsLabel");
    EXPECT_EQ(e.FindField("Nope"), nullptr);
    for (const char* key : kTextKeys)
        EXPECT_NE(e.Form.FindEdit(e.FindField(key)->Field->control), nullptr) << key;
    EXPECT_TRUE(ApplyDefinitionValue(e, "Bends", "6"));
    EXPECT_EQ(e.Form.BendConeSpinBox.value, 6);
    EXPECT_TRUE(ApplyDefinitionValue(e, "ThicknessSide", "1"));
    EXPECT_TRUE(e.Form.OutsideRadio.checked);
    EXPECT_FALSE(ApplyDefinitionValue(e, "Nope", "1"));
}

TEST_F(DefinitionFile, MenuLoadAsksInTheDataFolderAndLoads) {
    RecordingHost host;
    auto e = NewEngine(host);
    Write(folder + "pick.layout", "[DIMENSIONS]\nPipeBigOD=8\n");
    host.openAnswer = folder + "pick.layout";
    MenuLoadDefinitionClick(*e);
    ASSERT_EQ(host.dialogs.size(), 1u);
    EXPECT_EQ(host.dialogs[0].title, "Load Layout File");
    EXPECT_EQ(host.dialogs[0].initialFolder, folder);
    EXPECT_EQ(e->Form.BigPipeDiaEdit.text, "8");
    host.openAnswer.clear(); // cancelled: nothing changes
    e->Form.BigPipeDiaEdit.text = "9";
    MenuLoadDefinitionClick(*e);
    EXPECT_EQ(e->Form.BigPipeDiaEdit.text, "9");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(DefinitionFile, SavingThroughALinkKeepsTheLinkAndLeavesNoTemporaryFile) {
    RecordingHost host;
    auto e = NewEngine(host);
    Write(folder + "real.layout", "[DIMENSIONS]\nConeHeight=1\n");
    std::filesystem::create_symlink(folder + "real.layout", folder + "link.layout");
    e->Form.ConeHeight.text = "5";
    ASSERT_TRUE(SaveDefinition(*e, folder + "link.layout")) << e->LastIOError();
    EXPECT_TRUE(std::filesystem::is_symlink(folder + "link.layout"));
    EXPECT_NE(Read(folder + "real.layout").find("ConeHeight=5\n"), std::string::npos);
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        EXPECT_FALSE(entry.path().string().ends_with(".tmp~")) << entry.path();
}
