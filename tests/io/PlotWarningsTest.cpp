#include "io/PlotWarnings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

const std::string kHead =
    "  Note: Missing or invalid numerical values detected in the input\n"
    "  file will be represented by a -1 in the messages below.\n"
    "  Columns headings represent the proper input file format...\n"
    " PlotId,  MonStatus, MonOrd, Spe, TPA, DBH, Hgt, CrownHgt, Status, CrownClass, CrownRatio\n"
    "\n";

std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(PlotWarnings, HeadOnceThenEachWarningAndABlankLine) {
  TempFolder t;
  const d_PlotWarningsFile written =
      WritePlotWarnings(t.path().string(), {{"first\n  Height is invalid or missing.\n", false},
                                            {"dead tree", true},
                                            {"second \n  DBH missing", false}});
  ASSERT_TRUE(written.ok) << written.message;
  EXPECT_EQ(written.count, 2);
  EXPECT_EQ(written.path, (t.path() / "SylvanorWarning.txt").string());
  EXPECT_EQ(Contents(written.path),
            kHead + "first\n  Height is invalid or missing.\n\nsecond \n  DBH missing\n\n");
}

TEST(PlotWarnings, EachLoadReplacesTheFile) {
  TempFolder t;
  const auto old = t.Write("SYLVANORWARNING.TXT", "old warnings\n");
  const d_PlotWarningsFile written =
      WritePlotWarnings(t.path().string(), {{"only about a dead tree", true}});
  ASSERT_TRUE(written.ok);
  EXPECT_EQ(written.count, 0);
  EXPECT_EQ(written.path, old.string());  // the existing file, whatever its case
  EXPECT_EQ(Contents(written.path), "");
}

TEST(PlotWarnings, FolderThatCannotTakeTheFile) {
  TempFolder t;
  const std::string folder = (t.path() / "missing").string();
  const d_PlotWarningsFile written = WritePlotWarnings(folder, {{"w", false}});
  EXPECT_FALSE(written.ok);
  EXPECT_EQ(written.count, 0);
  EXPECT_EQ(written.message, "Error Opening Plot Warning File:\n " + written.path);
}

TEST(PlotWarnings, NoticeOnlyWhenWarningsWereWritten) {
  EXPECT_EQ(PlotWarningsNotice(0, "/p/SylvanorWarning.txt").text, "");
  const d_PlotWarningsNotice notice = PlotWarningsNotice(3, "/p/SylvanorWarning.txt");
  EXPECT_EQ(notice.title, "Sylvanor Plot Warnings");
  EXPECT_EQ(notice.text,
            "3 Warning messages were recorded in the file:\n\n /p/SylvanorWarning.txt\n\n"
            " Do you want to open the file - Yes or No\n\n"
            " Hit Cancel to NOT show this message again \n for the current plot file.\n");
}

}  // namespace

}  // namespace sylvanor
