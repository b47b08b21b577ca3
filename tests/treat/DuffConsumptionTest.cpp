#include "treat/DuffConsumption.h"

#include <gtest/gtest.h>

#include <span>

namespace sylvanor {
namespace {

// A duff (loads tons/acre, moistures %, depth in) and its override numbers; {0, 0, 0} keeps the
// switch "No", kOn turns it on without numbers.
struct d_DuffIn {
  const char *Region = "InteriorWest", *Cover = "", *Fuel = "Natural", *Method = "Entire";
  float Md = 60, M1k = 20, D = 20, H = 3, L = 2, Ml = 30;
  std::array<int, 3> Ov{};
};
constexpr std::array<int, 3> kOn = {-1, -1, -1};
constexpr const char *kNE = "NorthEast", *kSE = "SouthEast";

// The equations expected (percent, depth, mineral soil), their results and the litter consumed.
struct d_DuffCase {
  d_DuffIn In;
  std::array<int, 3> Eq;
  double Pct, Depth, MinSoil, Litter = 0;
};

void ExpectDuff(std::span<const d_DuffCase> cases) {
  for (const d_DuffCase& c : cases) {
    const d_DuffIn& i = c.In;
    SCOPED_TRACE("row " + std::to_string(&c - cases.data()));
    d_ConIn in;
    in.DuffLoad = i.D, in.DuffDepth = i.H, in.DuffMoist = i.Md, in.Moist1kHr = i.M1k;
    in.Litter = i.L, in.LitterMoist = i.Ml;
    in.Region = i.Region, in.CoverGroup = i.Cover, in.FuelCategory = i.Fuel;
    in.DuffMoistMethod = i.Method, in.Override = i.Ov == std::array<int, 3>{} ? "No" : "yes";
    in.OvDuffLoad = i.Ov[0], in.OvDuffDepth = i.Ov[1], in.OvMinSoil = i.Ov[2];
    d_DufRes r{.LitterPct = 5, .LitterEq = 7};  // reset by DUF_Mngr
    DUF_Mngr(in, r);
    EXPECT_EQ((std::array{r.PctEq, r.DepthEq, r.MinSoilEq, r.LitterEq}),
              (std::array{c.Eq[0], c.Eq[1], c.Eq[2], c.Eq[0] == 30 ? 30 : 0}));
    const double got[] = {r.Pct, r.Depth, r.MinSoil, r.LitterPct};
    const double want[] = {c.Pct, c.Depth, c.MinSoil, c.Litter};
    for (int k = 0; k < 4; ++k)
      EXPECT_NEAR(got[k], want[k], 2e-4) << "percent, depth, MSE, litter";
  }
}

}  // namespace

// At Md 60, M1k 20, H 3 (selected 2, 6, 10 in the west): P1 97.1 - 31.14, P2 83.7 - 25.56, P3
// 114.7 - 84, P4 89.9 - 33; depth5 1.028 - .534 + 1.251, depth6 .8811 - .576 + 1.317, depth7
// 1.773 - 2.102 + 1.197; MSE9 80 - 30.42, MSE10 167.4 - 31.6 ln 60 = 167.4 - 129.38129, MSE13
// 60.4 - 26.4; 15: post .8 H + .24 - .791 (+ .56 JACK) = 1.849 (2.409); 16: T 22, G 8.4326 +
// 3.4958 - 1.422 - .254886 = 10.251514; 20 (H < 4, one layer): f(60) = 1 / (1 + e^-1.653).
TEST(DuffConsumption, OverrideNumbersReplaceTheSelectedEquationsInTurn) {
  const d_DuffCase cases[] = {
      {{.Ov = {1, 5, 9}}, {1, 5, 9}, 65.96, 1.745, 49.58},
      {{.Ov = {4, 7, 13}}, {4, 7, 13}, 56.9, .868, 34},
      {{.Ov = {-1, 0, -1}}, {2, 6, 10}, 58.14, 1.6221, 38.01871},  // the depth equation's own
      {{.Method = "AdjNFDR", .Md = 15, .Ov = {-1, -1, 11}}, {3, 7, 11}, 30.7, .868, 55.26429},
      // Md 15: P2 83.7 - 6.39, depth6 .8811 - .144 + 1.317, MSE12 94.3 - 74.4
      {{.Md = 15, .Ov = {-1, -1, 12}}, {2, 6, 12}, 77.31, 2.0541, 19.9},
      {{.Cover = "RJP", .Ov = {15, 15, 14}}, {15, 15, 14}, 19.7, .591, 0},
      {{.Ov = {15, 15, 14}}, {15, 15, 14}, 38.36667, 1.151, 7.90133},
      {{.Ov = {16, 16, 14}}, {16, 16, 14}, 41.25757, 1.23773, 9.17333},
      {{.Ov = {17, 17, 18}}, {17, 17, 18}, 10, .3, 10},
      {{.Ov = {19, 19, 19}}, {19, 19, 19}, 100, 3, 100},
      {{.Ov = {20, 20, 202}}, {20, 20, 202}, 83.92961, 2.51789, 0},
      {{.H = 4, .Ov = {5, 2, 14}}, {5, 2, 14}, 54.05, 2.3256, 14.802},  // 2.162 / 4, 58.14 * .04
      {{.Ov = {4, -1, 14}}, {4, 6, 14}, 56.9, 1.6221, 16.056},
      {{.Ov = {8, 5, 9}}, {2, 6, 10}, 58.14, 1.6221, 38.01871},  // an unknown number ends them
      {{.Ov = {4, 31, 9}}, {4, 6, 10}, 56.9, 1.6221, 38.01871},
      {{.Ov = {4, 5, 32}}, {4, 5, 10}, 56.9, 1.745, 38.01871},
      {{.M1k = 2, .Ov = {3, 3, -1}}, {3, 3, 10}, 100, 3, 38.01871},   // P3 106.3, depth 3.189
      {{.H = 0, .Ov = {5, 5, 14}}, {5, 5, 14}, 0, 0, 0},              // depth5 .494, no depth
      {{.Md = 10, .Ov = {-1, 5, -1}}, {2, 5, 10}, 100, 3, 94.63831},  // 167.4 - 31.6 ln 10
  };
  ExpectDuff(cases);
}

// Without overrides the depth reduction is P / 100 * 3. Chaparral burns whole; RJP and BBS take 15
// with J = 1 and 0. MSE14 .44 P - 8.98; MSE11, 12 at Md 60 below 0. Md 10 burns all; no duff load
// bares all the soil and consumes nothing by 16 (T 2, G .03665 < L) or 20.
TEST(DuffConsumption, SelectedEquationsAndFinalAdjustment) {
  const d_DuffCase cases[] = {
      {{}, {2, 6, 10}, 58.14, 1.7442, 38.01871},
      {{.Region = "PacificWest"}, {2, 6, 10}, 58.14, 1.7442, 38.01871},
      {{.Region = "northeast"}, {2, 6, 10}, 58.14, 1.7442, 38.01871},
      {{.Fuel = "slash", .Method = "lower"}, {1, 5, 9}, 65.96, 1.9788, 49.58},
      {{.Fuel = "Slash", .Method = "NFDR"}, {3, 7, 11}, 30.7, .921, 0},
      {{.Region = "PacificWest", .Cover = "PN", .Method = "Lower"}, {4, 5, 13}, 56.9, 1.707, 34},
      {{.Cover = "Ponderosa", .Method = "AdjNFDR"}, {3, 7, 12}, 30.7, .921, 0},
      {{.Cover = "WhiPinHem", .Method = "Lower"}, {1, 5, 13}, 65.96, 1.9788, 34},
      {{.Region = kNE, .Cover = "WPH", .Method = "NFDR"}, {3, 7, 12}, 30.7, .921, 0},
      {{.Region = kNE, .Cover = "RedJacPin"}, {15, 15, 14}, 19.7, .591, 0},
      {{.Region = kNE, .Cover = "RJP", .Method = "NFDR"}, {3, 3, 14}, 30.7, .921, 4.528},
      {{.Region = kNE, .Cover = "BBS", .Method = "Lower"}, {5, 5, 14}, 58.16667, 1.745, 16.61333},
      {{.Region = kNE, .Cover = "BalBRWSpr"}, {15, 15, 14}, 38.36667, 1.151, 7.90133},
      {{.Region = kSE}, {16, 16, 14}, 41.25757, 1.23773, 9.17333},
      {{.Region = kSE, .Cover = "Pocosin"}, {20, 20, 202}, 83.92961, 2.51789, 0},
      {{.Region = kSE, .Cover = "CoastPlain"}, {30, 31, 32}, 59.48644, 1.78459, 5, 100},
      {{.Region = kSE, .Cover = "sgc"}, {19, 19, 19}, 100, 3, 100},
      {{.Md = 10}, {2, 6, 10}, 100, 3, 94.63831},
      {{.D = 0}, {2, 6, 10}, 58.14, 1.7442, 100},
      {{.Region = kSE, .D = 0}, {16, 16, 14}, 0, 0, 100},
      {{.Region = kSE, .Cover = "Pocosin", .D = 0}, {20, 20, 202}, 0, 0, 100},
  };
  ExpectDuff(cases);
}

// Equation 20, layers w = D / (10 H) * 40, the last the rest, moisture up by 3, 6, 9, 12, 12:
// D 20, H 10, Md 40: f .925048 .915599 .893405 of 8, 8, 4 -> C 18.298797;
// H 22, Md 130: f .204728 .184523 .148806 of 3.636364, f(148) .104241, f(160) .045441, f(172) 0.
// Equation 30: L' 1.814368, D' 18.14368, G .944 * 19.958048 - .078 Ml - 3.893 = 12.607397 at Ml
// 30, .907397 at 180 (the litter only); 31: h 76.2 + 20, y 86.1952 - 9.939 - .307505 = 75.948695.
TEST(DuffConsumption, LayeredBurnAndCoastalPlain) {
  const d_DuffCase cases[] = {
      {{.Region = kSE, .Cover = "PC", .Md = 40, .H = 10}, {20, 20, 202}, 91.49398, 9.1494, 0},
      {{.Region = kSE, .Cover = "PC", .Md = 130, .H = 22}, {20, 20, 202}, 12.50434, 2.75096, 0},
      {{.Region = kSE, .Cover = "CP", .Ov = kOn}, {30, 31, 32}, 59.48644, 2.2027, 5, 100},
      {{.Region = kSE, .Cover = "CP", .Ml = 180, .Ov = kOn}, {30, 31, 32}, 0, 2.2027, 5, 50.01176},
  };
  ExpectDuff(cases);
}

}  // namespace sylvanor
