#include "treat/PlantConsumption.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/Keyword.h"

namespace sylvanor {

namespace {

// Herb equations: consumed = H x herb load + L x litter load + C.
struct d_HerbEq {
  int No;
  double H, L, C;
};
constexpr std::array<d_HerbEq, 4> kHerbEqs = {{
    {22, 1, 0, 0},
    {221, 0.9, 0, 0},
    {222, 0.917, 0.004, -0.059},
    {223, 0.9944, 0, 0},
}};

// Shrub equations that consume a share of the shrub load.
struct d_ShrubShare {
  int No;
  double Share;
};
constexpr std::array<d_ShrubShare, 5> kShrubShares = {{
    {23, 0.6},
    {231, 0.8},
    {232, 0.5},
    {233, 0.9},
    {235, 0.8},
}};

constexpr int kShrubSouthEast = 234;  // from the shrub, the fuels below it and the duff moisture
constexpr int kShrubFlatwoods = 236;  // a power of the shrub load, more in spring and summer
constexpr int kCrownFoliageEq = 37, kCrownBranchEq = 38;
// 0.446 tons/acre = 0.1 kg/m2: equations 236 and 997 take their loads in this unit
constexpr double kLoadUnit = 0.446;

// The override numbers count only with the switch "Yes".
bool Overridden(const d_ConIn& in) {
  return SameKeyword(in.Override, "Yes");
}
bool SouthEast(const d_ConIn& in) {
  return SameKeyword(in.Region, "SouthEast");
}

// The herb equation of a number; none for a number of no equation.
const d_HerbEq* FindHerbEq(int no) {
  for (const d_HerbEq& e : kHerbEqs)
    if (e.No == no) return &e;
  return nullptr;
}

// The herb equation: an override that names one, else by cover group, region and season.
const d_HerbEq& HerbEquation(const d_ConIn& in) {
  if (Overridden(in) && in.OvHerb > 0) {
    if (const d_HerbEq* e = FindHerbEq(in.OvHerb)) return *e;
  }
  const CoverGroup group = CON_CoverGroup(in.CoverGroup);
  if (group == CoverGroup::PinFlaWoo) return *FindHerbEq(223);
  if (SouthEast(in)) return *FindHerbEq(222);
  if (group == CoverGroup::Grass && SameKeyword(in.Season, "Spring")) return *FindHerbEq(221);
  return *FindHerbEq(22);
}

// The shrub equation: any override number, else the first rule that matches.
int ShrubEquation(const d_ConIn& in) {
  if (Overridden(in) && in.OvShrub > 0) return in.OvShrub;
  const CoverGroup group = CON_CoverGroup(in.CoverGroup);
  if (group == CoverGroup::Sagebrush) return SameKeyword(in.Season, "Fall") ? 233 : 232;
  if (group == CoverGroup::PinFlaWoo) return kShrubFlatwoods;
  if (!SouthEast(in)) return IsShrubGroup(group) ? 231 : 23;
  if (group != CoverGroup::Pocosin) return kShrubSouthEast;
  const bool springOrWinter = SameKeyword(in.Season, "Spring") || SameKeyword(in.Season, "Winter");
  return springOrWinter ? 233 : 235;
}

// Equation 234: the share R of the shrub load S consumed, from the load T of
// duff, litter, 1- and 10-hour fuels and the duff moisture Md. G is what the
// fire takes of T alone; R is the part of the total beyond G per unit of S,
// limited to 0 ... 100, and 0 when G, T or S is 0.
double Shrub234Share(double s, double t, double md) {
  if (t == 0 || s == 0) return 0;
  const double g = 0.3833 * t + 3.4958 - 0.0237 * md - 5.6075 / t;
  if (g == 0) return 0;
  const double r = (0.4322 * t + 3.2484 + 0.6765 * s - 0.0276 * md - 5.0796 / t - g) / s;
  return std::clamp(r, 0.0, 100.0);
}

// Equation 236: the load consumed grows as a power of the shrub load, more in
// spring and summer; at most the load.
double Shrub236(double s, bool springOrSummer) {
  const double f = springOrSummer ? 1 : 0;
  return std::min(s, kLoadUnit * std::exp(0.9049 * std::log(s / kLoadUnit) - 0.1889 + 0.0676 * f));
}

// The shrub consumed by an equation; -1 for a number of no equation.
double ShrubConsumed(int eq, const d_ConIn& in) {
  const double s = in.Shrub;
  for (const d_ShrubShare& e : kShrubShares)
    if (e.No == eq) return e.Share * s;
  if (eq == kShrubSouthEast) {
    const double t = static_cast<double>(in.DuffLoad) + in.Litter + in.Hr1 + in.Hr10;
    return s * Shrub234Share(s, t, in.DuffMoist);
  }
  if (eq == kShrubFlatwoods)
    return Shrub236(s, SameKeyword(in.Season, "Spring") || SameKeyword(in.Season, "Summer"));
  return -1;
}

// Records a component from its load and the amount consumed: after = load -
// consumed, percent = consumed / load x 100; a load of 0 gives all 0 but
// the equation number.
void Record(d_ConComp& out, int eq, float load, double consumed) {
  out.Eq = eq;
  out.Pre = load;
  if (load == 0) {
    out.Con = out.Post = out.Pct = 0;
    return;
  }
  out.Con = static_cast<float>(consumed);
  out.Post = static_cast<float>(load - consumed);
  out.Pct = static_cast<float>(consumed / load * 100);
}

// Herbs and shrubs never consume less than nothing nor more than the load.
double WithinLoad(double consumed, float load) {
  return std::max(0.0, std::min(consumed, static_cast<double>(load)));
}

}  // namespace

void CON_Herb(const d_ConIn& in, d_ConComp& out) {
  const d_HerbEq& e = HerbEquation(in);
  const double consumed = e.H * in.Herb + e.L * in.Litter + e.C;
  Record(out, e.No, in.Herb, WithinLoad(consumed, in.Herb));
}

void CON_Shrub(const d_ConIn& in, d_ConComp& out) {
  const int eq = ShrubEquation(in);
  // a shrub load of 0 is not put to an equation (236 takes its logarithm)
  const double consumed = in.Shrub == 0 ? 0 : ShrubConsumed(eq, in);
  Record(out, eq, in.Shrub, WithinLoad(consumed, in.Shrub));
}

void CON_CrownFoliage(const d_ConIn& in, d_ConComp& out) {
  Record(out, kCrownFoliageEq, in.CrownFoliage,
         static_cast<double>(in.PctCrownBurned) / 100 * in.CrownFoliage);
  // the percent recorded is the percent burned
  if (in.CrownFoliage != 0) out.Pct = in.PctCrownBurned;
}

void CON_CrownBranch(const d_ConIn& in, d_ConComp& out) {
  // the percent burned takes half the branch load
  Record(out, kCrownBranchEq, in.CrownBranch,
         static_cast<double>(in.PctCrownBurned) / 100 * (0.5 * in.CrownBranch));
}

float CON_Litter997(float litter, float moist10) {
  const double l = litter;
  // litter too wet for the root to stay positive does not burn: squaring a
  // negative root would burn more of it the wetter it is
  const double root = std::max(0.0, 0.914 * std::sqrt(l / kLoadUnit) + 0.2871 - 0.0101 * moist10);
  return static_cast<float>(std::min(l, kLoadUnit * root * root));
}

}  // namespace sylvanor
