#include "batch/UserFolderSetup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "io/ProjectFile.h"
#include "platform/ProgramDir.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Sets an environment variable for the life of the object, then puts back
// what was there.
class EnvVar {
 public:
  EnvVar(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~EnvVar() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// A program folder with its data files and an empty data home.
class UserFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(program_);
    fs::create_directories(home_);
  }

  void WriteProgram(const std::string& name, const std::string& text) const {
    std::ofstream(program_ / name, std::ios::binary) << text;
  }

  // The shipped layout: a folder name, the list (with a blank line, CR line
  // ends and a name spelt otherwise than the file) and the listed files.
  void ShipDataFiles(const std::string& folderName = "Sylvanor Test") const {
    WriteProgram("VX-UD.txt", folderName + "\r\nanything else\r\n");
    WriteProgram("VX-MovFil.txt",
                 "qor_Spp.csv\r\n\r\n  Emission_Factors.csv  \r\nVX_Sample.vxp\r\n"
                 "PDQ_Sample.pdq\r\n");
    WriteProgram("QOR_SPP.CSV", "mortality\n");
    WriteProgram("Emission_Factors.csv", "factors\n");
    WriteProgram("VX_Sample.vxp", "#Thin Yes\n#BCBMoist Dry ");  // no line end at its end
    WriteProgram("PDQ_Sample.pdq", "plots\n");
    WriteProgram("not_listed.txt", "x");
  }

  TempFolder temp_;
  const fs::path program_ = temp_.path() / "bin";
  const fs::path home_ = temp_.path() / "share";
};

TEST(UserDataHomeTest, XdgDataHomeWhenAbsoluteElseHomeLocalShare) {
  EXPECT_EQ(UserDataHomeFrom("/data/me", "/home/me"), fs::path("/data/me"));
  EXPECT_EQ(UserDataHomeFrom("data/me", "/home/me"), fs::path("/home/me/.local/share"));
  EXPECT_EQ(UserDataHomeFrom("", "/home/me"), fs::path("/home/me/.local/share"));
  EXPECT_EQ(UserDataHomeFrom(nullptr, "/home/me"), fs::path("/home/me/.local/share"));
  EXPECT_EQ(UserDataHomeFrom(nullptr, nullptr), fs::path());
  EXPECT_EQ(UserDataHomeFrom(nullptr, "home/me"), fs::path());
}

TEST_F(UserFolderTest, DataHomeFollowsTheEnvironment) {
  ShipDataFiles();
  const fs::path xdg = temp_.path() / "xdg";
  {
    EnvVar data("XDG_DATA_HOME", xdg.c_str());
    EnvVar home("HOME", "/nowhere");
    ASSERT_EQ(UserDataHome(), xdg);
    const d_UserFolderSetup setup = PrepareUserFolder(program_, {}, UserDataHome());
    EXPECT_EQ(setup.result, 1) << setup.message;
    EXPECT_EQ(setup.folder, xdg / "Sylvanor Test");
    EXPECT_TRUE(fs::is_regular_file(xdg / "Sylvanor Test" / "qor_Spp.csv"));
  }
  {
    EnvVar data("XDG_DATA_HOME", nullptr);
    EnvVar home("HOME", temp_.path().c_str());
    EXPECT_EQ(UserDataHome(), temp_.path() / ".local" / "share");
  }
}

TEST_F(UserFolderTest, FolderNameIsTheTrimmedFirstLineOfVxUd) {
  EXPECT_EQ(ReadUserFolderName(program_), std::nullopt);
  WriteProgram("vx-ud.TXT", "  My Sylvanor \r\nSecond\r\n");
  EXPECT_EQ(ReadUserFolderName(program_), "My Sylvanor");
  WriteProgram("vx-ud.TXT", "Forestry/Sylvanor");
  EXPECT_EQ(ReadUserFolderName(program_), "Forestry/Sylvanor");
  // names that would leave the data home, or name it itself
  for (const char* bad : {"", "   \r\n", "/etc", "../elsewhere", "a/../../b", "."}) {
    WriteProgram("vx-ud.TXT", bad);
    EXPECT_EQ(ReadUserFolderName(program_), std::nullopt) << bad;
  }
}

TEST_F(UserFolderTest, GetPathGivesTheFolderOnlyWhenItExists) {
  EXPECT_EQ(_getpath(program_, home_), fs::path());  // no VX-UD.txt
  WriteProgram("VX-UD.txt", "Sylvanor\n");
  EXPECT_EQ(_getpath(program_, home_), fs::path());  // no folder yet
  fs::create_directories(home_ / "Sylvanor");
  EXPECT_EQ(_getpath(program_, home_), home_ / "Sylvanor");
  EXPECT_EQ(_getpath(program_, fs::path()), fs::path());  // data home unknown
  WriteProgram("VX-UD.txt", "\n");
  EXPECT_EQ(_getpath(program_, home_), fs::path());  // never the data home itself
}

