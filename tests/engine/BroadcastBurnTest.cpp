#include "engine/BroadcastBurn.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "engine/Sylvanor.h"
#include "tests/support/StandBuilders.h"

namespace sylvanor {

namespace {

// An engine with one PSME tree (2 in, 20 ft, crown base 10 ft, 10 per acre), no thinning, pruning
// or fuel model, burned in the InteriorWest in summer with the scorch height below the crown base.
class BroadcastBurnTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(e_.Init_LarGUI("English", "English", species_), 1);
    std::string m;
    ASSERT_EQ(e_.PTL_PutRec(1, 1, "PSME", 2, 20, 10, 10, "D", "H", 0, 0, "English", "", m), 1) << m;
    using S = Sylvanor;
    for (auto [set, v] : {std::pair{&S::Set_ThinInc, "No"},
                          {&S::Set_PrunInc, "No"},
                          {&S::Set_FueModSet, "None"},
                          {&S::Set_BroBurInc, "Yes"},
                          {&S::Set_Region, "InteriorWest"},
                          {&S::Set_Season, "Summer"}})
      (e_.*set)(v);
    for (auto [set, v] : {std::pair{&S::Set_ESDD, 3.0f},
                          {&S::Set_PilGroFra, 0.0f},
                          {&S::Set_PilTPFra, 0.0f},
                          {&S::Set_PilBurFra, 0.0f},
                          {&S::Set_MLCons, 0.9f},
                          {&S::Set_ScoHgt, 5.0f}})
      (e_.*set)(v);
    e_.Set_UserFolder((folder_.path() / "qor_Spp.csv").string());
    e_.Set_CriFirInt(15);
    e_.Set_EmisFactor("Flame", "F", 70, 1600, 4, 10, 12, 2, 1);
    e_.Set_EmisFactor("Smolder", "S", 200, 1400, 9, 20, 24, 1, 1);
    e_.Set_EmisFactor("Duff", "D", 250, 1300, 11, 30, 36, 0.5f, 1);
  }
  // Moistures as fractions, as the engine takes them.
  void Moistures(float m10, float m1k, float duff) {
    e_.Set_Moist10Hr(m10);
    e_.Set_Moist1kHr(m1k);
    e_.Set_DuffMoist(duff);
  }

  TempFolder folder_;
  const std::string species_ = UserSpeciesPath(folder_);
  Sylvanor e_;
};

// Litter 1, lichen 0.2, moss 0.1, grass 0.5, shrub 1, 1-hour 0.5, 10-hour 1 and sound logs of
// 9-12 in 1 and 12-20 in 3 tons/acre, with the duff and piles given.
d_SurfaceFuel Bed(float duff, float pile) {
  d_SurfaceFuel f{.Duff = duff, .Litter = 1, .Lichen = 0.2f, .Moss = 0.1f, .Grass = 0.5f};
  f.Shrub = 1, f.Hr1 = 0.5f, f.Hr10 = 1, f.Snd = {0, 0, 1, 3, 0}, f.Pile = pile;
  return f;
}

// Lichen 0.2 and moss 0.1 tons/acre burn by MLCons 0.9 whatever the rest does.
void ExpectLichenAndMoss(const Sylvanor& e) {
  EXPECT_NEAR(e.Get_BBC_Lichen(), 0.18f, 1e-6f);
  EXPECT_NEAR(e.Get_BBC_Moss(), 0.09f, 1e-6f);
  EXPECT_NEAR(e.Get_AGF_Lichen(), 0.02f, 1e-6f);
  EXPECT_NEAR(e.Get_AGF_Moss(), 0.01f, 1e-6f);
}

TEST_F(BroadcastBurnTest, AWetBedDoesNotIgniteAndConsumesOnlyLichenAndMoss) {
  // 1-hour and litter at 288 %, logs at 300 %: no particle ignites under the 50 kW/m2 front
  e_.Set_SurfaceFuel(Bed(0, 0));
  Moistures(2.9f, 3.0f, 1.0f);
  e_.Set_DuffDepth(0);
  ASSERT_EQ(e_.PTL_Exec(), 1) << e_.Get_ErrMes();
  EXPECT_EQ(e_.Get_BurnIgnition(), "NO");
  EXPECT_EQ(e_.Stand().Warning.str(),
            "A broadcast burn will not ignite under specified loads/conditions.\n"
            "Mortality will still be run and crowns scorched");
  EXPECT_EQ(e_.Get_AGF_Shrub(), 1.0f);
  EXPECT_EQ(e_.Get_AGF_SC4Snd(), 3.0f);
  ExpectLichenAndMoss(e_);
  EXPECT_NEAR(e_.Get_ConsumedTotal(), 0.27f, 1e-6f);  // nothing else, none of it below 0
  float v[8] = {1, 1, 1, 1, 1, 1, 1, 1};
  EXPECT_EQ(e_.Get_Emis(0, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]), 1);
  EXPECT_EQ(v[0] + v[3] + v[6] + v[7], 0.0f);
  // mortality still runs, with the scorch height as set
  EXPECT_EQ(e_.Stand().ScoHgt, 5.0f);
  EXPECT_GT(e_.Context().Trees[0].Killed, 0.0f);
}

