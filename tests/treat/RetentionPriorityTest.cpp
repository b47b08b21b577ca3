#include "treat/RetentionPriority.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <string_view>
#include <tuple>
#include <utility>

#include "tests/support/StandBuilders.h"

namespace sylvanor {

namespace {

// A default set by name with the largest live DBH of the plot; crs, crm and
// dia replace its crown ratio and diameter weights when given (not -1).
d_RetPriSet Set(std::string_view name, float maxDia, float crs = -1, float crm = -1,
                float dia = -1) {
  d_RetPriSet s;
  for (const d_RetPriDefault& d : kDefaultRetPriSets) {
    if (d.Name != name) continue;
    float* fields[] = {&s.Hea, &s.UHe, &s.Sic, &s.Dea, &s.Dom, &s.CoD, &s.Int,
                       &s.Emr, &s.Sup, &s.OpG, &s.Non, &s.CRs, &s.CRm, &s.Dia};
    for (std::size_t i = 0; i < kRetPriWeights; ++i)
      *fields[i] = d.Weights[i];
  }
  s.MaxDia = maxDia;
  for (auto [field, value] : {std::pair{&s.CRs, crs}, {&s.CRm, crm}, {&s.Dia, dia}})
    *field = value == -1 ? *field : value;
  return s;
}

RetPriSpeList Species(std::initializer_list<std::tuple<const char*, float, float, float>> rows) {
  RetPriSpeList list;
  RPC_Init_SpeLis(list);
  for (const auto& [name, minDia, maxDia, pri] : rows)
    RPC_SetSpe(list, name, minDia, maxDia, pri);
  return list;
}

const RetPriSpeList kNone = Species({});  // species factor 0.5 for every tree

TEST(RetentionPriority, SpeciesFactorExactCodeInRangeElseLastOtherElseHalf) {
  const RetPriSpeList one = Species({{"PIPO", 0, 20, 0.8f}});
  const RetPriSpeList other = Species({{"_Other", 0, 10, 0.3f},
                                       {"_Other", 5, 50, 0.6f},
                                       {"PIPO", 10, 30, 0.9f},
                                       {"PIPO", 0, 10, 0.2f},
                                       {"PIPO", 0, 10, 0.7f}});
  RetPriSpeList gap = one;  // the walk ends at the first empty name
  gap[2] = Species({{"PSME", 0, 50, 0.1f}})[0];
  const std::tuple<const RetPriSpeList*, const char*, float, float> rows[] = {
      {&kNone, "PIPO", 10, 0.5f}, {&one, "PIPO", 0, 0.8f},  // the minimum is inside
      {&one, "PIPO", 20, 0.5f},                             // the maximum outside
      {&one, "pipo", 10, 0.5f},                             // case counts
      {&one, "PSME", 10, 0.5f},   {&other, "PSME", 3, 0.3f},
      {&other, "PSME", 7, 0.6f},  // the later "_Other" replaces
      {&other, "PSME", 60, 0.5f}, {&other, "PIPO", 12, 0.9f},
      {&other, "PIPO", 7, 0.2f},  // the first match wins
      {&other, "PIPO", 40, 0.6f}, {&gap, "PSME", 10, 0.5f}};
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const auto& [list, species, dbh, expected] = rows[i];
    EXPECT_FLOAT_EQ(RPC_Species_GetPri(*list, species, dbh), expected) << "row " << i;
  }
}

// Factors: w status, s species, c crown class, r = (1 - CRs) / (CRm - 0.1) *
// (cr - CRm) + 1 held to 0 ... 1 (0 for no crown), d = DBH / MaxDia * (1 -
// Dia) + Dia (1 above MaxDia; 0 outside 0 ... 1 or without a live tree).
// Live trees get w s c r d, dead ones w s d.
TEST(RetentionPriority, TreePrioritiesWorkedByHand) {
  const RetPriSpeList pipo = Species({{"PIPO", 0, 100, 0.7f}});
  using Row = std::tuple<const char*, d_RetPriSet, const char*, float, const char*, float, float>;
  const Row rows[] = {
      // Low: r = 0.5 / 0.5 * (0.4 - 0.6) + 1 = 0.8, d = 10 / 20 * 0.2 + 0.8 = 0.9
      {"Low", Set("Low", 20), "C", 0.4f, "U", 10, 0.7f * 0.5f * 0.9f * 0.8f * 0.9f},
      {"Low dead", Set("Low", 20), "C", 0.4f, "D", 10, 0},
      // Diam: d = 0.5 * 0.9 + 0.1 = 0.55; a dead tree leaves out "SC" (0)
      {"Diam dead", Set("Diam", 20), "SC", 0, "d", 10, 0.275f},
      {"Diam SC", Set("Diam", 20), "SC", 0.5f, "H", 10, 0},
      // High, "E" at CRm (r = 1), d = 0.5 * 0.4 + 0.6 = 0.8: 0.5 * 0.1 * 0.8
      {"High", Set("High", 20), "E", 0.6f, "H", 10, 0.04f},
      // Low at the largest DBH (d = 1): 0.5 r
      {"no crown", Set("Low", 20), "D", 0, "H", 20, 0},
      {"r held at 1", Set("Low", 20), "D", 0.8f, "H", 20, 0.5f},  // 0.8 + 0.4
      // CRs 0.05 counts as 0.1: r = 0.9 / 0.5 * (0.4 - 0.6) + 1 = 0.64
      {"CRs raised", Set("Low", 20, 0.05f), "D", 0.4f, "H", 20, 0.32f},
      // None with CRs and CRm of its own: 0.5 r
      {"CRs CRm 1", Set("None", 20, 1, 1), "D", 0.05f, "H", 20, 0.5f},
      {"CRm 0", Set("None", 20, 1, 0), "D", 0.05f, "H", 20, 0.5f},
      {"both 0", Set("None", 20, 0, 0), "D", 0.5f, "H", 20, 0.5f},   // not -10 * 0.5 + 1
      {"CRm 1", Set("None", 20, 0, 1), "D", 0.55f, "H", 20, 0.25f},  // 1 / 0.9 * -0.45 + 1
      {"short crown", Set("None", 20, 0.5f, 0.6f), "D", 0.05f, "H", 20, 0.225f},
      // 10 * (0.05 - 0.2) + 1 = -0.5 is held at 0: none below the trees cut first
      {"r held at 0", Set("None", 20, 0, 0.2f), "D", 0.05f, "H", 20, 0},
      // CRm 0.05 counts as 0.1: 1 from there on, CRs below
      {"CRm raised", Set("None", 20, 0.5f, 0.05f), "D", 0.3f, "H", 20, 0.5f},
      {"CRm raised, below", Set("None", 20, 0.5f, 0.05f), "D", 0.05f, "H", 20, 0.25f},
      // Low at crown ratio 0.6 (r = 1): 0.5 d; DBH 30 is taken as 20,
      // where 30 / 20 * 0.2 + 0.8 = 1.1 would give 0
      {"d at 0", Set("Low", 20), "D", 0.6f, "H", 0, 0.4f},
      {"d above MaxDia", Set("Low", 20), "D", 0.6f, "H", 30, 0.5f},
      {"no live tree", Set("Diam", 0), "D", 0.6f, "H", 10, 0},
      {"no live tree, dead", Set("Diam", 0), "D", 0.6f, "D", 10, 0},
      {"Dia 1.5 at 0", Set("None", 20, -1, -1, 1.5f), "D", 0.6f, "H", 0, 0},
      {"Dia -0.5 at 2", Set("None", 20, -1, -1, -0.5f), "D", 0.6f, "H", 2, 0},
      {"Dia -0.5 at 10", Set("None", 20, -1, -1, -0.5f), "D", 0.6f, "H", 10, 0.125f},
  };
  for (auto [name, set, cls, cr, status, dbh, expected] : rows)
    EXPECT_NEAR(RPC_Get_RetPri(set, kNone, "PIPO", cls, cr, status, dbh), expected, 1e-6f) << name;
  // d = 1 at the largest DBH whatever the diameter weight
  for (const float dia : {0.05f, 0.1f, 0.3f, 0.35f, 0.7f, 0.8f, 1.5f}) {
    d_RetPriSet set = Set("None", 20, -1, -1, dia);
    EXPECT_NEAR(RPC_Get_RetPri(set, kNone, "PIPO", "D", 0.6f, "H", 20), 0.5f, 1e-6f) << dia;
  }
  // None leaves the species factor; weights by status and by crown class
  // (case aside), with r = d = s = 1 and status "X" weighing as dead but
  // counting as live
  d_RetPriSet none = Set("None", 20);
  EXPECT_NEAR(RPC_Get_RetPri(none, pipo, "PIPO", "O", 0.3f, "S", 7), 0.7f, 1e-6f);
  EXPECT_NEAR(RPC_Get_RetPri(none, pipo, "PIPO", "O", 0.3f, "D", 7), 0.7f, 1e-6f);
  d_RetPriSet w = Set("None", 20);
  std::tie(w.Hea, w.UHe, w.Sic, w.Dea) = std::tuple(0.9f, 0.8f, 0.7f, 0.6f);
  std::tie(w.Dom, w.CoD, w.Int, w.Emr, w.Sup, w.OpG, w.Non) =
      std::tuple(0.15f, 0.25f, 0.35f, 0.45f, 0.55f, 0.65f, 0.75f);
  const RetPriSpeList one = Species({{"PIPO", 0, 100, 1}});
  // w * c: statuses 0.9 0.8 0.7 0.6, classes 0.15 ... 0.75
  const std::tuple<const char*, const char*, float> weights[] = {
      {"D", "h", 0.135f}, {"D", "U", 0.12f},  {"D", "s", 0.105f}, {"D", "X", 0.09f},
      {"D", "D", 0.6f},   {"c", "H", 0.225f}, {"I", "H", 0.315f}, {"e", "H", 0.405f},
      {"S", "H", 0.495f}, {"o", "H", 0.585f}, {"N", "H", 0.675f}, {"SC", "H", 0},
      {"X", "H", 0}};
  for (auto [cls, status, expected] : weights) {
    EXPECT_NEAR(RPC_Get_RetPri(w, one, "PIPO", cls, 0.5f, status, 10), expected, 1e-6f)
        << cls << " " << status;
  }
}

TEST(RetentionPriority, RaisedCrownRatioWeightsStayRaisedInTheSet) {
  d_RetPriSet low = Set("Low", 20, 0.05f), none = Set("None", 20, 0.5f, 0.05f);
  const RetPriSpeList keep = Species({{"PIPO", 0, 100, 99}});
  // a species factor of 99 gives 99, before any crown ratio factor
  EXPECT_EQ(RPC_Get_RetPri(low, keep, "PIPO", "SC", 0.5f, "H", 10), 99.0f);
  EXPECT_EQ(RPC_Get_RetPri(low, keep, "PIPO", "SC", 0, "D", 10), 99.0f);
  EXPECT_EQ(RPC_Get_RetPri(low, kNone, "PIPO", "D", 0, "H", 20), 0.0f);  // no crown, no factor
  EXPECT_EQ(low.CRs, 0.05f);
  RPC_Get_RetPri(low, kNone, "PIPO", "D", 0.4f, "H", 20);
  RPC_Get_RetPri(none, kNone, "PIPO", "D", 0.3f, "H", 20);
  EXPECT_EQ(std::pair(low.CRs, none.CRm), std::pair(0.1f, 0.1f));
}

TEST(RetentionPriority, PlotPrioritiesReplaceEveryTreesFromTheLiveDiameters) {
  const auto tree = [](const char* species, float dia, float hgt, float crnHgt, const char* status,
                       const char* cls) {
    d_PTLRec r = TreeRec({species, dia, hgt, crnHgt, 0, status, cls});
    r.RetPri = 5;
    return r;
  };
  // dead trees are neither the largest nor the smallest; slot 5 is beyond
  // the list
  d_PTLTable trees =
      TreeList({tree("PIPO", 8, 40, 16, "H", "D"), tree("PIPO", 16, 80, 40, "U", "C"),
                tree("PSME", 30, 60, 30, "D", "I"), tree("PSME", 4, 60, 30, "d", "I")});
  trees[5] = tree("PIPO", 50, 60, 30, "H", "D");
  d_RetPriSet diam = Set("Diam", -1);
  EXPECT_EQ(PLT_RetPriCalc(trees, diam, Species({{"PSME", 0, 100, 0.8f}})), 1);
  EXPECT_EQ(std::pair(diam.MinDia, diam.MaxDia), std::pair(8.0f, 16.0f));
  // Diam: r = 0.5 / 0.9 * (cr - 1) + 1, d = DBH / 16 * 0.9 + 0.1.
  // 0: cr 0.6, r = 7/9, d = 0.55: 1 * 0.5 * 7/9 * 0.55 = 0.213889
  // 1: cr 0.5, r = 13/18, d = 1: 0.1 * 0.5 * 13/18 = 0.036111
  // 2: dead, d = 1 (30 taken as 16): 1 * 0.8 = 0.8
  // 3: dead, d = 0.25 * 0.9 + 0.1 = 0.325: 0.8 * 0.325 = 0.26
  const float expected[] = {0.213889f, 0.036111f, 0.8f, 0.26f, 0.0f, 5.0f};
  for (int i = 0; i < 6; ++i)
    EXPECT_NEAR(trees[i].RetPri, expected[i], 1e-6f) << "slot " << i;
  // no live tree leaves no diameter factor
  trees = TreeList({tree("PIPO", 8, 40, 16, "D", "D"), tree("PIPO", 12, 40, 16, "D", "D")});
  diam = Set("Diam", 20);
  EXPECT_EQ(PLT_RetPriCalc(trees, diam, kNone), 1);
  EXPECT_EQ(std::tuple(diam.MinDia, diam.MaxDia, trees[0].RetPri, trees[1].RetPri),
            std::tuple(9999.0f, 0.0f, 0.0f, 0.0f));
}

}  // namespace

}  // namespace sylvanor
