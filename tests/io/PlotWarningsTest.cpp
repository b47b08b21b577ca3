#include "io/PlotWarnings.h"

#include <gtest/gtest.h>

#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

TEST(PlotWarnings, HeadOnceThenEachLiveTreeWarningAndABlankLine) {
  TempFolder t;
  d_PlotWarningsFile written = WritePlotWarnings(
      t.path().string(),
      {{"first\n  Height is invalid or missing.\n", false}, {"dead", true}, {"second", false}});
  EXPECT_TRUE(written.ok);
  EXPECT_EQ(written.count, 2);
  EXPECT_EQ(written.path, (t.path() / "SylvanorWarning.txt").string());
  EXPECT_EQ(ReadFile(written.path),
            "  Note: Missing or invalid numerical values detected in the input\n"
            "  file will be represented by a -1 in the messages below.\n"
            "  Columns headings represent the proper input file format...\n"
            " PlotId,  MonStatus, MonOrd, Spe, TPA, DBH, Hgt, CrownHgt, Status, CrownClass, "
            "CrownRatio\n\nfirst\n  Height is invalid or missing.\n\nsecond\n\n");
  // each load replaces the file, found in any case; without a live tree's
  // warning it stays empty
  std::filesystem::rename(written.path, t.path() / "SYLVANORWARNING.TXT");
  written = WritePlotWarnings(t.path().string(), {{"dead", true}});
  EXPECT_TRUE(written.ok);
  EXPECT_EQ(written.count, 0);
  EXPECT_EQ(written.path, (t.path() / "SYLVANORWARNING.TXT").string());
  EXPECT_EQ(ReadFile(written.path), "");
  written = WritePlotWarnings((t.path() / "no").string(), {{"w", false}});
  EXPECT_FALSE(written.ok);
  EXPECT_EQ(written.count, 0);
  EXPECT_EQ(written.message,
            WithPath("Error Opening Plot Warning File:\n @/no/SylvanorWarning.txt", t.path()));
}

TEST(PlotWarnings, NoticeOnlyWhenWarningsWereWritten) {
  EXPECT_EQ(PlotWarningsNotice(0, "/p/SylvanorWarning.txt").text, "");
  const d_PlotWarningsNotice notice = PlotWarningsNotice(1, "/p/SylvanorWarning.txt");
  EXPECT_EQ(notice.title, "Sylvanor Plot Warnings");
  EXPECT_EQ(notice.text,
            "1 Warning messages were recorded in the file:\n\n /p/SylvanorWarning.txt\n\n"
            " Do you want to open the file - Yes or No\n\n"
            " Hit Cancel to NOT show this message again \n for the current plot file.\n");
}

}  // namespace sylvanor
