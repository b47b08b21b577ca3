#include "stand/EasternSpecies.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/Keyword.h"
#include "stand/UnitFactors.h"

namespace sylvanor {

namespace {

// The twig share of the regular codes, as a function of the DBH in inches.
enum class TwigShare {
  kAlder,    // R
  kFir,      // G
  kMaple,    // M
  kExplicit  // p e^(q D) - r e^(s D)
};

// A regular code: total e^(a + b ln d) and foliage e^(c + k ln d), both kg
// for a DBH of d cm.
struct d_EastRow {
  std::string_view Code;
  double a, b, c, k;
  TwigShare Twig;
  double p = 0.0, q = 0.0, r = 0.0, s = 0.0;
};

constexpr std::array<d_EastRow, 10> kRegular = {{
    {"PB", -3.8769, 2.3756, -4.2579, 1.8735, TwigShare::kAlder},
    {"YB", -3.1709, 2.2683, -4.1049, 1.7241, TwigShare::kAlder},
    {"AC", -2.5075, 1.6998, -3.3534, 1.6206, TwigShare::kExplicit, 0.756, -0.0241, 0.617, -0.0233},
    {"BF", -2.0259, 1.7433, -2.7854, 1.6737, TwigShare::kFir},
    {"EH", -2.2934, 1.8442, -3.0924, 1.6829, TwigShare::kExplicit, 0.835, -0.038, 0.547, -0.037},
    {"RM", -1.0486, 1.582, -3.6477, 1.5914, TwigShare::kMaple},
    {"SM", -1.0781, 1.6667, -4.4929, 1.9557, TwigShare::kMaple},
    {"EP", -2.0241, 1.6296, -2.6925, 1.4653, TwigShare::kExplicit, 0.729, -0.0233, 0.484, -0.021},
    {"BS", -2.0, 1.857, -2.5387, 1.7206, TwigShare::kFir},
    {"RS", -2.8371, 2.1136, -4.1968, 2.2167, TwigShare::kFir},
}};

// Fir twig shares stop changing above this DBH (in).
constexpr double kFirMaxDbh = 36.0;

double TwigShareOf(const d_EastRow& row, double D) {
  switch (row.Twig) {
    case TwigShare::kAlder:
      return 1.0 / (1.286 + 0.1016 * std::pow(D, 1.3525)) -
             1.0 / (2.7638 + 0.2155 * std::pow(D, 1.3364));
    case TwigShare::kFir:
      if (D <= kFirMaxDbh) return 1.0 / (1.15 + 0.0416 * D) - 1.0 / (1.592 + 0.0529 * D);
      return 0.378 - 0.286;
    case TwigShare::kMaple:
      return 1.0 / (3.3212 + 0.0777 * std::pow(D, 2.0496)) -
             1.0 / (4.6762 + 0.1091 * std::pow(D, 2.039));
    case TwigShare::kExplicit:
      return row.p * std::exp(row.q * D) - row.r * std::exp(row.s * D);
  }
  return 0.0;
}

d_EastCrown Regular(const d_EastRow& row, double D) {
  d_EastCrown crown;
  const double d = D * kCmPerIn<double>;
  const double totalKg = std::exp(row.a + row.b * std::log(d));
  crown.Total = totalKg * kLbPerKg<double>;
  if (totalKg > 0.0) crown.Foliage = std::exp(row.c + row.k * std::log(d)) / totalKg;
  crown.FolTwig = crown.Foliage + TwigShareOf(row, D);
  return crown;
}

// Quaking aspen; DBHs outside 1 to 100 cm count as the nearest end.
d_EastCrown Aspen(double D) {
  d_EastCrown crown;
  const double d = std::clamp(D * kCmPerIn<double>, 1.0, 100.0);
  const double totalKg = 0.0182 * std::pow(d, 2.509);
  crown.Foliage = 0.0079 * std::pow(d, 2.1012) / totalKg;
  crown.FolTwig =
      crown.Foliage + (0.0125 * std::pow(d, 2.5874) * 1.856 * std::pow(d, -0.773)) / totalKg;
  crown.Total = totalKg * kLbPerKg<double>;
  return crown;
}

// Pitch pine; the equations give grams.
d_EastCrown PitchPine(double D) {
  d_EastCrown crown;
  const double d = D * kCmPerIn<double>;
  const double totalKg = std::exp(2.37724 + 2.47786 * std::log(d)) / 1000.0;
  crown.Foliage = (std::exp(1.7263 + 2.30627 * std::log(d)) / 1000.0) / totalKg;
  crown.FolTwig = crown.Foliage + (std::exp(1.38394 + 2.26384 * std::log(d)) / 1000.0) / totalKg;
  crown.Total = totalKg * kLbPerKg<double>;
  return crown;
}

// Loblolly pine, in inches and pounds; its twig share is the difference of
// the lodgepole foliage-and-twig and foliage fractions.
d_EastCrown Loblolly(double D) {
  d_EastCrown crown;
  crown.Total = std::pow(10.0, -0.573 + 2.538 * std::log10(D));
  if (crown.Total > 0.0) {
    crown.Foliage =
        std::pow(10.0, -1.79586 + 2.67156 * std::log10(D)) * kLbPerKg<double> / crown.Total;
  }
  crown.FolTwig = crown.Foliage + (0.777 - 0.0146 * D) - (0.493 - 0.0117 * D);
  return crown;
}

// Northern red oak, in inches, feet and pounds: p is the woody crown, q the
// foliage. With a crown base and height known the crown ratio C (percent)
// enters; a crown base at or above the top leaves no crown.
d_EastCrown RedOak(double D, double H, double B) {
  d_EastCrown crown;
  double p = 0.0;
  double q = 0.0;
  double twigFactor = 0.0;
  if (B >= 0.0 && H > 0.0) {
    const double C = std::max(0.0, 100.0 * (H - B) / H);
    if (C <= 0.0) return crown;
    p = 0.0005 * std::pow(D, 2.7768) * std::pow(C, 1.5685);
    q = 0.0136 * std::pow(D, 1.5791) * std::pow(C, 0.8612);
    twigFactor = 6.4735 * std::pow(D, -1.1313) * std::pow(C, -0.577);
  } else {
    p = 0.3328 * std::pow(D, 2.636);
    q = 0.459 * std::pow(D, 1.5018);
    twigFactor = 0.6262 * std::pow(D, -1.0795);
  }
  crown.Total = p + q;
  if (crown.Total > 0.0) {
    crown.Foliage = q / crown.Total;
    crown.FolTwig = crown.Foliage + twigFactor * p / crown.Total;
  }
  return crown;
}

}  // namespace

d_EastCrown East_Crown(std::string_view code, float dbh, float height, float crownBase) {
  if (dbh <= 0.0f) return d_EastCrown{};
  const double D = dbh;
  for (const d_EastRow& row : kRegular) {
    if (SameKeyword(row.Code, code)) return Regular(row, D);
  }
  if (SameKeyword(code, "QA")) return Aspen(D);
  if (SameKeyword(code, "PI")) return PitchPine(D);
  if (SameKeyword(code, "LO")) return Loblolly(D);
  if (SameKeyword(code, "RO")) return RedOak(D, height, crownBase);
  return d_EastCrown{};
}

float East_Weight(std::string_view code, int slot, float dbh, float height, float crownBase) {
  const d_EastCrown crown = East_Crown(code, dbh, height, crownBase);
  switch (slot) {
    case 0:
      return static_cast<float>(crown.Total);
    case 1:
      return static_cast<float>(crown.Total * crown.Foliage);
    case 2:
      // The twigs are the step from the foliage share to the foliage-and-twig
      // share, T x (g - f), as in every other family. T x g would count the
      // foliage a second time inside the twigs.
      return static_cast<float>(crown.Total * std::max(0.0, crown.FolTwig - crown.Foliage));
    default:
      return 0.0f;
  }
}

}  // namespace sylvanor
