// What the data sheet says for every layout type: each number with its unit in the unit the
// program works in, the values the result display shows, and the definition file of this session
// (or none, whatever the settings remember from an earlier run).
#include "engine/definition_file.h"
#include "engine/nest_definitions.h"
#include "engine_fixture.h"

#include <algorithm>
#include <cctype>
#include <regex>
#include <set>
#include <string>
#include <vector>

using namespace brevant;

namespace {

const std::string kExamples = std::string(BREVANT_SOURCE_DIR) + "/examples/";

// The numbers of a text that are not followed by a unit. A number may be followed by more
// numbers of the same size ("30 x 24 R 4 in", "96 X 48 in", "0.5 in, 0.5 in") before its unit.
std::vector<std::string> NumbersWithoutUnit(const std::string& text,
                                            const std::set<std::string>& units) {
    static const std::regex number(R"([-+]?\d+(?:[.,]\d+)?(?:[eE][-+]?\d+)?)");
    static const std::regex then(
        R"(^(?:\s*(?:x|X|R|,)\s*[-+]?\d+(?:[.,]\d+)?(?:[eE][-+]?\d+)?)*\s(\S+))");
    std::vector<std::string> bare;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
         it != std::sregex_iterator(); ++it) {
        const std::string rest = it->suffix().str();
        std::smatch unit;
        std::string word = std::regex_search(rest, unit, then) ? unit.str(1) : "";
        if (!word.empty() && word.back() == ',') word.pop_back();
        if (!units.count(word)) bare.push_back(it->str() + " (then \"" + word + "\")");
    }
    return bare;
}

// Cells whose numbers are counts, and the file line, whose path may hold digits.
bool WithoutUnits(const std::string& text) {
    for (const char* label :
         {"Number of Corner Bends: ", "Middle Gores: ", "Divisions: ", "File Name: "})
        if (text.rfind(label, 0) == 0) return true;
    return false;
}

std::vector<std::string> Texts(const DataSheetSection& s) {
    std::vector<std::string> texts;
    for (const SheetCell& c : s.Cells)
        if (c.Kind != SheetCell::Op::Rule) texts.push_back(c.Text);
    if (s.PrintsSheet) texts.insert(texts.end(), {s.SheetStatement, s.Clearances});
    return texts;
}

class DataSheetContent : public brevant::testing::EngineInTempFolder {
protected:
    DataSheetContent() : EngineInTempFolder("sheet-content") {}
    DataSheetSection Section() { return e.CurrentKind()->DataSheet(e.Form, e.Documents()); }
    std::vector<std::string> Lines() { return Texts(Section()); }
    static bool HasLine(const std::vector<std::string>& lines, const std::string& text) {
        return std::find(lines.begin(), lines.end(), text) != lines.end();
    }
};

} // namespace

TEST_F(DataSheetContent, EveryNumberOfEveryLayoutTypeCarriesTheProgramsUnit) {
    struct Units {
        int index;
        std::set<std::string> names;
    };
    const Units systems[] = {{0, {"in", "in\u00b2", "deg", "lb", "pcs."}},
                             {2, {"mm", "mm\u00b2", "deg", "kg", "pcs."}}};
    const char* examples[] = {"hopper-cone",     "offset-reducer",   "mitred-cylinder",
                              "square-to-round", "conveyor-flight",  "branch-pipe",
                              "offset-hopper",   "rounded-to-round", "lobster-elbow"};
    // The weight is printed with the thickness, as the result display shows it.
    e.Form.ThicknessCheckBox.checked = true;
    for (const Units& u : systems)
        for (const char* example : examples) {
            e.Form.UnitsComboBox.itemIndex = u.index;
            const std::string path = kExamples + example + ".layout";
            ASSERT_TRUE(LoadDefinition(e, path)) << path;
            ASSERT_EQ(e.OutputRefusal(), "") << example;
            const std::vector<std::string> lines = Lines();
            bool numbers = false;
            for (const std::string& line : lines) {
                if (WithoutUnits(line)) continue;
                numbers = numbers || std::any_of(line.begin(), line.end(), [](unsigned char c) {
                              return std::isdigit(c) != 0;
                          });
                EXPECT_EQ(NumbersWithoutUnit(line, u.names), std::vector<std::string>{})
                    << example << " in " << u.index << ": \"" << line << "\"";
            }
            EXPECT_TRUE(numbers) << example;
            EXPECT_TRUE(HasLine(lines, "File Name: " + path)) << example;
        }
}

