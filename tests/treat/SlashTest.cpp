#include "treat/Slash.h"

#include <gtest/gtest.h>

#include "stand/CrownFuel.h"
#include "tests/support/StandBuilders.h"

namespace sylvanor {

TEST(Slash, StemsBySizeAndWoodDensity) {
  EXPECT_EQ(SL_StemSplit(7), (std::array<float, 5>{0.5f, 0.5f, 0, 0, 0}));
  EXPECT_EQ(SL_StemSplit(12), (std::array<float, 5>{0.1f, 0.15f, 0.25f, 0.5f, 0}));
  EXPECT_EQ(SL_StemSplit(20)[4], 0.5f);
  EXPECT_EQ(SL_StemSplit(8.99f)[2], 0);
  EXPECT_EQ(SL_WoodDensity("DF"), 30.0f);
  EXPECT_EQ(SL_WoodDensity("XX"), 25.6f);

  // sub-merchantable trees of 2.5 in (0.74 + 1.591 x 2.5^2 = 10.684 lb to the
  // 100-hour) and 7 in (25 lb/ft3 of "PP" x 4 ft3, half and half into
  // classes 1 and 2), 10 and 2 trees/acre, crowns left out
  const d_ETTable species = SpeciesTable({{.Species = "PIPO", .Crown = "PP", .VertDist = "PP"}});
  d_PTLTable trees = TreeList({TreeRec({.Dia = 2.5f}), TreeRec({.Dia = 7})});
  trees[0].Slash = 10, trees[1].Slash = 2, trees[1].VolCuFt = 4;
  const d_SlashLoads s = SL_ThinningSlash(trees, species, 0, 1);
  EXPECT_NEAR(s.Hr100, 106.8375f / 2000, 1e-6);
  EXPECT_NEAR(s.Snd[0], 0.05f, 1e-6);
  EXPECT_NEAR(s.Snd[1], 0.05f, 1e-6);
  EXPECT_EQ(s.Fol + s.Hr1 + s.Hr10 + s.Snd[2], 0);

  // pruning half the crown length: F(0.5) of "PP" = 2.3637/4 - 1.3637/8 = 0.42046
  trees[0].PruFra = 0.5f, trees[0].TPAadj = 20, trees[0].Bio[kFoliage] = 10;
  EXPECT_NEAR(SL_PruningSlash(trees, species).Fol, 10 * 20 * 0.4204625f / 2000, 1e-6);
}

TEST(Slash, HarvestedTreesLeaveTheirTopAndWhatYardingLeaves) {
  const d_ETTable species = BuiltInSpeciesTable();
  d_PTLTable trees = TreeList({TreeRec({.Dia = 8, .Hgt = 40, .CrnHgt = 0})});
  std::string message;
  ASSERT_EQ(PTL_CrownFuel(trees, species, message), 1) << message;
  trees[0].Harv = 10;
  const auto& bio = trees[0].Bio;
  ASSERT_GT(bio[kFoliage] * bio[kTwig] * bio[kBr3in], 0);
  // no top and nothing left by yarding: no slash
  d_SlashLoads s = SL_ThinningSlash(trees, species, 0, 0);
  EXPECT_EQ(s.Fol + s.Hr1 + s.Hr10 + s.Hr100 + s.Snd[0] + s.Snd[1], 0);
  // no top, all the crown left: the crown but the branches over 3 in
  s = SL_ThinningSlash(trees, species, 0, 1);
  EXPECT_NEAR(s.Fol, bio[kFoliage] * 10 / 2000, 1e-6);
  EXPECT_NEAR(s.Hr100, bio[kBr3in] * 10 / 2000, 1e-6);
  EXPECT_EQ(s.Snd[0], 0);
  // a log top at or above the DBH: the whole tree is top, whatever yarding
  // leaves; its stem 0.74 + 1.591 x 8^2 = 102.564 lb half in classes 1 and 2
  s = SL_ThinningSlash(trees, species, 10, 0.5f);
  EXPECT_NEAR(s.Hr1, bio[kTwig] * 10 / 2000, 1e-6);
  EXPECT_NEAR(s.Snd[0], (bio[kBr3inP] * 10 + 102.564f * 5) / 2000, 1e-5);
  EXPECT_NEAR(s.Snd[1], 102.564f * 5 / 2000, 1e-5);
}

}  // namespace sylvanor
