// The "Settings" command around its modal dialog: Cancel (also Escape and the window's close
// button) puts back every setting the dialog shows and writes nothing; OK with another unit
// converts the typed lengths, so the same part stays the same part, and recalculates in it.
#include "core/colors.h"
#include "core/units.h"
#include "engine/settings_file.h"
#include "engine_fixture.h"
#include "persistence/ini_values.h"
#include "support/kinds.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

using namespace brevant;
using namespace brevant::testing;

namespace {

class SettingsCommand : public EngineInTempFolder {
protected:
    SettingsCommand() : EngineInTempFolder("settings-command") {}

    std::string SettingsPath() const { return (dir / "Brevant.ini").string(); }

    // The command with the dialog's controls changed by `change` (as the bound widgets change
    // the form model while the dialog is open), then closed with OK or Cancel.
    void RunSettings(const std::function<void(FormModel&)>& change, bool ok) {
        SettingsItemClick(e, SettingsPath(), [&] {
            change(e.Form);
            return ok;
        });
    }

    // Everything the dialog shows and what follows it in the window and the material.
    std::string SettingsState() {
        const FormModel& f = e.Form;
        std::ostringstream s;
        s << "units " << f.UnitsComboBox.itemIndex << " paper " << f.PDFCombo.itemIndex;
        for (const RadioButton* r :
             {&f.LineThin, &f.LineMedium, &f.LineThick, &f.PortraitRadio, &f.LandscapeRadio})
            s << " " << r->name << "=" << r->checked;
        for (const CheckBox* c :
             {&f.LoadLastFileCheckBox, &f.ConeBendLinesCheckBox, &f.SeamLineCheckBox,
              &f.SideCutsCheckBox, &f.ThicknessCheckBox, &f.CamDxfCheckBox})
            s << " " << c->name << "=" << c->checked;
        s << " material " << e.Material.ShowSideCut << e.Material.ShowThickness;
        s << " labels " << f.UnitLabel1.text << " " << f.Label71.text << " " << f.Label54.text;
        s << " panels " << f.BendDisplay.visible << f.SeamDisplay.visible
          << f.SideCutDisplay.visible << f.ThicknessDisplay.visible;
        s << " top " << f.ConeTopDiameter.text << " thickness " << f.ThicknessEdit.text;
        return s.str();
    }

