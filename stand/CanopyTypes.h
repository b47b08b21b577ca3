#pragma once
// The records of the canopy fuel profile and the stand measures: what one
// pass over the plot tree list yields, kept for the stand after treatment
// and as the snapshot before it.

#include <array>

namespace sylvanor {

inline constexpr int kLayers = 10000;

// The vertical profile of available canopy fuel.
struct d_Profile {
  std::array<float, kLayers> Load{};     // lb/acre per layer; kg/m3 once converted for output
  int NLay = 0;                          // layers in use
  std::array<float, kLayers> RunMean{};  // running mean of Load, same units
  int NRun = 0;                          // running-mean layers, NLay + Spread div 2
  float CBD = 0;                         // canopy bulk density, kg/m3
  float SH = 0;                          // stand height, ft; -1 when not found
  float CBH = 0;                         // canopy base height, ft; -1 when not found
  float LayWid = 0;                      // layer width, ft
  int Spread = 0;                        // running-mean spread, layers
  float CriThr = 0;                      // CBD critical threshold, kg/m3
  float Thr = 0;                         // threshold used, kg/m3
};

// Stand measures for one density code.
struct d_StandMeasures {
  float SteDen = 0;     // trees/acre
  float SteDenExc = 0;  // trees/acre with a diameter not below the ESDD
  float Basal = 0;      // ft2/acre
  float StdDenIdx = 0;  // stand density index
  float QuaMeaDia = 0;  // quadratic mean diameter, in
  float Qd75 = 0;    // quadratic mean diameter of the largest trees with 75 % of the basal area, in
  float CanCov = 0;  // canopy cover, percent
};

// Canopy results of one state of the stand.
struct d_Canopy {
  d_Profile Prof;
  float AvailFuel = 0;  // available canopy fuel, tons/acre
  d_StandMeasures Meas;
};

// Wood volumes per acre: standing after treatment, and harvested.
struct d_StandVolumes {
  float StCuFt = 0;    // standing total cubic feet
  float StBdft = 0;    // standing board feet, trees at or above the submerchantable diameter
  float StMeCuft = 0;  // standing merchantable cubic feet, likewise
  float HaBasal = 0;   // harvested basal area, ft2/acre
  float HaCuFt = 0;    // harvested and slashed total cubic feet
  float HaBdft = 0;    // harvested board feet
  float HaMeCuft = 0;  // harvested merchantable cubic feet
};

}  // namespace sylvanor
