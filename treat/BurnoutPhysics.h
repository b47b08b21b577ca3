#pragma once
// The physics of the woody fuel burnout simulation (treat/Burnout.h): the
// fire environment temperature, the heat transfer to a fuel particle, the
// dimensionless drying and ignition times, the ignition time of a wet
// particle, the duff's smoldering and the burning schedule of the herbs and
// shrubs. Pure functions in SI units: temperatures K, diameters m, times s,
// intensities kW/m2, loads kg/m2 (the herb and shrub schedule: tons/acre).

#include <array>
#include <cstddef>
#include <string_view>

namespace sylvanor {

// Temperature of the fire environment (K) that an intensity q (kW/m2) makes
// with the mixing parameter r, over the ambient temperature ta (K): the
// fixed point of rho' = 0.5 (rho + 1 + r / (1 + term (rho + 1)(rho^2 + 1))),
// term = r / (20 q), from rho = r until two iterates differ by less than
// 0.0001; the temperature is the last iterate times ta. No intensity (q 0
// or less) leaves the ambient temperature.
double BU_FireEnvTemp(double q, double r, double ta);

// The bed's part in the heat transfer: the wind speed at the top of the fuel
// bed (m/s) and the fuel bed depth (m).
struct d_BUBed {
  double wind = 0;
  double depth = 0;
};

// Heat transfer coefficient h (W/m2/K) to a particle of diameter d in a
// fire environment at tf with surface temperature ts: the larger of forced
// and free convection (none for d of 5.75e-5 m or less) plus radiation.
// `biot` gets the Biot-type number h d / conductivity (conductivity above 0).
double BU_HeatTransfer(double d, double tf, double ts, double conductivity, const d_BUBed& bed,
                       double& biot);

// Dimensionless drying or ignition time for a temperature ratio theta and a
// Biot-type number: x in 0..1 with (0.4653628 - (0.1282064 - x) x) x =
// (1 - theta) / 0.7478556 by 15 halvings of the interval (the midpoint of
// the last one), then ((1/x - 1) / 0.47047 * 0.5 / biot)^2; 1e30 (never)
// for a Biot-type number of 0 or less or a time that would overflow.
double BU_DimlessTime(double theta, double biot);

// Ignition time (s) of a wet particle, dried at 353 K, heated to its
// ignition temperature tig under a fire environment at tf, ambient ta, with
// the film coefficient h: x in 0..1 by bisection to a residual of 1e-8 of
// (0.4653628 - (0.1282064 - x) x) x = 1.3371565 (tf - tig) / (tf - ta),
// beta = 2.125534 (1 - x) / x, conwet = condry + 0.000427 dendry moisture,
// rhoc = dendry cheatd (1 + moisture (2.177e6 + 4186 (353 - ta)) /
// (cheatd (tig - ta))), and the time (beta / h)^2 conwet rhoc. 1e30 (never)
// when h is 0 or less or tf does not exceed tig; 0 when tig does not exceed
// ta; never NaN or infinite.
double BU_WetIgnitionTime(double tf, double tig, double ta, double h, double condry, double dendry,
                          double cheatd, double moisture);

// The duff's smoldering: fire intensity (kW/m2), fraction consumed,
// duration (s), burning rate (kg/m2/s) and the mass to burn (kg/m2).
struct d_BUDuff {
  double intensity = 0;
  double fraction = 0;
  double duration = 0;
  double rate = 0;
  double mass = 0;
};

// The duff of load w (kg/m2) and moisture m (fraction) of a duff type
// ("PeatLow", "PeatHigh", "DuffLow", "DuffHigh"; any other as "PeatLow"),
// with the percent consumed (0..100, else the fraction 0.837 - 0.426 m).
// All 0 unless w > 0 and m < 1.96.
d_BUDuff BU_DuffBurn(std::string_view type, double w, double m, double pctConsumed);

// The herb and shrub burning schedule: parts (tons/acre) with their fire
// intensities (kW/m2). At most kBUScheduleParts parts are kept.
inline constexpr std::size_t kBUScheduleParts = 6000;

struct d_BUPart {
  double amount = 0;     // tons/acre
  double intensity = 0;  // kW/m2
};

struct d_BUSchedule {
  // the first step's part: the sum of the first four parts, its intensity
  // over 60 s
  d_BUPart first;
  // the parts of the following steps, one a step, in order
  std::array<d_BUPart, kBUScheduleParts> rest{};
  std::size_t restCount = 0;
};

// The schedule of h tons/acre of herbs and shrubs: four parts, 0.1, 0.2,
// 0.3 and 0.4 h when h < 5, else 0.3, 0.85, 1.35 and 2.5, then the rest
// (h minus the four, at least 0) in parts of at most 2.5; each part's
// intensity is part x 367.30945 / 15 x 11.35, the first step's sum x
// 367.30945 / 60 x 11.35. Fills `schedule` (no allocation).
void BU_HerbShrubSchedule(double h, d_BUSchedule& schedule);

}  // namespace sylvanor
