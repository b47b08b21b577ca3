#include "treat/RetentionPriority.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "stand/TreeList.h"

namespace sylvanor {

namespace {

constexpr float kTol = 1e-6f;

d_RetPriSet FromWeights(const std::array<float, kRetPriWeights>& w, float maxDia) {
  d_RetPriSet s;
  float* fields[] = {&s.Hea, &s.UHe, &s.Sic, &s.Dea, &s.Dom, &s.CoD, &s.Int,
                     &s.Emr, &s.Sup, &s.OpG, &s.Non, &s.CRs, &s.CRm, &s.Dia};
  for (std::size_t i = 0; i < kRetPriWeights; ++i)
    *fields[i] = w[i];
  s.MaxDia = maxDia;
  return s;
}

d_RetPriSet DefaultSet(std::string_view name, float maxDia) {
  for (const d_RetPriDefault& d : kDefaultRetPriSets) {
    if (d.Name == name) return FromWeights(d.Weights, maxDia);
  }
  ADD_FAILURE() << "no default set " << name;
  return d_RetPriSet{};
}

struct Row {
  const char* name;
  float minDia, maxDia, pri;
};

RetPriSpeList Species(std::initializer_list<Row> rows) {
  RetPriSpeList list;
  RPC_Init_SpeLis(list);
  for (const Row& r : rows)
    RPC_SetSpe(list, r.name, r.minDia, r.maxDia, r.pri);
  return list;
}

const RetPriSpeList kNoSpecies = Species({});  // species factor 0.5 for every tree

TEST(RetentionPrioritySpecies, ExactCodeInRangeElseLastOtherElseHalf) {
  EXPECT_FLOAT_EQ(RPC_Species_GetPri(kNoSpecies, "PIPO", 10), 0.5f);

  const RetPriSpeList noOther = Species({{"PIPO", 0, 20, 0.8f}});
  EXPECT_FLOAT_EQ(RPC_Species_GetPri(noOther, "PIPO", 0), 0.8f);   // min is inside
  EXPECT_FLOAT_EQ(RPC_Species_GetPri(noOther, "PIPO", 20), 0.5f);  // max is outside
  EXPECT_FLOAT_EQ(RPC_Species_GetPri(noOther, "pipo", 10), 0.5f);  // case counts
  EXPECT_FLOAT_EQ(RPC_Species_GetPri(noOther, "PSME", 10), 0.5f);

  const RetPriSpeList withOther = Species({{"_Other", 0, 10, 0.3f},
                                           {"_Other", 5, 50, 0.6f},
                                           {"PIPO", 10, 30, 0.9f},
                                           {"PIPO", 0, 10, 0.2f},
                                           {"PIPO", 0, 10, 0.7f}});
  EXPECT_FLOAT_EQ(RPC_Species_GetPri(withOther, "PSME", 3), 0.3f);
  EXPECT_FLOAT_EQ(RPC_Species_GetPri(withOther, "PSME", 7), 0.6f);  // the later one replaces
  EXPECT_FLOAT_EQ(RPC_Species_GetPri(withOther, "PSME", 60), 0.5f);
  EXPECT_FLOAT_EQ(RPC_Species_GetPri(withOther, "PIPO", 12), 0.9f);
  EXPECT_FLOAT_EQ(RPC_Species_GetPri(withOther, "PIPO", 7), 0.2f);  // first match wins
  EXPECT_FLOAT_EQ(RPC_Species_GetPri(withOther, "PIPO", 40), 0.6f);
}

TEST(RetentionPrioritySpecies, WalkEndsAtFirstEmptyName) {
  RetPriSpeList list = Species({{"PIPO", 0, 50, 0.8f}});
  list[2].Name = "PSME";
  list[2].MaxDia = 50;
  list[2].Pri = 0.1f;
  EXPECT_FLOAT_EQ(RPC_Species_GetPri(list, "PSME", 10), 0.5f);
}

TEST(RetentionPriorityTree, DefaultSetsForLiveAndDeadTrees) {
  // Low, "U" and "C", crown ratio 0.4, DBH 10 of 20, species 0.5:
  // r = 0.5 / 0.5 * (0.4 - 0.6) + 1 = 0.8, d = 10 / 20 * 0.2 + 0.8 = 0.9,
  // 0.7 * 0.5 * 0.9 * 0.8 * 0.9 = 0.2268; dead trees weigh 0 in Low.
  d_RetPriSet low = DefaultSet("Low", 20);
  EXPECT_NEAR(RPC_Get_RetPri(low, kNoSpecies, "PIPO", "C", 0.4f, "U", 10), 0.2268f, kTol);
  EXPECT_EQ(RPC_Get_RetPri(low, kNoSpecies, "PIPO", "C", 0.4f, "D", 10), 0.0f);

  // Diam, DBH 10 of 20: d = 0.5 * 0.9 + 0.1 = 0.55. A dead tree leaves out
  // crown class ("SC" 0) and crown ratio (0): 1 * 0.5 * 0.55 = 0.275.
  d_RetPriSet diam = DefaultSet("Diam", 20);
  EXPECT_NEAR(RPC_Get_RetPri(diam, kNoSpecies, "PIPO", "SC", 0, "d", 10), 0.275f, kTol);
  EXPECT_EQ(RPC_Get_RetPri(diam, kNoSpecies, "PIPO", "SC", 0.5f, "H", 10), 0.0f);

  // High, "E" at crown ratio CRm = 0.6 (r = 1), d = 0.5 * 0.4 + 0.6 = 0.8:
  // 1 * 0.5 * 0.1 * 1 * 0.8 = 0.04.
  d_RetPriSet high = DefaultSet("High", 20);
  EXPECT_NEAR(RPC_Get_RetPri(high, kNoSpecies, "PIPO", "E", 0.6f, "H", 10), 0.04f, kTol);

  // None leaves just the species factor.
  d_RetPriSet none = DefaultSet("None", 20);
  const RetPriSpeList pipo = Species({{"PIPO", 0, 100, 0.7f}});
  EXPECT_NEAR(RPC_Get_RetPri(none, pipo, "PIPO", "O", 0.3f, "S", 7), 0.7f, kTol);
  EXPECT_NEAR(RPC_Get_RetPri(none, pipo, "PIPO", "O", 0.3f, "D", 7), 0.7f, kTol);
}

TEST(RetentionPriorityTree, StatusAndCrownClassWeights) {
  // Factors r = d = s = 1, so the priority is w * c (w alone when dead).
  d_RetPriSet set = FromWeights(
      {0.9f, 0.8f, 0.7f, 0.6f, 0.15f, 0.25f, 0.35f, 0.45f, 0.55f, 0.65f, 0.75f, 1, 1, 1}, 20);
  const RetPriSpeList one = Species({{"PIPO", 0, 100, 1}});
  auto pri = [&](const char* cls, const char* status) {
    return RPC_Get_RetPri(set, one, "PIPO", cls, 0.5f, status, 10);
  };
  EXPECT_NEAR(pri("D", "h"), 0.135f, kTol);  // 0.9 * 0.15
  EXPECT_NEAR(pri("D", "U"), 0.12f, kTol);   // 0.8 * 0.15
  EXPECT_NEAR(pri("D", "s"), 0.105f, kTol);  // 0.7 * 0.15
  EXPECT_NEAR(pri("D", "X"), 0.09f, kTol);   // Dea, but still a live tree: 0.6 * 0.15
  EXPECT_NEAR(pri("D", "D"), 0.6f, kTol);
  EXPECT_NEAR(pri("c", "H"), 0.225f, kTol);
  EXPECT_NEAR(pri("I", "H"), 0.315f, kTol);
  EXPECT_NEAR(pri("e", "H"), 0.405f, kTol);
  EXPECT_NEAR(pri("S", "H"), 0.495f, kTol);
  EXPECT_NEAR(pri("o", "H"), 0.585f, kTol);
  EXPECT_NEAR(pri("N", "H"), 0.675f, kTol);
  EXPECT_EQ(pri("SC", "H"), 0.0f);
  EXPECT_EQ(pri("X", "H"), 0.0f);
}

TEST(RetentionPriorityTree, SpeciesFactor99IsNeverThinned) {
  d_RetPriSet low = DefaultSet("Low", 0);
  low.CRs = 0.05f;
  const RetPriSpeList keep = Species({{"PIPO", 0, 100, 99}});
  EXPECT_EQ(RPC_Get_RetPri(low, keep, "PIPO", "SC", 0.5f, "H", 10), 99.0f);
  EXPECT_EQ(RPC_Get_RetPri(low, keep, "PIPO", "SC", 0, "D", 10), 99.0f);
  EXPECT_EQ(low.CRs, 0.05f);  // left before the crown ratio factor
}

TEST(RetentionPriorityTree, CrownRatioFactor) {
  // Low, "H" and "D" at the largest DBH (d = 1): priority 0.5 * r.
  d_RetPriSet low = DefaultSet("Low", 20);
  auto lowPri = [&](float cr) { return RPC_Get_RetPri(low, kNoSpecies, "PIPO", "D", cr, "H", 20); };
  EXPECT_EQ(lowPri(0), 0.0f);             // no crown
  EXPECT_NEAR(lowPri(0.8f), 0.5f, kTol);  // 0.8 + 0.4 = 1.2, held at 1

  // CRs 0.05 becomes 0.1 once a factor is worked out, not for a crown ratio of 0:
  // r = 0.9 / 0.5 * (0.4 - 0.6) + 1 = 0.64, priority 0.32.
  low.CRs = 0.05f;
  EXPECT_EQ(lowPri(0), 0.0f);
  EXPECT_EQ(low.CRs, 0.05f);
  EXPECT_NEAR(lowPri(0.4f), 0.32f, kTol);
  EXPECT_EQ(low.CRs, 0.1f);

  // None with only CRs and CRm changed: priority 0.5 * r.
  d_RetPriSet set = DefaultSet("None", 20);
  auto pri = [&](float crs, float crm, float cr) {
    set.CRs = crs;
    set.CRm = crm;
    return RPC_Get_RetPri(set, kNoSpecies, "PIPO", "D", cr, "H", 20);
  };
  EXPECT_NEAR(pri(1, 1, 0.05f), 0.5f, kTol);
  EXPECT_NEAR(pri(1, 0, 0.05f), 0.5f, kTol);
  EXPECT_NEAR(pri(0, 0, 0.5f), 0.5f, kTol);           // the line would give -10 * 0.5 + 1 = -4
  EXPECT_NEAR(pri(0, 1, 0.55f), 0.25f, kTol);         // 1 / 0.9 * (0.55 - 1) + 1 = 0.5
  EXPECT_NEAR(pri(0.5f, 0.6f, 0.05f), 0.225f, kTol);  // 0.05 - 0.6 + 1 = 0.45
  // a steep line would go below 0 for a short crown: 10 * (0.05 - 0.2) + 1 = -0.5
  // is held at 0, so no priority falls below the trees cut first
  EXPECT_EQ(pri(0, 0.2f, 0.05f), 0.0f);

  // CRm 0.05 is raised to 0.1: 1 from there on, CRs below.
  EXPECT_NEAR(pri(0.5f, 0.05f, 0.3f), 0.5f, kTol);
  EXPECT_EQ(set.CRm, 0.1f);
  EXPECT_NEAR(pri(0.5f, 0.05f, 0.05f), 0.25f, kTol);
}

TEST(RetentionPriorityTree, DiameterFactor) {
  // Low, "H" and "D" at crown ratio 0.6 (r = 1): priority 0.5 * d.
  d_RetPriSet low = DefaultSet("Low", 20);
  EXPECT_NEAR(RPC_Get_RetPri(low, kNoSpecies, "PIPO", "D", 0.6f, "H", 0), 0.4f, kTol);
  // DBH 30 is taken as 20: d = 1, where 30 / 20 * 0.2 + 0.8 = 1.1 would give 0.
  EXPECT_NEAR(RPC_Get_RetPri(low, kNoSpecies, "PIPO", "D", 0.6f, "H", 30), 0.5f, kTol);

  d_RetPriSet noLive = DefaultSet("Diam", 0);
  EXPECT_EQ(RPC_Get_RetPri(noLive, kNoSpecies, "PIPO", "D", 0.6f, "H", 10), 0.0f);
  EXPECT_EQ(RPC_Get_RetPri(noLive, kNoSpecies, "PIPO", "D", 0.6f, "D", 10), 0.0f);

  // Outside 0 ... 1 gives 0: Dia 1.5 at DBH 0; Dia -0.5 at DBH 2 is 0.1 * 1.5 - 0.5.
  d_RetPriSet set = DefaultSet("None", 20);
  set.Dia = 1.5f;
  EXPECT_EQ(RPC_Get_RetPri(set, kNoSpecies, "PIPO", "D", 0.6f, "H", 0), 0.0f);
  EXPECT_NEAR(RPC_Get_RetPri(set, kNoSpecies, "PIPO", "D", 0.6f, "H", 20), 0.5f, kTol);
  set.Dia = -0.5f;
  EXPECT_EQ(RPC_Get_RetPri(set, kNoSpecies, "PIPO", "D", 0.6f, "H", 2), 0.0f);
  EXPECT_NEAR(RPC_Get_RetPri(set, kNoSpecies, "PIPO", "D", 0.6f, "H", 10), 0.125f, kTol);

  // d = 1 at the largest DBH is kept for any Dia.
  for (float dia : {0.05f, 0.1f, 0.3f, 0.35f, 0.7f, 0.8f}) {
    set.Dia = dia;
    EXPECT_NEAR(RPC_Get_RetPri(set, kNoSpecies, "PIPO", "D", 0.6f, "H", 20), 0.5f, kTol) << dia;
  }
}

class RetentionPriorityPlot : public ::testing::Test {
 protected:
  void SetUp() override { PTL_InitTbl(); }
  void TearDown() override { PTL_InitTbl(); }

