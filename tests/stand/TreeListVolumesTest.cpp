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

// Trees of 5 ft or more get the volumes of their species' equation; a log
// top diameter of 0 or less means a tenth of an inch.
TEST(TreeListVolumes, TreesOfFiveFeetOrMoreGetTheirSpeciesVolumes) {
  for (const float top : {2.0f, 0.0f, -3.0f}) {
    d_PTLTable trees =
        TreeList({Tree("psme", 10, 40), Tree("PSME", 3, 4.9f), Tree("PSME", 0.5f, 5)});
    std::string message;
    ASSERT_EQ(PTL_Volumes(trees, kSpecies, top, message), 1) << message;
    d_TreeVol v;
    ASSERT_EQ(TreeVolume("I00FW2W202", 10, top > 0 ? top : 0.1f, 40, v, message), 1);
    EXPECT_EQ(Volumes(trees[0]), std::tuple(v.CuFt, v.BdFt, v.MeCuFt)) << top;
    EXPECT_EQ(Volumes(trees[1]), std::tuple(0.0f, 0.0f, 0.0f)) << top;
    EXPECT_GT(trees[2].VolCuFt, 0.0f) << top;
  }
  // the first failing tree stops the step
  d_PTLTable trees = TreeList({Tree("PSME", 10, 40), Tree("BAD", 12, 50), Tree("PSME", 10, 40)});
  std::string message;
  EXPECT_EQ(PTL_Volumes(trees, kSpecies, 2.0f, message), 0);
  EXPECT_EQ(message,
            "Error Number 6 - Volume Library\n"
            " Eq Id: I00FW2W555, DBH: 12.00, TopDBH: 2.00, Height: 50.00\n"
            " No species match");
  EXPECT_EQ(std::tuple(trees[0].VolCuFt > 0, trees[1].VolCuFt, trees[2].VolCuFt),
            std::tuple(true, 0.0f, 99.0f));  // the third not reached
}

}  // namespace

}  // namespace sylvanor
