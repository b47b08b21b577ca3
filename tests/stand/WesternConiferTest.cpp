#include "stand/WesternConifer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "stand/EquationTable.h"
#include "tests/support/Equations.h"

namespace sylvanor {

TEST(WesternConifer, HandWorkedWeights) {
  for (const EquationCase& c : EquationCases("WesternConifer"))
    EXPECT_NEAR(BT_Weight(c.Code, c.Slot, c.Dbh), c.Expected, c.Tolerance) << c.Name;
}

TEST(WesternConifer, FormsAndLimitsOfARow) {
  // a = b = 0.5 at x = 4, by form: a; e^(a + b ln 4) = 2 e^0.5; a + 16 b; a e^(4 b); a - 4 b
  // < 0, raised to 0; 1 / (a + 4 b); a + b / 4; a - 2 b < 0, raised to 0; an unknown form
  const double expected[] = {0.5, 2 * std::exp(0.5), 8.5, 0.5 * std::exp(2.0), 0, 0.4, 0.625, 0, 0};
  for (int form = 0; form <= 8; ++form) {
    EXPECT_NEAR(BT_Eq({"XX", "Tot", form, 0.5, 0.5, 0, 0, 0, 0}, 4.0), expected[form], 1e-12)
        << "form " << form;
  }
  // form 0 is not floored; every form gives 0 for no DBH
  EXPECT_DOUBLE_EQ(BT_Eq({"XX", "Tot", 0, -2.0, 0, 0, 0, 0, 0}, 4.0), -2.0);
  EXPECT_DOUBLE_EQ(BT_Eq({"XX", "Tot", 0, 1.0, 0, 0, 0, 0, 0}, 0.0), 0.0);
  // 1 - 0.1 x, but yL = 0.9 up to xL = 2 inclusive and yU = 0.2 above xU = 5
  const d_BTRow row{"XX", "Fol", 4, 1.0, 0.1, 2.0, 0.9, 5.0, 0.2};
  for (const auto& [x, y] : {std::pair{2.0, 0.9}, {2.5, 0.75}, {5.0, 0.5}, {5.01, 0.2}})
    EXPECT_NEAR(BT_Eq(row, x), y, 1e-12) << "x = " << x;
}

TEST(WesternConifer, NoDbhUnknownCodeOrSlotGiveNothing) {
  for (int slot = kTotal; slot <= kBr3inP; ++slot)
    EXPECT_EQ(BT_Weight("DF", slot, 0.0f), 0.0f) << slot;
  EXPECT_EQ(BT_Weight("RA", kTotal, 10.0f), 0.0f);
  EXPECT_EQ(BT_Weight("PP", kVertDist, 10.0f), 0.0f);
  EXPECT_EQ(BT_Find("pp", "tOT"), 0);
  EXPECT_EQ(BT_Find("", ""), -1);  // the ending row is not a row
}

}  // namespace sylvanor
