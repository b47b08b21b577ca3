#pragma once
// The changes execution makes to the settings before computing: moistures
// from fractions to percent, and Metric inputs to English units.

#include "engine/Settings.h"

namespace sylvanor {

// Moist10Hr and Moist1kHr times 100; DuffMoist limited to 1.972, then times
// 100.
void Settings_MoisturesToPercent(d_Settings& s);

// Converts every setting given in Metric units to English units: diameters
// and depths cm to in, heights and the layer width m to ft, loads kg/m2 to
// tons/acre, SAVs 1/m to 1/ft, and the thinning target by its criterion.
void Settings_ToEnglish(d_Settings& s);

}  // namespace sylvanor
