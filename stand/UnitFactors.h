#pragma once

namespace sylvanor {

// Unit factors shared by every conversion between English and metric units.

inline constexpr float kInPerCm = 0.393701f;                  // in = cm x this
inline constexpr float kCmPerIn = 2.54f;                      // cm = in x this
inline constexpr float kFtPerM = 3.2808f;                     // ft = m x this
inline constexpr float kMPerFt = 0.3048f;                     // m = ft x this
inline constexpr float kKgM2PerTonAcre = 0.22417f;            // tons/acre = kg/m2 / this
inline constexpr float kAcresPerHa = 2.471f;                  // per acre = per ha / this
inline constexpr float kBasalPerMetric = 10.764f / 2.47105f;  // ft2/acre = m2/ha x this
inline constexpr float kM3PerFt3 = 0.028316f;  // m3/ha = ft3/acre x this / kHaPerAcre
inline constexpr float kHaPerAcre = 0.4046f;

// The value of pi the stand measures and crown areas are defined with.
inline constexpr float kPi = 3.14159f;

}  // namespace sylvanor
