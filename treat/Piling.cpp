#include "treat/Piling.h"

namespace sylvanor {

namespace {

constexpr float kLeastLoad = 0.00001f;  // tons/acre; less left on the surface is none

// Moves `amount` from the surface load onto the pile, counting it in `sum`.
void Move(float amount, float& surface, float& pile, float& sum) {
  pile += amount;
  sum += amount;
  surface -= amount;
  if (surface < kLeastLoad) surface = 0.0f;
}

}  // namespace

void PL_Pile(const d_SurfaceFuel& input, const d_SlashLoads& thinning, const d_SlashLoads& pruning,
             const d_PileShares& shares, d_SurfaceFuel& agf, d_Piles& piles) {
  float groundFine = 0, groundCoarse = 0, slashFine = 0, slashCoarse = 0;
  if (shares.Ground > 0.0f) {
    const float g = shares.Ground;
    Move(input.Litter * g, agf.Litter, piles.LitFol, groundFine);
    Move(input.Hr1 * g, agf.Hr1, piles.Hr1, groundFine);
    Move(input.Hr10 * g, agf.Hr10, piles.Hr10, groundFine);
    Move(input.Hr100 * g, agf.Hr100, piles.Hr100, groundFine);
    for (std::size_t c = 0; c < kSizeClasses; ++c) {
      Move(input.Snd[c] * g, agf.Snd[c], piles.Snd[c], groundCoarse);
      Move(input.Rot[c] * g, agf.Rot[c], piles.Rot[c], groundCoarse);
    }
    piles.Tot += groundFine + groundCoarse;
  }
  if (shares.Slash > 0.0f) {
    const float s = shares.Slash;
    Move((thinning.Fol + pruning.Fol) * s, agf.Litter, piles.LitFol, slashFine);
    Move((thinning.Hr1 + pruning.Hr1) * s, agf.Hr1, piles.Hr1, slashFine);
    Move((thinning.Hr10 + pruning.Hr10) * s, agf.Hr10, piles.Hr10, slashFine);
    Move((thinning.Hr100 + pruning.Hr100) * s, agf.Hr100, piles.Hr100, slashFine);
    for (std::size_t c = 0; c < kSizeClasses; ++c)
      Move(thinning.Snd[c] * s, agf.Snd[c], piles.Snd[c], slashCoarse);
    piles.SlashOnToPile = slashFine + slashCoarse;
  }
  if (shares.Burn <= 0.0f) {
    agf.Pile += groundFine + groundCoarse + slashFine + slashCoarse;
    return;
  }
  agf.Pile += groundCoarse + slashCoarse;
  const float burned = agf.Pile * shares.Burn;
  agf.Pile -= burned;
  piles.Burned += burned + groundFine + slashFine;
}

}  // namespace sylvanor
