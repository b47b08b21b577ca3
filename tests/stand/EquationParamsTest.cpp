#include "stand/EquationParams.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tests/support/StandBuilders.h"

namespace sylvanor {

namespace {

using namespace std::string_literals;

// "BEPA" has neither branch nor "VD" equations.
const d_ETTable kSpecies = SpeciesTable({
    {.Species = "PIPO", .Crown = "PP", .Branches = "PP", .VertDist = "PP"},
    {.Species = "ABBA", .Crown = "BF", .Branches = "GF", .VertDist = "DF"},
    {.Species = "TSHE", .Crown = "WH", .Branches = "WH", .VertDist = "PS"},
    {.Species = "BEPA", .Crown = "PB", .Branches = "ZZ", .VertDist = "QQ"},
});

d_EP Tree(const char* species, float dbh, float height, float crownBase = 0.0f) {
  d_EP ep;
  ep.Species = species;
  std::tie(ep.DBH, ep.Height, ep.CrownBase) = std::tuple(dbh, height, crownBase);
  return ep;
}

TEST(EquationParams, WeightsWorkedByHand) {
  using Row = std::tuple<const char*, d_EP, int, int, float, float, const char*>;
  const Row rows[] = {
      // name, tree, species row, slot, weight, tolerance, entry code
      // e^(0.268 + 2.074 ln 10) = 155.02; Br-3inP 155.02 x (1 - (1.083 - 0.131)) = 7.441
      {"PP total", Tree("pipo", 10, 60, 20), 0, kTotal, 155.02f, 0.02f, "PP"},
      {"PP Br-3inP", Tree("PIPO", 10, 60, 20), 0, kBr3inP, 7.441f, 5e-3f, "PP"},
      // "BF": T = e^(-2.0259 + 1.7433 ln 25.4) kg = 81.7605 lb
      {"BF total", Tree("ABBA", 10, 50, 10), 1, kTotal, 81.7605f, 0.01f, "BF"},
      // "GF" Br-1in on its own total: e^(1.3094 + 1.6076 ln 10) = 150.060,
      // 1in 1.027 - 0.15 = 0.877, Twg 1 / (1.15 + 0.416) = 0.638570 -> 35.779
      {"GF Br-1in", Tree("ABBA", 10, 50, 10), 1, kBr1in, 35.779f, 0.01f, "GF"},
      {"unlinked", Tree("BEPA", 10, 50, 10), 3, kBr3in, 0, 0, "ZZ"},
      // 1.0 in and 9.5 ft: height class 10 of the "WH" row
      {"small WH total", Tree("TSHE", 1, 9.5f), 2, kTotal, 4.24f, 0, "WH"},
      {"small WH Br-3inP", Tree("TSHE", 1, 9.5f), 2, kBr3inP, 0.551f, 0, "WH"},
      // "PB" has no small-tree row of its own: "DF" class 2 (1.5 ft)
      {"small PB total", Tree("BEPA", 0.5f, 1.5f), 3, kTotal, 0.2f, 0, "PB"},
      {"small PB Br-3in", Tree("BEPA", 0.5f, 1.5f), 3, kBr3in, 0.012f, 0, "ZZ"}};
  for (auto [name, tree, speIdx, slot, weight, tol, code] : rows) {
    tree.Message = "left over";
    ASSERT_EQ(EP_Calc(kSpecies, tree), 1) << name;
    EXPECT_NEAR(EP_GetWt(tree, slot), weight, tol) << name;
    // the species' entry comes with the weight; only the six weights are read
    const d_ETCom& got = tree.Comps[slot];
    EXPECT_EQ(std::tuple(tree.Message, tree.SpeIdx, got.Code.str(), got.Component.str(), got.EqIdx,
                         EP_GetWt(tree, kVertDist) + EP_GetWt(tree, -1)),
              std::tuple(""s, speIdx, std::string(code), std::string(kComponentNames[slot]),
                         kSpecies.Rows[speIdx].Components[slot].EqIdx, 0.0f))
        << name;
  }
}

TEST(EquationParams, UnknownSpeciesAndVerticalDistribution) {
  // small trees need their species too
  for (d_EP ep : {Tree("XYZ", 10, 50), Tree("QUGA", 0.8f, 5)}) {
    EXPECT_EQ(EP_Calc(kSpecies, ep), 0);
    EXPECT_EQ(ep.Message, "Species (" + ep.Species.str() + ") Not Found in Equation Table");
  }
  const std::tuple<const char*, float, float> rows[] = {
      {"pipo", 0.5f, 0.420463f},  // "PP": 2.3637 x 0.25 - 1.3637 x 0.125
      {"TSHE", 0.99f, 1.0f},      // "PS", limited to 1
      {"PIPO", 0.0f, 0.0f},      {"PIPO", -0.2f, 0.0f},
      {"XYZ", 0.5f, 0.0f},       {"BEPA", 0.5f, 0.0f}};  // its "VD" entry is not linked
  for (const auto& [species, x, expected] : rows)
    EXPECT_NEAR(EP_VertDist(kSpecies, species, x), expected, 1e-6f) << species << " " << x;
}

}  // namespace

}  // namespace sylvanor
