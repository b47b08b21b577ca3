#include "crownfire/Halvex.h"

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

CHalvexInputsSet Bed(int lowOrHigh, int model, double windFactor) {
  CHalvexInputsSet s;
  s.LowOrHigh = lowOrHigh;
  s.FuelModel = model;
  s.WindReductionFactor = windFactor;
  s.MultiplierROS = 1;
  s.MuliplierLoadDepth = 1;
  s.MuliplierIntensity = 1;
  return s;
}

// A conifer stand that passes every check.
CHalvexInputs ValidStand() {
  CHalvexInputs in;
  in.VegType = kVegConifer;
  in.Low = Bed(0, 9, 0.25);
  in.High = Bed(1, 10, 0.5);
  in.CrownFuelLoad = 5;
  in.CrownHeatContent = 8000;
  in.CanopyBaseHeight = 30;
  in.ShrubTransFlameLength = 0;
  in.CanopyBulkDensity = 0.15;
  in.ConiferFoliarMx = 100;
  in.PercentSlope = 20;
  in.OpenWindSpeed = 0;
  in.WindDirFromUphill = 0;
  in.TemperatureF = 60;
  in.DeadHerbMx = 6;
  in.OneHourMx = 6;
  in.TenHourMx = 7;
  in.HundredHourMx = 8;
  in.LiveWoodyMx = 100;
  in.LiveHerbMx = 100;
  return in;
}

double Byram(double kWm) {
  return 0.0775 * std::pow(kWm, 0.46) * 3.281;
}

void ExpectAllFinite(const CHalvexOutputs& o) {
  for (double v : {o.TransitionFunction,
                   o.RateOfSpread,
                   o.HeatPerUnitArea,
                   o.FirelineIntensity,
                   o.FireIntensityScale,
                   o.FlameLength,
                   o.EffectiveMidflameWind,
                   o.ScorchHeight,
                   o.TorchingIndex,
                   o.CrowningIndex,
                   o.SurfacingIndex,
                   o.CrownFirelineIntensity,
                   o.CrownFlameLength,
                   o.CrownCriticalSurfaceROS,
                   o.CrownCriticalBulkDensity,
                   o.CrownCriticalCanopyCover,
                   o.CrownRActive,
                   o.CrownOCessation,
                   o.Low.RateOfSpread,
                   o.Low.HeatPerUnitArea,
                   o.Low.FirelineIntensity,
                   o.Low.FlameLength,
                   o.High.RateOfSpread,
                   o.High.HeatPerUnitArea,
                   o.High.FirelineIntensity,
                   o.High.FlameLength}) {
    EXPECT_TRUE(std::isfinite(v)) << v;
  }
}

TEST(HalvexValidationTest, DefaultsFailOnTheVegetationType) {
  CHalvexOutputs out;
  EXPECT_FALSE(CHalvexInputs().isValid(out));
  EXPECT_EQ(out.GetErrorNumber(), 2001);
  EXPECT_EQ(out.GetErrorMessage(), "Invalid VegType: -1");
}

TEST(HalvexValidationTest, DefaultTemperatureFailsLast) {
  CHalvexInputs in = ValidStand();
  in.TemperatureF = CHalvexInputs().TemperatureF;
  in.DeadHerbMx = -1;  // checked after the temperature
  CHalvexOutputs out;
  EXPECT_FALSE(in.isValid(out));
  EXPECT_EQ(out.ErrorNumber, 2007);
  EXPECT_EQ(out.ErrorDescription, "Invalid Temperature: -999");
}

