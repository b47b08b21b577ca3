#include "stand/SpeciesTable.h"

#include <array>
#include <filesystem>
#include <fstream>

#include "base/CFormat.h"
#include "base/ColumnReader.h"
#include "base/Keyword.h"
#include "platform/FileLookup.h"
#include "stand/BuiltInSpecies.h"
#include "stand/CrownTables.h"
#include "stand/EqFun.h"
#include "stand/MortalitySpecies.h"
#include "stand/TreeVolume.h"

namespace sylvanor {

namespace {

constexpr std::string_view kInternal = "Internal";
constexpr std::string_view kMortalityFile = "qor_Spp.csv";

// One row of the species file, as the column reader fills it.
struct d_SpeciesFileRow {
  float Num = -1.0f;
  std::string Species, CommonName, HarCon, Include;
  std::array<std::string, kComponentSlots> Codes;
  std::string CrownClass, Canopy, Bole, Mortality;
};

// Reads one record of the species file; false at its end or on an error.
bool ReadSpeciesRow(std::istream& file, d_ET& et) {
  d_SpeciesFileRow r;
  const d_CDF columns[] = {
      {"Num", 'f', 0, &r.Num},
      {"Species", 's', 50, &r.Species},
      {"CommonName", 's', 500, &r.CommonName},
      {"ConifHard", 's', 4, &r.HarCon},
      {"Include", 's', 4, &r.Include},
      {"TotBioEq", 's', 20, &r.Codes[kTotal]},
      {"FolEqId", 's', 20, &r.Codes[kFoliage]},
      {"TwgEqId", 's', 20, &r.Codes[kTwig]},
      {"ThrEqId", 's', 20, &r.Codes[kBr1in]},
      {"HhrEqId", 's', 20, &r.Codes[kBr3in]},
      {"khrEqId", 's', 20, &r.Codes[kBr3inP]},
      {"VertDistEqId", 's', 50, &r.Codes[kVertDist]},
      {"CanpyClsEqId", 's', 50, &r.CrownClass},
      {"CanpyAreaEqId", 's', 50, &r.Canopy},
      {"BoleVolEqId", 's', 50, &r.Bole},
      {"MortltyEqId", 's', 50, &r.Mortality},
      {"", 'x', 0, {}},
  };
  // bad values are warnings of the row; the row itself is still taken
  std::string warnings;
  if (CDF_Get(columns, file, warnings) != 1) return false;
  et.OrderNumber = r.Num;
  et.Species = r.Species;
  et.CommonName = r.CommonName;
  et.HarCon = r.HarCon;
  et.Include = r.Include;
  for (std::size_t i = 0; i < kComponentSlots; ++i)
    et.Components[i].Code = r.Codes[i];
  et.CrownClass = r.CrownClass;
  et.Canopy = r.Canopy;
  et.Bole = r.Bole;
  et.Mortality = r.Mortality;
  return true;
}

// The mortality species file beside the species file: the folder is the
// path up to its last separator; a path without one names a file of the
// working folder.
std::string MortalityFilePath(const std::string& speciesPath) {
  const auto cut = speciesPath.find_last_of("\\/");
  if (cut == std::string::npos) return std::string(kMortalityFile);
  return (std::filesystem::path(speciesPath.substr(0, cut)) / kMortalityFile).string();
}

// The first failing code of a species record, as its message; "" when all
// pass.
std::string CheckRecord(const d_ET& et, const MortalityTable& mortality) {
  const std::string species = et.Species.str();
  for (const d_ETCom& com : et.Components) {
    if (EQ_Find(com.Code, com.Component) < 0) {
      return CFormat("Invalid/Missing '%s' biomass equation code, Species: %s, Code: %s",
                     com.Component.str(), species, com.Code.str());
    }
  }
  if (ET_CrownRed(et.CrownClass, "D") == 0.0f) {
    return CFormat("Invalid/Missing crown reduction code. Species: %s, Code: %s", species,
                   et.CrownClass.str());
  }
  if (ET_CrownArea(et.Canopy, 3.0f, 20.0f) < 0.0f) {
    return CFormat("Invalid/Missing crown cover code. Species: %s, Code: %s", species,
                   et.Canopy.str());
  }
  if (!SameKeyword(et.HarCon, "H") && !SameKeyword(et.HarCon, "C")) {
    return CFormat("Invalid/Missing Conifer/Hardwood Code.  Species: %s, Code: %s", species,
                   et.HarCon.str());
  }
  if (!SameKeyword(et.Include, "Yes") && !SameKeyword(et.Include, "No")) {
    return CFormat("Invalid/Missing Include CBD Code.  Species: %s, Code: %s", species,
                   et.Include.str());
  }
  d_TreeVol volumes;
  std::string volumeMessage;
  TreeVolume(et.Bole.str(), 10.0f, 2.0f, 40.0f, volumes, volumeMessage);
  if (!volumeMessage.empty()) {
    return CFormat("Invalid/Missing Volume Eq Code. Species: %s, Code: %s", species, et.Bole.str());
  }
  if (!MRT_SpeciesCheck(mortality, et.Mortality, kEqCrownScorch)) {
    return CFormat(
        "Invalid/Missing Qorvel Mortality Species Equation Code. Species: %s, Code: %s\n", species,
        et.Mortality.str());
  }
  return "";
}

}  // namespace

void ET_Load(d_ETTable& table, const std::string& path) {
  table.Rows.clear();
  std::ifstream file;
  if (!path.empty()) file.open(FindFileNoCase(path), std::ios::binary);
  if (file.is_open()) {
    table.Source = path;
    d_ET et;
    while (table.Rows.size() < kSpeciesCapacity && ReadSpeciesRow(file, et) &&
           !et.Species.empty()) {
      table.Rows.push_back(et);
      et = d_ET{};
    }
    return;
  }
  table.Source = kInternal;
  for (const d_BuiltInSpecies& row : kBuiltInSpecies)
    table.Rows.push_back(ET_BuiltInRecord(row));
}

void ET_LinkEq(d_ETTable& table) {
  for (d_ET& et : table.Rows) {
    for (d_ETCom& com : et.Components) {
      const int row = EQ_Find(com.Code, com.Component);
      if (row < 0) continue;
      com.EqIdx = row;
      com.Kind = "EFD";
    }
  }
}

int ET_Check(const d_ETTable& table, const std::string& path, std::string& message) {
  MortalityTable mortality;
  std::string loadMessage;
  if (!MRT_LoadSpeFile(MortalityFilePath(path), mortality, loadMessage)) {
    message = CFormat("Error try to open/load Qorvel species file.\n%s\n", loadMessage);
    return -1;
  }
  for (const d_ET& et : table.Rows) {
    if (et.Species.empty()) break;
    message = CheckRecord(et, mortality);
    if (!message.empty()) return 0;
  }
  return 1;
}

int ET_Setup(d_ETTable& table, std::string& message, const std::string& path) {
  message.clear();
  ET_Load(table, path);
  ET_LinkEq(table);
  switch (ET_Check(table, path, message)) {
    case 1:
      return 1;
    case 0:
      message += "\n This problem may result in bogus output values.\n\n";
      message += "Please correct the error shown and look for other invalid\n";
      message += "codes in the species file and then restart the program or\n";
      message += "click the 'Calculate' button to recheck the file\n";
      message += CFormat(" %s \n", path);
      return 0;
    default:
      message += CFormat(
          "\n\nError encountered while attempting to validate equations codes\n in File: %s\n",
          path);
      return 0;
  }
}

bool ET_ItemText(const d_ET& et, const std::string& item, std::string& text) {
  struct d_ComItem {
    std::string_view Item;
    ComponentSlot Slot;
  };
  static constexpr std::array<d_ComItem, 7> kComItems = {{
      {"Total", kTotal},
      {"Foliage", kFoliage},
      {"Twig", kTwig},
      {"1Inch", kBr1in},
      {"3Inch", kBr3in},
      {"3InchPlus", kBr3inP},
      {"VertDist", kVertDist},
  }};
  for (const d_ComItem& c : kComItems) {
    if (SameKeyword(item, c.Item)) {
      text = et.Components[c.Slot].Code.str();
      return true;
    }
  }
  const std::array<std::pair<std::string_view, const std::string*>, 8> fields = {{
      {"Species", &et.Species.str()},
      {"CommonName", &et.CommonName.str()},
      {"HarCon", &et.HarCon.str()},
      {"Include", &et.Include.str()},
      {"CrownClass", &et.CrownClass.str()},
      {"Canopy", &et.Canopy.str()},
      {"Bole", &et.Bole.str()},
      {"Mortality", &et.Mortality.str()},
  }};
  for (const auto& [name, value] : fields) {
    if (SameKeyword(item, name)) {
      text = *value;
      return true;
    }
  }
  if (SameKeyword(item, "OrderNumber")) {
    text = CFormat("%4.1f", et.OrderNumber);
    return true;
  }
  return false;
}

int ET_GetItem(const d_ETTable& table, int row, const std::string& item, std::string& text) {
  text.clear();
  if (SameKeyword(item, "Source")) {
    text = table.Source;
    return table.Source == kInternal ? 0 : 1;
  }
  if (row < 0 || row >= static_cast<int>(table.Rows.size())) return 0;
  if (ET_ItemText(table.Rows[row], item, text)) return 1;
  text = CFormat("Bullshit Request %s", item);
  return -1;
}

int ESD_GetItem(int row, const std::string& item, std::string& text) {
  text.clear();
  if (row < 0 || row >= static_cast<int>(kBuiltInSpecies.size())) return 0;
  ET_ItemText(ET_BuiltInRecord(kBuiltInSpecies[row]), item, text);
  return 1;
}

}  // namespace sylvanor
