#include "stand/WesternHardwood.h"

#include <gtest/gtest.h>

#include "stand/EquationTable.h"
#include "tests/support/Equations.h"

namespace sylvanor {

// P(c) = 1 / (a + b D^c) of a component's row; a = 0 closes the crown (1 - the
// row before), a = -999 is none
TEST(WesternHardwood, HandWorkedWeights) {
  const EquationCase cases[] = {
      {"RA", kTotal, 10, 111.179, 0.01},     // T = e^(-1.329 + 2.6232 ln 10)
      {"RA", kFoliage, 10, 14.9444, 0.002},  // T x P(Fol) = 1 / (2.7638 + 0.2155 x 10^1.3364)
      // T x (P(Twg) = 1 / (1.286 + 0.1016 x 10^1.3525) - P(Fol))
      {"RA", kTwig, 10, 16.1662, 0.002},
      {"RA", kBr3inP, 10, 7.9806, 0.002},  // T x (1 - P(3in) = 1 / (0.955 + 0.0013 x 10^1.9736))
      {"RA", kBr3inP, 2, 0, 0},            // P(3in) = 1.04155 > 1 at 2 in, raised to 0
      // T = e^(-0.3169 + 2.2774 ln 10) = 137.966 x (1 - P(1in) = 1 / (0.8759 + 0.0927 x 10^0.7843))
      {"TO", kBr3in, 10, 42.1583, 0.005},
      {"TO", kBr3inP, 10, 0, 0},
      // T = e^(-0.7881 + 2.4839 ln 80) = 24255.9; P(Fol) = 1 / (1.6013 + 0.3591 x 80^1.309)
      // = 0.0088600, P(Twg) = 1 / (1.0357 + 0.2263 x 80^1.3567) = 0.0114346, P(1in) =
      // 1 / (1.0281 + 0.0084 x 80^2.185) = 0.0081996 lies below P(Twg): raised to 0
      {"MA", kTwig, 80, 62.448, 0.01},
      {"MA", kBr1in, 80, 0, 0},
  };
  for (const EquationCase& c : cases)
    EXPECT_NEAR(SL_Weight(c.Code, c.Slot, c.Dbh), c.Expected, c.Tolerance) << c;
}

}  // namespace sylvanor
