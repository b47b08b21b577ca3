#include "ui/EquationTable.h"

#include <algorithm>

#include "base/Keyword.h"
#include "stand/EquationReference.h"
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

std::string EquationReference(Sylvanor& syl, std::size_t column, const std::string& code) {
  // the columns holding equation codes, with the equations' own item names
  constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kEquations = {{
      {"Total", "Total"},
      {"Foliage", "Foliage"},
      {"Twig", "Twig"},
      {"1Inch", "1Inch"},
      {"3Inch", "3Inch"},
      {"3InchPlus", "3PlusInch"},
      {"VertDist", "VertDist"},
  }};
  if (column >= kEquationColumns.size()) return "";
  const std::string_view item = kEquationColumns[column].Item;
  const auto equation = std::find_if(kEquations.begin(), kEquations.end(),
                                     [&](const auto& e) { return e.first == item; });
  if (equation == kEquations.end()) return "";
  std::string name, reference;
  if (syl.ET_GetReference(code, std::string(equation->second), name, reference))
    return name + "\n" + reference;
  // the species group is named even when no reference is on record
  const std::string_view kind = item == "VertDist" ? "VertDist" : "BioMass";
  for (const d_EqName& group : ET_NameList())
    if (SameKeyword(group.Code, code) && group.Kind == kind) return std::string(group.Name);
  return "";
}

std::string WriteSampleSpecies(const std::filesystem::path& userFolder) {
  std::string message;
  Create_SamSpe_ESD(userFolder.string(), message);
  return message;
}

}  // namespace sylvanor
