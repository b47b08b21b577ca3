#pragma once
// Keywords ("Yes", "No", "English", "Metric", criteria, regions, seasons,
// codes) are compared without regard to case.

#include <cstddef>
#include <string>
#include <string_view>

namespace sylvanor {

// True when both texts are equal ignoring ASCII letter case. Inline: the
// equation tables are searched with it for every tree.
inline bool SameKeyword(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// The text with ASCII letters in upper case: a key under which texts equal
// by SameKeyword meet.
std::string UpperKeyword(std::string_view text);

}  // namespace sylvanor
