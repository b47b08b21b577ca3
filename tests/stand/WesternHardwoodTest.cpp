#include "stand/WesternHardwood.h"

#include <gtest/gtest.h>

#include "stand/EquationTable.h"

namespace sylvanor {

namespace {

TEST(WesternHardwood, RedAlderOfTenInches) {
  // T = e^(-1.329 + 2.6232 x 2.302585) = e^4.71110 = 111.179
  EXPECT_NEAR(SL_Weight("RA", kTotal, 10.0f), 111.179, 0.02);
  // P(Fol) = 1 / (2.7638 + 0.2155 x 10^1.3364) = 1 / 7.4395 = 0.134418
  EXPECT_NEAR(SL_Weight("RA", kFoliage, 10.0f), 111.179 * 0.134418, 0.005);
  // P(Twg) = 1 / (1.286 + 0.1016 x 10^1.3525) = 0.279824
  EXPECT_NEAR(SL_Weight("RA", kTwig, 10.0f), 111.179 * (0.279824 - 0.134418), 0.005);
  // "3inP" has a = 0: 1 - P(3in), P(3in) = 1 / (0.955 + 0.0013 x 10^1.9736) = 0.928218
  EXPECT_NEAR(SL_Weight("RA", kBr3inP, 10.0f), 111.179 * (1.0 - 0.928218), 0.005);
}

TEST(WesternHardwood, TanOakClosesItsCrownAt3In) {
  // T = e^(-0.3169 + 2.2774 ln 10) = 137.966
  // "3in" has a = 0: 1 - P(1in), P(1in) = 1 / (0.8759 + 0.0927 x 10^0.7843) = 0.694430
  EXPECT_NEAR(SL_Weight("TO", kBr3in, 10.0f), 137.966 * (1.0 - 0.694430), 0.01);
  // "3inP" has a = -999: none
  EXPECT_EQ(SL_Weight("TO", kBr3inP, 10.0f), 0.0f);
}

TEST(WesternHardwood, NegativeStepsAreRaisedToZero) {
  // RA at 2 in: P(3in) = 1 / (0.955 + 0.0013 x 2^1.9736) = 1.04155 > 1
  EXPECT_EQ(SL_Weight("RA", kBr3inP, 2.0f), 0.0f);
  // MA at 80 in: P(1in) = 1 / (1.0281 + 0.0084 x 80^2.185) = 0.00820 lies below
  // P(Twg) = 1 / (1.0357 + 0.2263 x 80^1.3567) = 0.01143
  EXPECT_EQ(SL_Weight("MA", kBr1in, 80.0f), 0.0f);
  EXPECT_GT(SL_Weight("MA", kTwig, 80.0f), 0.0f);
}

TEST(WesternHardwood, NoDbhUnknownCodeOrSlotGiveNothing) {
  for (int slot = kTotal; slot <= kBr3inP; ++slot)
    EXPECT_EQ(SL_Weight("BM", slot, 0.0f), 0.0f);
  EXPECT_EQ(SL_Weight("PP", kTotal, 10.0f), 0.0f);
  EXPECT_EQ(SL_Weight("RA", kVertDist, 10.0f), 0.0f);
  EXPECT_EQ(SL_Idx("ra", "TOT"), 0);
  EXPECT_EQ(SL_Idx("TO", "3inP"), 29);
  EXPECT_EQ(SL_Idx("", ""), -1);
}

}  // namespace

}  // namespace sylvanor
