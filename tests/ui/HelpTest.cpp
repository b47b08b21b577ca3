#include "ui/Help.h"

#include <gtest/gtest.h>

namespace sylvanor {

namespace {

TEST(Help, FindsTheShippedTextsBesideTheProgramWhateverTheirCase) {
  const std::string dir = SYLVANOR_PROGRAM_DIR;
  struct Case {
    const char* name;
    bool ok, html;
    const char* starts;  // the text's beginning, or the message
  };
  const Case cases[] = {
      {kUserGuide, true, true, "<!DOCTYPE html>"},
      {kQuickReference, true, false, "SYLVANOR QUICK REFERENCE"},
      {"USER-GUIDE.HTML", true, true, "<!DOCTYPE html>"},
      {"missing.txt", false, false, "Can't Open Help File: "},
  };
  for (const Case& c : cases) {
    const d_HelpText help = ReadHelp(dir, c.name);
    EXPECT_EQ(help.Ok, c.ok) << c.name;
    EXPECT_EQ(help.Html, c.html) << c.name;
    EXPECT_EQ((c.ok ? help.Text : help.Message).rfind(c.starts, 0), 0u) << c.name;
  }
  EXPECT_EQ(ReadHelp(dir, "missing.txt").Message,
            "Can't Open Help File: " + (std::filesystem::path(dir) / "missing.txt").string());
  EXPECT_EQ(AboutText().rfind(std::string("Sylvanor ") + kVersion + "\n\n", 0), 0u);
}

}  // namespace

}  // namespace sylvanor
