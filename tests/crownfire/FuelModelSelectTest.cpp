#include "crownfire/FuelModelSelect.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "base/CFormat.h"

namespace sylvanor {

namespace {

// Live share up to 0.24: timber litter or slash (4); herbaceous share from 0.75: grass (1); a
// herb-to-shrub ratio up to 0.25: shrub or timber understory (3), above 2 grass (1), else grass
// shrub (2). Without shrub the ratio is 9; without fine fuel the shares stay 0 and only coarse wood
// burns (4).
TEST(FuelModelSelectTest, CategoryThresholds) {
  // 1-hour, herbaceous, shrub, 100-hour loads; live share, herbaceous share, ratio, category
  using Row = std::array<double, 8>;
  // clang-format off
  for (const auto& [oneHour, herb, shrub, hundredHour, live, herbShare, ratio, category] :
       {Row{19, 6, 0, 0, 0.24, 0.24, 9, 4}, Row{18.9, 6, 0, 0, 6 / 24.9, 6 / 24.9, 9, 1},
        Row{1, 3, 0, 0, 0.75, 0.75, 9, 1}, Row{0, 1, 4, 0, 1, 0.2, 0.25, 3},
        Row{0, 1, 3.9, 0, 1, 1 / 4.9, 1 / 3.9, 2}, Row{1, 2, 1, 0, 0.75, 0.5, 2, 2},
        Row{1, 2.1, 1, 0, 3.1 / 4.1, 2.1 / 4.1, 2.1, 1}, Row{1, 1, 2, 0, 0.75, 0.25, 0.5, 2},
        Row{0, 0, 0, 1, 0, 0, 0, 4}, Row{0, 0, 0, 0, 0, 0, 0, 0}}) {
    // clang-format on
    const FuelBedClass c = ClassifyFuelBed(oneHour, herb, shrub, 0, hundredHour);
    const char* f = "%g %.9g %.9g %.9g";
    EXPECT_EQ(CFormat(f, c.Category, c.LiveFraction, c.HerbFraction, c.HerbShrubRatio),
              CFormat(f, category, live, herbShare, ratio))
        << oneHour << " " << herb << " " << shrub << " " << hundredHour;
  }
  EXPECT_EQ(FuelCategoryText(3), "Shrub Timber Liter SH-TU-3");
}

// Loads in tons/acre x 0.22417 = kg/m2, SAVs (1-hour 2000, grass 1800, shrub 1500 1/ft) x 3.2808 =
// 1/m, depth 10 in = 25.4 cm; the distance 0.25 (dSAV / 1329.4)^2 + 0.25 (d density / 6.3949)^2 +
// 0.5 (d fine / 0.68405)^2.
// Grass: 1-hour 0.5 and grass 2.0: 0.112085 and 0.44834 kg/m2, fine 0.560425; live and herb share
//   0.8: grass. SAV: sum w s^2 / sum w s = 8.48e6 / 4600 = 1843.478 1/ft x 3.2808 = 6048.083 1/m.
//   Density: 1.602 + 10.413 x 0.5 / 2.5. Albini-13 arid grass, rows 1, 2, 3: 4.40548, 1.35080,
//   3: 0.25 (1125.98/1329.4)^2 + 0.25 (2.7992/6.3949)^2 + 0.5 (-0.115975/0.68405)^2 = 0.24162.
//   "All" adds GR1, GR2, GR4, GR7; GR4: 0.25 (58.58/1329.4)^2 + 0.25 (2.894/6.3949)^2 + 0.5
//   (0.077325/0.68405)^2 = 0.058074, below model 3 and GR2 (0.15622). Humid Scott-40 has no GR4:
//   GR5 0.06899 + 0.03130 + 0.00890 = 0.10920 beats GR6 0.11872 and GR1 0.35709.
// 1-hour, grass and shrub 1 each: herb share 1/3, ratio 1: grass and shrub. SAV (2000^2 + 1800^2 +
//   1500^2) / 5300 = 1790.566 1/ft = 5874.489 1/m; density 1.602 + 10.413 / 3 = 5.073; fine
//   0.67251. Arid Albini-13 rows 1, 2, 3: 4.84962, 1.54409, 0.23553; 5: 0.01758 + 0.08752 +
//   0.00001 = 0.10510.
// Litter, lichen, moss, 1-hour, grass, 10- and 100-hour 1 each: fine 5 x 0.22417 = 1.12085, live
//   share 0.2: timber. SAV (0.89668 x 6561.6^2 + 0.22417 (357.63^2 + 98.43^2 + 5905.44^2)) /
//   (5883.655 + 80.170 + 22.065 + 1323.822) = 6355.214; density 1.602 + 10.413 x 2 / 3 (lichen and
//   moss are not dead fuel of it). Arid Albini-13 rows 8, 9, 11, 12, 13; 9: 0.25 (1794.786 /
//   1329.4)^2 + 0.25 (4.2698 / 6.3949)^2 + 0.5 (0.46505 / 0.68405)^2 = 0.45567 + 0.11145 +
//   0.23110; 12 gives 1.04609.
// Only 10-hour wood: fine load 0, timber; the SAV that of the 10-hour wood, no density. Row 11:
//   0.25 ((357.63 - 3878.1)/1329.4)^2 = 1.75319, 0.25 (8.4731/6.3949)^2 = 0.43889, 0.5
//   (0.3377/0.68405)^2 = 0.12186: 2.31394; 12 gives 3.24678.
// An unknown set has no row: "NB9" at 1e8; no fuel at all: "NB9" at 0 with no category.
TEST(FuelModelSelectTest, SelectsTheNearestEligibleModel) {
  // the grass bed's SAV, bulk density, fine load and live share
  const std::string grass = "|Grass GR-1 |", gv = " 6048.083 3.6846 0.560425 0.8";
  const std::string timber = "|Timber litter or Slash blowdown TL-SB-4|";
  const std::array<double, 8> g{0, 0, 0, 0.5, 2, 0, 0, 0};
  // set, climate, loads (litter, lichen, moss, 1-hour, grass, shrub, 10-, 100-hour); model,
  // category; distance, SAV, bulk density, fine load, live share
  // clang-format off
  const std::tuple<std::string, const char*, std::array<double, 8>, std::string> rows[] = {
      {"Albini-13", "Arid", g, "3" + grass + "0.24162" + gv},
      {"all", "Arid", g, "GR4" + grass + "0.058074" + gv},
      {"Scott-40", "humid", g, "GR5" + grass + "0.1092" + gv},
      {"Scott-40" + std::string(40, 'x'), "Arid", g, "NB9" + grass + "1e+08" + gv},
      {"Albini-13", "Arid", {0, 0, 0, 1, 1, 1, 0, 0},
       "5|Grass Shrub GS-2|0.1051 5874.489 5.073 0.67251 0.666667"},
      {"Albini-13", "Arid", {1, 1, 1, 1, 1, 0, 1, 1},
       "9" + timber + "0.79822 6355.214 8.544 1.12085 0.2"},
      {"Albini-13", "Arid", {0, 0, 0, 0, 0, 0, 1, 0}, "11" + timber + "2.3139 357.63 0 0 0"},
      {"Albini-13", "Arid", {}, "NB9||0 0 0 0 0"},
  };
  // clang-format on
  for (const auto& [set, climate, l, expected] : rows) {
    FMSelector bed = FillFMSelector(
        {climate, set, l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7], 2000, 1800, 1500, 10});
    EXPECT_DOUBLE_EQ(bed.FuelBedDepth, 25.4);
    bed.Model = bed.Category = "earlier";  // earlier results do not linger
    bed.BestDistance = bed.CharacteristicSav = bed.BulkDensity = bed.LiveFraction = -1;
    ASSERT_TRUE(SelectStandardFuelModel(bed));
    EXPECT_EQ(CFormat("%s|%s|%.5g %.7g %.6g %.6g %.6g", bed.Model, bed.Category, bed.BestDistance,
                      bed.CharacteristicSav, bed.BulkDensity, bed.FineLoad, bed.LiveFraction),
              expected)
        << set << " " << climate;
  }
  EXPECT_EQ(CharacteristicSav(FMSelector{}), 0.0);  // no surface area
}

// Of rows at the same distance the earlier is chosen.
TEST(FuelModelSelectTest, TiesGoToTheEarlierRow) {
  FuelModelRow first = FuelModelTable[0], twin = first;
  twin.Name = "twin";
  EXPECT_EQ(NearestFuelModel(std::array{first, twin}, "All", 0, 5000, 1, 0.1).Name, "1");
  EXPECT_EQ(NearestFuelModel(std::array{twin, first}, "All", 0, 5000, 1, 0.1).Name, "twin");
}

}  // namespace

}  // namespace sylvanor
