#include "platform/StemTaper.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/Keyword.h"

namespace sylvanor {

namespace {

constexpr double kBreastHeight = 4.5;  // ft
constexpr double kStumpHeight = 1.0;   // ft
constexpr double kLogLength = 16.0;    // ft
constexpr double kShortestLastLog = 8.0;
// area (ft2) = kAreaFactor * d^2 for a diameter d in inches
constexpr double kAreaFactor = std::numbers::pi / (4.0 * 144.0);

// The volume integral of the stem from height h up to the tip is
// Scale * (H - h)^(r + 1); every cubic volume is a difference of two of these.
double Scale(const d_StemTree& t) {
  const double kd = t.K * t.Dbh;
  return kAreaFactor * kd * kd / ((t.R + 1.0) * std::pow(t.Height - kBreastHeight, t.R));
}

double VolumeAbove(const d_StemTree& t, double h) {
  return Scale(t) * std::pow(t.Height - h, t.R + 1.0);
}

}  // namespace

std::optional<d_TaperCoef> FindTaperCoef(std::string_view family, int species) {
  std::optional<d_TaperCoef> found;
  for (const d_TaperCoef& c : kTaperCoefs) {
    if (c.Species != species) continue;
    if (SameKeyword(c.Family, family)) return c;
    if (c.Family.empty() && !found) found = c;
  }
  return found;
}

bool HasStemShape(const d_StemTree& t) {
  return t.Height > kBreastHeight && t.Dbh > 0 && t.K > 0 && t.R > 0;
}

double InsideBarkDiameter(const d_StemTree& t, double h) {
  if (!HasStemShape(t)) return 0;
  const double above = std::max(t.Height - h, 0.0);
  return t.K * t.Dbh * std::pow(above / (t.Height - kBreastHeight), t.R / 2.0);
}

double MerchHeight(const d_StemTree& t) {
  if (!(t.Top > 0) || !HasStemShape(t)) return t.Height;
  return t.Height - (t.Height - kBreastHeight) * std::pow(t.Top / (t.K * t.Dbh), 2.0 / t.R);
}

double TotalCubicFeet(const d_StemTree& t) {
  if (!HasStemShape(t)) return 0;
  return VolumeAbove(t, 0.0);
}

double MerchCubicFeet(const d_StemTree& t) {
  if (!HasStemShape(t)) return 0;
  const double ht = MerchHeight(t);
  if (!(ht > kStumpHeight)) return 0;
  return VolumeAbove(t, kStumpHeight) - VolumeAbove(t, ht);
}

double ScribnerLog16(double smallEnd) {
  return std::max(0.79 * smallEnd * smallEnd - 2.0 * smallEnd - 4.0, 0.0);
}

double ScribnerBoardFeet(const d_StemTree& t) {
  if (!HasStemShape(t)) return 0;
  const double ht = MerchHeight(t);
  if (!(ht > kStumpHeight)) return 0;
  const double logs = std::floor((ht - kStumpHeight) / kLogLength);
  double board = 0;
  for (double i = 1; i <= logs; ++i) {
    const double value = ScribnerLog16(InsideBarkDiameter(t, kStumpHeight + kLogLength * i));
    // The stem narrows upwards and the rule gives nothing below 3.85 in
    // (where 0.79 d^2 - 2 d - 4 = 0), so above an empty log every log,
    // the last short one included, is empty too.
    if (value == 0) return board;
    board += value;
  }
  const double rest = ht - kStumpHeight - kLogLength * logs;
  if (rest >= kShortestLastLog) {
    board += ScribnerLog16(InsideBarkDiameter(t, ht)) * rest / kLogLength;
  }
  return board;
}

d_StemVolumes StemVolumes(const d_StemTree& t) {
  return {TotalCubicFeet(t), MerchCubicFeet(t), ScribnerBoardFeet(t)};
}

}  // namespace sylvanor
