// Help > Index: the manual in the user data folder comes first, then the installed copies in
// the order the program lists them; with none of them the message names the user data copy.
#include "core/messages.h"
#include "engine_fixture.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

using namespace brevant;
using brevant::testing::EngineTest;
namespace fs = std::filesystem;

namespace {

class HelpFile : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        root = fs::temp_directory_path() / ("brevant-help-" + std::to_string(::getpid()));
        for (const char* d : {"user", "installed", "build"})
            fs::create_directories(root / d);
        e.App.UserDataFolder = (root / "user").string() + "/";
        e.App.DocFolders = {(root / "missing").string(), (root / "installed").string(),
                            (root / "build").string()};
    }
    void TearDown() override { fs::remove_all(root); }
    void Place(const char* folder) {
        std::ofstream((root / folder / "BrevantHelp.pdf").string()) << "%PDF-1.4\n";
    }
    std::string Manual(const char* folder) { return (root / folder / "BrevantHelp.pdf").string(); }
    fs::path root;
};

TEST_F(HelpFile, OpensTheFirstCopyInLookupOrder) {
    struct Case {
        std::vector<const char*> present;
        const char* opened;
    };
    const Case cases[] = {
        {{"user", "installed", "build"}, "user"},
        {{"installed", "build"}, "installed"},
        {{"build"}, "build"},
    };
    for (const Case& c : cases) {
        for (const char* d : {"user", "installed", "build"})
            fs::remove(root / d / "BrevantHelp.pdf");
        for (const char* d : c.present)
            Place(d);
        host.opened.clear();
        e.MenuHelpClick();
        EXPECT_TRUE(host.messages.empty()) << c.opened;
        ASSERT_EQ(host.opened.size(), 1u) << c.opened;
        EXPECT_TRUE(fs::equivalent(host.opened[0], Manual(c.opened))) << host.opened[0];
    }
}

TEST_F(HelpFile, NoCopyAnywhereNamesTheUserDataCopy) {
    // A folder of that name is no manual either.
    fs::create_directories(root / "installed" / "BrevantHelp.pdf");
    e.MenuHelpClick();
    EXPECT_TRUE(host.opened.empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, kMsgNoHelpFile);
    EXPECT_EQ(host.messages[0].body, Manual("user"));
}

} // namespace
