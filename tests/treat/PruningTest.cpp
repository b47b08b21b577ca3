#include "treat/Pruning.h"

#include <gtest/gtest.h>

#include "tests/support/StandBuilders.h"

namespace sylvanor {

TEST(Pruning, UpToTheHeightKeepingTheResidualCrown) {
  // crown from 20 to 50 ft: prune height, least crown ratio, dead, the
  // pruned fraction and the crown base after it
  const std::tuple<float, float, const char*, float, float> rows[] = {
      {30, 0.4f, "H", 1 / 3.0f, 30}, {45, 0.4f, "H", 0.6f, 38},  // 60 % of the crown at most
      {60, 0, "U", 1, 50},           {19, 0, "H", 0, 20},        // crown base above the height
      {30, 0, "D", 0, 20},           {30, 1, "H", 0, 20}};
  for (const auto& [height, least, status, fraction, base] : rows) {
    d_PTLTable trees = TreeList({TreeRec({.Hgt = 50, .CrnHgt = 20, .Status = status})});
    PR_Prune(trees, height, least);
    EXPECT_NEAR(trees[0].PruFra, fraction, 1e-6) << height << " " << least << status;
    EXPECT_NEAR(trees[0].CrnHgtPru, base, 1e-5) << height << " " << least << status;
  }
  d_PTLTable noCrown = TreeList({TreeRec({.Hgt = 20, .CrnHgt = 20})});
  PR_Prune(noCrown, 30, 0);
  EXPECT_EQ(noCrown[0].PruFra, 0);
}

}  // namespace sylvanor
