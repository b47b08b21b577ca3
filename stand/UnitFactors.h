#pragma once
// Every unit factor of the program, each once, with the value its definition
// gives. A factor is a variable template: kInPerCm<> is the float the single
// precision computations use, kInPerCm<double> the double of the same
// decimal value. Each float equals the float literal of its value
// (0.393701f), and a factor given as a quotient is the quotient in the
// factor's own type.

namespace sylvanor {

// clang-format off
template <class T = float> inline constexpr T kInPerCm = T(0.393701);       // in = cm x this
template <class T = float> inline constexpr T kCmPerIn = T(2.54);           // cm = in x this
template <class T = float> inline constexpr T kFtPerM = T(3.2808);          // ft = m x this
template <class T = float> inline constexpr T kMPerFt = T(0.3048);          // m = ft x this
template <class T = float> inline constexpr T kKgM2PerTonAcre = T(0.22417); // tons/acre = kg/m2 / this
template <class T = float> inline constexpr T kAcresPerHa = T(2.471);       // per acre = per ha / this
template <class T = float> inline constexpr T kBasalPerMetric = T(10.764) / T(2.47105);  // ft2/acre = m2/ha x this
template <class T = float> inline constexpr T kM3PerFt3 = T(0.028316);      // m3/ha = ft3/acre x this / kHaPerAcre
template <class T = float> inline constexpr T kHaPerAcre = T(0.4046);
template <class T = float> inline constexpr T kLbPerKg = T(2.20462262);     // lb = kg x this
template <class T = float> inline constexpr T kLbPerTon = T(2000);          // tons = lb / this
template <class T = float> inline constexpr T kLbAcrePerGm2 = T(4046.86) / T(453.592);  // lb/acre = g/m2 x this
template <class T = float> inline constexpr T kGm2PerLbAcre = T(0.112081);  // g/m2 = lb/acre x this (burned piles)
template <class T = float> inline constexpr T kSqFtPerAcre = T(43560);
template <class T = float> inline constexpr T kKgM3PerLbFt3 = T(16.02);     // kg/m3 = lb/ft3 x this
// clang-format on

// The value of pi the stand measures and crown areas are defined with.
template <class T = float>
inline constexpr T kPi = T(3.14159);

// The float of each factor is the float literal of its value.
static_assert(kInPerCm<> == 0.393701f && kFtPerM<> == 3.2808f && kKgM2PerTonAcre<> == 0.22417f &&
              kAcresPerHa<> == 2.471f && kM3PerFt3<> == 0.028316f && kHaPerAcre<> == 0.4046f &&
              kLbPerKg<> == 2.20462262f && kPi<> == 3.14159f && kMPerFt<> == 0.3048f);

}  // namespace sylvanor
