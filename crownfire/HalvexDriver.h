#pragma once
// The crown fire driver's pieces that need no window: the input record of
// one stand state (pre- or post-treatment), filled from the moisture
// scenario, the wind reduction and the fuel bed depth; the plot's surface
// fuel as custom fuel model 14 in a temporary fuel model file; one run of the
// crown fire model on the record; the display text of a fire type; and the
// input dump written beside each run for checking it by hand.
//
// Units: loads ton/acre, heights and depth ft, canopy bulk density kg/m3,
// canopy cover and moistures percent, SAV 1/ft, wind mph, heat BTU/lb.

#include <string>

namespace sylvanor {

// One fuel bed of the crown fire model: the surface (low) or crown (high)
// bed.
struct d_HDISet {
  int LowOrHigh = 0;  // 0 low, 1 high
  int FuelModel = 14;
  float WindReduction = 0.1f;  // open wind to midflame wind
  float MultiplierROS = 1;
  float MultiplierLoadDepth = 1;
  float MultiplierIntensity = 1;
};

// The driver's inputs of one stand state, with the defaults Hal_InpInit
// sets (it leaves the herbaceous, litter and woody loads and the moistures
// alone).
struct d_HDI {
  float OneHr = 0;  // 1-hour wood plus litter
  float TenHr = 0;
  float HundredHr = 0;
  float FuelBedDepth = 0;  // ft
  float Herb = 0;          // grass
  float Litter = 0;        // kept for display only
  float Woody = 0;         // shrub
  int VegType = 2;         // 1 SHRUB, 2 CONIFER, 3 NO_CANOPY
  d_HDISet Low{0, 14, 0.1f, 1, 1, 1};
  d_HDISet High{1, 10, 0.4f, 1, 1, 1};
  float OneHrMx = 0;  // moistures, percent
  float TenHrMx = 0;
  float HundredHrMx = 0;
  float DeadHerbMx = 0;
  float LiveHerbMx = 0;
  float LiveWoodyMx = 0;
  float CanopyBulkDensity = 0;  // kg/m3
  float CanopyBaseHeight = 0;   // ft
  float CrownFuelLoad = 0;      // available canopy fuel
  float FoliarMx = 0;           // percent
  float ShrubTransFlameLength = 0;
  float OpenWindSpeed = 0;
  float PercentSlope = 0;
  float WindDirFromUphill = 0;  // degrees
  float Temperature = 60;       // F
  float CrownHeatContent = 7744.776f;
  std::string FuelModelFile;  // the temporary fuel model file's path
  int HerbSAV = 0;
  int WoodySAV = 0;
  int OneHrSAV = 0;
  int DeadMxExtinction = 25;  // percent
};

// The outputs of one run: the model's outputs from the transition function
// to the cessation wind, in its order.
struct d_HDO {
  int FireType = -1;
  float TransitionFunction = -1;
  float RateOfSpread = -1;  // ch/h
  float HeatPerUnitArea = -1;
  float FirelineIntensity = -1;  // BTU/ft/s
  float FireIntensityScale = -1;
  float FlameLength = -1;  // ft
  float EffectiveMidflameWind = -1;
  float ScorchHeight = -1;    // ft
  float TorchingIndex = -1;   // mph
  float CrowningIndex = -1;   // mph
  float SurfacingIndex = -1;  // mph
  float CrownFirelineIntensity = -1;
  float CrownFlameLength = -1;
  float CrownCriticalSurfaceROS = -1;
  float CrownCriticalBulkDensity = -1;
  float CrownCriticalCanopyCover = -1;
  float CrownRActive = -1;
  float CrownOCessation = -1;
  int ErrorNumber = -1;
  std::string ErrorText;
};

// The fire type, every number and the error number -1; the text empty.
void HDO_Init(d_HDO& out);

// Sets the six fuel moistures and the foliar moisture from a moisture
// scenario ("VeryDry", "Dry", "Moderate", "Wet", in any case). An unknown
// name leaves them as they are and fails with a message.
bool Hal_InpMoist(d_HDI& in, const std::string& scenario, std::string& error);

// Resets the record to its defaults, takes the three SAVs (truncated; one
// that truncates to 0 or less takes the default: 1-hour 2000, herbaceous
// 1800, woody 1500) and the scenario's moistures (kept as they were for an
// unknown scenario).
void Hal_InpInit(d_HDI& in, float herbSAV, float woodySAV, float oneHrSAV,
                 const std::string& scenario);

// The low bed's wind reduction factor from the stand (canopy cover percent,
// stand height and crown base ft), in single precision: the smaller of the
// sheltered factor of the canopy and the unsheltered factor of the fuel bed
// (its depth taken as 0.001 ft when not positive). A stand without height
// gives 1. A factor outside 0 to 1 fills `error` with the value and is
// limited to 1e-6 ... 1 - 1e-6, like every factor, so that the model can use
// it. Always true.
bool Hal_WindReduction(d_HDI& in, float canopyCover, float standHeight, float cbh,
                       std::string& error);

// The fuel bed depth: `userDepth`, unless `depthText` is "Auto" (any case)
// or empty, when it follows from the loads. Always true.
bool Hal_FuelBedDepth(d_HDI& in, float userDepth, const std::string& depthText, std::string& error);

// The eight lines of the temporary fuel model file: units, comments,
// standard model 10 (the crown bed) and the plot's fuel as model 14, loads
// and depth to four decimals; a SAV whose loads are 0 is written 9999.
std::string Hal_FuelModelText(const d_HDI& in);

// Writes Hal_FuelModelText to `path`; false when it cannot. The caller
// keeps the path in the record.
bool Hal_FuelModelFile(const d_HDI& in, const std::string& path);

// Runs the crown fire model on the record, its fuel models read from
// Hal_FuelModelText. A fuel bed depth that is not positive fails with the
// warning "Warning - fuelbed depth is zero" and an empty error (the caller
// reports the warning as the state's error); invalid inputs fail with the
// model's message in `error`. On success `out` takes every output.
bool Hal_Calc(d_HDI& in, d_HDO& out, std::string& warning, std::string& error);

// The display text of a fire type.
std::string Hal_FireType(int fireType);

// The input dump of a record: what the model is fed besides the fuel model
// file, and that file's path.
std::string Hal_DumpText(const d_HDI& in);

// Writes Hal_DumpText as `name` in `folder`; nothing when the file cannot
// be created.
void Hal_DumpInput(const d_HDI& in, const std::string& folder, const std::string& name);

}  // namespace sylvanor
