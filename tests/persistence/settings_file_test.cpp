// The settings file and dialog: defaults, the read rules, keeping unknown content, the last
// definition file at start-up, the dialog's commands and the user data folder.
#include "core/messages.h"
#include "engine/layout_registry.h"
#include "engine/settings_file.h"
#include "support/kinds.h"

#include "engine/definition_file.h"
#include "persistence/persistence_fixture.h"

using namespace brevant;
using namespace brevant::testing;

using SettingsFile = PersistenceTest;

TEST_F(SettingsFile, NoFileStartsWithDefaultsAndTheCone) {
    RecordingHost host;
    auto e = NewEngine(host);
    LoadSettings(*e, folder + "Brevant.ini");
    const FormModel& f = e->Form;
    EXPECT_EQ(f.UnitsComboBox.itemIndex, 0);
    EXPECT_EQ(f.PDFCombo.itemIndex, 0);
    EXPECT_TRUE(f.LineMedium.checked);
    EXPECT_TRUE(f.PortraitRadio.checked);
    for (const CheckBox* c : {&f.LoadLastFileCheckBox, &f.ConeBendLinesCheckBox,
                              &f.SeamLineCheckBox, &f.SideCutsCheckBox, &f.ThicknessCheckBox})
        EXPECT_FALSE(c->checked) << c->name;
    // Not an empty layout box over the pipe page and the cone picture: the cone throughout.
    EXPECT_EQ(f.LayoutComboBox.itemIndex, kLayoutCone);
    EXPECT_EQ(f.DimTabPage, kLayoutCone);
    EXPECT_EQ(f.DimImage, kLayoutCone);
    EXPECT_EQ(e->App.LastDefinitionPath, "");
    EXPECT_EQ(e->App.MaterialMass, 0);
    EXPECT_FALSE(e->Drv.BusyFlag);
    EXPECT_EQ(e->LastIOError(), "");
}

// A missing or unreadable settings file leaves the window exactly as a file holding only
// LayoutType=0 does: every control and panel alike.
TEST_F(SettingsFile, NoReadableFileMatchesAStoredConeLayout) {
    RecordingHost storedHost;
    auto stored = NewEngine(storedHost);
    Write(folder + "Stored.ini", "[Brevant]\nLayoutType=0\n");
    LoadSettings(*stored, folder + "Stored.ini");
    std::filesystem::create_directories(folder + "Folder.ini");
    for (const char* name : {"Missing.ini", "Folder.ini"}) {
        RecordingHost host;
        auto e = NewEngine(host);
        LoadSettings(*e, folder + name);
        const FormModel& a = e->Form;
        const FormModel& b = stored->Form;
        EXPECT_EQ(a.DimTabPage, b.DimTabPage) << name;
        EXPECT_EQ(a.DimImage, b.DimImage) << name;
        EXPECT_EQ(a.DisplayTab, b.DisplayTab) << name;
        for (const auto& [n, combo] : a.Combos())
            EXPECT_EQ(combo->itemIndex, b.Combos().at(n)->itemIndex) << name << " " << n;
        for (const auto& [n, panel] : a.Panels())
            EXPECT_EQ(panel->visible, b.Panels().at(n)->visible) << name << " " << n;
        for (const auto& [n, check] : a.CheckBoxes())
            EXPECT_EQ(check->checked, b.CheckBoxes().at(n)->checked) << name << " " << n;
        for (const auto& [n, radio] : a.Radios())
            EXPECT_EQ(radio->checked, b.Radios().at(n)->checked) << name << " " << n;
        for (const auto& [n, label] : a.Labels())
            EXPECT_EQ(label->text, b.Labels().at(n)->text) << name << " " << n;
    }
    // The unreadable one is also reported, naming the file.
    RecordingHost host;
    auto e = NewEngine(host);
    LoadSettings(*e, folder + "Folder.ini");
    EXPECT_NE(e->LastIOError().find("Folder.ini"), std::string::npos);
}

