#include "stand/CanopyProfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

#include "stand/EqFun.h"
#include "stand/EquationParams.h"
#include "stand/EquationTable.h"
#include "stand/SpeciesTable.h"
#include "stand/TreeList.h"

namespace sylvanor {

namespace {

// A species whose crown fuel is spread evenly ("WF": G(x) = x) and counts
// in canopy bulk density, and one that does not count.
d_ET Species(const std::string& code, const std::string& include) {
  d_ET et;
  et.Species = code;
  et.Include = include;
  d_ETCom& vd = et.Components[kVertDist];
  vd.Code = "WF";
  vd.EqIdx = EQ_Find("WF", "VD");
  vd.Kind = "EFD";
  return et;
}

class CanopyProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s_ET().Rows = {Species("EVEN", "Yes"), Species("HARD", "No")};
    PTL_InitTbl();
    prof_ = std::make_unique<d_Profile>();
  }
  void TearDown() override {
    s_ET().Rows.clear();
    PTL_InitTbl();
  }
  // A tree of 10 lb of available crown fuel (foliage 8, twigs 4) per tree.
  static d_PTLRec& Put(int slot, float cb, float h, float tpa = 100,
                       const std::string& species = "EVEN") {
    d_PTLRec& t = s_PTL()[slot];
    t.Species = species;
    t.Status = "H";
    t.Dia = 10;
    t.Hgt = h;
    t.CrnHgt = t.CrnHgtPru = cb;
    t.TPA = t.TPAadj = tpa;
    t.Bio[kFoliage] = 8;
    t.Bio[kTwig] = 4;
    return t;
  }
  float Pass(float layWid = 1.0f, float scorch = 0.0f) {
    return CP_ProfilePass(layWid, 5.0f, 0.012f, scorch, *prof_);
  }

  std::unique_ptr<d_Profile> prof_;
};

TEST_F(CanopyProfileTest, CrownFillsTheLayersFromItsBaseToItsTop) {
  Put(0, 10, 20);
  // 10 lb x 100 trees spread evenly over 10 ft: 100 lb/acre in each layer
  EXPECT_FLOAT_EQ(Pass(), 0.5f);  // 1000 lb = 0.5 tons/acre
  EXPECT_EQ(prof_->Load[9], 0.0f);
  for (int i = 10; i < 20; ++i)
    EXPECT_NEAR(prof_->Load[i], 100.0f, 1e-3f) << i;
  EXPECT_EQ(prof_->Load[20], 0.0f);
  EXPECT_EQ(prof_->NLay, 20);  // the walk passed layers 0 to 19
  EXPECT_EQ(prof_->LayWid, 1.0f);
  EXPECT_EQ(prof_->Spread, 5);
}

TEST_F(CanopyProfileTest, CrownInsideOneLayerPutsAllItsFuelThere) {
  Put(0, 10.2f, 10.7f);
  EXPECT_FLOAT_EQ(Pass(), 0.5f);
  EXPECT_FLOAT_EQ(prof_->Load[10], 1000.0f);
  EXPECT_EQ(prof_->NLay, 11);
}

TEST_F(CanopyProfileTest, NothingBelowThePrunedCrownBaseOrTheScorchHeight) {
  Put(0, 10, 20).CrnHgtPru = 15;
  EXPECT_NEAR(Pass(), 0.25f, 1e-6f);  // layers 15 to 19
  EXPECT_EQ(prof_->Load[14], 0.0f);
  EXPECT_NEAR(Pass(1.0f, 17.5f), 0.15f, 1e-6f);  // layers 17 to 19
  EXPECT_EQ(prof_->NLay, 20);
}

TEST_F(CanopyProfileTest, OnlyLiveTreesOfCountingSpeciesWithTreesLeft) {
  Put(0, 10, 20).Status = "d";
  Put(1, 10, 20, 100, "HARD");
  Put(2, 10, 20).Killed = 100;
  Put(3, 0, 30).TPAadj = 0;
  Put(4, 10, 20).Killed = 60;  // 40 trees left: 40 lb/acre per layer
  EXPECT_NEAR(Pass(), 0.2f, 1e-6f);
  EXPECT_NEAR(prof_->Load[12], 40.0f, 1e-4f);
  EXPECT_EQ(prof_->NLay, 20);  // the skipped 30 ft tree walks no layers
}

