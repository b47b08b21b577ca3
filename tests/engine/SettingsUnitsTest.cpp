#include "engine/SettingsUnits.h"

#include <gtest/gtest.h>

namespace sylvanor {

namespace {

TEST(SettingsUnitsTest, MoisturesBecomePercent) {
  d_Settings s;
  s.Moist10Hr = 0.15f;
  s.Moist1kHr = 0.3f;
  s.DuffMoist = 0.5f;
  Settings_MoisturesToPercent(s);
  EXPECT_FLOAT_EQ(s.Moist10Hr, 15.0f);
  EXPECT_FLOAT_EQ(s.Moist1kHr, 30.0f);
  EXPECT_FLOAT_EQ(s.DuffMoist, 50.0f);
  // a wetter duff is taken as 197.2 %
  s.DuffMoist = 2.0f;
  Settings_MoisturesToPercent(s);
  EXPECT_FLOAT_EQ(s.DuffMoist, 197.2f);
}

TEST(SettingsUnitsTest, MetricSettingsBecomeEnglish) {
  d_Settings s;
  s.MinCutDia = 25.4f;  // cm
  s.ESDD = 2.54f;
  s.DuffDepth = 5.08f;
  s.FueBedDep = 30.48f;
  s.LayWid = 0.1f;  // m
  s.ScoHgt = 10.0f;
  s.Duff = 2.2417f;  // kg/m2
  s.ExiPilLoa = 0.22417f;
  s.SCRot[4] = 0.44834f;
  s.Hr1SAV = 6561.6f;  // 1/m
  s.ThinCrit = "BasalArea";
  s.ThiCriVal = 10.0f;  // m2/ha
  Settings_ToEnglish(s);
  EXPECT_NEAR(s.MinCutDia, 10.0f, 1e-4f);
  EXPECT_NEAR(s.ESDD, 1.0f, 1e-5f);
  EXPECT_NEAR(s.DuffDepth, 2.0f, 1e-5f);
  EXPECT_NEAR(s.FueBedDep, 12.0f, 1e-4f);
  EXPECT_NEAR(s.LayWid, 0.32808f, 1e-6f);
  EXPECT_NEAR(s.ScoHgt, 32.808f, 1e-4f);
  EXPECT_NEAR(s.Duff, 10.0f, 1e-4f);  // tons/acre
  EXPECT_NEAR(s.ExiPilLoa, 1.0f, 1e-5f);
  EXPECT_NEAR(s.SCRot[4], 2.0f, 1e-5f);
  EXPECT_NEAR(s.Hr1SAV, 2000.0f, 1e-2f);      // 1/ft
  EXPECT_NEAR(s.ThiCriVal, 43.5604f, 1e-3f);  // 10 * 10.764 / 2.47105 ft2/acre
}

TEST(SettingsUnitsTest, ThinningTargetByCriterion) {
  const auto converted = [](const char* criterion, float value) {
    d_Settings s;
    s.ThinCrit = criterion;
    s.ThiCriVal = value;
    Settings_ToEnglish(s);
    return s.ThiCriVal;
  };
  EXPECT_NEAR(converted("TreeDensity", 247.1f), 100.0f, 1e-3f);  // per ha -> per acre
  EXPECT_NEAR(converted("exceedingtreedensity", 247.1f), 100.0f, 1e-3f);
  EXPECT_NEAR(converted("StandDensityIndex", 494.2f), 200.0f, 1e-3f);
  EXPECT_NEAR(converted("CanopyFuelLoad", 0.44834f), 2.0f, 1e-5f);
  EXPECT_FLOAT_EQ(converted("CanopyBulkDensity", 0.1f), 0.1f);
  EXPECT_FLOAT_EQ(converted("CanopyCover", 0.4f), 0.4f);
  EXPECT_FLOAT_EQ(converted("Free", -9999.0f), -9999.0f);
}

}  // namespace

}  // namespace sylvanor
