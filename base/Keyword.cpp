#include "base/Keyword.h"

namespace sylvanor {

std::string UpperKeyword(std::string_view text) {
  std::string key(text);
  for (char& c : key) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return key;
}

}  // namespace sylvanor