TEST_F(SettingsFile, ReadRulesOfTheStoredValues) {
    struct Case {
        const char* file;
        int layout, units, pdf;
        bool thin, medium, landscape;
    } cases[] = {
        {"LayoutType=7\nPDFLineThickness=5", kLayoutCone, 0, 0, false, true, false},
        {"LayoutType=2\nPDFLineThickness=0\nPDFOrientation=2", kLayoutSpiral, 0, 0, true, false,
         true},
        {"LayoutType=x\nUnits=2\nPDFSize=13\nPDFOrientation=3", kLayoutCone, 2, 13, false, true,
         false},
        {"Units=9\nPDFSize=-1", kLayoutCone, 0, 0, false, true, false},
    };
    for (const Case& c : cases) {
        RecordingHost host;
        auto e = NewEngine(host);
        LoadSettingsText(*e, std::string("[Brevant]\n") + c.file + "\n");
        EXPECT_EQ(e->LayoutType(), c.layout) << c.file;
        EXPECT_EQ(e->CurrentInputPage(), c.layout) << c.file;
        EXPECT_EQ(e->Form.UnitsComboBox.itemIndex, c.units) << c.file;
        EXPECT_EQ(e->Form.PDFCombo.itemIndex, c.pdf) << c.file;
        EXPECT_EQ(e->Form.LineThin.checked, c.thin) << c.file;
        EXPECT_EQ(e->Form.LineMedium.checked, c.medium) << c.file;
        EXPECT_EQ(e->Form.LandscapeRadio.checked, c.landscape) << c.file;
    }
}

TEST_F(SettingsFile, LineThicknessFiveIsWrittenBackAsMedium) {
    RecordingHost host;
    auto e = NewEngine(host);
    Write(folder + "Brevant.ini", "[Brevant]\nPDFLineThickness=5\n");
    LoadSettings(*e, folder + "Brevant.ini");
    ASSERT_TRUE(SaveSettings(*e, folder + "Brevant.ini"));
    EXPECT_NE(Read(folder + "Brevant.ini").find("\nPDFLineThickness=1\n"), std::string::npos);
}

TEST_F(SettingsFile, FlagsMaterialAndPanels) {
    RecordingHost host;
    auto e = NewEngine(host, ',');
    LoadSettingsText(*e, "[Brevant]\nShowBends=1\nShowSeam=0\nShowSideCut=3\nShowThickness=1\n"
                         "ThicknessSide=2\nMaterialThickness=1.5\nMaterialMass=0,283\n"
                         "MaterialName=Steel 304\nLayoutFile=/x/y.layout\n");
    const FormModel& f = e->Form;
    EXPECT_TRUE(f.ConeBendLinesCheckBox.checked && f.BendDisplay.visible);
    EXPECT_FALSE(f.SeamLineCheckBox.checked || f.SeamDisplay.visible);
    EXPECT_TRUE(f.SideCutsCheckBox.checked && f.SideCutDisplay.visible && e->Material.ShowSideCut);
    EXPECT_TRUE(f.ThicknessCheckBox.checked && f.ThicknessDisplay.visible);
    EXPECT_TRUE(f.InsideRadio.checked);
    EXPECT_EQ(e->Material.Side, kInside);
    EXPECT_EQ(f.ThicknessEdit.text, "1.5"); // as text, no conversion
    EXPECT_DOUBLE_EQ(e->App.MaterialMass, 0.283);
    EXPECT_EQ(e->App.MaterialName, "Steel 304");
    EXPECT_EQ(e->App.LastDefinitionPath, "/x/y.layout");

    // An oblique cone never shows the thickness display.
    auto o = NewEngine(host);
    ConeOf(*o).State.IsObliqueCone = true;
    LoadSettingsText(*o, "[Brevant]\nShowThickness=1\n");
    EXPECT_TRUE(o->Form.ThicknessCheckBox.checked);
    EXPECT_FALSE(o->Form.ThicknessDisplay.visible);
}

TEST_F(SettingsFile, SaveKeepsUnknownKeysAndSectionsAndWritesInOrder) {
    RecordingHost host;
    auto e = NewEngine(host);
    Write(folder + "Brevant.ini", "; hand edited\r\n[Window]\r\nLeft=10\r\n[Brevant]\r\n"
                                  "MaterialMass=0.1\r\nMaterialName=Brass\r\nUnits=1\r\n"
                                  "Future=yes\r\n\r\n[Plugins]\r\nA=1\r\n");
    LoadSettings(*e, folder + "Brevant.ini");
    e->Form.UnitsComboBox.itemIndex = kMillimeters;
    ASSERT_TRUE(SaveSettings(*e, folder + "Brevant.ini"));
    EXPECT_EQ(Read(folder + "Brevant.ini"),
              "; hand edited\r\n[Window]\r\nLeft=10\r\n[Brevant]\r\nMaterialMass=0.1\r\n"
              "MaterialName=Brass\r\nUnits=2\r\nFuture=yes\r\nPDFSize=0\r\nLayoutType=0\r\n"
              "LayoutFile=\r\nLoadLastFile=0\r\nShowBends=0\r\nShowSeam=0\r\n"
              "PDFLineThickness=1\r\nPDFOrientation=1\r\nShowThickness=0\r\nThicknessSide=0\r\n"
              "MaterialThickness=0\r\nShowSideCut=0\r\nCamDxf=0\r\n\r\n[Plugins]\r\nA=1\r\n");
}