// Whatever number the result display shows for the part, the sheet prints with its unit; the
// pipe intersection, which has no result display, prints the size of its strip.
TEST_F(DataSheetContent, EachLayoutTypePrintsTheResultsItsDisplayShows) {
    const char* examples[] = {"hopper-cone",      "offset-reducer",  "mitred-cylinder",
                              "square-to-round",  "conveyor-flight", "offset-hopper",
                              "rounded-to-round", "lobster-elbow"};
    e.Form.ThicknessCheckBox.checked = true;
    e.Form.ThicknessEdit.text = "0.25";
    for (const char* example : examples) {
        ASSERT_TRUE(LoadDefinition(e, kExamples + example + ".layout")) << example;
        const FormModel& f = e.Form;
        ASSERT_TRUE(f.RegularDataDisplay.visible) << example;
        const std::string all = [&] {
            std::string text;
            for (const std::string& line : Lines())
                text += line + "\n";
            return text;
        }();
        int shown = 0;
        for (const Label* l : {&f.LargeRadius, &f.SmallRadius, &f.AngleA, &f.WidthX, &f.HeightY,
                               &f.InnerCord, &f.OuterCord}) {
            if (!l->visible || l->text.empty()) continue;
            ++shown;
            const std::string unit = l == &f.AngleA ? " deg" : " in";
            EXPECT_NE(all.find(": " + l->text + unit + "\n"), std::string::npos)
                << example << ": " << l->text << "\n"
                << all;
        }
        EXPECT_GE(shown, 2) << example;
        if (f.ThicknessDisplay.visible && f.WeightLabel.text != "---") {
            EXPECT_NE(all.find(WithAreaUnit(f.WeightLabel.text, kInches)), std::string::npos)
                << example << "\n"
                << all;
        }
    }
    ASSERT_TRUE(LoadDefinition(e, kExamples + "branch-pipe.layout"));
    const std::vector<std::string> pipe = Lines();
    for (const char* line :
         {"Pattern Width: 20.8131 in", "Pattern Height: 9.4761 in", "Least Height: 6.6252 in"})
        EXPECT_TRUE(HasLine(pipe, line)) << line;
}

TEST_F(DataSheetContent, TheFileLineNamesOnlyAFileOfThisSession) {
    // The settings remember a file from an earlier run that was not loaded in this one.
    e.App.LastDefinitionPath = (dir / "earlier.layout").string();
    TypeCone("10", "20", "10");
    EXPECT_TRUE(HasLine(Lines(), "File Name: (none)"));
    EXPECT_EQ(e.Documents().DefinitionFile, "");
    {
        // Definition files read for nesting leave the window's part as it was.
        KeptWindowPart kept(e);
        ASSERT_TRUE(LoadDefinition(e, kExamples + "branch-pipe.layout"));
    }
    EXPECT_TRUE(HasLine(Lines(), "File Name: (none)"));

    const std::string loaded = kExamples + "hopper-cone.layout";
    ASSERT_TRUE(LoadDefinition(e, loaded));
    EXPECT_TRUE(HasLine(Lines(), "File Name: " + loaded));

    const std::string saved = (dir / "saved-as.layout").string();
    ASSERT_TRUE(SaveDefinition(e, saved));
    EXPECT_TRUE(HasLine(Lines(), "File Name: " + saved));

    // A copy written for another program does not become the part's file.
    ASSERT_TRUE(SaveDefinition(e, (dir / "copy.layout").string(), SavedName::Keep));
    EXPECT_TRUE(HasLine(Lines(), "File Name: " + saved));
}

// The area and weight text of the result displays gets the area's unit; texts that are not an
// area and weight stay as they are.
TEST(AreaUnit, IsWrittenAfterTheAreaOnly) {
    struct Case {
        UnitSystem units;
        const char* shown;
        const char* printed;
    };
    const Case cases[] = {
        {kInches, "Area 526.8611 = 18.6575 lb each Steel",
         "Area 526.8611 in\u00b2 = 18.6575 lb each Steel"},
        {kMillimeters, "Area 339909,7104 = 8,4629 kg each Steel",
         "Area 339909,7104 mm\u00b2 = 8,4629 kg each Steel"},
        {kCentimeters, "Area 3399 = 8 kg each A = B", "Area 3399 cm\u00b2 = 8 kg each A = B"},
        {kInches, "---", "---"},
        {kInches, "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithAreaUnit(c.shown, c.units), c.printed) << c.shown;
}