TEST_F(UserFolderTest, NewFolderIsFilledFromTheList) {
  ShipDataFiles();
  const d_UserFolderSetup setup = PrepareUserFolder(program_, {}, home_);
  const fs::path folder = home_ / "Sylvanor Test";
  ASSERT_EQ(setup.result, 1) << setup.message;
  EXPECT_TRUE(setup.created);
  EXPECT_EQ(setup.folder, folder);
  EXPECT_EQ(setup.warning, "");
  EXPECT_EQ(setup.message, "");

  // the listed files under their listed names, and the settings file; no
  // other file, and nothing else beside the folder
  EXPECT_EQ(Entries(folder),
            (std::vector<std::string>{"Emission_Factors.csv", "PDQ_Sample.pdq", "Sylvanor.ini",
                                      "VX_Sample.vxp", "qor_Spp.csv"}));
  EXPECT_EQ(Entries(home_), std::vector<std::string>{"Sylvanor Test"});
  EXPECT_EQ(ReadAll(folder / "qor_Spp.csv"), "mortality\n");
  EXPECT_EQ(ReadAll(folder / "PDQ_Sample.pdq"), "plots\n");

  // the sample project names the copied plot file on a line of its own; the
  // blank of the folder name is written the project file's way
  const fs::path plotFile = folder / "PDQ_Sample.pdq";
  std::string word = plotFile.string();
  std::replace(word.begin(), word.end(), ' ', '$');
  EXPECT_EQ(ReadAll(folder / "VX_Sample.vxp"),
            "#Thin Yes\n#BCBMoist Dry \n#PlotFileName " + word + "\n");
  // ... and the project reader gives the path back whole
  std::ifstream project(folder / "VX_Sample.vxp", std::ios::binary);
  PrjWords values;
  std::string line;
  ASSERT_EQ(Prj_FindSw(project, "PlotFileName", values, line), 1);
  EXPECT_EQ(Prj_WordToName(values[1]), plotFile.string());

  EXPECT_EQ(ReadAll(folder / "Sylvanor.ini"), (folder / "VX_Sample.vxp").string() + "\n");
}

TEST_F(UserFolderTest, CopiesAreWritableByTheirOwner) {
  ShipDataFiles();
  fs::permissions(program_ / "VX_Sample.vxp", fs::perms::owner_read | fs::perms::group_read);
  const d_UserFolderSetup setup = PrepareUserFolder(program_, {}, home_);
  ASSERT_EQ(setup.result, 1) << setup.message;
  const fs::perms perms = fs::status(setup.folder / "VX_Sample.vxp").permissions();
  EXPECT_NE(perms & fs::perms::owner_write, fs::perms::none);
}

TEST_F(UserFolderTest, GivenFolderIsCreatedWithItsParents) {
  ShipDataFiles();
  const fs::path folder = temp_.path() / "a" / "b" / "mine";
  const d_UserFolderSetup setup = PrepareUserFolder(program_, folder.string() + "/", home_);
  ASSERT_EQ(setup.result, 1) << setup.message;
  EXPECT_TRUE(setup.created);
  EXPECT_EQ(setup.folder, folder);
  EXPECT_EQ(ReadAll(folder / "Sylvanor.ini"), (folder / "VX_Sample.vxp").string() + "\n");
  EXPECT_FALSE(fs::exists(home_ / "Sylvanor Test"));
}

TEST_F(UserFolderTest, ExistingFolderIsLeftUntouched) {
  ShipDataFiles();
  const fs::path folder = home_ / "Sylvanor Test";
  fs::create_directories(folder);
  std::ofstream(folder / "VX_Sample.vxp") << "mine\n";
  const d_UserFolderSetup setup = PrepareUserFolder(program_, {}, home_);
  EXPECT_EQ(setup.result, 1);
  EXPECT_FALSE(setup.created);
  EXPECT_EQ(setup.folder, folder);
  EXPECT_EQ(Entries(folder), std::vector<std::string>{"VX_Sample.vxp"});
  EXPECT_EQ(ReadAll(folder / "VX_Sample.vxp"), "mine\n");
}

TEST_F(UserFolderTest, FileInPlaceOfTheFolderIsRefused) {
  ShipDataFiles();
  std::ofstream(home_ / "Sylvanor Test") << "x";
  const d_UserFolderSetup setup = PrepareUserFolder(program_, {}, home_);
  EXPECT_EQ(setup.result, 0);
  EXPECT_NE(setup.message, "");
  EXPECT_EQ(ReadAll(home_ / "Sylvanor Test"), "x");
}

