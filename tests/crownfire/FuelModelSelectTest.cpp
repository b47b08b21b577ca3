#include "crownfire/FuelModelSelect.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace sylvanor {

namespace {

using Names = std::set<std::string, std::less<>>;

// A grass bed with a little 1-hour wood, in English units: 1-hour 0.5 and
// grass 2.0 tons/acre at the usual SAVs 2000 and 1800 1/ft.
StandardFuelInputs GrassBed(std::string_view set, std::string_view climate) {
  return {.Climate = climate,
          .FuelModelSet = set,
          .OneHour = 0.5,
          .Grass = 2.0,
          .OneHourSav = 2000,
          .GrassSav = 1800,
          .ShrubSav = 1500,
          .FuelBedDepth = 12};
}

FMSelector Select(const StandardFuelInputs& inputs) {
  FMSelector bed = FillFMSelector(inputs);
  EXPECT_TRUE(SelectStandardFuelModel(bed));
  return bed;
}

// The rows of `set` that NearestFuelModel can choose in `column`: a bed
// placed on each row of the set gets that row (at distance 0) when it is
// eligible, so the choices met are exactly the eligible rows.
Names ChoicesAtRowPoints(std::string_view set, int column) {
  Names chosen;
  for (const FuelModelRow& row : FuelModelTable) {
    if (row.Set != set) continue;
    const FuelModelMatch match =
        NearestFuelModel(FuelModelTable, set, column, row.Sav, row.BulkDensity, row.FineLoad);
    chosen.insert(std::string(match.Name));
    if (match.Name == row.Name) {
      EXPECT_EQ(match.Distance, 0.0) << row.Name;
    }
  }
  return chosen;
}

TEST(FuelModelSelectTest, TableHoldsBothSetsInOrder) {
  ASSERT_EQ(FuelModelTable.size(), 53u);
  int albini = 0;
  for (const FuelModelRow& row : FuelModelTable)
    albini += row.Set == "Albini-13";
  EXPECT_EQ(albini, 13);
  EXPECT_EQ(FuelModelTable[0].Name, "1");
  EXPECT_EQ(FuelModelTable[12].Name, "13");
  EXPECT_EQ(FuelModelTable[13].Name, "GR1");
  const FuelModelRow& five = FuelModelTable[4];  // "0110 0010"
  EXPECT_EQ(five.Eligible, (std::array<bool, 8>{0, 1, 1, 0, 0, 0, 1, 0}));
  EXPECT_EQ(FuelModelTable[5].Eligible, (std::array<bool, 8>{}));  // model 6 is never chosen
  const FuelModelRow& last = FuelModelTable[52];
  EXPECT_EQ(last.Name, "SB4");
  EXPECT_FLOAT_EQ(last.Sav, 6255.4f);
  EXPECT_FLOAT_EQ(last.BulkDensity, 3.8132f);
  EXPECT_FLOAT_EQ(last.FineLoad, 1.1797f);
}

TEST(FuelModelSelectTest, FillConvertsToMetric) {
  // Climate, set, litter, lichen, moss, 1-hour, grass, shrub, 10-hour,
  // 100-hour (tons/acre), three SAVs (1/ft), depth (in).
  const std::string longSet(45, 'x');
  const FMSelector bed =
      FillFMSelector({"Humid", longSet, 1, 2, 3, 4, 5, 6, 7, 8, 2000, 1800, 1500, 10});
  EXPECT_EQ(bed.Climate, "Humid");
  EXPECT_EQ(bed.FuelModelSet.size(), 39u);
  EXPECT_DOUBLE_EQ(bed.OneHourClass, 2.2417);  // (1 + 2 + 3 + 4) x 0.22417
  EXPECT_DOUBLE_EQ(bed.Litter, 0.22417);
  EXPECT_DOUBLE_EQ(bed.OneHourWood, 0.89668);  // 4 x 0.22417
  EXPECT_DOUBLE_EQ(bed.Herb, 1.12085);
  EXPECT_DOUBLE_EQ(bed.Shrub, 1.34502);
  EXPECT_DOUBLE_EQ(bed.TenHour, 1.56919);
  EXPECT_DOUBLE_EQ(bed.HundredHour, 1.79336);
  EXPECT_DOUBLE_EQ(bed.OneHourSav, 6561.6);  // 2000 x 3.2808
  EXPECT_DOUBLE_EQ(bed.HerbSav, 5905.44);
  EXPECT_DOUBLE_EQ(bed.ShrubSav, 4921.2);
  EXPECT_DOUBLE_EQ(bed.FuelBedDepth, 25.4);
  EXPECT_TRUE(bed.Model.empty());
}

TEST(FuelModelSelectTest, CategoryThresholds) {
  // (1-hour, herb, shrub): live share 6/25 = 0.24 is still litter; a little
  // more herb with no shrub is grass through the ratio 9.
  EXPECT_EQ(ClassifyFuelBed(19, 6, 0, 0, 0).Category, 4);
  EXPECT_EQ(ClassifyFuelBed(18.9, 6, 0, 0, 0).Category, 1);
  EXPECT_EQ(ClassifyFuelBed(18.9, 6, 0, 0, 0).HerbShrubRatio, 9.0);
  EXPECT_EQ(ClassifyFuelBed(1, 3, 0, 0, 0).Category, 1);    // herb share 3/4
  EXPECT_EQ(ClassifyFuelBed(0, 1, 4, 0, 0).Category, 3);    // ratio 1/4
  EXPECT_EQ(ClassifyFuelBed(0, 1, 3.9, 0, 0).Category, 2);  // ratio 0.256
  EXPECT_EQ(ClassifyFuelBed(1, 2, 1, 0, 0).Category, 2);    // ratio 2, herb share 1/2
  EXPECT_EQ(ClassifyFuelBed(1, 2.1, 1, 0, 0).Category, 1);  // ratio 2.1
  const FuelBedClass mixed = ClassifyFuelBed(1, 1, 2, 0, 0);
  EXPECT_DOUBLE_EQ(mixed.FineLoad, 4);
  EXPECT_DOUBLE_EQ(mixed.LiveFraction, 0.75);
  EXPECT_DOUBLE_EQ(mixed.HerbFraction, 0.25);
  EXPECT_DOUBLE_EQ(mixed.HerbShrubRatio, 0.5);
  EXPECT_EQ(FuelCategoryText(1), "Grass GR-1 ");
  EXPECT_EQ(FuelCategoryText(3), "Shrub Timber Liter SH-TU-3");
  EXPECT_EQ(FuelCategoryText(0), "");
  EXPECT_EQ(FuelModelColumn(3, "HUMID"), 6);
  EXPECT_EQ(FuelModelColumn(3, "Arid"), 2);
}

TEST(FuelModelSelectTest, CoarseWoodOnlyIsTimberAndNothingIsNonBurnable) {
  // Only 10-hour wood: fine load 0, category 4, SAV that of the 10-hour wood,
  // no bulk density. Albini-13 arid category 4 rows 8, 9, 11, 12, 13; for
  // row 11: 0.25 ((357.63 - 3878.1)/1329.4)^2 = 1.75319,
  // 0.25 (8.4731/6.3949)^2 = 0.43889, 0.5 (0.3377/0.68405)^2 = 0.12186,
  // d = 2.31394; row 12 gives 3.24678 and the others more.
  FMSelector bed = Select({.Climate = "Arid", .FuelModelSet = "Albini-13", .TenHour = 1});
  EXPECT_EQ(bed.Category, "Timber litter or Slash blowdown TL-SB-4");
  EXPECT_NEAR(bed.CharacteristicSav, 357.63, 1e-9);
  EXPECT_EQ(bed.BulkDensity, 0.0);
  EXPECT_EQ(bed.Model, "11");
  EXPECT_NEAR(bed.BestDistance, 2.31394, 1e-4);

  // The same record emptied of fuel: earlier results do not linger.
  bed.TenHour = 0;
  ASSERT_TRUE(SelectStandardFuelModel(bed));
  EXPECT_EQ(bed.Model, "NB9");
  EXPECT_EQ(bed.Category, "");
  EXPECT_EQ(bed.BestDistance, 0.0);
  EXPECT_EQ(bed.CharacteristicSav, 0.0);
}

TEST(FuelModelSelectTest, GrassBedWorkedByHand) {
  // Loads: 1-hour 0.5 x 0.22417 = 0.112085, herb 2 x 0.22417 = 0.44834,
  // fine 0.560425; live and herb share 2/2.5 = 0.8 >= 0.75: grass.
  // SAV: sum w s^2 / sum w s = (0.5 x 2000^2 + 2 x 1800^2)/(0.5 x 2000 +
  // 2 x 1800) = 8.48e6/4600 = 1843.478 1/ft x 3.2808 = 6048.083 1/m (the
  // load factor cancels). Density: 1.602 + 10.413 x 0.5/2.5 = 3.6846.
  // Albini-13 arid category 1, rows 1, 2, 3:
  //   1: 0.25 (-5435.42/1329.4)^2 + 0.25 (3.1404/6.3949)^2
  //      + 0.5 (0.394125/0.68405)^2 = 4.17921 + 0.06029 + 0.16598 = 4.40548
  //   2: 1.34744 + 0.00336 + 0.00000 = 1.35080
  //   3: 0.25 (1125.98/1329.4)^2 + 0.25 (2.7992/6.3949)^2
  //      + 0.5 (-0.115975/0.68405)^2 = 0.17935 + 0.04790 + 0.01437 = 0.24162
  const FMSelector albini = Select(GrassBed("Albini-13", "Arid"));
  EXPECT_NEAR(albini.FineLoad, 0.560425, 1e-12);
  EXPECT_NEAR(albini.LiveFraction, 0.8, 1e-12);
  EXPECT_NEAR(albini.HerbFraction, 0.8, 1e-12);
  EXPECT_EQ(albini.HerbShrubRatio, 9.0);
  EXPECT_NEAR(albini.CharacteristicSav, 6048.0835, 1e-3);
  EXPECT_NEAR(albini.BulkDensity, 3.6846, 1e-12);
  EXPECT_EQ(albini.Category, "Grass GR-1 ");
  EXPECT_EQ(albini.Model, "3");
  EXPECT_NEAR(albini.BestDistance, 0.24162, 1e-4);
  EXPECT_NEAR(albini.FuelBedDepth, 30.48, 1e-12);

  // "All" adds GR1, GR2, GR4, GR7; GR4: 0.25 (58.58/1329.4)^2
  // + 0.25 (2.894/6.3949)^2 + 0.5 (0.077325/0.68405)^2
  // = 0.00049 + 0.05120 + 0.00639 = 0.05807, below model 3 and GR2 (0.15622).
  const FMSelector all = Select(GrassBed("all", "Arid"));
  EXPECT_EQ(all.Model, "GR4");
  EXPECT_NEAR(all.BestDistance, 0.05807, 1e-4);
}

TEST(FuelModelSelectTest, HumidGrassChoosesAmongHumidGrassModels) {
  EXPECT_EQ(ChoicesAtRowPoints("Scott-40", FuelModelColumn(1, "Humid")),
            (Names{"GR1", "GR3", "GR5", "GR6", "GR8", "GR9"}));
  // The worked grass bed, humid: GR4 is out; GR5 0.06899 + 0.03130 + 0.00890
  // = 0.10920 beats GR6 0.11872 and GR1 0.35709.
  const FMSelector bed = Select(GrassBed("Scott-40", "humid"));
  EXPECT_EQ(bed.Model, "GR5");
  EXPECT_NEAR(bed.BestDistance, 0.10920, 1e-4);
}

TEST(FuelModelSelectTest, AridGrassShrubChoosesAmongAlbiniOneTwoThreeFive) {
  EXPECT_EQ(ChoicesAtRowPoints("Albini-13", FuelModelColumn(2, "Arid")),
            (Names{"1", "2", "3", "5"}));
  // 1-hour, grass and shrub 1 ton/acre each: herb share 1/3, ratio 1.
  StandardFuelInputs inputs = GrassBed("Albini-13", "Arid");
  inputs.OneHour = inputs.Grass = inputs.Shrub = 1;
  const FMSelector bed = Select(inputs);
  EXPECT_EQ(bed.Category, "Grass Shrub GS-2");
  EXPECT_TRUE((Names{"1", "2", "3", "5"}).contains(bed.Model.str())) << bed.Model.str();
}

TEST(FuelModelSelectTest, EqualDistancesKeepTheEarlierRow) {
  // A bed halfway between models 1 and 3 is equally far from both.
  const FuelModelRow& one = FuelModelTable[0];
  const FuelModelRow& three = FuelModelTable[2];
  const double sav = (double{one.Sav} + three.Sav) / 2;
  const double density = (double{one.BulkDensity} + three.BulkDensity) / 2;
  const double fine = (double{one.FineLoad} + three.FineLoad) / 2;
  ASSERT_EQ(FuelModelDistance(one, sav, density, fine),
            FuelModelDistance(three, sav, density, fine));
  const std::array<FuelModelRow, 2> oneFirst = {one, three};
  const std::array<FuelModelRow, 2> threeFirst = {three, one};
  EXPECT_EQ(NearestFuelModel(oneFirst, "Albini-13", 0, sav, density, fine).Name, "1");
  EXPECT_EQ(NearestFuelModel(threeFirst, "Albini-13", 0, sav, density, fine).Name, "3");
}

TEST(FuelModelSelectTest, ScanEndsAtEmptyNameOrRowLimit) {
  const FuelModelRow& gr1 = FuelModelTable[13];
  FuelModelRow blank = gr1;
  blank.Name = "";
  const std::array<FuelModelRow, 2> stopped = {blank, gr1};
  EXPECT_EQ(NearestFuelModel(stopped, "All", 0, gr1.Sav, 0, 0).Name, "NB9");

  std::vector<FuelModelRow> longTable(kFmsMaxRows + 1, FuelModelTable[5]);  // never eligible
  longTable.back() = gr1;
  EXPECT_EQ(NearestFuelModel(longTable, "All", 0, gr1.Sav, 0, 0).Name, "NB9");
  longTable[kFmsMaxRows - 1] = gr1;
  EXPECT_EQ(NearestFuelModel(longTable, "All", 0, gr1.Sav, 0, 0).Name, "GR1");
}

TEST(FuelModelSelectTest, UnknownSetIsNonBurnable) {
  for (const std::string_view set : {"Scott40", "None", ""}) {
    const FMSelector bed = Select(GrassBed(set, "Arid"));
    EXPECT_EQ(bed.Model, "NB9") << set;
    EXPECT_EQ(bed.Category, "Grass GR-1 ") << set;
    EXPECT_EQ(bed.BestDistance, 1e8) << set;
  }
}

TEST(FuelModelSelectTest, BulkDensityCountsLitterAndOneHourWoodOnly) {
  FMSelector bed;
  bed.Herb = 1;
  bed.OneHourClass = 1;  // lichen or moss: not dead fuel of the density
  EXPECT_DOUBLE_EQ(EstimatedBulkDensity(bed), 1.602);
  bed.Litter = 1;
  EXPECT_DOUBLE_EQ(EstimatedBulkDensity(bed), 6.8085);  // 1.602 + 10.413/2
  EXPECT_EQ(EstimatedBulkDensity(FMSelector{}), 0.0);
  EXPECT_EQ(CharacteristicSav(FMSelector{}), 0.0);
}

}  // namespace

}  // namespace sylvanor
