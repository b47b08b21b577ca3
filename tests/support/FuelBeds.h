#pragma once
// Fuel models and stands for the crown fire tests, in the units the models hold: loads lb/ft2, SAV
// 1/ft, depth ft, moisture of extinction a fraction, heat BTU/lb.

#include <array>
#include <string>
#include <vector>

#include "crownfire/HalvexTypes.h"

namespace sylvanor {

// lb/ft2 per ton/acre, the factor of an ENGLISH fuel model file.
inline constexpr double kLbFt2PerTonAcre = 0.04591;

// A static model from {1-h, 10-h, 100-h, live herbaceous, live woody load (ton/acre), 1-h,
// herbaceous, woody SAV (1/ft), depth (ft), moisture of extinction (%)}; 8000 BTU/lb, the number
// as its code.
CFuelModel StaticModel(int number, const std::array<double, 10>& figures,
                       const std::string& name = "");

// Standard fuel models 1, 2, 4, 9 and 10 as published (Anderson 1982, Aids to determining fuel
// models for estimating fire behavior, GTR INT-122, table 7).
std::vector<CFuelModel> StandardFuelModels();

// A fuel bed whose multipliers are all 1.
CHalvexInputsSet FuelBed(int lowOrHigh, int model, double windFactor);

// A conifer stand that passes every check: surface bed model 9 (wind factor 0.25), crown bed
// model 10 (0.5), crown fuel 5 ton/acre at 8000 BTU/lb, base 30 ft, bulk density 0.15 kg/m3,
// foliar moisture 100 %; flat, 5 mph open wind from uphill, 60 F; dead moistures 6, 6, 7, 8 %
// (herbaceous, 1-, 10-, 100-hour), live herbaceous 60 %, live woody 90 %.
CHalvexInputs DryStand();

}  // namespace sylvanor
