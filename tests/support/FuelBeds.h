#pragma once
// Fuel models and stands for the crown fire tests; models in lb/ft2, 1/ft, ft, fraction, BTU/lb.

#include <array>
#include <string>
#include <vector>

#include "crownfire/HalvexTypes.h"

namespace sylvanor {

inline constexpr double kLbFt2PerTonAcre = 0.04591;  // an ENGLISH fuel model file's factor

// A static model from {1-h, 10-h, 100-h, herbaceous, woody load (ton/acre), 1-h, herbaceous, woody
// SAV (1/ft), depth (ft), moisture of extinction (%)}; 8000 BTU/lb, the number as its code.
CFuelModel StaticModel(int number, const std::array<double, 10>& figures,
                       const std::string& name = "");

// Standard fuel models 1, 2, 4, 9 and 10 as published (Anderson 1982, GTR INT-122, table 7).
std::vector<CFuelModel> StandardFuelModels();

// A fuel bed whose multipliers are all 1.
CHalvexInputsSet FuelBed(int lowOrHigh, int model, double windFactor);

// A valid conifer stand: surface bed model 9 (wind factor 0.25), crown bed model 10 (0.5), crown
// fuel 5 ton/acre at 8000 BTU/lb, base 30 ft, bulk density 0.15 kg/m3, foliar moisture 100 %;
// flat, 5 mph open wind from uphill, 60 F; moistures 6 % herbaceous and 1-hour, 7 % 10-hour, 8 %
// 100-hour, 60 % live herbaceous, 90 % live woody.
CHalvexInputs DryStand();

}  // namespace sylvanor
