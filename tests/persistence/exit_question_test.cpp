// Closing the program with changed inputs of a loaded or saved definition file asks whether to
// save them; nothing replaces the file without the user's answer.
#include "core/messages.h"
#include "engine/definition_file.h"
#include "engine/settings_file.h"

#include "persistence/persistence_fixture.h"

#include <filesystem>

using namespace brevant;
using namespace brevant::testing;

namespace {

constexpr const char* kHopper = "[DIMENSIONS]\nLayoutType=cone\nUnits=0\nConeHeight=10\n"
                                "TopDiameter=10\nBottomDiameter=20\n";

class ExitQuestion : public PersistenceTest {
protected:
    void SetUp() override {
        PersistenceTest::SetUp();
        job = folder + "hopper.layout";
        settings = folder + "Brevant.ini";
        Write(job, kHopper);
        e = NewEngine(host);
        e->FormActivate();
        ASSERT_TRUE(LoadDefinition(*e, job));
        host.messages.clear();
    }
    // Clear Data and another part typed, as a new user does.
    void TypeAnotherPart() {
        e->ClearMenuClick();
        e->Form.ConeTopDiameter.text = "30";
        e->Form.ConeBottomDiameter.text = "40";
        e->Form.ConeHeight.text = "5";
        e->CalculateMenuClick();
        host.messages.clear();
    }
    RecordingHost host;
    std::unique_ptr<LayoutEngine> e;
    std::string job, settings;
};

TEST_F(ExitQuestion, UnchangedInputsCloseWithoutAQuestionOrAWrite) {
    e->CalculateMenuClick(); // the answers written back are no change
    host.messages.clear();
    const auto written = std::filesystem::last_write_time(job);
    EXPECT_FALSE(DefinitionChanged(*e));
    EXPECT_TRUE(ShutDown(*e, settings));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(Read(job), kHopper);
    EXPECT_EQ(std::filesystem::last_write_time(job), written);
    EXPECT_TRUE(std::filesystem::exists(settings));
}

TEST_F(ExitQuestion, TheAnswerDecidesWhatHappensToTheFile) {
    struct Case {
        int answer;
        bool closes;
        bool fileHoldsNewPart;
    };
    const Case cases[] = {
        {kResultSave, true, true},
        {kResultDiscard, true, false},
        {kResultCancel, false, false}, // the window stays, with the typed part
        {kResultNone, false, false},   // the question closed by its frame
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        Write(job, kHopper);
        std::filesystem::remove(settings);
        ASSERT_TRUE(LoadDefinition(*e, job));
        TypeAnotherPart();
        host.answer = c.answer;
        EXPECT_EQ(ShutDown(*e, settings), c.closes);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].title, kMsgSaveChanges);
        EXPECT_EQ(host.messages[0].body, job);
        EXPECT_EQ(host.messages[0].kind, kMessageSaveDiscardCancel);
        EXPECT_EQ(Read(job).find("TopDiameter=30") != std::string::npos, c.fileHoldsNewPart);
        EXPECT_EQ(std::filesystem::exists(settings), c.closes);
        EXPECT_EQ(e->Form.ConeTopDiameter.text, "30");
        host.messages.clear();
    }
}

TEST_F(ExitQuestion, AFailedSaveKeepsTheProgramOpen) {
    TypeAnotherPart();
    std::filesystem::remove(job);
    std::filesystem::create_directory(job); // cannot be written as a file
    host.answer = kResultSave;
    EXPECT_FALSE(ShutDown(*e, settings));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_NE(host.messages[1].title.find(job), std::string::npos);
}

TEST_F(ExitQuestion, SavingTheChangesMakesThemTheFilesAgain) {
    TypeAnotherPart();
    ASSERT_TRUE(DefinitionChanged(*e));
    ASSERT_TRUE(SaveDefinition(*e, job));
    EXPECT_FALSE(DefinitionChanged(*e));
    // A copy (the command line's) leaves the current file's state as it was.
    e->Form.ConeHeight.text = "6";
    ASSERT_TRUE(SaveDefinition(*e, folder + "copy.layout", SavedName::Keep));
    EXPECT_TRUE(DefinitionChanged(*e));
}

TEST_F(ExitQuestion, WithoutACurrentFileNothingIsAsked) {
    RecordingHost fresh;
    auto other = NewEngine(fresh);
    other->Form.ConeTopDiameter.text = "30";
    EXPECT_FALSE(DefinitionChanged(*other));
    EXPECT_TRUE(ShutDown(*other, settings));
    EXPECT_TRUE(fresh.messages.empty());
}

// The settings remember the file of an earlier session; with "Load Last File" off it is not
// loaded, and a part typed now must not be offered for saving over it.
TEST_F(ExitQuestion, AFileOnlyRememberedFromTheSettingsIsNeverOffered) {
    RecordingHost fresh;
    auto other = NewEngine(fresh);
    other->App.LastDefinitionPath = job;
    other->Form.ConeTopDiameter.text = "30";
    other->Form.ConeBottomDiameter.text = "40";
    other->Form.ConeHeight.text = "5";
    other->CalculateMenuClick();
    fresh.messages.clear();
    fresh.answer = kResultSave;
    EXPECT_FALSE(DefinitionChanged(*other));
    EXPECT_TRUE(ShutDown(*other, settings));
    EXPECT_TRUE(fresh.messages.empty());
    EXPECT_EQ(Read(job), kHopper);
}

} // namespace
