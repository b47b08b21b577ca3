#pragma once
// Duff consumption of a broadcast burn: the percent of the duff load
// consumed, the duff depth reduction (in) and the percent of mineral soil
// exposed. The region, cover group, fuel category and duff moisture method
// select an equation for each; with the override switch "Yes" the duff load,
// depth and mineral soil override numbers may replace them.

#include "treat/ConsumptionTypes.h"

namespace sylvanor {

// Fills `res` anew from the duff load, depth and moisture, the 1000-hour
// moisture, the litter load and moisture, the cover and the overrides of
// `in`. The inputs are taken as checked, yet no input makes it fail: a duff
// without load or depth consumes nothing.
void DUF_Mngr(const d_ConIn& in, d_DufRes& res);

}  // namespace sylvanor
