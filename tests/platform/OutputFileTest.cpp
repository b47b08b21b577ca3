#include "platform/OutputFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileLookup.h"
#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

TEST(OutputFile, WritesAreCheckedUpToTheClose) {
  TempFolder t;
  c_OutputFile file;
  ASSERT_TRUE(file.Open((t.path() / "out.csv").string()));
  file.Stream() << "a," << 1.5 << '\n' << std::string(100000, 'x');  // more than its buffer
  EXPECT_FALSE(file.Failed());
  EXPECT_EQ(file.Close(), "");
  EXPECT_EQ(ReadFile(t.path() / "out.csv"), "a,1.5\n" + std::string(100000, 'x'));
  EXPECT_EQ(file.Close(), "");  // closed: nothing to tell

  EXPECT_FALSE(file.Open(t.path().string()));  // a folder
  EXPECT_EQ(file.ErrorText(), "Is a directory");

  // a full device takes the bytes into the buffer, then refuses them
  ASSERT_TRUE(file.Open("/dev/full"));
  file.Stream() << "a line\n";
  EXPECT_EQ(file.Close(), "No space left on device");
  ASSERT_TRUE(file.Open("/dev/full"));
  file.Stream() << std::string(70000, 'x');
  EXPECT_TRUE(file.Failed());
  EXPECT_EQ(file.ErrorText(), "No space left on device");
  EXPECT_EQ(file.Close(), "No space left on device");
  EXPECT_EQ(file.Close(), "");  // told once
}

TEST(FileLookup, OneFileHoweverNamed) {
  TempFolder t;
  const std::filesystem::path a = t.Write("a.csv", "x"), sub = t.path() / "sub";
  std::filesystem::create_directory(sub);
  std::filesystem::create_symlink(a, t.path() / "link.csv");
  std::filesystem::create_hard_link(a, t.path() / "hard.csv");
  const std::tuple<std::filesystem::path, std::filesystem::path, bool> rows[] = {
      {a, sub / ".." / "a.csv", true},
      {a, t.path() / "link.csv", true},
      {a, t.path() / "hard.csv", true},
      {a, t.Write("b.csv", "x"), false},
      {t.path() / "new.csv", sub / ".." / "new.csv", true},  // neither exists yet
      {t.path() / "new.csv", t.path() / "other.csv", false},
      {a, t.path() / "A.csv", false}};  // an existing and a missing file
  for (const auto& [one, other, same] : rows)
    EXPECT_EQ(SameFile(one, other), same) << one << " " << other;

  EXPECT_TRUE(ExistsAsNonFile(sub));
  EXPECT_TRUE(ExistsAsNonFile("/dev/null"));
  EXPECT_FALSE(ExistsAsNonFile(a));
  EXPECT_FALSE(ExistsAsNonFile(t.path() / "link.csv"));  // a link to a file is a file
  EXPECT_FALSE(ExistsAsNonFile(t.path() / "missing.csv"));
}

}  // namespace sylvanor
