#pragma once
// What a broadcast burn consumes of the herbs, the shrubs and the crown
// foliage and branches, each by an equation chosen from the cover group,
// region and season, and the litter consumed by the pine flatwoods
// equation. Loads in tons/acre, moistures and percents in percent.
//
// Each component records its equation number, its load before the burn,
// consumed and after it, and the percent consumed. A load of 0 leaves
// consumed, after and percent 0 and still records the equation number.

#include "treat/ConsumptionTypes.h"

namespace sylvanor {

// Herbs: pine flatwoods 223; else the southeast 222; else a grass group in
// spring 221; otherwise 22. With the override switch "Yes", an override
// number of 22, 221, 222 or 223 is used instead; any other leaves the
// chosen equation. Consumed is limited to 0 ... the load.
void CON_Herb(const d_ConIn& in, d_ConComp& out);

// Shrubs: sagebrush 233 in fall, else 232; pine flatwoods 236; outside the
// southeast 231 for a shrub group, else 23; the southeast 234 but for a
// pocosin, 233 in spring or winter, else 235. With the override switch "Yes"
// a shrub override number > 0 is evaluated instead, and a number of no
// equation consumes nothing. Consumed is limited to 0 ... the load.
void CON_Shrub(const d_ConIn& in, d_ConComp& out);

// Crown foliage, equation 37: the percent burned of the load; the percent
// recorded is the percent burned.
void CON_CrownFoliage(const d_ConIn& in, d_ConComp& out);

// Crown branches, equation 38: the percent burned of half the load.
void CON_CrownBranch(const d_ConIn& in, d_ConComp& out);

// The litter consumed (tons/acre) by equation 997 from the litter load
// (tons/acre) and the 10-hour moisture (percent); at most the load.
float CON_Litter997(float litter, float moist10);

}  // namespace sylvanor
