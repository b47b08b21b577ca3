#pragma once
// The thinning: lowers the adjusted density (TPAadj) of the plot's tree
// records until a stand measure reaches a target, or cuts each tree's own
// share (free thinning). Trees go in ascending retention priority: 0 is cut
// first by the cutting efficiency, 99 never by a criterion. What was
// removed is then split into harvest (at or above the sub-merchantable
// diameter) and slash.

#include <functional>
#include <string>

#include "stand/EquationTable.h"
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
// and, for a criterion that is a sum over the records, what one tree per
// acre of a record adds to it. With the second the thinning keeps the value
// up to date as it cuts and evaluates it in full only near the target, so
// that its decisions are those of a full evaluation before every step.
struct d_ThinCriterion {
  std::function<float(const d_PTLTable&)> Value;
  std::function<double(const d_PTLRec&)> PerTree;  // empty: evaluate in full every step
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

// The thinning step: sorts the list by ascending retention priority (the
// exchange order, which stays), runs the free thinning ("Free", without
// regard to case) or the criterion thinning with `criterion`,
// and splits the removals. Notices (already below the target, nothing
// between the cut diameters, nothing removed by free thinning) are left in
// `warning`, which is emptied first. Returns 1.
int TH_Thin(d_PTLTable& trees, const d_ThinSettings& s, const d_ThinCriterion& criterion,
            std::string& warning);

}  // namespace sylvanor