TEST_F(SettingsFile, LoadLastFileLoadsTheDefinitionFromTheDataFolder) {
    RecordingHost host;
    auto e = NewEngine(host);
    Write(folder + "hopper.layout", "[DIMENSIONS]\nConeHeight=12\n");
    Write(folder + "Brevant.ini", "[Brevant]\nLayoutFile=hopper.layout\nLoadLastFile=1\n");
    LoadSettings(*e, folder + "Brevant.ini");
    EXPECT_EQ(e->Form.ConeHeight.text, "12");
    EXPECT_EQ(e->Form.StatusLabel.text, "file=" + folder + "hopper.layout");
    EXPECT_EQ(e->App.LastDefinitionPath, folder + "hopper.layout");
    EXPECT_TRUE(e->Form.LoadLastFileCheckBox.checked);
    EXPECT_FALSE(e->Drv.BusyFlag);

    // A last file that no longer exists (or is no file) is skipped without a message.
    auto g = NewEngine(host);
    LoadSettingsText(*g, "[Brevant]\nLayoutFile=gone.layout\nLoadLastFile=1\n");
    LoadSettingsText(*g, "[Brevant]\nLayoutFile=/dev/zero\nLoadLastFile=1\n");
    EXPECT_EQ(g->Form.Caption, kInitialCaption);
    EXPECT_FALSE(g->Drv.BusyFlag);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsFile, ThicknessInMillimetresSurvivesARestart) {
    RecordingHost host;
    auto a = NewEngine(host);
    a->Form.UnitsComboBox.itemIndex = kMillimeters;
    a->Material.Thickness = a->ToIn(3);
    a->Form.ThicknessEdit.text = "3";
    Write(folder + "job.layout", "[DIMENSIONS]\n");
    a->App.LastDefinitionPath = a->App.SessionDefinitionPath = folder + "job.layout";
    host.answer = kResultSave; // the inputs differ from the file's: saved on the question
    EXPECT_TRUE(ShutDown(*a, folder + "Brevant.ini"));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, kMsgSaveChanges);
    host.answer = kResultOk;
    EXPECT_NE(Read(folder + "job.layout").find("\nMaterialThickness=3\n"), std::string::npos);
    host.messages.clear();

    auto b = NewEngine(host);
    SettingsFormCreate(*b, folder + "Brevant.ini");
    EXPECT_EQ(b->Form.ThicknessEdit.text, "3");
    EXPECT_EQ(b->Form.Label54.text, "mm");
    EXPECT_EQ(b->App.LastDefinitionPath, folder + "job.layout");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsFile, FailedSaveIsShownAndNamesTheFile) {
    RecordingHost host;
    auto e = NewEngine(host);
    std::filesystem::create_directory(folder + "Brevant.ini");
    EXPECT_FALSE(SaveSettings(*e, folder + "Brevant.ini"));
    EXPECT_NE(e->LastIOError().find(folder + "Brevant.ini"), std::string::npos);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, e->LastIOError());
}

TEST_F(SettingsFile, DialogCreationAndOk) {
    RecordingHost host;
    auto e = NewEngine(host);
    e->App.ScreenScale = 0.5;
    e->App.UserDataFolder = "/home/ann/Documents/Quorvel/Brevant/";
    Write(folder + "Brevant.ini", "[Brevant]\nUnits=1\nShowSeam=1\n");
    SettingsFormCreate(*e, folder + "Brevant.ini");
    EXPECT_EQ(e->Form.SettingsLabel7.text, "1");
    EXPECT_EQ(e->Form.SettingsLabel4.text, "/home/ann/Documents/Quorvel/Brevant/");
    EXPECT_EQ(e->Form.UnitLabel1.text, "cm");

    const SettingsSnapshot before = BeginSettingsCommand(*e);
    e->Form.ThicknessCheckBox.checked = true;
    e->Form.UnitsComboBox.itemIndex = kMillimeters;
    SettingsOkClick(*e, folder + "Brevant.ini", before);
    EXPECT_TRUE(e->Form.SeamDisplay.visible && e->Form.SeamSpinBox.visible);
    EXPECT_TRUE(e->Form.ThicknessDisplay.visible);
    EXPECT_EQ(e->Form.UnitLabel1.text, "mm");
    EXPECT_NE(Read(folder + "Brevant.ini").find("\nShowThickness=1\n"), std::string::npos);
}

