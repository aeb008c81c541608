#include "core/form_model.h"

#include <gtest/gtest.h>

using namespace brevant;

TEST(FormModel, FindsControlsByComponentName) {
    FormModel f;
    EXPECT_EQ(f.FindEdit("ConeBottomDiameter"), &f.ConeBottomDiameter);
    EXPECT_EQ(f.FindLabel("StatusLabel")->text, "---");
    EXPECT_EQ(f.FindSpinBox("SeamSpinBox")->max, 360);
    EXPECT_EQ(f.FindEdit("StatusLabel"), nullptr);
    EXPECT_EQ(f.Find("RegularDataDisplay"), &f.RegularDataDisplay);
}

TEST(FormModel, RadioGroupsAreExclusive) {
    FormModel f;
    EXPECT_EQ(f.CheckedRadioTag("DimensionsFrom", -1), 0);
    f.CheckRadio(f.InsideRadio);
    EXPECT_FALSE(f.MiddleRadio.checked);
    EXPECT_EQ(f.CheckedRadioTag("DimensionsFrom", -1), 2);
    EXPECT_TRUE(f.LineMedium.checked); // other groups untouched
}
