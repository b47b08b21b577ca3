#pragma once
// The tables an engine computes with: the species table with its linked
// equations, the mortality species equations of the burn, and the plot tree
// list. Each engine owns one context, so that
// engines in different threads never share a table. The species table is
// never changed once loaded and linked: an engine that loads a species file
// puts a new table in its context, and engines may hold the same table.

#include <memory>

#include <string>

#include "stand/EquationTable.h"
#include "stand/MortalitySpecies.h"
#include "stand/TreeList.h"

namespace sylvanor {

struct d_Context {
  // The species table; empty until one is loaded. Never null.
  std::shared_ptr<const d_ETTable> Species = std::make_shared<const d_ETTable>();
  d_PTLTable Trees;
  // The mortality species equation file as read from MortalityPath; read
  // once and kept while the path stays the same, null until then.
  std::shared_ptr<const MortalityTable> Mortality;
  std::string MortalityPath;
};

}  // namespace sylvanor
