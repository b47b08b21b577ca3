#include "crownfire/Halvex.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "crownfire/FuelModelFile.h"
#include "tests/support/FuelBeds.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

using In = CHalvexInputs;
using H = CHalvex;

// The outputs of an assessment by name, with the crown bed's intensity in kW/m.
std::map<std::string, double> Named(const H& h, const CHalvexOutputs& o) {
  // clang-format off
  return {{"type", o.FireType}, {"TF", o.TransitionFunction}, {"R", o.RateOfSpread},
          {"HPA", o.HeatPerUnitArea}, {"I", o.FirelineIntensity}, {"FIS", o.FireIntensityScale},
          {"FL", o.FlameLength}, {"U", o.EffectiveMidflameWind}, {"SH", o.ScorchHeight},
          {"TI", o.TorchingIndex}, {"CI", o.CrowningIndex}, {"SI", o.SurfacingIndex},
          {"I0", o.CrownFirelineIntensity}, {"FL0", o.CrownFlameLength}, {"SA", o.CrownOCessation},
          {"R'init", o.CrownCriticalSurfaceROS}, {"CBD'", o.CrownCriticalBulkDensity},
          {"CC", o.CrownCriticalCanopyCover}, {"RAC", o.CrownRActive}, {"R_L", o.Low.RateOfSpread},
          {"HPA_L", o.Low.HeatPerUnitArea}, {"I_L", o.Low.FirelineIntensity},
          {"FL_L", o.Low.FlameLength}, {"R_H", o.High.RateOfSpread},
          {"HPA_H", o.High.HeatPerUnitArea}, {"I_H", o.High.FirelineIntensity},
          {"FL_H", o.High.FlameLength}, {"I_H kW/m", h.HighResult.FirelineIntensity}};
  // clang-format on
}

