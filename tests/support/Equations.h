#pragma once
// A crown weight or crown fraction worked out by hand: the equation code and
// component slot, the tree, and the value with the tolerance it is checked to.

#include <ostream>

namespace sylvanor {

struct EquationCase {
  const char* Code;
  int Slot;
  float Dbh;  // in; for a crown fraction the relative crown height
  double Expected, Tolerance;
  float Height = 0, CrownBase = 0;  // ft
};

inline std::ostream& operator<<(std::ostream& out, const EquationCase& c) {
  return out << c.Code << " slot " << c.Slot << " at " << c.Dbh;
}

}  // namespace sylvanor