TEST(HalvexValidationTest, EachCheckReportsItsNumberAndValue) {
  struct Case {
    std::function<void(CHalvexInputs&)> spoil;
    int number;
    std::string text;
  };
  const std::vector<Case> cases = {
      {[](CHalvexInputs& in) { in.Low.LowOrHigh = 2; }, 3001, "Invalid Low/High flag: 2"},
      {[](CHalvexInputs& in) { in.High.FuelModel = 0; }, 3002, "Fuel Model: 0 is invalid"},
      {[](CHalvexInputs& in) { in.Low.WindReductionFactor = 1; }, 3003,
       "LOW: Invalid Wind Reduction Factor: 1.000000"},
      {[](CHalvexInputs& in) { in.High.WindReductionFactor = 0; }, 3003,
       "HIGH: Invalid Wind Reduction Factor: 0.000000"},
      {[](CHalvexInputs& in) { in.High.MultiplierROS = 0; }, 3004,
       "HIGH: Invalid Mulitiplier ROS: 0.000000"},
      {[](CHalvexInputs& in) { in.Low.MuliplierLoadDepth = -2.5; }, 3005,
       "LOW: Invalid Mulitiplier LoadDepth: -2.500000"},
      {[](CHalvexInputs& in) {
         in.High.MuliplierIntensity = std::numeric_limits<double>::quiet_NaN();
       },
       3006, "HIGH: Invalid Mulitiplier Intensity: nan"},
      {[](CHalvexInputs& in) { in.CanopyBulkDensity = -0.5; }, 2002,
       "Invalid Canopy Bulk Density: -0.500000"},
      {[](CHalvexInputs& in) { in.PercentSlope = 181; }, 2003, "Invalid Percent Slope: 181"},
      {[](CHalvexInputs& in) { in.OpenWindSpeed = -1; }, 2004,
       "Invalid Open Wind Speed: -1.000000"},
      {[](CHalvexInputs& in) { in.WindDirFromUphill = 361; }, 2005,
       "Invalid Wind Direction From Uphill: 361"},
      {[](CHalvexInputs& in) { in.Initiation = -0.5; }, 2006, "Invalid Initiation: -0.500000"},
      {[](CHalvexInputs& in) { in.TemperatureF = 151; }, 2007, "Invalid Temperature: 151"},
      {[](CHalvexInputs& in) { in.DeadHerbMx = -1; }, 2008,
       "Invalid Dead Herbaceous Moisture Content: -1"},
      {[](CHalvexInputs& in) { in.OneHourMx = -1; }, 2009,
       "Invalid Dead 1-hour Moisture Content: -1"},
      {[](CHalvexInputs& in) { in.TenHourMx = -1; }, 2010,
       "Invalid Dead 10-hour Moisture Content: -1"},
      {[](CHalvexInputs& in) { in.HundredHourMx = -1; }, 2011,
       "Invalid Dead 100-hour Moisture Content: -1"},
      {[](CHalvexInputs& in) { in.LiveWoodyMx = -1; }, 2012,
       "Invalid Live Woody Moisture Content: -1"},
      {[](CHalvexInputs& in) { in.LiveHerbMx = -1; }, 2013,
       "Invalid Live Herbaceous Moisture Content: -1"},
  };
  for (const Case& c : cases) {
    CHalvexInputs in = ValidStand();
    c.spoil(in);
    CHalvexOutputs out;
    EXPECT_FALSE(in.isValid(out)) << c.text;
    EXPECT_EQ(out.ErrorNumber, c.number) << c.text;
    EXPECT_EQ(out.ErrorDescription, c.text);
  }

  // The edges of the ranges pass; a stand without canopy has no crown bed
  // to check.
  CHalvexInputs in = ValidStand();
  in.PercentSlope = 180;
  in.WindDirFromUphill = 360;
  in.TemperatureF = 40;
  in.Initiation = -1;
  in.CanopyBulkDensity = 0;
  in.VegType = kVegNoCanopy;
  in.High = CHalvexInputsSet();
  CHalvexOutputs out;
  EXPECT_TRUE(in.isValid(out)) << out.ErrorDescription;
  EXPECT_EQ(out.ErrorNumber, -1);
}

