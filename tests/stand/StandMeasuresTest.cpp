#include "stand/StandMeasures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>

#include "tests/support/StandBuilders.h"

namespace sylvanor {

namespace {

// Canopy code 16: crown width 4.4215 DBH^0.5329 ft above 4.5 ft, areas pi (w / 2)^2 of 4,
// 10 and 20 in 67.2829, 178.6607 and 373.9960 ft2; code 38 has no crown width equation.
const d_ETTable kSpecies =
    SpeciesTable({{.Species = "PIPO", .Canopy = "16"}, {.Species = "NOEQ", .Canopy = "38"}});

d_PTLRec Tree(float dia, float hgt, float tpa, const char* status = "H") {
  return TreeRec({.Dia = dia, .Hgt = hgt, .TPA = tpa, .Status = status});
}

// Dead trees count in the density, SDI, QMD and QD75 but not in the basal
// area or the cover; the density code reaches every measure.
TEST(StandMeasures, StandsWorkedByHand) {
  // 100 trees of 4 in, 10 of 20 in and 30 of 10 in; then a dead tree of 12 in
  d_PTLTable live = TreeList({Tree(4, 20, 100), Tree(20, 80, 10), Tree(10, 50, 30)});
  d_PTLTable dead = live;
  dead[3] = Tree(12, 60, 20, "D");
  live[4] = Tree(30, 100, 500);  // beyond the first empty slot: not part of the list
  d_PTLTable noEq = TreeList({Tree(10, 50, 25), Tree(10, 50, 1000)}), killed = noEq, none;
  noEq[1].Species = "NOEQ";
  killed[1] = Tree(20, 80, 10);
  std::tie(killed[0].TPAadj, killed[0].Killed, killed[1].Killed) = std::tuple(30, 5, 12);
  const struct {
    const char* name;
    const d_PTLTable& trees;
    const char* code;
    float esdd;
    std::array<float, 7> want;  // SteDen, SteDenExc, Basal, StdDenIdx, QuaMeaDia, Qd75, CanCov
  } rows[] = {
      // 40 from 10 in on; pi 2150 / 144; 10 x 2^1.605 + 30 + 100 x 0.4^1.605; sqrt(8600 / 140);
      // 75 % of pi 2150: ten of 20 in, 25 of 10 in, sqrt(6500 / 35);
      // 100 (1 - e^(-(3739.960 + 5359.822 + 6728.290) / 43560))
      {"live", live, "TPA", 10, {140, 40, 46.90568f, 83.39726f, 7.837638f, 13.627703f, 30.46657f}},
      // SDI + 20 x 1.2^1.605; sqrt(11480 / 160); 75 % of pi 2870: 18 of 10 in, sqrt(8680 / 48)
      {"dead", dead, "TPA", 0, {160, 160, 46.90568f, 110.19609f, 8.470537f, 13.447429f, 30.46657f}},
      // 1025 x 78.53975 / 144; 100 (1 - e^(-25 x 178.6607 / 43560))
      {"no crown width", noEq, "TPA", 0, {1025, 1025, 559.0503f, 1025, 10, 10, 9.745539f}},
      // 30 - 5 of 10 in, 10 - 12 of 20 in counts as none
      {"PostMort", killed, "PostMort", 0, {25, 25, 13.635373f, 25, 10, 10, 9.745539f}},
      {"no trees", none, "TPA", 0, {}}};
  d_SMWork work;
  for (const auto& r : rows) {
    const d_StandMeasures m = SM_Calc(r.trees, kSpecies, r.code, r.esdd, work);
    const float got[] = {m.SteDen,    m.SteDenExc, m.Basal, m.StdDenIdx,
                         m.QuaMeaDia, m.Qd75,      m.CanCov};
    for (std::size_t i = 0; i < r.want.size(); ++i)
      EXPECT_NEAR(got[i], r.want[i], 1e-6f * std::max(1.0f, r.want[i])) << r.name << " " << i;
  }
}

// Qd75 walks whole trees, largest first: a record stands for as many trees
// as its density has started units.
TEST(StandMeasures, Qd75CountsWholeTrees) {
  const std::tuple<const char*, d_PTLTable, float> rows[] = {
      // 75 % of pi (25 x 0.4 + 9 x 5) = pi 41.25: one of 10 in, two of 6 in, sqrt(172 / 3)
      {"a fraction", TreeList({Tree(6, 40, 5), Tree(10, 50, 0.4f)}), 7.571878f},
      // 75 % of pi (25 x 2.3 + 50) = pi 80.625: three of 10 in, six of 2 in, sqrt(324 / 9)
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
