#pragma once
// Crown biomass of one tree: its equation parameter record and the
// computation of its six crown fuel weights from its species' equations.

#include <array>
#include <string>

#include "base/FixedText.h"
#include "stand/EquationTable.h"

namespace sylvanor {

// One tree while its weights are computed.
struct d_EP {
  FixedText<50> Species;
  float DBH = 0.0f;        // in
  float Height = 0.0f;     // total height, ft; the relative crown height x for a "VD" evaluation
  float CrownBase = 0.0f;  // ft
  int SpeIdx = -1;         // row of the species in the species table
  std::array<d_ETCom, kWeightSlots> Comps;  // Total ... Br-3inP, with their weights (lb)
  std::string Message;                      // empty, or why a computation failed
};

// Fills the six weights of the tree (pounds per tree) from the equations of
// its species in the species table, or the small-tree table for a DBH of 1 in
// or less. Returns 1, or 0 with Message set.
int EP_Calc(const d_ETTable& table, d_EP& ep);

// Weight of slot 0 to 5 (Total ... Br-3inP); 0 for any other slot.
float EP_GetWt(const d_EP& ep, int slot);

// Fraction of a species' crown fuel below the relative crown height x (0 at
// the crown base, 1 at the top), by its "VD" equation in the species table; 0
// when x <= 0.
float EP_VertDist(const d_ETTable& table, std::string_view species, float x);

// The same by a species' "VD" entry, evaluated with a record the caller
// keeps for the tree (its Height field carries x).
float EP_VertDistAt(const d_ETCom& entry, d_EP& ep, float x);

}  // namespace sylvanor
