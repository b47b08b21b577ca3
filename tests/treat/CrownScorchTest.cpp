#include "treat/CrownScorch.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/Burn.h"

namespace sylvanor {

namespace {

TEST(CrownScorchTest, ScorchHeightFlameLengthAndTheScorchedCrown) {
  EXPECT_NEAR(FlameFromScorch(40.0f), 5.73633f, 1e-4f);  // 0.45 40^0.69 = 0.45 12.7474
  EXPECT_NEAR(ScorchFromFlame(2.0f), 8.69707f, 1e-4f);   // 4.4444^(2.174 0.667) = 4.4444^1.45006
  EXPECT_EQ(FlameFromScorch(-5.0f) + ScorchFromFlame(-1.0f), 0.0f);
  struct Row {
    float hgt, cr, scorch;
    d_CrownScorch want;
  };
  // H 50, CR 40: crown length 20 above a base at 30; CVS (2 CL - CLS) CLS / CL^2 100
  const Row rows[] = {{50, 40, 40, {20, 10, 50, 75}},
                      {50, 40, 20, {20, 0, 0, 0}},
                      {50, 40, 80, {20, 20, 100, 100}},
                      {30, 100, 10, {30, 10, 33.333333f, 55.555556f}}};  // base at the ground
  for (const Row& row : rows) {
    SCOPED_TRACE("H " + std::to_string(row.hgt) + " CR " + std::to_string(row.cr) + " scorch " +
                 std::to_string(row.scorch));
    const d_CrownScorch c = CrownScorched(row.hgt, row.cr, row.scorch);
    EXPECT_FLOAT_EQ(c.CL, row.want.CL);
    EXPECT_FLOAT_EQ(c.CLS, row.want.CLS);
    EXPECT_FLOAT_EQ(c.PCL, row.want.PCL);
    EXPECT_FLOAT_EQ(c.CVS, row.want.CVS);
  }
}

TEST(CrownScorchTest, ImplementedEquationNumbers) {
  // -1 to 22: a formula for 1, 3, 4, 5, 10 to 12 and 14 to 21
  const std::string implemented = "..x.xxx....xxx.xxxxxxxx.";
  for (int n = -1; n <= 22; ++n)
    EXPECT_EQ(CrownScorchImplemented(n), implemented[n + 1] == 'x') << n;
  EXPECT_FALSE(CrownScorchImplemented(100));
}

TEST(CrownScorchTest, ProbabilitiesWorkedByHand) {
  for (const d_Case& c : ReadCases("treat", "CrownScorchCases.txt", "eq")) {
    const auto f = [&c](std::size_t i) { return static_cast<float>(c[i]); };
    d_ScorchTree t;
    t.DBH = f(1);
    t.Hgt = f(2);
    t.CR = f(3);
    t.Scorch = f(4);
    t.Flame = FlameFromScorch(t.Scorch);
    t.BarkThick = 0.063f * t.DBH;
    t.BarkThick1 = 0.063f;
    t.LowSeverity = c[5] != 0;
    t.Crown = CrownScorched(t.Hgt, t.CR, t.Scorch);
    EXPECT_NEAR(CrownScorchProb(static_cast<int>(c[0]), t), c[6], 2e-6) << c.name;
  }
}

}  // namespace

}  // namespace sylvanor
