#include "stand/VertDist.h"

#include <gtest/gtest.h>

namespace sylvanor {

namespace {

constexpr const char* kCodes[] = {"PP", "DF", "WF", "LP", "IC", "PS", "UN"};

TEST(VertDist, CurvesBetweenBaseAndTop) {
  // "PP" at 0.5: 2.3637 x 0.25 - 1.3637 x 0.125 = 0.420463
  EXPECT_NEAR(VD_Fraction("PP", 0.5f), 0.420463, 1e-6);
  // "PS" at 0.5: 0.1251 x 0.5 + 2.8072 x 0.25 - 1.9322 x 0.125 = 0.522825
  EXPECT_NEAR(VD_Fraction("ps", 0.5f), 0.522825, 1e-6);
  // "LP" at 0.25: 1.6045 x 0.0625 - 0.6045 x 0.015625 = 0.090836
  EXPECT_NEAR(VD_Fraction("LP", 0.25f), 0.090836, 1e-6);
  EXPECT_FLOAT_EQ(VD_Fraction("WF", 0.3f), 0.3f);
  EXPECT_FLOAT_EQ(VD_Fraction("UN", 0.7f), 0.7f);
}

TEST(VertDist, PonderosaSouthwestStaysAtOneNearTheTop) {
  // unlimited, 0.1251 x 0.99 + 2.8072 x 0.9801 - 1.9322 x 0.970299 = 1.000374
  EXPECT_EQ(VD_Fraction("PS", 0.99f), 1.0f);
  EXPECT_EQ(VD_Fraction("PS", 1.0f), 1.0f);  // unlimited 1.0001
  float last = 0.0f;
  for (int i = 0; i <= 10000; ++i) {
    const float f = VD_Fraction("PS", static_cast<float>(i) / 10000.0f);
    EXPECT_GE(f, last) << "x = " << i / 10000.0;
    last = f;
  }
}

TEST(VertDist, EveryCurveRunsFromZeroToOne) {
  for (const char* code : kCodes) {
    ASSERT_NE(VD_Curve(code), nullptr) << code;
    EXPECT_EQ(VD_Fraction(code, 0.0f), 0.0f) << code;
    EXPECT_EQ(VD_Fraction(code, -0.5f), 0.0f) << code;
    EXPECT_NEAR(VD_Fraction(code, 1.0f), 1.0f, 1e-6) << code;
    // past the top everything is below; the cubics alone fall away there
    EXPECT_NEAR(VD_Fraction(code, 2.0f), 1.0f, 1e-6) << code;
    for (int i = 0; i <= 100; ++i) {
      const float f = VD_Fraction(code, static_cast<float>(i) / 100.0f);
      EXPECT_GE(f, 0.0f) << code;
      EXPECT_LE(f, 1.0f) << code;
    }
  }
  EXPECT_EQ(VD_Curve("XX"), nullptr);
  EXPECT_EQ(VD_Fraction("XX", 0.5f), 0.0f);
}

}  // namespace

}  // namespace sylvanor
