#include "stand/WesternConifer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "stand/EquationTable.h"
#include "tests/support/Equations.h"

namespace sylvanor {

TEST(WesternConifer, HandWorkedWeights) {
  const EquationCase cases[] = {
      {"PP", kTotal, 10, 155.021, 0.01},   // T = e^(0.268 + 2.074 ln 10)
      {"PP", kFoliage, 10, 53.794, 0.01},  // Fol 0.558 e^-0.475 = 0.347009 x T
      {"PP", kTwig, 10, 4.3286, 0.002},    // (Twg 0.625 e^-0.511 = 0.374932 - Fol) x T
      {"PP", kBr3inP, 10, 7.4410, 0.002},  // (3inP 1 - 3in 1.083 - 0.0131 x 10 = 0.952) x T
      // at 6 in <= xL 3in is 1 as 3inP, all above 1 in is 1-3 in: T = e^(0.268 + 2.074
      // ln 6) = 53.737, 1in 0.985 e^-0.186 = 0.81783
      {"PP", kBr3inP, 6, 0, 0},
      {"PP", kBr3in, 6, 9.7899, 0.002},
      // above xU = 36 Fol and Twg are 0.286, 1in 0.488: T = e^(1.3094 + 1.6076 ln 40) = 1393.60
      {"GF", kTwig, 40, 0, 0},
      {"GF", kFoliage, 40, 398.568, 0.05},
      {"GF", kBr1in, 40, 281.506, 0.05},
      {"WB", kTotal, 1, 0, 0},    // Tot form 2: -1 + 0.8371 < 0, raised to 0
      {"WL", kBr3inP, 20, 0, 0},  // 3inP 0 < 3in 0.922 - 0.72 / 20, raised to 0
      // Twg form 7 0.914 - 0.0978 sqrt(10) = 0.604728 - Fol 0.55 e^-0.345 = 0.389518, times
      // T = e^(0.7276 + 1.5497 ln 10) = 73.399
      {"WP", kTwig, 10, 15.7961, 0.002},
  };
  for (const EquationCase& c : cases)
    EXPECT_NEAR(BT_Weight(c.Code, c.Slot, c.Dbh), c.Expected, c.Tolerance) << c;
  // a = b = 0.5 at x = 4, by form: a; e^(a + b ln 4) = 2 e^0.5; a + 16 b; a e^(4 b); a - 4 b
  // < 0, raised to 0; 1 / (a + 4 b); a + b / 4; a - 2 b < 0, raised to 0; an unknown form
  const double forms[] = {0.5, 2 * std::exp(0.5), 8.5, 0.5 * std::exp(2.0), 0, 0.4, 0.625, 0, 0};
  for (int form = 0; form <= 8; ++form) {
    EXPECT_NEAR(BT_Eq({"XX", "Tot", form, 0.5, 0.5, 0, 0, 0, 0}, 4.0), forms[form], 1e-12)
        << "form " << form;
  }
  // 1 - 0.1 x, but yL = 0.9 up to xL = 2 inclusive and yU = 0.2 above xU = 5
  const d_BTRow row{"XX", "Fol", 4, 1.0, 0.1, 2.0, 0.9, 5.0, 0.2};
  for (const auto& [x, y] : {std::pair{2.0, 0.9}, {2.5, 0.75}, {5.0, 0.5}, {5.01, 0.2}})
    EXPECT_NEAR(BT_Eq(row, x), y, 1e-12) << "x = " << x;
}

}  // namespace sylvanor