TEST_F(CanopyProfileTest, TopLayerOfASouthwesternPineCrownIsNeverNegative) {
  // the "PS" distribution rises above 1 just below the crown top: at
  // x = 10 / 10.01 it is 1.000154, so the layer holding the top would get
  // 1 - 1.000154 of the crown
  d_ET ps = Species("PSSW", "Yes");
  ps.Components[kVertDist].Code = "PS";
  ps.Components[kVertDist].EqIdx = EQ_Find("PS", "VD");
  s_ET().Rows.push_back(ps);
  Put(0, 0, 10.01f, 100, "PSSW");
  EXPECT_NEAR(Pass(), 0.5f, 1e-5f);
  EXPECT_EQ(prof_->NLay, 11);
  EXPECT_GE(prof_->Load[10], 0.0f);
  for (int i = 0; i < 10; ++i)
    EXPECT_GT(prof_->Load[i], 0.0f) << i;
}

TEST_F(CanopyProfileTest, RunningMeanWindowAndHeights) {
  Put(0, 0, 3, 30);  // 300 lb/acre over layers 0 to 2, 100 each
  Pass();
  CP_RunMean(*prof_);
  EXPECT_EQ(prof_->NRun, 5);                      // 3 layers + 5 div 2
  EXPECT_NEAR(prof_->RunMean[0], 100.0f, 1e-3f);  // layers 0-2
  EXPECT_NEAR(prof_->RunMean[1], 75.0f, 1e-3f);   // layers 0-3: 300 / 4
  EXPECT_NEAR(prof_->RunMean[2], 60.0f, 1e-3f);   // layers 0-4: 300 / 5
  EXPECT_NEAR(prof_->RunMean[4], 20.0f, 1e-3f);   // layers 2-6: 100 / 5
  // rho(100) = 100 / 43560 * 16.02 = 0.0367769; a tenth of it is below 0.012
  EXPECT_NEAR(prof_->CBD, 0.0367769f, 1e-6f);
  EXPECT_NEAR(prof_->Thr, 0.00367769f, 1e-7f);
  // every smoothed layer is above the threshold (rho(20) = 0.0073554): CBH
  // is the top of layer 0, SH that of layer 4, held to the top of the fuel
  EXPECT_FLOAT_EQ(prof_->CBH, 1.0f);
  EXPECT_FLOAT_EQ(prof_->SH, 3.0f);
}

TEST_F(CanopyProfileTest, ThresholdIsATenthOfThePeakAtMostTheCriticalValue) {
  const auto threshold = [this](float peakDensity) {
    prof_->Load.fill(0.0f);
    prof_->NLay = 30;
    prof_->Load[20] = peakDensity * 43560.0f / 16.02f;  // lb/acre for that density
    prof_->LayWid = 1.0f;
    prof_->Spread = 1;  // no smoothing
    prof_->CriThr = 0.012f;
    CP_RunMean(*prof_);
    return prof_->Thr;
  };
  EXPECT_NEAR(threshold(0.05f), 0.005f, 1e-7f);
  EXPECT_NEAR(threshold(0.3f), 0.012f, 1e-7f);
  EXPECT_FLOAT_EQ(prof_->CBH, 21.0f);
  EXPECT_FLOAT_EQ(prof_->SH, 21.0f);
}

TEST_F(CanopyProfileTest, PlotWithoutCanopyFuel) {
  Put(0, 10, 20, 100, "HARD");
  EXPECT_EQ(Pass(), 0.0f);
  CP_RunMean(*prof_);
  EXPECT_EQ(prof_->CBD, 0.0f);
  EXPECT_EQ(prof_->CBH, -1.0f);
  EXPECT_EQ(prof_->SH, -1.0f);
  EXPECT_EQ(prof_->Thr, 0.0f);
  EXPECT_EQ(prof_->NLay, 0);
}

TEST_F(CanopyProfileTest, WalkStopsAtTheLimitAndTheMeanAtTheLastLayer) {
  Put(0, 900, 1000);
  Pass(0.1f);
  EXPECT_EQ(prof_->NLay, kLayerWalkLimit);
  prof_->Spread = 100;  // 9990 + 50 layers would run past the array
  CP_RunMean(*prof_);
  EXPECT_EQ(prof_->NRun, kLayers);
}

