#pragma once
// The results record of the engine: what the last executed plot produced,
// and the engine's two message buffers.

#include <array>

#include "io/FixedText.h"

inline constexpr std::size_t kMessageCapacity = 3000;

// Surface fuel loads after treatment, tons/acre: the plot's loads, changed
// by piling and the burn.
struct d_GroundFuel {
  float Duff = 0;
  float Litter = 0;
  float Lichen = 0;
  float Moss = 0;
  float Grass = 0;
  float Shrub = 0;
  float Hr1 = 0;
  float Hr10 = 0;
  float Hr100 = 0;
  std::array<float, 5> SCSnd{};
  std::array<float, 5> SCRot{};
  float ExiPil = 0;  // existing piles
};

struct d_Stand {
  FixedText<kMessageCapacity> ErrMes;   // reason of the last failed operation
  FixedText<kMessageCapacity> Warning;  // thinning and burn notices
  d_GroundFuel AGF;
};