// Each check fails with its number and the value. A valid stand's initiation intensity (kW/m) is
// derived from the canopy when it is -1, else the canopy is back-filled from it; a conifer's crown
// heat per unit area likewise, at 7745 BTU/lb. Conifer, base 2 m: (0.01 x 2 x (460 + 25.9 x
// 100))^1.5 = 61^1.5; 5 ton/acre x 0.045914 x 8000 BTU/ft2. Shrub, flame 0.775 m: (0.775 /
// 0.0775)^(1 / 0.46) = 10^2.173913. Given 1000: base 1000^(2/3) / 0.01 / 3050 x 3.281 = 100 /
// 30.5 x 3.281 ft, shrub flame 0.0775 x 23.98833 x 3.281 ft. Given 711.20786 BTU/ft2: 711.20786 /
// (0.045914 x 7745) = 2 ton/acre.
TEST(HalvexTest, InputsAreCheckedAndCompleted) {
  constexpr double In::*kI0 = &In::Initiation, In::*kBase = &In::CanopyBaseHeight,
                   In::*kFoliar = &In::ConiferFoliarMx, In::*kFlame = &In::ShrubTransFlameLength,
                   In::*kHeat = &In::CrownHPA, In::*kLoad = &In::CrownFuelLoad;
  struct Row {
    void (*spoil)(In&);
    int number;        // -1: the inputs pass
    const char* text;  // the message, or the name of a valid stand
    std::vector<std::pair<double In::*, double>> expected = {};
  };
  // clang-format off
  const Row rows[] = {
      {[](In& i) { i = In(); }, 2001, "Invalid VegType: -1"},
      {[](In& i) { i.Low.LowOrHigh = 2; }, 3001, "Invalid Low/High flag: 2"},
      {[](In& i) { i.High.FuelModel = 0; }, 3002, "Fuel Model: 0 is invalid"},
      {[](In& i) { i.Low.WindReductionFactor = 1; }, 3003,
       "LOW: Invalid Wind Reduction Factor: 1.000000"},
      {[](In& i) { i.High.WindReductionFactor = 0; }, 3003,
       "HIGH: Invalid Wind Reduction Factor: 0.000000"},
      {[](In& i) { i.High.MultiplierROS = 0; }, 3004, "HIGH: Invalid Mulitiplier ROS: 0.000000"},
      {[](In& i) { i.Low.MuliplierLoadDepth = -2.5; }, 3005,
       "LOW: Invalid Mulitiplier LoadDepth: -2.500000"},
      {[](In& i) { i.High.MuliplierIntensity = NAN; }, 3006,
       "HIGH: Invalid Mulitiplier Intensity: nan"},
      {[](In& i) { i.CanopyBulkDensity = -0.5; }, 2002, "Invalid Canopy Bulk Density: -0.500000"},
      {[](In& i) { i.PercentSlope = 181; }, 2003, "Invalid Percent Slope: 181"},
      {[](In& i) { i.OpenWindSpeed = -1; }, 2004, "Invalid Open Wind Speed: -1.000000"},
      {[](In& i) { i.WindDirFromUphill = 361; }, 2005, "Invalid Wind Direction From Uphill: 361"},
      {[](In& i) { i.Initiation = -0.5; }, 2006, "Invalid Initiation: -0.500000"},
      {[](In& i) { i.TemperatureF = 151; }, 2007, "Invalid Temperature: 151"},
      {[](In& i) { i.TemperatureF = -999; i.DeadHerbMx = -1; }, 2007, "Invalid Temperature: -999"},
      {[](In& i) { i.DeadHerbMx = -1; }, 2008, "Invalid Dead Herbaceous Moisture Content: -1"},
      {[](In& i) { i.OneHourMx = -1; }, 2009, "Invalid Dead 1-hour Moisture Content: -1"},
      {[](In& i) { i.TenHourMx = -1; }, 2010, "Invalid Dead 10-hour Moisture Content: -1"},
      {[](In& i) { i.HundredHourMx = -1; }, 2011, "Invalid Dead 100-hour Moisture Content: -1"},
      {[](In& i) { i.LiveWoodyMx = -1; }, 2012, "Invalid Live Woody Moisture Content: -1"},
      {[](In& i) { i.LiveHerbMx = -1; }, 2013, "Invalid Live Herbaceous Moisture Content: -1"},
      {[](In& i) { i.PercentSlope = 180; i.WindDirFromUphill = 360; i.TemperatureF = 40;
                   i.CanopyBulkDensity = 0; }, -1, "the edges of the ranges"},
      {[](In& i) { i.CanopyBaseHeight = 6.562; }, -1, "conifer",
       {{kI0, 476.4252}, {kHeat, 1836.56}}},
      {[](In& i) { i.VegType = kVegShrub; i.ShrubTransFlameLength = 2.542775; }, -1, "shrub",
       {{kI0, 149.2496}, {kHeat, -1}, {kLoad, 5}}},
      {[](In& i) { i.VegType = kVegNoCanopy; i.High = {}; }, -1, "no canopy, no crown bed to check",
       {{kI0, 0}}},
      {[](In& i) { i.CanopyBaseHeight = -1; }, -1, "base below the ground", {{kI0, 0}}},
      {[](In& i) { i.Initiation = 0; i.ConiferFoliarMx = 120; }, -1, "given 0",
       {{kI0, 0}, {kBase, 0}, {kFoliar, 100}}},
      {[](In& i) { i.Initiation = 1000; i.ShrubTransFlameLength = 5; }, -1, "given 1000",
       {{kBase, 10.757377}, {kFlame, 0}}},
      {[](In& i) { i.VegType = kVegShrub; i.Initiation = 1000; }, -1, "shrub given 1000",
       {{kFlame, 6.099692}, {kBase, 0}, {kFoliar, 0}}},
      {[](In& i) { i.CrownHPA = 711.20786; }, -1, "crown heat given",
       {{kHeat, 711.20786}, {&In::CrownHeatContent, 7745}, {kLoad, 2}}},
  };
  // clang-format on
  for (const Row& row : rows) {
    In in = DryStand();
    row.spoil(in);
    CHalvexOutputs out;
    EXPECT_EQ(in.isValid(out), row.number == -1) << row.text;
    EXPECT_EQ(out.GetErrorNumber(), row.number) << row.text;
    EXPECT_EQ(out.GetErrorMessage(), row.number == -1 ? "" : row.text);
    in.CalculateInitiation();
    in.CalculateHPAHighConifer();
    for (const auto& [field, value] : row.expected)
      EXPECT_NEAR(in.*field, value, 2e-6 * std::abs(value)) << row.text;
  }
}

