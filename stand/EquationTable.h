#pragma once
// The species table ("equation table"): for each species code the codes of
// the equations and tables that turn a tree into crown fuel, canopy cover,
// bole volume and fire mortality. An engine fills one at its initialisation
// from the user's species file or the built-in rows (stand/Context.h).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/FixedText.h"

namespace sylvanor {

inline constexpr std::size_t kSpeciesCapacity = 5000;

// Component slots of a species record, in this order everywhere.
enum ComponentSlot : int {
  kTotal = 0,
  kFoliage = 1,
  kTwig = 2,
  kBr1in = 3,
  kBr3in = 4,
  kBr3inP = 5,
  kVertDist = 6,
};
inline constexpr std::size_t kComponentSlots = 7;
inline constexpr std::size_t kWeightSlots = 6;  // Total to Br-3inP
inline constexpr std::array<std::string_view, kComponentSlots> kComponentNames = {
    "Total", "Foliage", "Br-Twg", "Br-1in", "Br-3in", "Br-3inP", "VD"};

// One component equation entry of a species.
struct d_ETCom {
  FixedText<10> Code;       // equation code, e.g. "PP"
  FixedText<10> Component;  // the slot's component name
  int EqIdx = -1;           // row of the crown biomass equation table, once linked
  FixedText<8> Kind;        // "EFD" once linked to a built-in equation
  float Weight = 0.0f;      // pounds per tree, in a tree's own copy
};

// One species.
struct d_ET {
  d_ET() {
    for (std::size_t i = 0; i < kComponentSlots; ++i)
      Components[i].Component = kComponentNames[i];
  }
  float OrderNumber = -1.0f;
  FixedText<50> Species;
  FixedText<150> CommonName;
  FixedText<5> HarCon;   // "H" hardwood, "C" conifer
  FixedText<5> Include;  // "Yes": crown fuel counts in canopy bulk density
  std::array<d_ETCom, kComponentSlots> Components;
  FixedText<10> CrownClass;  // crown reduction code
  FixedText<10> Canopy;      // crown width (canopy cover) code, a whole number
  FixedText<20> Bole;        // bole volume equation identifier
  FixedText<12> Mortality;   // mortality species code
};

// The table: its rows (at most kSpeciesCapacity, none with an empty code)
// and its source, the species file's path or "Internal".
struct d_ETTable {
  std::vector<d_ET> Rows;
  std::string Source;
};

// Row of a species code (compared without case) in the table, or -1.
int ET_Idx(const d_ETTable& table, std::string_view species);

}  // namespace sylvanor
