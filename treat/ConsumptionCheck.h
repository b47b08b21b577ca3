#pragma once
// The checks of the consumption input before any equation runs: loads,
// moistures and percents within their limits, and the keywords (region,
// fuel category, duff moisture method, season, cover group) known, compared
// without case. Each check returns 1 when the input passes, or 0 with the
// message of the first check it fails; the message is left alone on 1.

#include <string>

#include "treat/ConsumptionTypes.h"

namespace sylvanor {

// The surface inputs, in order: the litter moisture of a coastal plain
// cover, the herb, shrub and crown loads, the percent of the crown foliage
// burned, the duff load, depth and moisture, the region, fuel category, duff
// moisture method, season and cover group.
int CON_ChkInputs(const d_ConIn& in, std::string& message);

// The burnout inputs, in order: the 10- and 1000-hour moistures, the herb,
// shrub and crown loads together, the percent of the duff consumed, the duff
// load and moisture, and the twelve litter and down woody loads.
int CON_ChkWoody(const d_ConIn& in, std::string& message);

}  // namespace sylvanor
