#include "stand/SampleSpecies.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "base/CFormat.h"
#include "platform/FileLookup.h"
#include "stand/SpeciesTable.h"

namespace sylvanor {

namespace {

constexpr std::array<std::string_view, 16> kItems = {
    "OrderNumber", "Species", "CommonName", "HarCon",   "Include",   "Total",
    "Foliage",     "Twig",    "1Inch",      "3Inch",    "3InchPlus", "VertDist",
    "CrownClass",  "Canopy",  "Bole",       "Mortality"};

}  // namespace

void _Heading(std::ostream& file) {
  file << "#\n"
       << "# Use this sample file to add delete or modify species code and/or equation set that "
          "are used by\n"
       << "# Sylvanor.\n"
       << "#\n"
       << "# By renaming this file or a copy of it to species.csv Sylvanor will recognize it and "
          "use it instead\n"
       << "#  of its normal internal species table\n"
       << "#\n"
       << "# If you need to add a species you could duplicate an existing entry in the table "
          "below and\n"
       << "#  add your new species code and name to it. OR you could create your own set of "
          "equations\n"
       << "#\n"
       << "# If you wish to make a hardwood tree have its canopy fuel included in canopy bulk "
          "density caclulations\n"
       << "#  you can change the  Inc CBD  column entry to  Yes  by default all hardwood are not "
          "included in\n"
       << "#  CBD calculations\n"
       << "#\n"
       << "# order,Species,Common,Conifer,Inc,,,,,,,Vert,Crown,Canpy,Bole,Qorvel-Mort\n"
       << "# Num,code,Name,Hard,CBD,Tot,Fol,Twg,1in,3in,3+,Dist,Reduc,Cover,Volume,Spe-code\n";
}

int Create_SamSpe_ESD(const std::string& folder, std::string& message) {
  const std::string path =
      FindFileNoCase(std::filesystem::path(folder) / "sample-species.csv").string();
  std::ofstream file(path, std::ios::binary);
  if (!file) {
    message = path + "\n Can't Open File";
    return 0;
  }
  _Heading(file);
  std::string text;
  for (int row = 0; row < 1000 && ESD_GetItem(row, "Species", text) == 1; ++row) {
    for (std::size_t i = 0; i < kItems.size(); ++i) {
      ESD_GetItem(row, std::string(kItems[i]), text);
      file << (i == 0 ? "" : ",") << text;
    }
    file << '\n';
  }
  file.close();
  if (!file) {
    message = path + "\n Can't Open File";
    return 0;
  }
  message = CFormat("File Created:\n%s\n\nNOTE:\n See Help and comments in file.", path);
  return 1;
}

}  // namespace sylvanor
