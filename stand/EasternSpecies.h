#pragma once
// Crown weights of the eastern species ("PB", "YB", "AC", "BF", "EH", "RM",
// "SM", "QA", "RO", "EP", "LO", "PI", "BS", "RS"). Their equations give the
// total crown, the foliage and the twigs only; the branch components of an
// eastern species come from a western code through its species record.

#include <string_view>

namespace sylvanor {

// The crown of one tree: its total weight (lb), the foliage share of it and
// the foliage-and-twig share of it.
struct d_EastCrown {
  double Total = 0.0;
  double Foliage = 0.0;  // f
  double FolTwig = 0.0;  // g = f + the twig share
};

// The crown of a tree of an eastern code (without case) from its DBH (in),
// height (ft) and crown base height (ft); only "RO" uses the heights. A DBH
// of 0 or less or an unknown code has no crown.
d_EastCrown East_Crown(std::string_view code, float dbh, float height, float crownBase);

// Weight in pounds of slot 0 (Total), 1 (Foliage) or 2 (Br-Twg); 0 for any
// other slot.
float East_Weight(std::string_view code, int slot, float dbh, float height, float crownBase);

}  // namespace sylvanor
