#pragma once
// Piling: chosen shares of the ground fuels and of the slash are moved from
// the surface onto piles, and a share of the piles is burned. Loads in
// tons/acre.

#include <array>

#include "stand/SurfaceFuel.h"

namespace sylvanor {

// Slash of a thinning or a pruning: foliage, 1-, 10- and 100-hour wood and
// the five sound 1000-hour size classes (a pruning leaves none of those).
struct d_SlashLoads {
  float Fol = 0, Hr1 = 0, Hr10 = 0, Hr100 = 0;
  std::array<float, kSizeClasses> Snd{};
};

// The piles: litter and foliage, 1-, 10- and 100-hour wood, the sound and
// rotten 1000-hour classes; the ground fuels moved onto them, the load
// burned, and the slash moved onto them.
struct d_Piles {
  float LitFol = 0, Hr1 = 0, Hr10 = 0, Hr100 = 0;
  std::array<float, kSizeClasses> Snd{}, Rot{};
  float Tot = 0, Burned = 0, SlashOnToPile = 0;
};

// Shares piled and burned, fractions 0-1.
struct d_PileShares {
  float Ground = 0;  // of the ground fuels as entered
  float Slash = 0;   // of the thinning and pruning slash
  float Burn = 0;    // of the piles
};

// Piling: with a ground share, that share of the litter, 1-, 10- and
// 100-hour and 1000-hour loads as entered (`input`) moves from the surface
// (`agf`) onto the piles; with a slash share, that share of the thinning
// and pruning slash the same way. A surface load never goes below 0, and
// less than 0.00001 left becomes 0. Without a burn share everything piled
// joins the existing piles (agf.Pile); with one, the coarse material joins
// them, that share of them burns, and the fine material burns whole.
void PL_Pile(const d_SurfaceFuel& input, const d_SlashLoads& thinning, const d_SlashLoads& pruning,
             const d_PileShares& shares, d_SurfaceFuel& agf, d_Piles& piles);

}  // namespace sylvanor
