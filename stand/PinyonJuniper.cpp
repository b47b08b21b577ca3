#include "stand/PinyonJuniper.h"

#include <algorithm>
#include <cmath>

#include "base/Keyword.h"
#include "stand/UnitFactors.h"

namespace sylvanor {

namespace {

constexpr double kMaxDbhCm = 500.0;

// 10^(a + b L)
double Pow10(double a, double b, double L) {
  return std::pow(10.0, a + b * L);
}

// Component weights in kg for L = log10 of the root-collar diameter (cm).
double PinyonKg(int slot, double L) {
  const double twig = Pow10(-1.873, 1.706, L) + Pow10(-1.674, 1.326, L);
  switch (slot) {
    case 0:
      return Pow10(-1.468, 2.582, L) - Pow10(-2.588, 2.955, L);
    case 1:
      return Pow10(-0.946, 1.565, L);
    case 2:
      return twig;
    case 3:
      // the equation gives everything through 1 in; the twigs come off it
      return Pow10(-1.613, 2.088, L) - twig;
    case 4:
      return Pow10(-2.791, 3.007, L);
    case 5:
      return Pow10(-3.649, 3.52, L);
    default:
      return 0.0;
  }
}

double JuniperKg(int slot, double L) {
  const double twig = Pow10(-1.737, 1.382, L);
  switch (slot) {
    case 0:
      return Pow10(-1.157, 2.086, L) - Pow10(-2.297, 2.437, L);
    case 1:
      // mean of two foliage equations
      return (Pow10(-1.358, 1.841, L) + Pow10(-0.862, 1.399, L)) / 2.0;
    case 2:
      return twig;
    case 3:
      return Pow10(-1.476, 1.787, L) - twig;
    case 4:
      return Pow10(-1.356, 1.782, L);
    case 5:
      return Pow10(-1.002, 1.535, L);
    default:
      return 0.0;
  }
}

}  // namespace

double PJ_RootCollar(double dbhCm) {
  if (dbhCm <= 0.0) return 0.0;
  return std::exp(0.94932 * std::log(std::min(dbhCm, kMaxDbhCm)) + 0.36738);
}

float PJ_Weight(std::string_view code, int slot, float dbh) {
  const double rootCollar = PJ_RootCollar(dbh * kCmPerIn<double>);
  if (rootCollar <= 0.0) return 0.0f;
  const double L = std::log10(rootCollar);

  double kg = 0.0;
  if (SameKeyword(code, "PY")) {
    kg = PinyonKg(slot, L);
  } else if (SameKeyword(code, "JP")) {
    kg = JuniperKg(slot, L);
  }
  // the differences (total, through 1 in less the twigs) never go below 0
  return static_cast<float>(std::max(0.0, kg) * kLbPerKg<double>);
}

}  // namespace sylvanor
