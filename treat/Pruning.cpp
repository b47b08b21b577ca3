#include "treat/Pruning.h"

#include <algorithm>

namespace sylvanor {

void PR_Prune(d_PTLTable& trees, float height, float minCrownRatio) {
  const int n = PTL_Count(trees);
  for (int i = 0; i < n; ++i) {
    d_PTLRec& rec = trees[static_cast<std::size_t>(i)];
    rec.PruFra = 0.0f;
    rec.CrnHgtPru = rec.CrnHgt;
    const float base = rec.CrnHgt, top = rec.Hgt;
    if (PTL_IsDead(rec) || base > height || minCrownRatio >= 1.0f || top <= base) continue;
    const float pruned =
        std::min((std::min(height, top) - base) / (top - base), 1.0f - minCrownRatio);
    rec.PruFra = pruned;
    rec.CrnHgtPru = base + pruned * (top - base);
  }
}

}  // namespace sylvanor
