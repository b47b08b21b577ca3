#include "stand/CrownFuel.h"

#include <gtest/gtest.h>

#include "stand/EquationTable.h"
#include "stand/SpeciesTable.h"
#include "stand/TreeList.h"

namespace sylvanor {

namespace {

class CrownFuelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ET_Load("");  // the built-in species
    ET_LinkEq();
    PTL_InitTbl();
  }
  void TearDown() override {
    s_ET().Rows.clear();
    PTL_InitTbl();
  }
  static void Put(int slot, const std::string& species, float dia, float hgt,
                  const std::string& crnCls, const std::string& status = "H") {
    d_PTLRec& t = s_PTL()[slot];
    t.Species = species;
    t.Dia = dia;
    t.Hgt = hgt;
    t.CrnHgt = hgt / 2;
    t.CrnCls = crnCls;
    t.Status = status;
  }
  std::string message_;
};

TEST_F(CrownFuelTest, WeightsAreScaledByTheCrownClassFactor) {
  Put(0, "PIPO", 10, 50, "S");
  Put(1, "PIPO", 10, 50, "D");
  ASSERT_EQ(PTL_CrownFuel(message_), 1) << message_;
  // "PP" total e^(0.268 + 2.074 ln 10) = 155.0211 lb; foliage share
  // 0.558 e^-0.475 = 0.347012; the "PP" reduction code keeps 15 % of a
  // suppressed tree and 55 % of a dominant one
  EXPECT_NEAR(s_PTL()[0].Bio[kTotal], 23.2532f, 1e-3f);
  EXPECT_NEAR(s_PTL()[0].Bio[kFoliage], 155.0211f * 0.347012f * 0.15f, 1e-3f);
  EXPECT_NEAR(s_PTL()[1].Bio[kTotal], 155.0211f * 0.55f, 1e-3f);
  for (int slot = 0; slot < 6; ++slot) {
    EXPECT_NEAR(s_PTL()[0].Bio[slot] / 0.15f, s_PTL()[1].Bio[slot] / 0.55f, 1e-3f) << slot;
  }
}

TEST_F(CrownFuelTest, DeadTreesKeepNoFoliageOrTwigs) {
  Put(0, "PIPO", 10, 50, "D", "d");
  ASSERT_EQ(PTL_CrownFuel(message_), 1);
  // foliage and twigs together are 0.625 e^-0.511 = 0.374935 of the crown:
  // 155.0211 * (1 - 0.374935) * 0.55
  EXPECT_NEAR(s_PTL()[0].Bio[kTotal], 53.2941f, 1e-3f);
  EXPECT_EQ(s_PTL()[0].Bio[kFoliage], 0.0f);
  EXPECT_EQ(s_PTL()[0].Bio[kTwig], 0.0f);
  EXPECT_GT(s_PTL()[0].Bio[kBr1in], 0.0f);
}

TEST_F(CrownFuelTest, SmallTreesTakeTheirHeightClass) {
  // 0.8 in and 9.5 ft: class 10 of the "DF" row, 12.3 lb; "DF" reduction of a
  // codominant tree 1.15
  Put(0, "PSME", 0.8f, 9.5f, "C");
  ASSERT_EQ(PTL_CrownFuel(message_), 1);
  EXPECT_NEAR(s_PTL()[0].Bio[kTotal], 12.3f * 1.15f, 1e-4f);
  EXPECT_NEAR(s_PTL()[0].Bio[kBr3inP], 1.599f * 1.15f, 1e-4f);
}

TEST_F(CrownFuelTest, UnknownSpeciesStopsTheStep) {
  Put(0, "PIPO", 10, 50, "D");
  Put(1, "XXXX", 10, 50, "D");
  Put(2, "PIPO", 10, 50, "D");
  EXPECT_EQ(PTL_CrownFuel(message_), 0);
  EXPECT_EQ(message_, "Species (XXXX) Not Found in Equation Table");
  EXPECT_GT(s_PTL()[0].Bio[kTotal], 0.0f);
  EXPECT_EQ(s_PTL()[2].Bio[kTotal], 0.0f);
}

}  // namespace

}  // namespace sylvanor
