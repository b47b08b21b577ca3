#pragma once
// Keywords ("Yes", "No", "English", "Metric", criteria, regions, seasons,
// codes) are compared without regard to case.

#include <string>
#include <string_view>

// True when both texts are equal ignoring ASCII letter case.
bool SameKeyword(std::string_view a, std::string_view b);

// The text with ASCII letters in upper case: a key under which texts equal
// by SameKeyword meet.
std::string UpperKeyword(std::string_view text);
