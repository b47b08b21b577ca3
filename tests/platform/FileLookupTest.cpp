#include "platform/FileLookup.h"

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace fs = std::filesystem;

namespace {

class FileLookupTest : public ::testing::Test {
 protected:
  void Touch(const std::string& name) { temp_.Write(name, "x"); }

  TempFolder temp_;
  const fs::path& folder_ = temp_.path();
};

TEST_F(FileLookupTest, ExactNameIsKept) {
  Touch("qor_Spp.csv");
  EXPECT_EQ(FindFileNoCase(folder_ / "qor_Spp.csv"), folder_ / "qor_Spp.csv");
}

TEST_F(FileLookupTest, OtherSpellingOfTheNameIsFound) {
  Touch("QOR_SPP.CSV");
  EXPECT_EQ(FindFileNoCase(folder_ / "qor_spp.csv"), folder_ / "QOR_SPP.CSV");
  EXPECT_EQ(FindFileNoCase(folder_ / "qor_Spp.csv"), folder_ / "QOR_SPP.CSV");
}

TEST_F(FileLookupTest, SeveralSpellingsTakeTheFirstInNameOrder) {
  Touch("qor_spp.csv");
  Touch("Qor_Spp.csv");
  EXPECT_EQ(FindFileNoCase(folder_ / "QOR_SPP.csv"), folder_ / "Qor_Spp.csv");
}

TEST_F(FileLookupTest, MissingFileOrFolderGivesThePathBack) {
  Touch("species.csv");
  EXPECT_EQ(FindFileNoCase(folder_ / "qor_spp.csv"), folder_ / "qor_spp.csv");
  EXPECT_EQ(FindFileNoCase(folder_ / "nowhere" / "a.csv"), folder_ / "nowhere" / "a.csv");
  EXPECT_EQ(FindFileNoCase(""), fs::path());
}

}  // namespace

}  // namespace sylvanor
