#pragma once
// What a broadcast burn does to the trees of the plot: the probability that
// it kills each live tree from the scorch height, the trees per acre killed,
// the foliage of the killed crowns and of the scorched part of the surviving
// crowns that falls to the litter, and the basal area of the killed trees.

#include <string>

#include "stand/CanopyProfile.h"
#include "stand/EquationTable.h"
#include "stand/MortalitySpecies.h"
#include "stand/TreeList.h"

namespace sylvanor {

// Every live tree of the list, in table order up to the first free slot, by
// the crown-scorch equation of its species' mortality code (the table is
// the mortality species equation file) at the scorch height scoHgt (ft):
// MortPct becomes the probability in percent and Killed the trees per acre
// it kills. A record of one tree per acre or more loses whole trees, the
// probability times its trees per acre rounded, never more than it holds; a
// record of less than one tree per acre loses that share of its trees, since
// rounding would leave it standing whatever the probability. Dead trees are
// left as they are. Returns 1, or 0 with the reason in `message` at the
// first tree that cannot be evaluated; the trees before it keep their
// results and the trees after it are not changed.
int MRT_TreeList(d_PTLTable& trees, const d_ETTable& species, const MortalityTable& table,
                 float scoHgt, std::string& message);

// The foliage the burn kills, tons/acre: the whole crown above the pruned
// crown base of the killed trees of each live tree, and the part of its
// surviving trees' crowns from the pruned crown base up to the scorch height
// scoHgt (ft), the crowns spread over layers of layWid ft as the canopy
// profile spreads them (a layer that holds the scorch height counts whole).
float MRT_ScorchedFoliage(const d_PTLTable& trees, const d_ETTable& species, float layWid,
                          float scoHgt, d_CPWork& work);

// Basal area of the trees the burn killed, ft2/acre, over the live trees.
float MRT_KilledBasalArea(const d_PTLTable& trees);

}  // namespace sylvanor
