#include "stand/BuiltInSpecies.h"

#include <gtest/gtest.h>

#include <set>

namespace sylvanor {

namespace {

TEST(BuiltInSpeciesTest, RowBecomesASpeciesRecord) {
  const d_ET et = ET_BuiltInRecord(kBuiltInSpecies[39]);  // quaking aspen
  EXPECT_EQ(et.OrderNumber, 40.0f);
  EXPECT_EQ(et.Species, "POTR5");
  EXPECT_EQ(et.CommonName, "Quaking Aspen");
  for (int slot : {kTotal, kFoliage, kTwig})
    EXPECT_EQ(et.Components[slot].Code, "QA");
  for (int slot : {kBr1in, kBr3in, kBr3inP})
    EXPECT_EQ(et.Components[slot].Code, "BM");
  EXPECT_EQ(et.Components[kVertDist].Code, "UN");
  EXPECT_EQ(et.Components[kBr3inP].Component, "Br-3inP");
  EXPECT_EQ(et.Components[kVertDist].EqIdx, -1);  // linked only when loaded
  EXPECT_EQ(et.CrownClass, "WF");
  EXPECT_EQ(et.Canopy, "26");
  EXPECT_EQ(et.Bole, "200DVEW746");
  EXPECT_EQ(et.Mortality, "POTR5");
}

TEST(BuiltInSpeciesTest, TableIsConsistent) {
  std::set<std::string_view> codes;
  for (std::size_t i = 0; i < kBuiltInSpecies.size(); ++i) {
    const d_BuiltInSpecies& row = kBuiltInSpecies[i];
    EXPECT_EQ(row.Num, static_cast<int>(i) + 1);
    EXPECT_TRUE(codes.insert(row.Species).second) << row.Species;
    // hardwoods stay out of canopy bulk density, conifers count
    EXPECT_EQ(row.Include, row.HarCon == "H" ? "No" : "Yes") << row.Species;
  }
}

}  // namespace

}  // namespace sylvanor
