#include "stand/VertDist.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/Equations.h"

namespace sylvanor {

TEST(VertDist, HandWorkedFractions) {
  for (const EquationCase& c : EquationCases("VertDist"))
    EXPECT_NEAR(VD_Fraction(c.Code, c.Height), c.Expected, c.Tolerance) << c.Name;
  // "PS" rises to 1 and stays there, though its cubic peaks above 1 below the top
  for (int i = 1; i <= 10000; ++i) {
    EXPECT_GE(VD_Fraction("PS", i / 10000.0f), VD_Fraction("PS", (i - 1) / 10000.0f))
        << "x = " << i / 10000.0;
  }
}

// 0 at and below the crown base, 1 at and past the top (where the cubics
// alone fall away), within 0 to 1 in between
TEST(VertDist, EveryCurveRunsFromZeroToOne) {
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
