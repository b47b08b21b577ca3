#pragma once
// The broadcast burn of a plot's execution: the surface fuel it consumes,
// the smoke it makes, the trees it kills and the foliage it scorches.

#include "engine/Execute.h"

namespace sylvanor {

// The consumption of the surface fuel after thinning, pruning and piling:
// the loads after the burn replace them, the consumed amounts, the ignition,
// the emission totals and the time history go to the stand record; lichen
// and moss lose their share MLCons whether or not the fuel ignites. 1, or 0
// with the reason in std.ErrMes and the loads unchanged.
int BBC_Mngr(d_Exec& x);

// The mortality of the burn: the scorch height recorded, the mortality
// species equations read (once for a path), every live tree's probability
// of dying and its killed trees per acre, the foliage the burn kills added
// to the litter, and the basal area killed. 1, or 0 with the reason.
int BBC_Mortality(d_Exec& x);

}  // namespace sylvanor
