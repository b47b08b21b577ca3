#pragma once
// Pruning the trees of the plot tree list up to a height, keeping a minimum
// residual crown.

#include "stand/TreeList.h"

namespace sylvanor {

// Prunes every live tree whose crown base is at or below `height` (ft),
// when `minCrownRatio` is under 1: up to that height or the tree's top,
// keeping at least `minCrownRatio` of the crown length. PruFra becomes the
// pruned fraction of the crown length and CrnHgtPru the crown base after
// pruning; a tree not pruned keeps its crown base with PruFra 0, and so does
// a tree without crown length.
void PR_Prune(d_PTLTable& trees, float height, float minCrownRatio);

}  // namespace sylvanor
