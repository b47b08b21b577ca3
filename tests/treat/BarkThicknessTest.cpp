#include "treat/BarkThickness.h"

#include <gtest/gtest.h>

namespace sylvanor {

namespace {

d_MortSpe Record(const std::string& species, int barkNum) {
  d_MortSpe r;
  r.Species = species;
  r.EqCode = "1";
  r.BarkNum = barkNum;
  return r;
}

TEST(BarkThicknessTest, FactorTableAndItsEnds) {
  EXPECT_FLOAT_EQ(BarkFactor(1), 0.019f);
  EXPECT_FLOAT_EQ(BarkFactor(10), 0.031f);
  EXPECT_FLOAT_EQ(BarkFactor(29), 0.050f);
  EXPECT_FLOAT_EQ(BarkFactor(30), 0.052f);
  EXPECT_FLOAT_EQ(BarkFactor(36), 0.063f);
  EXPECT_FLOAT_EQ(BarkFactor(37), 0.068f);
  EXPECT_FLOAT_EQ(BarkFactor(39), 0.081f);
  EXPECT_EQ(BarkFactor(100), 0.0f);
  for (int n : {-1, 0, 40, 99, 101})
    EXPECT_EQ(BarkFactor(n), -1.0f) << n;
}

TEST(BarkThicknessTest, SpeciesRecordIsFoundExactlyOrByTheDefault) {
  MortalityTable table = {Record("PSME", 36), Record("ABGR", 40)};
  EXPECT_FLOAT_EQ(SMT_CalcBarkThick(table, "PSME", 20.0f), 1.26f);
  EXPECT_EQ(SMT_CalcBarkThick(table, "psme", 20.0f), -1.0f);  // exact codes only
  EXPECT_EQ(SMT_CalcBarkThick(table, "ABGR", 20.0f), -1.0f);  // number not in the table
  table.push_back(Record("*InvSpe*", 19));
  EXPECT_FLOAT_EQ(SMT_CalcBarkThick(table, "psme", 20.0f), 0.8f);
  // the default counts only as the last record
  table.push_back(Record("PIPO", 36));
  EXPECT_EQ(SMT_CalcBarkThick(table, "psme", 20.0f), -1.0f);
}

}  // namespace

}  // namespace sylvanor
