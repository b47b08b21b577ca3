#pragma once
// The result boxes of the main window after "&Calculate", as texts: each
// box with its label and, where the stand has two states, its value before
// and after treatment. The widgets only show them.

#include <string>
#include <vector>

#include "batch/DetailsFile.h"
#include "engine/Sylvanor.h"

namespace sylvanor {

struct d_ResultBox {
  std::string Group;      // "Stand", "Volumes", "Slash and piles", "Consumed", "After treatment"
  std::string Label;      // with its unit
  std::string Pre, Post;  // Pre empty for a value of one state
};

// Every result box from the engine's getters: stand measures and canopy
// fuel before and after treatment, standing and harvested volumes, slash,
// piles, what the burn consumed and the loads after treatment by component,
// the fuel models and the four crown fire indices (-1 when not run).
// Slash and load values take `decimals` decimals (1 to 3).
std::vector<d_ResultBox> ResultBoxes(const Sylvanor& syl, const d_OutputIndices& indices,
                                     int decimals);

// What a double click on the canopy bulk density or base height box shows.
std::string ThresholdText(const Sylvanor& syl);

}  // namespace sylvanor