TEST(HalvexInputsTest, InitiationIsDerivedFromTheCanopy) {
  CHalvexInputs conifer = ValidStand();
  conifer.CanopyBaseHeight = 6.562;  // 2 m
  conifer.CalculateInitiation();
  // (0.01 x 2 x (460 + 25.9 x 100)) ^ 1.5 = 61 ^ 1.5 = 476.4252
  EXPECT_NEAR(conifer.Initiation, 476.4252, 1e-3);

  CHalvexInputs shrub = ValidStand();
  shrub.VegType = kVegShrub;
  shrub.ShrubTransFlameLength = 2.542775;  // 0.775 m
  shrub.CalculateInitiation();
  // (0.775 / 0.0775) ^ (1 / 0.46) = 10 ^ 2.173913 = 149.2496
  EXPECT_NEAR(shrub.Initiation, 149.2496, 1e-3);

  CHalvexInputs open = ValidStand();
  open.VegType = kVegNoCanopy;
  open.CalculateInitiation();
  EXPECT_EQ(open.Initiation, 0);

  // A canopy base below the ground would raise a negative number to 1.5.
  conifer = ValidStand();
  conifer.CanopyBaseHeight = -1;
  conifer.CalculateInitiation();
  EXPECT_EQ(conifer.Initiation, 0);
}

TEST(HalvexInputsTest, GivenInitiationBackFillsTheCanopy) {
  CHalvexInputs in = ValidStand();
  in.Initiation = 0;
  in.ConiferFoliarMx = 120;
  in.CalculateInitiation();
  EXPECT_EQ(in.CanopyBaseHeight, 0);
  EXPECT_EQ(in.ConiferFoliarMx, 100);
  EXPECT_EQ(in.Initiation, 0);

  in.Initiation = 1000;
  in.CalculateInitiation();
  // 1000^(2/3) / 0.01 / 3050 x 3.281 = 100 / 30.5 x 3.281 = 10.757377 ft
  EXPECT_NEAR(in.CanopyBaseHeight, 10.757377, 1e-5);
  EXPECT_EQ(in.ShrubTransFlameLength, 0);
  // Deriving from the back-filled canopy gives the same intensity.
  in.Initiation = -1;
  in.CalculateInitiation();
  EXPECT_NEAR(in.Initiation, 1000, 1e-9);

  in.VegType = kVegShrub;
  in.Initiation = 1000;
  in.CalculateInitiation();
  // 0.0775 x 1000^0.46 x 3.281 = 0.0775 x 23.98833 x 3.281 = 6.099692 ft
  EXPECT_NEAR(in.ShrubTransFlameLength, 6.099692, 1e-5);
  EXPECT_EQ(in.CanopyBaseHeight, 0);
  EXPECT_EQ(in.ConiferFoliarMx, 0);
}

TEST(HalvexInputsTest, CrownHeatPerUnitArea) {
  CHalvexInputs in = ValidStand();
  in.CalculateHPAHighConifer();
  EXPECT_NEAR(in.CrownHPA, 1836.56, 1e-9);  // 5 x 0.045914 x 8000

  in.CrownHPA = 711.20786;  // 2 ton/acre at 7745 BTU/lb
  in.CalculateHPAHighConifer();
  EXPECT_EQ(in.CrownHeatContent, 7745);
  EXPECT_NEAR(in.CrownFuelLoad, 2.0, 1e-12);

  CHalvexInputs shrub = ValidStand();
  shrub.VegType = kVegShrub;
  shrub.CalculateHPAHighConifer();
  EXPECT_EQ(shrub.CrownHPA, -1);
  EXPECT_EQ(shrub.CrownFuelLoad, 5);
}

TEST(HalvexWindFactorTest, RootsOfTheVectorSum) {
  const double c90 = std::cos(std::numbers::pi / 2);
  // Across the slope: phiW^2 + 3^2 = 5^2.
  EXPECT_NEAR(CHalvex::GetWF(1, c90, 1, 3, 5), 4, 1e-12);
  EXPECT_NEAR(CHalvex::GetWF(2, c90, 1, 3, 5), -4, 1e-12);
  // Upslope the factors add, downslope they subtract: 5 - 3 and 5 + 3.
  EXPECT_NEAR(CHalvex::GetWF(1, 1, 0, 3, 5), 2, 1e-12);
  EXPECT_NEAR(CHalvex::GetWF(1, -1, 0, 3, 5), 8, 1e-12);
  // No wind across the slope brings 3 down to 2: the discriminant
  // 4 (2^2 - 3^2) is negative and counts as 0.
  EXPECT_NEAR(CHalvex::WindFactorDiscriminant(c90, 1, 3, 2), -20, 1e-12);
  EXPECT_NEAR(CHalvex::GetWF(1, c90, 1, 3, 2), 0, 1e-12);
  EXPECT_EQ(CHalvex::GetWF(1, 0, 0, 3, 5), 0);  // no direction at all
}

