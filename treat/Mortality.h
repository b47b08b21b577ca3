#pragma once
// The probability that a fire kills a tree, by the mortality equation the
// mortality species equation file names for the tree's species.

#include <string>

#include "stand/MortalitySpecies.h"

namespace sylvanor {

// Mortality input of one tree, and its result.
struct d_MI {
  std::string Species;     // mortality species code
  std::string EqType;      // requested equation type, "CRNSCH" for crown scorch
  std::string EqCode;      // equation code found for the species
  float TPA = 0;           // trees per acre
  float DBH = 0;           // in
  float Hgt = 0;           // ft
  float CR = 0;            // crown ratio, percent
  float ScoFla = 0;        // scorch height or flame length, ft
  std::string ScoFlaKind;  // "S" scorch height, "F" flame length
  std::string FireSev;     // fire severity, "Low" or "L" for a low-severity fire
  float Prob = 0;          // probability of mortality, 0 to 1
};

// Finds the tree's equation in the table and computes its probability of
// mortality into `mi.Prob`. Returns the probability, or -1 with a message.
float MRT_CalcMngr(const MortalityTable& table, d_MI& mi, std::string& message);

}  // namespace sylvanor
