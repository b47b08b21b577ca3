#include "crownfire/HalvexTypes.h"

#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "base/CFormat.h"

namespace sylvanor {

namespace {

// Records a failed check; always false so that a check can return it.
bool Fail(CHalvexOutputs& out, int number, std::string text) {
  out.ErrorNumber = number;
  out.ErrorDescription = std::move(text);
  return false;
}

// Foliar ignition: heat of ignition 460 + 25.9 M kJ/kg, 3050 at M = 100.
constexpr double kIgnitionBase = 460.0;
constexpr double kIgnitionPerMx = 25.9;
constexpr double kIgnitionAt100 = 3050.0;
constexpr double kInitiationCoef = 0.01;

// Canopy fuel load (ton/acre) to lb/ft2, and its product with the standard
// canopy heat content of 7745 BTU/lb.
constexpr double kTonAcreToLbFt2 = 0.045914;
constexpr double kStandardCrownHeat = 7745.0;
constexpr double kStandardCrownHPAPerLoad = 355.60393000000005;

}  // namespace

bool CHalvexInputsSet::isValid(CHalvexOutputs& out) const {
  if (LowOrHigh != 0 && LowOrHigh != 1) {
    return Fail(out, 3001, CFormat("Invalid Low/High flag: %d", LowOrHigh));
  }
  if (FuelModel <= 0) return Fail(out, 3002, CFormat("Fuel Model: %d is invalid", FuelModel));
  const std::string_view prefix = LowOrHigh == 1 ? "HIGH: " : "LOW: ";
  // Written so that a NaN fails every check.
  if (!(WindReductionFactor > 0 && WindReductionFactor < 1)) {
    return Fail(out, 3003,
                CFormat("%sInvalid Wind Reduction Factor: %f", prefix, WindReductionFactor));
  }
  if (!(MultiplierROS > 0)) {
    return Fail(out, 3004, CFormat("%sInvalid Mulitiplier ROS: %f", prefix, MultiplierROS));
  }
  if (!(MuliplierLoadDepth > 0)) {
    return Fail(out, 3005,
                CFormat("%sInvalid Mulitiplier LoadDepth: %f", prefix, MuliplierLoadDepth));
  }
  if (!(MuliplierIntensity > 0)) {
    return Fail(out, 3006,
                CFormat("%sInvalid Mulitiplier Intensity: %f", prefix, MuliplierIntensity));
  }
  return true;
}

bool CHalvexInputs::isValid(CHalvexOutputs& out) const {
  if (VegType < kVegShrub || VegType > kVegNoCanopy) {
    return Fail(out, 2001, CFormat("Invalid VegType: %d", VegType));
  }
  if (!Low.isValid(out)) return false;
  if (VegType != kVegNoCanopy && !High.isValid(out)) return false;
  if (!(CanopyBulkDensity >= 0)) {
    return Fail(out, 2002, CFormat("Invalid Canopy Bulk Density: %f", CanopyBulkDensity));
  }
  if (PercentSlope < 0 || PercentSlope > 180) {
    return Fail(out, 2003, CFormat("Invalid Percent Slope: %d", PercentSlope));
  }
  if (!(OpenWindSpeed >= 0)) {
    return Fail(out, 2004, CFormat("Invalid Open Wind Speed: %f", OpenWindSpeed));
  }
  if (WindDirFromUphill < 0 || WindDirFromUphill > 360) {
    return Fail(out, 2005, CFormat("Invalid Wind Direction From Uphill: %d", WindDirFromUphill));
  }
  if (!(Initiation >= 0 || Initiation == -1)) {
    return Fail(out, 2006, CFormat("Invalid Initiation: %f", Initiation));
  }
  if (TemperatureF < 40 || TemperatureF > 150) {
    return Fail(out, 2007, CFormat("Invalid Temperature: %d", TemperatureF));
  }
  if (DeadHerbMx < 0) {
    return Fail(out, 2008, CFormat("Invalid Dead Herbaceous Moisture Content: %d", DeadHerbMx));
  }
  if (OneHourMx < 0) {
    return Fail(out, 2009, CFormat("Invalid Dead 1-hour Moisture Content: %d", OneHourMx));
  }
  if (TenHourMx < 0) {
    return Fail(out, 2010, CFormat("Invalid Dead 10-hour Moisture Content: %d", TenHourMx));
  }
  if (HundredHourMx < 0) {
    return Fail(out, 2011, CFormat("Invalid Dead 100-hour Moisture Content: %d", HundredHourMx));
  }
  if (LiveWoodyMx < 0) {
    return Fail(out, 2012, CFormat("Invalid Live Woody Moisture Content: %d", LiveWoodyMx));
  }
  if (LiveHerbMx < 0) {
    return Fail(out, 2013, CFormat("Invalid Live Herbaceous Moisture Content: %d", LiveHerbMx));
  }
  return true;
}

void CHalvexInputs::CalculateInitiation() {
  if (Initiation == -1) {
    // Derived from the canopy. A base that is not positive (a canopy at the
    // ground, or unset values) needs no surface intensity at all.
    double base = 0;
    if (VegType == kVegConifer) {
      base = kInitiationCoef * (CanopyBaseHeight / kFeetPerMetre) *
             (kIgnitionBase + kIgnitionPerMx * ConiferFoliarMx);
      Initiation = base > 0 ? std::pow(base, 1.5) : 0;
    } else if (VegType == kVegShrub) {
      base = (ShrubTransFlameLength / kFeetPerMetre) / kByramCoef;
      Initiation = base > 0 ? std::pow(base, 1 / kByramExp) : 0;
    } else {
      Initiation = 0;
    }
    return;
  }
  // Given: the canopy values are back-filled from it, a conifer canopy at
  // the standard foliar moisture of 100 %.
  CanopyBaseHeight = 0;
  ConiferFoliarMx = 0;
  ShrubTransFlameLength = 0;
  if (VegType == kVegConifer) {
    ConiferFoliarMx = 100;
    CanopyBaseHeight =
        std::pow(Initiation, 2.0 / 3.0) / kInitiationCoef / kIgnitionAt100 * kFeetPerMetre;
  } else if (VegType == kVegShrub) {
    ShrubTransFlameLength = kByramCoef * std::pow(Initiation, kByramExp) * kFeetPerMetre;
  }
}

void CHalvexInputs::CalculateHPAHighConifer() {
  if (VegType != kVegConifer) return;
  if (CrownHPA == -1) {
    CrownHPA = CrownFuelLoad * kTonAcreToLbFt2 * CrownHeatContent;
  } else {
    CrownHeatContent = kStandardCrownHeat;
    CrownFuelLoad = CrownHPA / kStandardCrownHPAPerLoad;
  }
}

}  // namespace sylvanor
