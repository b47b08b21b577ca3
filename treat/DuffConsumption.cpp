#include "treat/DuffConsumption.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "base/Keyword.h"

namespace sylvanor {

namespace {

// The duff and litter as the equations take them, in double precision.
struct d_DuffVars {
  double Md = 0;      // duff moisture, percent
  double MdAdj = 0;   // Md, or Md / 1.4 with the "AdjNFDR" duff moisture method
  double M1k = 0;     // 1000-hour moisture, percent
  double D = 0;       // duff load, tons/acre
  double H = 0;       // duff depth, in
  double L = 0;       // litter load, tons/acre
  double Ml = 0;      // litter moisture, percent
  bool Jack = false;  // equation 15 for jack pine rather than balsam fir
};

// A depth reduction as a percent of the duff, and back.
double PctOfDepth(double reduction, double h) {
  return h > 0 ? reduction / h * 100.0 : 0.0;
}
double DepthOfPct(double pct, double h) {
  return pct / 100.0 * h;
}

// Equation 15: the duff left after the burn deepens with the depth and the
// moisture, and is deeper under jack pine; the reduction lies within 0...H.
double Eq15Reduction(const d_DuffVars& v) {
  const double post = 0.8 * v.H + 0.004 * v.Md - 0.791 + (v.Jack ? 0.56 : 0.0);
  return std::max(0.0, std::min(v.H - post, v.H));
}

// Equation 16: litter and duff burn as one bed, the litter first; no bed
// consumes nothing.
double Eq16(const d_DuffVars& v) {
  const double t = v.L + v.D;
  const double g = t > 0 ? 0.3833 * t + 3.4958 - 0.0237 * v.Md - 5.6075 / t : 0.0;
  if (g < 0 || v.L > g || v.D <= 0) return 0.0;
  return (g - v.L) / v.D * 100.0;
}

// Equation 20: the fraction of a layer consumed at the layer's moisture.
double LayerFraction(double m) {
  if (m < 10) return 1.0;
  if (m < 30) return 1.0 - 0.00167 * m;
  if (m < 140) return 1.0 / (1.0 + std::exp(-(2.033 - 0.043 * m + 2.2)));
  if (m < 170) return 0.143441 - (m - 140) * 0.0049;
  return 0.0;
}

// Equation 20: the duff burns down in 4-inch layers, each one wetter than the
// layer above it; the last layer holds what is left of the load. Gives the
// load consumed (tons/acre).
double LayeredBurn(const d_DuffVars& v) {
  double w = v.H >= 4 ? v.D / (10.0 * v.H) * 40.0 : v.D;
  double r = v.D, c = 0, k = 0, m = v.Md, d = v.H;
  for (int i = 0; i < 999; ++i) {
    c += LayerFraction(m) * w;
    if (d < 4) break;
    r -= w;
    d -= 4;
    if (d < 4) w = r;
    k = std::min(k + 3, 12.0);
    m += k;
  }
  return c;
}

// Equation 30: coastal plain litter and duff burn as one bed (in metric
// tons), the litter first; each percent at most 100.
struct d_CoastBurn {
  double DuffPct = 0, LitterPct = 0;
};
d_CoastBurn CoastalPlainBurn(const d_DuffVars& v) {
  if (v.L + v.D <= 0) return {};
  const double l = 0.907184 * v.L, d = 0.907184 * v.D;
  const double g = std::max(0.0, std::min(l + d, 0.944 * (l + d) - 0.078 * v.Ml - 3.893));
  const double duff = std::max(0.0, g - l);
  return {d > 0 ? std::min(duff / d * 100.0, 100.0) : 0.0,
          l > 0 ? std::min((g - duff) / l * 100.0, 100.0) : 0.0};
}

// Equation 31: the coastal plain depth reduction, worked in mm with 20 mm
// more for a litter layer; the first 20 mm burned are that layer.
double CoastalPlainDepth(const d_DuffVars& v) {
  if (v.H <= 0) return 0.0;
  const double h = 25.4 * v.H + (v.L > 0 ? 20.0 : 0.0);
  const double y = std::max(0.0, std::min(h, 0.896 * h - 9.939 - 29.582 / h));
  return std::max(0.0, y - 20.0) / 25.4;
}

// The equations that give the percent of the duff load consumed.
std::optional<double> PercentEq(int eq, const d_DuffVars& v) {
  switch (eq) {
    case 1:
      return v.Md <= 160 ? 97.1 - 0.519 * v.Md : 13.6;
    case 2:
      return 83.7 - 0.426 * v.Md;
    case 3:
      return 114.7 - 4.2 * v.M1k;
    case 4:
      return 89.9 - 0.55 * v.Md;
    case 16:
      return Eq16(v);
    case 17:
      return 10.0;
    default:
      return std::nullopt;
  }
}

// The equations that give the depth reduction (in).
std::optional<double> DepthEq(int eq, const d_DuffVars& v) {
  switch (eq) {
    case 5:
      return 1.028 - 0.0089 * v.Md + 0.417 * v.H;
    case 6:
      return 0.8811 - 0.0096 * v.Md + 0.439 * v.H;
    case 7:
      return 1.773 - 0.1051 * v.M1k + 0.399 * v.H;
    case 31:
      return CoastalPlainDepth(v);
    default:
      return std::nullopt;
  }
}

// The percent of the duff load consumed by equation `eq`: a depth equation's
// reduction is taken as that part of the depth. None for a number without one.
std::optional<double> DuffPercent(int eq, const d_DuffVars& v) {
  if (const auto p = PercentEq(eq, v)) return p;
  if (const auto r = DepthEq(eq, v)) return PctOfDepth(std::max(0.0, *r), v.H);
  switch (eq) {
    case 15:
      return PctOfDepth(Eq15Reduction(v), v.H);
    case 19:
      return 100.0;
    case 20:
      return v.D > 0 ? LayeredBurn(v) / v.D * 100.0 : 0.0;
    case 30:
      return CoastalPlainBurn(v).DuffPct;
    default:
      return std::nullopt;
  }
}

// The depth reduction (in) by equation `eq`: a percent equation burns that
// part of the depth.
std::optional<double> DuffDepth(int eq, const d_DuffVars& v) {
  if (const auto r = DepthEq(eq, v)) return r;
  if (const auto p = PercentEq(eq, v)) return DepthOfPct(std::max(0.0, *p), v.H);
  switch (eq) {
    case 15:
      return Eq15Reduction(v);
    case 19:
      return v.H;
    case 20:
      return v.D > 0 ? LayeredBurn(v) / v.D * v.H : 0.0;
    default:
      return std::nullopt;
  }
}

// The percent of mineral soil exposed by equation `eq`; equation 14 follows
// the percent of the duff consumed, `pct`. The logarithm of equation 10 grows
// without bound as the duff dries: a duff without moisture bares all the soil.
std::optional<double> MineralSoil(int eq, const d_DuffVars& v, double pct) {
  switch (eq) {
    case 9:
      return v.Md <= 135 ? 80 - 0.507 * v.Md : 23.5 - 0.0914 * v.Md;
    case 10:
      return v.Md > 0 ? 167.4 - 31.6 * std::log(v.Md) : 100.0;
    case 11:
      return 93.3 - 3.55 * v.MdAdj;
    case 12:
      return 94.3 - 4.96 * v.MdAdj;
    case 13:
      return 60.4 - 0.44 * v.Md;
    case 14:
      return std::clamp(0.44 * pct - 8.98, 0.0, 100.0);
    case 18:
      return 10.0;
    case 19:
      return 100.0;
    case 32:
      return 5.0;
    case 202:
      return 0.0;
    default:
      return std::nullopt;
  }
}

// What a duff equation gives: the percent of the load consumed, the depth
// reduction, the percent of mineral soil exposed. Each result below 0 is 0.
enum DuffRole { kPercent, kDepth, kMinSoil, kDuffRoles };

std::optional<double> Evaluate(DuffRole role, int eq, const d_DuffVars& v, double pct) {
  std::optional<double> r = role == kPercent ? DuffPercent(eq, v)
                            : role == kDepth ? DuffDepth(eq, v)
                                             : MineralSoil(eq, v, pct);
  if (r) *r = std::max(0.0, *r);
  return r;
}

// Each role's override number, result and equation number, in the order the
// overrides are evaluated.
struct d_DuffSlot {
  int d_ConIn::*Override;
  float d_DufRes::*Value;
  int d_DufRes::*Eq;
};
constexpr std::array<d_DuffSlot, kDuffRoles> kDuffSlots = {{
    {&d_ConIn::OvDuffLoad, &d_DufRes::Pct, &d_DufRes::PctEq},
    {&d_ConIn::OvDuffDepth, &d_DufRes::Depth, &d_DufRes::DepthEq},
    {&d_ConIn::OvMinSoil, &d_DufRes::MinSoil, &d_DufRes::MinSoilEq},
}};

// The equation numbers an override may name for the duff load or depth, and
// for the mineral soil.
constexpr std::array kLoadDepthOverrides = {1, 2, 3, 4, 5, 6, 7, 15, 16, 17, 19, 20};
constexpr std::array kMinSoilOverrides = {9, 10, 11, 12, 13, 14, 18, 19, 202};

bool OverrideAccepted(DuffRole role, int eq) {
  const auto accepted = [eq](const auto& list) {
    return std::find(list.begin(), list.end(), eq) != list.end();
  };
  return role == kMinSoil ? accepted(kMinSoilOverrides) : accepted(kLoadDepthOverrides);
}

// The keys of the equation selection. The white pine and hemlock of the
// northeast burn as in the west.
enum class DuffArea { AnyArea, West, NorthEast, SouthEast, NoArea };
enum class DuffFuel { AnyFuel, Natural, Slash };
enum class DuffMethod { AnyMethod, Lower, Entire, OtherMethod };  // other: "NFDR", "AdjNFDR"
using enum DuffArea;
using enum DuffFuel;
using enum DuffMethod;

struct d_DuffCase {
  DuffArea Area;
  std::optional<CoverGroup> Cover;  // none: any cover
  DuffFuel Fuel;
  DuffMethod Method;
  std::array<int, kDuffRoles> Eq;  // percent, depth, mineral soil
};

// The first row that matches selects the equations. Equation 15 is the jack
// pine variant under red and jack pine, the balsam fir variant elsewhere.
constexpr std::optional<CoverGroup> kAnyCover;
constexpr std::array<d_DuffCase, 20> kDuffSelection = {{
    {AnyArea, CoverGroup::ShrubChaparral, AnyFuel, AnyMethod, {19, 19, 19}},
    {West, kAnyCover, Slash, Lower, {1, 5, 9}},
    {West, kAnyCover, Slash, Entire, {2, 6, 10}},
    {West, kAnyCover, Slash, OtherMethod, {3, 7, 11}},
    {West, CoverGroup::Ponderosa, Natural, Lower, {4, 5, 13}},
    {West, CoverGroup::Ponderosa, Natural, Entire, {2, 6, 10}},
    {West, CoverGroup::Ponderosa, Natural, OtherMethod, {3, 7, 12}},
    {West, kAnyCover, Natural, Lower, {1, 5, 13}},
    {West, kAnyCover, Natural, Entire, {2, 6, 10}},
    {West, kAnyCover, Natural, OtherMethod, {3, 7, 12}},
    {NorthEast, CoverGroup::RedJacPin, AnyFuel, Entire, {15, 15, 14}},
    {NorthEast, CoverGroup::RedJacPin, AnyFuel, Lower, {2, 6, 10}},
    {NorthEast, CoverGroup::RedJacPin, AnyFuel, OtherMethod, {3, 3, 14}},
    {NorthEast, CoverGroup::BalBRWSpr, AnyFuel, Lower, {5, 5, 14}},
    {NorthEast, CoverGroup::BalBRWSpr, AnyFuel, Entire, {15, 15, 14}},
    {NorthEast, CoverGroup::BalBRWSpr, AnyFuel, OtherMethod, {3, 3, 14}},
    {NorthEast, kAnyCover, AnyFuel, AnyMethod, {2, 6, 10}},
    {SouthEast, CoverGroup::Pocosin, AnyFuel, AnyMethod, {20, 20, 202}},
    {SouthEast, CoverGroup::CoastPlain, AnyFuel, AnyMethod, {30, 31, 32}},
    {SouthEast, kAnyCover, AnyFuel, AnyMethod, {16, 16, 14}},
}};

bool Matches(const d_DuffCase& row, const d_DuffCase& c) {
  return (row.Area == AnyArea || row.Area == c.Area) && (!row.Cover || row.Cover == c.Cover) &&
         (row.Fuel == AnyFuel || row.Fuel == c.Fuel) &&
         (row.Method == AnyMethod || row.Method == c.Method);
}

// The selection keys of an input; a region that is none of the four selects
// no equation.
d_DuffCase DuffCaseOf(const d_ConIn& in, CoverGroup cover) {
  d_DuffCase c{NoArea, cover, Natural, OtherMethod, {}};
  if (SameKeyword(in.Region, "InteriorWest") || SameKeyword(in.Region, "PacificWest")) {
    c.Area = West;
  } else if (SameKeyword(in.Region, "NorthEast")) {
    c.Area = cover == CoverGroup::WhiPinHem ? West : NorthEast;
  } else if (SameKeyword(in.Region, "SouthEast")) {
    c.Area = SouthEast;
  }
  if (SameKeyword(in.FuelCategory, "Slash")) c.Fuel = Slash;
  if (SameKeyword(in.DuffMoistMethod, "Lower")) c.Method = Lower;
  if (SameKeyword(in.DuffMoistMethod, "Entire")) c.Method = Entire;
  return c;
}

// Replaces a result and its equation number when the equation gives one of
// 0 or more.
void Take(DuffRole role, int eq, const d_DuffVars& v, d_DufRes& res) {
  const std::optional<double> r = Evaluate(role, eq, v, res.Pct);
  if (r && *r >= 0) {
    res.*kDuffSlots[role].Value = static_cast<float>(*r);
    res.*kDuffSlots[role].Eq = eq;
  }
}

}  // namespace

void DUF_Mngr(const d_ConIn& in, d_DufRes& res) {
  res = d_DufRes{};
  const CoverGroup cover = CON_CoverGroup(in.CoverGroup);
  d_DuffVars v;
  v.Md = in.DuffMoist;
  v.MdAdj = SameKeyword(in.DuffMoistMethod, "AdjNFDR") ? v.Md / 1.4 : v.Md;
  v.M1k = in.Moist1kHr;
  v.D = in.DuffLoad;
  v.H = in.DuffDepth;
  v.L = in.Litter;
  v.Ml = in.LitterMoist;
  v.Jack = cover == CoverGroup::RedJacPin;

  // the selected equations, the mineral soil after the percent consumed
  const d_DuffCase key = DuffCaseOf(in, cover);
  const auto row = std::find_if(kDuffSelection.begin(), kDuffSelection.end(),
                                [&key](const d_DuffCase& r) { return Matches(r, key); });
  if (row != kDuffSelection.end()) {
    for (int role = 0; role < kDuffRoles; ++role)
      Take(static_cast<DuffRole>(role), row->Eq[role], v, res);
    if (row->Eq[kPercent] == 30) {
      res.LitterPct = static_cast<float>(CoastalPlainBurn(v).LitterPct);
      res.LitterEq = 30;
    }
  }

  // the override numbers in turn; one not accepted ends them, leaving it and
  // the later ones to the selected equations
  const bool overridden = SameKeyword(in.Override, "Yes");
  for (int role = 0; overridden && role < kDuffRoles; ++role) {
    const int eq = in.*kDuffSlots[role].Override;
    if (eq <= 0) continue;
    if (!OverrideAccepted(static_cast<DuffRole>(role), eq)) break;
    Take(static_cast<DuffRole>(role), eq, v, res);
  }

  // a duff this dry burns whole
  if (in.DuffMoist <= 10) {
    res.Pct = 100;
    res.Depth = in.DuffDepth;
  } else {
    res.Pct = std::clamp(res.Pct, 0.0f, 100.0f);
    res.Depth = in.DuffDepth > 0 ? std::min(res.Depth, in.DuffDepth) : 0.0f;
  }
  if (in.DuffLoad <= 0) res.MinSoil = 100;
  // without overrides the depth burns in proportion to the load consumed
  if (!overridden) res.Depth = static_cast<float>(DepthOfPct(res.Pct, v.H));
}

}  // namespace sylvanor
