// The segmented elbow through the engine as a user drives it: its page's inputs to the results,
// the pattern, the 3D part, the report and the JSON; the messages that stop it; and a seeded
// sweep of typed values that must never give a NaN, a hang or a crash.
#include "core/messages.h"
#include "engine/definition_file.h"
#include "engine/engine_fixture.h"
#include "layouts/elbow/elbow_kind.h"
#include "layouts/elbow/elbow_messages.h"

#include <cmath>
#include <sstream>
#include <string>
#include <variant>

#include "support/lcg.h"

namespace brevant::testing {
namespace {

class ElbowDriver : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        ChooseType(e.KindIndexOf("elbow"));
        host.messages.clear();
    }
    int Calculate(const std::string& d, const std::string& r, const std::string& angle,
                  const std::string& gores = "0", bool strip = false) {
        e.Form.FindEdit("ElbowDiameterEdit")->text = d;
        e.Form.FindEdit("ElbowRadiusEdit")->text = r;
        e.Form.FindEdit("ElbowAngleEdit")->text = angle;
        e.Form.FindLabel("ElbowGoresLabel")->text = gores;
        e.Form.FindCheckBox("ElbowStripCheckBox")->checked = strip;
        host.messages.clear();
        e.CalculateMenuClick();
        return e.Drv.LastDriverCode;
    }
    // A number of the kind's results group "Elbow".
    double Result(const std::string& name) {
        for (const auto& [key, value] : Elbow().Results())
            if (key == "Elbow")
                for (const auto& [k, v] : std::get<ResultGroup>(value.Value))
                    if (k == name) return std::get<double>(v.Value);
        ADD_FAILURE() << name;
        return 0;
    }
    bool PatternFinite() const {
        for (const FlatStroke& s : Elbow().Pattern().Strokes) {
            bool finite = true;
            std::visit(
                [&](const auto& shape) {
                    using T = std::decay_t<decltype(shape)>;
                    if constexpr (std::is_same_v<T, FlatLine>)
                        finite =
                            std::isfinite(shape.From.x + shape.From.y + shape.To.x + shape.To.y);
                    else if constexpr (std::is_same_v<T, FlatArc>)
                        finite = std::isfinite(shape.Centre.x + shape.Centre.y + shape.Radius +
                                               shape.StartAngle + shape.EndAngle);
                },
                s.Shape);
            if (!finite) return false;
        }
        return true;
    }
    const ElbowKind& Elbow() const {
        return static_cast<const ElbowKind&>(e.Kind(e.KindIndexOf("elbow")));
    }
};

TEST_F(ElbowDriver, DevelopsTheElbowIntoEveryOutput) {
    e.Form.FindLabel("ElbowDivisionsLabel")->text = "12";
    ASSERT_EQ(Calculate("10", "15", "90", "3", true), kDriverDone);
    ASSERT_TRUE(host.messages.empty()) << host.messages[0].title;
    EXPECT_NEAR(Result("MitreAngle"), 22.5, 1e-9);
    EXPECT_NEAR(Result("GoreCentre"), 5.96737102, 1e-7);
    EXPECT_NEAR(Result("StripLength"), 23.86948409, 1e-7);
    // One closed outline per gore: two end gores and three middle gores.
    EXPECT_EQ(Elbow().Pattern().Outlines.size(), 5u);
    EXPECT_TRUE(e.Form.RegularDataDisplay.visible);
    EXPECT_EQ(e.Form.AngleA.text, "22.5");
    EXPECT_EQ(e.Form.StatusLabel.text,
              "Middle gore: heel 7.9565, centreline 5.9674, throat 3.9782");
    EXPECT_FALSE(e.Solid.Mesh1.Empty());
    EXPECT_EQ(std::get<RuledPiece>(Elbow().FormedSolid(e.Material).Pieces[0]).First.size(), 48u);
    // The formed gores end on their planes: the square ends and the mitre planes.
    const FormedPart part = Elbow().FormedSolid(e.Material);
    ASSERT_EQ(part.Pieces.size(), 5u);
    for (const FormedPiece& piece : part.Pieces) {
        const auto& ruled = std::get<RuledPiece>(piece);
        for (const auto& [rail, plane] : {std::pair{&ruled.First, *ruled.FirstPlane},
                                          std::pair{&ruled.Second, *ruled.SecondPlane}})
            for (const TDPoint& p : *rail) {
                const TDPoint d{p.x - plane.Point.x, p.y - plane.Point.y, p.z - plane.Point.z};
                EXPECT_NEAR(d.x * plane.Normal.x + d.y * plane.Normal.y + d.z * plane.Normal.z, 0,
                            1e-9);
            }
    }
    EXPECT_FALSE(Elbow().WireFrameOf().Frame.Entities.empty());
    const KindReport report = Elbow().Report(e.Documents());
    ASSERT_TRUE(report.Made);
    // A row per station: the seam at the throat, the end gore's cut 10 tan(11.25) from its end.
    EXPECT_NE(report.Text.find("1        0         0           1.9891      3.9782"),
              std::string::npos)
        << report.Text;
    EXPECT_NE(report.Text.find("\n49       360"), std::string::npos) << report.Text;
}

