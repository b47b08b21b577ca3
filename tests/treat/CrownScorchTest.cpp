#include "treat/CrownScorch.h"

#include <gtest/gtest.h>

#include <cmath>

namespace sylvanor {

namespace {

constexpr float kTol = 2e-5f;

// A tree with its crown worked out from the scorch height, bark factor 0.063.
d_ScorchTree Tree(float dbh, float hgt, float cr, float scorch, float barkFactor = 0.063f) {
  d_ScorchTree t;
  t.DBH = dbh;
  t.Hgt = hgt;
  t.CR = cr;
  t.Scorch = scorch;
  t.Flame = FlameFromScorch(scorch);
  t.BarkThick = barkFactor * dbh;
  t.BarkThick1 = barkFactor;
  t.Crown = CrownScorched(hgt, cr, scorch);
  return t;
}

TEST(CrownScorchTest, ScorchHeightAndFlameLengthConvert) {
  // 0.45 * (40^1.5)^0.46 = 0.45 * 40^0.69 = 0.45 * 12.7474 = 5.7363
  EXPECT_NEAR(FlameFromScorch(40.0f), 5.73633f, 1e-4f);
  // ((2 / 0.45)^2.174)^0.667 = 4.4444^1.45006 = 8.6971
  EXPECT_NEAR(ScorchFromFlame(2.0f), 8.69707f, 1e-4f);
  EXPECT_EQ(FlameFromScorch(-5.0f), 0.0f);
  EXPECT_EQ(ScorchFromFlame(-1.0f), 0.0f);
}

TEST(CrownScorchTest, ScorchedCrownLengthAndVolume) {
  // H 50, CR 40: CL 20, crown base 30; scorch 40 reaches 10 ft into it
  const d_CrownScorch half = CrownScorched(50.0f, 40.0f, 40.0f);
  EXPECT_FLOAT_EQ(half.CL, 20.0f);
  EXPECT_FLOAT_EQ(half.CLS, 10.0f);
  EXPECT_FLOAT_EQ(half.PCL, 50.0f);
  EXPECT_FLOAT_EQ(half.CVS, 75.0f);  // (40 - 10) * 10 / 400 * 100

  const d_CrownScorch below = CrownScorched(50.0f, 40.0f, 20.0f);
  EXPECT_EQ(below.CLS, 0.0f);
  EXPECT_EQ(below.CVS, 0.0f);

  const d_CrownScorch over = CrownScorched(50.0f, 40.0f, 80.0f);
  EXPECT_FLOAT_EQ(over.CLS, 20.0f);
  EXPECT_FLOAT_EQ(over.PCL, 100.0f);
  EXPECT_FLOAT_EQ(over.CVS, 100.0f);

  // crown base at the ground: CR 100, crown length the whole height
  EXPECT_FLOAT_EQ(CrownScorched(30.0f, 100.0f, 10.0f).CL, 30.0f);
}

TEST(CrownScorchTest, ImplementedEquationNumbers) {
  for (int n : {1, 3, 4, 5, 10, 11, 12, 14, 15, 16, 17, 18, 19, 20, 21}) {
    EXPECT_TRUE(CrownScorchImplemented(n)) << n;
  }
  for (int n : {-1, 0, 2, 6, 7, 8, 9, 13, 22, 100})
    EXPECT_FALSE(CrownScorchImplemented(n)) << n;
}

TEST(CrownScorchTest, GeneralModelForTreesOfOneInchOrMore) {
  // BT = 0.63: 6.316 * (1 - e^-0.63) - 1.941 = 1.011148; CVS 75: - 0.000535 * 5625
  // = -1.998227; P = 1 / (1 + e^-1.998227) = 0.880611
  EXPECT_NEAR(CrownScorchProb(1, Tree(10, 50, 40, 40)), 0.880611f, kTol);
  // scorch below the crown: bark only, 1 / (1 + e^1.011148) = 0.266755
  EXPECT_NEAR(CrownScorchProb(1, Tree(10, 50, 40, 20)), 0.266755f, kTol);
  // the DBH limit belongs to the large trees: H 10, CR 50, scorch 8 scorches
  // 60 % of the crown length, CVS 84: 1 / (1 + e^(0.385637 - 1.941 - 3.77496))
  EXPECT_NEAR(CrownScorchProb(1, Tree(1, 10, 50, 8)), 0.995181f, kTol);
}

TEST(CrownScorchTest, GeneralModelForSmallTrees) {
  // DBH 0.5, H 6: the 1-inch tree's Pm = 1 / (1 + e^(6.316 * (1 - e^-0.063) -
  // 1.941)) = 0.825688; share (6 - 3) / (6 / 0.5 - 3) = 1/3;
  // P = 2/3 * 0.174312 + 0.825688 = 0.941896
  EXPECT_NEAR(CrownScorchProb(1, Tree(0.5f, 6, 50, 2)), 0.941896f, kTol);
  // more than half the crown length scorched, or shorter than 3 ft: certain death
  EXPECT_EQ(CrownScorchProb(1, Tree(0.5f, 6, 50, 5)), 1.0f);
  EXPECT_EQ(CrownScorchProb(1, Tree(0.5f, 2.5f, 50, 0)), 1.0f);
  // DBH 0 is the thinnest stem there is: certain death, not a division failure
  EXPECT_EQ(CrownScorchProb(1, Tree(0, 6, 50, 0)), 1.0f);
}

TEST(CrownScorchTest, EquationThreeHasAFloorAndTreatsOneInchAsSmall) {
  EXPECT_FLOAT_EQ(CrownScorchProb(3, Tree(10, 50, 40, 20)), 0.8f);
  EXPECT_NEAR(CrownScorchProb(3, Tree(10, 50, 40, 40)), 0.880611f, kTol);
  // DBH exactly 1 with 60 % of the crown length scorched: small-tree branch
  EXPECT_EQ(CrownScorchProb(3, Tree(1, 10, 50, 8)), 1.0f);
  // DBH 1 and H 3 closes the interpolation at the 1-inch end: max(Pm, 0.8)
  const float p = CrownScorchProb(3, Tree(1, 3, 50, 0));
  EXPECT_FALSE(std::isnan(p));
  EXPECT_NEAR(p, 0.825688f, kTol);
}

TEST(CrownScorchTest, EquationFourUsesFlameLengthAndSeverity) {
  // F = 5.736327, F' = 3.186848
  d_ScorchTree t = Tree(10, 50, 40, 40);
  // 1 / (1 + e^(2.17932 - 11.461923 - 2.157)) = 0.999989
  EXPECT_NEAR(CrownScorchProb(4, t), 0.999989f, kTol);
  t.LowSeverity = true;
  // 1 / (1 + e^(6.3754 - 6.799460 - 4.407)) = 0.992085
  EXPECT_NEAR(CrownScorchProb(4, t), 0.992085f, kTol);
}

TEST(CrownScorchTest, EquationFiveIsZeroBelowTheCrown) {
  EXPECT_EQ(CrownScorchProb(5, Tree(4, 50, 40, 20)), 0.0f);
  // CLS 7: CVS = 33 * 7 / 400 * 100 = 57.75; B = 0.435 + 0.031 * 4 * 2.54 =
  // 0.74996; 14.492 B^2 + 5.136 B + 0.169 - 0.348 * 5.775^2 = 0.565508
  EXPECT_NEAR(CrownScorchProb(5, Tree(4, 50, 40, 37)), 0.362239f, kTol);
}

TEST(CrownScorchTest, LogisticEquationsOfCrownLengthAndVolume) {
  // PCL 50: -3.5083 + 4.78 - 4.6 + 2.125 = -1.2033 -> 0.230889
  EXPECT_NEAR(CrownScorchProb(10, Tree(10, 50, 40, 40)), 0.230889f, kTol);
  // CVS 75, DBH 10: -1.6594 + 2.4525 - 1.241 = -0.4479 -> 0.389860
  EXPECT_NEAR(CrownScorchProb(14, Tree(10, 50, 40, 40)), 0.389860f, kTol);
  // CVS 57.75: -1.695 + 11.959 - 15.675 + 6.741 = 1.330 -> 0.791043
  EXPECT_NEAR(CrownScorchProb(11, Tree(4, 50, 40, 37)), 0.791043f, kTol);
  // PCL 35: -2.0588 + 0.000814 * 1225 = -1.06165 -> 0.256994
  EXPECT_NEAR(CrownScorchProb(18, Tree(4, 50, 40, 37)), 0.256994f, kTol);
}

TEST(CrownScorchTest, EquationTwentyOneHasThreeBranches) {
  // under 1.37 m: H 4 ft = 1.2192 m, scorch 3 ft: Fm = 0.3048 * 0.45 * 3^0.69
  // = 0.288262; 4.08 Fm + 2.714 - 3.63 * 1.2192 = -0.536 -> 0.373454
  EXPECT_NEAR(CrownScorchProb(21, Tree(0.5f, 4, 50, 3)), 0.373454f, kTol);
  // under 10.2 cm: DBH 3 in = 7.62 cm, H 20 ft = 6.096 m, scorch 15 ft
  EXPECT_NEAR(CrownScorchProb(21, Tree(3, 20, 50, 15)), 0.00275482f, 1e-6f);
  // otherwise: H 50, CR 40, scorch 40: PCLm 50, Dcm 25.4;
  // 0.65 + 1.104 - 3.9624 + 1.27 = -0.9384 -> 0.281224
  EXPECT_NEAR(CrownScorchProb(21, Tree(10, 50, 40, 40)), 0.281224f, kTol);
}

}  // namespace

}  // namespace sylvanor