// A conifer stand whose two fuel bed ratings are chosen by hand, so that
// the inversions can be followed on paper.
//   Surface bed L: rho_b 0.5, HS 400, xi 0.05, HPA 500, IR 4000, phi_s 1,
//     C 4, beta/beta_op 0.02/0.01 = 2, E 1, B 0.5, R0 1/3.281 m/min (1
//     ft/min = IR xi / (HS rho_b)), R 5 m/min, U_E 4 mph; wind factor 0.25.
//   Crown bed H: rho_b 0.334, HS 500, xi 0.05, IR 3281, phi_s 1, C 0.225,
//     beta/beta_op 0.04/0.01 = 4, E 0.5, B 1, R 12 m/min, U_E 10 mph;
//     wind factor 0.4 (conifer).
//   I0 345.91 kW/m = 100 BTU/ft/s; CBD 0.15 so RAC 20 m/min; crown HPA 1000.
class HalvexOutputsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CHalvexInputs in = ValidStand();
    in.Initiation = 345.91;
    in.CrownHPA = 1000;
    h_.SetInputs(in);
    h_.LowResult = {.BulkDensity = 0.5,
                    .ROS = 5,
                    .HeatSink = 400,
                    .HPA = 500,
                    .PropFluxRatio = 0.05,
                    .ReactionIntensity = 4000,
                    .SlopeFactor = 1,
                    .WindC = 4,
                    .PackingRatio = 0.02,
                    .OptPackingRatio = 0.01,
                    .RelPackingRatio = 2,
                    .WindE = 1,
                    .WindB = 0.5,
                    .ROS0 = 1 / 3.281,
                    .EffectiveWind = 4};
    h_.HighResult = {.BulkDensity = 0.334,
                     .ROS = 12,
                     .HeatSink = 500,
                     .HPA = 2000,
                     .PropFluxRatio = 0.05,
                     .ReactionIntensity = 3281,
                     .SlopeFactor = 1,
                     .WindC = 0.225,
                     .PackingRatio = 0.04,
                     .OptPackingRatio = 0.01,
                     .RelPackingRatio = 4,
                     .WindE = 0.5,
                     .WindB = 1,
                     .ROS0 = 1,
                     .EffectiveWind = 10};
  }
  // The critical surface rate, written as the model computes it.
  static double CriticalRate() { return 345.91 / 3.4591 / 500 * 18.2881; }
  CHalvex h_;
};

