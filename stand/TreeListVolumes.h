#pragma once
// Volumes of the plot tree list: every tree of 5 ft or more gets its total
// cubic feet, board feet and merchantable cubic feet from its species' bole
// volume equation; shorter trees keep zero volumes and never reach the
// volume library.

#include <string>

#include "stand/EquationTable.h"
#include "stand/TreeList.h"

namespace sylvanor {

// Fills the volumes of every tree of the list with the log top diameter (in;
// 0 or less means 0.1 in), each by the bole equation of its species in the
// species table. Returns 1, or 0 with the first failing tree's message.
int PTL_Volumes(d_PTLTable& trees, const d_ETTable& species, float logTopDia, std::string& message);

}  // namespace sylvanor
