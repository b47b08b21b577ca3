#include "treat/BurnoutPhysics.h"

#include <algorithm>
#include <cmath>

#include "base/Keyword.h"

namespace sylvanor {

namespace {

// A time that is never reached.
constexpr double kNever = 1e30;

// Particles of this diameter (m) or less get no convective heat.
constexpr double kMinConvectDiameter = 5.75e-5;

// Left side of the heating cubic; it grows with x on 0..1, from 0 to
// 1.3371564.
double HeatingCubic(double x) {
  return (0.4653628 - (0.1282064 - x) * x) * x;
}

// A time that is neither NaN, infinite nor beyond "never".
double BoundedTime(double t) {
  if (!(t < kNever)) return kNever;
  return t;
}

// tons/acre burned over `seconds` as kW/m2.
double ScheduleIntensity(double tonsPerAcre, double seconds) {
  return tonsPerAcre * 367.30945 / seconds * 11.35;
}

}  // namespace

// The change of rho about halves with every iteration for any
// sensible mixing parameter; the cap only keeps nonsense from spinning.
// No intensity (q 0 or less) leaves the environment at the ambient
// temperature, the limit of the fixed point as q falls to 0.
double BU_FireEnvTemp(double q, double r, double ta) {
  if (!(q > 0.0)) return ta;
  const double term = r / (20.0 * q);
  double rho = r;
  double next = rho;
  for (int i = 0; i < 1000; ++i) {
    next = 0.5 * (rho + 1.0 + r / (1.0 + term * (rho + 1.0) * (rho * rho + 1.0)));
    if (std::fabs(next - rho) < 0.0001) break;
    rho = next;
  }
  return next * ta;
}

double BU_HeatTransfer(double d, double tf, double ts, double conductivity, const d_BUBed& bed,
                       double& biot) {
  double convection = 0.0;
  if (d > kMinConvectDiameter) {
    const double v = std::sqrt(bed.wind * bed.wind + 5.194 * bed.depth);
    const double re = v * d / 7.5e-5;
    const double filmConductivity = 5.75e-5 * tf + 0.00875;
    const double forced = 0.344 * std::pow(re, 0.56) * filmConductivity / d;
    const double freeConv = 0.382 * std::pow(std::fabs(tf - ts) / d, 0.25);
    convection = std::max(forced, freeConv);
  }
  const double radiation = 2.835e-8 * (tf * tf + ts * ts) * (tf + ts);
  const double h = convection + radiation;
  biot = h * d / conductivity;
  return h;
}

// x never reaches 0 or 1 (the midpoint of an interval of 2^-15), so 1/x is
// finite. A theta of 1 or more (no heating) gives the smallest x and the
// longest time; a Biot-type number of 0 or less (no heat reaches the
// particle) gives 1e30, and so does a time that would overflow.
double BU_DimlessTime(double theta, double biot) {
  if (!(biot > 0.0)) return kNever;
  const double target = (1.0 - theta) / 0.7478556;
  double lo = 0.0;
  double hi = 1.0;
  for (int i = 0; i < 15; ++i) {
    const double mid = 0.5 * (lo + hi);
    if (HeatingCubic(mid) < target) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  const double x = 0.5 * (lo + hi);
  const double root = (1.0 / x - 1.0) / 0.47047 * 0.5 / biot;
  return BoundedTime(root * root);
}

// The bisection stops when the residual is below 1e-8 or the interval below
// 1e-15; a target beyond the cubic's range on 0..1 runs to the nearer end.
// Where the particle never ignites the time is 1e30: a film coefficient h of
// 0 or less, or a fire environment no hotter than the ignition temperature
// (tf <= tig). A particle whose ignition temperature is at or below the
// ambient one is alight already (0). A time that would overflow or is not a
// number is 1e30, a negative one (negative moisture or conductivity) 0.
double BU_WetIgnitionTime(double tf, double tig, double ta, double h, double condry, double dendry,
                          double cheatd, double moisture) {
  if (!(h > 0.0) || !(tf > tig)) return kNever;
  if (!(tig > ta)) return 0.0;
  const double target = 1.3371565 * (tf - tig) / (tf - ta);
  double lo = 0.0;
  double hi = 1.0;
  double x = 0.5;
  for (int i = 0; i < 200; ++i) {
    x = 0.5 * (lo + hi);
    const double residual = HeatingCubic(x) - target;
    if (std::fabs(residual) < 1e-8) break;
    if (residual < 0.0) {
      lo = x;
    } else {
      hi = x;
    }
    if (hi - lo < 1e-15) {
      x = 0.5 * (lo + hi);
      break;
    }
  }
  const double beta = 2.125534 * (1.0 - x) / x;
  const double conwet = condry + 0.000427 * dendry * moisture;
  // dendry cheatd (1 + moisture (2.177e6 + 4186 (353 - ta)) / (cheatd (tig -
  // ta))) with cheatd multiplied through, so a heat capacity of 0 divides
  // nothing by 0
  const double rhoc = dendry * (cheatd + moisture * (2.177e6 + 4186.0 * (353.0 - ta)) / (tig - ta));
  const double ratio = beta / h;
  const double t = BoundedTime(ratio * ratio * conwet * rhoc);
  return t < 0.0 ? 0.0 : t;
}

// The fraction consumed is kept within 0..1: the moisture formula stays
// above 0 for every moisture below 1.96 and above 1 only for a negative
// moisture, so the bounds guard against nonsense alone.
d_BUDuff BU_DuffBurn(std::string_view type, double w, double m, double pctConsumed) {
  d_BUDuff duff;
  if (!(w > 0.0) || !(m < 1.96)) return duff;
  if (SameKeyword(type, "PeatHigh")) {
    duff.intensity = 15.0 - 5.4 * m;
  } else if (SameKeyword(type, "DuffLow")) {
    duff.intensity = 18.75 - 6.75 * m;
  } else if (SameKeyword(type, "DuffHigh")) {
    duff.intensity = 22.5 - 8.1 * m;
  } else {
    duff.intensity = 11.25 - 4.05 * m;
  }
  if (pctConsumed >= 0.0 && pctConsumed <= 100.0) {
    duff.fraction = pctConsumed / 100.0;
  } else {
    duff.fraction = std::clamp(0.837 - 0.426 * m, 0.0, 1.0);
  }
  duff.duration = duff.fraction * 10000.0 * w / (7.5 - 2.7 * m);
  duff.rate = duff.duration > 0.0 ? duff.fraction * w / duff.duration : 0.0;
  duff.mass = duff.duration * duff.rate;
  return duff;
}

// Below 5 tons/acre the four parts are the whole amount, so nothing is left
// for the following steps. An amount of 0 or less (or not a number) burns
// nothing. Entries beyond the new count that an earlier schedule used are
// cleared.
void BU_HerbShrubSchedule(double h, d_BUSchedule& schedule) {
  const std::size_t oldCount = std::min(schedule.restCount, kBUScheduleParts);
  schedule.first = d_BUPart{};
  schedule.restCount = 0;
  if (h > 0.0) {
    double parts[4];
    double rest = 0.0;
    if (h < 5.0) {
      parts[0] = 0.1 * h;
      parts[1] = 0.2 * h;
      parts[2] = 0.3 * h;
      parts[3] = 0.4 * h;
    } else {
      parts[0] = 0.3;
      parts[1] = 0.85;
      parts[2] = 1.35;
      parts[3] = 2.5;
    }
    const double sum = parts[0] + parts[1] + parts[2] + parts[3];
    if (h >= 5.0) rest = std::max(h - sum, 0.0);
    schedule.first.amount = sum;
    schedule.first.intensity = ScheduleIntensity(sum, 60.0);
    while (rest > 0.0 && schedule.restCount < kBUScheduleParts) {
      const double part = std::min(rest, 2.5);
      schedule.rest[schedule.restCount] = d_BUPart{part, ScheduleIntensity(part, 15.0)};
      ++schedule.restCount;
      rest -= part;
    }
  }
  for (std::size_t i = schedule.restCount; i < oldCount; ++i)
    schedule.rest[i] = d_BUPart{};
}

}  // namespace sylvanor
