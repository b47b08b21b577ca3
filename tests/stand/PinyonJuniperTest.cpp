#include "stand/PinyonJuniper.h"

#include <gtest/gtest.h>

#include "stand/EquationTable.h"

namespace sylvanor {

namespace {

constexpr double kLbPerKg = 2.20462262;

TEST(PinyonJuniper, RootCollarDiameter) {
  // e^(0.94932 ln 25.4 + 0.36738) = e^3.43818 = 31.1306
  EXPECT_NEAR(PJ_RootCollar(25.4), 31.1306, 1e-3);
  // at most 500 cm of DBH counts: e^(0.94932 x 6.21461 + 0.36738) = 526.911
  EXPECT_NEAR(PJ_RootCollar(800.0), 526.911, 1e-2);
  EXPECT_EQ(PJ_RootCollar(0.0), 0.0);
}

TEST(PinyonJuniper, PinyonOfTenInches) {
  // d = 25.4 cm, r = 31.1306 cm, L = log10 r = 1.493188
  // Total 10^(-1.468 + 2.582 L) - 10^(-2.588 + 2.955 L) = 244.012 - 66.738 = 177.274 kg
  EXPECT_NEAR(PJ_Weight("PY", kTotal, 10.0f), 177.274 * kLbPerKg, 0.05);
  // Twig 10^(-1.873 + 1.706 L) + 10^(-1.674 + 1.326 L) = 4.7247 + 2.0229 = 6.7476 kg
  EXPECT_NEAR(PJ_Weight("PY", kTwig, 10.0f), 6.7476 * kLbPerKg, 0.005);
  // Br-1in 10^(-1.613 + 2.088 L) - 6.7476 = 31.9725 - 6.7476 = 25.2249 kg
  EXPECT_NEAR(PJ_Weight("py", kBr1in, 10.0f), 25.2249 * kLbPerKg, 0.01);
}

TEST(PinyonJuniper, JuniperFoliageIsTheMeanOfTwoEquations) {
  // L = 1.493188: (10^(-1.358 + 1.841 L) + 10^(-0.862 + 1.399 L)) / 2
  //             = (24.6013 + 16.8644) / 2 = 20.7329 kg
  EXPECT_NEAR(PJ_Weight("JP", kFoliage, 10.0f), 20.7329 * kLbPerKg, 0.01);
  // Br-3inP 10^(-1.002 + 1.535 L) = 19.5004 kg
  EXPECT_NEAR(PJ_Weight("JP", kBr3inP, 10.0f), 19.5004 * kLbPerKg, 0.01);
}

TEST(PinyonJuniper, NoDbhUnknownCodeOrSlotGiveNothing) {
  for (int slot = kTotal; slot <= kBr3inP; ++slot) {
    EXPECT_EQ(PJ_Weight("PY", slot, 0.0f), 0.0f);
    EXPECT_EQ(PJ_Weight("JP", slot, -3.0f), 0.0f);
  }
  EXPECT_EQ(PJ_Weight("PP", kTotal, 10.0f), 0.0f);
  EXPECT_EQ(PJ_Weight("PY", kVertDist, 10.0f), 0.0f);
  // DBHs past 500 cm weigh as 500 cm
  EXPECT_EQ(PJ_Weight("JP", kTotal, 300.0f), PJ_Weight("JP", kTotal, 500.0f / 2.54f));
}

}  // namespace

}  // namespace sylvanor
