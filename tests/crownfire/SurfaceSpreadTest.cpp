#include "crownfire/SurfaceSpread.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/support/FuelBeds.h"

namespace sylvanor {

namespace {

using T = CHalvexTempSet;
// The fields by the symbols of the working.
constexpr double T::*kRhoB = &T::BulkDensity, T::*kBeta = &T::PackingRatio,
                 T::*kBetaOp = &T::OptPackingRatio, T::*kRel = &T::RelPackingRatio,
                 T::*kIR = &T::ReactionIntensity, T::*kXi = &T::PropFluxRatio,
                 T::*kHS = &T::HeatSink, T::*kHPA = &T::HPA, T::*kR0 = &T::ROS0, T::*kC = &T::WindC,
                 T::*kB = &T::WindB, T::*kE = &T::WindE, T::*kPhiS = &T::SlopeFactor,
                 T::*kUE = &T::EffectiveWind, T::*kR = &T::ROS, T::*kI = &T::FirelineIntensity;

// clang-format off
struct S { std::vector<CFuelModel> m; CHalvexInputs in; CHalvexInputsSet bed; };  // one case
// clang-format on

// Model 1 (lb, ft, BTU; R m/min), flat, 1-hour 6 %, midflame 5 x 0.4 x 88 = 176 ft/min: rho_b = w
//   = 0.74 x 0.04591 = 0.0339734, beta = w / 32; A_d = 3500 w = 118.9069, A_l = 0.0001: f_dead
//   0.99999916, sigma 3499.9971; Mx_live 12 % (no live fuel); Wn = 0.9445 w = 0.03208788; Gamma'max
//   = 207062.5 / 12794.5 = 16.1837, beta_op = 3.348 sigma^-0.8189, A = 133 sigma^-0.7913 =
//   0.208656, Gamma' = 16.1837 x 0.253187^A exp(0.746813 A) = 14.1996; IR = eta(0.5) Wn 8000 Gamma'
//   eta_s, eta(0.5) = 0.5425, eta_s = 0.174 x 0.01^-0.19 = 0.417397; xi = exp((0.792 + 0.681 x
//   59.16077) 0.10106167) / 1100.2492; HS = 0.99999916 exp(-138 / 3500) 316.96; HPA = 384 IR /
//   sigma; R0 = IR xi / (HS rho_b 3.281); C = 7.47 exp(-0.133 x 88.96870), B = 0.02526 x
//   81.99673, E = 0.715 exp(-0.000359 sigma); phi_w = C 176^B 0.253187^-E = 3.212100, U_E = 176 /
//   88, R = R0 (1 + phi_w).
// backing: LB = 1 + 2 / 4, e = (1 - LB^-2)^0.5 = 0.745356: R (1 - e) / (1 + e) = R x 0.145898;
//   the flank R / (1 + e) / LB = R x 0.381966
// 2000 mph: phi_w stops at C (0.9 IR)^B 0.253187^-E = 63.403280, U_E at 0.9 IR / 88
// load and depth x 2, rate x 1.5, intensity x 3: rho_b kept, IR x 2, R0 and R x 3, HPA x 6
// crown beds: a conifer's R0 x 3.34 at the wind factor 0.4; a shrub's at its own 0.2 (U_E 1)
// 1-hour at 11 %: IR x eta(11/12) / 0.5425 = IR x 0.2083565 / 0.5425
// model 60 (1-hour 0.24, dynamic herbaceous 0.5 ton/acre) cured at 30 %: model 1's bed; the cured
//   load at 12 %: Mf_dead = (0.5 x 12 + 0.24 x 6) / 0.74 = 10.054054 %, IR x eta(0.837838) /
//   0.5425 = IR x 0.3468292 / 0.5425
// Model 2, 30 % slope: dead 0.09182 / 0.04591 / 0.022955, live herbaceous 0.022955; A_d =
//   281.15284, A_l = 34.4325: f_dead 0.890893; sigma = 0.109107 x 1500 + 0.890893 x 2941.269 =
//   2784.017; Mf_dead 6.02270 %; Wn_dead = 0.9445 (0.09182 x 0.979752 + 0.04591 x 0.017799 +
//   0.022955 x 0.002449) = 0.0857929 (three subclasses), Wn_live 0.0216810; W = 0.1008666 /
//   0.0164480 = 6.132465, Mf' 0.0613290: Mx_live = 2.9 W (1 - 0.061329 / 0.15) - 0.226 = 10.28692;
//   eta live (0.6 / 10.28692) = 0.865620, dead (0.401513) = 0.556032; Gamma' 15.89809: IR =
//   (0.865620 x 0.0216810 + 0.556032 x 0.0857929) 8000 Gamma' eta_s; phi_s = 5.275 x
//   0.00573875^-0.3 x 0.09, phi_w 2.741843; HS 357.2119, xi 0.0531222, rho_b 0.18364, R0 0.870950;
//   C 2.198879e-4, B 1.830443, E 0.263175, beta/beta_op 1.134681: U_E = [(phi_E / C)^(-1/E) /
//   1.134681]^(-E/B) / 88; R = R0 (1 + phi_E).
// 45 degrees: X = phi_s + phi_w cos 45 = 4.171421, Y = 1.938776, phi_E = 4.599957; upslope
//   4.974489, downslope 0.509197. Live heat 9000: IR x (0.109107 x 9000 + 0.890893 x 8000) / 8000
// model 4, live woody at 90 %: IR = 12000.04
// model 50, live woody 0.13773 alone, SAV 1500, 2 ft deep, extinction 25 % (Mx_live too): rho_b =
//   0.068865, beta/beta_op = 0.256427, A = 0.407953, Gamma' = 14.72308 x 0.256427^A exp(0.743573 A)
//   = 11.44521; at 10 %: IR = eta(0.4) 0.9445 x 0.13773 x 8000 x 11.44521 x 0.417397 = 0.55632 x
//   4971.59. Model 1 without fuel or depth has no spread; a case without values no fire (all -1).
TEST(SurfaceSpreadTest, WorkedCases) {
  // clang-format off
  const std::tuple<const char*, int, void (*)(S&), std::vector<std::pair<double T::*, double>>>
      cases[] = {
      {"model 1", 1, [](S&) {}, {{kRhoB, 0.0339734}, {kBeta, 0.00106167}, {kBetaOp, 0.00419323},
        {kRel, 0.253187}, {kIR, 825.385}, {kXi, 0.0577501}, {kHS, 304.7056}, {kHPA, 90.5567},
        {kR0, 1.403409}, {kC, 5.42482e-5}, {kB, 2.071237}, {kE, 0.203524}, {kPhiS, 0}, {kUE, 2},
        {kR, 5.911298}, {kI, -1}}},  // the intensity is left to the crown fire assessment
      {"backing", 1, [](S& s) { s.in.SpreadDirection = 180; }, {{kR, 0.862447}}},
      {"flank", 1, [](S& s) { s.in.SpreadDirection = -90; }, {{kR, 2.257914}}},
      {"2000 mph", 1, [](S& s) { s.in.OpenWindSpeed = 2000; }, {{kR, 90.384143}, {kUE, 8.441438}}},
      {"multipliers", 1, [](S& s) { s.bed = {0, 1, 0.4, 1.5, 2, 3}; }, {{kRhoB, 0.0339734},
        {kIR, 1650.770}, {kR0, 4.210227}, {kR, 17.733894}, {kHPA, 543.3402}}},
      {"conifer crown", 1, [](S& s) { s.bed = FuelBed(1, 1, 0.2); }, {{kR0, 4.687386}, {kUE, 2}}},
      {"shrub crown", 1, [](S& s) { s.bed = FuelBed(1, 1, 0.2); s.in.VegType = kVegShrub; },
       {{kR0, 1.403409}, {kUE, 1}}},
      {"1-hour at 11 %", 1, [](S& s) { s.in.OneHourMx = 11; }, {{kIR, 317.0033}}},
      {"1-hour at model 1's 12 %", 1, [](S& s) { s.in.OneHourMx = 12; }, {}},
      {"the first model 1 too wet", 1,
       [](S& s) { s.m.insert(s.m.begin(), s.m[0]); s.m[0].MxDead = 0.05; }, {}},
      {"model 14, not in the list", 14, [](S&) {}, {}},
      {"cured", 60, [](S& s) { s.in.LiveHerbMx = 30; },
       {{kIR, 825.385}, {kHS, 304.7056}, {kR, 5.911298}}},
      {"cured at 12 %", 60, [](S& s) { s.in.LiveHerbMx = 30; s.in.DeadHerbMx = 12; },
       {{kIR, 527.6823}}},
      {"model 2, 45 degrees", 2, [](S& s) { s.in.PercentSlope = 30; s.in.WindDirFromUphill = 45; },
       {{kRhoB, 0.18364}, {kIR, 3528.719}, {kHS, 357.2119}, {kXi, 0.0531222}, {kR0, 0.870950},
        {kPhiS, 2.232646}, {kUE, 2.653343}, {kR, 4.877285}}},
      {"upslope", 2, [](S& s) { s.in.PercentSlope = 30; }, {{kR, 5.203481}, {kUE, 2.769269}}},
      {"downslope", 2, [](S& s) { s.in.PercentSlope = 30; s.in.WindDirFromUphill = 180; },
       {{kR, 1.314435}, {kUE, 0.797237}}},
      {"live heat 9000", 2, [](S& s) { s.in.PercentSlope = 30; s.in.WindDirFromUphill = 45;
                                      s.m[1].HeatLive = 9000; }, {{kIR, 3528.719 * 1.0136384}}},
      {"model 4", 4, [](S&) {}, {{kIR, 12000.04}}},
      {"model 10's dead classes at its 25 %", 10,
       [](S& s) { s.in.DeadHerbMx = s.in.OneHourMx = s.in.TenHourMx = s.in.HundredHourMx = 25; },
       {}},
      {"live fuel alone at 90 %", 50, [](S&) {}, {{kR, 0}, {kIR, 0}}},
      {"live fuel alone at 10 %", 50, [](S& s) { s.in.LiveWoodyMx = 10; }, {{kIR, 2765.784}}},
      {"no fuel", 1, [](S& s) { s.m[0].Load1Hr = 0; }, {{kR, 0}, {kIR, 0}}},
      {"no depth", 1, [](S& s) { s.m[0].Depth = 0; }, {{kR, 0}, {kIR, 0}}},
  };
  // clang-format on
  for (const auto& [name, model, setup, expected] : cases) {
    S s{StandardFuelModels(), DryStand(), FuelBed(0, model, 0.4)};
    s.m.insert(s.m.end(), {StaticModel(50, {0, 0, 0, 0, 3.0, 0, 0, 1500, 2.0, 25}),
                           StaticModel(60, {0.24, 0, 0, 0.5, 0, 3500, 3500, 0, 1.0, 12})});
    s.m.back().Type = "dynamic";
    setup(s);
    const T r = CalculateROS(s.m, s.in, s.bed);
    for (auto f :
         {kRhoB, kBeta, kBetaOp, kRel, kIR, kXi, kHS, kHPA, kR0, kC, kB, kE, kPhiS, kUE, kR, kI})
      EXPECT_TRUE(expected.empty() ? r.*f == -1 : std::isfinite(r.*f)) << name << ": " << r.*f;
    for (const auto& [field, value] : expected)
      EXPECT_NEAR(r.*field, value, std::abs(value) * 2e-5) << name << ": " << value;
  }
}

// The cured share 1.333 - 0.0111 x live herbaceous moisture, within 0..1, of a "dynamic" model's
// herbaceous load: 10 %: 1.222 -> 1; 75 %: 0.5005; 120 %: 0.001; 121 %: -0.0101 -> 0. Any other
// type (the case counts) cures nothing.
TEST(SurfaceSpreadTest, DynamicHerbaceousTransfer) {
  // clang-format off
  for (const auto& [type, mx, cured] : {std::tuple{"dynamic", 10, 1.0}, {"dynamic", 75, 0.5005},
       {"dynamic", 120, 0.001}, {"dynamic", 121, 0.0}, {"Dynamic", 30, 0.0}, {"", 30, 0.0}}) {
    // clang-format on
    CFuelModel m;
    std::tie(m.LoadLiveHerb, m.Type) = std::tuple(2, type);
    CalculateDynamicFuelModelLoads(m, mx);
    EXPECT_NEAR(m.LoadDeadHerb, 2 * cured, 1e-12) << type << " " << mx;
    EXPECT_NEAR(m.LoadLiveHerb, 2 * (1 - cured), 1e-12) << type << " " << mx;
  }
}

// Net loads and area fractions are summed within size subclasses (SAV below 48, 96, 192, 1200 and
// the rest), then multiplied. Dead net loads and fractions: herbaceous 0.1, 0.2; 1-hour 0.3, 0.5;
// 10-hour 0.05, 0.2; 100-hour 0.4, 0.1; live: herbaceous 0.2, 0.25; woody 0.6, 0.75. Herbaceous
// with 1-hour at 1200: 0.4 x 0.7 + 0.01 + 0.04 = 0.33; 1-hour at 1199 one class down: 0.02 + 0.15
// + 0.05 = 0.22; herbaceous at 47, 100-hour at 48, 10-hour at 96, 1-hour at 192, each alone: 0.02
// + 0.04 + 0.01 + 0.15 = 0.22; 10-hour at 95 joins 100-hour at 48: 0.02 + 0.45 x 0.3 + 0.15 =
// 0.305. Live together at 1500: 0.8 x 1; apart (woody 1100): 0.05 + 0.45.
TEST(SurfaceSpreadTest, NetLoadsWeightedBySizeSubclass) {
  using Row = std::array<double, 6>;  // herbaceous, 1-, 10-, 100-hour, woody SAV; expected
  for (const auto& [herb, one, ten, hundred, woody, expected] :
       {Row{1200, 1200, 109, 30, 0, 0.33}, Row{1200, 1199, 109, 30, 0, 0.22},
        Row{47, 192, 96, 48, 0, 0.22}, Row{47, 192, 95, 48, 0, 0.305},
        Row{1500, 0, 0, 0, 1500, 0.8}, Row{1500, 0, 0, 0, 1100, 0.5}}) {
    CFuelModel m;
    std::tie(m.SAVLiveHerb, m.SAV1Hr, m.SAV10Hr, m.SAV100Hr, m.SAVLiveWoody) =
        std::tuple(herb, one, ten, hundred, woody);
    EXPECT_NEAR(woody > 0 ? FindWnLive(0.2, 0.25, 0.6, 0.75, m)
                          : FindWnDead(0.1, 0.2, 0.3, 0.5, 0.05, 0.2, 0.4, 0.1, m),
                expected, 1e-12)
        << herb << " " << one << " " << ten << " " << hundred << " " << woody;
  }
}

}  // namespace

}  // namespace sylvanor
