#include "stand/CanopyProfile.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/support/StandBuilders.h"

namespace sylvanor {

namespace {

// "EVEN" spreads its crown fuel evenly ("WF": G(x) = x) and counts in canopy
// bulk density; "HARD" does not count; "PSSW" has the "PS" distribution.
const d_ETTable kSpecies = SpeciesTable({{.Species = "EVEN", .VertDist = "WF"},
                                         {.Species = "HARD", .VertDist = "WF", .Include = "No"},
                                         {.Species = "PSSW", .VertDist = "PS"}});

// A tree of 10 lb of available crown fuel (foliage 8, twigs 4) per tree.
d_PTLRec Crown(float cb, float h, float tpa = 100, const char* species = "EVEN") {
  d_PTLRec t = TreeRec({.Species = species, .Hgt = h, .CrnHgt = cb, .TPA = tpa});
  std::tie(t.Bio[kFoliage], t.Bio[kTwig]) = std::pair(8.0f, 4.0f);
  return t;
}

class CanopyProfileTest : public ::testing::Test {
 protected:
  float Pass(const d_PTLTable& trees, float layWid = 1.0f, float scorch = 0.0f) {
    return CP_ProfilePass(trees, kSpecies, layWid, 5.0f, 0.012f, scorch, *work_, *prof_);
  }
  std::unique_ptr<d_CPWork> work_ = std::make_unique<d_CPWork>();
  std::unique_ptr<d_Profile> prof_ = std::make_unique<d_Profile>();
};

TEST_F(CanopyProfileTest, PassesWorkedByHand) {
  d_PTLRec pruned = Crown(10, 20), dead = Crown(10, 20), killed = Crown(10, 20);
  d_PTLRec cut = Crown(0, 30), some = Crown(10, 20);
  pruned.CrnHgtPru = 15;
  dead.Status = "d";
  killed.Killed = 100;
  cut.TPAadj = 0;    // walks no layers
  some.Killed = 60;  // 40 trees left: 40 lb/acre per layer
  const d_PTLTable mixed = TreeList({dead, Crown(10, 20, 100, "HARD"), killed, cut, some});
  // name, trees, scorch height ft, available fuel tons/acre, layers walked, {layer, lb/acre};
  // 10 lb x 100 trees evenly over 10 ft: 100 lb/acre in each layer, 1000 lb = 0.5 tons/acre
  using Loads = std::vector<std::pair<int, float>>;
  const std::tuple<const char*, d_PTLTable, float, float, int, Loads> rows[] = {
      {"base to top", TreeList({Crown(10, 20)}), 0, 0.5f, 20, {{9, 0}, {10, 100}, {19, 100}}},
      {"one layer", TreeList({Crown(10.2f, 10.7f)}), 0, 0.5f, 11, {{10, 1000}, {11, 0}}},
      {"pruned", TreeList({pruned}), 0, 0.25f, 20, {{14, 0}, {15, 100}, {20, 0}}},
      {"scorched", TreeList({pruned}), 17.5f, 0.15f, 20, {{16, 0}, {17, 100}}},
      {"live trees left", mixed, 0, 0.2f, 20, {{12, 40}}},
      // "PS" rises above 1 just below the crown top (1.000154 at 10 / 10.01):
      // the layer holding the top gets nothing rather than 1 - 1.000154
      {"PS crown top", TreeList({Crown(0, 10.01f, 100, "PSSW")}), 0, 0.5f, 11, {{10, 0}}},
  };
  for (const auto& [name, trees, scorch, fuel, nLay, loads] : rows) {
    EXPECT_NEAR(Pass(trees, 1.0f, scorch), fuel, 1e-5f) << name;
    EXPECT_EQ(prof_->NLay, nLay) << name;
    for (const auto& [layer, load] : loads)
      EXPECT_NEAR(prof_->Load[layer], load, 1e-3f) << name << " layer " << layer;
  }
  EXPECT_EQ(std::pair(prof_->LayWid, prof_->Spread), std::pair(1.0f, 5));
}

TEST_F(CanopyProfileTest, RunningMeanThresholdAndHeights) {
  Pass(TreeList({Crown(0, 3, 30)}));  // 300 lb/acre over layers 0 to 2, 100 each
  CP_RunMean(*prof_);
  EXPECT_EQ(prof_->NRun, 5);  // 3 layers + 5 div 2
  // layers 0-2: 300 / 3; 0-3: 300 / 4; 0-4: 300 / 5; 2-6: 100 / 5
  for (const auto& [layer, mean] : {std::pair{0, 100.0f}, {1, 75.0f}, {2, 60.0f}, {4, 20.0f}})
    EXPECT_NEAR(prof_->RunMean[layer], mean, 1e-3f) << layer;
  // rho(100) = 100 / 43560 * 16.02 = 0.0367769; a tenth of it is below 0.012
  EXPECT_NEAR(prof_->CBD, 0.0367769f, 1e-6f);
  EXPECT_NEAR(prof_->Thr, 0.00367769f, 1e-7f);
  // every smoothed layer is above the threshold (rho(20) = 0.0073554): CBH
  // is the top of layer 0, SH that of layer 4, held to the top of the fuel
  EXPECT_FLOAT_EQ(prof_->CBH, 1.0f);
  EXPECT_FLOAT_EQ(prof_->SH, 3.0f);
  prof_->CriThr = 0.002f;  // the threshold is at most the critical value
  CP_RunMean(*prof_);
  EXPECT_EQ(prof_->Thr, 0.002f);
}

TEST_F(CanopyProfileTest, NoCanopyFuelAndTheWalkLimit) {
  EXPECT_EQ(Pass(TreeList({Crown(10, 20, 100, "HARD")})), 0.0f);
  CP_RunMean(*prof_);
  EXPECT_EQ(std::tuple(prof_->CBD, prof_->CBH, prof_->SH, prof_->Thr, prof_->NLay),
            std::tuple(0.0f, -1.0f, -1.0f, 0.0f, 0));
  Pass(TreeList({Crown(900, 1000)}), 0.1f);
  prof_->Spread = 100;  // 9990 + 50 layers would run past the array
  CP_RunMean(*prof_);
  EXPECT_EQ(std::pair(prof_->NLay, prof_->NRun), std::pair(kLayerWalkLimit, kLayers));
}

// Random trees of every built-in species, a fifth of them pruned, some dead and some half killed: a
// pass over trees prepared for its layer width gives what a pass working out every tree on the spot
// gives, whatever the order of the records; shares prepared for another width are not used.
TEST(CanopyProfileSameResult, PreparedAndUnpreparedPassesAgree) {
  const d_ETTable species = BuiltInSpeciesTable();
  d_PTLTable trees;
  std::mt19937 random(7);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  for (int slot = 0; slot < 300; ++slot) {
    d_PTLRec& t = trees[slot] =
        Crown(0, 5.0f + 120.0f * unit(random), 1.0f + 50.0f * unit(random),
              species.Rows[slot % species.Rows.size()].Species.str().c_str());
    t.CrnHgt = t.Hgt * 0.9f * unit(random);
    t.CrnHgtPru = slot % 5 == 0 ? t.CrnHgt + 2.0f : t.CrnHgt;
    t.Status = slot % 17 == 0 ? "D" : "H";
    t.Killed = slot % 7 == 0 ? t.TPA / 2 : 0.0f;
    t.Bio[kFoliage] = 40.0f * unit(random);
    t.RetPri = static_cast<float>((slot * 37) % 11);
  }
  auto fresh = std::make_unique<d_CPWork>(), prepared = std::make_unique<d_CPWork>();
  auto want = std::make_unique<d_Profile>(), got = std::make_unique<d_Profile>();
  const auto expectSame = [&](float layWid, float scorch, const char* how) {
    const float fuel = CP_ProfilePass(trees, species, layWid, 5, 0.012f, scorch, *fresh, *want);
    EXPECT_TRUE(CP_ProfilePass(trees, species, layWid, 5, 0.012f, scorch, *prepared, *got) ==
                    fuel &&
                got->NLay == want->NLay && got->Load == want->Load)
        << how << " " << layWid;
  };
  for (const float layWid : {1.0f, 0.32808f, 3.0f}) {
    CP_PrepareTrees(trees, species, layWid, *prepared);
    expectSame(layWid, 12.0f, "prepared");
  }
  CP_PrepareTrees(trees, species, 1.0f, *prepared);
  PTL_SortRetPri(trees);
  expectSame(1.0f, 0.0f, "sorted");
  expectSame(0.5f, 0.0f, "other width");
}

}  // namespace

}  // namespace sylvanor
