#pragma once
// Lookups shared by the equation tables: rows keyed by an equation code and a
// component name, the table ended by a row with an empty code.

#include <cstddef>
#include <string_view>

#include "base/Keyword.h"

namespace sylvanor {

// Index of the first row whose Code and Component equal the given ones
// (compared without case), scanning until the ending row; -1 when none does.
template <class Rows>
int FindCodeRow(const Rows& rows, std::string_view code, std::string_view component) {
  for (std::size_t i = 0; i < rows.size() && !rows[i].Code.empty(); ++i) {
    if (SameKeyword(rows[i].Code, code) && SameKeyword(rows[i].Component, component)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

// The row at `row`; any index outside the table gives the ending row.
template <class Rows>
const auto& CodeRowOrEnd(const Rows& rows, int row) {
  if (row < 0 || row >= static_cast<int>(rows.size())) return rows.back();
  return rows[static_cast<std::size_t>(row)];
}

}  // namespace sylvanor
