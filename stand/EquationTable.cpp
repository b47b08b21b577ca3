#include "stand/EquationTable.h"

#include "base/Keyword.h"

namespace sylvanor {

d_ETTable& s_ET() {
  static d_ETTable table;
  return table;
}

int ET_Idx(std::string_view species) {
  const std::vector<d_ET>& rows = s_ET().Rows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].Species.empty()) break;
    if (SameKeyword(rows[i].Species, species)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace sylvanor
