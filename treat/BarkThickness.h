#pragma once
// Bark thickness of a tree from its DBH: a factor per bark thickness
// equation number times the DBH, in inches.

#include <string_view>

#include "stand/MortalitySpecies.h"

namespace sylvanor {

// The bark thickness factor of an equation number: 1 to 39 from the table,
// 100 for a species whose bark is not counted (0), any other number -1.
float BarkFactor(int barkNum);

// Bark thickness (in) of a tree of the species and DBH (in), the species
// record found as the crown-scorch equations find it (its own record by exact
// code, else a final "*InvSpe*" record). -1 for a species with no record or a
// bark number outside the table.
float SMT_CalcBarkThick(const MortalityTable& table, std::string_view species, float dbh);

}  // namespace sylvanor
