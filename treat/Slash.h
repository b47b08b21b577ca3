#pragma once
// Slash: the crowns and stems of thinned trees and the pruned crown parts,
// as loads by fuel size class (tons/acre). Per-tree weights are pounds per
// tree (the crown weights of the tree records); a load is the weight times
// the trees per acre over 2000.

#include <array>
#include <string_view>

#include "stand/EquationTable.h"
#include "stand/TreeList.h"
#include "treat/Piling.h"

namespace sylvanor {

// Wood density (lb/ft3) of a species by its "Total" equation code; 25.6 for
// a code the table does not hold.
float SL_WoodDensity(std::string_view totalCode);

// The shares of a stem of diameter d (in, at least 3) in the five 1000-hour
// size classes.
std::array<float, kSizeClasses> SL_StemSplit(float d);

// The thinning slash of the records' removed trees: of the harvested ones
// (Harv) the top above the log top diameter (`logTopDia`, in; 0 for none)
// with its crown and stem, and the crown lopped below it that yarding
// leaves (`yardloss`, 0-1); of the sub-merchantable ones (Slash) the whole
// crown and stem.
d_SlashLoads SL_ThinningSlash(const d_PTLTable& trees, const d_ETTable& species, float logTopDia,
                              float yardloss);

// The pruning slash: each tree's crown fuel below its pruned fraction of the
// crown length (by its species' vertical distribution), times the trees per
// acre left. Branches over 3 in are not pruned.
d_SlashLoads SL_PruningSlash(const d_PTLTable& trees, const d_ETTable& species);

}  // namespace sylvanor
