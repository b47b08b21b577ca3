#include "treat/RetentionPriority.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string_view>
#include <tuple>
#include <utility>

#include "tests/support/StandBuilders.h"

namespace sylvanor {

namespace {

// A default set by name with the largest live DBH of the plot; crs, crm and dia replace its
// crown ratio and diameter weights (the last three) when given (not -1).
d_RetPriSet Set(std::string_view name, float maxDia, float crs = -1, float crm = -1,
                float dia = -1) {
  auto w = std::ranges::find(kDefaultRetPriSets, name, &d_RetPriDefault::Name)->Weights;
  for (auto [i, v] : {std::pair{11, crs}, {12, crm}, {13, dia}})
    w[i] = v == -1 ? w[i] : v;
  return std::apply([maxDia](auto... v) { return d_RetPriSet{v..., -1, maxDia}; }, w);
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
  // clang-format off
  const RetPriSpeList one = Species({{"PIPO", 0, 20, 0.8f}});
  const RetPriSpeList other = Species({{"_Other", 0, 10, 0.3f}, {"_Other", 5, 50, 0.6f},
      {"PIPO", 10, 30, 0.9f}, {"PIPO", 0, 10, 0.2f}, {"PIPO", 0, 10, 0.7f}});
  const std::tuple<const RetPriSpeList*, const char*, float, float> rows[] = {
      {&kNone, "PIPO", 10, 0.5f}, {&one, "PSME", 10, 0.5f}, {&one, "pipo", 10, 0.5f},  // by case
      {&one, "PIPO", 0, 0.8f}, {&one, "PIPO", 20, 0.5f},  // the minimum is inside, the maximum not
      {&other, "PSME", 3, 0.3f}, {&other, "PSME", 7, 0.6f},  // the later "_Other" replaces
      {&other, "PSME", 60, 0.5f}, {&other, "PIPO", 12, 0.9f}, {&other, "PIPO", 40, 0.6f},
      {&other, "PIPO", 7, 0.2f}};  // the first match wins
  // clang-format on
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const auto& [list, species, dbh, expected] = rows[i];
    EXPECT_FLOAT_EQ(RPC_Species_GetPri(*list, species, dbh), expected) << "row " << i;
  }
}

// Factors: w status, s species, c crown class, r = (1 - CRs) / (CRm - 0.1) * (cr - CRm) + 1 held
// to 0 ... 1 (0 for no crown), d = DBH / MaxDia * (1 - Dia) + Dia (1 above MaxDia; 0 outside 0 ...
// 1 or without a live tree). Live trees get w s c r d, dead ones w s d.
TEST(RetentionPriority, TreePrioritiesWorkedByHand) {
  using Row = std::tuple<const char*, d_RetPriSet, const char*, float, const char*, float, float>;
  // clang-format off
  const Row rows[] = {
      // Low: r = 0.5 / 0.5 * (0.4 - 0.6) + 1 = 0.8, d = 10 / 20 * 0.2 + 0.8 = 0.9
      {"Low", Set("Low", 20), "C", 0.4f, "U", 10, 0.7f * 0.5f * 0.9f * 0.8f * 0.9f},
      {"Low dead", Set("Low", 20), "C", 0.4f, "D", 10, 0},
      // Diam: d = 0.5 * 0.9 + 0.1 = 0.55; a dead tree leaves out "SC" (0)
      {"Diam dead", Set("Diam", 20), "SC", 0, "d", 10, 0.275f},
      {"Diam SC", Set("Diam", 20), "SC", 0.5f, "H", 10, 0},
      {"High", Set("High", 20), "E", 0.6f, "H", 10, 0.04f},  // r 1, d 0.5 * 0.4 + 0.6: 0.5 0.1 0.8
      {"no crown", Set("Low", 20), "D", 0, "H", 20, 0},  // at the largest DBH d = 1: 0.5 r
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
      // CRm 0.05 counts as 0.1: 1 from 0.1 on, CRs below
      {"CRm raised", Set("None", 20, 0.5f, 0.05f), "D", 0.3f, "H", 20, 0.5f},
      {"CRm raised, at 0.1", Set("None", 20, 0.5f, 0.05f), "D", 0.1f, "H", 20, 0.5f},
      {"CRm raised, below", Set("None", 20, 0.5f, 0.05f), "D", 0.05f, "H", 20, 0.25f},
      // Low at cr 0.6 (r 1): 0.5 d; DBH 30 is taken as 20 (30 / 20 * 0.2 + 0.8 = 1.1 would give 0)
      {"d at 0", Set("Low", 20), "D", 0.6f, "H", 0, 0.4f},
      {"d above MaxDia", Set("Low", 20), "D", 0.6f, "H", 30, 0.5f},
      {"no live tree", Set("Diam", 0), "D", 0.6f, "H", 10, 0},
      {"no live tree, dead", Set("Diam", 0), "D", 0.6f, "D", 10, 0},
      {"Dia 1.5 at 0", Set("None", 20, -1, -1, 1.5f), "D", 0.6f, "H", 0, 0},
      {"Dia -0.5 at 2", Set("None", 20, -1, -1, -0.5f), "D", 0.6f, "H", 2, 0},
      {"Dia -0.5 at 10", Set("None", 20, -1, -1, -0.5f), "D", 0.6f, "H", 10, 0.125f},
  };
  // clang-format on
  for (auto [name, set, cls, cr, status, dbh, expected] : rows)
    EXPECT_NEAR(RPC_Get_RetPri(set, kNone, "PIPO", cls, cr, status, dbh), expected, 1e-6f) << name;
  // weights by status and by crown class (case aside) with r = d = 1 and the species factor,
  // status "X" weighing as dead but counting as live; 99 before any crown ratio factor
  // clang-format off
  d_RetPriSet w{0.9, 0.8, 0.7, 0.6, 0.15, 0.25, 0.35, 0.45, 0.55, 0.65, 0.75, 1, 1, 1, -1, 20};
  const RetPriSpeList one = Species({{"PIPO", 0, 100, 1}}), keep = Species({{"PIPO", 0, 100, 99}});
  const RetPriSpeList pipo = Species({{"PIPO", 0, 100, 0.7f}});
  const std::tuple<const RetPriSpeList*, const char*, const char*, float> weights[] = {
      {&one, "D", "h", 0.135f}, {&one, "D", "U", 0.12f}, {&one, "D", "s", 0.105f},
      {&one, "D", "X", 0.09f}, {&one, "D", "D", 0.6f}, {&one, "c", "H", 0.225f},
      {&one, "I", "H", 0.315f}, {&one, "e", "H", 0.405f}, {&one, "S", "H", 0.495f},
      {&one, "o", "H", 0.585f}, {&one, "N", "H", 0.675f}, {&one, "SC", "H", 0}, {&one, "X", "H", 0},
      {&pipo, "O", "S", 0.7f * 0.7f * 0.65f}, {&pipo, "O", "D", 0.7f * 0.6f},
      {&keep, "SC", "H", 99}, {&keep, "SC", "D", 99}};
  // clang-format on
  for (auto [list, cls, status, expected] : weights) {
    EXPECT_NEAR(RPC_Get_RetPri(w, *list, "PIPO", cls, 0.5f, status, 10), expected, 1e-6f)
        << cls << " " << status << " " << (*list)[0].Pri;
  }
  // a CRs or CRm below 0.1 is raised in the set once a crown ratio factor is worked out: not for
  // a species factor of 99 or a tree without a crown
  d_RetPriSet small = Set("None", 20, 0.05f, 0.05f);
  RPC_Get_RetPri(small, keep, "PIPO", "D", 0.5f, "H", 10);
  RPC_Get_RetPri(small, kNone, "PIPO", "D", 0, "H", 20);
  EXPECT_EQ(std::pair(small.CRs, small.CRm), std::pair(0.05f, 0.05f));
  RPC_Get_RetPri(small, kNone, "PIPO", "D", 0.4f, "H", 20);
  EXPECT_EQ(std::pair(small.CRs, small.CRm), std::pair(0.1f, 0.1f));
}

TEST(RetentionPriority, PlotPrioritiesReplaceEveryTreesFromTheLiveDiameters) {
  // dead trees are neither the largest nor the smallest; slot 4 ends the list
  d_PTLTable trees = TreeList(
      {TreeRec({"PIPO", 8, 40, 16, 0, "H", "D"}), TreeRec({"PIPO", 16, 80, 40, 0, "U", "C"}),
       TreeRec({"PSME", 30, 60, 30, 0, "D", "I"}), TreeRec({"PSME", 4, 60, 30, 0, "d", "I"})});
  trees[5] = TreeRec({"PIPO", 50, 60, 30, 0, "H", "D"});
  for (int i = 0; i < 6; ++i)
    trees[i].RetPri = 5;
  d_RetPriSet diam = Set("Diam", -1);
  EXPECT_EQ(PLT_RetPriCalc(trees, diam, Species({{"PSME", 0, 100, 0.8f}})), 1);
  EXPECT_EQ(std::pair(diam.MinDia, diam.MaxDia), std::pair(8.0f, 16.0f));
  // Diam: r = 0.5 / 0.9 * (cr - 1) + 1, d = DBH / 16 * 0.9 + 0.1.
  // 0: cr 0.6, r = 7/9, d = 0.55: 1 * 0.5 * 7/9 * 0.55 = 0.213889
  // 1: cr 0.5, r = 13/18, d = 1: 0.1 * 0.5 * 13/18 = 0.036111
  // 2: dead, d = 1 (30 taken as 16): 1 * 0.8 = 0.8
  // 3: dead, d = 0.25 * 0.9 + 0.1 = 0.325: 0.8 * 0.325 = 0.26
  const float expected[] = {0.213889f, 0.036111f, 0.8f, 0.26f, 5.0f, 5.0f};
  for (int i = 0; i < 6; ++i)
    EXPECT_NEAR(trees[i].RetPri, expected[i], 1e-6f) << "slot " << i;
  // no live tree leaves no diameter factor
  trees = TreeList(
      {TreeRec({"PIPO", 8, 40, 16, 0, "D", "D"}), TreeRec({"PIPO", 12, 40, 16, 0, "D", "D"})});
  diam = Set("Diam", 20);
  EXPECT_EQ(PLT_RetPriCalc(trees, diam, kNone), 1);
  EXPECT_EQ(std::tuple(diam.MinDia, diam.MaxDia, trees[0].RetPri, trees[1].RetPri),
            std::tuple(9999.0f, 0.0f, 0.0f, 0.0f));
}

}  // namespace

}  // namespace sylvanor
