#include "platform/UserFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/ProgramDir.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

namespace fs = std::filesystem;

TEST(UserFolderTest, DataHomeIsXdgDataHomeWhenAbsoluteElseHomeLocalShare) {
  const char* rows[][3] = {{"/data/me", "/home/me", "/data/me"},
                           {"data/me", "/home/me", "/home/me/.local/share"},
                           {"", "/home/me", "/home/me/.local/share"},
                           {nullptr, "/home/me", "/home/me/.local/share"},
                           {nullptr, nullptr, ""},
                           {nullptr, "home/me", ""}};
  for (const auto& [xdg, home, expected] : rows) {
    EXPECT_EQ(UserDataHomeFrom(xdg, home), fs::path(expected)) << (home ? home : "no HOME");
  }
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::string saved = old ? old : "";
  setenv("XDG_DATA_HOME", "/x/data", 1);  // from the environment
  EXPECT_EQ(UserDataHome(), fs::path("/x/data"));
  old ? setenv("XDG_DATA_HOME", saved.c_str(), 1) : unsetenv("XDG_DATA_HOME");
}

TEST(UserFolderTest, FolderNameIsTheTrimmedFirstLineOfVxUdWhenItStaysInTheDataHome) {
  TempFolder temp;
  const fs::path home = temp.path() / "share";
  EXPECT_EQ(ReadUserFolderName(temp.path()), std::nullopt);  // no file
  EXPECT_EQ(_getpath(temp.path(), home), fs::path());
  const std::pair<const char*, const char*> rows[] = {
      {"  My Sylvanor \r\nSecond\r\n", "My Sylvanor"},
      {"Forestry/Sylvanor", "Forestry/Sylvanor"},
      {"", nullptr},
      {"   \r\n", nullptr},
      {"/etc", nullptr},
      {"../elsewhere", nullptr},
      {"a/../../b", nullptr},
      {".", nullptr}};
  for (const auto& [text, name] : rows) {
    temp.Write("vx-ud.TXT", text);
    EXPECT_EQ(ReadUserFolderName(temp.path()).value_or("none"), name ? name : "none") << text;
  }
  // the folder only when it exists and the data home is known
  temp.Write("vx-ud.TXT", "Sylvanor\n");
  EXPECT_EQ(_getpath(temp.path(), home), fs::path());
  fs::create_directories(home / "Sylvanor");
  EXPECT_EQ(_getpath(temp.path(), home), home / "Sylvanor");
  EXPECT_EQ(_getpath(temp.path(), fs::path()), fs::path());
}

TEST(ProgramDirTest, IsTheFolderOfTheRunningProgram) {
  EXPECT_TRUE(ProgramDir().is_absolute());
  EXPECT_TRUE(fs::is_regular_file(ProgramDir() / "sylvanor_tests")) << ProgramDir();
}

}  // namespace

}  // namespace sylvanor
