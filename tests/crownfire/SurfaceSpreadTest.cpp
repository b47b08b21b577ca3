#include "crownfire/SurfaceSpread.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace sylvanor {

namespace {

constexpr double kTonsPerAcre = 0.04591;  // lb/ft2 per ton/acre

// A static model from published figures (ton/acre, 1/ft, ft, percent).
CFuelModel Model(int number, double h1, double h10, double h100, double herb, double woody,
                 double sav1, double savHerb, double savWoody, double depth, double mx) {
  CFuelModel m;
  m.Number = number;
  m.Code = std::to_string(number);
  m.Load1Hr = h1 * kTonsPerAcre;
  m.Load10Hr = h10 * kTonsPerAcre;
  m.Load100Hr = h100 * kTonsPerAcre;
  m.LoadLiveHerb = herb * kTonsPerAcre;
  m.LoadLiveWoody = woody * kTonsPerAcre;
  m.Type = "N/A";
  m.SAV1Hr = sav1;
  m.SAVLiveHerb = savHerb;
  m.SAVLiveWoody = savWoody;
  m.Depth = depth;
  m.MxDead = mx / 100;
  m.HeatDead = m.HeatLive = 8000;
  return m;
}

// Standard models 1, 2, 4 and 10 (Anderson 1982, Aids to determining fuel
// models for estimating fire behavior, GTR INT-122).
std::vector<CFuelModel> StandardModels() {
  return {Model(1, 0.74, 0, 0, 0, 0, 3500, 0, 0, 1.0, 12),
          Model(2, 2.00, 1.00, 0.50, 0.50, 0, 3000, 1500, 0, 1.0, 15),
          Model(4, 5.01, 4.01, 2.00, 0, 5.01, 2000, 0, 1500, 6.0, 20),
          Model(10, 3.01, 2.00, 5.01, 0, 2.00, 2000, 0, 1500, 1.0, 25)};
}

// Dry fuels: 1-h 6 %, 10-h 7 %, 100-h 8 %, live herb 60 %, live woody 90 %;
// 5 mph open wind straight upslope on flat ground.
CHalvexInputs DryInputs() {
  CHalvexInputs in;
  in.VegType = kVegNoCanopy;
  in.DeadHerbMx = 6;
  in.OneHourMx = 6;
  in.TenHourMx = 7;
  in.HundredHourMx = 8;
  in.LiveHerbMx = 60;
  in.LiveWoodyMx = 90;
  in.OpenWindSpeed = 5;
  in.PercentSlope = 0;
  in.WindDirFromUphill = 0;
  in.SpreadDirection = 0;
  return in;
}

CHalvexInputsSet Bed(int model, int lowOrHigh = 0) {
  CHalvexInputsSet set;
  set.LowOrHigh = lowOrHigh;
  set.FuelModel = model;
  set.WindReductionFactor = 0.4;
  set.MultiplierROS = set.MuliplierLoadDepth = set.MuliplierIntensity = 1;
  return set;
}

void ExpectNear(double actual, double expected, double relative, const char* what) {
  EXPECT_NEAR(actual, expected, std::abs(expected) * relative) << what;
}

// The fifteen fields the spread computation sets.
std::vector<double> Computed(const CHalvexTempSet& r) {
  return {r.BulkDensity,       r.ROS,         r.HeatSink, r.HPA,          r.PropFluxRatio,
          r.ReactionIntensity, r.SlopeFactor, r.WindC,    r.PackingRatio, r.OptPackingRatio,
          r.RelPackingRatio,   r.WindE,       r.WindB,    r.ROS0,         r.EffectiveWind};
}

void ExpectNoFire(const CHalvexTempSet& r) {
  for (double v : Computed(r))
    EXPECT_EQ(v, -1);
  EXPECT_EQ(r.FirelineIntensity, -1);
}

void ExpectFinite(const CHalvexTempSet& r) {
  for (double v : Computed(r))
    EXPECT_TRUE(std::isfinite(v));
}

// Model 1 (short grass) at 1-h moisture 6 %, open wind 5 mph, wind reduction
// 0.4, no slope, all multipliers 1:
//   w1 = 0.74 x 0.04591 = 0.0339734 lb/ft2; A_d = 3500 x 0.0339734 = 118.9069,
//   A_l = 0.0001 (no live fuel); f_dead = 118.9069 / 118.9070 = 0.99999916
//   sigma = 0.99999916 x 3500 = 3499.9971 1/ft
//   Mf_dead = 6 % < 12 %; Mx_live = 12 % (no live fine fuel: W = 0)
//   wn = 0.9445 x 0.0339734 = 0.03208788 = Wn_dead (one class, fraction 1)
//   rho_b = 0.0339734 / 1.0 = 0.0339734 lb/ft3; beta = rho_b / 32 = 0.00106167
//   sigma^1.5 = 207062.5; Gamma'max = 207062.5 / (495 + 12299.5) = 16.1837
//   beta_op = 3.348 x sigma^-0.8189 = 0.00419323; beta/beta_op = 0.253187
//   A = 133 x sigma^-0.7913 = 0.208656
//   Gamma' = 16.1837 x 0.253187^0.208656 x exp(0.208656 x 0.746813)
//          = 16.1837 x 0.750800 x 1.168624 = 14.1996
//   eta_M = eta(0.06 / 0.12 = 0.5) = 1 - 1.295 + 1.2775 - 0.44 = 0.5425
//   eta_s = 0.174 x 0.01^-0.19 = 0.174 x 2.398833 = 0.417397
//   IR = 0.5425 x 0.03208788 x 8000 x 14.1996 x 0.417397 = 825.385 BTU/ft2/min
//   xi = exp((0.792 + 0.681 x 59.16077) x 0.10106167) / (192 + 0.2595 sigma)
//      = exp(4.151663) / 1100.2492 = 63.53955 / 1100.2492 = 0.0577501
//   HS = 0.99999916 x exp(-138/3500) x (250 + 11.16 x 6)
//      = 0.99999916 x 0.961339 x 316.96 = 304.7056 BTU/lb
//   HPA = 825.385 x 384 / 3499.997 = 90.5567 BTU/ft2
//   R0 = 825.385 x 0.0577501 / (304.7056 x 0.0339734 x 3.281)
//      = 47.66613 / 33.96454 = 1.403409 m/min
//   C = 7.47 exp(-0.133 x 88.96870) = 5.42482e-5; B = 0.02526 x 81.99673
//     = 2.071237; E = 0.715 exp(-0.000359 sigma) = 0.203524
//   U = 0.4 x 88 x 5 = 176 ft/min; phi_w = C x 176^B x 0.253187^-E
//     = 5.42482e-5 x 44770.30 x 1.322556 = 3.212100
//     (limit C x (0.9 x 825.385)^B x 1.322556 = 63.40, not reached)
//   U_E = 176 / 88 = 2 mph; R = 1.403409 x (1 + 3.212100) = 5.911298 m/min
TEST(SurfaceSpreadWorked, ShortGrassModelOne) {
  const CHalvexTempSet r = CalculateROS(StandardModels(), DryInputs(), Bed(1));
  constexpr double kRel = 2e-5;
  ExpectNear(r.BulkDensity, 0.0339734, kRel, "rho_b");
  ExpectNear(r.PackingRatio, 0.00106167, kRel, "beta");
  ExpectNear(r.OptPackingRatio, 0.00419323, kRel, "beta_op");
  ExpectNear(r.RelPackingRatio, 0.253187, kRel, "beta/beta_op");
  ExpectNear(r.ReactionIntensity, 825.385, kRel, "IR");
  ExpectNear(r.PropFluxRatio, 0.0577501, kRel, "xi");
  ExpectNear(r.HeatSink, 304.7056, kRel, "HS");
  ExpectNear(r.HPA, 90.5567, kRel, "HPA");
  ExpectNear(r.ROS0, 1.403409, kRel, "R0");
  ExpectNear(r.WindC, 5.42482e-5, kRel, "C");
  ExpectNear(r.WindB, 2.071237, kRel, "B");
  ExpectNear(r.WindE, 0.203524, kRel, "E");
  EXPECT_EQ(r.SlopeFactor, 0);
  ExpectNear(r.EffectiveWind, 2.0, 1e-9, "U_E");
  ExpectNear(r.ROS, 5.911298, kRel, "R");
  EXPECT_EQ(r.FirelineIntensity, -1);  // left to the crown fire assessment
}

// Model 2 (timber grass) with live herbaceous fuel, 30 % slope and the wind
// 45 degrees off upslope; same moistures (cured herbaceous none, static):
//   loads 0.09182 / 0.04591 / 0.022955 dead, 0.022955 live herbaceous
//   A_d = 275.46 + 5.00419 + 0.68865 = 281.15284; A_l = 1500 x 0.022955 = 34.4325
//   f_dead = 0.890893, f_live = 0.109107; sigma_dead = 2941.269;
//   sigma = 0.109107 x 1500 + 0.890893 x 2941.269 = 2784.017
//   Mf_dead = (275.46 x 6 + 5.00419 x 7 + 0.68865 x 8) / 281.15284 = 6.02270 %
//   Wn_dead = 0.9445 (0.09182 x 0.979752 + 0.04591 x 0.017799
//             + 0.022955 x 0.002449) = 0.0857929 (three subclasses)
//   Wn_live = 0.9445 x 0.022955 = 0.0216810
//   W = (e^(-138/3000) 0.09182 + e^(-138/109) 0.04591 + e^(-138/30) 0.022955)
//       / (e^(-500/1500) 0.022955) = 0.1008666 / 0.0164480 = 6.132465
//   Mf' = 0.0613290; Mx_live = 2.9 x 6.132465 x (1 - 0.061329 / 0.15) - 0.226
//       = 10.28692
//   eta_M live = eta(0.60 / 10.28692) = 0.865620; dead = eta(0.401513) = 0.556032
//   Gamma' = 15.89809; IR = (0.865620 x 0.0216810 + 0.556032 x 0.0857929)
//          x 8000 x 15.89809 x 0.417397 = 3528.719
//   HS = 357.2119; xi = 0.0531222; rho_b = 0.18364; R0 = 0.870950 m/min
//   phi_s = 5.275 x 0.00573875^-0.3 x 0.3^2 = 2.232646; phi_w = 2.741843
//   X = 2.232646 + 2.741843 cos 45 = 4.171421; Y = 1.938776; phi_E = 4.599957
//   U_E = 2.653343 mph; R = 0.870950 x 5.599957 = 4.877285 m/min
TEST(SurfaceSpreadWorked, TimberGrassModelTwoOnSlope) {
  CHalvexInputs in = DryInputs();
  in.PercentSlope = 30;
  in.WindDirFromUphill = 45;
  const CHalvexTempSet r = CalculateROS(StandardModels(), in, Bed(2));
  constexpr double kRel = 2e-5;
  ExpectNear(r.BulkDensity, 0.18364, kRel, "rho_b");
  ExpectNear(r.ReactionIntensity, 3528.719, kRel, "IR");
  ExpectNear(r.HeatSink, 357.2119, kRel, "HS");
  ExpectNear(r.PropFluxRatio, 0.0531222, kRel, "xi");
  ExpectNear(r.ROS0, 0.870950, kRel, "R0");
  ExpectNear(r.SlopeFactor, 2.232646, kRel, "phi_s");
  ExpectNear(r.EffectiveWind, 2.653343, kRel, "U_E");
  ExpectNear(r.ROS, 4.877285, kRel, "R");

  // one heat content for both categories, weighted by surface area: live
  // 9000 BTU/lb gives 0.109107 x 9000 + 0.890893 x 8000 = 8109.107, IR x 1.013638
  auto models = StandardModels();
  models[1].HeatLive = 9000;
  ExpectNear(CalculateROS(models, in, Bed(2)).ReactionIntensity, 3528.719 * 1.0136384, kRel,
             "IR, live heat 9000");
}

// Model 4 (chaparral) at the dry moistures has Mx_live = 3.0216 (302 %): live
// woody fuel wetter than that adds no reaction, however wet.
TEST(SurfaceSpreadWorked, LiveFuelAboveItsExtinctionMoisture) {
  const auto models = StandardModels();
  CHalvexInputs in = DryInputs();
  const double dry = CalculateROS(models, in, Bed(4)).ReactionIntensity;
  ExpectNear(dry, 12000.04, 2e-5, "IR at 90 %");
  in.LiveWoodyMx = 310;
  const double wet = CalculateROS(models, in, Bed(4)).ReactionIntensity;
  in.LiveWoodyMx = 400;
  EXPECT_EQ(CalculateROS(models, in, Bed(4)).ReactionIntensity, wet);
  EXPECT_GT(wet, 0);  // the dead fuel still burns
  EXPECT_LT(wet, dry);
}

TEST(SurfaceSpreadResponse, CalmFlatFireSpreadsAtR0EveryWay) {
  CHalvexInputs in = DryInputs();
  in.OpenWindSpeed = 0;
  for (const CFuelModel& m : StandardModels()) {
    for (int direction : {0, 45, 90, 180, 270}) {
      in.SpreadDirection = direction;
      const CHalvexTempSet r = CalculateROS(StandardModels(), in, Bed(m.Number));
      SCOPED_TRACE(m.Number);
      EXPECT_GT(r.ROS0, 0);
      EXPECT_EQ(r.EffectiveWind, 0);
      EXPECT_EQ(r.SlopeFactor, 0);
      EXPECT_DOUBLE_EQ(r.ROS, r.ROS0);  // a circle: ratio 1
    }
  }
}

TEST(SurfaceSpreadResponse, MoreWindOrSlopeNeverSlowsTheHead) {
  const auto models = StandardModels();
  CHalvexInputs in = DryInputs();
  for (const CFuelModel& m : models) {
    for (int direction : {0, 45, 90}) {
      in.WindDirFromUphill = direction;
      double previousSlope = 0;
      for (int slope = 0; slope <= 100; slope += 20) {
        in.PercentSlope = slope;
        double previous = 0;
        for (double wind = 0; wind <= 60; wind += 2.5) {
          in.OpenWindSpeed = wind;
          const double ros = CalculateROS(models, in, Bed(m.Number)).ROS;
          ASSERT_GE(ros, previous) << m.Number << " " << direction << " " << slope << " " << wind;
          previous = ros;
        }
        in.OpenWindSpeed = 10;
        const double ros = CalculateROS(models, in, Bed(m.Number)).ROS;
        ASSERT_GE(ros, previousSlope) << m.Number << " " << direction << " " << slope;
        previousSlope = ros;
      }
    }
  }
}

TEST(SurfaceSpreadResponse, StrongWindIsCappedAtTheReactionIntensity) {
  const auto models = StandardModels();
  CHalvexInputs in = DryInputs();
  for (const CFuelModel& m : models) {
    SCOPED_TRACE(m.Number);
    in.OpenWindSpeed = 2000;
    const CHalvexTempSet r = CalculateROS(models, in, Bed(m.Number));
    // no slope, wind upslope: phi_E is phi_w
    const double phiW = r.ROS / r.ROS0 - 1;
    const double limit = r.WindC * std::pow(0.9 * r.ReactionIntensity, r.WindB) *
                         std::pow(r.RelPackingRatio, -r.WindE);
    EXPECT_NEAR(phiW, limit, limit * 1e-9);
    // the effective wind is the capped midflame wind, 0.9 IR ft/min
    EXPECT_NEAR(r.EffectiveWind, 0.9 * r.ReactionIntensity / 88, 1e-6 * r.EffectiveWind);
    in.OpenWindSpeed = 5000;
    EXPECT_DOUBLE_EQ(CalculateROS(models, in, Bed(m.Number)).ROS, r.ROS);
  }
}

TEST(SurfaceSpreadResponse, WindUpslopeAddsDownslopeSubtracts) {
  const auto models = StandardModels();
  CHalvexInputs in = DryInputs();
  in.PercentSlope = 60;
  in.OpenWindSpeed = 0;
  const CHalvexTempSet slopeOnly = CalculateROS(models, in, Bed(2));
  in.PercentSlope = 0;
  in.OpenWindSpeed = 3;
  const CHalvexTempSet windOnly = CalculateROS(models, in, Bed(2));
  const double phiS = slopeOnly.SlopeFactor;
  const double phiW = windOnly.ROS / windOnly.ROS0 - 1;
  ASSERT_GT(phiS, phiW);  // so that 180 degrees leaves a net upslope push
  ASSERT_GT(phiW, 0);

  in.PercentSlope = 60;
  in.WindDirFromUphill = 0;
  const CHalvexTempSet up = CalculateROS(models, in, Bed(2));
  EXPECT_NEAR(up.ROS, up.ROS0 * (1 + phiS + phiW), 1e-9);
  in.WindDirFromUphill = 180;
  const CHalvexTempSet down = CalculateROS(models, in, Bed(2));
  EXPECT_NEAR(down.ROS, down.ROS0 * (1 + phiS - phiW), 1e-9);
  // the effective wind of |phi_s - phi_w|: U_E = [(phi/C)^(-1/E) / (beta/beta_op)]^(-E/B) / 88
  const double phi = phiS - phiW;
  const double ue = std::pow(std::pow(phi / down.WindC, -1 / down.WindE) / down.RelPackingRatio,
                             -down.WindE / down.WindB) /
                    88;
  EXPECT_NEAR(down.EffectiveWind, ue, 1e-9);
}

// With U_E = 4 mph: LB = 2, e = sqrt(1 - 1/4) = 0.8660254, a = 1/1.8660254
// = 0.5358984. Flank (90): a / LB = 0.2679492. Back (180): a (1 - e) =
// 0.0717968.
TEST(SurfaceSpreadResponse, NonHeadingRatioFollowsTheEllipse) {
  EXPECT_DOUBLE_EQ(CalculateNonHeadingROS(0, 4), 1);
  EXPECT_NEAR(CalculateNonHeadingROS(90, 4), 0.2679492, 1e-7);
  EXPECT_NEAR(CalculateNonHeadingROS(180, 4), 0.0717968, 1e-7);
  EXPECT_NEAR(CalculateNonHeadingROS(-90, 4), 0.2679492, 1e-7);
  EXPECT_EQ(CalculateNonHeadingROS(123, 0), 1);
  // below -4 mph the ellipse does not exist: 0, never a NaN
  EXPECT_EQ(CalculateNonHeadingROS(0, -2), 0);

  // the spread rate takes the ratio at the effective wind
  const auto models = StandardModels();
  CHalvexInputs in = DryInputs();
  const CHalvexTempSet head = CalculateROS(models, in, Bed(10));
  in.SpreadDirection = 180;
  const CHalvexTempSet back = CalculateROS(models, in, Bed(10));
  EXPECT_NEAR(back.ROS, head.ROS * CalculateNonHeadingROS(180, head.EffectiveWind), 1e-12);
  EXPECT_LT(back.ROS, head.ROS0);
}

TEST(SurfaceSpreadNoFire, WetFuelOrUnknownModelGivesAllMinusOne) {
  const auto models = StandardModels();
  CHalvexInputs in = DryInputs();
  in.OneHourMx = 12;  // model 1's extinction moisture
  ExpectNoFire(CalculateROS(models, in, Bed(1)));
  in.OneHourMx = 11;
  EXPECT_GT(CalculateROS(models, in, Bed(1)).ROS, 0);
  ExpectNoFire(CalculateROS(models, DryInputs(), Bed(13)));
  ExpectNoFire(CalculateROS({}, DryInputs(), Bed(1)));
  // every dead class of a four-class bed at 25 %: the weighted moisture is
  // 25 % give or take rounding, and the bed does not burn
  in = DryInputs();
  in.OneHourMx = in.TenHourMx = in.HundredHourMx = in.DeadHerbMx = 25;
  ExpectNoFire(CalculateROS(models, in, Bed(10)));
}

TEST(SurfaceSpreadNoFire, FirstModelOfANumberIsUsed) {
  auto models = StandardModels();
  CFuelModel wetter = models[0];
  wetter.MxDead = 0.05;  // would not burn at 6 %
  models.push_back(wetter);
  EXPECT_EQ(FindFuelModel(models, 1), &models[0]);
  EXPECT_EQ(FindFuelModel(models, 99), nullptr);
  EXPECT_GT(CalculateROS(models, DryInputs(), Bed(1)).ROS, 0);
  models.erase(models.begin());
  ExpectNoFire(CalculateROS(models, DryInputs(), Bed(1)));
}

TEST(SurfaceSpreadBeds, CrownBedOfAConiferStand) {
  const auto models = StandardModels();
  CHalvexInputs in = DryInputs();
  in.VegType = kVegShrub;
  CHalvexInputsSet high = Bed(10, 1);
  high.WindReductionFactor = 0.2;
  const CHalvexTempSet shrub = CalculateROS(models, in, high);
  // shrub stand: the set's own wind reduction, 0.2 x 88 x 5 = 88 ft/min
  EXPECT_NEAR(shrub.EffectiveWind, 1.0, 1e-9);
  in.VegType = kVegConifer;
  const CHalvexTempSet conifer = CalculateROS(models, in, high);
  EXPECT_NEAR(conifer.ROS0, 3.34 * shrub.ROS0, 1e-12);
  EXPECT_NEAR(conifer.EffectiveWind, 2.0, 1e-9);  // 0.4 x 88 x 5 ft/min
  // the surface bed of a conifer stand keeps both
  const CHalvexTempSet low = CalculateROS(models, in, Bed(10, 0));
  EXPECT_DOUBLE_EQ(low.ROS0, shrub.ROS0);
  EXPECT_NEAR(low.EffectiveWind, 2.0, 1e-9);
}

TEST(SurfaceSpreadBeds, MultipliersScaleLoadsSpreadAndHeat) {
  // every class loaded; at 60 % two thirds of the herbaceous load is cured
  CFuelModel full = Model(4, 1.0, 1.5, 2.0, 0.8, 1.2, 2000, 1600, 1400, 2.0, 25);
  full.Type = "dynamic";
  const std::vector<CFuelModel> models{full};
  const CHalvexInputs in = DryInputs();
  const CHalvexTempSet base = CalculateROS(models, in, Bed(4));
  CHalvexInputsSet set = Bed(4);
  set.MuliplierLoadDepth = 2;  // the same bed, twice as deep
  const CHalvexTempSet deep = CalculateROS(models, in, set);
  EXPECT_DOUBLE_EQ(deep.BulkDensity, base.BulkDensity);
  EXPECT_NEAR(deep.ReactionIntensity, 2 * base.ReactionIntensity, 1e-9 * base.ReactionIntensity);
  EXPECT_NEAR(deep.ROS0, 2 * base.ROS0, 1e-12);
  set = Bed(4);
  set.MultiplierROS = 1.5;
  const CHalvexTempSet faster = CalculateROS(models, in, set);
  EXPECT_NEAR(faster.ROS, 1.5 * base.ROS, 1e-12);
  EXPECT_DOUBLE_EQ(faster.HPA, base.HPA);
  set = Bed(4);
  set.MuliplierIntensity = 3;
  const CHalvexTempSet hotter = CalculateROS(models, in, set);
  EXPECT_NEAR(hotter.HPA, 3 * base.HPA, 1e-9);
  EXPECT_DOUBLE_EQ(hotter.ROS, base.ROS);
}

TEST(SurfaceSpreadBeds, BedsOutsideTheModelNeverGiveNaN) {
  CHalvexInputs in = DryInputs();
  // live fuel alone: the dead fractions are 0; live moisture 60 % is above
  // the extinction moisture (the dead one, 25 %), so nothing burns...
  CFuelModel live = Model(50, 0, 0, 0, 0, 3.0, 0, 0, 1500, 2.0, 25);
  CHalvexTempSet r = CalculateROS({live}, in, Bed(50));
  ExpectFinite(r);
  EXPECT_EQ(r.ROS, 0);
  // ...but it does at 10 %
  in.LiveWoodyMx = 10;
  r = CalculateROS({live}, in, Bed(50));
  ExpectFinite(r);
  EXPECT_GT(r.ROS, 0);

  // no fuel at all, or no depth: zeros
  for (const CFuelModel& m : {Model(51, 0, 0, 0, 0, 0, 2000, 1500, 1500, 1.0, 25),
                              Model(52, 1, 0, 0, 0, 0, 2000, 1500, 1500, 0.0, 25)}) {
    r = CalculateROS({m}, in, Bed(m.Number));
    ExpectFinite(r);
    EXPECT_EQ(r.ROS, 0);
    EXPECT_EQ(r.ReactionIntensity, 0);
  }

  // a negative wind has no wind factor
  in = DryInputs();
  in.OpenWindSpeed = -5;
  r = CalculateROS(StandardModels(), in, Bed(1));
  ExpectFinite(r);
  EXPECT_DOUBLE_EQ(r.ROS, r.ROS0);
}

TEST(SurfaceSpreadTransfer, DynamicHerbaceousTransfer) {
  CFuelModel m = Model(101, 0.1, 0, 0, 2.0, 0, 2000, 1800, 1500, 1.0, 25);
  m.Type = "dynamic";
  const double herb = m.LoadLiveHerb;
  struct Case {
    int mx;
    double cured;  // T = 1.333 - 0.0111 mx, limited to 0..1
  };
  // 30: 1.333 - 0.333 = 1; 120: 1.333 - 1.332 = 0.001; 121: -0.0101 -> 0;
  // 10: 1.222 -> 1
  for (const Case c :
       {Case{30, 1.0}, Case{120, 0.001}, Case{121, 0.0}, Case{10, 1.0}, Case{75, 0.5005}}) {
    CFuelModel t = m;
    CalculateDynamicFuelModelLoads(t, c.mx);
    EXPECT_NEAR(t.LoadDeadHerb, c.cured * herb, 1e-12) << c.mx;
    EXPECT_NEAR(t.LoadLiveHerb, (1 - c.cured) * herb, 1e-12) << c.mx;
  }
  for (const std::string type : {"N/A", "Dynamic", ""}) {
    CFuelModel t = m;
    t.Type = type;
    CalculateDynamicFuelModelLoads(t, 30);
    EXPECT_EQ(t.LoadDeadHerb, 0) << type;
    EXPECT_EQ(t.LoadLiveHerb, herb) << type;
  }
}

TEST(SurfaceSpreadTransfer, CuredHerbaceousBurnsAsDeadFuel) {
  // Fully cured (live herbaceous moisture 30 %), a dynamic model's herbaceous
  // load is dead fuel of the herbaceous SAV at the cured moisture: with the
  // 1-hour SAV and moisture the same, the bed is that of a static model with
  // the herbaceous load added to the 1-hour load.
  CFuelModel dynamic = Model(1, 0.5, 0.5, 0, 1.5, 0.8, 1800, 1800, 1500, 1.5, 20);
  dynamic.Type = "dynamic";
  CFuelModel cured = Model(2, 2.0, 0.5, 0, 0, 0.8, 1800, 1800, 1500, 1.5, 20);
  CHalvexInputs in = DryInputs();
  in.LiveHerbMx = 30;
  in.DeadHerbMx = in.OneHourMx;
  const std::vector<CFuelModel> models{dynamic, cured};
  const CHalvexTempSet a = CalculateROS(models, in, Bed(1));
  const CHalvexTempSet b = CalculateROS(models, in, Bed(2));
  EXPECT_NEAR(a.ReactionIntensity, b.ReactionIntensity, 1e-9 * b.ReactionIntensity);
  EXPECT_NEAR(a.HeatSink, b.HeatSink, 1e-9 * b.HeatSink);
  EXPECT_NEAR(a.ROS, b.ROS, 1e-9 * b.ROS);
  EXPECT_GT(a.ROS, 0);
  // the cured part takes the cured moisture, not the 1-hour one
  in.DeadHerbMx = 15;
  EXPECT_LT(CalculateROS(models, in, Bed(1)).ROS, a.ROS);
}

TEST(SurfaceSpreadTransfer, NetLoadsWeightedBySizeSubclass) {
  CFuelModel m;
  m.SAVLiveHerb = 1200;
  m.SAV1Hr = 1200;
  // herbaceous and 1-hour share the finest subclass; 10-hour (109) and
  // 100-hour (30) each have their own:
  // (0.1 + 0.3)(0.2 + 0.5) + 0.05 x 0.2 + 0.4 x 0.1 = 0.28 + 0.01 + 0.04 = 0.33
  EXPECT_NEAR(FindWnDead(0.1, 0.2, 0.3, 0.5, 0.05, 0.2, 0.4, 0.1, m), 0.33, 1e-12);
  // 1199 is the next subclass down: 0.1 x 0.2 + 0.3 x 0.5 + 0.05 = 0.22
  m.SAV1Hr = 1199;
  EXPECT_NEAR(FindWnDead(0.1, 0.2, 0.3, 0.5, 0.05, 0.2, 0.4, 0.1, m), 0.22, 1e-12);
  // 10-hour at 96 joins a 1-hour at 191; 100-hour at 48 is not with 47
  m.SAV1Hr = 191;
  m.SAV10Hr = 96;
  m.SAV100Hr = 48;
  m.SAVLiveHerb = 47;
  // (0.3 + 0.05)(0.5 + 0.2) + 0.4 x 0.1 + 0.1 x 0.2 = 0.245 + 0.04 + 0.02 = 0.305
  EXPECT_NEAR(FindWnDead(0.1, 0.2, 0.3, 0.5, 0.05, 0.2, 0.4, 0.1, m), 0.305, 1e-12);

  m.SAVLiveHerb = 1500;
  m.SAVLiveWoody = 1500;
  EXPECT_NEAR(FindWnLive(0.2, 0.25, 0.6, 0.75, m), 0.8, 1e-12);  // (0.2 + 0.6)(0.25 + 0.75)
  m.SAVLiveWoody = 1100;
  // 0.2 x 0.25 + 0.6 x 0.75 = 0.05 + 0.45 = 0.5
  EXPECT_NEAR(FindWnLive(0.2, 0.25, 0.6, 0.75, m), 0.5, 1e-12);
}

}  // namespace

}  // namespace sylvanor