TEST_F(UserFolderTest, MissingVxUdUsesTheDefaultNameWithAWarning) {
  ShipDataFiles();
  fs::remove(program_ / "VX-UD.txt");
  const d_UserFolderSetup setup = PrepareUserFolder(program_, {}, home_);
  ASSERT_EQ(setup.result, 1) << setup.message;
  EXPECT_EQ(setup.warning,
            "Warning - No VX-UD.txt file found. \n Will use 'Sylvanor 1.8' as a user folder name");
  EXPECT_EQ(setup.folder, home_ / "Sylvanor 1.8");
  EXPECT_TRUE(fs::is_regular_file(home_ / "Sylvanor 1.8" / "Sylvanor.ini"));
  // the warning comes with the default folder whether it is made or found
  EXPECT_EQ(PrepareUserFolder(program_, {}, home_).warning, setup.warning);
  EXPECT_EQ(PrepareUserFolder(program_, home_ / "given", home_).warning, "");
}

TEST_F(UserFolderTest, MissingListCreatesNothing) {
  ShipDataFiles();
  fs::remove(program_ / "VX-MovFil.txt");
  const d_UserFolderSetup setup = PrepareUserFolder(program_, {}, home_);
  EXPECT_EQ(setup.result, 0);
  EXPECT_FALSE(setup.created);
  EXPECT_EQ(setup.message,
            "Can Open/Find VX-MovFil.txt file while trying \n to create User Sylvanor folder");
  EXPECT_TRUE(Entries(home_).empty());
}

TEST_F(UserFolderTest, MissingListedFileLeavesNoFolderAndARerunRetries) {
  ShipDataFiles();
  fs::remove(program_ / "PDQ_Sample.pdq");
  const d_UserFolderSetup failed = PrepareUserFolder(program_, {}, home_);
  EXPECT_EQ(failed.result, 0);
  EXPECT_FALSE(failed.created);
  EXPECT_EQ(failed.message.rfind("Error attempting to copy data files to User folder\n\n -> ", 0),
            0u)
      << failed.message;
  EXPECT_NE(failed.message.find("PDQ_Sample.pdq"), std::string::npos) << failed.message;
  // no folder, complete or partial, is left for a later run to take
  EXPECT_TRUE(Entries(home_).empty());
  EXPECT_EQ(_getpath(program_, home_), fs::path());

  WriteProgram("pdq_sample.PDQ", "plots\n");
  const d_UserFolderSetup rerun = PrepareUserFolder(program_, {}, home_);
  ASSERT_EQ(rerun.result, 1) << rerun.message;
  EXPECT_TRUE(rerun.created);
  EXPECT_EQ(ReadAll(rerun.folder / "PDQ_Sample.pdq"), "plots\n");
  EXPECT_EQ(Entries(home_), std::vector<std::string>{"Sylvanor Test"});
}

TEST_F(UserFolderTest, ListWithoutTheSampleProjectStillWritesTheSettingsFile) {
  ShipDataFiles();
  WriteProgram("VX-MovFil.txt", "qor_Spp.csv\n");
  const d_UserFolderSetup setup = PrepareUserFolder(program_, {}, home_);
  ASSERT_EQ(setup.result, 1) << setup.message;
  EXPECT_EQ(Entries(setup.folder), (std::vector<std::string>{"Sylvanor.ini", "qor_Spp.csv"}));
}

TEST_F(UserFolderTest, SampleFilesListedInAnotherSpelling) {
  ShipDataFiles();
  WriteProgram("VX-MovFil.txt", "vx_sample.VXP\nPdq_Sample.PDQ\n");
  const d_UserFolderSetup setup = PrepareUserFolder(program_, {}, home_);
  ASSERT_EQ(setup.result, 1) << setup.message;
  EXPECT_EQ(ReadAll(setup.folder / "vx_sample.VXP"),
            "#Thin Yes\n#BCBMoist Dry \n#PlotFileName " +
                (home_ / "Sylvanor$Test" / "Pdq_Sample.PDQ").string() + "\n");
  EXPECT_EQ(ReadAll(setup.folder / "Sylvanor.ini"),
            (setup.folder / "vx_sample.VXP").string() + "\n");
}

TEST_F(UserFolderTest, FolderThatCannotBeCreatedIsReported) {
  ShipDataFiles();
  std::ofstream(temp_.path() / "plain") << "x";
  const d_UserFolderSetup setup =
      PrepareUserFolder(program_, temp_.path() / "plain" / "user", home_);
  EXPECT_EQ(setup.result, 0);
  EXPECT_EQ(setup.message.rfind(
                "Can't create User folder " + (temp_.path() / "plain" / "user").string(), 0),
            0u)
      << setup.message;
}

TEST(ProgramDirTest, IsTheFolderOfTheRunningProgram) {
  const fs::path dir = ProgramDir();
  EXPECT_TRUE(dir.is_absolute());
  EXPECT_TRUE(fs::is_regular_file(dir / "sylvanor_tests")) << dir;
}

}  // namespace

}  // namespace sylvanor
