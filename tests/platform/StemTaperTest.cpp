#include "platform/StemTaper.h"

#include <gtest/gtest.h>

#include <set>

namespace sylvanor {

namespace {

// With r = 2 the stem is a cone and d(h) = k D (H - h) / (H - 4.5); with
// r = 1 a paraboloid and d(h)^2 = (k D)^2 (H - h) / (H - 4.5). Heights
// 40.5 and 76.5 ft make H - 4.5 = 36 and 72, so the diameters come out
// round. Areas are pi d^2 / 576 ft2.
constexpr d_StemTree kCone10{10, 40.5, 4, 0.9, 2};  // d(h) = (40.5 - h) / 4
constexpr d_StemTree kCone20{20, 76.5, 8, 0.9, 2};  // d(h) = (76.5 - h) / 4
// d(h)^2 = 81 (40.5 - h) / 36 = 2.25 (40.5 - h)
constexpr d_StemTree kParaboloid10{10, 40.5, 5, 0.9, 1};

TEST(StemTaper, ConeWithAShortLastPiece) {
  // top 4 in: ht = 40.5 - 36 (4/9)^(2/2) = 24.5 ft
  EXPECT_DOUBLE_EQ(MerchHeight(kCone10), 24.5);
  EXPECT_DOUBLE_EQ(InsideBarkDiameter(kCone10, 4.5), 9.0);
  const d_StemVolumes v = StemVolumes(kCone10);
  // a cone on a base of d(0) = 10.125 in: pi 10.125^2 / 576 = 0.559136 ft2,
  // times 40.5 / 3 = 7.54834
  EXPECT_NEAR(v.TotalCuFt, 7.54834, 1e-4);
  // pi/576 * 81 / (3 * 36^2) * (39.5^3 - 16^3)
  //   = 0.00545415 * 0.0208333 * (61629.875 - 4096) = 6.53747
  EXPECT_NEAR(v.MerchCuFt, 6.53747, 1e-4);
  // 23.5 ft from the stump: one log to 17 ft, d = 23.5 / 4 = 5.875,
  // 0.79 * 34.515625 - 11.75 - 4 = 11.51734; the 7.5 ft left add nothing
  EXPECT_NEAR(v.BoardFt, 11.51734, 1e-4);
}

TEST(StemTaper, ConeWithTwoLogsAndALongLastPiece) {
  // top 8 in: ht = 76.5 - 72 (8/18) = 44.5 ft
  EXPECT_DOUBLE_EQ(MerchHeight(kCone20), 44.5);
  const d_StemVolumes v = StemVolumes(kCone20);
  // base d(0) = 19.125 in: pi 365.765625 / 576 = 1.994942 ft2, times 76.5 / 3
  EXPECT_NEAR(v.TotalCuFt, 50.87102, 1e-4);
  // pi/576 * 324 / (3 * 72^2) * (75.5^3 - 32^3) = 0.00545415 * 0.0208333 * 397600.875
  EXPECT_NEAR(v.MerchCuFt, 45.17867, 1e-4);
  // logs ending at 17 and 33 ft: d = 14.875 -> 0.79 * 221.265625 - 29.75 - 4 = 141.04984
  //                              d = 10.875 -> 0.79 * 118.265625 - 21.75 - 4 = 67.67984
  // 44.5 - 33 = 11.5 ft left, small end 8: (50.56 - 16 - 4) * 11.5 / 16 = 21.965
  EXPECT_NEAR(v.BoardFt, 141.04984 + 67.67984 + 21.965, 1e-4);
}

TEST(StemTaper, ParaboloidWithALongLastPiece) {
  // top 5 in: ht = 40.5 - 36 (5/9)^(2/1) = 40.5 - 100/9 = 29.38889 ft
  EXPECT_NEAR(MerchHeight(kParaboloid10), 29.38889, 1e-5);
  // at 4.5 ft the stem is k D = 9 in; at 24.5 ft 1.5 sqrt(16) = 6 in
  EXPECT_DOUBLE_EQ(InsideBarkDiameter(kParaboloid10, 4.5), 9.0);
  EXPECT_DOUBLE_EQ(InsideBarkDiameter(kParaboloid10, 24.5), 6.0);
  const d_StemVolumes v = StemVolumes(kParaboloid10);
  // half the cylinder on d(0)^2 = 2.25 * 40.5 = 91.125: pi 91.125 / 576 * 40.5 / 2
  EXPECT_NEAR(v.TotalCuFt, 10.06445, 1e-4);
  // pi/576 * 81 / (2 * 36) * (39.5^2 - (100/9)^2) = 0.00545415 * 1.125 * 1436.7932
  EXPECT_NEAR(v.MerchCuFt, 8.81605, 1e-4);
  // log to 17 ft: d^2 = 2.25 * 23.5 = 52.875, d = 7.27152,
  //   0.79 * 52.875 - 14.54304 - 4 = 23.22821
  // 12.38889 ft left, small end 5: (19.75 - 10 - 4) * 12.38889 / 16 = 4.45226
  EXPECT_NEAR(v.BoardFt, 23.22821 + 4.45226, 1e-4);
}

TEST(StemTaper, TopAtTheTipOrBelowTheStump) {
  d_StemTree tip = kCone10;
  tip.Top = 0;
  EXPECT_DOUBLE_EQ(MerchHeight(tip), 40.5);
  // the cone above the stump: pi/576 * 81 / 3888 * 39.5^3 = 7.00289
  EXPECT_NEAR(MerchCubicFeet(tip), 7.00289, 1e-4);
  tip.Top = -3;
  EXPECT_NEAR(MerchCubicFeet(tip), 7.00289, 1e-4);

  // d(1) = 39.5 / 4 = 9.875 in: a wider top is never reached above the stump
  d_StemTree wide = kCone10;
  wide.Top = 9.9;
  EXPECT_LT(MerchHeight(wide), 1.0);
  EXPECT_EQ(MerchCubicFeet(wide), 0);
  EXPECT_EQ(ScribnerBoardFeet(wide), 0);
  EXPECT_NEAR(TotalCubicFeet(wide), 7.54834, 1e-4);
}

TEST(StemTaper, ScribnerLogIsNeverNegative) {
  EXPECT_DOUBLE_EQ(ScribnerLog16(10), 55);  // 79 - 20 - 4
  EXPECT_EQ(ScribnerLog16(3), 0);           // 7.11 - 6 - 4 < 0
  EXPECT_EQ(ScribnerLog16(0), 0);
}

TEST(StemTaper, NoShapeNoVolume) {
  for (const d_StemTree& t : {d_StemTree{10, 4.5, 0, 0.9, 1.4}, d_StemTree{0, 40, 0, 0.9, 1.4},
                              d_StemTree{10, 40, 0, 0, 1.4}, d_StemTree{10, 40, 0, 0.9, 0}}) {
    const d_StemVolumes v = StemVolumes(t);
    EXPECT_EQ(v.TotalCuFt, 0);
    EXPECT_EQ(v.MerchCuFt, 0);
    EXPECT_EQ(v.BoardFt, 0);
  }
}

TEST(StemTaper, SpeciesTable) {
  const int listed[] = {12,  15,  17,  19,  42,  73,  81,  93,  108, 116, 117, 119,
                        122, 202, 211, 212, 231, 242, 260, 312, 361, 631, 746, 999};
  std::set<std::pair<std::string_view, int>> seen;
  for (const d_TaperCoef& c : kTaperCoefs) {
    EXPECT_TRUE(seen.insert({c.Family, c.Species}).second) << c.Species;
    EXPECT_GT(c.K, 0.8) << c.Species;
    EXPECT_LT(c.K, 1.0) << c.Species;
    EXPECT_GE(c.R, 1.3) << c.Species;
    EXPECT_LE(c.R, 2.0) << c.Species;
  }
  for (int species : listed) {
    const auto c = FindTaperCoef("FW2", species);
    ASSERT_TRUE(c.has_value()) << species;
    EXPECT_EQ(c->Species, species);
    EXPECT_EQ(c->Family, "");
  }
  EXPECT_FALSE(FindTaperCoef("FW2", 0).has_value());
  EXPECT_FALSE(FindTaperCoef("FW2", 555).has_value());
  // 260 is red alder in its own family and western hemlock in any other
  EXPECT_DOUBLE_EQ(FindTaperCoef("cur", 260)->R, 1.6);
  EXPECT_DOUBLE_EQ(FindTaperCoef("FW2", 260)->R, 1.4);
  EXPECT_DOUBLE_EQ(FindTaperCoef("DVE", 260)->R, 1.4);
}

}  // namespace

}  // namespace sylvanor
