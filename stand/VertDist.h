#pragma once
// Crown vertical distribution: F(x), the fraction of a tree's crown fuel
// below the relative crown height x (0 at the crown base, 1 at the top).
// Every curve is a cubic c1 x + c2 x^2 + c3 x^3.

#include <string_view>

namespace sylvanor {

struct d_VDCurve {
  std::string_view Code;
  double c1 = 0.0;
  double c2 = 0.0;
  double c3 = 0.0;
};

// The curve of a "VD" equation code ("PP", "DF", "WF", "LP", "IC", "PS",
// "UN", without case), or nullptr.
const d_VDCurve* VD_Curve(std::string_view code);

// F(x) of a curve: 0 at or below the crown base, 1 at or above the top, and
// always within 0 to 1 in between.
float VD_Fraction(const d_VDCurve& curve, float x);

// F(x) of a code; 0 for an unknown code.
float VD_Fraction(std::string_view code, float x);

}  // namespace sylvanor
