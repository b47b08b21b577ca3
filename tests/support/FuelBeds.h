#pragma once
// Fuel models and stands for the crown fire tests; models in lb/ft2, 1/ft, ft, fraction, BTU/lb.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "crownfire/HalvexTypes.h"

namespace sylvanor {

// clang-format off
// A static model from {1-h, 10-h, 100-h, herbaceous, woody load (ton/acre, 0.04591 lb/ft2), 1-h,
// herbaceous, woody SAV (1/ft), depth (ft), extinction moisture (%)}; 8000 BTU/lb, number as code.
inline CFuelModel StaticModel(int number, const std::array<double, 10>& f, std::string name = "") {
  const double t = 0.04591;
  return {.Number = number, .Code = std::to_string(number), .Load1Hr = f[0] * t,
          .Load10Hr = f[1] * t, .Load100Hr = f[2] * t, .LoadLiveHerb = f[3] * t,
          .LoadLiveWoody = f[4] * t, .Type = "N/A", .SAV1Hr = f[5], .SAVLiveHerb = f[6],
          .SAVLiveWoody = f[7], .Depth = f[8], .MxDead = f[9] / 100, .HeatDead = 8000,
          .HeatLive = 8000, .Name = std::move(name)};
}

// Standard fuel models 1, 2, 4, 9 and 10 as published (Anderson 1982, GTR INT-122, table 7).
inline std::vector<CFuelModel> StandardFuelModels() {
  return {StaticModel(1, {0.74, 0, 0, 0, 0, 3500, 0, 0, 1.0, 12}, "Short_grass"),
          StaticModel(2, {2.00, 1.00, 0.50, 0.50, 0, 3000, 1500, 0, 1.0, 15}, "Timber_grass"),
          StaticModel(4, {5.01, 4.01, 2.00, 0, 5.01, 2000, 0, 1500, 6.0, 20}, "Chaparral"),
          StaticModel(9, {2.92, 0.41, 0.15, 0, 0, 2500, 0, 0, 0.2, 25}, "Hardwood_litter"),
          StaticModel(10, {3.01, 2.00, 5.01, 0, 2.00, 2000, 0, 1500, 1.0, 25}, "Timber_litter")};
}

// A fuel bed whose multipliers are all 1.
inline CHalvexInputsSet FuelBed(int lowOrHigh, int model, double windFactor) {
  return {.LowOrHigh = lowOrHigh, .FuelModel = model, .WindReductionFactor = windFactor,
          .MultiplierROS = 1, .MuliplierLoadDepth = 1, .MuliplierIntensity = 1};
}

// A valid conifer stand: surface bed model 9 (wind factor 0.25), crown bed model 10 (0.5), crown
// fuel 5 ton/acre at 8000 BTU/lb, base 30 ft, bulk density 0.15 kg/m3, foliar moisture 100 %;
// flat, 5 mph open wind from uphill, 60 F; moistures 6 % herbaceous and 1-hour, 7 % 10-hour, 8 %
// 100-hour, 60 % live herbaceous, 90 % live woody.
inline CHalvexInputs DryStand() {
  return {.VegType = kVegConifer, .Low = FuelBed(0, 9, 0.25), .High = FuelBed(1, 10, 0.5),
          .CrownFuelLoad = 5, .CrownHeatContent = 8000, .CanopyBaseHeight = 30,
          .ShrubTransFlameLength = 0, .CanopyBulkDensity = 0.15, .ConiferFoliarMx = 100,
          .PercentSlope = 0, .OpenWindSpeed = 5, .WindDirFromUphill = 0, .TemperatureF = 60,
          .DeadHerbMx = 6, .OneHourMx = 6, .TenHourMx = 7, .HundredHourMx = 8, .LiveWoodyMx = 90,
          .LiveHerbMx = 60};
}
// clang-format on

}  // namespace sylvanor
