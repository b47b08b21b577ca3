#include "stand/EasternSpecies.h"

#include <gtest/gtest.h>

#include "stand/EquationTable.h"
#include "tests/support/Equations.h"

namespace sylvanor {

TEST(EasternSpecies, HandWorkedWeightsAndNothingForNoDbhUnknownCodeOrSlot) {
  for (const EquationCase& c : EquationCases("EasternSpecies")) {
    EXPECT_NEAR(East_Weight(c.Code, c.Slot, c.Dbh, c.Height, c.CrownBase), c.Expected, c.Tolerance)
        << c.Name;
  }
  // aspen DBHs beyond 100 cm weigh as 100 cm
  EXPECT_EQ(East_Weight("QA", kTotal, 60, 0, 0), East_Weight("QA", kTotal, 100 / 2.54f, 0, 0));
  for (const char* code : {"PB", "QA", "PI", "LO", "RO"}) {
    for (int slot = kTotal; slot <= kTwig; ++slot)
      EXPECT_EQ(East_Weight(code, slot, 0.0f, 50, 10), 0.0f) << code << " " << slot;
  }
  EXPECT_EQ(East_Weight("PP", kTotal, 10, 0, 0), 0.0f);
  for (int slot = kBr1in; slot <= kVertDist; ++slot)
    EXPECT_EQ(East_Weight("SM", slot, 10, 0, 0), 0.0f) << slot;
}

}  // namespace sylvanor
