#pragma once
// The built-in crown biomass equation table: per equation code and component
// the function that gives a tree's component weight (pounds) or, for "VD",
// the cumulative fraction of its crown fuel below a relative crown height.

#include <string_view>

#include "stand/EquationParams.h"

namespace sylvanor {

using EqFunction = float (*)(d_EP& ep);

struct d_EqFun {
  std::string_view Code;  // equation code, e.g. "PP"
  std::string_view
      Component;  // "Total", "Foliage", "Br-Twg", "Br-1in", "Br-3in", "Br-3inP" or "VD"
  EqFunction Function;
  std::string_view RefCode;  // key of the literature reference list
};

// Row of the table for an equation code and component (both compared
// without case), or -1.
int EQ_Find(std::string_view code, std::string_view component);

// The row itself; `row` must be one EQ_Find gave.
const d_EqFun& EQ_Row(int row);

}  // namespace sylvanor
