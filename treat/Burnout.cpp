#include "treat/Burnout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

#include "base/CFormat.h"
#include "base/Keyword.h"
#include "treat/BurnoutFiles.h"

namespace sylvanor {

namespace {

constexpr double kKelvin = 273;
constexpr double kDryingTemp = 353;                  // K, water boils off
constexpr double kWaterHeat = 4186;                  // J/kg/K
constexpr double kMinDryingFire = 363;               // K, a cooler fire dries nothing
constexpr double kIgnitionMargin = 10;               // K above the ignition temperature
constexpr double kFlamingFlux = 15;                  // kW/m2 a burning particle needs to flame
constexpr double kFluxOut = 20;                      // W/m2, below it a pair goes out
constexpr double kTonsAcreHeat = 367.30945 * 11.35;  // tons/acre at 18600 kJ/kg -> kJ/m2
constexpr double kEndIntensity = 0.1;                // kW/m2

// ---------------------------------------------------------------------------
// Input check

// A bound check of a particle property with the common message layout.
bool Within(double v, double lo, double hi) {
  return v > lo && v < hi;
}

// The whole percent of a fraction, rounded down; a tolerance keeps values
// that binary arithmetic puts a hair below a whole percent on it.
int WholePercent(double fraction) {
  return static_cast<int>(std::floor(fraction * 100 + 1e-6));
}

bool CheckParticle(const d_BUParticle& p, std::string& message) {
  const char* range = "Burnout: %s out of range (%s): %8.2f, Low:%8.2f Up:%8.2f";
  if (!Within(p.load, 1e-8, 1e6)) {
    message = CFormat(range, "dry loading", "kg/m2", p.load, 1e-8, 1e6);
    return false;
  }
  if (!Within(p.ash, 0.0001, 0.1)) {
    message = CFormat("Burnout: ash content out of range (fraction): %8.2f, Low:%8.2f Up:%8.2f",
                      p.ash, 0.0001, 0.1);
    return false;
  }
  if (!Within(p.heat, 1e7, 3e7)) {
    message = CFormat(range, "heat content", "J/kg", p.heat, 1e7, 3e7);
    return false;
  }
  const int percent = WholePercent(p.moisture);
  if (!(percent >= 1 && percent <= 300)) {
    message =
        CFormat("Burnout: fuel moisture out of range (fraction): %6.2f, (Limits:%6.2f ->%6.2f)",
                p.moisture, 0.01, 3.0);
    return false;
  }
  if (!Within(p.density, 200, 1000)) {
    message = CFormat(range, "dry mass density", "kg/m3", p.density, 200.0, 1000.0);
    return false;
  }
  if (!Within(p.sigma, 4, 10000)) {
    message = CFormat(range, "sigma", "1/m", p.sigma, 4.0, 10000.0);
    return false;
  }
  if (!Within(p.heatCapacity, 1000, 3000)) {
    message = CFormat("Burnout: heat capacity out of range (J/kg/K: %8.2f, Low:%8.2f Up:%8.2f",
                      p.heatCapacity, 1000.0, 3000.0);
    return false;
  }
  if (!Within(p.conductivity, 0.025, 0.25)) {
    message =
        CFormat("Burnout: thermal conductivity out of range (W/m/K): %8.2f, Low:%8.2f Up:%8.2f",
                p.conductivity, 0.025, 0.25);
    return false;
  }
  if (!Within(p.ignitionK, 473, 673)) {
    message = CFormat(
        "Burnout: ignition temperature out of range (%s): %8.2f\n Limits:   Lower:%8.2f    "
        "Upper:%8.2f",
        "C", p.ignitionK - kKelvin, 200.0, 400.0);
    return false;
  }
  if (!Within(p.charK, 523, 773)) {
    message = CFormat(
        "Burnout: char end pyrolisis temperature out of range (%s): %8.2f\n Limits:   "
        "Lower:%8.2f   Upper:%8.2f",
        "C", p.charK - kKelvin, 250.0, 500.0);
    return false;
  }
  return true;
}

// ---------------------------------------------------------------------------
// The run

// The fire environment temperatures already worked out in a run, by their
// exact intensity and mixing parameter: the same fire around many pairs,
// step after step, is worked out once. Direct-mapped; a miss computes anew.
class c_FireTempCache {
 public:
  double Get(double intensity, double mixing, double ta) {
    const std::size_t slot = Slot(intensity, mixing);
    Entry& e = entries_[slot];
    if (!(e.used && e.intensity == intensity && e.mixing == mixing)) {
      e = {true, intensity, mixing, BU_FireEnvTemp(intensity, mixing, ta)};
    }
    return e.temp;
  }

