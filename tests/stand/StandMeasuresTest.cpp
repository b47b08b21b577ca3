#include "stand/StandMeasures.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "tests/support/StandBuilders.h"

namespace sylvanor {

namespace {

// Canopy code 16: crown width 4.4215 DBH^0.5329 above 4.5 ft; code 38 has no
// crown width equation.
const d_ETTable kSpecies =
    SpeciesTable({{.Species = "PIPO", .Canopy = "16"}, {.Species = "NOEQ", .Canopy = "38"}});

d_PTLRec Tree(float dia, float hgt, float tpa, const char* status = "H") {
  return TreeRec({.Dia = dia, .Hgt = hgt, .TPA = tpa, .Status = status});
}

// 100 trees of 4 in, 10 of 20 in and 30 of 10 in; then a dead tree of 12 in.
const d_PTLRec kStand[] = {Tree(4, 20, 100), Tree(20, 80, 10), Tree(10, 50, 30),
                           Tree(12, 60, 20, "D")};

TEST(StandMeasures, StandsWorkedByHand) {
  d_SMWork work;
  // beyond the first empty slot: not part of the list
  d_PTLTable live = TreeList({kStand[0], kStand[1], kStand[2]});
  live[4] = Tree(30, 100, 500);
  d_StandMeasures m = SM_Calc(live, kSpecies, "TPA", 10.0f, work);
  EXPECT_FLOAT_EQ(m.SteDen, 140.0f);    // 100 + 10 + 30
  EXPECT_FLOAT_EQ(m.SteDenExc, 40.0f);  // the 10 in trees count: Dia at the limit
  // pi (100*10 + 25*30 + 4*100) / 144 = 3.14159 * 2150 / 144
  EXPECT_NEAR(m.Basal, 46.90568f, 1e-4f);
  // 10 * 2^1.605 + 30 * 1 + 100 * 0.4^1.605 = 30.41958 + 30 + 22.97769
  EXPECT_NEAR(m.StdDenIdx, 83.39726f, 1e-3f);
  // sqrt((400*10 + 100*30 + 16*100) / 140) = sqrt(61.42857)
  EXPECT_NEAR(m.QuaMeaDia, 7.837638f, 1e-5f);
  // T = pi*2150, 75 % = pi*1612.5: ten 20 in trees give pi*1000, then 25 of
  // the 10 in trees (pi*25 each) reach pi*1625. sqrt((4000 + 2500) / 35)
  EXPECT_NEAR(m.Qd75, 13.627703f, 1e-5f);
  // Crown widths 4.4215 * {20, 10, 4}^0.5329 = 21.8217, 15.0824, 9.2557 ft;
  // areas pi (w/2)^2 = 373.9956, 178.6606, 67.2828; A = 3739.956 + 5359.818
  // + 6728.284 = 15828.058; 100 (1 - e^(-15828.058/43560)) = 30.46655
  EXPECT_NEAR(m.CanCov, 30.46655f, 1e-3f);

  // dead trees count in the density but not in the basal area or the cover
  m = SM_Calc(TreeList({kStand[0], kStand[1], kStand[2], kStand[3]}), kSpecies, "TPA", 0, work);
  EXPECT_FLOAT_EQ(m.SteDen, 160.0f);
  // 83.39726 + 20 * 1.2^1.605 = 83.39726 + 26.79883
  EXPECT_NEAR(m.StdDenIdx, 110.19609f, 1e-3f);
  // sqrt((8600 + 144*20) / 160) = sqrt(71.75)
  EXPECT_NEAR(m.QuaMeaDia, 8.470537f, 1e-5f);
  // T = pi*2870, 75 % = pi*2152.5: 1000 + 20*36 = 1720, then 18 trees of
  // 10 in reach 2170. sqrt((4000 + 2880 + 1800) / 48)
  EXPECT_NEAR(m.Qd75, 13.447429f, 1e-5f);
  EXPECT_NEAR(m.Basal, 46.90568f, 1e-4f);
  EXPECT_NEAR(m.CanCov, 30.46655f, 1e-3f);

  // a species without a crown width equation adds no cover:
  // 25 * 178.6606 = 4466.515 ft2; 100 (1 - e^(-4466.515/43560))
  d_PTLTable noEq = TreeList({Tree(10, 50, 25), Tree(10, 50, 1000)});
  noEq[1].Species = "NOEQ";
  EXPECT_NEAR(SM_Calc(noEq, kSpecies, "TPA", 0, work).CanCov, 9.745531f, 1e-3f);

  // nothing to measure gives zeros, not 0/0
  m = SM_Calc(d_PTLTable{}, kSpecies, "TPA", 0, work);
  EXPECT_EQ(std::tuple(m.SteDen, m.Basal, m.QuaMeaDia, m.Qd75, m.CanCov),
            std::tuple(0.0f, 0.0f, 0.0f, 0.0f, 0.0f));
}

TEST(StandMeasures, DensityCodeReachesEveryMeasure) {
  d_PTLTable trees = TreeList({Tree(10, 50, 50), Tree(20, 80, 10)});
  trees[0].TPAadj = 30;
  trees[0].Killed = 5;   // PostMort 25, Thinned 20
  trees[1].Killed = 12;  // PostMort below 0 counts as 0, Thinned 0
  d_SMWork work;
  const d_StandMeasures m = SM_Calc(trees, kSpecies, "PostMort", 0, work);
  // 25 * 78.53975 / 144; 25 * 1^1.605; cover of 25 trees of 10 in as above
  EXPECT_EQ(std::tuple(m.SteDen, m.StdDenIdx, m.QuaMeaDia, m.Qd75),
            std::tuple(25.f, 25.f, 10.f, 10.f));
  EXPECT_NEAR(m.Basal, 13.635373f, 1e-4f);
  EXPECT_NEAR(m.CanCov, 9.745531f, 1e-3f);
  EXPECT_FLOAT_EQ(SM_Calc(trees, kSpecies, "Thinned", 0, work).SteDen, 20.0f);
  EXPECT_NEAR(SM_Basal(trees, "Thinned"), 10.908299f, 1e-4f);  // 20 * 78.53975 / 144
  EXPECT_FLOAT_EQ(SM_Calc(trees, kSpecies, "TPA", 0, work).SteDen, 60.0f);
}

// Qd75 walks whole trees, largest first: a record stands for as many trees
// as its density has started units.
TEST(StandMeasures, Qd75CountsWholeTrees) {
  const std::tuple<const char*, d_PTLTable, float> rows[] = {
      // T = pi (25*0.4 + 9*5) = pi*55, 75 % = pi*41.25. The 10 in tree gives
      // pi*25, two 6 in trees pi*43. sqrt((100 + 36 + 36) / 3)
      {"a fraction", TreeList({Tree(6, 40, 5), Tree(10, 50, 0.4f)}), 7.571878f},
      // T = pi (25*2.3 + 1*50) = pi*107.5, 75 % = pi*80.625. Three 10 in trees
      // give pi*75, six 2 in trees pi*81. sqrt((3*100 + 6*4) / 9) = sqrt(36)
      {"rounded up", TreeList({Tree(2, 15, 50), Tree(10, 50, 2.3f), Tree(30, 90, 0)}), 6.0f},
      {"no basal area", TreeList({Tree(10, 50, 0)}), 0.0f}};
  d_SMWork work;
  for (const auto& [name, trees, qd75] : rows)
    EXPECT_NEAR(SM_Qd75(trees, "TPA", work), qd75, 1e-5f) << name;
}

TEST(StandMeasures, VolumesStandingAndHarvested) {
  // dia, TPA, TPAadj, harvested, slashed; cubic, board and merchantable feet
  d_PTLTable trees;
  const std::array<float, 8> rows[] = {{12, 17, 10, 5, 2, 20, 100, 15},
                                       {8, 30, 20, 4, 6, 5, 30, 3},     // at the limit
                                       {6, 25, 25, 0, 0, 2, 10, 1},     // below it
                                       {14, 8, 0, 8, 0, 40, 200, 35}};  // all cut
  for (int i = 0; i < 4; ++i) {
    d_PTLRec& t = trees[i] = Tree(rows[i][0], 60, rows[i][1]);
    std::tie(t.TPAadj, t.Harv, t.Slash, t.VolCuFt, t.VolBdFt, t.VolMeCuFt) =
        std::tuple(rows[i][2], rows[i][3], rows[i][4], rows[i][5], rows[i][6], rows[i][7]);
  }
  const d_StandVolumes v = SM_Volumes(trees, 8.0f);
  EXPECT_FLOAT_EQ(v.StCuFt, 350.0f);    // 20*10 + 5*20 + 2*25, every size
  EXPECT_FLOAT_EQ(v.StBdft, 1600.0f);   // 100*10 + 30*20, not the 6 in trees
  EXPECT_FLOAT_EQ(v.StMeCuft, 210.0f);  // 15*10 + 3*20
  EXPECT_FLOAT_EQ(v.HaCuFt, 510.0f);    // 20*(5+2) + 5*(4+6) + 40*8
  EXPECT_FLOAT_EQ(v.HaBdft, 2220.0f);   // 100*5 + 30*4 + 200*8, slash not taken
  EXPECT_FLOAT_EQ(v.HaMeCuft, 367.0f);  // 15*5 + 3*4 + 35*8
  // Thinned 7, 10, 0, 8: pi (36*7 + 16*10 + 49*8) / 144 = pi*804 / 144
  EXPECT_NEAR(v.HaBasal, 17.540544f, 1e-4f);
}

}  // namespace

}  // namespace sylvanor