TEST_F(ElbowDriver, SeparatePiecesComeWithTheirCounts) {
    ASSERT_EQ(Calculate("10", "15", "90", "3", false), kDriverDone);
    const auto& outlines = Elbow().Pattern().Outlines;
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[0].Piece, "End gore");
    EXPECT_EQ(outlines[0].Quantity, 2);
    EXPECT_EQ(outlines[1].Piece, "Middle gore");
    EXPECT_EQ(outlines[1].Quantity, 3);
}

TEST_F(ElbowDriver, TheDiameterIsDevelopedOnThePlateMiddle) {
    e.Form.ThicknessEdit.text = "0.25";
    e.Form.CheckRadio(e.Form.OutsideRadio);
    ASSERT_EQ(Calculate("10", "15", "90", "3"), kDriverDone);
    EXPECT_NEAR(Result("StripWidth"), 3.14159265358979 * 9.75, 1e-9);
    e.Form.CheckRadio(e.Form.InsideRadio);
    ASSERT_EQ(Calculate("10", "15", "90", "3"), kDriverDone);
    EXPECT_NEAR(Result("StripWidth"), 3.14159265358979 * 10.25, 1e-9);
}

TEST_F(ElbowDriver, RefusalsSayWhyAndLeaveNoPart) {
    struct Case {
        const char *d, *r, *angle, *gores;
        std::string message;
        int code;
    };
    const Case cases[] = {
        {"10", "", "90", "3", kMsgNotEnough, kDriverNotEnough},
        {"10", "4.9", "90", "3", kMsgElbowRadius, kDriverDone},
        {"10", "15", "181", "3", kMsgElbowAngle, kDriverDone},
        {"10", "15", "-90", "3", kMsgElbowAngle, kDriverDone},
        {"10", "15", "180", "0", kMsgElbowJoint, kDriverDone},
        {"10", "15", "90", "41", kMsgElbowGores, kDriverDone},
        {"999999999", "999999999", "90", "3", kMsgTooLargeToDraw, kDriverDone},
    };
    for (const Case& c : cases) {
        // A good elbow first: a refusal must not leave its outputs behind.
        ASSERT_EQ(Calculate("10", "15", "90", "3"), kDriverDone);
        EXPECT_EQ(Calculate(c.d, c.r, c.angle, c.gores), c.code) << c.message;
        ASSERT_EQ(host.messages.size(), 1u) << c.message;
        EXPECT_EQ(host.messages[0].title, c.message);
        EXPECT_TRUE(Elbow().Pattern().Empty()) << c.message;
        EXPECT_FALSE(Elbow().Report(e.Documents()).Made) << c.message;
        EXPECT_TRUE(Elbow().FormedSolid(e.Material).Pieces.empty()) << c.message;
        EXPECT_TRUE(e.Solid.Mesh1.Empty()) << c.message;
    }
}