TEST_F(HalvexOutputsTest, WorkedConiferStand) {
  const CHalvexOutputs o = h_.CalculateOutputs();
  // phi_init = (100 x 60 x 0.5 x 400) / (0.05 x 500 x 4000) - 1 = 11; wind
  // upslope: phiW = 11 - 1 = 10; TI = (10 / (4 x 2^-1))^(1/0.5) / (88 x 0.25)
  // = 25 / 22.
  EXPECT_NEAR(o.TorchingIndex, 1.136364, 1e-6);
  // phi_active = (20 x 3.281 x 0.334 x 500) / (3281 x 0.05 x 3.34) - 1
  // = 10958.54 / 547.927 - 1 = 19; phiW 18; CI = 18 / (0.225 x 4^-0.5) / 35.2
  // = 160 / 35.2.
  EXPECT_NEAR(o.CrowningIndex, 4.545455, 1e-6);
  // R'init = 100 / 500 x 18.2881 = 3.65762; phi_SA = 3.65762 x 547.927 /
  // 547.927 - 1 = 2.65762; phiW 1.65762; 1.65762 / 0.1125 / 35.2 = 0.418591.
  EXPECT_NEAR(o.CrownOCessation, 0.418591, 1e-6);
  EXPECT_NEAR(o.SurfacingIndex, 4.545455, 1e-6);
  // At CI: phiW = 4 x (4.545455 x 22)^0.5 x 0.5 = 20, R'SA = 22 / 3.281 =
  // 6.705273; TF = (5 - 3.65762) / (6.705273 - 3.65762) = 0.440464.
  EXPECT_NEAR(o.TransitionFunction, 0.440464, 1e-6);
  EXPECT_EQ(o.FireType, 2);
  // R = 7 x 0.440464 + 5 = 8.083245 m/min = 24.10909 ch/h.
  EXPECT_NEAR(o.RateOfSpread, 24.10909, 1e-4);
  EXPECT_NEAR(o.Low.RateOfSpread, 14.913, 1e-9);    // 5 x 2.9826
  EXPECT_NEAR(o.High.RateOfSpread, 35.7912, 1e-9);  // 12 x 2.9826
  // The crown bed burns the canopy heat: 0.440464 x 1000 + 500.
  EXPECT_NEAR(o.HeatPerUnitArea, 940.4636, 1e-4);
  EXPECT_EQ(o.High.HeatPerUnitArea, 1000);
  EXPECT_EQ(o.Low.HeatPerUnitArea, 500);
  // I = 940.4636 x 11.349 x 8.083245 / 60 = 1437.918 kW/m = 415.7033 BTU/ft/s;
  // I_L = 500 x 11.349 x 5 / 60 = 472.875, I_H = 1000 x 11.349 x 12 / 60 =
  // 2269.8 kW/m.
  EXPECT_NEAR(o.FirelineIntensity, 415.7033, 1e-3);
  EXPECT_NEAR(o.Low.FirelineIntensity, 136.70859, 1e-4);
  EXPECT_NEAR(o.High.FirelineIntensity, 656.20121, 1e-4);
  EXPECT_NEAR(h_.HighResult.FirelineIntensity, 2269.8, 1e-9);
  EXPECT_NEAR(o.FireIntensityScale, 3.157734, 1e-6);  // log10 1437.918
  // Crown flame 0.2 x 415.7033^(2/3) = 11.140012; Byram's 0.0775 x
  // 1437.918^0.46 x 3.281 = 7.208844; blend 7.208844 + 3.931168 x 0.440464.
  EXPECT_NEAR(o.High.FlameLength, 11.140012, 1e-5);
  EXPECT_NEAR(o.FlameLength, 8.940380, 1e-5);
  EXPECT_NEAR(o.Low.FlameLength, 4.322065, 1e-5);        // Byram's of 472.875
  EXPECT_NEAR(o.EffectiveMidflameWind, 6.642781, 1e-6);  // 4 + 6 x 0.440464
  // J = 1437.918 / 3.459143 = 415.6906; J^(7/6) / (4^3 + J)^0.5 x 63 / 80.
  EXPECT_NEAR(o.ScorchHeight, 40.83179, 1e-4);
  EXPECT_NEAR(o.CrownFirelineIntensity, 100.00289, 1e-5);   // 345.91 / 3.459
  EXPECT_NEAR(o.CrownFlameLength, 3.743096, 1e-6);          // Byram's of 345.91
  EXPECT_NEAR(o.CrownCriticalSurfaceROS, 10.909217, 1e-6);  // 3.65762 x 2.9826
  EXPECT_NEAR(o.CrownCriticalBulkDensity, 0.25, 1e-12);     // 3 / 12
  EXPECT_NEAR(o.CrownRActive, 59.652, 1e-9);                // 20 x 2.9826
  EXPECT_EQ(o.CrownCriticalCanopyCover, 0);
}

TEST_F(HalvexOutputsTest, ShrubCrownBedKeepsItsOwnWindAndHeat) {
  h_.Inputs.VegType = kVegShrub;
  const CHalvexOutputs o = h_.CalculateOutputs();
  // No 3.34: phi_active = 20 x 3.34 - 1 = 65.8; phiW 64.8; the high wind
  // factor 0.5: CI = 64.8 / 0.1125 / 44 = 13.090909.
  EXPECT_NEAR(o.CrowningIndex, 13.090909, 1e-6);
  // phiW at CI = 4 x (13.090909 x 22)^0.5 x 0.5 = 33.941125; R'SA = 35.941125 /
  // 3.281 = 10.954320; TF = 1.34238 / 7.296700 = 0.183971.
  EXPECT_NEAR(o.TransitionFunction, 0.183971, 1e-6);
  EXPECT_EQ(o.High.HeatPerUnitArea, 2000);
  EXPECT_NEAR(o.FlameLength, Byram(o.FirelineIntensity * 3.459), 1e-9);
  EXPECT_NEAR(o.High.FlameLength, Byram(2000 * 11.349 * 12 / 60), 1e-9);
}