// The profile pass as plainly as it can be written: every tree walks every
// layer from the ground, asking its species' distribution each time.
float PlainPass(float layWid, float scorch, std::array<float, kLayers>& load, int& nLay) {
  load.fill(0.0f);
  nLay = 0;
  double total = 0.0;
  for (const d_PTLRec& t : s_PTL()) {
    if (t.Species.empty()) break;
    const int row = ET_Idx(t.Species);
    if (row < 0 || !(s_ET().Rows[row].Include == "Yes") || PTL_IsDead(t)) continue;
    const float n = t.TPAadj - t.Killed;
    if (!(n > 0)) continue;
    const float fuel = (t.Bio[kFoliage] + 0.5f * t.Bio[kTwig]) * n;
    const auto g = [&](float f) { return EP_VertDist(t.Species, f); };
    const float cb = t.CrnHgt, h = t.Hgt;
    std::array<float, kLayers> scratch{};
    int i = 0;
    for (; i < kLayerWalkLimit; ++i) {
      const float lower = static_cast<float>(i) * layWid;
      if (!(lower < h)) break;
      const float upper = lower + layWid;
      float w = 0;
      if (upper > cb && cb > lower) {
        w = g(std::min(1.0f, (upper - cb) / (h - cb)));
      } else if (upper > h && h > lower) {
        w = 1.0f - g((lower - cb) / (h - cb));
      } else if (lower >= cb && h >= upper) {
        w = g((upper - cb) / (h - cb)) - g((lower - cb) / (h - cb));
      }
      scratch[i] = fuel * w;
    }
    nLay = std::max(nLay, i);
    const int cut =
        std::min(kLayers, static_cast<int>(std::max({t.CrnHgt, t.CrnHgtPru, scorch}) / layWid));
    for (int k = 0; k < cut; ++k)
      scratch[k] = 0;
    for (int k = 0; k < kLayers; ++k) {
      load[k] += scratch[k];
      total += scratch[k];
    }
  }
  return static_cast<float>(total / 2000.0);
}

TEST(CanopyProfileSameResult, PreparedUnpreparedAndPlainPassesAgree) {
  ET_Load("");  // the built-in species with their own distributions
  ET_LinkEq();
  PTL_InitTbl();
  std::mt19937 random(7);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  for (int slot = 0; slot < 300; ++slot) {
    d_PTLRec& t = s_PTL()[slot];
    t.Species = s_ET().Rows[slot % s_ET().Rows.size()].Species;
    t.Status = slot % 17 == 0 ? "D" : "H";
    t.Hgt = 5.0f + 120.0f * unit(random);
    t.CrnHgt = t.Hgt * 0.9f * unit(random);
    t.CrnHgtPru = slot % 5 == 0 ? t.CrnHgt + 2.0f : t.CrnHgt;
    t.TPA = t.TPAadj = 1.0f + 50.0f * unit(random);
    t.Killed = slot % 7 == 0 ? t.TPA / 2 : 0.0f;
    t.Bio[kFoliage] = 40.0f * unit(random);
    t.Bio[kTwig] = 20.0f * unit(random);
  }
  auto plain = std::make_unique<std::array<float, kLayers>>();
  auto prof = std::make_unique<d_Profile>();
  for (const float layWid : {1.0f, 0.32808f, 3.0f}) {
    int plainLayers = 0;
    const float plainFuel = PlainPass(layWid, 12.0f, *plain, plainLayers);
    for (const bool prepared : {false, true}) {
      if (prepared) CP_PrepareTrees(layWid);
      EXPECT_EQ(CP_ProfilePass(layWid, 5, 0.012f, 12.0f, *prof), plainFuel) << layWid;
      EXPECT_EQ(prof->NLay, plainLayers);
      EXPECT_TRUE(std::equal(plain->begin(), plain->end(), prof->Load.begin())) << layWid;
    }
  }
  // shares prepared for another layer width are not used, and they follow
  // their records when the list is reordered
  CP_PrepareTrees(1.0f);
  for (int slot = 0; slot < 300; ++slot)
    s_PTL()[slot].RetPri = static_cast<float>((slot * 37) % 11);
  PTL_SortRetPri();
  for (const float layWid : {1.0f, 0.5f}) {
    int plainLayers = 0;
    const float plainFuel = PlainPass(layWid, 0.0f, *plain, plainLayers);
    EXPECT_EQ(CP_ProfilePass(layWid, 5, 0.012f, 0.0f, *prof), plainFuel);
    EXPECT_TRUE(std::equal(plain->begin(), plain->end(), prof->Load.begin())) << layWid;
  }
  s_ET().Rows.clear();
  PTL_InitTbl();
}

}  // namespace

}  // namespace sylvanor
