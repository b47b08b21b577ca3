#pragma once
// The thinning: lowers the adjusted density (TPAadj) of the plot's tree
// records until a stand measure reaches a target, or cuts each tree's own
// share (free thinning). Trees go in ascending retention priority: 0 is cut
// first by the cutting efficiency, 99 never by a criterion. What was
// removed is then split into harvest (at or above the sub-merchantable
// diameter) and slash.

#include <functional>
#include <string>

#include "stand/CanopyProfile.h"
#include "stand/EquationTable.h"
#include "stand/StandMeasures.h"
#include "stand/TreeList.h"

namespace sylvanor {

// The thinning settings, English units.
struct d_ThinSettings {
  std::string Crit;     // criterion keyword, or "Free"
  float CriVal = 0;     // target of the criterion
  float CutEff = 0;     // cutting efficiency, 0-1
  float MinCutDia = 0;  // trees are cut only strictly between these DBHs, in
  float MaxCutDia = 0;
  float SubMerDia = 0;  // sub-merchantable DBH, in
};

// A thinning criterion: its value over the tree list's adjusted densities,
// and its value kept up to date from the last full evaluation as a record
// loses trees. With the second the thinning evaluates in full only near
// the target, so that its decisions are those of a full evaluation before
// every step at a fraction of the cost.
struct d_ThinCriterion {
  std::function<float(const d_PTLTable&)> Value;
  // the value once `removed` trees per acre of the record are gone; empty:
  // evaluate in full every step
  std::function<double(const d_PTLRec&, double removed)> Cut;
};

// What the canopy criteria are evaluated with: the species table, the
// canopy profile settings and the work records of the profile and the
// stand measures.
struct d_ThinCanopy {
  const d_ETTable* Species = nullptr;
  float LayWid = 0, RASpread = 0, CriThr = 0, Esdd = 0;
  d_CPWork* Shares = nullptr;
  d_Profile* Layers = nullptr;
  d_SMWork* Measures = nullptr;
};

// What one tree per acre of the record adds to a criterion that is a sum:
// "BasalArea" (live trees, ft2/acre), "StandDensityIndex", "TreeDensity"
// and "ExceedingTreeDensity" (the trees whose DBH is at or above `esdd`,
// in); 0 for any other keyword.
double TH_PerTree(const std::string& crit, const d_PTLRec& rec, float esdd);

// The sum criterion over the adjusted densities.
float TH_SumCriterion(const std::string& crit, const d_PTLTable& trees, float esdd);

// The criterion of a sum keyword, kept up to date as the thinning cuts.
d_ThinCriterion TH_SumThinCriterion(const std::string& crit, float esdd);

// The criterion of any keyword: a sum, or "CanopyCover" (fraction, of the
// live crowns), "CanopyFuelLoad" (tons/acre) and "CanopyBulkDensity"
// (kg/m3) of the canopy profile, each kept up to date as the thinning cuts.
d_ThinCriterion TH_ThinCriterion(const std::string& crit, const d_ThinCanopy& canopy);

// The thinning step: sorts the list by ascending retention priority (the
// exchange order, which stays), runs the free thinning ("Free", without
// regard to case) or the criterion thinning with `criterion`,
// and splits the removals. Notices (already below the target, nothing
// between the cut diameters, nothing removed by free thinning) are left in
// `warning`, which is emptied first. Returns 1.
int TH_Thin(d_PTLTable& trees, const d_ThinSettings& s, const d_ThinCriterion& criterion,
            std::string& warning);

}  // namespace sylvanor