    std::string SavedSettings() const {
        std::ifstream in(SettingsPath(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    static double Number(const std::string& text) {
        double v = NAN;
        EXPECT_TRUE(ParseDecimal(text, v)) << text;
        return v;
    }
};

struct SettingChange {
    const char* what;
    std::function<void(FormModel&)> change;
};

const SettingChange kChanges[] = {
    {"units", [](FormModel& f) { f.UnitsComboBox.itemIndex = kInches; }},
    {"paper", [](FormModel& f) { f.PDFCombo.itemIndex = 12; }},
    {"line weight", [](FormModel& f) { f.CheckRadio(f.LineThin); }},
    {"orientation", [](FormModel& f) { f.CheckRadio(f.PortraitRadio); }},
    {"load last file", [](FormModel& f) { f.LoadLastFileCheckBox.checked ^= true; }},
    {"bend lines", [](FormModel& f) { f.ConeBendLinesCheckBox.checked ^= true; }},
    {"seam line", [](FormModel& f) { f.SeamLineCheckBox.checked ^= true; }},
    {"side cuts", [](FormModel& f) { f.SideCutsCheckBox.checked ^= true; }},
    {"thickness", [](FormModel& f) { f.ThicknessCheckBox.checked ^= true; }},
    {"cutting-machine DXF", [](FormModel& f) { f.CamDxfCheckBox.checked ^= true; }},
    {"all at once",
     [](FormModel& f) {
         f.UnitsComboBox.itemIndex = kCentimeters;
         f.PDFCombo.itemIndex = 0;
         f.CheckRadio(f.LineMedium);
         f.CheckRadio(f.PortraitRadio);
         for (CheckBox* c : {&f.LoadLastFileCheckBox, &f.ConeBendLinesCheckBox, &f.SeamLineCheckBox,
                             &f.SideCutsCheckBox, &f.ThicknessCheckBox, &f.CamDxfCheckBox})
             c->checked ^= true;
     }},
};

} // namespace

// Settings away from the defaults (millimetres, A4, thick lines, landscape, some check boxes
// on) and a calculated cone: whatever the dialog changed, Cancel leaves the program exactly as
// it was, recalculates nothing and writes no settings file.
TEST_F(SettingsCommand, CancelPutsBackEverySettingTheDialogShows) {
    for (const auto& [key, value] : {std::pair{"Units", "mm"},
                                     {"PDFSize", "A4"},
                                     {"PDFLineThickness", "2"},
                                     {"PDFOrientation", "2"},
                                     {"ShowSeam", "1"},
                                     {"ShowThickness", "1"},
                                     {"CamDxf", "1"}})
        ASSERT_TRUE(ApplySettingValue(e, key, value)) << key;
    e.UpdateUnitLabels();
    e.Form.ThicknessEdit.text = "3";
    TypeCone("250", "500", "300");
    ASSERT_TRUE(e.Form.RegularDataDisplay.visible);
    host.messages.clear();
    for (const SettingChange& c : kChanges) {
        SCOPED_TRACE(c.what);
        const std::string before = SettingsState();
        std::string open;
        e.Form.RegularDataDisplay.visible = false; // a recalculation would show it again
        SettingsItemClick(e, SettingsPath(), [&] {
            c.change(e.Form);
            open = SettingsState();
            return false;
        });
        EXPECT_NE(open, before); // the change did reach the form while the dialog was open
        EXPECT_EQ(SettingsState(), before);
        EXPECT_FALSE(e.Form.RegularDataDisplay.visible);
        e.Form.RegularDataDisplay.visible = true;
    }
    EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
    EXPECT_TRUE(host.messages.empty());
}

// OK with another unit: every typed length (input pages of every kind, sheet, overlap,
// material thickness) is converted with all its digits, so going back gives the typed numbers
// again; angles, counts, empty fields and texts that are no number stay as they are. The
// labels of every page show the new unit and the settings file holds it. (The pipe page is on
// show, with nothing typed, so the recalculation writes nothing into the cone's fields.)
TEST_F(SettingsCommand, OkConvertsTypedLengthsBetweenEveryPairOfUnits) {
    ChooseType(kLayoutPipe);
    const UnitSystem units[] = {kInches, kCentimeters, kMillimeters};
    for (const UnitSystem from : units)
        for (const UnitSystem to : units) {
            if (from == to) continue;
            SCOPED_TRACE(std::string(UnitShortName(from)) + " to " + UnitShortName(to));
            ChangeUnits(e, from);
            FormModel& f = e.Form;
            f.ConeTopDiameter.text = "10";
            f.ConeHeight.text = "2*6.5";
            f.ConeBottomDiameter.text = "";
            f.ConeTopAngle.text = "30";
            f.Overlap.text = "1,5x"; // no number: Calculate reports it in the new unit too
            f.SheetWidth.text = "1200.5";
            f.ThicknessEdit.text = "0.25";
            f.SpiralODEdit.text = "8";
            f.NumberOfBendsLabel.text = "6";
            RunSettings([to](FormModel& m) { m.UnitsComboBox.itemIndex = to; }, true);
            const double k = UnitFactor(from) / UnitFactor(to);
            EXPECT_NEAR(Number(f.ConeTopDiameter.text), 10 * k, 1e-12 * k);
            EXPECT_NEAR(Number(f.ConeHeight.text), 13 * k, 1e-12 * k);
            EXPECT_NEAR(Number(f.SheetWidth.text), 1200.5 * k, 1e-9 * k);
            EXPECT_NEAR(Number(f.ThicknessEdit.text), 0.25 * k, 1e-12 * k);
            EXPECT_NEAR(Number(f.SpiralODEdit.text), 8 * k, 1e-12 * k);
            EXPECT_EQ(f.ConeBottomDiameter.text, "");
            EXPECT_EQ(f.ConeTopAngle.text, "30");
            EXPECT_EQ(f.Overlap.text, "1,5x");
            EXPECT_EQ(f.NumberOfBendsLabel.text, "6");
            for (const Label* l :
                 {&f.UnitLabel1, &f.UnitLabel20, &f.Label71, &f.Label79, &f.Label54})
                EXPECT_EQ(l->text, UnitShortName(to)) << l->name;
            EXPECT_NE(SavedSettings().find("Units=" + std::to_string(to)), std::string::npos);

            RunSettings([from](FormModel& m) { m.UnitsComboBox.itemIndex = from; }, true);
            EXPECT_EQ(f.ConeTopDiameter.text, "10");
            EXPECT_EQ(f.ConeHeight.text, "13");
            EXPECT_EQ(f.SheetWidth.text, "1200.5");
            EXPECT_EQ(f.ThicknessEdit.text, "0.25");
        }
}

// OK without a change of unit changes no field, not even a formula or a text that is no
// number, and still saves the other settings.
TEST_F(SettingsCommand, OkWithTheUnitUnchangedChangesNoField) {
    ChangeUnits(e, kMillimeters);
    FormModel& f = e.Form;
    f.ConeTopDiameter.text = "2*125";
    f.ConeBottomDiameter.text = "500.123456789";
    f.SheetWidth.text = "x";
    f.ThicknessEdit.text = "3";
    const std::string fieldsBefore = f.ConeTopDiameter.text + f.ConeBottomDiameter.text +
                                     f.SheetWidth.text + f.ThicknessEdit.text;
    RunSettings([](FormModel& m) { m.PDFCombo.itemIndex = 5; }, true);
    EXPECT_EQ(f.ConeTopDiameter.text + f.ConeBottomDiameter.text + f.SheetWidth.text +
                  f.ThicknessEdit.text,
              fieldsBefore);
    const std::string saved = SavedSettings();
    EXPECT_NE(saved.find("PDFSize=5"), std::string::npos);
    EXPECT_NE(saved.find("Units=2"), std::string::npos);
}

// A cone calculated in inches from a top, a bottom and a side angle (the height written back
// in blue), then OK to millimetres: recalculated at once, the same part in absolute terms, its
// results and written-back values shown in millimetres, the written-back height still blue.
TEST_F(SettingsCommand, ACalculatedPartIsRecalculatedInTheNewUnit) {
    FormModel& f = e.Form;
    f.ConeTopDiameter.text = "10";
    f.ConeBottomDiameter.text = "20";
    f.SideAngle.text = "60";
    e.CalculateMenuClick();
    ASSERT_TRUE(host.messages.empty());
    ASSERT_EQ(f.ConeHeight.fontColor, kColorBlue);
    const ConeDefinition def = ConeOf(e).Def;
    const ConeState state = ConeOf(e).State;
    const double height = Number(f.ConeHeight.text);

    RunSettings([](FormModel& m) { m.UnitsComboBox.itemIndex = kMillimeters; }, true);
    EXPECT_TRUE(host.messages.empty());
    const ConeDefinition& now = ConeOf(e).Def;
    EXPECT_NEAR(now.TopDiameter, def.TopDiameter, 1e-5);
    EXPECT_NEAR(now.BottomDiameter, def.BottomDiameter, 1e-5);
    EXPECT_NEAR(now.ConeHeight, def.ConeHeight, 1e-5);
    EXPECT_NEAR(now.SideAngle, def.SideAngle, 1e-5);
    EXPECT_NEAR(ConeOf(e).State.FlatLargeRadius, state.FlatLargeRadius, 1e-5);
    EXPECT_NEAR(ConeOf(e).State.PatternWidth, state.PatternWidth, 1e-5);
    EXPECT_NEAR(ConeOf(e).State.FlatAngle, state.FlatAngle, 1e-4);
    EXPECT_NEAR(Number(f.LargeRadius.text), state.FlatLargeRadius * 25.4, 1e-3);
    // Solved again in millimetres (219.9705), not the shown 8.6603 in converted (219.9716).
    EXPECT_NEAR(Number(f.ConeHeight.text), def.ConeHeight * 25.4, 1e-4);
    EXPECT_NE(f.ConeHeight.text, e.FormatValue(height * 25.4));
    EXPECT_EQ(f.ConeHeight.fontColor, kColorBlue);
    EXPECT_EQ(f.UnitLabel3.text, "mm");
    EXPECT_TRUE(f.RegularDataDisplay.visible);
}

// The command line's "--set Units=..." after a definition file: the part stays the same part,
// as with OK in the dialog.
TEST_F(SettingsCommand, SettingTheUnitByKeyConvertsAsOkDoes) {
    e.Form.ConeTopDiameter.text = "10";
    e.Form.ThicknessEdit.text = "0.125";
    ASSERT_TRUE(ApplySettingValue(e, "Units", "mm"));
    EXPECT_EQ(e.Form.ConeTopDiameter.text, "254");
    EXPECT_EQ(e.Form.ThicknessEdit.text, "3.175");
    EXPECT_EQ(e.Form.UnitLabel1.text, "mm");
    ASSERT_TRUE(ApplySettingValue(e, "Units", "2"));
    EXPECT_EQ(e.Form.ConeTopDiameter.text, "254");
}
