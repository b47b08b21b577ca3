#include "crownfire/Halvex.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "base/CFormat.h"
#include "tests/support/FuelBeds.h"

namespace sylvanor {

namespace {

using In = CHalvexInputs;

// The outputs of an assessment by name, with the crown bed's intensity in kW/m.
std::map<std::string, double> Named(const CHalvex& h, const CHalvexOutputs& o) {
  // clang-format off
  return {{"type", o.FireType}, {"TF", o.TransitionFunction}, {"R", o.RateOfSpread},
    {"HPA", o.HeatPerUnitArea}, {"I", o.FirelineIntensity}, {"FIS", o.FireIntensityScale},
    {"FL", o.FlameLength}, {"U", o.EffectiveMidflameWind}, {"SH", o.ScorchHeight},
    {"TI", o.TorchingIndex}, {"CI", o.CrowningIndex}, {"SI", o.SurfacingIndex},
    {"I0", o.CrownFirelineIntensity}, {"FL0", o.CrownFlameLength}, {"SA", o.CrownOCessation},
    {"R'init", o.CrownCriticalSurfaceROS}, {"CBD'", o.CrownCriticalBulkDensity},
    {"CC", o.CrownCriticalCanopyCover}, {"RAC", o.CrownRActive}, {"R_L", o.Low.RateOfSpread},
    {"HPA_L", o.Low.HeatPerUnitArea}, {"I_L", o.Low.FirelineIntensity}, {"FL_L", o.Low.FlameLength},
    {"R_H", o.High.RateOfSpread}, {"HPA_H", o.High.HeatPerUnitArea}, {"FL_H", o.High.FlameLength},
    {"I_H", o.High.FirelineIntensity}, {"I_H kW/m", h.HighResult.FirelineIntensity}};
  // clang-format on
}

// Each check fails with its number and the value. I0 (kW/m) is derived from the canopy when it is
// -1, else the canopy is back-filled from it; a conifer's crown heat likewise, at 7745 BTU/lb. A
// valid row gives I0, base, foliar moisture, shrub flame, crown HPA, heat content and load.
// dry stand: I0 = (0.01 x 30 / 3.281 x (460 + 25.9 x 100))^1.5 = 4657.172; HPA 5 x 0.045914 x 8000
// conifer, base 2 m: I0 = (0.01 x 2 x 3050)^1.5 = 61^1.5 = 476.4252
// shrub, flame 0.775 m: I0 = (0.775 / 0.0775)^(1 / 0.46) = 10^2.173913 = 149.2496
// given 1000: base 1000^(2/3) / 0.01 / 3050 x 3.281 ft; shrub flame 0.0775 x 1000^0.46 x 3.281 ft
// crown heat given 711.20786 BTU/ft2: load 711.20786 / (0.045914 x 7745) = 2 ton/acre
TEST(HalvexTest, InputsAreCheckedAndCompleted) {
  // clang-format off
  const std::tuple<void (*)(In&), int, const char*> rows[] = {
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
                   i.CanopyBulkDensity = 0; }, -1, "4657.172 30 100 0 1836.56 8000 5"},
      {[](In& i) { i.CanopyBaseHeight = 6.562; }, -1, "476.4252 6.562 100 0 1836.56 8000 5"},
      {[](In& i) { i.VegType = kVegShrub; i.ShrubTransFlameLength = 2.542775; }, -1,
       "149.2496 30 100 2.542775 -1 8000 5"},
      {[](In& i) { i.VegType = kVegNoCanopy; i.High = {}; }, -1, "0 30 100 0 -1 8000 5"},
      {[](In& i) { i.CanopyBaseHeight = -1; }, -1, "0 -1 100 0 1836.56 8000 5"},
      {[](In& i) { i.Initiation = 0; i.ConiferFoliarMx = 120; }, -1, "0 0 100 0 1836.56 8000 5"},
      {[](In& i) { i.Initiation = 1000; i.ShrubTransFlameLength = 5; }, -1,
       "1000 10.75738 100 0 1836.56 8000 5"},
      {[](In& i) { i.VegType = kVegShrub; i.Initiation = 1000; }, -1,
       "1000 0 0 6.099692 -1 8000 5"},
      {[](In& i) { i.CrownHPA = 711.20786; }, -1, "4657.172 30 100 0 711.2079 7745 2"},
  };
  // clang-format on
  for (const auto& [spoil, number, text] : rows) {
    In in = DryStand();
    spoil(in);
    CHalvexOutputs out;
    const bool valid = in.isValid(out);
    in.CalculateInitiation();
    in.CalculateHPAHighConifer();
    const std::string completed =
        CFormat("%.7g %.7g %.7g %.7g %.7g %.7g %.7g", in.Initiation, in.CanopyBaseHeight,
                in.ConiferFoliarMx, in.ShrubTransFlameLength, in.CrownHPA, in.CrownHeatContent,
                in.CrownFuelLoad);
    EXPECT_EQ(CFormat("%d %s", out.GetErrorNumber(), valid ? completed : out.GetErrorMessage()),
              CFormat("%d %s", number, text));
  }
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
//   From downhill phiW = 12, TI = (12 / 2)^2 / 22. The crown bed at 95 degrees across a slope phi_s
//   20 that CI cannot come down to 19: the discriminant counts as 0, phiW = -20 cos 95 = 1.743115,
//   CI = 1.743115 / 0.1125 / 35.2.
// CBD 1: RAC 3 < R'init: CI = (3 - 2) / 0.1125 / 35.2, SI = SA. CBD 0: RAC 999 x 2.9826, CI =
//   997 / 0.1125 / 35.2; with B 0.01, (997 / 0.1125)^100 = 10^394 overflows: CI and SI are held
//   as the largest float (kNoWind), and the fraction burned is 0.
// The surface bed's B 0.01 makes TI = (10 / 2)^100 / 22 = 3.6e68, past any float; B 0.001 makes
//   5^1000, past any double: TI is kNoWind in both.
// R 0.001: I = 0.0946 kW/m, log10 < 0. Scorch at 139 F: 40.83179 x 80 / 1; none past the pole.
TEST(HalvexTest, OutputsOfHandRatedFuelBeds) {
  // clang-format off
  struct S { In& i; CHalvexTempSet &L, &H; };  // what a case changes
  constexpr double kInit = 345.91 / 3.4591 / 500 * 18.2881;  // R'init, m/min
  constexpr double kNoWind = std::numeric_limits<float>::max();
  const std::tuple<const char*, void (*)(S), std::vector<std::pair<const char*, double>>>
      cases[] = {
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
      {"steep", [](S s) { s.i.WindDirFromUphill = 95; s.H.SlopeFactor = 20; }, {{"CI", 0.440181}}},
      {"surface at R'init", [](S s) { s.L.ROS = kInit; }, {{"TF", 0}, {"type", 1}}},
      {"crown at RAC", [](S s) { s.H.ROS = 20; },
       {{"TF", 1}, {"type", 4}, {"R", 59.652}, {"HPA", 1500}}},
      {"conditional", [](S s) { s.H.ROS = 25; s.L.ROS = kInit; }, {{"TF", 1}, {"type", 3}}},
      {"CBD 1", [](S s) { s.i.CanopyBulkDensity = 1; }, {{"CI", 0.252525}, {"SI", 0.418591}}},
      {"CBD 0", [](S s) { s.i.CanopyBulkDensity = 0; }, {{"RAC", 2979.6174}, {"CI", 251.767677}}},
      {"CBD 0, B 0.01", [](S s) { s.i.CanopyBulkDensity = 0; s.H.WindB = 0.01; },
       {{"CI", kNoWind}, {"SI", kNoWind}, {"TF", 0}, {"type", 1}}},
      {"TI past float", [](S s) { s.L.WindB = 0.01; }, {{"TI", kNoWind}}},
      {"TI overflows", [](S s) { s.L.WindB = 0.001; }, {{"TI", kNoWind}}},
      {"R 0.001", [](S s) { s.L.ROS = 0.001; }, {{"type", 1}, {"FIS", 0}}},
      {"139 F", [](S s) { s.i.TemperatureF = 139; }, {{"SH", 3266.543}}},
      {"150 F", [](S s) { s.i.TemperatureF = 150; }, {{"SH", 0}}},
      {"no canopy", [](S s) { s.i.VegType = kVegNoCanopy; },
       {{"type", 1}, {"TI", 1.136364}, {"CI", 0}, {"SI", 0}, {"RAC", 0}, {"R'init", 0},
        {"R", 14.913}, {"R_H", 0}, {"HPA_H", 0}}},
      {"crown bed too wet", [](S s) { s.H = {}; },
       {{"type", 1}, {"CI", 0}, {"CBD'", 0}, {"RAC", 59.652}, {"FL_H", 0}, {"R", 14.913}}},
  };
  for (const auto& [name, setup, expected] : cases) {
    CHalvex h;
    h.Inputs = DryStand();
    h.Inputs.Initiation = 345.91;
    h.Inputs.CrownHPA = 1000;
    // rho_b, R, HS, HPA, xi, IR, phi_s, C, beta, beta_op, beta/beta_op, E, B, R0, U_E, I
    h.LowResult = {0.5, 5, 400, 500, 0.05, 4000, 1, 4, 0.02, 0.01, 2, 1, 0.5, 1 / 3.281, 4, -1};
    h.HighResult = {0.334, 12, 500, 2000, 0.05, 3281, 1, 0.225, 0.04, 0.01, 4, 0.5, 1, 1, 10, -1};
    // clang-format on
    setup({h.Inputs, h.LowResult, h.HighResult});
    const auto named = Named(h, h.CalculateOutputs());
    for (const auto& [key, value] : expected)
      EXPECT_NEAR(named.at(key), value, 3e-6 * std::abs(value) + 1e-9) << name << ": " << key;
  }
  EXPECT_EQ(CHalvex::GetWF(2, 0, 1, 3, 5), -4);  // the other root of phiW^2 + 3^2 = 5^2
}

// The whole assessment of the dry stand over the standard fuel models: invalid inputs fail with
// their error; dead fuel wetter than its extinction moisture (25 %) is no fire and no error; a
// stand without canopy rates no crown bed. Its I0 = 4657.172 kW/m = 1346.393 BTU/ft/s, which model
// 9 (wind factor 0.15) reaches only in a wind of hundreds of mph, while model 10 as a crown bed
// reaches RAC = 20 m/min at some 20 mph. The indices do not depend on the wind that blows; below CI
// the fire stays on the surface, above it the crown bed outruns RAC while the surface fire cannot
// start it: conditional.
TEST(HalvexTest, AssessmentOfStands) {
  CHalvex h;
  h.FuelModels = StandardFuelModels();
  bool ok = false;
  // success, fire type, error, spread, no crown bed rated, I0 in BTU/ft/s, crown HPA
  // clang-format off
  const std::pair<void (*)(In&), const char*> rows[] = {
      {[](In& i) { i = In(); }, "0 0 2001 Invalid VegType: -1 0 1 0 -1"},
      {[](In& i) { i.DeadHerbMx = i.OneHourMx = i.TenHourMx = i.HundredHourMx = 26; },
       "1 0 -1  0 1 0 1836.56"},
      {[](In& i) { i.VegType = kVegNoCanopy; }, "1 1 -1  1 1 0 -1"},
      {[](In& i) { i.Low.WindReductionFactor = 0.15; i.PercentSlope = 20; i.OpenWindSpeed = 0; },
       "1 1 -1  1 0 1346.393 1836.56"}};  // calm
  // clang-format on
  for (const auto& [spoil, expected] : rows) {
    In in = DryStand();
    spoil(in);
    h.SetInputs(in);
    const CHalvexOutputs o = h.CalculateHalvexOutputs(ok);
    EXPECT_EQ(CFormat("%d %d %d %s %d %d %.7g %.7g", ok, o.FireType, o.ErrorNumber,
                      h.Outputs.ErrorDescription, o.RateOfSpread > 0, h.HighResult.ROS == -1,
                      o.CrownFirelineIntensity, h.Inputs.CrownHPA),
              expected);
  }
  const CHalvexOutputs calm = h.Outputs;
  for (const double share : {0.5, 1.25}) {
    h.Inputs.OpenWindSpeed = share * calm.CrowningIndex;
    const CHalvexOutputs o = h.CalculateHalvexOutputs(ok);
    const bool below = share < 1;
    EXPECT_EQ(std::tuple(o.TorchingIndex, o.CrowningIndex, o.SurfacingIndex, o.FireType,
                         o.TransitionFunction, o.CrownCriticalBulkDensity > 0.15,
                         o.RateOfSpread == o.High.RateOfSpread),
              std::tuple(calm.TorchingIndex, calm.CrowningIndex, calm.SurfacingIndex, below ? 1 : 3,
                         below ? 0.0 : 1.0, below, !below))
        << share;
  }
}

}  // namespace

}  // namespace sylvanor
