#include "stand/VertDist.h"

#include <algorithm>
#include <array>

#include "base/Keyword.h"

namespace sylvanor {

namespace {

constexpr std::array<d_VDCurve, 7> kCurves = {{
    {"PP", 0.0, 2.3637, -1.3637},
    {"DF", 0.0, 2.3284, -1.3284},
    {"WF", 1.0, 0.0, 0.0},
    {"LP", 0.0, 1.6045, -0.6045},
    {"IC", 0.0, 2.5395, -1.5395},
    {"PS", 0.1251, 2.8072, -1.9322},
    {"UN", 1.0, 0.0, 0.0},
}};

}  // namespace

const d_VDCurve* VD_Curve(std::string_view code) {
  for (const d_VDCurve& curve : kCurves) {
    if (SameKeyword(curve.Code, code)) return &curve;
  }
  return nullptr;
}

float VD_Fraction(const d_VDCurve& curve, float x) {
  if (!(x > 0.0f)) return 0.0f;
  const double t = std::min(static_cast<double>(x), 1.0);
  const double f = t * (curve.c1 + t * (curve.c2 + t * curve.c3));
  // The "PS" curve peaks at about 1.0004 just below the top and the cubics
  // fall away beyond it; a layer of the crown can never hold less than
  // nothing, so the fraction stays within 0 to 1.
  return static_cast<float>(std::clamp(f, 0.0, 1.0));
}

float VD_Fraction(std::string_view code, float x) {
  const d_VDCurve* curve = VD_Curve(code);
  return curve == nullptr ? 0.0f : VD_Fraction(*curve, x);
}

}  // namespace sylvanor
