#include "stand/EquationParams.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "stand/EqFun.h"
#include "stand/EquationTable.h"

namespace sylvanor {

namespace {

// A species whose crown (Total, Foliage, Twig), branch and "VD" entries name
// the given codes, each linked to its built-in equation when there is one.
d_ET MakeSpecies(const char* name, const char* crown, const char* branches, const char* vd) {
  d_ET et;
  et.Species = name;
  for (std::size_t i = 0; i < kComponentSlots; ++i) {
    d_ETCom& c = et.Components[i];
    c.Code = i < 3 ? crown : (i < 6 ? branches : vd);
    c.EqIdx = EQ_Find(c.Code, c.Component);
    if (c.EqIdx >= 0) c.Kind = "EFD";
  }
  return et;
}

d_EP Tree(const char* species, float dbh, float height, float crownBase = 0.0f) {
  d_EP ep;
  ep.Species = species;
  ep.DBH = dbh;
  ep.Height = height;
  ep.CrownBase = crownBase;
  return ep;
}

class EquationParams : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = std::move(s_ET().Rows);
    s_ET().Rows.clear();
    s_ET().Rows.push_back(MakeSpecies("PIPO", "PP", "PP", "PP"));
    s_ET().Rows.push_back(MakeSpecies("ABBA", "BF", "GF", "DF"));
    s_ET().Rows.push_back(MakeSpecies("TSHE", "WH", "WH", "PS"));
    s_ET().Rows.push_back(MakeSpecies("BEPA", "PB", "ZZ", "QQ"));  // no branch or VD equations
  }
  void TearDown() override { s_ET().Rows = std::move(saved_); }

 private:
  std::vector<d_ET> saved_;
};

TEST_F(EquationParams, PonderosaPineOfTenInches) {
  d_EP ep = Tree("pipo", 10.0f, 60.0f, 20.0f);
  ep.Message = "left over";
  ASSERT_EQ(EP_Calc(ep), 1);
  EXPECT_TRUE(ep.Message.empty());
  EXPECT_EQ(ep.SpeIdx, 0);
  // Total e^(0.268 + 2.074 ln 10) = 155.02; Br-3inP 155.02 x (1 - (1.083 - 0.131)) = 7.441
  EXPECT_NEAR(EP_GetWt(ep, kTotal), 155.02, 0.02);
  EXPECT_NEAR(EP_GetWt(ep, kBr3inP), 7.441, 0.005);
  for (std::size_t i = 0; i < kWeightSlots; ++i) {
    EXPECT_EQ(ep.Comps[i].Code, "PP");
    EXPECT_EQ(ep.Comps[i].Component, kComponentNames[i]);
    EXPECT_EQ(ep.Comps[i].Kind, "EFD");
    EXPECT_EQ(ep.Comps[i].EqIdx, EQ_Find("PP", kComponentNames[i]));
  }
  // only the six weights are read
  EXPECT_EQ(EP_GetWt(ep, kVertDist), 0.0f);
  EXPECT_EQ(EP_GetWt(ep, -1), 0.0f);
}

TEST_F(EquationParams, EasternCrownWithWesternBranches) {
  d_EP ep = Tree("ABBA", 10.0f, 50.0f, 10.0f);
  ASSERT_EQ(EP_Calc(ep), 1);
  EXPECT_EQ(ep.SpeIdx, 1);
  // "BF": T = e^(-2.0259 + 1.7433 ln 25.4) kg = 81.7605 lb
  EXPECT_NEAR(EP_GetWt(ep, kTotal), 81.7605, 0.01);
  // "GF" Br-1in on its own total: e^(1.3094 + 1.6076 ln 10) = 150.060,
  // 1in 1.027 - 0.15 = 0.877, Twg 1 / (1.15 + 0.416) = 0.638570 -> 35.779
  EXPECT_NEAR(EP_GetWt(ep, kBr1in), 35.779, 0.01);
  EXPECT_EQ(ep.Comps[kBr1in].Code, "GF");
}

TEST_F(EquationParams, UnlinkedEntriesWeighNothing) {
  d_EP ep = Tree("BEPA", 10.0f, 50.0f, 10.0f);
  ASSERT_EQ(EP_Calc(ep), 1);
  EXPECT_GT(EP_GetWt(ep, kTwig), 0.0f);
  for (int slot = kBr1in; slot <= kBr3inP; ++slot) {
    EXPECT_EQ(EP_GetWt(ep, slot), 0.0f);
    EXPECT_EQ(ep.Comps[static_cast<std::size_t>(slot)].Code, "ZZ");
  }
}

TEST_F(EquationParams, SmallTreesTakeTheTableByTheirTotalCode) {
  // 1.0 in and 9.5 ft: height class 10 of the "WH" row
  d_EP ep = Tree("TSHE", 1.0f, 9.5f);
  ASSERT_EQ(EP_Calc(ep), 1);
  const float wh10[] = {4.24f, 1.145f, 0.466f, 0.806f, 1.272f, 0.551f};
  for (int slot = kTotal; slot <= kBr3inP; ++slot)
    EXPECT_EQ(EP_GetWt(ep, slot), wh10[slot]);
  EXPECT_EQ(ep.Comps[kFoliage].Code, "WH");
  EXPECT_EQ(ep.Comps[kFoliage].Kind, "EFD");

  // "PB" has no row of its own: "DF" class 2 (1.5 ft)
  ep = Tree("BEPA", 0.5f, 1.5f);
  ASSERT_EQ(EP_Calc(ep), 1);
  EXPECT_EQ(EP_GetWt(ep, kTotal), 0.2f);
  EXPECT_EQ(EP_GetWt(ep, kBr3in), 0.012f);
  EXPECT_EQ(ep.Comps[kBr3in].Code, "ZZ");
}

TEST_F(EquationParams, UnknownSpeciesFails) {
  d_EP ep = Tree("XYZ", 10.0f, 50.0f);
  EXPECT_EQ(EP_Calc(ep), 0);
  EXPECT_EQ(ep.Message, "Species (XYZ) Not Found in Equation Table");
  // small trees need their species too
  ep = Tree("QUGA", 0.8f, 5.0f);
  EXPECT_EQ(EP_Calc(ep), 0);
  EXPECT_EQ(ep.Message, "Species (QUGA) Not Found in Equation Table");
}

TEST_F(EquationParams, VerticalDistributionOfASpecies) {
  // "PP" at 0.5: 2.3637 x 0.25 - 1.3637 x 0.125 = 0.420463
  EXPECT_NEAR(EP_VertDist("pipo", 0.5f), 0.420463, 1e-6);
  EXPECT_EQ(EP_VertDist("TSHE", 0.99f), 1.0f);  // "PS", limited to 1
  EXPECT_EQ(EP_VertDist("PIPO", 0.0f), 0.0f);
  EXPECT_EQ(EP_VertDist("PIPO", -0.2f), 0.0f);
  EXPECT_EQ(EP_VertDist("XYZ", 0.5f), 0.0f);
  EXPECT_EQ(EP_VertDist("BEPA", 0.5f), 0.0f);  // its "VD" entry is not linked
}

}  // namespace

}  // namespace sylvanor
