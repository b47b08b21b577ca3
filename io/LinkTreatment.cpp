#include "io/LinkTreatment.h"

#include <fstream>

#include "base/CFormat.h"
#include "base/TextUtil.h"

namespace sylvanor {

std::array<d_CDF, 9> LTF_Columns(d_LTF& row) {
  return {{{"cr_Plot", 's', 300, &row.Plot},
           {"cr_MonSta", 's', 100, &row.MonSta},
           {"cr_RPName", 's', 100, &row.RPName},
           {"cr_TmName", 's', 100, &row.TmName},
           {"cr_Thin", 's', 50, &row.Thin},
           {"cr_Prune", 's', 50, &row.Prune},
           {"cr_Pile", 's', 50, &row.Pile},
           {"cr_Burb", 's', 50, &row.Burb},
           {"", 'x', 0, {}}}};
}

void LTF_SkipHeader(std::istream& file) {
  SkipHeadingLine(file);
}

int LTF_Get(std::istream& file, d_LTF& row, std::string& message) {
  const auto columns = LTF_Columns(row);
  return CDF_Get(columns, file, message);
}

std::string LTF_Header() {
  return "Plot, MonSta, RetPri, Treatment, Thin, Prune, Pile, Burn\n";
}

std::string LTF_Line(const d_LTF& row) {
  return CFormat("%s, %s, %s, %s, %s, %s, %s, %s\n", row.Plot, row.MonSta, row.RPName, row.TmName,
                 row.Thin, row.Prune, row.Pile, row.Burb);
}

std::string LTF_Text(const std::vector<d_LTF>& rows) {
  std::string text = LTF_Header();
  for (const d_LTF& row : rows) {
    text += LTF_Line(row);
  }
  return text;
}

int LTF_Write(std::ostream& file, const std::vector<d_LTF>& rows) {
  file << LTF_Text(rows);
  return file.good() ? 1 : 0;
}

int LTF_WriteFile(const std::string& path, const std::vector<d_LTF>& rows, std::string& message) {
  message.clear();
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) {
    message = CFormat("Can't Open Link Treatment File : %s\n", path);
    return 0;
  }
  if (!LTF_Write(file, rows)) {
    message = CFormat("Error Writing Link Treatment File: %s\n", path);
    return 0;
  }
  return 1;
}

}  // namespace sylvanor