TEST_F(SettingsFile, SettingsCommandRecalculatesOnlyForBendsSeamOrUnits) {
    RecordingHost host;
    auto e = NewEngine(host);
    e->FormActivate();
    e->SetLayoutTypeFromStore(kLayoutCone);
    auto ran = [&](auto change) {
        e->Form.RegularDataDisplay.visible = true;
        const SettingsSnapshot before = BeginSettingsCommand(*e);
        change();
        EndSettingsCommand(*e, before);
        return !e->Form.RegularDataDisplay.visible;
    };
    EXPECT_FALSE(ran([&] { e->Form.ThicknessCheckBox.checked = true; }));
    EXPECT_TRUE(ran([&] { e->Form.UnitsComboBox.itemIndex = kCentimeters; }));
    EXPECT_TRUE(ran([&] { e->Form.ConeBendLinesCheckBox.checked = true; }));
    EXPECT_TRUE(ran([&] { e->Form.SeamLineCheckBox.checked = true; }));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsFile, ApplySettingValueAsTheDialogWould) {
    RecordingHost host;
    auto e = NewEngine(host);
    const FormModel& f = e->Form;
    EXPECT_TRUE(ApplySettingValue(*e, "Units", "Millimeters"));
    EXPECT_EQ(f.UnitsComboBox.itemIndex, kMillimeters);
    EXPECT_TRUE(ApplySettingValue(*e, "units", "cm"));
    EXPECT_EQ(f.UnitsComboBox.itemIndex, kCentimeters);
    EXPECT_TRUE(ApplySettingValue(*e, "PDFSize", "a4"));
    EXPECT_EQ(f.PDFCombo.itemIndex, 5);
    EXPECT_TRUE(ApplySettingValue(*e, "ShowSideCut", "true"));
    EXPECT_TRUE(f.SideCutsCheckBox.checked && e->Material.ShowSideCut);
    EXPECT_TRUE(ApplySettingValue(*e, "PDFLineThickness", "2"));
    EXPECT_TRUE(f.LineThick.checked);
    EXPECT_TRUE(ApplySettingValue(*e, "PDFOrientation", "2"));
    EXPECT_TRUE(f.LandscapeRadio.checked);
    EXPECT_TRUE(ApplySettingValue(*e, "ThicknessSide", "1"));
    EXPECT_EQ(e->Material.Side, kOutside);
    EXPECT_TRUE(ApplySettingValue(*e, "LayoutType", "3"));
    EXPECT_EQ(e->LayoutType(), kLayoutPipe);
    EXPECT_TRUE(ApplySettingValue(*e, "MaterialMass", "0.29"));
    EXPECT_DOUBLE_EQ(e->App.MaterialMass, 0.29);
    EXPECT_TRUE(ApplySettingValue(*e, "MaterialThickness", "2,5"));
    EXPECT_EQ(f.ThicknessEdit.text, "2,5");
    const std::pair<const char*, const char*> refused[] = {
        {"Units", "Furlongs"},     {"PDFSize", "14"},        {"ShowBends", "maybe"},
        {"MaterialMass", "heavy"}, {"PDFOrientation", "up"}, {"Colour", "1"}};
    for (auto [key, value] : refused)
        EXPECT_FALSE(ApplySettingValue(*e, key, value)) << key;
    EXPECT_EQ(f.UnitsComboBox.itemIndex, kCentimeters);
    EXPECT_DOUBLE_EQ(e->App.MaterialMass, 0.29);
}

TEST_F(SettingsFile, UserDataFolderPrefersDocumentsAndIsCreated) {
    const std::string docs = folder + "Documents";
    std::filesystem::create_directory(docs);
    EXPECT_EQ(FindUserDataFolder({docs, folder + "share", {}}), docs + "/Quorvel/Brevant/");
    EXPECT_TRUE(std::filesystem::is_directory(docs + "/Quorvel/Brevant"));
    EXPECT_EQ(FindUserDataFolder({folder + "NoDocs", folder + "share/", {}}),
              folder + "share/Quorvel/Brevant/");
    EXPECT_TRUE(std::filesystem::is_directory(folder + "share/Quorvel/Brevant"));
    EXPECT_EQ(FindUserDataFolder({}), "");
}