// (phiW cos + phiS)^2 + (phiW sin)^2 = target^2: across the slope phiW^2 + 3^2 = 5^2 gives 4 and
// -4, upslope 5 - 3, downslope 5 + 3, without a direction 0; across, 3 cannot come down to 2: the
// discriminant 4 (2^2 - 3^2) = -20 counts as 0.
TEST(HalvexTest, WindFactorRootsOfTheVectorSum) {
  using Row = std::array<double, 6>;  // root, cos, sin, phi_s, target, expected
  for (const auto& [root, c, s, phiS, target, expected] :
       {Row{1, 0, 1, 3, 5, 4}, Row{2, 0, 1, 3, 5, -4}, Row{1, 1, 0, 3, 5, 2},
        Row{1, -1, 0, 3, 5, 8}, Row{1, 0, 0, 3, 5, 0}, Row{1, 0, 1, 3, 2, 0}})
    EXPECT_NEAR(H::GetWF(root, c, s, phiS, target), expected, 1e-12) << root << c << s << target;
  EXPECT_NEAR(H::WindFactorDiscriminant(0, 1, 3, 2), -20, 1e-12);
}

// A conifer stand whose fuel bed ratings are set by hand (below; m/min, BTU, ft, mph); I0 345.91
// kW/m = 100 BTU/ft/s, CBD 0.15: RAC 20 m/min, crown HPA 1000, 60 F, wind factors 0.25 and 0.4.
// TI: phi_init = 100 x 60 x 0.5 x 400 / (0.05 x 500 x 4000) - 1 = 11; upslope phiW = 11 - 1 = 10;
//   (10 / (4 x 2^-1))^(1/0.5) / (88 x 0.25) = 25 / 22. CI: phi_active = 20 x 3.281 x 0.334 x 500
//   / (3281 x 0.05 x 3.34) - 1 = 19; CI = 18 / (0.225 x 4^-0.5) / 35.2. R'init = 100 / 500 x
//   18.2881 = 3.65762; SA = (3.65762 - 2) / 0.1125 / 35.2; SI = max(SA, CI).
// At CI phiW = 4 (4.545455 x 22)^0.5 / 2 = 20, R'SA = 22 / 3.281 = 6.705273: TF = (5 - 3.65762) /
//   (6.705273 - 3.65762), passive. R = (7 TF + 5) 2.9826 ch/h; R_L = 5 x 2.9826, R_H = 12 x
//   2.9826. HPA = TF x 1000 + 500 (the canopy's heat). I = 940.4636 x 11.349 x 8.083245 / 60 =
//   1437.918 kW/m / 3.459; I_L 500 x 11.349 x 5 / 60, I_H 1000 x 11.349 x 12 / 60 kW/m; FIS =
//   log10 I. Crown flame 0.2 x 415.7033^(2/3); FL = Byram's 0.0775 x 1437.918^0.46 x 3.281 =
//   7.208844 + (11.140012 - 7.208844) TF. U = 4 + 6 TF. SH: J = 1437.918 / 3.459143 = 415.6906;
//   J^(7/6) / (4^3 + J)^0.5 x 63 / 80. I0 = 345.91 / 3.459; FL0 Byram's of 345.91; CBD' = 3 / 12.
// Shrub: no 3.34, the crown bed's wind factor 0.5: phi_active 65.8, CI = 64.8 / 0.1125 / 44; at CI
//   phiW = 33.941125, R'SA = 35.941125 / 3.281: TF = 1.34238 / 7.296700 = 0.183971; Byram's flames
//   only: I = (2000 TF + 500) 11.349 (7 TF + 5) / 60 = 1032.275 kW/m, FL = 0.0775 x 24.341416 x
//   3.281; I_H = 2000 x 11.349 x 12 / 60 = 4539.6 kW/m, FL_H = 0.0775 x 48.109195 x 3.281.
// Wind across the slope, I0 172.955: phi_init = 5; phi_s 3: phiW^2 + 9 = 25, TI = (4 / 2)^2 / 22;
//   at 100 degrees phi_s 6 alone carries the fire past 5 (6 sin 100 > 5): no wind is needed, 0.
//   From downhill phiW = 12, TI = (12 / 2)^2 / 22.
// CBD 1: RAC 3 < R'init: CI = (3 - 2) / 0.1125 / 35.2, SI = SA. CBD 0: RAC 999 x 2.9826, CI =
//   997 / 0.1125 / 35.2; with B 0.01, (997 / 0.1125)^100 is beyond any finite wind: 0.
// R 0.001: I = 0.0946 kW/m, log10 < 0. Scorch at 139 F: 40.83179 x 80 / 1; none past the pole.
TEST(HalvexTest, OutputsOfHandRatedFuelBeds) {
  struct S {
    In& i;
    CHalvexTempSet& L;
    CHalvexTempSet& H;
  };
  struct Case {
    const char* name;
    void (*setup)(S);
    std::vector<std::pair<const char*, double>> expected;
  };
  // clang-format off
  const Case cases[] = {
      {"worked", [](S) {},
       {{"TI", 1.136364}, {"CI", 4.545455}, {"SA", 0.418591}, {"SI", 4.545455}, {"TF", 0.440464},
        {"type", 2}, {"R", 24.10909}, {"R_L", 14.913}, {"R_H", 35.7912}, {"HPA", 940.4636},
        {"HPA_H", 1000}, {"HPA_L", 500}, {"I", 415.7033}, {"I_L", 136.70859}, {"I_H", 656.20121},
        {"I_H kW/m", 2269.8}, {"FIS", 3.157734}, {"FL_H", 11.140012}, {"FL", 8.940380},
        {"FL_L", 4.322065}, {"U", 6.642781}, {"SH", 40.83179}, {"I0", 100.00289}, {"FL0", 3.743096},
        {"R'init", 10.909217}, {"CBD'", 0.25}, {"RAC", 59.652}, {"CC", 0}}},
      {"shrub", [](S s) { s.i.VegType = kVegShrub; },
       {{"CI", 13.090909}, {"TF", 0.183971}, {"HPA_H", 2000}, {"FL", 6.189475},
        {"FL_H", 12.233086}}},
      {"across", [](S s) { s.i.WindDirFromUphill = 90; s.i.Initiation = 172.955;
                           s.L.SlopeFactor = 3; }, {{"TI", 0.181818}}},
      {"slope past it", [](S s) { s.i.WindDirFromUphill = 100; s.i.Initiation = 172.955;
                                  s.L.SlopeFactor = 6; }, {{"TI", 0}}},
      {"from downhill", [](S s) { s.i.WindDirFromUphill = 180; }, {{"TI", 1.636364}}},
      {"surface at R'init", [](S s) { s.L.ROS = 345.91 / 3.4591 / 500 * 18.2881; },
       {{"TF", 0}, {"type", 1}}},
      {"crown at RAC", [](S s) { s.H.ROS = 20; },
       {{"TF", 1}, {"type", 4}, {"R", 59.652}, {"HPA", 1500}}},
      {"conditional", [](S s) { s.H.ROS = 25; s.L.ROS = 345.91 / 3.4591 / 500 * 18.2881; },
       {{"TF", 1}, {"type", 3}}},
      {"CBD 1", [](S s) { s.i.CanopyBulkDensity = 1; }, {{"CI", 0.252525}, {"SI", 0.418591}}},
      {"CBD 0", [](S s) { s.i.CanopyBulkDensity = 0; }, {{"RAC", 2979.6174}, {"CI", 251.767677}}},
      {"CBD 0, B 0.01", [](S s) { s.i.CanopyBulkDensity = 0; s.H.WindB = 0.01; },
       {{"CI", 0}, {"SI", 0}, {"TF", 0}, {"type", 1}}},
      {"R 0.001", [](S s) { s.L.ROS = 0.001; }, {{"type", 1}, {"FIS", 0}}},
      {"R 0", [](S s) { s.L.ROS = s.L.EffectiveWind = 0; }, {{"FIS", 0}, {"SH", 0}}},
      {"139 F", [](S s) { s.i.TemperatureF = 139; }, {{"SH", 3266.543}}},
      {"150 F", [](S s) { s.i.TemperatureF = 150; }, {{"SH", 0}}},
      {"no canopy", [](S s) { s.i.VegType = kVegNoCanopy; },
       {{"type", 1}, {"TI", 1.136364}, {"CI", 0}, {"SI", 0}, {"RAC", 0}, {"R'init", 0},
        {"R", 14.913}, {"R_H", 0}, {"HPA_H", 0}}},
      {"crown bed too wet", [](S s) { s.H = {}; },
       {{"type", 1}, {"CI", 0}, {"CBD'", 0}, {"RAC", 59.652}, {"FL_H", 0}, {"R", 14.913}}},
  };
  for (const Case& c : cases) {
    H h;
    h.Inputs = DryStand();
    h.Inputs.Initiation = 345.91;
    h.Inputs.CrownHPA = 1000;
    // rho_b, R, HS, HPA, xi, IR, phi_s, C, beta, beta_op, beta/beta_op, E, B, R0, U_E, I
    h.LowResult = {0.5, 5, 400, 500, 0.05, 4000, 1, 4, 0.02, 0.01, 2, 1, 0.5, 1 / 3.281, 4, -1};
    h.HighResult = {0.334, 12, 500, 2000, 0.05, 3281, 1, 0.225, 0.04, 0.01, 4, 0.5, 1, 1, 10, -1};
    // clang-format on
    c.setup({h.Inputs, h.LowResult, h.HighResult});
    const auto named = Named(h, h.CalculateOutputs());
    for (const auto& [key, value] : named)
      EXPECT_TRUE(std::isfinite(value)) << c.name << ": " << key;
    for (const auto& [key, value] : c.expected)
      EXPECT_NEAR(named.at(key), value, 3e-6 * std::abs(value) + 1e-9) << c.name << ": " << key;
  }
}

