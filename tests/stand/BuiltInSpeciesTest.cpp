#include "stand/BuiltInSpecies.h"

#include <gtest/gtest.h>

#include <set>

#include "stand/CrownTables.h"
#include "stand/EqFun.h"
#include "stand/TreeVolume.h"

namespace sylvanor {

// Numbered in order, one row per code, hardwoods out of canopy bulk density,
// every equation, crown table and bole volume code known; a row's record
// takes its crown code for Total, Foliage and Br-Twg and its branch code for
// the branches, linked to no equation yet.
TEST(BuiltInSpeciesTest, TableIsConsistent) {
  std::set<std::string_view> codes;
  for (std::size_t i = 0; i < kBuiltInSpecies.size(); ++i) {
    const d_BuiltInSpecies& row = kBuiltInSpecies[i];
    SCOPED_TRACE(row.Species);
    EXPECT_EQ(row.Num, static_cast<int>(i) + 1);
    EXPECT_TRUE(codes.insert(row.Species).second);
    EXPECT_EQ(row.Include, row.HarCon == "H" ? "No" : "Yes");
    const d_ET et = ET_BuiltInRecord(row);
    for (int slot = kTotal; slot <= kVertDist; ++slot) {
      const std::string_view code =
          slot <= kTwig ? row.Crown : (slot < kVertDist ? row.Branch : row.VertDist);
      EXPECT_EQ(et.Components[slot].Code, code) << slot;
      EXPECT_EQ(et.Components[slot].EqIdx, -1) << slot;
      EXPECT_GE(EQ_Find(code, kComponentNames[slot]), 0) << code << " " << slot;
    }
    EXPECT_GT(ET_CrownRed(row.CrownClass, "D"), 0.0f);
    EXPECT_GT(ET_CrownArea(row.Canopy, 10.0f, 20.0f), 0.0f);
    d_TreeVol v;
    std::string message;
    EXPECT_EQ(TreeVolume(std::string(row.Bole), 10, 2, 40, v, message), 1) << message;
    EXPECT_TRUE(v.BdFt > 0 && v.MeCuFt > 0 && v.MeCuFt < v.CuFt);
  }
}

}  // namespace sylvanor
