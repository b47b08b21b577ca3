#include "stand/StandMeasures.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "stand/EquationTable.h"
#include "stand/TreeList.h"

namespace sylvanor {

namespace {

constexpr float kPi = 3.14159f;

d_ET Species(const std::string& code, const std::string& canopy) {
  d_ET et;
  et.Species = code;
  et.Canopy = canopy;
  return et;
}

// A live tree with its basal area filled as at the start of an execution.
d_PTLRec Tree(float dia, float hgt, float tpa, const std::string& status = "H") {
  d_PTLRec t;
  t.Species = "PIPO";
  t.Dia = dia;
  t.Hgt = hgt;
  t.Status = status;
  t.TPA = tpa;
  t.TPAadj = tpa;
  t.BasAre = kPi * (dia / 2) * (dia / 2);
  return t;
}

class StandMeasuresTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedRows_ = std::move(s_ET().Rows);
    // Canopy code 16: crown width 4.4215 DBH^0.5329 above 4.5 ft.
    s_ET().Rows = {Species("PIPO", "16"), Species("NOEQ", "38")};
    PTL_InitTbl();
  }
  void TearDown() override {
    PTL_InitTbl();
    s_ET().Rows = std::move(savedRows_);
  }
  // 10 trees of 20 in, 30 of 10 in and 100 of 4 in.
  static void ThreeTreeStand() {
    s_PTL()[0] = Tree(4, 20, 100);
    s_PTL()[1] = Tree(20, 80, 10);
    s_PTL()[2] = Tree(10, 50, 30);
  }

 private:
  std::vector<d_ET> savedRows_;
};

TEST_F(StandMeasuresTest, ThreeTreeStandWorkedByHand) {
  ThreeTreeStand();
  // Beyond the first empty slot: not part of the list.
  s_PTL()[4] = Tree(30, 100, 500);

  const d_StandMeasures m = SM_Calc("TPA", 10.0f);
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
}

TEST_F(StandMeasuresTest, NothingToMeasureGivesZeros) {
  const d_StandMeasures m = SM_Calc("TPA", 0.0f);
  EXPECT_EQ(m.SteDen, 0.0f);
  EXPECT_EQ(m.Basal, 0.0f);
  EXPECT_EQ(m.QuaMeaDia, 0.0f);  // not 0/0
  EXPECT_EQ(m.Qd75, 0.0f);
  EXPECT_EQ(m.CanCov, 0.0f);
  // Trees on the list but none under the code: no basal area for Qd75.
  s_PTL()[0] = Tree(10, 50, 0);
  EXPECT_EQ(SM_Qd75("TPA"), 0.0f);
}

TEST_F(StandMeasuresTest, DeadTreesCountInDensityButNotInBasalAreaOrCover) {
  ThreeTreeStand();
  s_PTL()[3] = Tree(12, 60, 20, "D");

  const d_StandMeasures m = SM_Calc("TPA", 0.0f);
  EXPECT_FLOAT_EQ(m.SteDen, 160.0f);
  // 83.39726 + 20 * 1.2^1.605 = 83.39726 + 26.79883
  EXPECT_NEAR(m.StdDenIdx, 110.19609f, 1e-3f);
  // sqrt((8600 + 144*20) / 160) = sqrt(71.75)
  EXPECT_NEAR(m.QuaMeaDia, 8.470537f, 1e-5f);
  // T = pi*2870, 75 % = pi*2152.5: 1000 + 20*36 = 1720, then 18 trees of
  // 10 in reach 2170. sqrt((4000 + 2880 + 1800) / 48)
  EXPECT_NEAR(m.Qd75, 13.447429f, 1e-5f);
  // Live trees only: the same as the stand without the dead ones.
  EXPECT_NEAR(m.Basal, 46.90568f, 1e-4f);
  EXPECT_NEAR(m.CanCov, 30.46655f, 1e-3f);
}

TEST_F(StandMeasuresTest, SpeciesWithoutCrownEquationAddsNoCover) {
  s_PTL()[0] = Tree(10, 50, 25);
  s_PTL()[1] = Tree(10, 50, 1000);
  s_PTL()[1].Species = "NOEQ";  // canopy code 38 has no crown width equation
  // 25 * 178.6606 = 4466.515 ft2; 100 (1 - e^(-4466.515/43560))
  EXPECT_NEAR(SM_Calc("TPA", 0.0f).CanCov, 9.745531f, 1e-3f);
}

