#include "treat/Piling.h"

#include <gtest/gtest.h>

namespace sylvanor {

TEST(Piling, GroundAndSlashOntoPilesAndTheBurnedShare) {
  d_SurfaceFuel input;
  input.Litter = 2, input.Hr1 = 1, input.Hr10 = 2, input.Hr100 = 3, input.Snd[0] = 4;
  input.Rot[0] = 1, input.Pile = 0.5f, input.Duff = 7;
  const d_SlashLoads thinning{1, 0.5f, 1, 1, {2}}, pruning{0.2f, 0.1f};
  d_SurfaceFuel withSlash = input;  // the slash lies on the surface
  withSlash.Litter = 3.2f, withSlash.Hr1 = 1.6f, withSlash.Hr10 = 3, withSlash.Hr100 = 4;
  withSlash.Snd[0] = 6;
  // half the ground fuels: fine 1 + 0.5 + 1 + 1.5, coarse 2 + 0.5; half the
  // slash: fine 0.6 + 0.3 + 0.5 + 0.5, coarse 1; burned: none, all, half
  for (const auto& [burn, pile, burned] :
       {std::tuple{0.0f, 9.9f, 0.0f}, {1.0f, 0, 9.9f}, {0.5f, 2, 7.9f}}) {
    d_SurfaceFuel agf = withSlash;
    d_Piles piles;
    PL_Pile(input, thinning, pruning, {0.5f, 0.5f, burn}, agf, piles);
    EXPECT_NEAR(agf.Pile, pile, 1e-5) << burn;
    EXPECT_NEAR(piles.Burned, burned, 1e-5) << burn;
    EXPECT_NEAR(piles.Tot, 6.5f, 1e-5);
    EXPECT_NEAR(piles.SlashOnToPile, 2.9f, 1e-5);
    EXPECT_NEAR(piles.LitFol + piles.Hr1 + piles.Hr10 + piles.Hr100, 5.9f, 1e-5);
    EXPECT_NEAR(piles.Snd[0] + piles.Rot[0], 3.5f, 1e-5);
    EXPECT_NEAR(agf.Litter, 1.6f, 1e-5);
    EXPECT_NEAR(agf.Snd[0], 3, 1e-5);
    EXPECT_EQ(agf.Duff, 7);  // never piled
  }
  // a surface load never goes below 0
  d_SurfaceFuel bare;
  d_Piles piles;
  PL_Pile(bare, thinning, {}, {0, 1, 0}, bare, piles);
  EXPECT_EQ(bare.Litter, 0);
  EXPECT_EQ(piles.LitFol, 1);
}

}  // namespace sylvanor
