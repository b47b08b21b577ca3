#include "treat/Thinning.h"

#include <gtest/gtest.h>

#include <random>

#include "stand/CrownFuel.h"
#include "tests/support/StandBuilders.h"

namespace sylvanor {

namespace {

// A live tree of DBH `dia` (in) and `tpa` trees/acre at retention priority `pri`.
d_PTLRec Tree(float dia, float tpa, float pri, float cutEff = 0) {
  d_PTLRec rec = TreeRec({.Dia = dia, .TPA = tpa});
  rec.TPAadj = tpa;
  rec.RetPri = pri;
  rec.CutEff = cutEff;
  return rec;
}

// Thins the list to the target of a sum criterion; the notice it leaves.
std::string Thin(d_PTLTable& trees, d_ThinSettings s) {
  std::string warning = "stale";
  EXPECT_EQ(TH_Thin(trees, s, TH_SumThinCriterion(s.Crit, 3.0f), warning), 1);
  return warning;
}

}  // namespace

TEST(Thinning, CriterionStepsByTenthsInPriorityOrder) {
  // basal area of a 10 in tree: 3.14159 x 25 / 144 = 0.545415 ft2; 100 trees
  // give 54.54; the target 40 is reached at 73.3 trees (40.03 at 73.4)
  d_PTLTable one = TreeList({Tree(10, 100, 0.5)});
  EXPECT_EQ(Thin(one, {"BasalArea", 40, 1, 0, 100, 9}), "");
  EXPECT_NEAR(one[0].TPAadj, 73.3f, 1e-3);
  EXPECT_NEAR(one[0].Harv, 26.7f, 1e-3);  // at or above the sub-merchantable DBH
  EXPECT_EQ(one[0].Slash, 0);

  // CutEff 0.5: 10 trees lose at most 5 (50 steps); the tree of priority 0
  // loses half first, the ones of 99 and at the cut limits nothing
  d_PTLTable trees = TreeList(
      {Tree(8, 10, 0.5), Tree(8, 10, 99), Tree(8, 20, 0), Tree(2, 10, 0.5), Tree(20, 10, 0.7)});
  EXPECT_EQ(Thin(trees, {"TreeDensity", 1, 0.5, 2, 20, 9}), "");
  // sorted: priority 0, 0.5 (DBH 8, then 2 as the exchanges leave them), 0.7, 99
  const float left[] = {10, 5, 10, 10, 10};
  const float slash[] = {10, 5, 0, 0, 0};
  for (int i = 0; i < 5; ++i) {
    EXPECT_NEAR(trees[i].TPAadj, left[i], 1e-3) << i;
    EXPECT_NEAR(trees[i].Slash, slash[i], 1e-3) << i;
  }
  EXPECT_EQ(trees[4].RetPri, 99);

  // already below: the notice names the criterion where the plot is expected,
  // and the trees of priority 0 were cut all the same
  d_PTLTable below = TreeList({Tree(10, 100, 0.5), Tree(10, 10, 0)});
  EXPECT_EQ(Thin(below, {"BasalArea", 100, 0.3f, 0, 100, 9}),
            "No tree thining has been done.\nPlot BasalArea is already less than 100.00\n");
  EXPECT_NEAR(below[0].TPAadj, 7, 1e-4);
  EXPECT_EQ(Thin(below, {"BasalArea", 1, 0.3f, 50, 100, 9}),
            "No trees found between specified min/max to thin, BasalArea\n");
}

TEST(Thinning, FreeThinningCutsEachTreesOwnShare) {
  d_PTLTable trees = TreeList({Tree(10, 20, 99, 0.25f), Tree(4, 10, 0.5)});
  EXPECT_EQ(Thin(trees, {"free", 0, 0, 0, 0, 9}), "");
  EXPECT_EQ(trees[0].TPAadj, 10);  // sorted: 0.5 first, untouched
  EXPECT_EQ(trees[1].TPAadj, 15);  // priority 99 is cut by its own share
  EXPECT_EQ(trees[1].Harv, 5);
  d_PTLTable none = TreeList({Tree(10, 20, 0.5)});
  EXPECT_EQ(Thin(none, {"Free", 0, 1, 0, 100, 9}), "No trees removed from free thinning");
}

TEST(Thinning, SumCriteria) {
  d_PTLTable trees = TreeList({Tree(10, 100, 0.5), Tree(2, 50, 0.5)});
  trees[1].Status = "D";
  EXPECT_NEAR(TH_SumCriterion("BasalArea", trees, 3), 54.5415f, 1e-3);  // the live tree only
  // 100 x 1 + 50 x 0.2^1.605 = 103.777
  EXPECT_NEAR(TH_SumCriterion("StandDensityIndex", trees, 3), 103.777f, 1e-2);
  EXPECT_EQ(TH_SumCriterion("TreeDensity", trees, 3), 150);
  EXPECT_EQ(TH_SumCriterion("ExceedingTreeDensity", trees, 2), 150);  // DBH at the threshold
  EXPECT_EQ(TH_SumCriterion("ExceedingTreeDensity", trees, 3), 100);
  EXPECT_EQ(TH_SumCriterion("basalarea", trees, 3), 0);
}

TEST(Thinning, KeepingTheValueUpToDateDecidesAsAFullEvaluation) {
  // random plots full of tied priorities, thinned once with the criterion
  // kept up to date and once evaluated in full before every step
  std::mt19937 random(15);
  std::uniform_real_distribution<float> unit(0, 1);
  for (const std::string crit :
       {"BasalArea", "StandDensityIndex", "TreeDensity", "ExceedingTreeDensity"}) {
    for (int plot = 0; plot < 8; ++plot) {
      d_PTLTable running = TreeList({});
      for (int i = 0; i < 120; ++i) {
        running[i] = Tree(1 + 30 * unit(random), 1 + 60 * unit(random),
                          static_cast<float>(static_cast<int>(4 * unit(random))) / 4);
        if (unit(random) < 0.1f) running[i].Status = "D";
      }
      d_PTLTable full = running;
      const d_ThinSettings s{
          crit, TH_SumCriterion(crit, running, 3) * unit(random), unit(random), 2, 25, 9};
      std::string warning;
      TH_Thin(running, s, TH_SumThinCriterion(crit, 3), warning);
      TH_Thin(full, s, {TH_SumThinCriterion(crit, 3).Value, {}}, warning);
      for (int i = 0; i < 120; ++i)
        ASSERT_EQ(running[i].TPAadj, full[i].TPAadj) << crit << " plot " << plot << " tree " << i;
    }
  }
}

TEST(Thinning, CanopyCriteriaKeptUpToDateDecideAsAFullEvaluation) {
  const d_ETTable species = BuiltInSpeciesTable();
  std::mt19937 random(16);
  std::uniform_real_distribution<float> unit(0, 1);
  const char* codes[] = {"PIPO", "PSME", "ABGR", "PICO"};
  for (const std::string crit : {"CanopyCover", "CanopyFuelLoad", "CanopyBulkDensity"}) {
    for (int plot = 0; plot < 4; ++plot) {
      d_PTLTable running = TreeList({});
      for (int i = 0; i < 60; ++i) {
        const float dia = 2 + 28 * unit(random), hgt = 15 + 3 * dia * (0.6f + 0.4f * unit(random));
        running[i] = Tree(dia, 1 + 40 * unit(random), static_cast<float>(i % 3) / 3);
        running[i].Species = codes[i % 4], running[i].Hgt = hgt;
        running[i].CrnHgt = running[i].CrnHgtPru = hgt * 0.6f * unit(random);
      }
      std::string message;
      ASSERT_EQ(PTL_CrownFuel(running, species, message), 1) << message;
      d_PTLTable full = running;
      d_CPWork shares;
      d_Profile layers;
      d_SMWork measures;
      CP_PrepareTrees(running, species, 1, shares);
      const d_ThinCanopy canopy{&species, 1, 15, 0.012f, 3, &shares, &layers, &measures};
      const float start = TH_ThinCriterion(crit, canopy).Value(running);
      const d_ThinSettings s{crit, start * (0.3f + 0.6f * unit(random)), 0.9f, 1, 40, 9};
      std::string warning;
      TH_Thin(running, s, TH_ThinCriterion(crit, canopy), warning);
      TH_Thin(full, s, {TH_ThinCriterion(crit, canopy).Value, {}}, warning);
      for (int i = 0; i < 60; ++i)
        ASSERT_EQ(running[i].TPAadj, full[i].TPAadj) << crit << " plot " << plot << " tree " << i;
      EXPECT_LT(TH_ThinCriterion(crit, canopy).Value(running), start) << crit;
    }
  }
}

}  // namespace sylvanor
