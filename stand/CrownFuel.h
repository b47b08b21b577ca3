#pragma once
// Crown fuel of the plot tree list: every tree's six crown weights from its
// species' equations, scaled by the crown reduction factor of its crown
// class. Dead trees keep no foliage and no twigs.

#include <string>

#include "stand/EquationTable.h"
#include "stand/TreeList.h"

namespace sylvanor {

// Fills the Bio weights of every tree of the list from the species table.
// Returns 1, or 0 with the first failing tree's message.
int PTL_CrownFuel(d_PTLTable& trees, const d_ETTable& species, std::string& message);

}  // namespace sylvanor
