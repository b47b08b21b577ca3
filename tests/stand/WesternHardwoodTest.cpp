#include "stand/WesternHardwood.h"

#include <gtest/gtest.h>

#include "stand/EquationTable.h"
#include "tests/support/Equations.h"

namespace sylvanor {

TEST(WesternHardwood, HandWorkedWeightsAndNothingForNoDbhUnknownCodeOrSlot) {
  for (const EquationCase& c : EquationCases("WesternHardwood"))
    EXPECT_NEAR(SL_Weight(c.Code, c.Slot, c.Dbh), c.Expected, c.Tolerance) << c.Name;
  for (int slot = kTotal; slot <= kBr3inP; ++slot)
    EXPECT_EQ(SL_Weight("BM", slot, 0.0f), 0.0f) << slot;
  EXPECT_EQ(SL_Weight("PP", kTotal, 10.0f), 0.0f);
  EXPECT_EQ(SL_Weight("RA", kVertDist, 10.0f), 0.0f);
  EXPECT_EQ(SL_Idx("ra", "TOT"), 0);
  EXPECT_EQ(SL_Idx("", ""), -1);  // the ending row is not a row
}

}  // namespace sylvanor