TEST_F(HalvexOutputsTest, TorchingIndexWithWindAcrossTheSlope) {
  h_.Inputs.WindDirFromUphill = 90;
  h_.Inputs.Initiation = 172.955;  // phi_init = 6 - 1 = 5
  h_.LowResult.SlopeFactor = 3;
  // phiW^2 + 3^2 = 5^2: phiW 4; (4 / 2)^2 / 22.
  EXPECT_NEAR(h_.CalculateOutputs().TorchingIndex, 0.181818, 1e-6);
  // The slope alone reaches phi_init = 5: no wind is needed.
  h_.LowResult.SlopeFactor = 5;
  EXPECT_NEAR(h_.CalculateOutputs().TorchingIndex, 0, 1e-12);
  h_.LowResult.SlopeFactor = 6;
  EXPECT_EQ(h_.CalculateOutputs().TorchingIndex, 0);
}

TEST_F(HalvexOutputsTest, FireTypesAtTheThresholds) {
  // Surface rate exactly at R'init, crown bed below RAC: no crowning.
  h_.LowResult.ROS = CriticalRate();
  CHalvexOutputs o = h_.CalculateOutputs();
  EXPECT_EQ(o.TransitionFunction, 0);
  EXPECT_EQ(o.FireType, 1);

  // Crown bed exactly at RAC: fully active.
  SetUp();
  h_.HighResult.ROS = 3.0 / 0.15;
  o = h_.CalculateOutputs();
  EXPECT_EQ(o.TransitionFunction, 1);
  EXPECT_EQ(o.FireType, 4);
  EXPECT_NEAR(o.RateOfSpread, 59.652, 1e-9);  // the crown rate, 20 x 2.9826
  EXPECT_NEAR(o.HeatPerUnitArea, 1500, 1e-9);

  // Crown bed past RAC, surface rate only at R'init: conditional.
  h_.HighResult.ROS = 25;
  h_.LowResult.ROS = CriticalRate();
  o = h_.CalculateOutputs();
  EXPECT_EQ(o.TransitionFunction, 1);
  EXPECT_EQ(o.FireType, 3);
}

TEST_F(HalvexOutputsTest, BulkDensitySetsTheActiveRate) {
  // CBD 1: RAC 3 m/min, below R'init = 3.65762. phi_active = 3 - 1 = 2,
  // phiW 1, CI = 1 / 0.1125 / 35.2 = 0.252525; the surfacing index is the
  // larger cessation wind 0.418591.
  h_.Inputs.CanopyBulkDensity = 1;
  CHalvexOutputs o = h_.CalculateOutputs();
  EXPECT_NEAR(o.CrowningIndex, 0.252525, 1e-6);
  EXPECT_NEAR(o.SurfacingIndex, 0.418591, 1e-6);

  h_.Inputs.CanopyBulkDensity = 0;
  o = h_.CalculateOutputs();
  EXPECT_NEAR(o.CrownRActive, 2979.6174, 1e-9);  // 999 x 2.9826
  // phi_active = 999 - 1; phiW 997; 997 / 0.1125 / 35.2 = 251.767677.
  EXPECT_NEAR(o.CrowningIndex, 251.767677, 1e-5);

  // A wind exponent this small puts the index beyond any finite wind
  // ((997 / 0.1125)^100): reported as 0, and nothing crowns.
  h_.HighResult.WindB = 0.01;
  o = h_.CalculateOutputs();
  EXPECT_EQ(o.CrowningIndex, 0);
  EXPECT_EQ(o.SurfacingIndex, 0);
  EXPECT_EQ(o.TransitionFunction, 0);
  EXPECT_EQ(o.FireType, 1);
  ExpectAllFinite(o);
}

