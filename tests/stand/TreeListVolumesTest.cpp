#include "stand/TreeListVolumes.h"

#include <gtest/gtest.h>

#include <tuple>

#include "stand/TreeVolume.h"
#include "tests/support/StandBuilders.h"

namespace sylvanor {

namespace {

const d_ETTable kSpecies = SpeciesTable(
    {{.Species = "PSME", .Bole = "I00FW2W202"}, {.Species = "BAD", .Bole = "I00FW2W555"}});

d_PTLRec Tree(const char* species, float dia, float hgt) {
  d_PTLRec t = TreeRec({.Species = species, .Dia = dia, .Hgt = hgt});
  t.VolCuFt = t.VolBdFt = t.VolMeCuFt = 99.0f;  // left over from an earlier plot
  return t;
}

std::tuple<float, float, float> Volumes(const d_PTLRec& t) {
  return {t.VolCuFt, t.VolBdFt, t.VolMeCuFt};
}

std::tuple<float, float, float> Expected(float dia, float top, float hgt) {
  d_TreeVol v;
  std::string message;
  EXPECT_EQ(TreeVolume("I00FW2W202", dia, top, hgt, v, message), 1) << message;
  return {v.CuFt, v.BdFt, v.MeCuFt};
}

TEST(TreeListVolumes, TreesOfFiveFeetOrMoreGetTheirSpeciesVolumes) {
  // a log top diameter of 0 or less means a tenth of an inch
  for (const float top : {2.0f, 0.0f, -3.0f}) {
    d_PTLTable trees =
        TreeList({Tree("psme", 10, 40), Tree("PSME", 3, 4.9f), Tree("PSME", 0.5f, 5)});
    std::string message;
    ASSERT_EQ(PTL_Volumes(trees, kSpecies, top, message), 1) << message;
    EXPECT_EQ(Volumes(trees[0]), Expected(10, top > 0 ? top : 0.1f, 40)) << top;
    EXPECT_EQ(Volumes(trees[1]), std::tuple(0.0f, 0.0f, 0.0f)) << top;  // under 5 ft
    EXPECT_GT(trees[2].VolCuFt, 0.0f) << top;
  }
}

TEST(TreeListVolumes, FirstFailingTreeStopsTheStep) {
  d_PTLTable trees = TreeList({Tree("PSME", 10, 40), Tree("BAD", 12, 50), Tree("PSME", 10, 40)});
  std::string message;
  EXPECT_EQ(PTL_Volumes(trees, kSpecies, 2.0f, message), 0);
  EXPECT_EQ(message,
            "Error Number 6 - Volume Library\n"
            " Eq Id: I00FW2W555, DBH: 12.00, TopDBH: 2.00, Height: 50.00\n"
            " No species match");
  EXPECT_GT(trees[0].VolCuFt, 0.0f);
  EXPECT_EQ(trees[1].VolCuFt, 0.0f);
  EXPECT_EQ(trees[2].VolCuFt, 99.0f);  // not reached
}

}  // namespace

}  // namespace sylvanor
