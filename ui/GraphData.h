#pragma once
// The series of the graph windows, without the charts: the surface fuel by
// component and the stand measures before and after treatment, and the
// broadcast burn's time history of fire intensity and smoke.

#include <array>
#include <string>
#include <vector>

#include "engine/Sylvanor.h"
#include "treat/Pollutants.h"

namespace sylvanor {

// The charts' titles and axis titles.
inline constexpr const char* kFuelChartTitle = "Surface fuel loads before and after treatment";
inline constexpr const char* kLoadAxis = "Load (t/ac)";
inline constexpr const char* kStandChartTitle = "Stand measures before and after treatment";
inline constexpr const char* kEmissionChartTitle = "Broadcast burn: fire intensity and emissions";
inline constexpr const char* kTimeAxis = "Time since ignition (min)";
inline constexpr const char* kIntensityAxis = "Fire intensity (kW/m2)";
inline constexpr const char* kPreSeries = "Pre-treatment";
inline constexpr const char* kPostSeries = "Post-treatment";
inline constexpr const char* kIntensitySeries = "Fire intensity";
inline constexpr const char* kNoBurn = "No broadcast burn in the last run";
inline constexpr const char* kPngNotWritten = "Can't write the picture ";

// One category of a grouped bar chart: its label and its values before and
// after treatment.
struct d_Bar {
  std::string Label;
  float Pre = 0, Post = 0;
};

// The surface fuel by component before treatment (the loads as the run took
// them) and after it, tons/acre: litter, duff, lichen, moss, herb, shrub,
// 1-, 10- and 100-hour wood, the 1000-hour sound logs (the five size classes
// summed), the 1000-hour rotten logs (likewise) and the existing piles.
std::vector<d_Bar> FuelLoadBars(const Sylvanor& syl);

// The stand measures before and after treatment, labels with their units,
// in the order of the main window's result boxes.
std::vector<d_Bar> StandBars(const Sylvanor& syl);

// One step of the burn: the time since ignition at the step's end (minutes),
// the fire intensity (kW/m2) and the pollutant emitted in the step (g/m2).
struct d_EmisPoint {
  float Minutes;
  float Intensity;
  float Value;
};

// The axis title of a pollutant's emissions: "CO2 (g/m2 per step)".
std::string PollutantAxis(int pollutant);

// The igniting surface fire's step ends at its residence time (60 s); each
// later step ends one time step (15 s) after the one before.
float StepEndMinutes(int step);

// The burn's time history of one pollutant (an index into kPollutantLabels):
// every step up to the last one with a fire intensity or an emission, none
// without a burn or for an index outside the list.
std::vector<d_EmisPoint> EmissionHistory(const Sylvanor& syl, int pollutant);

}  // namespace sylvanor
