#include "crownfire/FuelModelSelect.h"

#include <algorithm>

#include "base/Keyword.h"
#include "stand/UnitFactors.h"

namespace sylvanor {

namespace {

// Category thresholds: a bed is timber litter or slash up to this live share
// of the fine load, grass from this herbaceous share, shrub or timber
// understory up to this herb-to-shrub ratio and grass above the last ratio.
constexpr double kMaxLitterLiveFraction = 0.24;
constexpr double kMinGrassHerbFraction = 0.75;
constexpr double kMaxShrubHerbRatio = 0.25;
constexpr double kMaxGrassShrubHerbRatio = 2.0;
// The herb-to-shrub ratio of a bed with no shrub load, which puts it in the
// grass category.
constexpr double kNoShrubHerbRatio = 9.0;

constexpr std::array<std::string_view, 4> kCategoryText = {
    "Grass GR-1 ", "Grass Shrub GS-2", "Shrub Timber Liter SH-TU-3",
    "Timber litter or Slash blowdown TL-SB-4"};

// Bulk density estimate: base value (kg/m3) and the rise per unit dead share.
constexpr double kBulkDensityBase = 1.602;
constexpr double kBulkDensityDeadSlope = 10.413;

// The scales and weights of the three terms of the distance.
constexpr double kSavScale = 1329.4;        // 1/m
constexpr double kDensityScale = 6.3949;    // kg/m3
constexpr double kFineLoadScale = 0.68405;  // kg/m2
constexpr double kSavWeight = 0.25;
constexpr double kDensityWeight = 0.25;
constexpr double kFineLoadWeight = 0.5;

constexpr std::string_view kAnySet = "All";
constexpr std::string_view kHumid = "Humid";

double Square(double x) {
  return x * x;
}

}  // namespace

FMSelector FillFMSelector(const StandardFuelInputs& in) {
  constexpr double kLoad = kKgM2PerTonAcre<double>;
  FMSelector bed;
  bed.Climate = in.Climate;
  bed.FuelModelSet = in.FuelModelSet;
  bed.Litter = in.Litter * kLoad;
  bed.OneHourWood = in.OneHour * kLoad;
  bed.OneHourClass = bed.Litter + in.Lichen * kLoad + in.Moss * kLoad + bed.OneHourWood;
  bed.Herb = in.Grass * kLoad;
  bed.Shrub = in.Shrub * kLoad;
  bed.TenHour = in.TenHour * kLoad;
  bed.HundredHour = in.HundredHour * kLoad;
  bed.OneHourSav = in.OneHourSav * kFtPerM<double>;
  bed.HerbSav = in.GrassSav * kFtPerM<double>;
  bed.ShrubSav = in.ShrubSav * kFtPerM<double>;
  bed.FuelBedDepth = in.FuelBedDepth * kCmPerIn<double>;
  return bed;
}

FuelBedClass ClassifyFuelBed(double oneHourClass, double herb, double shrub, double tenHour,
                             double hundredHour) {
  FuelBedClass bed;
  bed.FineLoad = oneHourClass + herb + shrub;
  if (bed.FineLoad == 0) {
    // Coarse wood alone burns as timber litter or slash; without it nothing
    // burns. The shares of a zero fine load are left 0.
    bed.Category = (tenHour > 0 || hundredHour > 0) ? 4 : 0;
    return bed;
  }
  bed.LiveFraction = (herb + shrub) / bed.FineLoad;
  bed.HerbFraction = herb / bed.FineLoad;
  bed.HerbShrubRatio = shrub == 0 ? kNoShrubHerbRatio : herb / shrub;
  if (bed.LiveFraction <= kMaxLitterLiveFraction) {
    bed.Category = 4;
  } else if (bed.HerbFraction >= kMinGrassHerbFraction) {
    bed.Category = 1;
  } else if (bed.HerbShrubRatio <= kMaxShrubHerbRatio) {
    bed.Category = 3;
  } else if (bed.HerbShrubRatio > kMaxGrassShrubHerbRatio) {
    bed.Category = 1;
  } else {
    bed.Category = 2;
  }
  return bed;
}

std::string_view FuelCategoryText(int category) {
  if (category < 1 || category > static_cast<int>(kCategoryText.size())) return {};
  return kCategoryText[static_cast<std::size_t>(category - 1)];
}

double CharacteristicSav(const FMSelector& bed) {
  const std::array<double, 5> loads = {bed.OneHourClass, bed.TenHour, bed.HundredHour, bed.Herb,
                                       bed.Shrub};
  const std::array<double, 5> savs = {bed.OneHourSav, kFmsTenHourSav, kFmsHundredHourSav,
                                      bed.HerbSav, bed.ShrubSav};
  double area = 0;
  double weighted = 0;
  for (std::size_t i = 0; i < loads.size(); ++i) {
    const double a = loads[i] * savs[i];
    area += a;
    weighted += savs[i] * a;
  }
  // A bed without surface area has no characteristic SAV; 0 rather than
  // dividing by nothing.
  return area == 0 ? 0.0 : weighted / area;
}

double EstimatedBulkDensity(const FMSelector& bed) {
  const double dead = bed.Litter + bed.OneHourWood;
  const double total = dead + bed.Herb + bed.Shrub;
  // Without litter, 1-hour wood, herbaceous or shrub fuel there is no bed to
  // take a density of: 0.
  if (total == 0) return 0.0;
  return kBulkDensityBase + kBulkDensityDeadSlope * dead / total;
}

int FuelModelColumn(int category, std::string_view climate) {
  return SameKeyword(climate, kHumid) ? category + 3 : category - 1;
}

double FuelModelDistance(const FuelModelRow& row, double sav, double bulkDensity, double fineLoad) {
  return kSavWeight * Square((sav - row.Sav) / kSavScale) +
         kDensityWeight * Square((bulkDensity - row.BulkDensity) / kDensityScale) +
         kFineLoadWeight * Square((fineLoad - row.FineLoad) / kFineLoadScale);
}

FuelModelMatch NearestFuelModel(std::span<const FuelModelRow> table, std::string_view set,
                                int column, double sav, double bulkDensity, double fineLoad) {
  FuelModelMatch best{kFmsNonBurnable, kFmsNoDistance};
  if (column < 0 || column >= 8) return best;
  const auto flag = static_cast<std::size_t>(column);
  const bool anySet = SameKeyword(set, kAnySet);
  const std::size_t rows = std::min(table.size(), kFmsMaxRows);
  for (std::size_t i = 0; i < rows; ++i) {
    const FuelModelRow& row = table[i];
    if (row.Name.empty()) break;
    if (!anySet && !SameKeyword(row.Set, set)) continue;
    if (!row.Eligible[flag]) continue;
    const double distance = FuelModelDistance(row, sav, bulkDensity, fineLoad);
    if (distance < best.Distance) best = {row.Name, distance};
  }
  return best;
}

bool SelectStandardFuelModel(FMSelector& bed) {
  bed.LiveFraction = bed.HerbFraction = bed.HerbShrubRatio = 0;
  bed.FineLoad = bed.CharacteristicSav = bed.BulkDensity = 0;
  bed.Category.clear();
  bed.BestDistance = 0;

  const FuelBedClass kind =
      ClassifyFuelBed(bed.OneHourClass, bed.Herb, bed.Shrub, bed.TenHour, bed.HundredHour);
  bed.FineLoad = kind.FineLoad;
  if (kind.Category == 0) {
    // Nothing burns: no model is looked for and the distance stays 0.
    bed.Model = kFmsNonBurnable;
    return true;
  }
  bed.LiveFraction = kind.LiveFraction;
  bed.HerbFraction = kind.HerbFraction;
  bed.HerbShrubRatio = kind.HerbShrubRatio;
  bed.Category = FuelCategoryText(kind.Category);
  bed.CharacteristicSav = CharacteristicSav(bed);
  bed.BulkDensity = EstimatedBulkDensity(bed);

  const FuelModelMatch match = NearestFuelModel(
      FuelModelTable, bed.FuelModelSet, FuelModelColumn(kind.Category, bed.Climate),
      bed.CharacteristicSav, bed.BulkDensity, bed.FineLoad);
  bed.Model = match.Name;
  bed.BestDistance = match.Distance;
  return true;
}

}  // namespace sylvanor
