#pragma once
// The results record of the engine: what the last executed plot produced,
// and the engine's two message buffers.

#include "io/FixedText.h"

inline constexpr std::size_t kMessageCapacity = 3000;

struct d_Stand {
  FixedText<kMessageCapacity> ErrMes;   // reason of the last failed operation
  FixedText<kMessageCapacity> Warning;  // thinning and burn notices
};
