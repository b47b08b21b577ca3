#include "ui/EquationTable.h"

#include "stand/SampleSpecies.h"

namespace sylvanor {

int InitEngine(Sylvanor& syl, const std::filesystem::path& userFolder) {
  return syl.Init_LarGUI("English", "English", (userFolder / "species.csv").string());
}

d_EquationTable EquationTableRows(Sylvanor& syl, const std::filesystem::path& userFolder) {
  d_EquationTable table;
  std::string text;
  // a table always holds a species, so an engine without one was never set up
  if (syl.ET_GetItem(0, "Species", text) != 1 && !InitEngine(syl, userFolder))
    table.Message = syl.Get_ErrMes();
  syl.ET_GetItem(0, "Source", table.Source);
  for (int row = 0; syl.ET_GetItem(row, "Species", text) == 1; ++row) {
    auto& cells = table.Rows.emplace_back();
    for (std::size_t c = 0; c < kEquationColumns.size(); ++c)
      syl.ET_GetItem(row, std::string(kEquationColumns[c].Item), cells[c]);
  }
  return table;
}

std::string WriteSampleSpecies(const std::filesystem::path& userFolder) {
  std::string message;
  Create_SamSpe_ESD(userFolder.string(), message);
  return message;
}

}  // namespace sylvanor
