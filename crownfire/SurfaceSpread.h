#pragma once
// Surface fire spread over one fuel bed: the fuel model list, the dynamic
// herbaceous transfer, the size-subclass weighting of net loads, the spread
// rate with wind and slope, and the ratio of a flank spread rate to the head
// rate.

#include <vector>

#include "crownfire/HalvexTypes.h"

namespace sylvanor {

// The model constants of the spread computation.
inline constexpr double kTotalMineral = 0.0555;
inline constexpr double kParticleDensity = 32.0;  // lb/ft3
inline constexpr double kEffectiveMineral = 0.01;
inline constexpr double kDegreesPerRadian = 57.29577951308238;

// The first model of the list with the number, or none.
const CFuelModel* FindFuelModel(const std::vector<CFuelModel>& models, int number);

// The herbaceous transfer of a "dynamic" model at the live herbaceous
// moisture (percent), in place; any other model gets no cured load.
void CalculateDynamicFuelModelLoads(CFuelModel& model, int liveHerbMx);

// Size-subclass weighted net loads: the dead classes (cured herbaceous,
// 1-, 10-, 100-hour; net load then area fraction for each) and the live
// classes (live herbaceous, live woody).
double FindWnDead(double wnHerb, double fHerb, double wn1, double f1, double wn10, double f10,
                  double wn100, double f100, const CFuelModel& model);
double FindWnLive(double wnHerb, double fHerb, double wnWoody, double fWoody,
                  const CFuelModel& model);

// Surface spread of fuel model set.FuelModel of the list under the stand's
// inputs (vegetation type, moistures, open wind, slope, wind direction,
// spread direction). An all -1 set when the model is not in the list or the
// dead fuel is at or above its moisture of extinction.
CHalvexTempSet CalculateROS(const std::vector<CFuelModel>& models, const CHalvexInputs& inputs,
                            const CHalvexInputsSet& set);

// The ratio of the spread rate `angle` degrees from the head to the head
// rate, for the effective wind (mph).
double CalculateNonHeadingROS(double angle, double effectiveWind);

}  // namespace sylvanor
