#include "treat/BarkThickness.h"

#include <gtest/gtest.h>

#include "tests/support/Burn.h"

namespace sylvanor {

TEST(BarkThicknessTest, FactorsAndTheSpeciesRecord) {
  // the ends of the table 1 to 39; 100 for a bark that is not counted
  const std::pair<int, float> rows[] = {{1, 0.019f}, {39, 0.081f}, {100, 0.0f}, {0, -1.0f},
                                        {40, -1.0f}, {99, -1.0f},  {101, -1.0f}};
  for (const auto& [number, factor] : rows)
    EXPECT_EQ(BarkFactor(number), factor) << number;
  MortalityTable table = {MortRecord("PSME", "1", 36), MortRecord("ABGR", "1", 40)};
  EXPECT_FLOAT_EQ(SMT_CalcBarkThick(table, "PSME", 20.0f), 1.26f);  // 0.063 x 20
  EXPECT_EQ(SMT_CalcBarkThick(table, "psme", 20.0f), -1.0f);        // exact codes only
  EXPECT_EQ(SMT_CalcBarkThick(table, "ABGR", 20.0f), -1.0f);        // number not in the table
  table.push_back(MortRecord("*InvSpe*", "1", 19));
  EXPECT_FLOAT_EQ(SMT_CalcBarkThick(table, "psme", 20.0f), 0.8f);  // 0.040 x 20
  table.push_back(MortRecord("PIPO", "1", 36));  // the default counts only as the last record
  EXPECT_EQ(SMT_CalcBarkThick(table, "psme", 20.0f), -1.0f);
}

}  // namespace sylvanor
