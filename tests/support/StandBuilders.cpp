#include "tests/support/StandBuilders.h"

#include <filesystem>

#include "stand/EqFun.h"
#include "stand/SpeciesTable.h"
#include "stand/UnitFactors.h"

namespace sylvanor {

d_ETTable SpeciesTable(std::initializer_list<d_SpeciesCodes> rows) {
  d_ETTable table;
  for (const d_SpeciesCodes& codes : rows) {
    d_ET& et = table.Rows.emplace_back();
    et.Species = codes.Species;
    et.Include = codes.Include;
    et.Canopy = codes.Canopy;
    et.Bole = codes.Bole;
    for (std::size_t i = 0; i < kComponentSlots; ++i) {
      d_ETCom& c = et.Components[i];
      c.Code = i < kBr1in ? codes.Crown : (i < kVertDist ? codes.Branches : codes.VertDist);
      c.EqIdx = EQ_Find(c.Code, c.Component);
      if (c.EqIdx >= 0) c.Kind = "EFD";
    }
  }
  return table;
}

d_ETTable BuiltInSpeciesTable() {
  d_ETTable table;
  ET_Load(table, "");
  ET_LinkEq(table);
  return table;
}

d_PTLRec TreeRec(const d_TreeFields& f) {
  d_PTLRec t;
  t.Species = f.Species;
  t.Dia = f.Dia;
  t.Hgt = f.Hgt;
  t.CrnHgt = t.CrnHgtPru = f.CrnHgt;
  t.TPA = t.TPAadj = f.TPA;
  t.Status = f.Status;
  t.CrnCls = f.CrnCls;
  t.BasAre = kPi<> * (f.Dia / 2) * (f.Dia / 2);
  return t;
}

d_PTLTable TreeList(std::initializer_list<d_PTLRec> trees) {
  d_PTLTable list;
  std::size_t slot = 0;
  for (const d_PTLRec& t : trees)
    list[slot++] = t;
  return list;
}

std::string UserSpeciesPath(const TempFolder& folder) {
  std::filesystem::copy_file(std::filesystem::path(SYLVANOR_DATA_DIR) / "qor_Spp.csv",
                             folder.path() / "qor_Spp.csv");
  return (folder.path() / "species.csv").string();
}

}  // namespace sylvanor
