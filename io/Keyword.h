#pragma once
// Keywords ("Yes", "No", "English", "Metric", criteria, regions, seasons,
// codes) are compared without regard to case.

#include <string_view>

// True when both texts are equal ignoring ASCII letter case.
bool SameKeyword(std::string_view a, std::string_view b);