TEST_F(StandMeasuresTest, DensityCodeReachesEveryMeasure) {
  s_PTL()[0] = Tree(10, 50, 50);
  s_PTL()[0].TPAadj = 30;
  s_PTL()[0].Killed = 5;  // PostMort 25, Thinned 20
  s_PTL()[1] = Tree(20, 80, 10);
  s_PTL()[1].Killed = 12;  // PostMort below 0 counts as 0, Thinned 0

  const d_StandMeasures post = SM_Calc("PostMort", 0.0f);
  EXPECT_FLOAT_EQ(post.SteDen, 25.0f);
  EXPECT_NEAR(post.Basal, 13.635373f, 1e-4f);  // 25 * 78.53975 / 144
  EXPECT_FLOAT_EQ(post.StdDenIdx, 25.0f);      // 25 * 1^1.605
  EXPECT_FLOAT_EQ(post.QuaMeaDia, 10.0f);
  EXPECT_FLOAT_EQ(post.Qd75, 10.0f);
  EXPECT_NEAR(post.CanCov, 9.745531f, 1e-3f);  // as above: 25 trees of 10 in

  const d_StandMeasures thinned = SM_Calc("Thinned", 0.0f);
  EXPECT_FLOAT_EQ(thinned.SteDen, 20.0f);
  EXPECT_NEAR(thinned.Basal, 10.908299f, 1e-4f);  // 20 * 78.53975 / 144

  EXPECT_FLOAT_EQ(SM_Calc("TPA", 0.0f).SteDen, 60.0f);
}

// Qd75 walks whole trees: a record stands for as many trees as its density
// has started units.
TEST_F(StandMeasuresTest, Qd75FractionalRecordGivesOneWholeTree) {
  s_PTL()[0] = Tree(6, 40, 5);
  s_PTL()[1] = Tree(10, 50, 0.4f);
  // T = pi (25*0.4 + 9*5) = pi*55, 75 % = pi*41.25. The 10 in tree gives
  // pi*25, two 6 in trees pi*43. sqrt((100 + 36 + 36) / 3)
  EXPECT_NEAR(SM_Qd75("TPA"), 7.571878f, 1e-5f);
}

TEST_F(StandMeasuresTest, Qd75RoundsDensityUpAndSkipsEmptyRecords) {
  s_PTL()[0] = Tree(2, 15, 50);
  s_PTL()[1] = Tree(10, 50, 2.3f);
  s_PTL()[2] = Tree(30, 90, 0);  // largest, but no trees
  // T = pi (25*2.3 + 1*50) = pi*107.5, 75 % = pi*80.625. Three 10 in trees
  // give pi*75, six 2 in trees pi*81. sqrt((3*100 + 6*4) / 9) = sqrt(36)
  EXPECT_NEAR(SM_Qd75("TPA"), 6.0f, 1e-5f);
}

TEST_F(StandMeasuresTest, VolumesStandingAndHarvested) {
  struct Row {
    float dia, tpa, tpaAdj, harv, slash, cuFt, bdFt, meCuFt;
  };
  const Row rows[] = {
      {12, 17, 10, 5, 2, 20, 100, 15},
      {8, 30, 20, 4, 6, 5, 30, 3},    // at the submerchantable limit
      {6, 25, 25, 0, 0, 2, 10, 1},    // below it
      {14, 8, 0, 8, 0, 40, 200, 35},  // all cut
  };
  int i = 0;
  for (const Row& r : rows) {
    d_PTLRec& t = s_PTL()[i++];
    t = Tree(r.dia, 60, r.tpa);
    t.TPAadj = r.tpaAdj;
    t.Harv = r.harv;
    t.Slash = r.slash;
    t.VolCuFt = r.cuFt;
    t.VolBdFt = r.bdFt;
    t.VolMeCuFt = r.meCuFt;
  }

  const d_StandVolumes v = SM_Volumes(8.0f);
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
