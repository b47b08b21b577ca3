#include "stand/CrownFuel.h"

#include "stand/CrownTables.h"
#include "stand/EquationParams.h"

namespace sylvanor {

int PTL_CrownFuel(d_PTLTable& trees, const d_ETTable& species, std::string& message) {
  for (d_PTLRec& tree : trees) {
    if (tree.Species.empty()) break;
    d_EP ep;
    ep.Species = tree.Species;
    ep.DBH = tree.Dia;
    ep.Height = tree.Hgt;
    ep.CrownBase = tree.CrnHgt;
    if (!EP_Calc(species, ep)) {
      message = ep.Message;
      return 0;
    }
    const float factor = ET_CrownRed(species.Rows[ep.SpeIdx].CrownClass, tree.CrnCls);
    for (int slot = 0; slot < static_cast<int>(tree.Bio.size()); ++slot) {
      tree.Bio[slot] = EP_GetWt(ep, slot) * factor;
    }
    if (PTL_IsDead(tree)) {
      tree.Bio[kTotal] -= tree.Bio[kFoliage] + tree.Bio[kTwig];
      tree.Bio[kFoliage] = 0.0f;
      tree.Bio[kTwig] = 0.0f;
    }
  }
  return 1;
}

}  // namespace sylvanor
