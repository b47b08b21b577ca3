#include "stand/VertDist.h"

#include <gtest/gtest.h>

#include <tuple>

namespace sylvanor {

// 0 at and below the crown base, 1 at and past the top where the cubics fall
// away; "PS" is held at 1 where its cubic rises past it below the top.
TEST(VertDist, Fractions) {
  // clang-format off
  const std::tuple<const char*, float, double> cases[] = {
      {"PP", 0.5f, 0.420463},   // 2.3637 x 0.25 - 1.3637 x 0.125
      {"DF", 0.5f, 0.41605},    // 2.3284 x 0.25 - 1.3284 x 0.125
      {"IC", 0.5f, 0.4424375},  // 2.5395 x 0.25 - 1.5395 x 0.125
      {"ps", 0.5f, 0.522825},   // 0.1251 x 0.5 + 2.8072 x 0.25 - 1.9322 x 0.125
      {"LP", 0.25f, 0.090836},  // 1.6045 x 0.0625 - 0.6045 x 0.015625
      {"WF", 0.3f, 0.3}, {"UN", 0.7f, 0.7},  // the straight line
      {"PS", 0.99f, 1.0},  // 0.1251 x 0.99 + 2.8072 x 0.99^2 - 1.9322 x 0.99^3 = 1.000374
      {"PS", 1.0f, 1.0},   // 1.0001
      {"PS", 1.2f, 1.0},   // the cubic: 0.1501 + 2.8072 x 1.44 - 1.9322 x 1.728 = 0.854
      {"PP", -0.5f, 0.0},  // the cubic: 0.761
      {"WF", 0.0f, 0.0}, {"XX", 0.5f, 0.0}};
  // clang-format on
  for (const auto& [code, x, fraction] : cases)
    EXPECT_NEAR(VD_Fraction(code, x), fraction, 1e-6) << code << " x = " << x;
  EXPECT_EQ(VD_Curve("XX"), nullptr);
}

}  // namespace sylvanor
