#pragma once
// The smoke of one broadcast burn, step by step: each time step of the
// burnout simulation (treat/Burnout.h) hands over its flaming, smoldering
// and duff consumption, which the emission factors turn into grams of seven
// pollutants per square metre, accumulated over the burn and kept per step
// in the time-step records.
//
// Factor sets are in g/kg in the order CO, CO2, CH4, PM2.5, PM10, NOx, SO2;
// every reported list is in the order PM2.5, PM10, CH4, CO2, CO, NOx, SO2.
// Consumption is in kg/m2, emissions in g/m2.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "treat/Pollutants.h"

namespace sylvanor {

inline constexpr std::size_t kBERecords = 1500;

// The fixed factor table (g/kg) of a pollutant key ("pm10", "pm25" or
// "pm2.5", "ch4", "co", "co2", "nox", "so2", any case): its flaming and
// smoldering factors; 0 and 0 for an unknown key.
void BE_FixedFactor(std::string_view key, double& flaming, double& smoldering);

// One time-step record: the simulation time (-1 while unused), the step's
// emissions of each pollutant (flaming plus smoldering, g/m2, reported
// order) and the fire intensity (kW/m2).
struct d_BERecord {
  double time = -1;
  std::array<double, kPollutants> emitted{};
  double intensity = 0;
};

// What one emission step produced: flaming and smoldering emissions (g/m2,
// reported order) and the masses the time history keeps (kg/m2): flaming,
// smoldering (duff included in the three-set mode, excluded in the
// fixed-factor mode) and duff.
struct d_BEStep {
  std::array<double, kPollutants> flame{}, smolder{};
  double flameMass = 0, smolderMass = 0, duffMass = 0;
};

class c_BurnEmission {
 public:
  // The three factor sets and the critical fire intensity (kW/m2): zero or
  // more selects the three-set mode, a negative value the fixed-factor mode.
  void SetFactors(const d_EmisFactors& flame, const d_EmisFactors& smolder,
                  const d_EmisFactors& duff, double critical);

  // Empties the accumulators and the records (every time -1).
  void Reset();

  // One time step at simulation time t (s) with the step's fire intensity
  // (kW/m2) and its flaming F, woody smoldering S and duff D consumption
  // (kg/m2). Accumulates, adds a record in the first unused place (none when
  // all 1500 are used), keeps the end of flaming and smoldering and counts
  // the step. Allocates nothing.
  d_BEStep Step(double t, double intensity, double flame, double smolder, double duff);

  // Accumulated emissions (g/m2, reported order) and consumed masses (kg/m2):
  // flaming, smoldering, and the duff's part of the burn in either mode. In
  // the fixed-factor mode the duff's emissions are accumulated apart: they
  // and its mass are not in the smoldering totals or mass.
  const std::array<double, kPollutants>& FlameTotals() const { return flame_; }
  const std::array<double, kPollutants>& SmolderTotals() const { return smolder_; }
  const std::array<double, kPollutants>& DuffTotals() const { return duff_; }
  double FlameMass() const { return flameMass_; }
  double SmolderMass() const { return smolderMass_; }
  double DuffMass() const { return duffMass_; }
  // The last step time with flaming above the critical intensity and more
  // than 1e-5 kg/m2 flaming, and with more than 1e-5 kg/m2 smoldering; 0
  // before any.
  double EndOfFlaming() const { return endFlaming_; }
  double EndOfSmoldering() const { return endSmoldering_; }
  int Steps() const { return steps_; }

  const std::array<d_BERecord, kBERecords>& Records() const { return records_; }
  bool FixedFactorMode() const { return critical_ < 0; }

 private:
  d_EmisFactors flameSet_, smolderSet_, duffSet_;
  double critical_ = 0;
  std::array<double, kPollutants> flame_{}, smolder_{}, duff_{};
  double flameMass_ = 0, smolderMass_ = 0, duffMass_ = 0;
  double endFlaming_ = 0, endSmoldering_ = 0;
  int steps_ = 0;
  std::size_t used_ = 0;  // records used
  std::array<d_BERecord, kBERecords> records_{};
};

}  // namespace sylvanor
