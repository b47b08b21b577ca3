#include "treat/PostBurnMortality.h"

#include <algorithm>
#include <cmath>

#include "base/CFormat.h"
#include "stand/UnitFactors.h"
#include "treat/Mortality.h"

namespace sylvanor {

namespace {

// Trees per acre the probability p kills of a record of tpa trees per acre:
// whole trees (p x tpa rounded half up, at most tpa) from one tree per acre
// on; below that the share p x tpa, which rounding would turn into none.
float KilledTrees(float p, float tpa) {
  const double share = static_cast<double>(p) * tpa;
  if (tpa < 1.0f) return static_cast<float>(share);
  return static_cast<float>(std::min(std::trunc(share + 0.5), static_cast<double>(tpa)));
}

// The mortality input of a tree: its crown ratio from the crown base as
// entered, the scorch height as the fire's measure, no fire severity.
d_MI MortalityInput(const d_PTLRec& tree, const d_ETTable& species, float scoHgt) {
  d_MI mi;
  const int row = ET_Idx(species, tree.Species);
  if (row >= 0) mi.Species = species.Rows[static_cast<std::size_t>(row)].Mortality.str();
  mi.EqType = kEqCrownScorch;
  mi.TPA = tree.TPAadj;
  mi.DBH = tree.Dia;
  mi.Hgt = tree.Hgt;
  mi.CR = static_cast<float>((1.0 - static_cast<double>(tree.CrnHgt) / tree.Hgt) * 100.0);
  mi.ScoFla = scoHgt;
  mi.ScoFlaKind = "S";
  return mi;
}

// A failure that concerns the species points the user at the mortality code
// assigned to the tree's species; any other failure is told as it is.
std::string FailureMessage(const std::string& reason, const d_MI& mi, const d_PTLRec& tree) {
  if (reason.find("Species") == std::string::npos) return reason;
  return CFormat("\n Invalid Species Equation Code ( %s ) detected\n", mi.Species) +
         "If you are using a species.csv file please check\n" +
         "the mortality equation id code that you have assigned\n" +
         CFormat("to %s\n", tree.Species.str());
}

}  // namespace

int MRT_TreeList(d_PTLTable& trees, const d_ETTable& species, const MortalityTable& table,
                 float scoHgt, std::string& message) {
  message.clear();
  for (d_PTLRec& tree : trees) {
    if (tree.Species.empty()) break;
    if (PTL_IsDead(tree)) continue;
    d_MI mi = MortalityInput(tree, species, scoHgt);
    std::string reason;
    const float p = MRT_CalcMngr(table, mi, reason);
    if (p < 0.0f) {
      message = FailureMessage(reason, mi, tree);
      return 0;
    }
    tree.MortPct = p * 100.0f;
    tree.Killed = KilledTrees(p, tree.TPAadj);
  }
  return 1;
}

float MRT_ScorchedFoliage(const d_PTLTable& trees, const d_ETTable& species, float layWid,
                          float scoHgt, d_CPWork& work) {
  double lb = 0.0;
  for (const d_PTLRec& tree : trees) {
    if (tree.Species.empty()) break;
    if (PTL_IsDead(tree)) continue;
    // the killed trees lose their crowns up to the top
    if (tree.Killed > 0.0f)
      lb += CP_FoliageBetween(tree, tree.Killed, species, layWid, tree.CrnHgtPru, tree.Hgt, work);
    // the survivors lose what the scorch height reaches
    const float left = tree.TPAadj - tree.Killed;
    if (left > 0.0f)
      lb += CP_FoliageBetween(tree, left, species, layWid, tree.CrnHgtPru, scoHgt, work);
  }
  return static_cast<float>(lb / kLbPerTon<double>);
}

float MRT_KilledBasalArea(const d_PTLTable& trees) {
  double ft2 = 0.0;
  for (const d_PTLRec& tree : trees) {
    if (tree.Species.empty()) break;
    if (PTL_IsDead(tree) || !(tree.Killed > 0.0f)) continue;
    const double radius = tree.Dia / 2.0;
    ft2 += kPi<double> * radius * radius * tree.Killed / 144.0;
  }
  return static_cast<float>(ft2);
}

}  // namespace sylvanor