TEST_F(ElbowDriver, SteppersKeepTheirCountsWithinRange) {
    Label& gores = *e.Form.FindLabel("ElbowGoresLabel");
    Label& divisions = *e.Form.FindLabel("ElbowDivisionsLabel");
    EXPECT_EQ(gores.text, "0");
    EXPECT_EQ(divisions.text, "12");
    e.StepperClicked("ElbowGoresLabel", -1);
    EXPECT_EQ(gores.text, "0");
    gores.text = "40";
    e.StepperClicked("ElbowGoresLabel", 1);
    EXPECT_EQ(gores.text, "40");
    divisions.text = "2";
    e.StepperClicked("ElbowDivisionsLabel", -1);
    EXPECT_EQ(divisions.text, "2");
    e.StepperClicked("ElbowDivisionsLabel", 1);
    EXPECT_EQ(divisions.text, "3");
}

TEST_F(ElbowDriver, AFileRoundTripsItsChoicesAndFillsInTheDefaultCounts) {
    // Written by hand without the counts: twelve divisions and no middle gore.
    LoadDefinitionText(e,
                       "[DIMENSIONS]\nLayoutType=elbow\nElbowDiameter=10\nElbowRadius=15\n"
                       "ElbowAngle=60\n",
                       "/tmp/bare.layout");
    EXPECT_EQ(e.Form.FindLabel("ElbowDivisionsLabel")->text, "12");
    EXPECT_EQ(Elbow().Def.ElbowGores, 0);
    EXPECT_NEAR(Result("MitreAngle"), 60, 1e-9);
    ASSERT_EQ(Elbow().Pattern().Outlines.size(), 1u); // the end gore alone, cut twice
    EXPECT_EQ(Elbow().Pattern().Outlines[0].Quantity, 2);

    e.Form.FindLabel("ElbowGoresLabel")->text = "5";
    e.Form.FindLabel("ElbowDivisionsLabel")->text = "7";
    e.Form.FindCheckBox("ElbowSeamCheckBox")->checked = true;
    e.Form.FindCheckBox("ElbowStripCheckBox")->checked = true;
    const std::string text = DefinitionFileText(e, "");
    for (const char* line : {"ElbowGores=5", "ElbowDivisions=7", "ElbowSeam=1", "ElbowStrip=1"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    e.ClearAllInputs();
    LoadDefinitionText(e, text, "/tmp/again.layout");
    EXPECT_EQ(Elbow().Def.ElbowGores, 5);
    EXPECT_EQ(Elbow().Def.ElbowDivisions, 7);
    EXPECT_TRUE(Elbow().Def.ElbowSeam);
    EXPECT_EQ(Elbow().Pattern().Outlines.size(), 7u);
}

std::string RandomText(Lcg& rng) {
    const double pick = rng.Next(0, 1);
    if (pick < 0.05) return "";
    if (pick < 0.1) return "0";
    if (pick < 0.15) return "-" + std::to_string(rng.Next(0, 100));
    if (pick < 0.2) return "1e" + std::to_string(static_cast<int>(rng.Next(-40, 40)));
    if (pick < 0.25) return "abc";
    std::ostringstream s;
    s.precision(17);
    s << rng.Next(0, 400);
    return s.str();
}

TEST_F(ElbowDriver, NoTypedValueGivesANaNOrACrash) {
    Lcg rng(424242);
    for (int i = 0; i < 400; ++i) {
        e.Form.FindLabel("ElbowDivisionsLabel")->text =
            std::to_string(static_cast<int>(rng.Next(-5, 60)));
        const int code = Calculate(RandomText(rng), RandomText(rng), RandomText(rng),
                                   std::to_string(static_cast<int>(rng.Next(-5, 50))), i % 2 == 0);
        EXPECT_TRUE(code == kDriverDone || code == kDriverNotEnough || code == kDriverBadNumber)
            << i;
        EXPECT_TRUE(PatternFinite()) << i;
        // Drawn, or said why not.
        EXPECT_TRUE(!Elbow().Pattern().Empty() || !host.messages.empty()) << i;
        for (const TDPoint& p : e.Solid.Mesh1.Vertices)
            ASSERT_TRUE(std::isfinite(p.x + p.y + p.z)) << i;
    }
}

} // namespace
} // namespace brevant::testing
