#include "stand/CrownFuel.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/StandBuilders.h"

namespace sylvanor {

namespace {

const d_ETTable kSpecies = BuiltInSpeciesTable();

d_PTLRec Tree(const char* species, float dia, float hgt, const char* crnCls, const char* status) {
  return TreeRec({.Species = species,
                  .Dia = dia,
                  .Hgt = hgt,
                  .CrnHgt = hgt / 2,
                  .Status = status,
                  .CrnCls = crnCls});
}

TEST(CrownFuel, WeightsWorkedByHand) {
  // "PP" total e^(0.268 + 2.074 ln 10) = 155.0211 lb; foliage share 0.558
  // e^-0.475 = 0.347012; foliage and twigs together 0.625 e^-0.511 =
  // 0.374935. The "PP" reduction code keeps 15 % of a suppressed tree and
  // 55 % of a dominant one. A small tree (0.8 in, 9.5 ft) takes class 10 of
  // the "DF" row, 12.3 lb total and 1.599 lb Br-3inP, with the "DF"
  // reduction of a codominant tree, 1.15. Dead trees keep no foliage or twigs.
  d_PTLTable trees = TreeList({Tree("PIPO", 10, 50, "S", "H"), Tree("PIPO", 10, 50, "D", "H"),
                               Tree("PIPO", 10, 50, "D", "d"), Tree("PSME", 0.8f, 9.5f, "C", "H")});
  std::string message;
  ASSERT_EQ(PTL_CrownFuel(trees, kSpecies, message), 1) << message;
  // tree, weight, lb
  const std::tuple<int, int, float> rows[] = {{0, kTotal, 155.0211f * 0.15f},
                                              {0, kFoliage, 155.0211f * 0.347012f * 0.15f},
                                              {1, kTotal, 155.0211f * 0.55f},
                                              {2, kTotal, 155.0211f * (1 - 0.374935f) * 0.55f},
                                              {2, kFoliage, 0},
                                              {2, kTwig, 0},
                                              {3, kTotal, 12.3f * 1.15f},
                                              {3, kBr3inP, 1.599f * 1.15f}};
  for (const auto& [slot, weight, expected] : rows)
    EXPECT_NEAR(trees[slot].Bio[weight], expected, 1e-3f) << slot << " " << weight;
  for (int w = 0; w < 6; ++w) {  // every weight is scaled alike
    EXPECT_NEAR(trees[0].Bio[w] / 0.15f, trees[1].Bio[w] / 0.55f, 1e-3f) << w;
    EXPECT_GT(trees[0].Bio[w], 0.0f) << w;
  }
  EXPECT_EQ(trees[2].Bio[kBr1in], trees[1].Bio[kBr1in]);
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
