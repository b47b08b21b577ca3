#include "stand/TreeListVolumes.h"

#include <gtest/gtest.h>

#include "stand/EquationTable.h"
#include "stand/TreeList.h"
#include "stand/TreeVolume.h"

namespace sylvanor {

namespace {

d_ET Species(const std::string& code, const std::string& bole) {
  d_ET et;
  et.Species = code;
  et.Bole = bole;
  return et;
}

d_PTLRec Tree(const std::string& species, float dia, float hgt) {
  d_PTLRec t;
  t.Species = species;
  t.Dia = dia;
  t.Hgt = hgt;
  t.VolCuFt = t.VolBdFt = t.VolMeCuFt = 99.0f;  // left over from an earlier plot
  return t;
}

class TreeListVolumesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s_ET().Rows = {Species("PSME", "I00FW2W202"), Species("BAD", "I00FW2W555")};
    PTL_InitTbl();
  }
  void TearDown() override {
    s_ET().Rows.clear();
    PTL_InitTbl();
  }
  static d_TreeVol Expected(const std::string& eq, float dia, float top, float hgt) {
    d_TreeVol v;
    std::string message;
    EXPECT_EQ(TreeVolume(eq, dia, top, hgt, v, message), 1) << message;
    return v;
  }
  std::string message_;
};

TEST_F(TreeListVolumesTest, EveryTreeOfFiveFeetOrMoreGetsItsSpeciesVolumes) {
  s_PTL()[0] = Tree("psme", 10, 40);
  s_PTL()[1] = Tree("PSME", 3, 4.9f);
  s_PTL()[2] = Tree("PSME", 0.5f, 5);
  ASSERT_EQ(PTL_Volumes(2.0f, message_), 1) << message_;
  const d_TreeVol big = Expected("I00FW2W202", 10, 2, 40);
  EXPECT_EQ(s_PTL()[0].VolCuFt, big.CuFt);
  EXPECT_EQ(s_PTL()[0].VolBdFt, big.BdFt);
  EXPECT_EQ(s_PTL()[0].VolMeCuFt, big.MeCuFt);
  // under 5 ft: no volume
  EXPECT_EQ(s_PTL()[1].VolCuFt, 0.0f);
  EXPECT_EQ(s_PTL()[1].VolBdFt, 0.0f);
  EXPECT_EQ(s_PTL()[1].VolMeCuFt, 0.0f);
  EXPECT_GT(s_PTL()[2].VolCuFt, 0.0f);
}

TEST_F(TreeListVolumesTest, NoLogTopDiameterMeansATenthOfAnInch) {
  s_PTL()[0] = Tree("PSME", 10, 40);
  ASSERT_EQ(PTL_Volumes(0.0f, message_), 1);
  EXPECT_EQ(s_PTL()[0].VolMeCuFt, Expected("I00FW2W202", 10, 0.1f, 40).MeCuFt);
  ASSERT_EQ(PTL_Volumes(-3.0f, message_), 1);
  EXPECT_EQ(s_PTL()[0].VolMeCuFt, Expected("I00FW2W202", 10, 0.1f, 40).MeCuFt);
}

TEST_F(TreeListVolumesTest, FirstFailingTreeStopsTheStep) {
  s_PTL()[0] = Tree("PSME", 10, 40);
  s_PTL()[1] = Tree("BAD", 12, 50);
  s_PTL()[2] = Tree("PSME", 10, 40);
  EXPECT_EQ(PTL_Volumes(2.0f, message_), 0);
  EXPECT_EQ(message_,
            "Error Number 6 - Volume Library\n"
            " Eq Id: I00FW2W555, DBH: 12.00, TopDBH: 2.00, Height: 50.00\n"
            " No species match");
  EXPECT_GT(s_PTL()[0].VolCuFt, 0.0f);
  EXPECT_EQ(s_PTL()[1].VolCuFt, 0.0f);
  EXPECT_EQ(s_PTL()[2].VolCuFt, 99.0f);  // not reached
}

}  // namespace

}  // namespace sylvanor