 private:
  struct Entry {
    bool used = false;
    double intensity = 0, mixing = 0, temp = 0;
  };
  static std::size_t Slot(double intensity, double mixing) {
    std::uint64_t a = 0, b = 0;
    std::memcpy(&a, &intensity, sizeof a);
    std::memcpy(&b, &mixing, sizeof b);
    std::uint64_t h = (a ^ (b * 0x9E3779B97F4A7C15ull)) * 0xBF58476D1CE4E5B9ull;
    return static_cast<std::size_t>(h >> 56);  // 256 slots
  }
  std::array<Entry, 256> entries_{};
};

// What a run keeps besides the record.
struct d_RunState {
  d_BUBed bed;
  double ta = 0;                            // ambient temperature, K
  double t = 0;                             // time of the current step, s
  int stepsTaken = 0;                       // steps of the pairs, the igniting phase the first
  double duffLeft = 0;                      // duff mass still to burn, kg/m2
  bool duffCounts = true;                   // the duff intensity still heats the pairs
  std::array<double, kBUParticles> lost{};  // per particle in the current step
  c_FireTempCache fireTemps;                // the ambient temperature is fixed in a run
};

double FireTemp(d_RunState& s, double intensity, double mixing) {
  return s.fireTemps.Get(intensity, mixing, s.ta);
}

// The heat transfer coefficient; the Biot-type number is not wanted.
double Film(const d_BUBed& bed, double d, double tf, double ts, double conductivity) {
  double biot = 0;
  return BU_HeatTransfer(d, tf, ts, conductivity, bed, biot);
}

// Drying time of a pair of particle p at the drying ratio theta and the
// Biot-type number.
double DryingTime(const d_BUParticle& p, double d, double conwet, double theta, double biot) {
  return (d / 2) * (d / 2) / conwet * p.density * (p.heatCapacity + kWaterHeat * p.moisture) *
         BU_DimlessTime(theta, biot);
}

double WetIgnition(const d_BUParticle& p, double tf, double ta, double h) {
  return BU_WetIgnitionTime(tf, p.ignitionK, ta, h, p.conductivity, p.density, p.heatCapacity,
                            p.moisture);
}

double ConWet(const d_BUParticle& p) {
  return p.conductivity + 0.000427 * p.density * p.moisture;
}

// A pair loses mass: the mass lost goes to the step's consumption of its
// particle.
void Lose(d_RunState& s, int particle, double lost) {
  s.lost[static_cast<std::size_t>(particle)] += lost;
}

// Sorts the particles by sigma descending, then moisture and density
// ascending; stable, so equal particles keep their order. Each particle's
// component goes with it.
void SortParticles(d_BU& bu) {
  auto& p = bu.particles;
  for (int i = 1; i < bu.number; ++i) {
    const d_BUParticle moving = p[static_cast<std::size_t>(i)];
    int j = i - 1;
    const auto before = [&moving](const d_BUParticle& q) {
      if (moving.sigma != q.sigma) return moving.sigma > q.sigma;
      if (moving.moisture != q.moisture) return moving.moisture < q.moisture;
      return moving.density < q.density;
    };
    while (j >= 0 && before(p[static_cast<std::size_t>(j)])) {
      p[static_cast<std::size_t>(j + 1)] = p[static_cast<std::size_t>(j)];
      --j;
    }
    p[static_cast<std::size_t>(j + 1)] = moving;
  }
}

// The overlap of the particles and their pairs.
void PreparePairs(d_BU& bu) {
  for (int k = 1; k <= bu.number; ++k) {
    d_BUParticle& pk = bu.particles[static_cast<std::size_t>(k - 1)];
    double sum = 0;
    for (int l = 1; l <= k; ++l) {
      const d_BUParticle& pl = bu.particles[static_cast<std::size_t>(l - 1)];
      const double a = 3.25 * std::exp(-20 * pl.moisture * pl.moisture);
      const double x = a * pk.sigma / std::numbers::pi * pl.load / pl.density;
      double value = 0;
      if (l == k) {
        pk.area = std::max(1e-30, 1 - std::exp(-x));
        value = pk.area;
      } else {
        value = std::min(1.0, x);
      }
      bu.pairs[static_cast<std::size_t>(BU_Pair(k, l))].fraction = value;
      sum += value;
    }
    if (sum > 1) {
      for (int l = 1; l <= k; ++l) {
        bu.pairs[static_cast<std::size_t>(BU_Pair(k, l))].fraction /= sum;
      }
      pk.alone = 0;
    } else {
      pk.alone = 1 - sum;
    }
    bu.pairs[static_cast<std::size_t>(BU_Pair(k, 0))].fraction = pk.alone;
    for (int l = 0; l <= k; ++l) {
      d_BUPair& pair = bu.pairs[static_cast<std::size_t>(BU_Pair(k, l))];
      const double fraction = pair.fraction;
      pair = d_BUPair{};
      pair.fraction = fraction;
      pair.load0 = pk.load * fraction;
      pair.mass = pair.load0;
      pair.diameter = 4 / pk.sigma;
    }
  }
}

// Shrinks a burning pair at its shrink rate over `span` seconds of the step
// that starts at `tin`: its new diameter and mass, its burnout time (half
// way through the step when `goesOut`) and mass loss rate, and the mass lost
// to its particle's consumption.
void Shrink(d_BUPair& pair, double span, double tin, double dt, bool goesOut, d_RunState& s,
            int particle) {
  const double d = pair.diameter;
  const double dnext = std::max(0.0, d - pair.shrink * span);
  const double wnext = d > 0 ? pair.mass * (dnext / d) * (dnext / d) : 0;
  if (dnext == 0 && pair.shrink > 0) {
    pair.burnout = d / pair.shrink + tin;
  } else if (dnext > 0 && dnext < d) {
    pair.burnout = d / (d - dnext) * dt + tin;
  }
  if (goesOut) pair.burnout = (tin + (tin + dt)) / 2;
  const double rateSpan = std::min(dt, pair.burnout - tin);
  pair.lossRate = rateSpan > 0 ? (pair.mass - wnext) / rateSpan : 0;
  Lose(s, particle, pair.mass - wnext);
  pair.diameter = dnext;
  pair.mass = wnext;
}

// The igniting phase at the residence time; false when the fuel does not
// ignite.
bool IgnitingPhase(d_BU& bu, d_RunState& s) {
  const d_BUControl& c = bu.control;
  const double ti = c.residence;
  for (int k = 1; k <= bu.number; ++k) {
    d_BUParticle& p = bu.particles[static_cast<std::size_t>(k - 1)];
    p.lit = p.burnedOut = 0;
    p.diffusivity = p.conductivity / (p.density * p.heatCapacity);
    const double heatk = p.density / 446 * 2.01e6 * (1 + 1.67 * p.moisture);
    p.work = 1 / (255 * heatk);
  }

  const double r = c.mixing + 0.25 * c.mixingRange;
  const double tfe = FireTemp(s, c.intensity, r);
  if (tfe <= kMinDryingFire) return false;
  const double theta = (kDryingTemp - s.ta) / (tfe - s.ta);

  for (int k = 1; k <= bu.number; ++k) {
    d_BUParticle& p = bu.particles[static_cast<std::size_t>(k - 1)];
    const double conwet = ConWet(p);
    for (int l = 0; l <= k; ++l) {
      d_BUPair& pair = bu.pairs[static_cast<std::size_t>(BU_Pair(k, l))];
      double biot = 0;
      BU_HeatTransfer(pair.diameter, tfe, (s.ta + kDryingTemp) / 2, conwet, s.bed, biot);
      pair.dry = DryingTime(p, pair.diameter, conwet, theta, biot);
      if (!(pair.dry < ti)) continue;
      const double ts = (p.ignitionK + kDryingTemp) / 2;
      const double h = Film(s.bed, pair.diameter, tfe, ts, p.conductivity);
      pair.tempTime = std::max((tfe - ts) * (ti - pair.dry), 0.0);
      pair.heat = h * pair.tempTime;
      if (tfe > p.ignitionK + kIgnitionMargin) {
        const double tr = pair.dry + WetIgnition(p, tfe, s.ta, h);
        pair.ignition = tr / 2;
        if (ti > tr) p.lit += pair.fraction;
      }
    }
  }

  double t0 = kBUNever;
  bool anyLit = false;
  for (int k = 1; k <= bu.number; ++k) {
    anyLit = anyLit || bu.particles[static_cast<std::size_t>(k - 1)].lit > 0;
    for (int l = 0; l <= k; ++l) {
      t0 = std::min(t0, bu.pairs[static_cast<std::size_t>(BU_Pair(k, l))].ignition);
    }
  }
  if (!anyLit) return false;
  for (int k = 1; k <= bu.number; ++k) {
    for (int l = 0; l <= k; ++l) {
      d_BUPair& pair = bu.pairs[static_cast<std::size_t>(BU_Pair(k, l))];
      if (pair.dry < kBUNever) pair.dry -= t0;
      if (pair.ignition < kBUNever) pair.ignition -= t0;
    }
  }

  for (int k = 1; k <= bu.number; ++k) {
    d_BUParticle& p = bu.particles[static_cast<std::size_t>(k - 1)];
    // A particle burns when some of it is lit, decided once for all its pairs:
    // the pairs that burn out here take their fraction off the lit one, which
    // must not keep the particle's later pairs from burning.
    const bool lit = p.lit > 0;
    for (int l = 0; l <= k; ++l) {
      d_BUPair& pair = bu.pairs[static_cast<std::size_t>(BU_Pair(k, l))];
      // only pairs that ignited within the residence time burn
      if (!lit || !(pair.ignition < ti)) {
        pair.shrink = pair.lossRate = 0;
        pair.burnout = kBUNever;
        continue;
      }
      const double h = Film(s.bed, pair.diameter, tfe, p.charK, p.conductivity);
      pair.flux[0] = h * std::max(tfe - p.charK, 0.0);
      pair.conduction = (p.conductivity / h) * (p.conductivity / h) * (ti - pair.ignition);
      pair.shrink = pair.flux[0] * p.work;
      const double d = pair.diameter;
      pair.burnout = pair.shrink > 0 ? d / pair.shrink : kBUNever;
      const double burning = ti - pair.ignition;
      const double dnext = std::max(0.0, d - pair.shrink * burning);
      const double wnext = pair.mass * (dnext / d) * (dnext / d);
      pair.lossRate = (pair.mass - wnext) / burning;
      Lose(s, k - 1, pair.mass - wnext);
      pair.diameter = dnext;
      pair.mass = wnext;
      if (dnext == 0) {
        pair.lossRate = pair.shrink = 0;
        p.lit -= pair.fraction;
        p.burnedOut += pair.fraction;
      }
    }
  }
  s.stepsTaken = 1;
  return true;
}

// The fire around a pair of particle k with particle l (0: on its own) for
// a pair not yet burning and for a burning one; its temperature.
double NeighbourTemp(const d_BU& bu, d_RunState& s, int k, int l, bool burning,
                     double duffIntensity) {
  const d_BUControl& c = bu.control;
  const d_BUParticle& pk = bu.particles[static_cast<std::size_t>(k - 1)];
  double intensity = c.intensity;
  double r = c.mixing;
  if (l == 0) {
    intensity += duffIntensity;
    if (burning) r += 0.5 * c.mixingRange;
  } else if (l == k) {
    if (burning) {
      intensity += pk.lit * pk.intensity;
      r += 0.5 * (1 + pk.lit) * c.mixingRange;
    }
  } else {
    const d_BUParticle& pl = bu.particles[static_cast<std::size_t>(l - 1)];
    intensity += pl.lit * pl.intensity;
    if (burning) {
      intensity += pk.intensity;
      r += 0.5 * (1 + pl.lit) * c.mixingRange;
    } else {
      r += 0.5 * c.mixingRange * pl.lit;
    }
  }
  return FireTemp(s, intensity, r);
}

// The mean heat flux of a burning pair over its averaging time.
double MeanFlux(const d_BUPair& pair, int n, double tnext, double dt, double average) {
  double counted = 0;
  double sum = 0;
  for (int slot = std::min(n, kBUFluxSlots); slot >= 1; --slot) {
    double span = slot == 1 ? tnext - counted - pair.ignition : dt;
    span = std::max(span, 0.0);
    bool last = slot == 1;
    if (counted + span >= average) {
      span = std::max(average - counted, 0.0);
      last = true;
    }
    sum += pair.flux[static_cast<std::size_t>(slot - 1)] * span;
    counted += span;
    if (last) break;
  }
  return counted > 0 ? std::max(sum / counted, 0.0) : 0.0;
}

// One time step of every pair, from s.t to s.t + dt.
void AdvancePairs(d_BU& bu, d_RunState& s, double duffIntensity) {
  const d_BUControl& c = bu.control;
  const double dt = c.timeStep;
  const double tin = s.t;
  const double tnext = tin + dt;
  const double t0 = tin - s.stepsTaken * dt;
  for (int k = 1; k <= bu.number; ++k) {
    const d_BUParticle& p = bu.particles[static_cast<std::size_t>(k - 1)];
    for (int l = 0; l <= k; ++l) {
      d_BUPair& pair = bu.pairs[static_cast<std::size_t>(BU_Pair(k, l))];
      if (tin >= pair.burnout) {
        pair.shrink = pair.lossRate = 0;
        continue;
      }
      if (tnext >= pair.burnout) {
        const double tau = pair.burnout - tin;
        pair.shrink = pair.diameter / tau;
        pair.lossRate = pair.mass / tau;
        Lose(s, k - 1, pair.mass);
        pair.mass = pair.diameter = 0;
        continue;
      }
      if (tin < pair.ignition) {
        const double tf = NeighbourTemp(bu, s, k, l, false, duffIntensity);
        if (pair.dry <= tin) {
          // dried, not yet ignited
          const double h = Film(s.bed, pair.diameter, tf, s.ta, p.conductivity);
          const double dT = std::max(tf - s.ta, 0.0);
          pair.tempTime += dT * dt;
          pair.heat += dT * h * dt;
          const double tmean = s.ta + pair.tempTime / (tnext - pair.dry);
          double tig = kBUNever;
          if (tmean > p.ignitionK + kIgnitionMargin && pair.tempTime > 0) {
            tig = WetIgnition(p, tmean, s.ta, pair.heat / pair.tempTime);
          }
          pair.ignition = (tig + pair.dry) / 2;
          if (pair.ignition >= tnext) continue;
          const double hc = Film(s.bed, pair.diameter, tf, p.charK, p.conductivity);
          pair.flux[0] = std::max(tf - p.charK, 0.0) * hc;
          pair.shrink = pair.flux[0] * p.work;
          Shrink(pair, tnext - pair.ignition, tin, dt, false, s, k - 1);
        } else {
          // still drying
          if (tf <= kMinDryingFire) continue;
          const double conwet = ConWet(p);
          const double ts = (s.ta + kDryingTemp) / 2;
          const double h = Film(s.bed, pair.diameter, tf, ts, conwet);
          const double dT = std::max((tf - ts) * dt, 0.0);
          pair.tempTime += dT;
          pair.heat += dT * h;
          if (!(pair.tempTime > 0)) continue;
          const double theta = (kDryingTemp - s.ta) / (pair.tempTime / tnext);
          if (theta > 0.9) continue;
          const double biot = pair.heat / pair.tempTime * pair.diameter / conwet;
          pair.dry = DryingTime(p, pair.diameter, conwet, theta, biot);
          if (!(pair.dry < tnext)) continue;
          const double h353 = Film(s.bed, pair.diameter, tf, kDryingTemp, p.conductivity);
          pair.tempTime = (tf - kDryingTemp) * (tnext - pair.dry);
          pair.heat = pair.tempTime * h353;
          if (tf > p.ignitionK + kIgnitionMargin) {
            pair.ignition = (pair.dry + WetIgnition(p, tf, s.ta, h353)) / 2;
            if (pair.ignition < tnext) pair.flux[0] = std::max(tf - p.charK, 0.0) * h353;
          }
        }
        continue;
      }

      // burning
      const double tf = NeighbourTemp(bu, s, k, l, true, duffIntensity);
      const double h = Film(s.bed, pair.diameter, tf, p.charK, p.conductivity);
      const double q = std::max(tf - p.charK, 0.0) * h;
      const int n =
          std::max(1, static_cast<int>(std::lround((tnext - std::max(pair.ignition, t0)) / dt)));
      if (n <= kBUFluxSlots) {
        pair.flux[static_cast<std::size_t>(n - 1)] = q;
      } else {
        std::copy(pair.flux.begin() + 1, pair.flux.end(), pair.flux.begin());
        pair.flux.back() = q;
      }
      if (h > 0) pair.conduction += (p.conductivity / h) * (p.conductivity / h) * dt;
      const double d = pair.diameter;
      const double average = std::min({(d / 4) * (d / 4) / p.diffusivity,
                                       pair.conduction / p.diffusivity, tnext - pair.ignition});
      const double qmean = MeanFlux(pair, n, tnext, dt, average);
      pair.shrink = qmean * p.work;
      Shrink(pair, dt, tin, dt, qmean <= kFluxOut, s, k - 1);
    }
  }

  for (int k = 1; k <= bu.number; ++k) {
    d_BUParticle& p = bu.particles[static_cast<std::size_t>(k - 1)];
    p.lit = p.burnedOut = 0;
    for (int l = 0; l <= k; ++l) {
      const d_BUPair& pair = bu.pairs[static_cast<std::size_t>(BU_Pair(k, l))];
      if (pair.ignition <= tnext && tnext <= pair.burnout) p.lit += pair.fraction;
      if (pair.burnout < tnext) p.burnedOut += pair.fraction;
    }
  }
  s.t = tnext;
  ++s.stepsTaken;
}

// The step's fire intensity from the particles' burning rates, and each
// particle's flaming or smoldering state.
double Intensity(d_BU& bu) {
  double total = 0;
  for (int k = 1; k <= bu.number; ++k) {
    d_BUParticle& p = bu.particles[static_cast<std::size_t>(k - 1)];
    double rate = 0;
    for (int l = 0; l <= k; ++l) {
      rate += bu.pairs[static_cast<std::size_t>(BU_Pair(k, l))].lossRate;
    }
    const double e = (1 - p.ash) * p.heat * rate * 0.001;
    p.intensity = p.area > 1e-6 ? e / p.area - e : 0;
    total += e;
    const double shared = rate - bu.pairs[static_cast<std::size_t>(BU_Pair(k, 0))].lossRate;
    const double j = shared != 0 && rate != 0 ? shared / rate * p.intensity : 0;
    p.state = j >= kFlamingFlux / p.area - kFlamingFlux ? 'F' : 'S';
  }
  return total;
}

}  // namespace

double BRN_SmolderingMass(const d_BU& bu) {
  struct Category {
    double upper;      // largest sigma of the category
    double reference;  // sigma of the particle that decides it
  };
  constexpr std::array<Category, 4> fine = {
      {{106, 105}, {395, 394}, {1481, 1480}, {kBUNever, 8200}}};
  constexpr double kLogSigma = 40.4;

  double smoldering = 0;
  std::array<double, fine.size()> mass{};
  std::array<bool, fine.size()> smolders{};
  for (int k = 0; k < bu.number; ++k) {
    const d_BUParticle& p = bu.particles[static_cast<std::size_t>(k)];
    if (p.sigma <= kLogSigma) {
      if (p.state != 'F') smoldering += p.stepMass;
      continue;
    }
    for (std::size_t c = 0; c < fine.size(); ++c) {
      if (p.sigma <= fine[c].upper) {
        mass[c] += p.stepMass;
        break;
      }
    }
    for (std::size_t c = 0; c < fine.size(); ++c) {
      if (std::abs(p.sigma - fine[c].reference) <= 1 && p.state == 'S') smolders[c] = true;
    }
  }
  for (std::size_t c = 0; c < fine.size(); ++c) {
    if (smolders[c]) smoldering += mass[c];
  }
  return smoldering;
}

namespace {

// Hands each particle the mass it lost in the step; their sum.
double TakeStepMass(d_BU& bu, d_RunState& s) {
  double total = 0;
  for (int k = 0; k < bu.number; ++k) {
    total += bu.particles[static_cast<std::size_t>(k)].stepMass =
        s.lost[static_cast<std::size_t>(k)];
  }
  s.lost.fill(0);
  return total;
}

void Summarise(d_BU& bu) {
  for (int k = 1; k <= bu.number; ++k) {
    d_BUParticle& p = bu.particles[static_cast<std::size_t>(k - 1)];
    p.remaining = 0;
    p.ignition = kBUNever;
    p.burnout = 0;
    for (int l = 0; l <= k; ++l) {
      const d_BUPair& pair = bu.pairs[static_cast<std::size_t>(BU_Pair(k, l))];
      p.remaining += pair.mass;
      p.ignition = std::min(p.ignition, pair.ignition);
      p.burnout = std::max(p.burnout, pair.burnout);
    }
  }
}

}  // namespace

void BRN_Clear(d_BU& bu) {
  bu.particles.fill(d_BUParticle{});
  bu.number = 0;
  bu.pairs.fill(d_BUPair{});
  bu.control = d_BUControl{};
  bu.duff = d_BUDuff{};
  bu.schedule.first = d_BUPart{};
  bu.schedule.restCount = 0;
  bu.emission.SetFactors({}, {}, {}, 0);
  bu.emission.Reset();
  bu.files = d_BUFiles{};
  bu.message.clear();
}

void BRN_SetEmission(d_BU& bu, const d_EmisFactors& flame, const d_EmisFactors& smolder,
                     const d_EmisFactors& duff, double critical) {
  bu.emission.SetFactors(flame, smolder, duff, critical);
}

void BRN_SetControl(d_BU& bu, const d_BUControl& control) {
  bu.control = control;
}

int BRN_SetFuel(d_BU& bu, double load, double moisture, double sigma, double density, double heatKJ,
                double heatCapacity, double conductivity, double ignitionC, double charC,
                double ash, const std::string& key, int size) {
  if (!(load > 0) || bu.number >= kBUParticles) return 0;
  d_BUParticle& p = bu.particles[static_cast<std::size_t>(bu.number++)];
  p = d_BUParticle{};
  p.load = load;
  p.moisture = moisture;
  p.sigma = sigma;
  p.density = density;
  p.heat = heatKJ * 1000;
  p.heatCapacity = heatCapacity;
  p.conductivity = conductivity;
  p.ignitionK = ignitionC + kKelvin;
  p.charK = charC + kKelvin;
  p.ash = ash;
  p.key = key;
  p.size = size;
  p.component = bu.number <= kBUComponents;
  p.remaining = load;  // until a burn says otherwise
  return 1;
}

int BRN_Check(d_BU& bu) {
  const d_BUControl& c = bu.control;
  std::string& m = bu.message;
  m.clear();
  if (!(c.maxSteps > 0)) {
    m = CFormat("Burnout: Number of iterations invalid, %d, must be > 0", c.maxSteps);
    return 0;
  }
  for (int k = 0; k < bu.number; ++k) {
    if (!CheckParticle(bu.particles[static_cast<std::size_t>(k)], m)) return 0;
  }
  if (!(c.intensity >= 40 && c.intensity <= 100000)) {
    m = CFormat("Burnout: igniting fire intensity out of range (%s)", "kW/m2");
    return 0;
  }
  if (!(c.residence >= 10 && c.residence <= 200)) {
    m = CFormat("Burnout: igniting surface fire res. time out of range (%s)", "sec");
    return 0;
  }
  if (!(c.wind >= 0 && c.wind <= 5)) {
    m = CFormat(" windspeed at top of fuelbed out of range (%s)", "m/sec");
    return 0;
  }
  if (!(c.depth >= 0.1 && c.depth <= 5)) {
    m = CFormat("Burnout: depth of fuel bed out of range (%s)\n", "m") +
        CFormat("Depth: %8.2f,   Limit Low:%8.2f,  High:%8.2f\n", c.depth, 0.1, 5.0);
    return 0;
  }
  if (!(c.ambientC >= -40 && c.ambientC <= 40)) {
    m = CFormat("Burnout: ambient temperature: %4.0f is out of range (%4.0f -> %4.0f) (%s)",
                c.ambientC, -40.0, 40.0, "C");
    return 0;
  }
  // the duff load bounds with the tolerance of the moisture rounding
  constexpr double kTolerance = 1e-6;
  if (!(c.duffLoad == 0 || (c.duffLoad >= 0.022 - kTolerance && c.duffLoad <= 80 + kTolerance))) {
    m = CFormat(
        "Burnout: duff dry weight loading, %6.2f is out of range (%s), Limit: %6.2f -> "
        "%6.2f",
        c.duffLoad, "kg/m2", 0.022, 80.0);
    return 0;
  }
  if (!(c.duffMoisture >= 0.1 && c.duffMoisture <= 1.972)) {
    m = "Burnout: duff moisture out of range (fraction)";
    return 0;
  }
  return 1;
}

int BRN_Run(d_BU& bu, double pctDuffConsumed, double herb, double shrub, double crown,
            const std::string& duffType) {
  bu.message.clear();
  if (duffType.empty()) {
    bu.message = "ERROR- d_BU:BRN_Run() - Missing Duff Type";
    return 0;
  }
  c_BurnoutFiles files;
  const double shrubShare = herb + shrub > 0 ? shrub / (herb + shrub) : 0;
  if (!files.OpenTable(bu.files.table, shrubShare, bu.message)) return 0;

  bu.emission.Reset();
  if (!files.OpenEmissions(bu.files.emissions, bu.standardOutput)) {
    bu.message = "Can't Open Output Time Step Emissions File";
    return 0;
  }
  const d_BUControl& c = bu.control;
  if (c.maxSteps <= 0 || bu.number == 0) {
    bu.message = "ntimes == 0 || number == 0";
    return 0;
  }

  SortParticles(bu);
  PreparePairs(bu);

  d_RunState s;
  s.bed = {c.wind, c.depth};
  s.ta = c.ambientC + kKelvin;
  bu.duff = BU_DuffBurn(duffType, c.duffLoad, c.duffMoisture, pctDuffConsumed);
  s.duffLeft = bu.duff.mass;
  for (int k = 0; k < bu.number; ++k) {
    d_BUParticle& p = bu.particles[static_cast<std::size_t>(k)];
    p.state = 'S';
    p.intensity = p.stepMass = 0;
  }

  s.t = c.residence;
  if (!IgnitingPhase(bu, s)) {
    for (int k = 0; k < bu.number; ++k) {
      d_BUParticle& p = bu.particles[static_cast<std::size_t>(k)];
      p.remaining = p.load;
      p.ignition = kBUNever;
      p.burnout = 0;
    }
    return 2;
  }

  // the first step: the igniting surface fire with the crown and the first
  // part of the herbs and shrubs; fine fuel that burned out in the flame
  // front burned flaming
  d_BUStepLine line;
  line.time = s.t;
  line.woody = TakeStepMass(bu, s);
  line.woodyIntensity = Intensity(bu);
  line.duff = std::min(s.duffLeft, bu.duff.rate * 60);
  s.duffLeft -= line.duff;
  line.duffIntensity = bu.duff.intensity;
  BU_HerbShrubSchedule(herb + shrub, bu.schedule);
  line.crown = crown / kBUTonsAcrePerKgM2;
  line.crownIntensity = crown * kTonsAcreHeat / 60;
  line.herbShrub = bu.schedule.first.amount / kBUTonsAcrePerKgM2;
  line.herbShrubIntensity = bu.schedule.first.intensity;
  double fire = line.woodyIntensity + line.herbShrubIntensity + line.crownIntensity;
  files.Step(line,
             bu.emission.Step(s.t, fire, line.woody + line.crown + line.herbShrub, 0, line.duff));

  std::size_t part = 0;
  for (int n = 0; n < c.maxSteps; ++n) {
    const double start = s.t;
    AdvancePairs(bu, s, s.duffCounts && start <= bu.duff.duration ? bu.duff.intensity : 0);
    line = d_BUStepLine{};
    line.time = s.t;
    line.woody = TakeStepMass(bu, s);
    line.woodyIntensity = Intensity(bu);
    const d_BUPart herbs = part < bu.schedule.restCount ? bu.schedule.rest[part++] : d_BUPart{};
    line.herbShrub = herbs.amount / kBUTonsAcrePerKgM2;
    line.herbShrubIntensity = herbs.intensity;
    line.duff = std::min(s.duffLeft, bu.duff.rate * c.timeStep);
    s.duffLeft -= line.duff;
    if (line.duff == 0) s.duffCounts = false;
    line.duffIntensity = s.duffCounts && start <= bu.duff.duration ? bu.duff.intensity : 0;
    const double smoldering = BRN_SmolderingMass(bu);
    fire = line.woodyIntensity + line.herbShrubIntensity;
    files.Step(line, bu.emission.Step(s.t, fire, line.woody - smoldering + line.herbShrub,
                                      smoldering, line.duff));
    if (fire <= kEndIntensity && !(s.duffLeft > 0)) break;
  }

  Summarise(bu);
  return files.WriteConsumed(bu, bu.files.consumed, s.t, bu.message) ? 1 : 0;
}

double BRN_Remaining(const d_BU& bu, const std::string& key, int size) {
  for (int k = 0; k < bu.number; ++k) {
    const d_BUParticle& p = bu.particles[static_cast<std::size_t>(k)];
    if (p.component && p.size == size && SameKeyword(p.key.str(), key)) return p.remaining;
  }
  return 0;
}

double BRN_RemainingKey(const d_BU& bu, const std::string& key) {
  double sum = 0;
  for (int k = 0; k < bu.number; ++k) {
    const d_BUParticle& p = bu.particles[static_cast<std::size_t>(k)];
    if (p.component && SameKeyword(p.key.str(), key)) sum += p.remaining;
  }
  return sum;
}

}  // namespace sylvanor