  d_PTLRec& Tree(int slot, const char* species, float dia, float hgt, float crnHgt,
                 const char* status, const char* cls) {
    d_PTLRec& r = s_PTL()[slot];
    r.Species = species;
    r.Dia = dia;
    r.Hgt = hgt;
    r.CrnHgt = crnHgt;
    r.Status = status;
    r.CrnCls = cls;
    r.RetPri = 5;
    return r;
  }
};

TEST_F(RetentionPriorityPlot, ReplacesEveryPriorityFromTheLiveDiameters) {
  Tree(0, "PIPO", 8, 40, 16, "H", "D");
  Tree(1, "PIPO", 16, 80, 40, "U", "C");
  Tree(2, "PSME", 30, 60, 30, "D", "I");  // dead: neither largest
  Tree(3, "PSME", 4, 60, 30, "d", "I");   // nor smallest
  Tree(5, "PIPO", 50, 60, 30, "H", "D");  // beyond the end of the list
  d_RetPriSet diam = DefaultSet("Diam", -1);
  const RetPriSpeList list = Species({{"PSME", 0, 100, 0.8f}});

  EXPECT_EQ(PLT_RetPriCalc(diam, list), 1);
  EXPECT_EQ(diam.MinDia, 8.0f);
  EXPECT_EQ(diam.MaxDia, 16.0f);
  // Diam: r = 0.5 / 0.9 * (cr - 1) + 1, d = DBH / 16 * 0.9 + 0.1.
  // 0: cr 0.6, r = 7/9, d = 0.55: 1 * 0.5 * 7/9 * 0.55 = 0.213889
  // 1: cr 0.5, r = 13/18, d = 1: 0.1 * 0.5 * 13/18 = 0.036111
  // 2: dead, d = 1 (30 taken as 16): 1 * 0.8 = 0.8
  // 3: dead, d = 0.25 * 0.9 + 0.1 = 0.325: 0.8 * 0.325 = 0.26
  EXPECT_NEAR(s_PTL()[0].RetPri, 0.213889f, kTol);
  EXPECT_NEAR(s_PTL()[1].RetPri, 0.036111f, kTol);
  EXPECT_NEAR(s_PTL()[2].RetPri, 0.8f, kTol);
  EXPECT_NEAR(s_PTL()[3].RetPri, 0.26f, kTol);
  EXPECT_EQ(s_PTL()[5].RetPri, 5.0f);
}

TEST_F(RetentionPriorityPlot, NoLiveTreeLeavesNoDiameterFactor) {
  Tree(0, "PIPO", 8, 40, 16, "D", "D");
  Tree(1, "PIPO", 12, 40, 16, "D", "D");
  d_RetPriSet diam = DefaultSet("Diam", 20);
  EXPECT_EQ(PLT_RetPriCalc(diam, kNoSpecies), 1);
  EXPECT_EQ(diam.MinDia, 9999.0f);
  EXPECT_EQ(diam.MaxDia, 0.0f);
  EXPECT_EQ(s_PTL()[0].RetPri, 0.0f);
  EXPECT_EQ(s_PTL()[1].RetPri, 0.0f);
}

}  // namespace

}  // namespace sylvanor
