#include "batch/UserFolderSetup.h"

#include <gtest/gtest.h>

#include "tests/support/BatchFiles.h"

namespace sylvanor {

namespace {

namespace fs = std::filesystem;

// The shipped layout and an empty data home.
class UserFolderSetupTest : public BatchHomeTest {
 protected:
  UserFolderSetupTest() { fs::remove_all(user_); }
  d_UserFolderSetup Prepare(const fs::path& folder = {}) const {
    return PrepareUserFolder(temp_.path(), folder, home_);
  }
  static int Count(const fs::path& folder) {
    return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
  }
};

TEST_F(UserFolderSetupTest, NewFolderIsFilledFromTheList) {
  fs::permissions(temp_.path() / "VX_Sample.vxp", fs::perms::owner_read);
  const d_UserFolderSetup setup = Prepare();
  EXPECT_EQ(std::to_string(setup.result) + std::to_string(setup.created) + setup.warning +
                setup.message + "|" + setup.folder.string(),
            "11|" + user_.string());
  // the listed files under their listed names and the settings file, nothing else
  EXPECT_EQ(ReadFile(user_ / "QOR_SPP.CSV") + ReadFile(user_ / "Emission_Factors.csv"),
            "mortality\nfactors\n");
  EXPECT_EQ(std::vector<int>({Count(user_), Count(home_)}), std::vector<int>({5, 1}));
  // the sample project (given a line end) names the copied plot file, a blank
  // written the project file's way; the settings file names the project
  std::string plots = (user_ / "PDQ_Sample.pdq").string();
  std::replace(plots.begin(), plots.end(), ' ', '$');
  EXPECT_EQ(ReadFile(user_ / "VX_Sample.vxp"),
            "#Thin Yes\n#BCBMoist Dry \n#PlotFileName " + plots + "\n");
  EXPECT_EQ(ReadFile(user_ / "Sylvanor.ini"), (user_ / "VX_Sample.vxp").string() + "\n");
  // copies are writable by their owner; a folder that exists is used as it is
  EXPECT_NE(fs::status(user_ / "VX_Sample.vxp").permissions() & fs::perms::owner_write,
            fs::perms::none);
  fs::remove(user_ / "PDQ_Sample.pdq");
  EXPECT_FALSE(Prepare().created || fs::exists(user_ / "PDQ_Sample.pdq"));
  // samples listed in other spellings, into a given folder made with its parents
  temp_.Write("VX-MovFil.txt", "vx_sample.VXP\npdq_sample.PDQ\n");
  const fs::path given = Prepare(temp_.path() / "a" / "mine/").folder;
  EXPECT_EQ(ReadFile(given / "vx_sample.VXP"), "#Thin Yes\n#BCBMoist Dry \n#PlotFileName " +
                                                   (given / "pdq_sample.PDQ").string() + "\n");
}

TEST_F(UserFolderSetupTest, FailuresLeaveNoFolderBehind) {
  const fs::path plain = temp_.Write("plain", "x");
  const std::string rows[][2] = {
      // what goes wrong, the message's start
      {"VX-MovFil.txt",
       "Can Open/Find VX-MovFil.txt file while trying \n to create User Sylvanor folder"},
      {"PDQ_Sample.pdq", "Error attempting to copy data files to User folder\n\n -> "},
      {"a file in its place", ""},
      {"a parent that is a file", "Can't create User folder " + (plain / "user").string()}};
  for (const auto& [what, start] : rows) {
    Ship();
    if (what[0] != 'a') fs::remove(temp_.path() / what);
    if (what == "a file in its place") temp_.Write("share/Sylvanor Test", "x");
    const int before = Count(home_);
    const d_UserFolderSetup setup =
        Prepare(what == "a parent that is a file" ? plain / "user" : "");
    EXPECT_EQ(setup.result + setup.created, 0) << what;
    EXPECT_EQ(Count(home_), before) << what;  // nothing made, or left, beside
    EXPECT_EQ(setup.message.rfind(start, 0), 0u) << setup.message;
    EXPECT_NE(setup.message, "") << what;
    EXPECT_TRUE(what[0] == 'a' || setup.message.find(what) != std::string::npos) << setup.message;
    fs::remove_all(user_);
  }
}

}  // namespace

}  // namespace sylvanor