TEST_F(HalvexOutputsTest, WeakFireAndHotAir) {
  // I = 500 x 11.349 x 0.001 / 60 = 0.0946 kW/m: its logarithm is negative.
  h_.LowResult.ROS = 0.001;
  CHalvexOutputs o = h_.CalculateOutputs();
  EXPECT_EQ(o.FireType, 1);
  EXPECT_EQ(o.FireIntensityScale, 0);
  h_.LowResult.ROS = 0;  // log10 of 0, and 0 / 0 in the scorch height
  h_.LowResult.EffectiveWind = 0;
  o = h_.CalculateOutputs();
  EXPECT_EQ(o.FireIntensityScale, 0);
  EXPECT_EQ(o.ScorchHeight, 0);
  ExpectAllFinite(o);

  // The scorch height's 63 / (140 - T): 40.83179 x 80 / 1 at 139 F, then
  // nothing at the pole and beyond it.
  SetUp();
  h_.Inputs.TemperatureF = 139;
  EXPECT_NEAR(h_.CalculateOutputs().ScorchHeight, 3266.543, 1e-2);
  for (int t : {140, 150}) {
    h_.Inputs.TemperatureF = t;
    o = h_.CalculateOutputs();
    EXPECT_EQ(o.ScorchHeight, 0) << t;
    EXPECT_NEAR(o.TransitionFunction, 0.440464, 1e-6) << t;
  }
}

TEST_F(HalvexOutputsTest, StandsWithoutACrownBed) {
  h_.Inputs.VegType = kVegNoCanopy;
  CHalvexOutputs o = h_.CalculateOutputs();
  EXPECT_EQ(o.FireType, 1);
  EXPECT_NEAR(o.TorchingIndex, 1.136364, 1e-6);  // still rated from the surface bed
  EXPECT_EQ(o.CrowningIndex, 0);
  EXPECT_EQ(o.SurfacingIndex, 0);
  EXPECT_EQ(o.CrownRActive, 0);
  EXPECT_EQ(o.CrownCriticalSurfaceROS, 0);
  EXPECT_NEAR(o.RateOfSpread, 14.913, 1e-9);
  EXPECT_EQ(o.High.RateOfSpread, 0);
  EXPECT_EQ(o.High.HeatPerUnitArea, 0);

  // A conifer crown bed too wet to spread leaves a surface fire.
  SetUp();
  h_.HighResult = CHalvexTempSet();
  o = h_.CalculateOutputs();
  EXPECT_EQ(o.FireType, 1);
  EXPECT_EQ(o.CrowningIndex, 0);
  EXPECT_EQ(o.CrownCriticalBulkDensity, 0);
  EXPECT_NEAR(o.CrownRActive, 59.652, 1e-9);
  EXPECT_EQ(o.High.FlameLength, 0);
  EXPECT_NEAR(o.RateOfSpread, 14.913, 1e-9);
  ExpectAllFinite(o);
}

// Anderson's (1982) models 9 (hardwood litter) and 10 (timber litter and
// understory) as the stand's surface and crown fuel beds.
class HalvexAssessmentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto path = folder_.Write("models.fmd",
                                    "ENGLISH\n"
                                    "# number code loads type SAVs depth mx heat name\n"
                                    "9 9 2.92 0.41 0.15 0 0 N/A 2500 1500 1500 0.2 25 8000 8000 "
                                    "HardwoodLitter\n"
                                    "10 10 3.01 2.00 5.01 0 2.00 N/A 2000 1500 1500 1.0 25 8000 "
                                    "8000 TimberUnderstory\n");
    std::string message;
    ASSERT_TRUE(h_.LoadFuelModelFile(path.string(), message)) << message;
    ASSERT_EQ(h_.FuelModels.size(), 2u);
    stand_ = ValidStand();
    stand_.Low.WindReductionFactor = 0.15;
  }
  CHalvexOutputs Run(const CHalvexInputs& in, bool& success) {
    h_.SetInputs(in);
    return h_.CalculateHalvexOutputs(success);
  }
  TempFolder folder_;
  CHalvex h_;
  CHalvexInputs stand_;
};

