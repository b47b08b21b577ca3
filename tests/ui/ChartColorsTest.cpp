#include "ui/ChartColors.h"

#include <gtest/gtest.h>

#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

// The colours as "keyword colour" lines, to compare two sets at once.
std::string Listed(const d_ChartColors& colors) {
  std::string text;
  for (const d_ChartColorName& name : kChartColorNames)
    text += std::string(name.Keyword) + " " + colors.*name.Member + "\n";
  return text;
}

}  // namespace

TEST(ChartColorsTest, ColorTextIsAHashAndSixHexDigits) {
  const struct {
    const char* text;
    bool color;
  } rows[] = {{"#1f77b4", true},   {"#A0B0FF", true},  {"1f77b4", false}, {"#1f77b", false},
              {"#1f77b44", false}, {"#1g77b4", false}, {"", false},       {" #1f77b4", false}};
  for (const auto& row : rows)
    EXPECT_EQ(IsColorText(row.text), row.color) << '"' << row.text << '"';
}

TEST(ChartColorsTest, DefaultsWithoutAFileAndWrittenColorsReadBack) {
  TempFolder folder;
  EXPECT_EQ(Listed(ReadChartColors(folder.path())), Listed(d_ChartColors{}));
  const d_ChartColors colors{"#111111", "#222222", "#333333", "#444444", "#ABCDEF"};
  std::string message = "old";
  ASSERT_EQ(WriteChartColors(folder.path(), colors, message), 1);
  EXPECT_EQ(message, "");
  EXPECT_NE(ReadFile(folder.path() / "Chart-Colors.txt").find("\nPollutant #ABCDEF\n"),
            std::string::npos);
  EXPECT_EQ(Listed(ReadChartColors(folder.path())), Listed(colors));
}

TEST(ChartColorsTest, EachUnreadableLineKeepsItsDefault) {
  const d_ChartColors defaults;
  const struct {
    const char* line;
    std::string d_ChartColors::*member;
    std::string expected;
  } rows[] = {{"PreTreatment #123456", &d_ChartColors::PreTreatment, "#123456"},
              {"  posttreatment   #abcdef  ", &d_ChartColors::PostTreatment, "#abcdef"},
              {"Threshold #12345", &d_ChartColors::Threshold, defaults.Threshold},
              {"Intensity", &d_ChartColors::Intensity, defaults.Intensity},
              {"# Pollutant #ffffff", &d_ChartColors::Pollutant, defaults.Pollutant}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    TempFolder folder;
    folder.Write("Chart-Colors.txt", std::string("# colours\n") + row.line + "\r\n");
    const d_ChartColors read = ReadChartColors(folder.path());
    EXPECT_EQ(read.*row.member, row.expected);
    d_ChartColors others = read;
    others.*row.member = defaults.*row.member;
    EXPECT_EQ(Listed(others), Listed(defaults));  // the other series keep theirs
  }
}

TEST(ChartColorsTest, WritingFailsWithItsReason) {
  TempFolder folder;
  d_ChartColors colors;
  colors.Threshold = "red";
  std::string message;
  EXPECT_EQ(WriteChartColors(folder.path(), colors, message), 0);
  EXPECT_EQ(message, "The Threshold colour \"red\" is not of the form #rrggbb");
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "Chart-Colors.txt"));
  // the defaults are colours: writing them fails only for the missing folder
  const auto missing = folder.path() / "no such folder";
  EXPECT_EQ(WriteChartColors(missing, d_ChartColors{}, message), 0);
  EXPECT_EQ(message,
            "Can't write the chart colours file " + (missing / "Chart-Colors.txt").string());
}

}  // namespace sylvanor
