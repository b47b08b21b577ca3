#include "stand/PinyonJuniper.h"

#include <gtest/gtest.h>

#include "stand/EquationTable.h"
#include "tests/support/Equations.h"

namespace sylvanor {

TEST(PinyonJuniper, RootCollarDiameter) {
  // e^(0.94932 ln 25.4 + 0.36738) = e^3.43818 = 31.1306
  EXPECT_NEAR(PJ_RootCollar(25.4), 31.1306, 1e-3);
  // at most 500 cm of DBH counts: e^(0.94932 x 6.21461 + 0.36738) = 526.911
  EXPECT_NEAR(PJ_RootCollar(800.0), 526.911, 1e-2);
  EXPECT_EQ(PJ_RootCollar(0.0), 0.0);
}

TEST(PinyonJuniper, HandWorkedWeightsAndNothingForNoDbhUnknownCodeOrSlot) {
  for (const EquationCase& c : EquationCases("PinyonJuniper"))
    EXPECT_NEAR(PJ_Weight(c.Code, c.Slot, c.Dbh), c.Expected, c.Tolerance) << c.Name;
  for (int slot = kTotal; slot <= kBr3inP; ++slot) {
    EXPECT_EQ(PJ_Weight("PY", slot, 0.0f), 0.0f) << slot;
    EXPECT_EQ(PJ_Weight("JP", slot, -3.0f), 0.0f) << slot;
  }
  EXPECT_EQ(PJ_Weight("PP", kTotal, 10.0f), 0.0f);
  EXPECT_EQ(PJ_Weight("PY", kVertDist, 10.0f), 0.0f);
  // DBHs past 500 cm weigh as 500 cm
  EXPECT_EQ(PJ_Weight("JP", kTotal, 300.0f), PJ_Weight("JP", kTotal, 500.0f / 2.54f));
}

}  // namespace sylvanor
