#pragma once
// Crown fuel of the plot tree list: every tree's six crown weights from its
// species' equations, scaled by the crown reduction factor of its crown
// class. Dead trees keep no foliage and no twigs.

#include <string>

namespace sylvanor {

// Fills the Bio weights of every tree of the list. Returns 1, or 0 with the
// first failing tree's message.
int PTL_CrownFuel(std::string& message);

}  // namespace sylvanor
