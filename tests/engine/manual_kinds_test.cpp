// The manual lists the layout kinds the program has: the introduction's table of layout types and
// the settings' LayoutType numbers follow the registry, so a kind added to the registry without
// its place in the manual, or listed in another order, fails here.
#include "engine/layout_registry.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace brevant {
namespace {

std::string ManualChapter(const std::string& name) {
    std::ifstream in(std::string(BREVANT_SOURCE_DIR) + "/docs/manual/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> RegistryCaptions() {
    std::vector<std::string> captions;
    for (const auto& kind : MakeLayoutKinds())
        captions.emplace_back(kind->Caption());
    return captions;
}

// The first cells of the table that follows the "| Layout type |" header line.
std::vector<std::string> IntroductionTable(const std::string& text) {
    std::vector<std::string> rows;
    std::istringstream lines(text);
    std::string line;
    bool inTable = false;
    while (std::getline(lines, line)) {
        if (line.rfind("| Layout type |", 0) == 0) {
            inTable = true;
            std::getline(lines, line); // the |---|---| line
            continue;
        }
        if (!inTable) continue;
        if (line.rfind("| ", 0) != 0) break;
        rows.push_back(line.substr(2, line.find(" |", 2) - 2));
    }
    return rows;
}

TEST(ManualKinds, IntroductionListsEveryKindInTheComboOrder) {
    EXPECT_EQ(IntroductionTable(ManualChapter("01-introduction.md")), RegistryCaptions());
}

TEST(ManualKinds, SettingsNumberEveryKindAsTheSettingsFileStoresIt) {
    const std::string settings = ManualChapter("09-settings.md");
    const auto line = settings.substr(settings.find("| `LayoutType` |"));
    const std::string row = line.substr(0, line.find('\n'));
    std::string expected;
    const std::vector<std::string> captions = RegistryCaptions();
    for (std::size_t i = 0; i < captions.size(); ++i)
        expected += (i ? ", " : "") + std::to_string(i) + " " + captions[i];
    EXPECT_NE(row.find(expected + " |"), std::string::npos) << row << "\nexpected: " << expected;
}

} // namespace
} // namespace brevant
