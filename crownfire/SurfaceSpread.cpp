#include "crownfire/SurfaceSpread.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sylvanor {

namespace {

// One fuel class of the working fuel bed.
struct FuelClass {
  double load = 0;   // lb/ft2
  double sav = 0;    // 1/ft
  int moisture = 0;  // percent
  double area = 0;
  double fraction = 0;  // share of its category's surface area
};

// a / b, or 0 where the quotient is not a finite number (b is 0).
double Quotient(double a, double b) {
  const double q = a / b;
  return std::isfinite(q) ? q : 0;
}

double Finite(double value) {
  return std::isfinite(value) ? value : 0;
}

// exp(-k / sav); a class without surface (sav not above 0) heats nothing.
double HeatingNumber(double k, double sav) {
  return sav > 0 ? std::exp(-k / sav) : 0;
}

// The five size subclasses of the net load weighting, by SAV (1/ft).
int SavSubclass(double sav) {
  if (sav < 48) return 0;
  if (sav < 96) return 1;
  if (sav < 192) return 2;
  if (sav < 1200) return 3;
  return 4;
}

// Sum over the subclasses of (net load of the subclass) x (area fraction of
// the subclass), for classes given as (net load, fraction, SAV).
template <std::size_t N>
double SubclassWeightedLoad(const std::array<std::array<double, 3>, N>& classes) {
  std::array<double, 5> load{};
  std::array<double, 5> fraction{};
  for (const auto& [wn, f, sav] : classes) {
    const int k = SavSubclass(sav);
    load[k] += wn;
    fraction[k] += f;
  }
  double sum = 0;
  for (int k = 0; k < 5; ++k)
    sum += load[k] * fraction[k];
  return sum;
}

// Moisture damping for a moisture ratio. The polynomial is 0 at a ratio of 1
// (1 - 2.59 + 5.11 - 3.52); taken exactly, so that fuel at its moisture of
// extinction gives no reaction at all rather than a rounding residue.
double MoistureDamping(double r) {
  if (r >= 1) return 0;
  return 1 - 2.59 * r + 5.11 * r * r - 3.52 * r * r * r;
}

// A fuel bed without fuel surface or without depth: it cannot spread.
CHalvexTempSet NoFuelSet() {
  CHalvexTempSet set;
  set.BulkDensity = set.ROS = set.HeatSink = set.HPA = set.PropFluxRatio = 0;
  set.ReactionIntensity = set.SlopeFactor = set.WindC = set.PackingRatio = 0;
  set.OptPackingRatio = set.RelPackingRatio = set.WindE = set.WindB = 0;
  set.ROS0 = set.EffectiveWind = 0;
  return set;
}

}  // namespace

const CFuelModel* FindFuelModel(const std::vector<CFuelModel>& models, int number) {
  const auto it = std::find_if(models.begin(), models.end(),
                               [number](const CFuelModel& m) { return m.Number == number; });
  return it == models.end() ? nullptr : &*it;
}

void CalculateDynamicFuelModelLoads(CFuelModel& model, int liveHerbMx) {
  if (model.Type != "dynamic") {
    model.LoadDeadHerb = 0;
    return;
  }
  const double cured = std::clamp(1.333 - 0.0111 * liveHerbMx, 0.0, 1.0);
  model.LoadDeadHerb = cured * model.LoadLiveHerb;
  model.LoadLiveHerb = (1 - cured) * model.LoadLiveHerb;
}

double FindWnDead(double wnHerb, double fHerb, double wn1, double f1, double wn10, double f10,
                  double wn100, double f100, const CFuelModel& model) {
  return SubclassWeightedLoad(std::array<std::array<double, 3>, 4>{{
      {wnHerb, fHerb, model.SAVLiveHerb},
      {wn1, f1, model.SAV1Hr},
      {wn10, f10, model.SAV10Hr},
      {wn100, f100, model.SAV100Hr},
  }});
}

double FindWnLive(double wnHerb, double fHerb, double wnWoody, double fWoody,
                  const CFuelModel& model) {
  return SubclassWeightedLoad(std::array<std::array<double, 3>, 2>{{
      {wnHerb, fHerb, model.SAVLiveHerb},
      {wnWoody, fWoody, model.SAVLiveWoody},
  }});
}