// The whole assessment of the dry stand over the models of a fuel model file: invalid inputs fail
// with their error; dead fuel wetter than its extinction moisture (25 %) is no fire and no error; a
// stand without canopy needs no crown fuel model. With its canopy base 30 ft, I0 = (0.01 x 9.1436
// x 3050)^1.5 = 4657.172 kW/m, which model 9 (wind factor 0.15) reaches only in a wind of hundreds
// of mph, while model 10 as a crown bed reaches RAC = 3 / 0.15 = 20 m/min at some 20 mph: CI < TI.
// The indices do not depend on the wind that blows; below both the fire stays on the surface,
// between them the crown bed outruns RAC while the surface fire cannot start it: conditional.
TEST(HalvexTest, AssessmentOfStands) {
  TempFolder folder;
  const std::string path = (folder.path() / "models.fmd").string();
  std::string message;
  ASSERT_TRUE(WriteFuelModelFile(path, StandardFuelModels(), false, message));
  H h;
  ASSERT_TRUE(h.LoadFuelModelFile(path, message)) << message;
  bool ok = false;
  const auto run = [&](const In& in) {
    h.SetInputs(in);
    const CHalvexOutputs o = h.CalculateHalvexOutputs(ok);
    for (const auto& [key, value] : Named(h, o))
      EXPECT_TRUE(std::isfinite(value)) << key;
    return o;
  };
  CHalvexOutputs o = run(In());
  EXPECT_FALSE(ok);
  EXPECT_EQ(o.ErrorNumber, 2001);
  EXPECT_EQ(h.Outputs.ErrorDescription, "Invalid VegType: -1");
  In in = DryStand();
  in.DeadHerbMx = in.OneHourMx = in.TenHourMx = in.HundredHourMx = 26;
  o = run(in);
  EXPECT_TRUE(ok && o.FireType == 0 && o.RateOfSpread == 0 && o.ErrorNumber == -1);
  in = DryStand();
  in.VegType = kVegNoCanopy;
  in.High.FuelModel = 77;
  o = run(in);
  EXPECT_TRUE(ok && o.FireType == 1 && o.RateOfSpread > 0 && h.HighResult.ROS == -1);
  EXPECT_EQ(o.CrowningIndex + o.SurfacingIndex, 0);

  in = DryStand();
  in.Low.WindReductionFactor = 0.15;
  in.PercentSlope = 20;
  in.OpenWindSpeed = 0;
  const CHalvexOutputs calm = run(in);
  EXPECT_TRUE(ok && calm.FireType == 1 && calm.CrowningIndex > 0);
  EXPECT_NEAR(calm.CrownFirelineIntensity, 1346.393, 1e-2);  // 4657.172 / 3.459
  EXPECT_NEAR(calm.CrownRActive, 59.652, 1e-9);
  EXPECT_LT(calm.CrowningIndex, calm.TorchingIndex);
  EXPECT_GE(calm.SurfacingIndex, calm.CrowningIndex);
  for (const double share : {0.5, 1.25}) {
    SCOPED_TRACE(share);
    in.OpenWindSpeed = share * calm.CrowningIndex;
    o = run(in);
    for (const auto index : {&CHalvexOutputs::TorchingIndex, &CHalvexOutputs::CrowningIndex,
                             &CHalvexOutputs::SurfacingIndex})
      EXPECT_NEAR(o.*index, calm.*index, 1e-9 * calm.*index);
    ASSERT_LT(88 * 0.4 * in.OpenWindSpeed, 0.9 * h.HighResult.ReactionIntensity);
    EXPECT_EQ(o.FireType, share < 1 ? 1 : 3);
    EXPECT_EQ(o.TransitionFunction, share < 1 ? 0 : 1);
    EXPECT_EQ(o.CrownCriticalBulkDensity > in.CanopyBulkDensity, share < 1);
    EXPECT_EQ(o.RateOfSpread == o.High.RateOfSpread, share > 1);
  }
}

}  // namespace

}  // namespace sylvanor