TEST_F(BroadcastBurnTest, ABurnSplitsTheLargeLogsBackAndKeepsItsSmokeAndKills) {
  e_.Set_SurfaceFuel(Bed(10, 1));
  e_.Set_PilBurFra(1);
  Moistures(0.08f, 0.15f, 1.0f);
  e_.Set_DuffDepth(2);
  ASSERT_EQ(e_.PTL_Exec(), 1) << e_.Get_ErrMes();
  EXPECT_EQ(e_.Get_BurnIgnition(), "YES");
  EXPECT_EQ(e_.Stand().Warning.str(), "");
  // duff at 100 %: equation 2 consumes 83.7 - 0.426 x 100 = 41.1 % of 10 tons/acre; herbs all
  // (22), shrubs 0.6 (23)
  EXPECT_NEAR(e_.Get_BBC_Duff(), 4.11f, 1e-5f);
  EXPECT_NEAR(e_.Get_AGF_Duff(), 5.89f, 1e-5f);
  EXPECT_NEAR(e_.Get_BBC_Grass(), 0.5f, 1e-6f);
  EXPECT_NEAR(e_.Get_BBC_Shrub(), 0.6f, 1e-6f);
  EXPECT_NEAR(e_.Get_AGF_Shrub(), 0.4f, 1e-6f);
  ExpectLichenAndMoss(e_);
  // 9-12 and 12-20 in share the 9-20 in class 1 : 3, consumed and left
  const float con = e_.Get_BBC_SC3Snd() + e_.Get_BBC_SC4Snd();
  EXPECT_GT(con, 0.0f);
  EXPECT_NEAR(e_.Get_BBC_SC4Snd(), 3 * e_.Get_BBC_SC3Snd(), 1e-6f);
  EXPECT_NEAR(e_.Get_AGF_SC4Snd(), 3 * e_.Get_AGF_SC3Snd(), 1e-6f);
  EXPECT_NEAR(e_.Get_AGF_SC3Snd() + e_.Get_AGF_SC4Snd(), 4 - con, 1e-5f);
  // the pile burned whole is counted in the total consumed, as are the model's components, the
  // crown foliage as lichen and moss
  EXPECT_NEAR(e_.Get_ConsumedTotal(), 1 + e_.Get_BBC_ModelTotal(), 1e-5f);
  EXPECT_EQ(e_.Get_PilBur(), 1.0f);

  // the time history: the fire's steps, then zeros; none past 1500
  float v[8];
  ASSERT_EQ(e_.Get_Emis(0, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]), 1);
  EXPECT_GT(v[7], 0.0f);
  ASSERT_EQ(e_.Get_Emis(1499, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]), 1);
  EXPECT_EQ(v[0] + v[7], 0.0f);
  EXPECT_EQ(e_.Get_Emis(1500, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]), 0);
  // piles: 1 ton/acre is 0.224162 kg/m2, a quarter flaming at 10 g/kg PM2.5, the rest smoldering
  // at 20 g/kg; 1 g/m2 = 4046.86 / 453.592 lb/acre
  const double toLb = 4046.86 / 453.592;
  ASSERT_EQ(e_.Get_PileEmis("Flame", v[0], v[1], v[2], v[3], v[4], v[5], v[6]), 1);
  EXPECT_NEAR(v[0], 0.224162 * 0.25 * 10 * toLb, 1e-4);
  EXPECT_NEAR(v[3], 0.224162 * 0.25 * 1600 * toLb, 1e-2);  // CO2
  ASSERT_EQ(e_.Get_PileEmis("smolder", v[0], v[1], v[2], v[3], v[4], v[5], v[6]), 1);
  EXPECT_NEAR(v[0], 0.224162 * 0.75 * 20 * toLb, 1e-4);

  // scorch below the crown base: equation 1 on bark alone, PSME bark 0.063 x 2 in = 0.126 in,
  // P = 1 / (1 + exp(6.316 (1 - exp(-0.126)) - 1.941)) = 0.767330; 7.6733 + 0.5 -> 8 killed
  // trees per acre of 10, whose whole foliage falls to the litter
  const d_PTLRec& tree = e_.Context().Trees[0];
  EXPECT_NEAR(tree.MortPct, 76.733f, 1e-3f);
  EXPECT_EQ(tree.Killed, 8.0f);
  EXPECT_NEAR(e_.Get_SteDen(), 2.0f, 1e-6f);
  EXPECT_NEAR(e_.Get_KilledBasal(), 3.14159f * 8 / 144, 1e-6f);
  EXPECT_NEAR(e_.Get_ScoLitter(), tree.Bio[kFoliage] * 8 / 2000, 1e-6f);
  EXPECT_NEAR(e_.Get_AGF_Litter(), 1 - e_.Get_BBC_Litter() + e_.Get_ScoLitter(), 1e-5f);
}

TEST_F(BroadcastBurnTest, AFailedBurnLeavesTheLoads) {
  e_.Set_SurfaceFuel({.Duff = 10, .Litter = 1, .Hr1 = 0.5f});
  Moistures(0.08f, 0.15f, 1.0f);
  e_.Set_DuffDepth(0);  // a duff load needs a depth
  ASSERT_EQ(e_.PTL_Exec(), 0);
  EXPECT_EQ(e_.Get_ErrMes(),
            "Duff Depth is 0, Set Duff Load & Depth to 0 or both to non-zero values");
  EXPECT_EQ(e_.Get_AGF_Duff(), 10.0f);
}

}  // namespace

}  // namespace sylvanor
