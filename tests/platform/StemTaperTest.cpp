#include "platform/StemTaper.h"

#include <gtest/gtest.h>

#include <cmath>

namespace sylvanor {

// r = 2 is a cone, d(h) = k D (H - h) / (H - 4.5); r = 1 a paraboloid,
// d(h)^2 = (k D)^2 (H - h) / (H - 4.5); H - 4.5 = 36 or 72 ft gives round
// diameters. Areas are pi d^2 / 576 = 0.00545415 d^2 ft2; logs are 16 ft long
// from the 1-ft stump.
TEST(StemTaper, VolumesByHand) {
  // the tree (DBH, height, top, k, r), merchantable height, total, merchantable, board feet
  const std::tuple<const char*, d_StemTree, double, double, double, double> rows[] = {
      // d(h) = (40.5 - h) / 4; a 4-in top at 40.5 - 36 (4/9) = 24.5 ft. A cone on
      // d(0) = 10.125: 0.00545415 * 10.125^2 * 40.5 / 3 = 7.54834. From the stump
      // 0.00545415 * 81 / (3 * 36^2) * (39.5^3 - 16^3) = 6.53747. A log to 17 ft,
      // d = 5.875: 0.79 * 34.515625 - 11.75 - 4 = 11.51734; 7.5 ft left add nothing.
      {"cone, short last piece", {10, 40.5, 4, 0.9, 2}, 24.5, 7.54834, 6.53747, 11.51734},
      // d(h) = (76.5 - h) / 4; an 8-in top at 76.5 - 72 (8/18) = 44.5 ft. d(0) = 19.125:
      // 0.00545415 * 365.765625 * 76.5 / 3 = 50.87102; 0.00545415 * 324 / (3 * 72^2)
      // * (75.5^3 - 32^3) = 45.17867. Logs to 17 and 33 ft: d = 14.875 -> 141.04984,
      // d = 10.875 -> 67.67984; 11.5 ft left, small end 8: 30.56 * 11.5 / 16 = 21.965.
      {"cone, two logs, long last piece",
       {20, 76.5, 8, 0.9, 2},
       44.5,
       50.87102,
       45.17867,
       141.04984 + 67.67984 + 21.965},
      // d(h)^2 = 2.25 (40.5 - h); a 5-in top at 40.5 - 36 (5/9)^2 = 29.38889 ft. Half
      // the cylinder on d(0)^2 = 91.125: 0.00545415 * 91.125 * 40.5 / 2 = 10.06445;
      // 0.00545415 * 81 / (2 * 36) * (39.5^2 - (100/9)^2) = 8.81605. A log to 17 ft:
      // d^2 = 52.875, d = 7.27152: 41.77125 - 14.54304 - 4 = 23.22821; 12.38889 ft
      // left, small end 5: (19.75 - 10 - 4) * 12.38889 / 16 = 4.45226.
      {"paraboloid, long last piece",
       {10, 40.5, 5, 0.9, 1},
       29.38889,
       10.06445,
       8.81605,
       23.22821 + 4.45226},
      // to the tip: 0.00545415 * 81 / 3888 * 39.5^3 = 7.00289; the log to 33 ft,
      // d = 1.875, gives nothing
      {"top 0: the tip", {10, 40.5, 0, 0.9, 2}, 40.5, 7.54834, 7.00289, 11.51734},
      {"negative top: the tip", {10, 40.5, -3, 0.9, 2}, 40.5, 7.54834, 7.00289, 11.51734},
      {"top not a number: the tip", {10, 40.5, NAN, 0.9, 2}, 40.5, 7.54834, 7.00289, 11.51734},
      // d(1) = 9.875 in: a 9.9-in top lies at 40.5 - 36 * 9.9 / 9 = 0.9 ft
      {"top below the stump", {10, 40.5, 9.9, 0.9, 2}, 0.9, 7.54834, 0, 0},
      // no shape: no taller than breast height, no DBH, k or r
      {"4.5 ft tall", {10, 4.5, 0, 0.9, 1.4}, 4.5, 0, 0, 0},
      {"no DBH", {0, 40, 0, 0.9, 1.4}, 40, 0, 0, 0},
      {"no k", {10, 40, 0, 0, 1.4}, 40, 0, 0, 0},
      {"no r", {10, 40, 0, 0.9, 0}, 40, 0, 0, 0},
  };
  for (const auto& [name, tree, merchHeight, total, merch, board] : rows) {
    const d_StemVolumes v = StemVolumes(tree);
    EXPECT_NEAR(MerchHeight(tree), merchHeight, 1e-5) << name;
    EXPECT_NEAR(v.TotalCuFt, total, 1e-4) << name;
    EXPECT_NEAR(v.MerchCuFt, merch, 1e-4) << name;
    EXPECT_NEAR(v.BoardFt, board, 1e-4) << name;
  }
}

TEST(StemTaper, CoefficientsOfTheIdentifiersFamilyFirst) {
  // r, 0 for none: 260 is red alder in its own family, western hemlock in any other
  const std::tuple<const char*, int, double> rows[] = {
      {"cur", 260, 1.6}, {"FW2", 260, 1.4}, {"DVE", 260, 1.4}, {"FW2", 999, 2.0},
      {"FW2", 12, 1.4},  {"FW2", 0, 0},     {"FW2", 555, 0}};
  for (const auto& [family, species, r] : rows) {
    const auto c = FindTaperCoef(family, species);
    EXPECT_EQ(c ? c->R : 0, r) << family << " " << species;
  }
}

}  // namespace sylvanor
