#pragma once
// Retention priorities: which trees a thinning keeps longest. A priority is
// computed per tree from a retention priority set (weights by tree status,
// crown class, crown ratio and diameter) and a species list with diameter
// ranges; lower priorities are removed first, 0 is cut first and 99 never
// by a criterion.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "io/FixedText.h"

inline constexpr std::size_t kRetPriSpecies = 200;
inline constexpr std::size_t kRetPriWeights = 14;

// A retention priority set: the 14 weights in the order of the project
// file, and the smallest and largest DBH of the plot's live trees. A new set
// holds -1 everywhere.
struct d_RetPriSet {
  float Hea = -1, UHe = -1, Sic = -1, Dea = -1;                                // status H, U, S, D
  float Dom = -1, CoD = -1, Int = -1, Emr = -1, Sup = -1, OpG = -1, Non = -1;  // crown class
  float CRs = -1;                  // crown ratio factor at a crown ratio of 0.1
  float CRm = -1;                  // crown ratio from which the factor is 1
  float Dia = -1;                  // diameter factor at zero DBH
  float MinDia = -1, MaxDia = -1;  // of the plot's live trees
};

// One row of the species list: a species code or "_Other", the DBH range
// (min <= DBH < max) and the species priority factor.
struct d_RetPriSpe {
  FixedText<100> Name;
  float MinDia = 0;
  float MaxDia = 0;
  float Pri = 0;
};

// The species list; the first row with an empty name ends it.
using RetPriSpeList = std::array<d_RetPriSpe, kRetPriSpecies>;

// Empties every name of the list.
void RPC_Init_SpeLis(RetPriSpeList& list);

// Puts a row into the first row with an empty name and gives its index, or
// kRetPriSpecies (nothing stored) when the list is full.
int RPC_SetSpe(RetPriSpeList& list, const std::string& name, float minDia, float maxDia, float pri);
