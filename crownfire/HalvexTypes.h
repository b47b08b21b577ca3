#pragma once
// The records of the crown fire assessment: fuel models, the inputs of one
// stand (a surface and a crown fuel bed), one surface spread result and the
// assessment's outputs. Plain value records, copied whole. Units are English
// throughout: loads lb/ft2, SAV 1/ft, depth ft, heat BTU/lb, moistures whole
// percent, wind mph, slope percent, angles degrees.

#include <string>

namespace sylvanor {

// One fire behaviour fuel model. Two models are equal when their numbers are.
struct CFuelModel {
  int Number = -1;
  std::string Code;
  double Load1Hr = -1;
  double Load10Hr = -1;
  double Load100Hr = -1;
  double LoadLiveHerb = -1;
  double LoadLiveWoody = -1;
  std::string Type;  // "dynamic" makes the model dynamic
  double SAV1Hr = -1;
  double SAV10Hr = 109;
  double SAV100Hr = 30;
  double SAVLiveHerb = -1;  // live and cured herbaceous
  double SAVLiveWoody = -1;
  double Depth = -1;
  double MxDead = -1;  // dead fuel moisture of extinction, fraction
  double HeatDead = -1;
  double HeatLive = -1;
  std::string Name;
  double LoadDeadHerb = -1;  // cured herbaceous, set by the dynamic transfer

  friend bool operator==(const CFuelModel& a, const CFuelModel& b) { return a.Number == b.Number; }
};

// Byram's flame length L = 0.0775 I^0.46 (m, with I in kW/m), and the
// crown fire model's feet per metre.
inline constexpr double kByramCoef = 0.0775;
inline constexpr double kByramExp = 0.46;
inline constexpr double kFeetPerMetre = 3.281;

// Vegetation types of a stand.
inline constexpr int kVegShrub = 1;
inline constexpr int kVegConifer = 2;
inline constexpr int kVegNoCanopy = 3;

struct CHalvexOutputs;

// One fuel bed's settings.
struct CHalvexInputsSet {
  int LowOrHigh = 0;  // 0 the surface (low) bed, 1 the crown (high) bed
  int FuelModel = -1;
  double WindReductionFactor = -1;  // open wind to midflame wind, exclusive 0 to 1
  double MultiplierROS = -1;
  double MuliplierLoadDepth = -1;
  double MuliplierIntensity = -1;

  // Checks the set; on failure writes the error number and text into `out`.
  bool isValid(CHalvexOutputs& out) const;
};

// The inputs of one stand.
struct CHalvexInputs {
  int VegType = -1;  // kVegShrub, kVegConifer or kVegNoCanopy
  CHalvexInputsSet Low;
  CHalvexInputsSet High;
  double CrownFuelLoad = -1;          // ton/acre
  double CrownHeatContent = -1;       // BTU/lb
  double CanopyBaseHeight = -1;       // ft
  double ShrubTransFlameLength = -1;  // ft
  double CanopyBulkDensity = -1;      // kg/m3
  double ConiferFoliarMx = -1;        // percent
  int PercentSlope = -1;
  double OpenWindSpeed = -1;   // mph
  int WindDirFromUphill = -1;  // degrees
  double CrownHPA = -1;        // BTU/ft2; -1 derive it
  double Initiation = -1;      // critical surface intensity, kW/m; -1 derive it
  int TemperatureF = -999;
  int DeadHerbMx = -1;
  int OneHourMx = -1;
  int TenHourMx = -1;
  int HundredHourMx = -1;
  int LiveWoodyMx = -1;
  int LiveHerbMx = -1;
  int SpreadDirection = 0;  // degrees from the head

  // Checks the inputs in order; on failure writes the error into `out`.
  bool isValid(CHalvexOutputs& out) const;
  // Derive or back-fill the initiation intensity and the crown heat.
  void CalculateInitiation();
  void CalculateHPAHighConifer();
};

// The result of one surface spread computation; every field -1 means no
// fire (fuel model not found, or dead fuel too wet to burn).
struct CHalvexTempSet {
  double BulkDensity = -1;        // rho_b, lb/ft3
  double ROS = -1;                // R in the requested direction, m/min
  double HeatSink = -1;           // sum f eps Qig, BTU/lb
  double HPA = -1;                // heat per unit area, BTU/ft2
  double PropFluxRatio = -1;      // xi
  double ReactionIntensity = -1;  // IR, BTU/ft2/min
  double SlopeFactor = -1;        // phi_s
  double WindC = -1;              // C
  double PackingRatio = -1;       // beta
  double OptPackingRatio = -1;    // beta_op
  double RelPackingRatio = -1;    // beta / beta_op
  double WindE = -1;              // E
  double WindB = -1;              // B
  double ROS0 = -1;               // no-wind, no-slope rate, m/min
  double EffectiveWind = -1;      // U_E, mph
  double FirelineIntensity = -1;  // kW/m, filled by the assessment
};

// One fuel bed's outputs.
struct CHalvexOutputsSet {
  double RateOfSpread = 0;       // ch/h
  double HeatPerUnitArea = 0;    // BTU/ft2
  double FirelineIntensity = 0;  // BTU/ft/s
  double FlameLength = 0;        // ft
};

struct CHalvexOutputs {
  int FireType = 0;  // 1 surface, 2 passive, 3 conditional, 4 active crown; 0 no spread
  double TransitionFunction = 0;
  double RateOfSpread = 0;              // ch/h
  double HeatPerUnitArea = 0;           // BTU/ft2
  double FirelineIntensity = 0;         // BTU/ft/s
  double FireIntensityScale = 0;        // log10 of kW/m, never below 0
  double FlameLength = 0;               // ft
  double EffectiveMidflameWind = 0;     // mph
  double ScorchHeight = 0;              // ft
  double TorchingIndex = 0;             // mph
  double CrowningIndex = 0;             // mph
  double SurfacingIndex = 0;            // mph
  double CrownFirelineIntensity = 0;    // BTU/ft/s
  double CrownFlameLength = 0;          // ft
  double CrownCriticalSurfaceROS = 0;   // ch/h
  double CrownCriticalBulkDensity = 0;  // kg/m3
  double CrownCriticalCanopyCover = 0;
  double CrownRActive = 0;     // ch/h
  double CrownOCessation = 0;  // mph
  CHalvexOutputsSet Low;
  CHalvexOutputsSet High;
  int ErrorNumber = -1;
  std::string ErrorDescription;

  int GetErrorNumber() const { return ErrorNumber; }
  std::string GetErrorMessage() const { return ErrorDescription; }
};

}  // namespace sylvanor
