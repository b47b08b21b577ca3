#include "stand/VertDist.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace sylvanor {

// 0 at and below the crown base, 1 at and past the top (where the cubics
// alone fall away), within 0 to 1 in between; "PS" rises to 1 and stays
// there, though its cubic peaks above 1 below the top.
TEST(VertDist, Fractions) {
  const std::tuple<const char*, float, double> cases[] = {
      {"PP", 0.5f, 0.420463},   // 2.3637 x 0.25 - 1.3637 x 0.125
      {"ps", 0.5f, 0.522825},   // 0.1251 x 0.5 + 2.8072 x 0.25 - 1.9322 x 0.125
      {"LP", 0.25f, 0.090836},  // 1.6045 x 0.0625 - 0.6045 x 0.015625
      {"WF", 0.3f, 0.3},        // the straight line
      {"UN", 0.7f, 0.7},
      // 0.1251 x 0.99 + 2.8072 x 0.99^2 - 1.9322 x 0.99^3 = 1.000374 and 1.0001 held at 1
      {"PS", 0.99f, 1.0},
      {"PS", 1.0f, 1.0}};
  for (const auto& [code, x, fraction] : cases)
    EXPECT_NEAR(VD_Fraction(code, x), fraction, 1e-6) << code << " x = " << x;
  for (int i = 1; i <= 10000; ++i)
    EXPECT_GE(VD_Fraction("PS", i / 1e4f), VD_Fraction("PS", (i - 1) / 1e4f)) << i / 1e4;
  for (const char* code : {"PP", "DF", "WF", "LP", "IC", "PS", "UN"}) {
    ASSERT_NE(VD_Curve(code), nullptr) << code;
    for (int i = -50; i <= 200; ++i) {
      const float f = VD_Fraction(code, i / 100.0f);
      const bool ok = i <= 0 ? f == 0.0f : (i >= 100 ? std::abs(f - 1.0f) <= 1e-6f : f <= 1.0f);
      EXPECT_TRUE(ok && f >= 0.0f) << code << " x = " << i / 100.0 << ": " << f;
    }
  }
  EXPECT_EQ(VD_Curve("XX"), nullptr);
  EXPECT_EQ(VD_Fraction("XX", 0.5f), 0.0f);
}

}  // namespace sylvanor
