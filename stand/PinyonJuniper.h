#pragma once
// Crown weights of pinyon ("PY") and juniper ("JP"). The equations are
// written for the root-collar diameter in centimetres and give kilograms;
// the tree list gives the DBH, which is turned into a root-collar diameter
// first.

#include <string_view>

namespace sylvanor {

// Root-collar diameter (cm) of a tree of the given DBH (cm): a DBH of 0 or
// less has none, and DBHs above 500 cm count as 500.
double PJ_RootCollar(double dbhCm);

// Weight in pounds of component slot 0 to 5 (Total ... Br-3inP) of a "PY" or
// "JP" tree (code without case) of the given DBH (in). Any other code or
// slot gives 0.
float PJ_Weight(std::string_view code, int slot, float dbh);

}  // namespace sylvanor
