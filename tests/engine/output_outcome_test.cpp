// Every output command tells what it did: written, cancelled, refused by its own rules, or
// failed with the message the window showed.
#include "core/messages.h"
#include "engine/definition_file.h"
#include "engine/layout_registry.h"
#include "engine/shop_saves.h"
#include "engine_fixture.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

using namespace brevant;
using brevant::testing::EngineInTempFolder;

namespace fs = std::filesystem;

namespace {

using Status = OutputOutcome::Status;

class OutputOutcomes : public EngineInTempFolder {
protected:
    OutputOutcomes() : EngineInTempFolder("outcome") {}
    std::string Saved(const std::string& name) const { return (dir / name).string(); }
};

struct Command {
    const char* name;
    std::function<OutputOutcome(LayoutEngine&)> run;
};

const Command kCommands[] = {
    {"flat.dxf", [](LayoutEngine& e) { return e.SaveFlatCad(); }},
    {"sheet.cdl", [](LayoutEngine& e) { return e.SaveCadSheet(); }},
    {"solid.igs", [](LayoutEngine& e) { return e.SaveSolidCad(); }},
    {"report.txt", [](LayoutEngine& e) { return e.WriteDimensionFile(); }},
    {"cone.layout", [](LayoutEngine& e) { return SaveDefinitionCommand(e); }},
};

// Every command that asks for a file, for the question before an existing file is replaced.
const Command kSaves[] = {
    {"flat.dxf", [](LayoutEngine& e) { return e.SaveFlatCad(); }},
    {"sheet.cdl", [](LayoutEngine& e) { return e.SaveCadSheet(); }},
    {"solid.igs", [](LayoutEngine& e) { return e.SaveSolidCad(); }},
    {"solid.step", [](LayoutEngine& e) { return e.SaveSolidStep(); }},
    {"report.txt", [](LayoutEngine& e) { return e.WriteDimensionFile(); }},
    {"pattern.pdf", [](LayoutEngine& e) { return e.SavePatternPdf(); }},
    {"flat.svg", [](LayoutEngine& e) { return MenuSaveFlatSvgClick(e); }},
    {"cone.layout", [](LayoutEngine& e) { return SaveDefinitionCommand(e); }},
};

} // namespace

TEST_F(OutputOutcomes, EachCommandIsWrittenCancelledOrFailedWithItsMessage) {
    TypeCone("10", "20", "10");
    for (const Command& c : kCommands) {
        SCOPED_TRACE(c.name);
        host.files = {""};
        EXPECT_EQ(c.run(e).status, Status::Cancelled);

        host.files = {Saved(c.name)};
        EXPECT_EQ(c.run(e).status, Status::Written);
        EXPECT_TRUE(fs::exists(Saved(c.name)));

        const std::string bad = Saved(std::string("missing/") + c.name);
        host.files = {bad};
        host.messages.clear();
        const OutputOutcome failed = c.run(e);
        EXPECT_EQ(failed.status, Status::Failed);
        EXPECT_NE(failed.message.find(bad), std::string::npos) << failed.message;
        ASSERT_FALSE(host.messages.empty());
        EXPECT_EQ(host.messages.back().title, failed.message);
    }
}

TEST_F(OutputOutcomes, CommandsThatWriteNothingByTheirRulesAreRefused) {
    // A straight cylinder has no dimension listing.
    TypeCone("10", "10", "10");
    host.files = {Saved("cylinder.txt")};
    EXPECT_EQ(e.WriteDimensionFile().status, Status::Refused);
    EXPECT_FALSE(fs::exists(Saved("cylinder.txt")));

    // A bad number stops the save before the dialog.
    e.Form.ConeHeight.text = "1O";
    host.files = {Saved("bad.layout")};
    EXPECT_EQ(SaveDefinitionCommand(e).status, Status::Refused);
    EXPECT_FALSE(fs::exists(Saved("bad.layout")));

    // The spiral and pipe pages have no dimension file; the outcome carries the message shown.
    for (int type : {kLayoutSpiral, kLayoutPipe}) {
        ChooseType(type);
        host.messages.clear();
        const OutputOutcome o = e.WriteDimensionFile();
        EXPECT_EQ(o.status, Status::Refused);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(o.message, host.messages[0].title);
    }
}

TEST_F(OutputOutcomes, NoSaveReplacesAFileWithoutAsking) {
    TypeCone("10", "20", "10");
    for (const Command& c : kSaves) {
        SCOPED_TRACE(c.name);
        const std::string path = Saved(c.name);
        { std::ofstream(path) << "kept"; }
        host.messages.clear();
        host.files = {path};
        host.answers = {kResultNo};
        EXPECT_EQ(c.run(e).status, Status::Cancelled);
        EXPECT_EQ(host.Titles(), std::vector<std::string>{kMsgOverwrite});
        std::ifstream in(path);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "kept");

        host.files = {path};
        host.answers = {kResultYes};
        EXPECT_EQ(c.run(e).status, Status::Written);
        EXPECT_GT(fs::file_size(path), 4u);
    }
    // A new file is written without the question.
    host.messages.clear();
    host.files = {Saved("new.dxf")};
    EXPECT_EQ(e.SaveFlatCad().status, Status::Written);
    EXPECT_TRUE(host.messages.empty());
}
