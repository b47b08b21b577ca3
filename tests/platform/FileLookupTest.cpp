#include "platform/FileLookup.h"

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

namespace sylvanor {

TEST(FileLookup, TheNameInAnyCase) {
  // the files of the row's own folder, the name asked, the one found
  const std::tuple<const char*, std::vector<std::string>, std::string, std::string> rows[] = {
      {"exact name first", {"QOR_SPP.CSV", "qor_Spp.csv"}, "qor_Spp.csv", "qor_Spp.csv"},
      {"another spelling", {"QOR_SPP.CSV"}, "qor_Spp.csv", "QOR_SPP.CSV"},
      {"first in name order", {"qor_spp.csv", "Qor_Spp.csv"}, "QOR_SPP.csv", "Qor_Spp.csv"},
      {"none: as asked", {"species.csv"}, "qor_spp.csv", "qor_spp.csv"},
      {"no folder: as asked", {}, "nowhere/a.csv", "nowhere/a.csv"}};
  TempFolder t;
  for (const auto& [name, files, asked, found] : rows) {
    std::filesystem::create_directory(t.path() / name);
    for (const std::string& file : files)
      t.Write(std::string(name) + "/" + file, "x");
    EXPECT_EQ(FindFileNoCase(t.path() / name / asked), t.path() / name / found) << name;
  }
  EXPECT_EQ(FindFileNoCase(""), std::filesystem::path());
}

}  // namespace sylvanor
