#include "crownfire/Halvex.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "crownfire/FuelModelFile.h"
#include "crownfire/SurfaceSpread.h"

namespace sylvanor {

namespace {

constexpr double kFtMinPerMph = 88.0;
constexpr double kChHPerMMin = 2.9826;     // m/min to chains per hour
constexpr double kKJm2PerBtuFt2 = 11.349;  // heat per unit area
// kW/m per BTU/ft/s, carried at three precisions by the published
// equations: the initiation criterion, the outputs and the scorch height.
constexpr double kKWmPerBtuFtSInit = 3.4591;
constexpr double kKWmPerBtuFtS = 3.459;
constexpr double kKWmPerBtuFtSScorch = 3.459143;
// Critical surface spread rate: BTU/ft/s over BTU/ft2 to m/min.
constexpr double kInitiationRateFactor = 18.2881;

constexpr double kCrownRosMultiplier = 3.34;  // Rothermel's crown fire rate
constexpr double kCrownWindFactor = 0.4;      // open to midflame wind, crown bed
constexpr double kActiveMassFlow = 3.0;       // kg/m2/min, active crowning
constexpr double kNoActiveCrowning = 999;     // m/min, when there is no canopy bulk density
constexpr double kScorchPoleF = 140;

double Positive(double x) {
  return x > 0 ? x : 0;
}
double Limit01(double x) {
  return x > 1 ? 1 : Positive(x);
}
double Finite(double x) {
  return std::isfinite(x) ? x : 0;
}

// A wind index with no finite value lies beyond any wind: it is held as the
// largest single-precision value, as is any index above that.
double LimitIndex(double x) {
  constexpr double most = std::numeric_limits<float>::max();
  return std::isfinite(x) && x < most ? x : most;
}

// Byram's flame length (ft) of an intensity in kW/m.
double Byram(double kWm) {
  return kByramCoef * std::pow(Positive(kWm), kByramExp) * kFeetPerMetre;
}

// The wind factor that brings the vector sum with the slope factor to the
// target: the larger of the two roots, neither below 0.
double WindFactorFor(double cosT, double sinT, double phiS, double target) {
  return std::max(Positive(CHalvex::GetWF(1, cosT, sinT, phiS, target)),
                  Positive(CHalvex::GetWF(2, cosT, sinT, phiS, target)));
}

// Van Wagner's scorch height (ft) from the intensity (kW/m), the midflame
// wind (mph) and the air temperature. The equation has a pole at 140 F and
// turns negative above it; there, and without any intensity, it is 0.
double ScorchHeight(double kWm, double wind, int tempF) {
  if (tempF >= kScorchPoleF) return 0;
  const double j = kWm / kKWmPerBtuFtSScorch;
  if (!(j > 0)) return 0;
  return std::pow(j, 7.0 / 6.0) / std::sqrt(wind * wind * wind + j) * 63.0 / (kScorchPoleF - tempF);
}

void ZeroNonFinite(CHalvexOutputsSet& set) {
  for (double* v :
       {&set.RateOfSpread, &set.HeatPerUnitArea, &set.FirelineIntensity, &set.FlameLength}) {
    *v = Finite(*v);
  }
}

void ZeroNonFinite(CHalvexOutputs& out) {
  for (double* v :
       {&out.TransitionFunction, &out.RateOfSpread, &out.HeatPerUnitArea, &out.FirelineIntensity,
        &out.FireIntensityScale, &out.FlameLength, &out.EffectiveMidflameWind, &out.ScorchHeight,
        &out.CrownFirelineIntensity, &out.CrownFlameLength, &out.CrownCriticalSurfaceROS,
        &out.CrownCriticalBulkDensity, &out.CrownCriticalCanopyCover, &out.CrownRActive,
        &out.CrownOCessation}) {
    *v = Finite(*v);
  }
  ZeroNonFinite(out.Low);
  ZeroNonFinite(out.High);
}

}  // namespace

bool CHalvex::LoadFuelModelFile(const std::string& path, std::string& message) {
  return sylvanor::LoadFuelModelFile(path, FuelModels, Metric, message);
}

CHalvexTempSet CHalvex::CalculateROS(const CHalvexInputsSet& set) const {
  return sylvanor::CalculateROS(FuelModels, Inputs, set);
}

double CHalvex::WindFactorDiscriminant(double cosTheta, double sinTheta, double phiS,
                                       double phiTarget) {
  const double a = cosTheta * cosTheta + sinTheta * sinTheta;
  return 4 * cosTheta * cosTheta * phiS * phiS - 4 * (phiS * phiS - phiTarget * phiTarget) * a;
}

double CHalvex::GetWF(int root, double cosTheta, double sinTheta, double phiS, double phiTarget) {
  // (phiW cos + phiS)^2 + (phiW sin)^2 = phiTarget^2, a quadratic in phiW.
  const double a = cosTheta * cosTheta + sinTheta * sinTheta;
  if (!(a > 0)) return 0;
  const double d = WindFactorDiscriminant(cosTheta, sinTheta, phiS, phiTarget);
  const double sqrtD = d > 0 ? std::sqrt(d) : 0;
  const double b = -2 * cosTheta * phiS;
  return (root == 1 ? b + sqrtD : b - sqrtD) / (2 * a);
}

double CHalvex::OpenWindForWindFactor(const CHalvexTempSet& t, double k, double phiW) {
  const double perMidflame = t.WindC * std::pow(t.PackingRatio / t.OptPackingRatio, -t.WindE);
  return std::pow(phiW / perMidflame, 1 / t.WindB) / (kFtMinPerMph * k);
}

CHalvexOutputs CHalvex::CalculateHalvexOutputs(bool& success) {
  success = false;
  Outputs = CHalvexOutputs();
  if (!Inputs.isValid(Outputs)) return Outputs;

  Inputs.CalculateInitiation();
  Inputs.CalculateHPAHighConifer();

  HighResult = CHalvexTempSet();
  LowResult = CalculateROS(Inputs.Low);
  if (!(LowResult.ROS > 0)) {
    // The surface fire does not spread: nothing to assess.
    success = true;
    return Outputs;
  }
  if (Inputs.VegType != kVegNoCanopy) HighResult = CalculateROS(Inputs.High);

  Outputs = CalculateOutputs();
  success = true;
  return Outputs;
}

CHalvexOutputs CHalvex::CalculateOutputs() {
  const CHalvexInputs& in = Inputs;
  CHalvexTempSet& L = LowResult;
  CHalvexTempSet& H = HighResult;
  const double theta = in.WindDirFromUphill / kDegreesPerRadian;
  const double cosT = std::cos(theta);
  const double sinT = std::sin(theta);
  const double i0 = in.Initiation;  // kW/m
  const bool conifer = in.VegType == kVegConifer;
  const bool noCanopy = in.VegType == kVegNoCanopy;
  // The crown fuel bed takes part only when it spreads; when its fuel model
  // is missing or too wet there is no crown rate to blend toward, and the
  // stand is rated as a surface fire with no crowning index.
  const bool crownBed = !noCanopy && H.ROS > 0;

  // Torching index: the surface spread rate reaches the critical rate for
  // initiation when R0 (1 + phi) = R'init, solved for the wind factor.
  double torching = 0;
  {
    const double phiInit =
        Positive((i0 / kKWmPerBtuFtSInit * 60 * L.BulkDensity * L.HeatSink) /
                     (L.PropFluxRatio * L.HPA * L.ReactionIntensity * in.Low.MultiplierROS) -
                 1);
    // No wind reaches the target when the slope alone carries the fire past
    // it across the wind: no wind is needed.
    if (!(WindFactorDiscriminant(cosT, sinT, L.SlopeFactor, phiInit) < 0)) {
      torching = OpenWindForWindFactor(L, in.Low.WindReductionFactor,
                                       WindFactorFor(cosT, sinT, L.SlopeFactor, phiInit));
    }
  }

  double rActive = kNoActiveCrowning;  // m/min
  double rInit = 0;                    // m/min
  double crowning = 0;
  double cessation = 0;
  double surfacing = 0;
  double tf = 0;
  if (!noCanopy) {
    if (in.CanopyBulkDensity > 0) rActive = kActiveMassFlow / in.CanopyBulkDensity;
    rInit = i0 / kKWmPerBtuFtSInit / L.HPA * kInitiationRateFactor;
    if (crownBed) {
      const double m = conifer ? kCrownRosMultiplier : 1;
      const double kHigh = conifer ? kCrownWindFactor : in.High.WindReductionFactor;
      const double crownDivisor = H.ReactionIntensity * H.PropFluxRatio * in.High.MultiplierROS * m;

      // Crowning index: the crown bed spreads at the active rate.
      const double phiActive =
          (rActive * kFeetPerMetre * H.BulkDensity * H.HeatSink) / crownDivisor - 1;
      crowning =
          OpenWindForWindFactor(H, kHigh, WindFactorFor(cosT, sinT, H.SlopeFactor, phiActive));

      // Cessation: the crown bed slows to the critical surface rate.
      const double phiCessation =
          (rInit * kFeetPerMetre * H.BulkDensity * H.HeatSink) / crownDivisor - 1;
      cessation =
          OpenWindForWindFactor(H, kHigh, WindFactorFor(cosT, sinT, H.SlopeFactor, phiCessation));
      // The larger of the two winds, unknown when either is.
      surfacing = std::isnan(cessation) || std::isnan(crowning)
                      ? std::numeric_limits<double>::quiet_NaN()
                      : Positive(std::max(cessation, crowning));

      // The surface spread rate at the crowning index. An index beyond any
      // finite wind leaves this infinite, and the fraction burned 0.
      const double phiW = L.WindC *
                          std::pow(crowning * kFtMinPerMph * in.Low.WindReductionFactor, L.WindB) *
                          std::pow(L.PackingRatio / L.OptPackingRatio, -L.WindE);
      const double phiE = std::hypot(cosT * phiW + L.SlopeFactor, sinT * phiW);
      const double rSurfaceAtCrowning = L.ROS0 * (1 + phiE);

      // Crown fraction burned.
      if (H.ROS >= rActive) {
        tf = 1;
      } else if (L.ROS < rInit) {
        tf = 0;
      } else {
        tf = Limit01((L.ROS - rInit) / (rSurfaceAtCrowning - rInit));
      }
    }
  }

  CHalvexOutputs out;
  if (crownBed && L.ROS <= rInit && H.ROS > rActive) {
    out.FireType = 3;
  } else if (tf == 0) {
    out.FireType = 1;
  } else if (tf == 1) {
    out.FireType = 4;
  } else {
    out.FireType = 2;
  }
  out.TransitionFunction = tf;

  const double hRos = crownBed ? H.ROS : 0;
  const double ros = (hRos - L.ROS) * tf + L.ROS;
  out.RateOfSpread = kChHPerMMin * ros;
  out.Low.RateOfSpread = kChHPerMMin * L.ROS;
  out.High.RateOfSpread = kChHPerMMin * hRos;

  // A conifer's crown bed burns the canopy fuel.
  if (crownBed && conifer) H.HPA = in.CrownHPA;
  const double hHpa = crownBed ? H.HPA : 0;
  out.HeatPerUnitArea = tf * hHpa + L.HPA;
  out.Low.HeatPerUnitArea = L.HPA;
  out.High.HeatPerUnitArea = hHpa;

  const double intensity = out.HeatPerUnitArea * kKJm2PerBtuFt2 * ros / 60;  // kW/m
  L.FirelineIntensity = L.HPA * kKJm2PerBtuFt2 * L.ROS / 60;
  const double hIntensity = hHpa * kKJm2PerBtuFt2 * hRos / 60;
  if (crownBed) H.FirelineIntensity = hIntensity;
  out.FirelineIntensity = intensity / kKWmPerBtuFtS;
  out.Low.FirelineIntensity = L.FirelineIntensity / kKWmPerBtuFtS;
  out.High.FirelineIntensity = hIntensity / kKWmPerBtuFtS;
  out.FireIntensityScale = intensity > 1 ? std::log10(intensity) : 0;

  // Flame lengths: Byram's for the surface, Thomas's for a conifer crown.
  out.Low.FlameLength = Byram(L.FirelineIntensity);
  const double surfaceFlame = Byram(intensity);
  if (conifer) {
    const double crownFlame =
        crownBed ? 0.2 * std::pow(Positive(intensity / kKWmPerBtuFtS), 2.0 / 3.0) : 0;
    out.High.FlameLength = crownFlame;
    out.FlameLength = (crownFlame - surfaceFlame) * tf + surfaceFlame;
  } else {
    out.High.FlameLength = Byram(hIntensity);
    out.FlameLength = surfaceFlame;
  }

  out.EffectiveMidflameWind =
      crownBed ? (H.EffectiveWind - L.EffectiveWind) * tf + L.EffectiveWind : L.EffectiveWind;
  out.ScorchHeight = ScorchHeight(intensity, L.EffectiveWind, in.TemperatureF);

  out.TorchingIndex = LimitIndex(torching);
  out.CrowningIndex = LimitIndex(crowning);
  out.SurfacingIndex = LimitIndex(surfacing);
  out.CrownOCessation = cessation;

  if (!noCanopy) {
    out.CrownFirelineIntensity = i0 / kKWmPerBtuFtS;
    out.CrownFlameLength = Byram(i0);
    out.CrownCriticalSurfaceROS = kChHPerMMin * rInit;
    out.CrownCriticalBulkDensity = crownBed ? kActiveMassFlow / H.ROS : 0;
    out.CrownRActive = kChHPerMMin * rActive;
    out.CrownCriticalCanopyCover = 0;  // the model has no canopy cover input
  }

  ZeroNonFinite(out);
  return out;
}

}  // namespace sylvanor
