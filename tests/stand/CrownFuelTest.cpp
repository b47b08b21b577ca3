#include "stand/CrownFuel.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/StandBuilders.h"

namespace sylvanor {

namespace {

const d_ETTable kSpecies = BuiltInSpeciesTable();

d_PTLRec Tree(const char* species, float d, float h, const char* cls, const char* status) {
  return TreeRec(
      {.Species = species, .Dia = d, .Hgt = h, .CrnHgt = h / 2, .Status = status, .CrnCls = cls});
}

TEST(CrownFuel, WeightsWorkedByHand) {
  // "PP" 10 in: T = e^(0.268 + 2.074 ln 10) = 155.0211 lb, Fol 0.558 e^-0.475 = 0.347012, Fol
  // + Twg 0.625 e^-0.511 = 0.374935, kept 0.15 suppressed, 0.55 dominant; a dead tree loses
  // Fol and Twg; cumulative 1in 0.985 e^-0.31 = 0.722445, 3in 1.083 - 0.131 = 0.952.
  // 0.8 in, 9.5 ft: "DF" class 10, T 12.3, 3inP 1.599, codominant kept 1.15.
  d_PTLTable trees = TreeList({Tree("PIPO", 10, 50, "S", "H"), Tree("PIPO", 10, 50, "D", "H"),
                               Tree("PIPO", 10, 50, "D", "d"), Tree("PSME", 0.8f, 9.5f, "C", "H")});
  std::string message;
  ASSERT_EQ(PTL_CrownFuel(trees, kSpecies, message), 1) << message;
  // clang-format off
  const std::tuple<int, int, float> rows[] = {  // tree, weight, lb
      {0, kTotal, 155.0211f * 0.15f}, {0, kFoliage, 155.0211f * 0.347012f * 0.15f},
      {1, kTotal, 155.0211f * 0.55f}, {2, kTotal, 155.0211f * (1 - 0.374935f) * 0.55f},
      {1, kBr1in, 155.0211f * (0.722445f - 0.374935f) * 0.55f},
      {1, kBr3in, 155.0211f * (0.952f - 0.722445f) * 0.55f}, {1, kBr3inP, 155.0211f * 0.048f * 0.55f},
      {2, kFoliage, 0}, {2, kTwig, 0}, {3, kTotal, 12.3f * 1.15f}, {3, kBr3inP, 1.599f * 1.15f}};
  // clang-format on
  for (const auto& [slot, weight, expected] : rows)
    EXPECT_NEAR(trees[slot].Bio[weight], expected, 1e-3f) << slot << " " << weight;
  EXPECT_EQ(trees[2].Bio[kBr1in], trees[1].Bio[kBr1in]);  // a dead tree keeps its branches
}

TEST(CrownFuel, UnknownSpeciesStopsTheStep) {
  d_PTLTable trees = TreeList({Tree("PIPO", 10, 50, "D", "H"), Tree("XXXX", 10, 50, "D", "H"),
                               Tree("PIPO", 10, 50, "D", "H")});
  std::string message;
  EXPECT_EQ(PTL_CrownFuel(trees, kSpecies, message), 0);
  EXPECT_EQ(message, "Species (XXXX) Not Found in Equation Table");
  EXPECT_GT(trees[0].Bio[kTotal], 0.0f);
  EXPECT_EQ(trees[2].Bio[kTotal], 0.0f);
}

}  // namespace

}  // namespace sylvanor
