#include "platform/OutputFile.h"

#include <gtest/gtest.h>

#include "platform/FileLookup.h"
#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

TEST(OutputFile, AFailedWriteIsToldOnceWithItsReason) {
  TempFolder t;
  c_OutputFile file;
  ASSERT_TRUE(file.Open((t.path() / "o.csv").string()));
  file.Stream() << 1.5 << std::string(70000, 'x');  // beyond the buffer
  EXPECT_EQ(file.Close(), "");
  EXPECT_EQ(ReadFile(t.path() / "o.csv"), "1.5" + std::string(70000, 'x'));
  EXPECT_FALSE(file.Open(t.path().string()));
  EXPECT_EQ(file.ErrorText(), "Is a directory");
  for (const std::size_t size : {10, 70000}) {  // failing at the close, or at once
    ASSERT_TRUE(file.Open("/dev/full"));
    file.Stream() << std::string(size, 'x');
    EXPECT_EQ(file.Failed(), size > 10);
    EXPECT_EQ(file.Close(), "No space left on device");
    EXPECT_EQ(file.Close(), "");
  }
  // one file however named; a missing one is none of the existing
  std::filesystem::create_symlink(t.path() / "o.csv", t.path() / "link.csv");
  EXPECT_TRUE(SameFile(t.path() / "o.csv", t.path() / "link.csv"));
  EXPECT_TRUE(SameFile(t.path() / "new.csv", t.path() / "x" / ".." / "new.csv"));
  EXPECT_FALSE(SameFile(t.path() / "o.csv", t.path() / "O.csv"));
  EXPECT_TRUE(ExistsAsNonFile(t.path()));
  EXPECT_FALSE(ExistsAsNonFile(t.path() / "link.csv"));
}

}  // namespace sylvanor
