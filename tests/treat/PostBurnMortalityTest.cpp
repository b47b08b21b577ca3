#include "treat/PostBurnMortality.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/Burn.h"
#include "tests/support/StandBuilders.h"

namespace sylvanor {

// Mortality code "Q" + species ("QXX" has no record); bark number 36: 0.063 x DBH. "EVEN" and
// "HARD" spread their crowns evenly ("WF": G(x) = x), "HARD" not counting in canopy bulk density.
// clang-format off
const d_ETTable kSpecies = [](d_ETTable t) {
  for (d_ET& et : t.Rows) et.Mortality = "Q" + et.Species.str();
  return t;
}(SpeciesTable({{.Species = "EVEN", .VertDist = "WF"}, {.Species = "HARD", .VertDist = "WF",
    .Include = "No"}, {.Species = "M10"}, {.Species = "M1"}, {.Species = "M3"}, {.Species = "M2"},
    {.Species = "BAD"}, {.Species = "XX"}}));
const MortalityTable kTable = {MortRecord("QM10", "10", 36), MortRecord("QM1", "1", 36),
    MortRecord("QM3", "3", 36), MortRecord("QM2", "2", 36), MortRecord("QBAD", "150", 36),
    MortRecord("*InvSpe*", "1", 36)};
const d_PTLRec kDead = TreeRec({.Species = "M2", .Status = "d"});  // equation 2 not implemented

TEST(PostBurnMortalityTest, TreesInOrderUpToTheFirstFreeSlotOrFailure) {
  // Tree 1 (DBH in, H ft, crown base ft, trees/acre) at a scorch height (ft): its probability and
  // killed trees/acre; tree 2 is dead, tree 3 fails with the message, tree 4 is never reached.
  const std::tuple<const char*, d_PTLRec, float, float, float, d_PTLRec, std::string> rows[] = {
      // CR 100: CL 50, CLS 25, PCL 50; logistic(-3.5083 + 4.78 - 4.6 + 2.125) = 0.230889 -> 2.81
      {"crown base 0", TreeRec({"M10", 10, 50, 0, 10}), 25, 0.230889f, 2, {}, ""},
      // CVS 0: 1 / (1 + exp(6.316 (1 - exp(-0.63)) - 1.941)) = 0.266755; 2.67 + 0.5 -> 3
      {"bark only", TreeRec({"M1", 10, 50, 20, 10}), 15, 0.266755f, 3, {}, ""},
      {"floor 0.8", TreeRec({"M3", 10, 50, 20, 10}), 15, 0.8f, 8, {}, ""},
      {"*InvSpe*", TreeRec({"XX", 10, 50, 20, 10}), 15, 0.266755f, 3, {}, ""},
      {"under one tree", TreeRec({"M1", 0.5f, 5, 1, 0.4f}), 10, 1, 0.4f, {}, ""},  // PCL 100: 1
      {"at most TPAadj", TreeRec({"M1", 0.5f, 5, 1, 1.5f}), 10, 1, 1.5f, {}, ""},
      {"species", TreeRec({"M1", 10, 50, 20, 10}), 15, 0.266755f, 3, TreeRec({"BAD"}),
       "\n Invalid Species Equation Code ( QBAD ) detected\nIf you are using a species.csv file "
       "please check\nthe mortality equation id code that you have assigned\nto BAD\n"},
      {"other", TreeRec({"M1", 10, 50, 20, 10}), 15, 0.266755f, 3, TreeRec({"M2"}),
       "Equation Not implemented,  Equ Num: 2\n"}};
  // clang-format on
  for (const auto& [name, tree, scorch, prob, killed, third, text] : rows) {
    d_PTLTable trees = TreeList({tree, kDead, third, TreeRec({"BAD"})});
    std::string message;
    EXPECT_EQ(MRT_TreeList(trees, kSpecies, kTable, scorch, message), text.empty()) << name;
    EXPECT_NEAR(trees[0].MortPct, prob * 100, 2e-4f) << name;
    EXPECT_EQ(std::tuple(message, trees[0].Killed, trees[1].MortPct, trees[3].MortPct),
              std::tuple(text, killed, 0.0f, 0.0f))
        << name;
  }
}

TEST(PostBurnMortalityTest, ScorchedFoliageAndKilledBasalArea) {
  d_PTLTable trees =
      TreeList({TreeRec({"EVEN", 10, 20, 10, 10}), TreeRec({"EVEN", 10, 20, 10, 10, "D"}),
                TreeRec({"HARD", 2, 10, 0, 5})});
  std::tie(trees[0].CrnHgtPru, trees[0].Killed, trees[0].Bio[kFoliage], trees[0].Bio[kTwig]) =
      std::tuple(13, 4, 8, 4);
  std::tie(trees[1].Killed, trees[1].Bio[kFoliage], trees[2].Killed, trees[2].Bio[kFoliage]) =
      std::tuple(5, 8, 1, 2);
  // 2 ft layers, scorch 14.5 ft; the dead tree counts for nothing. EVEN: 8 lb x 4 over layers
  // 5-9, 6.4 each, 6-9 above the pruned base: 25.6; 6 left: 9.6 each in 6 and 7 (start below 14.5):
  // 19.2. HARD: 2 lb x 5 in layers 0-4: 10. 54.8 lb = 0.0274 tons, also with the shares prepared.
  d_CPWork work;
  EXPECT_NEAR(MRT_ScorchedFoliage(trees, kSpecies, 2, 14.5f, work), 0.0274f, 1e-6f);
  CP_PrepareTrees(trees, kSpecies, 2, work);
  EXPECT_NEAR(MRT_ScorchedFoliage(trees, kSpecies, 2, 14.5f, work), 0.0274f, 1e-6f);
  EXPECT_NEAR(MRT_KilledBasalArea(trees), 2.2034765f, 1e-6f);  // 3.14159 (25 x 4 + 1 x 1) / 144
}

}  // namespace sylvanor
