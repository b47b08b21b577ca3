#include "treat/BurnEmission.h"

#include "base/Keyword.h"

namespace sylvanor {

// Two modes, chosen by the sign of the critical fire intensity.
//
// Three-set mode (critical >= 0): flaming = Flame[p] x F; smoldering =
// Smolder[p] x S + Duff[p] x D; the smoldering mass is S + D. The duff
// emission accumulators stay at zero; the duff mass counts D in both modes.
//
// Fixed-factor mode (critical < 0): the fixed table's flaming factors apply
// to F and its smoldering factors to S. The duff D also takes the smoldering
// factors, but its emissions and mass go to the duff accumulators only: they
// are in neither the smoldering totals nor the step's smoldering (emissions
// or mass). The table has no SO2 factor for this mode, so SO2 is 0 in the
// flaming, smoldering and duff emissions alike.
//
// A time-step record holds the step's flaming plus smoldering emissions as
// the step returns them; in the fixed-factor mode that leaves the duff's
// emissions out of the record, as the duff mass is left out of the step's
// smoldering mass.

namespace {

// A row of the fixed factor table (g/kg): its key, a second spelling of the
// key (empty when none), and the flaming and smoldering factors.
struct FixedRow {
  std::string_view key, alias;
  double flaming, smoldering;
};

// The fixed factor table, in the reported order.
constexpr std::array<FixedRow, kPollutants> kFixed = {{
    {"pm25", "pm2.5", 2.604, 22.644},
    {"pm10", "", 3.07272, 26.71992},
    {"ch4", "", 0.796, 13.756},
    {"co2", "", 1778.01, 1228.11},
    {"co", "", 6.52, 301.72},
    {"nox", "", 3.2, 0.0},
    {"so2", "", 1.0, 1.0},
}};

// Consumption (kg/m2) a step must exceed to count as flaming or smoldering.
constexpr double kBurningMass = 1e-5;

}  // namespace

void BE_FixedFactor(std::string_view key, double& flaming, double& smoldering) {
  for (const FixedRow& row : kFixed) {
    if (SameKeyword(key, row.key) || (!row.alias.empty() && SameKeyword(key, row.alias))) {
      flaming = row.flaming;
      smoldering = row.smoldering;
      return;
    }
  }
  flaming = 0.0;
  smoldering = 0.0;
}

void c_BurnEmission::SetFactors(const d_EmisFactors& flame, const d_EmisFactors& smolder,
                                const d_EmisFactors& duff, double critical) {
  flameSet_ = flame;
  smolderSet_ = smolder;
  duffSet_ = duff;
  critical_ = critical;
}

void c_BurnEmission::Reset() {
  flame_.fill(0.0);
  smolder_.fill(0.0);
  duff_.fill(0.0);
  flameMass_ = smolderMass_ = duffMass_ = 0.0;
  endFlaming_ = endSmoldering_ = 0.0;
  steps_ = 0;
  used_ = 0;
  records_.fill(d_BERecord{});
}

d_BEStep c_BurnEmission::Step(double t, double intensity, double flame, double smolder,
                              double duff) {
  d_BEStep step;
  if (FixedFactorMode()) {
    for (std::size_t p = 0; p < kPollutants; ++p) {
      if (p == Reported(Pollutant::SO2)) continue;  // no SO2 factor in this mode
      step.flame[p] = kFixed[p].flaming * flame;
      step.smolder[p] = kFixed[p].smoldering * smolder;
      duff_[p] += kFixed[p].smoldering * duff;
    }
    step.smolderMass = smolder;
  } else {
    for (std::size_t p = 0; p < kPollutants; ++p) {
      const Pollutant i = ReportedOrder()[p];
      step.flame[p] = static_cast<double>(flameSet_[i]) * flame;
      step.smolder[p] =
          static_cast<double>(smolderSet_[i]) * smolder + static_cast<double>(duffSet_[i]) * duff;
    }
    step.smolderMass = smolder + duff;
  }
  step.flameMass = flame;
  step.duffMass = duff;

  for (std::size_t p = 0; p < kPollutants; ++p) {
    flame_[p] += step.flame[p];
    smolder_[p] += step.smolder[p];
  }
  flameMass_ += step.flameMass;
  smolderMass_ += step.smolderMass;
  duffMass_ += duff;

  // Records are only ever taken in order and only Reset frees them, so the
  // first unused place is the one after those used.
  if (used_ < kBERecords) {
    d_BERecord& record = records_[used_++];
    record.time = t;
    for (std::size_t p = 0; p < kPollutants; ++p)
      record.emitted[p] = step.flame[p] + step.smolder[p];
    record.intensity = intensity;
  }

  if (intensity > critical_ && flame > kBurningMass) endFlaming_ = t;
  if (smolder + duff > kBurningMass) endSmoldering_ = t;
  ++steps_;
  return step;
}

}  // namespace sylvanor
