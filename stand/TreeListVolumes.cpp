#include "stand/TreeListVolumes.h"

#include "stand/EquationTable.h"
#include "stand/TreeList.h"
#include "stand/TreeVolume.h"

namespace sylvanor {

namespace {

constexpr float kShortestTree = 5.0f;  // ft
constexpr float kSmallestTop = 0.1f;   // in

}  // namespace

int PTL_Volumes(float logTopDia, std::string& message) {
  const float top = logTopDia > 0.0f ? logTopDia : kSmallestTop;
  for (d_PTLRec& tree : s_PTL()) {
    if (tree.Species.empty()) break;
    tree.VolCuFt = tree.VolBdFt = tree.VolMeCuFt = 0.0f;
    if (!(tree.Hgt >= kShortestTree)) continue;
    const int row = ET_Idx(tree.Species);
    const std::string bole = row < 0 ? std::string() : s_ET().Rows[row].Bole.str();
    d_TreeVol volumes;
    if (!TreeVolume(bole, tree.Dia, top, tree.Hgt, volumes, message)) return 0;
    tree.VolCuFt = volumes.CuFt;
    tree.VolBdFt = volumes.BdFt;
    tree.VolMeCuFt = volumes.MeCuFt;
  }
  return 1;
}

}  // namespace sylvanor
