#include "tests/support/Equations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "stand/EquationTable.h"

namespace sylvanor {

std::vector<EquationCase> EquationCases(const std::string& family) {
  // the file lies in tests/stand, beside the folder of the golden outputs
  std::ifstream file(std::filesystem::path(SYLVANOR_GOLDEN_DIR).parent_path() / "stand" /
                     "equation-cases.txt");
  std::vector<EquationCase> cases;
  std::string heading, line, component;
  for (int number = 1; std::getline(file, line); ++number) {
    if (line.starts_with('[')) heading = line.substr(1, line.find(']') - 1);
    if (line.empty() || line[0] == '#' || line[0] == '[') continue;
    if (!family.empty() && heading != family) continue;
    EquationCase c;
    c.Name = "equation-cases.txt:" + std::to_string(number) + " " + line;
    std::istringstream in(line);
    in >> c.Code >> component >> c.Dbh >> c.Height >> c.CrownBase >> c.Expected >> c.Tolerance;
    c.Slot = static_cast<int>(std::find(kComponentNames.begin(), kComponentNames.end(), component) -
                              kComponentNames.begin());
    if (in.fail() || c.Slot == std::ssize(kComponentNames)) {
      ADD_FAILURE() << "not a case: " << c.Name;
    } else {
      cases.push_back(c);
    }
  }
  EXPECT_FALSE(cases.empty()) << "no case of [" << family << "] in equation-cases.txt";
  return cases;
}

}  // namespace sylvanor
