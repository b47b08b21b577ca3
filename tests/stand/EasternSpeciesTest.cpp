#include "stand/EasternSpecies.h"

#include <gtest/gtest.h>

#include "stand/EquationTable.h"

namespace sylvanor {

namespace {

constexpr double kLbPerKg = 2.20462262;

TEST(EasternSpecies, BalsamFirOfTenInches) {
  // d = 25.4 cm, ln d = 3.234749
  // T = e^(-2.0259 + 1.7433 ln d) = 37.0860 kg = 81.7605 lb
  // foliage e^(-2.7854 + 1.6737 ln d) = 13.8544 kg
  // G(10) = 1 / 1.566 - 1 / 2.121 = 0.638570 - 0.471476 = 0.167094
  EXPECT_NEAR(East_Weight("BF", kTotal, 10.0f, 0, 0), 81.7605, 0.01);
  EXPECT_NEAR(East_Weight("BF", kFoliage, 10.0f, 0, 0), 13.8544 * kLbPerKg, 0.005);
  // the twigs are T x G alone (13.662), not T x (f + G) (44.205)
  EXPECT_NEAR(East_Weight("BF", kTwig, 10.0f, 0, 0), 81.7605 * 0.167094, 0.005);

  const d_EastCrown crown = East_Crown("bf", 10.0f, 0, 0);
  EXPECT_NEAR(crown.Foliage, 13.8544 / 37.0860, 1e-5);
  EXPECT_NEAR(crown.FolTwig - crown.Foliage, 0.167094, 1e-5);
}

TEST(EasternSpecies, FirTwigShareIsFixedAbove36In) {
  // d = 101.6 cm: T = e^(-2.0259 + 1.7433 ln 101.6) kg = 916.463 lb; twigs 0.378 - 0.286
  EXPECT_NEAR(East_Weight("BF", kTwig, 40.0f, 0, 0), 916.463 * 0.092, 0.01);
}

TEST(EasternSpecies, TwigSharesOfTheRegularCodes) {
  // the twig weight over the total is the twig share at D = 10 in
  const auto share = [](const char* code) {
    return East_Weight(code, kTwig, 10.0f, 0, 0) / East_Weight(code, kTotal, 10.0f, 0, 0);
  };
  // R: 1 / (1.286 + 0.1016 x 10^1.3525) - 1 / (2.7638 + 0.2155 x 10^1.3364) = 0.145407
  EXPECT_NEAR(share("PB"), 0.145407, 1e-5);
  // M: 1 / (3.3212 + 0.0777 x 10^2.0496) - 1 / (4.6762 + 0.1091 x 10^2.039)
  //  = 0.0831168 - 0.0602001 = 0.0229167
  EXPECT_NEAR(share("SM"), 0.0229167, 1e-5);
  // "EP": 0.729 e^-0.233 - 0.484 e^-0.21 = 0.577480 - 0.392323 = 0.185157
  EXPECT_NEAR(share("EP"), 0.185157, 1e-5);
}

TEST(EasternSpecies, QuakingAspen) {
  // d = 25.4 cm: t = 0.0182 d^2.509 = 60.9255 kg; foliage 0.0079 d^2.1012 = 7.07072 kg;
  // twigs 0.0125 d^2.5874 x 1.856 d^-0.773 = 8.21142 kg
  EXPECT_NEAR(East_Weight("QA", kTotal, 10.0f, 0, 0), 60.9255 * kLbPerKg, 0.01);
  EXPECT_NEAR(East_Weight("QA", kFoliage, 10.0f, 0, 0), 7.07072 * kLbPerKg, 0.005);
  EXPECT_NEAR(East_Weight("QA", kTwig, 10.0f, 0, 0), 8.21142 * kLbPerKg, 0.005);
  // DBHs beyond 100 cm weigh as 100 cm
  EXPECT_EQ(East_Weight("QA", kTotal, 60.0f, 0, 0),
            East_Weight("QA", kTotal, 100.0f / 2.54f, 0, 0));
}

TEST(EasternSpecies, RedOakWithAndWithoutACrownRatio) {
  // H = 60, B = 20: C = 100 x 40 / 60 = 66.667
  // p = 0.0005 x 10^2.7768 x C^1.5685 = 217.056, q = 0.0136 x 10^1.5791 x C^0.8612 = 19.2039
  // twigs 6.4735 x 10^-1.1313 x C^-0.577 x p = 0.0424076 x 217.056 = 9.2048
  EXPECT_NEAR(East_Weight("RO", kTotal, 10.0f, 60.0f, 20.0f), 236.259, 0.02);
  EXPECT_NEAR(East_Weight("RO", kFoliage, 10.0f, 60.0f, 20.0f), 19.2039, 0.002);
  EXPECT_NEAR(East_Weight("RO", kTwig, 10.0f, 60.0f, 20.0f), 9.2048, 0.002);
  // no crown base: p = 0.3328 x 10^2.636 = 143.941, q = 0.459 x 10^1.5018 = 14.5751,
  // twigs 0.6262 x 10^-1.0795 x p = 7.5058
  EXPECT_NEAR(East_Weight("RO", kTotal, 10.0f, 60.0f, -1.0f), 158.516, 0.02);
  EXPECT_NEAR(East_Weight("RO", kTwig, 10.0f, 60.0f, -1.0f), 7.5058, 0.002);
  // a crown base at the top leaves no crown
  EXPECT_EQ(East_Weight("RO", kTotal, 10.0f, 60.0f, 60.0f), 0.0f);
  EXPECT_EQ(East_Weight("RO", kTwig, 10.0f, 60.0f, 70.0f), 0.0f);
}

TEST(EasternSpecies, LoblollyInPounds) {
  // T = 10^(-0.573 + 2.538) = 92.2571; foliage 10^(-1.79586 + 2.67156) x 2.20462 = 16.5590
  // twig share (0.777 - 0.146) - (0.493 - 0.117) = 0.255
  EXPECT_NEAR(East_Weight("LO", kTotal, 10.0f, 0, 0), 92.2571, 0.01);
  EXPECT_NEAR(East_Weight("LO", kFoliage, 10.0f, 0, 0), 16.5590, 0.002);
  EXPECT_NEAR(East_Weight("LO", kTwig, 10.0f, 0, 0), 92.2571 * 0.255, 0.005);
}

TEST(EasternSpecies, NoDbhUnknownCodeOrBranchSlotGiveNothing) {
  for (const char* code : {"PB", "QA", "PI", "LO", "RO"}) {
    for (int slot = kTotal; slot <= kTwig; ++slot) {
      EXPECT_EQ(East_Weight(code, slot, 0.0f, 50.0f, 10.0f), 0.0f) << code;
    }
  }
  EXPECT_EQ(East_Weight("PP", kTotal, 10.0f, 0, 0), 0.0f);
  for (int slot = kBr1in; slot <= kVertDist; ++slot) {
    EXPECT_EQ(East_Weight("SM", slot, 10.0f, 0, 0), 0.0f);
  }
}

}  // namespace

}  // namespace sylvanor