TEST_F(HalvexAssessmentTest, InvalidOrUnburnableStands) {
  bool success = true;
  CHalvexOutputs o = Run(CHalvexInputs(), success);
  EXPECT_FALSE(success);
  EXPECT_EQ(o.ErrorNumber, 2001);
  EXPECT_EQ(h_.Outputs.ErrorDescription, "Invalid VegType: -1");

  // Dead fuel wetter than its moisture of extinction (25 %): no fire, and
  // not an error.
  stand_.DeadHerbMx = stand_.OneHourMx = stand_.TenHourMx = stand_.HundredHourMx = 26;
  o = Run(stand_, success);
  EXPECT_TRUE(success);
  EXPECT_EQ(o.FireType, 0);
  EXPECT_EQ(o.RateOfSpread, 0);
  EXPECT_EQ(o.ErrorNumber, -1);
}

TEST_F(HalvexAssessmentTest, NoCanopyNeedsNoCrownModel) {
  stand_.VegType = kVegNoCanopy;
  stand_.High.FuelModel = 77;  // not in the list
  stand_.OpenWindSpeed = 15;
  bool success = false;
  const CHalvexOutputs o = Run(stand_, success);
  ASSERT_TRUE(success) << o.ErrorDescription;
  EXPECT_EQ(o.FireType, 1);
  EXPECT_EQ(o.CrowningIndex, 0);
  EXPECT_EQ(o.SurfacingIndex, 0);
  EXPECT_GT(o.RateOfSpread, 0);
  EXPECT_EQ(h_.HighResult.ROS, -1);
  ExpectAllFinite(o);
}

TEST_F(HalvexAssessmentTest, IndicesAgreeWithTheFireTypes) {
  // CBH 30 ft: I0 = (0.01 x 9.1436 x 3050)^1.5 = 4657 kW/m, a surface rate
  // near 100 m/min over model 9's few hundred BTU/ft2, which its short bed
  // (wind factor 0.15) reaches only in a wind of hundreds of mph. Model 10
  // with the crown multiplier reaches RAC = 3 / 0.15 = 20 m/min at some 20
  // mph. So CI < TI: a conditional crown fire lies between them.
  bool success = false;
  const CHalvexOutputs calm = Run(stand_, success);
  ASSERT_TRUE(success) << calm.ErrorDescription;
  ExpectAllFinite(calm);
  EXPECT_EQ(calm.FireType, 1);
  EXPECT_NEAR(calm.CrownFirelineIntensity, 1346.393, 1e-2);  // 4657.172 / 3.459
  EXPECT_NEAR(calm.CrownRActive, 59.652, 1e-9);
  EXPECT_GT(calm.CrowningIndex, 0);
  EXPECT_LT(calm.CrowningIndex, calm.TorchingIndex);
  EXPECT_GE(calm.SurfacingIndex, calm.CrowningIndex);

  // The indices do not depend on the wind that blows. Below both of them the
  // fire stays on the surface; between them the crown bed outruns RAC while
  // the surface fire cannot start it (the wind limit is not reached).
  for (double share : {0.5, 1.25}) {
    stand_.OpenWindSpeed = share * calm.CrowningIndex;
    const CHalvexOutputs o = Run(stand_, success);
    ASSERT_TRUE(success);
    ExpectAllFinite(o);
    EXPECT_NEAR(o.TorchingIndex, calm.TorchingIndex, 1e-9 * calm.TorchingIndex);
    EXPECT_NEAR(o.CrowningIndex, calm.CrowningIndex, 1e-9 * calm.CrowningIndex);
    EXPECT_NEAR(o.SurfacingIndex, calm.SurfacingIndex, 1e-9 * calm.SurfacingIndex);
    ASSERT_LT(88 * 0.4 * stand_.OpenWindSpeed, 0.9 * h_.HighResult.ReactionIntensity);
    if (share < 1) {
      EXPECT_EQ(o.FireType, 1);
      EXPECT_EQ(o.TransitionFunction, 0);
      EXPECT_GT(o.CrownCriticalBulkDensity, stand_.CanopyBulkDensity);
    } else {
      EXPECT_EQ(o.FireType, 3);
      EXPECT_EQ(o.TransitionFunction, 1);
      EXPECT_LT(o.CrownCriticalBulkDensity, stand_.CanopyBulkDensity);
      EXPECT_NEAR(o.RateOfSpread, o.High.RateOfSpread, 1e-9);
    }
  }
}

}  // namespace

}  // namespace sylvanor
