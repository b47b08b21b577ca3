#pragma once
// The records of the surface fuel consumption model: what a broadcast burn
// is given (loads, moistures, the burn's place and season, the burnout
// particle properties and control values, the emission factor sets, the
// equation overrides) and what it finds for every fuel component.
//
// Loads are in tons/acre, moistures in percent, duff depth in inches. The
// burnout simulation works in kg/m2: tons/acre / 4.46 = kg/m2.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "treat/Burnout.h"
#include "treat/Pollutants.h"

namespace sylvanor {

inline constexpr std::size_t kLogClasses = 4;  // 3-6, 6-9, 9-20, 20+ in
inline constexpr int kNoEquation = -1;         // an override number not given

// The properties of a burnout particle slot: surface-to-volume ratio (1/m),
// the moisture taken with the moisture override (fraction), dry density
// (kg/m3), heat content (kJ/kg), heat capacity (J/kg/K), thermal
// conductivity (W/m/K), ignition and char temperatures (C) and ash
// (fraction).
struct d_ConParticle {
  double Sigma, Moisture, Density, Heat, HeatCapacity, Conductivity, IgnitionC, CharC, Ash;
};

inline constexpr std::size_t kConSlots = 12;

// The default properties of the twelve slots in the order the particles
// are added: litter, 1-hour, 10-hour, 100-hour, then each log class (3-6,
// 6-9, 9-20, 20+ in) sound and rotten. Sound and rotten logs of a size
// share their surface-to-volume ratio.
inline constexpr std::array<d_ConParticle, kConSlots> kConParticles = {{
    {8200, 0.08, 513, 18600, 2750, 0.133, 327, 377, 0.05},
    {1480, 0.08, 513, 18600, 2750, 0.133, 327, 377, 0.05},
    {394, 0.10, 513, 18600, 2750, 0.133, 327, 377, 0.05},
    {105, 0.12, 513, 18600, 2750, 0.133, 327, 377, 0.05},
    {39.4, 0.15, 513, 18600, 2750, 0.133, 327, 377, 0.05},
    {39.4, 0.375, 224, 18600, 2750, 0.133, 302, 377, 0.05},
    {21.9, 0.15, 513, 18600, 2750, 0.133, 327, 377, 0.05},
    {21.9, 0.375, 224, 18600, 2750, 0.133, 302, 377, 0.05},
    {12.7, 0.15, 513, 18600, 2750, 0.133, 327, 377, 0.05},
    {12.7, 0.375, 224, 18600, 2750, 0.133, 302, 377, 0.05},
    {5.91, 0.15, 513, 18600, 2750, 0.133, 327, 377, 0.05},
    {5.91, 0.375, 224, 18600, 2750, 0.133, 302, 377, 0.05},
}};

// Cover groups, each known by its name or its code (without case).
enum class CoverGroup {
  None,
  Grass,
  Shrub,
  ShrubChaparral,
  Sagebrush,
  Pocosin,
  Ponderosa,
  WhiPinHem,
  RedJacPin,
  BalBRWSpr,
  PinFlaWoo,
  CoastPlain,
  Invalid
};

// The cover group of a text: None for an empty text, Invalid for one that
// names no group.
CoverGroup CON_CoverGroup(std::string_view text);

// ShrubGroupChaparral counts as a shrub group too.
constexpr bool IsShrubGroup(CoverGroup g) {
  return g == CoverGroup::Shrub || g == CoverGroup::ShrubChaparral;
}

// The consumption input; the defaults are those of a fresh record.
struct d_ConIn {
  float DuffLoad = 0;     // tons/acre
  float DuffDepth = 0;    // in
  float DuffMoist = 0;    // percent
  float Moist10Hr = 0;    // percent
  float Moist1kHr = 0;    // percent
  float LitterMoist = 0;  // percent; coastal plain cover only
  float Litter = 0, Hr1 = 0, Hr10 = 0, Hr100 = 0;
  std::array<float, kLogClasses> Snd{}, Rot{};
  float CrownFoliage = 0, CrownBranch = 0;
  float PctCrownBurned = 0;  // percent of the crown foliage burned, 0-100
  float Herb = 0, Shrub = 0;
  float PctDuffConsumed = 0;  // -1 when not given; set by CON_Mngr for the burnout
  std::string DuffType;       // "PeatLow", "PeatHigh", "DuffLow", "DuffHigh"
  d_BUFiles Files;            // the burnout's optional files; empty names write none
  std::string FourthFile;     // kept for the burnout; no file is written under it
  std::array<d_ConParticle, kConSlots> Particles = kConParticles;
  d_BUControl Control;  // its duff load and moisture are set from the duff above
  std::string CoverGroup;
  std::string CoverClass = "SAF";
  std::string Season = "Summer";
  std::string Region;
  std::string FuelCategory = "Natural";    // "Natural" or "Slash"
  std::string DuffMoistMethod = "Entire";  // "Entire", "Lower", "NFDR", "AdjNFDR"
  float CriFirInt = -1;                    // kW/m2; negative selects the fixed emission factors
  d_EmisFactors Flame, Smolder, Duff;
  std::string Override = "No";  // "Yes" lets the numbers below choose the equations
  int OvLitter = kNoEquation, OvDuffLoad = kNoEquation, OvDuffDepth = kNoEquation,
      OvMinSoil = kNoEquation, OvHerb = kNoEquation, OvShrub = kNoEquation;
  bool MoistOverride = false;  // the burnout moistures from the particle table
};

// One component of the consumption output: its equation, and its load before
// the burn, consumed and after it (tons/acre), with the percent consumed.
struct d_ConComp {
  int Eq = 0;
  float Pre = 0, Con = 0, Post = 0, Pct = 0;
};

// A log class: after the burn, consumed, before (tons/acre), percent.
struct d_ConLog {
  float Post = 0, Con = 0, Pre = 0, Pct = 0;
};

// The consumption output.
struct d_ConOut {
  std::string Ignition;  // "YES" or "NO"
  d_ConComp Litter, Hr1, Hr10, Hr100, Snd, Rot, Duff, Herb, Shrub, CroFol, CroBra;
  d_ConComp DuffDepth;  // in, its reduction as the consumed value
  float MinSoil = 0;    // percent of mineral soil exposed
  int MinSoilEq = 0;
  float TotPre = 0, TotCon = 0, TotPost = 0;
  float TotFrac = 0;  // consumed / before, a fraction
  std::array<d_ConLog, kLogClasses> SndLog{}, RotLog{};
  // smoke: flaming and smoldering totals (lb/acre) and the fixed factors
  // (g/kg), each in the reported order
  std::array<float, kPollutants> EmiFlame{}, EmiSmolder{};
  std::array<float, kPollutants> FacFlame{}, FacSmolder{};
  // consumed flaming, smoldering and in the duff (kg/m2); the duff's
  // intensity (kW/m2) and burning time (s)
  float FlaCon = 0, SmoCon = 0, DufCon = 0;
  float DuffIntensity = 0, DuffDuration = 0;
};

// The duff result: percent of the duff load consumed, depth reduction (in),
// percent of mineral soil exposed, each with its equation; and for the
// coastal plain the percent of the litter consumed with equation 30.
struct d_DufRes {
  float Pct = 0;
  int PctEq = 0;
  float Depth = 0;
  int DepthEq = 0;
  float MinSoil = 0;
  int MinSoilEq = 0;
  float LitterPct = 0;
  int LitterEq = 0;
};

}  // namespace sylvanor
