#pragma once
// The crown weights and fractions worked out by hand in
// tests/stand/equation-cases.txt, under the heading of their family.

#include <string>
#include <vector>

namespace sylvanor {

struct EquationCase {
  std::string Name, Code;  // the case's line of the file, to name it; equation code
  int Slot = 0;            // component slot, kTotal ... kVertDist
  float Dbh = 0, Height = 0, CrownBase = 0;
  double Expected = 0, Tolerance = 0;
};

// The cases of a family ("WesternConifer" ...), or all for "". An unreadable
// file or line and a family without cases fail the running test.
std::vector<EquationCase> EquationCases(const std::string& family);

}  // namespace sylvanor
