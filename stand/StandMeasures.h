#pragma once
// Stand measures of the plot tree list for one density code: stem density,
// stem density above a diameter, basal area, stand density index, quadratic
// mean diameter, QD75 and canopy cover; and the standing and harvested wood
// volumes per acre of the stand after treatment.

#include <string>
#include <vector>

#include "stand/CanopyTypes.h"
#include "stand/EquationTable.h"
#include "stand/TreeList.h"

namespace sylvanor {

// Room for the diameters, densities and order of a whole tree list, kept by
// the caller between measures so that none allocates once it has grown.
struct d_SMWork {
  std::vector<float> Dia;
  std::vector<float> Tpa;
  std::vector<int> Order;
};

// Every stand measure over the tree list, each record counting for the trees
// per acre it has under the density code ("TPA", "TPAadj", "Thinned",
// "PostMort"; see PTL_GetTPA). esdd is the diameter (in) from which trees
// count in SteDenExc. Dead trees count in the density, SDI, QMD and QD75 but
// not in the basal area or the canopy cover; a tree's crown for the cover
// comes from its species' crown width equation in the species table.
d_StandMeasures SM_Calc(const d_PTLTable& trees, const d_ETTable& species, const std::string& code,
                        float esdd, d_SMWork& work);

// Crown area (ft2) of one tree from its species' crown width equation. A
// species missing from the table, or a canopy cover code without an
// equation, gives no crown rather than the -1 the crown table answers with;
// the species check at load time keeps both from happening.
double SM_CrownArea(const d_ETTable& species, const d_PTLRec& rec);

// Canopy cover (percent) of live crowns of this area (ft2) on an acre.
float SM_CoverOf(double crownArea);

// Only the basal area of the live trees for the density code, ft2/acre.
float SM_Basal(const d_PTLTable& trees, const std::string& code);

// Quadratic mean diameter (in) of the largest trees that together hold 75 %
// of the basal area, counting whole trees: a record with 2.3 trees per acre
// gives three trees, one with 0.4 gives one. 0 when the list has no basal
// area under the code.
float SM_Qd75(const d_PTLTable& trees, const std::string& code, d_SMWork& work);

// Standing volumes after treatment (board feet and merchantable cubic feet
// only from trees whose diameter is at least subMerDia, in), and the
// harvested basal area and volumes.
d_StandVolumes SM_Volumes(const d_PTLTable& trees, float subMerDia);

}  // namespace sylvanor