CHalvexTempSet CalculateROS(const std::vector<CFuelModel>& models, const CHalvexInputs& inputs,
                            const CHalvexInputsSet& set) {
  const CFuelModel* found = FindFuelModel(models, set.FuelModel);
  if (found == nullptr) return CHalvexTempSet{};

  // The working fuel bed: herbaceous transfer, then the load multiplier.
  CFuelModel m = *found;
  CalculateDynamicFuelModelLoads(m, inputs.LiveHerbMx);
  const double loadDepth = set.MuliplierLoadDepth;
  m.LoadDeadHerb *= loadDepth;
  m.Load1Hr *= loadDepth;
  m.Load10Hr *= loadDepth;
  m.Load100Hr *= loadDepth;
  m.LoadLiveHerb *= loadDepth;
  m.LoadLiveWoody *= loadDepth;

  const double wDead = m.Load1Hr + m.LoadDeadHerb + m.Load10Hr + m.Load100Hr;
  const double wLive = m.LoadLiveHerb + m.LoadLiveWoody;
  const double w = wDead + wLive;

  // Cured herbaceous, 1-, 10-, 100-hour; live woody, live herbaceous.
  std::array<FuelClass, 4> dead{{
      {m.LoadDeadHerb, m.SAVLiveHerb, inputs.DeadHerbMx},
      {m.Load1Hr, m.SAV1Hr, inputs.OneHourMx},
      {m.Load10Hr, m.SAV10Hr, inputs.TenHourMx},
      {m.Load100Hr, m.SAV100Hr, inputs.HundredHourMx},
  }};
  std::array<FuelClass, 2> live{{
      {m.LoadLiveWoody, m.SAVLiveWoody, inputs.LiveWoodyMx},
      {m.LoadLiveHerb, m.SAVLiveHerb, inputs.LiveHerbMx},
  }};
  FuelClass& deadHerb = dead[0];
  FuelClass& oneHour = dead[1];
  FuelClass& tenHour = dead[2];
  FuelClass& hundredHour = dead[3];
  FuelClass& liveWoody = live[0];
  FuelClass& liveHerb = live[1];

  double areaDead = 0;
  for (FuelClass& c : dead) {
    c.area = c.sav * c.load;
    areaDead += c.area;
  }
  double areaLive = 0;
  for (FuelClass& c : live) {
    c.area = c.sav * c.load;
    areaLive += c.area;
  }
  if (!(areaLive > 0)) areaLive = 0.0001;

  // Without dead surface the dead fractions are 0 and the bed is live fuel
  // alone.
  for (FuelClass& c : dead)
    c.fraction = Quotient(c.area, areaDead);
  for (FuelClass& c : live)
    c.fraction = Quotient(c.area, areaLive);
  const double fDead = Quotient(areaDead, areaDead + areaLive);
  const double fLive = Quotient(areaLive, areaDead + areaLive);

  double savDead = 0;
  for (const FuelClass& c : dead)
    savDead += c.fraction * c.sav;
  double savLive = 0;
  for (const FuelClass& c : live)
    savLive += c.fraction * c.sav;
  const double sav = fLive * savLive + fDead * savDead;

  double moistDead = 0;  // percent
  for (const FuelClass& c : dead)
    moistDead += c.fraction * c.moisture;
  const double moistLive =
      liveWoody.fraction * inputs.LiveWoodyMx + liveHerb.fraction * inputs.LiveHerbMx;

  // The area fractions sum to 1 only within rounding: a bed whose every dead
  // class is at the extinction moisture must not come out a hair below it.
  if (moistDead + 1e-9 >= 100 * m.MxDead) return CHalvexTempSet{};

  auto preignition = [](const FuelClass& c) { return 250 + 11.16 * c.moisture; };
  auto netLoad = [](const FuelClass& c) { return (1 - kTotalMineral) * c.load; };
  const double wnDead =
      FindWnDead(netLoad(deadHerb), deadHerb.fraction, netLoad(oneHour), oneHour.fraction,
                 netLoad(tenHour), tenHour.fraction, netLoad(hundredHour), hundredHour.fraction, m);
  const double wnLive =
      FindWnLive(netLoad(liveHerb), liveHerb.fraction, netLoad(liveWoody), liveWoody.fraction, m);

  const double bulkDensity = w / (m.Depth * loadDepth);
  if (!(sav > 0) || !std::isfinite(sav) || !(bulkDensity > 0) || !std::isfinite(bulkDensity))
    return NoFuelSet();
  const double beta = bulkDensity / kParticleDensity;

  const double sav15 = std::pow(sav, 1.5);
  const double gammaMax = sav15 / (495 + 0.0594 * sav15);
  const double betaOp = 3.348 * std::pow(sav, -0.8189);
  const double exponentA = 133 * std::pow(sav, -0.7913);
  const double mineralDamping = 0.174 * std::pow(kEffectiveMineral, -0.19);
  const double windC = 7.47 * std::exp(-0.133 * std::pow(sav, 0.55));
  const double windB = 0.02526 * std::pow(sav, 0.54);
  const double windE = 0.715 * std::exp(-0.000359 * sav);
  const double xi =
      std::exp((0.792 + 0.681 * std::sqrt(sav)) * (beta + 0.1)) / (192 + 0.2595 * sav);
  const double relPacking = beta / betaOp;
  const double gamma =
      gammaMax * std::pow(relPacking, exponentA) * std::exp(exponentA * (1 - relPacking));

  // Live fuel moisture of extinction.
  double fineDead = 0;
  for (const FuelClass& c : dead)
    fineDead += HeatingNumber(138, c.sav) * c.load;
  double fineLive = 0;
  for (const FuelClass& c : live)
    fineLive += HeatingNumber(500, c.sav) * c.load;
  const double fineRatio = Quotient(fineDead, fineLive);
  double wetFine = 0;
  double fine = 0;
  for (const FuelClass& c : dead) {
    wetFine += c.moisture * HeatingNumber(138, c.sav) * netLoad(c);
    fine += HeatingNumber(138, c.sav) * netLoad(c);
  }
  const double fineDeadMoisture = Quotient(wetFine, 100 * fine);  // fraction
  const double mxLive =
      std::max(2.9 * fineRatio * (1 - Quotient(fineDeadMoisture, m.MxDead)) - 0.226, m.MxDead);

  const double dampingDead = MoistureDamping(Quotient(moistDead / 100, m.MxDead));
  const double dampingLive = MoistureDamping(std::min(Quotient(moistLive / 100, mxLive), 1.0));

  double sinkDead = 0;
  for (const FuelClass& c : dead)
    sinkDead += c.fraction * HeatingNumber(138, c.sav) * preignition(c);
  double sinkLive = 0;
  for (const FuelClass& c : live)
    sinkLive += c.fraction * HeatingNumber(138, c.sav) * preignition(c);
  const double heatSink = fLive * sinkLive + fDead * sinkDead;

  const double heat = fLive * m.HeatLive + fDead * m.HeatDead;
  const double reaction =
      (dampingLive * wnLive + dampingDead * wnDead) * heat * gamma * mineralDamping;
  const double hpa = reaction * (384 / sav) * set.MuliplierIntensity;

  double ros0 = Quotient(reaction * xi * set.MultiplierROS, heatSink * bulkDensity * 3.281);
  if (set.LowOrHigh == 1 && inputs.VegType == kVegConifer) ros0 *= 3.34;

  const double slope = inputs.PercentSlope / 100.0;
  const double phiS = 5.275 * std::pow(beta, -0.3) * slope * slope;

  const double reduction =
      set.LowOrHigh == 1 && inputs.VegType == kVegConifer ? 0.4 : set.WindReductionFactor;
  const double midflame = reduction * 88 * inputs.OpenWindSpeed;  // ft/min
  const double windTerm = windC * std::pow(relPacking, -windE);
  const double phiW = midflame > 0 ? windTerm * std::pow(midflame, windB) : 0;
  const double phiWLimit = reaction > 0 ? windTerm * std::pow(0.9 * reaction, windB) : 0;
  const double phiWind = Finite(std::min(phiW, phiWLimit));

  const double theta = inputs.WindDirFromUphill / kDegreesPerRadian;
  const double x = phiS + phiWind * std::cos(theta);
  const double y = phiWind * std::sin(theta);
  const double phiE = Finite(std::sqrt(x * x + y * y));

  const double effectiveWind =
      phiE > 0
          ? Finite(std::pow(std::pow(phiE / windC, -1 / windE) / relPacking, -windE / windB) / 88)
          : 0;

  const double ros =
      ros0 * (1 + phiE) * CalculateNonHeadingROS(inputs.SpreadDirection, effectiveWind);

  CHalvexTempSet result;
  result.BulkDensity = Finite(bulkDensity);
  result.ROS = Finite(ros);
  result.HeatSink = Finite(heatSink);
  result.HPA = Finite(hpa);
  result.PropFluxRatio = Finite(xi);
  result.ReactionIntensity = Finite(reaction);
  result.SlopeFactor = Finite(phiS);
  result.WindC = Finite(windC);
  result.PackingRatio = Finite(beta);
  result.OptPackingRatio = Finite(betaOp);
  result.RelPackingRatio = Finite(relPacking);
  result.WindE = Finite(windE);
  result.WindB = Finite(windB);
  result.ROS0 = Finite(ros0);
  result.EffectiveWind = effectiveWind;
  return result;
}

double CalculateNonHeadingROS(double angle, double effectiveWind) {
  const double lengthToBreadth = 1 + 0.25 * effectiveWind;
  const double e = std::sqrt(1 - std::pow(lengthToBreadth, -2));
  const double a = 1 / (1 + e);
  const double psi = angle / kDegreesPerRadian;
  const double s = std::sin(psi);
  const double c = std::cos(psi);
  const double flank = a / lengthToBreadth;
  const double ratio = std::sqrt(s * s * flank * flank + c * c * a * a) + e * a * c;
  return Finite(ratio);
}

}  // namespace sylvanor
