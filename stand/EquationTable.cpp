#include "stand/EquationTable.h"

#include "base/Keyword.h"

namespace sylvanor {

int ET_Idx(const d_ETTable& table, std::string_view species) {
  const std::vector<d_ET>& rows = table.Rows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].Species.empty()) break;
    if (SameKeyword(rows[i].Species, species)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace sylvanor
