#pragma once
// Stand measures of the plot tree list for one density code: stem density,
// stem density above a diameter, basal area, stand density index, quadratic
// mean diameter, QD75 and canopy cover; and the standing and harvested wood
// volumes per acre of the stand after treatment.

#include <string>

#include "stand/CanopyTypes.h"

namespace sylvanor {

// Every stand measure over the tree list, each record counting for the trees
// per acre it has under the density code ("TPA", "TPAadj", "Thinned",
// "PostMort"; see PTL_GetTPA). esdd is the diameter (in) from which trees
// count in SteDenExc. Dead trees count in the density, SDI, QMD and QD75 but
// not in the basal area or the canopy cover.
d_StandMeasures SM_Calc(const std::string& code, float esdd);

// Only the basal area of the live trees for the density code, ft2/acre.
float SM_Basal(const std::string& code);

// Quadratic mean diameter (in) of the largest trees that together hold 75 %
// of the basal area, counting whole trees: a record with 2.3 trees per acre
// gives three trees, one with 0.4 gives one. 0 when the list has no basal
// area under the code.
float SM_Qd75(const std::string& code);

// Standing volumes after treatment (board feet and merchantable cubic feet
// only from trees whose diameter is at least subMerDia, in), and the
// harvested basal area and volumes.
d_StandVolumes SM_Volumes(float subMerDia);

}  // namespace sylvanor
