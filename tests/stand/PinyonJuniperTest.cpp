#include "stand/PinyonJuniper.h"

#include <gtest/gtest.h>

#include "stand/EquationTable.h"
#include "tests/support/Equations.h"

namespace sylvanor {

TEST(PinyonJuniper, HandWorkedWeights) {
  // root collar e^(0.94932 ln 25.4 + 0.36738) = 31.1306 cm; at most 500 cm of DBH counts
  EXPECT_NEAR(PJ_RootCollar(25.4), 31.1306, 1e-3);
  EXPECT_NEAR(PJ_RootCollar(800.0), 526.911, 1e-2);  // e^(0.94932 x 6.21461 + 0.36738)
  const EquationCase cases[] = {
      // L = log10 31.1306 = 1.493188; kg x 2.20462
      // 10^(-1.468 + 2.582 L) - 10^(-2.588 + 2.955 L) = 244.012 - 66.738 = 177.274 kg
      {"PY", kTotal, 10, 390.823, 0.02},
      // 10^(-1.873 + 1.706 L) + 10^(-1.674 + 1.326 L) = 4.7247 + 2.0229 = 6.7476 kg
      {"PY", kTwig, 10, 14.8759, 0.002},
      {"py", kBr1in, 10, 55.6113, 0.005},  // 10^(-1.613 + 2.088 L) - 6.7476 = 25.2249 kg
      // the mean (10^(-1.358 + 1.841 L) + 10^(-0.862 + 1.399 L)) / 2 = 20.7329 kg
      {"JP", kFoliage, 10, 45.7081, 0.005},
      {"JP", kBr3inP, 10, 42.9910, 0.005},  // 10^(-1.002 + 1.535 L) = 19.5004 kg
  };
  for (const EquationCase& c : cases)
    EXPECT_NEAR(PJ_Weight(c.Code, c.Slot, c.Dbh), c.Expected, c.Tolerance) << c;
  EXPECT_EQ(PJ_Weight("JP", kTotal, 300.0f), PJ_Weight("JP", kTotal, 500.0f / 2.54f));
}

}  // namespace sylvanor
