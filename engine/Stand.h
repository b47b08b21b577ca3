#pragma once
// The results record of the engine: what the last executed plot produced,
// and the engine's two messages (the error and the warnings).

#include <array>

#include "base/FixedText.h"
#include "crownfire/FuelModelSelect.h"
#include "stand/CanopyTypes.h"
#include "stand/SurfaceFuel.h"
#include "treat/Piling.h"
#include "treat/Pollutants.h"

namespace sylvanor {

inline constexpr std::size_t kMessageCapacity = 3000;

// Fuel left by pruning and thinning, the piles and what burned in them,
// tons/acre. Cleared at the start of every plot's execution.
struct d_SlashPile {
  d_SlashLoads Pruning;   // foliage, 1-, 10- and 100-hour
  d_SlashLoads Thinning;  // and the five 1000-hour classes
  float TS1kHr = 0;       // the thinning slash's 1000-hour classes together
  d_Piles Piles;
  // consumed by pile burning: duff, 1-hour, 10-hour, 100-hour, 1000-hour
  std::array<float, 5> PilBurCon{};
};

// Smoke of the broadcast burn: flaming and smoldering totals (lb/acre) and
// the fixed factors (g/kg), each in the order PM2.5, PM10, CH4, CO2, CO, NOx,
// SO2; and the fuel consumed flaming, smoldering (coarse wood) and in the
// duff (kg/m2). All 0 until a burn fills them.
struct d_EmiTotals {
  std::array<float, kPollutants> Flame{}, Smolder{};
  std::array<float, kPollutants> FlameFactors{}, SmolderFactors{};
  float FlaCon = 0, SmoCon = 0, DufCon = 0;
};

// The broadcast burn: what it consumed of each surface fuel component
// (tons/acre), the consumption model's total over its eleven components and
// the large woody part of it (sound and rotten), whether it ignited ("YES" or
// "NO", empty without a burn), and the basal area of the trees it killed
// (ft2/acre).
struct d_BurnResults {
  d_SurfaceFuel Consumed;  // its pile stays 0: piles burn apart
  float ConTotal = 0;
  float ConLargeWoody = 0;
  FixedText<4> Ignition;
  float KilledBasal = 0;
};

// One step of the burn's time history: the pollutants emitted in the step
// (g/m2, in the order PM2.5, PM10, CH4, CO2, CO, NOx, SO2) and the fire
// intensity (kW/m2); zeros for a step after the fire's end.
struct d_EmiStep {
  std::array<float, kPollutants> Emitted{};
  float Intensity = 0;
};
inline constexpr std::size_t kEmiSteps = 1500;

struct d_Stand {
  FixedText<kMessageCapacity> ErrMes;   // reason of the last failed operation
  FixedText<kMessageCapacity> Warning;  // thinning and burn notices
  d_SurfaceFuel AGF;    // surface fuel after treatment: the plot's, changed by piling and the burn
  d_Canopy Post;        // canopy and stand measures after treatment
  d_StandVolumes Vol;   // standing and harvested volumes
  float WildHab = 0;    // wildlife-habitat value, always 0
  float ScoHgt = 0;     // scorch height used for mortality, ft
  float ScoLitter = 0;  // foliage killed by the burn, added to the litter, tons/acre
  d_SlashPile Slash;
  FMSelector FmsPre;   // standard fuel model of the loads before treatment
  FMSelector FmsPost;  // and after
  d_EmiTotals Emis;
  d_BurnResults Burn;
  std::array<d_EmiStep, kEmiSteps> EmiSteps{};
};

}  // namespace sylvanor
