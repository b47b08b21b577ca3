#pragma once
// Our own stem model for tree volumes. The inside-bark diameter d (in) at
// height h (ft) of a tree of DBH D (in) and total height H (ft) follows
//
//   d(h)^2 = (k D)^2 ((H - h) / (H - 4.5))^r
//
// with k the species' inside-bark/outside-bark diameter ratio and r its taper
// exponent: at breast height (4.5 ft) the stem is k D inside the bark and it
// closes to a point at the tip. r = 1 is a paraboloid, r = 2 a cone, r = 3 a
// neiloid. Every volume has a closed form or a short sum over logs.

#include <array>
#include <optional>
#include <string_view>

namespace sylvanor {

// The shape of a species' stem.
struct d_TaperCoef {
  std::string_view Family;  // model family the row is kept for; "" for every family
  int Species = 0;          // three-digit species number
  double K = 0;             // inside-bark / outside-bark diameter ratio
  double R = 0;             // taper exponent
};

// k and r of each species number the built-in species table uses. They are
// rounded judgements of typical bark ratios and stem shapes, not fitted to
// any dataset. Conifers are near-paraboloid to cone-like (r 1.3-1.5), with k
// near 0.90: lower for the thick-barked pines, larch, Douglas-fir, incense
// cedar and the sequoias, higher for the thin-barked firs, spruce, hemlock
// and yew. Hardwoods (r 1.6-1.7) and the junipers and pinyons (r 2.0, a cone)
// taper faster, towards the neiloid forms of open-grown stems.
// A species number may stand for different trees in different model families
// (260 is western hemlock under FW2 but red alder under CUR): a row kept for
// the identifier's family comes before the row for every family.
inline constexpr std::array<d_TaperCoef, 25> kTaperCoefs = {{
    {"", 12, 0.91, 1.40},      // balsam/whitebark: true fir and white pine group
    {"", 15, 0.90, 1.40},      // white fir
    {"", 17, 0.92, 1.40},      // grand fir
    {"", 19, 0.93, 1.50},      // subalpine fir: thin bark, spire crown
    {"", 42, 0.92, 1.50},      // Alaska cedar: swollen butt
    {"", 73, 0.86, 1.30},      // western larch
    {"", 81, 0.88, 1.50},      // incense cedar: fibrous bark, strong taper
    {"", 93, 0.93, 1.40},      // Engelmann spruce
    {"", 108, 0.93, 1.30},     // lodgepole pine: thin bark, slender bole
    {"", 116, 0.86, 1.40},     // Jeffrey pine
    {"", 117, 0.88, 1.30},     // sugar pine
    {"", 119, 0.92, 1.30},     // western white pine
    {"", 122, 0.86, 1.40},     // ponderosa pine
    {"", 202, 0.87, 1.30},     // Douglas-fir
    {"", 211, 0.85, 1.40},     // coast redwood
    {"", 212, 0.85, 1.50},     // giant sequoia: flared butt
    {"", 231, 0.95, 1.50},     // Pacific yew: very thin bark
    {"", 242, 0.91, 1.50},     // western redcedar: swollen butt
    {"", 260, 0.92, 1.40},     // western hemlock
    {"", 312, 0.92, 1.70},     // bigleaf maple
    {"", 361, 0.95, 1.70},     // Pacific madrone: thin peeling bark
    {"", 631, 0.90, 1.70},     // tanoak
    {"", 746, 0.93, 1.60},     // quaking aspen, and hardwoods in general
    {"", 999, 0.90, 2.00},     // junipers and pinyons
    {"CUR", 260, 0.94, 1.60},  // red alder: thin smooth bark, hardwood taper
}};

// The coefficients of a species number in a model family (compared without
// case); none for a number not in the table.
std::optional<d_TaperCoef> FindTaperCoef(std::string_view family, int species);

// One tree for the stem model.
struct d_StemTree {
  double Dbh = 0;     // outside bark at 4.5 ft, in
  double Height = 0;  // total height, ft
  double Top = 0;     // merchantable top, inside bark, in; 0 or less: the tip
  double K = 0;
  double R = 0;
};

struct d_StemVolumes {
  double TotalCuFt = 0;  // ground to tip
  double MerchCuFt = 0;  // 1-ft stump to the merchantable top
  double BoardFt = 0;    // Scribner formula rule, stump to the merchantable top
};

// The model holds for a stem taller than breast height with a positive DBH,
// k and r; for any other tree the functions below give 0.
bool HasStemShape(const d_StemTree& t);

// Inside-bark diameter (in) at height h (ft), 0 <= h <= Height.
double InsideBarkDiameter(const d_StemTree& t, double h);

// Height (ft) where the inside-bark diameter equals the merchantable top;
// the total height for a top of 0 or less (or not a number). Below 4.5 ft
// (possibly below the ground) for a top wider than k D.
double MerchHeight(const d_StemTree& t);

double TotalCubicFeet(const d_StemTree& t);

// 0 when the top diameter is not reached above the 1-ft stump.
double MerchCubicFeet(const d_StemTree& t);

// Scribner formula rule for one 16-ft log of the given small-end
// inside-bark diameter (in): 0.79 d^2 - 2 d - 4, never negative.
double ScribnerLog16(double smallEnd);

// Whole 16-ft logs from the stump up to the merchantable top, then a last
// log of the remaining length, prorated by its length, when it is 8 ft or
// longer.
double ScribnerBoardFeet(const d_StemTree& t);

d_StemVolumes StemVolumes(const d_StemTree& t);

}  // namespace sylvanor
