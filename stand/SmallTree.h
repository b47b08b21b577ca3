#pragma once
// Crown weights of trees of 1 in DBH or less. These take fixed weights by
// height class from a table keyed by the species' "Total" equation code.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "stand/EquationTable.h"

namespace sylvanor {

inline constexpr std::size_t kSmallTreeClasses = 10;

// Pounds per tree of Total ... Br-3inP.
using SmallTreeWeights = std::array<float, kWeightSlots>;

// One row of the table: an equation code and its weights for height classes
// 1 to 10 (element 0 is class 1).
struct d_SmallTreeRow {
  std::string_view Code;
  const std::array<SmallTreeWeights, kSmallTreeClasses>* Classes;
};

// Height class of a tree of the given height (ft): 1 up to 1 ft, 2 up to
// 2 ft ... 9 up to 9 ft, 10 above 9 ft.
int SmallTree_HeightClass(float height);

// First row of `rows` holding the code (without case), or nullptr.
const d_SmallTreeRow* SmallTree_Find(std::span<const d_SmallTreeRow> rows, std::string_view code);

// The built-in table.
std::span<const d_SmallTreeRow> SmallTree_Table();

// Weights of a small tree whose species' "Total" equation code is `code`; a
// code the table does not hold takes the "DF" weights.
SmallTreeWeights SmallTree_Weights(std::string_view code, float height);

}  // namespace sylvanor
