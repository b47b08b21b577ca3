#pragma once
// The settings record of the engine: every input of one plot's run.
//
// Numbers are single-precision; kMissing marks a value that was not given.
// Units are those of the input unit system until execution converts the
// record to English units. A text field holds at most its capacity less one
// character; a setter cuts a longer text.

#include <array>

#include "base/FixedText.h"
#include "stand/SurfaceFuel.h"
#include "treat/Pollutants.h"

namespace sylvanor {

inline constexpr float kMissing = -9999.0f;

// The capacity of a factor group's name in the settings.
inline constexpr std::size_t kEmisNameCapacity = 50;

struct d_Settings {
  FixedText<2000> UserFolder;  // user's species file with the mortality equations
  FixedText<5> ThinInc;        // "Yes"/"No"
  FixedText<51> ThinCrit;      // thinning criterion keyword
  float ThiCriVal = 0;         // target value, unit by criterion
  float CutEff = 0;            // cutting efficiency, fraction
  float MinCutDia = 0;         // in / cm
  float MaxCutDia = 0;         // in / cm
  float SubMerDia = 0;         // submerchantable diameter, in / cm
  float LogTopDia = 0;         // in / cm
  float Yardloss = 0;          // fraction of cut material left on site
  FixedText<8> PrunInc;        // "Yes"/"No"
  float PrunHgt = 0;           // ft / m
  float PrunMRCR = 0;          // minimum residual crown ratio, fraction
  FixedText<20> InUnits;       // "English"/"Metric"
  FixedText<20> OutUnits;      // "English"/"Metric"
  float ESDD = 0;              // diameter threshold of the exceeding stem density, in / cm
  float LayWid = 0;            // canopy layer width, ft / m
  float RASpread = 0;          // running-average spread, layers
  float CBDCriThr = 0;         // critical canopy bulk density, kg/m3

  d_SurfaceFuel Fuel;  // surface fuel loads, tons/acre / kg/m2

  float PilGroFra = 0;  // fraction of ground fuels put on piles
  float PilTPFra = 0;   // fraction of thinning and pruning slash put on piles
  float PilBurFra = 0;  // fraction of the piles burned

  FixedText<5> BroBurInc;  // "Yes"/"No"
  FixedText<30> Region;
  FixedText<33> Season;
  float Moist10Hr = 0;  // fraction
  float Moist1kHr = 0;  // fraction
  float MLCons = 0;     // fraction of moss and lichen consumed
  float DuffDepth = 0;  // in / cm
  float DuffMoist = 0;  // fraction
  float ScoHgt = 0;     // scorch height, ft / m

  FixedText<40> Climate;    // "Arid"/"Humid"
  FixedText<52> FueModSet;  // "Albini-13", "Scott-40", "All", "None"
  float Hr1SAV = 0;         // 1/ft / 1/m
  float GrassSAV = 0;
  float ShrubSAV = 0;
  float FueBedDep = 0;  // in / cm

  d_EmisFactors EmisFlame;  // smoke emission factor groups, g/kg
  d_EmisFactors EmisSmolder;
  d_EmisFactors EmisDuff;
  float CriFirInt = 0;  // critical fire intensity of the consumption model
};

// Resets every text to empty and every number to kMissing, except the user
// folder, which keeps its value.
void ResetSettings(d_Settings& s);

}  // namespace sylvanor
