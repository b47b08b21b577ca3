#include "stand/TreeListVolumes.h"

#include "stand/TreeVolume.h"

namespace sylvanor {

namespace {

constexpr float kShortestTree = 5.0f;  // ft
constexpr float kSmallestTop = 0.1f;   // in

}  // namespace

int PTL_Volumes(d_PTLTable& trees, const d_ETTable& species, float logTopDia,
                std::string& message) {
  const float top = logTopDia > 0.0f ? logTopDia : kSmallestTop;
  for (d_PTLRec& tree : trees) {
    if (tree.Species.empty()) break;
    tree.VolCuFt = tree.VolBdFt = tree.VolMeCuFt = 0.0f;
    if (!(tree.Hgt >= kShortestTree)) continue;
    const int row = ET_Idx(species, tree.Species);
    const std::string bole = row < 0 ? std::string() : species.Rows[row].Bole.str();
    d_TreeVol volumes;
    if (!TreeVolume(bole, tree.Dia, top, tree.Hgt, volumes, message)) return 0;
    tree.VolCuFt = volumes.CuFt;
    tree.VolBdFt = volumes.BdFt;
    tree.VolMeCuFt = volumes.MeCuFt;
  }
  return 1;
}

}  // namespace sylvanor
