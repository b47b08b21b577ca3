#pragma once
// The tables an engine computes with: the species table with its linked
// equations, and the plot tree list. Each engine owns one context, so that
// engines in different threads never share a table. The species table is
// never changed once loaded and linked: an engine that loads a species file
// puts a new table in its context, and engines may hold the same table.

#include <memory>

#include "stand/EquationTable.h"
#include "stand/TreeList.h"

namespace sylvanor {

struct d_Context {
  // The species table; empty until one is loaded. Never null.
  std::shared_ptr<const d_ETTable> Species = std::make_shared<const d_ETTable>();
  d_PTLTable Trees;
};

}  // namespace sylvanor
