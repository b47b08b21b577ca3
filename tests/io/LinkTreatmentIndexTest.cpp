#include "io/LinkTreatmentIndex.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace sylvanor {

namespace {

// A scan from the start of the file, as the link treatment file is read
// for one plot without an index.
int ScanForPlot(std::istream& file, const std::string& plot, const std::string& station,
                int maxRows, d_LTF& row, std::string& message) {
  file.clear();
  file.seekg(0);
  LTF_SkipHeader(file);
  for (int i = 0; i < maxRows; ++i) {
    const int result = LTF_Get(file, row, message);
    if (result == 0) return 0;
    if (result < 0) return -1;
    if (row.Plot == plot && row.MonSta == station) return 1;
  }
  return 0;
}

// P1 and P2 come before a row with too few fields, P3 after it; P1 is
// given twice; p1 differs from P1 by case, and P4 has a station.
constexpr const char* kLink =
    "Plot, MonSta, RetPri, Treatment, Thin, Prune, Pile, Burn\n"
    "P1, , Default, Thin$Heavy, Yes, No, No, Yes\n"
    "P4, North, Default, Burn$Only, No, No, No, Yes\n"
    "# a comment row\n"
    "P2, , Light, Burn$Only, No, No, No, Yes\n"
    "P1, , Light, Burn$Only, No, No, No, No\n"
    "p1, , Light, Thin$Heavy, Yes, Yes, Yes, Yes\n"
    "P5, , Light\n"
    "P3, , Default, Thin$Heavy, Yes, No, No, Yes\n";

}  // namespace

TEST(LinkTreatmentIndex, AnswersEveryPlotAsAScanFromTheStartWould) {
  std::istringstream file(kLink);
  c_LTFIndex index;
  index.Build(file, 50000);
  const std::pair<const char*, const char*> plots[] = {
      {"P1", ""}, {"p1", ""}, {"P2", ""}, {"P3", ""},     {"P4", "North"},
      {"P4", ""}, {"P5", ""}, {"P6", ""}, {"P4", "north"}};
  for (const auto& [plot, station] : plots) {
    d_LTF scanned, indexed;
    std::string scanMessage, indexMessage;
    const int a = ScanForPlot(file, plot, station, 50000, scanned, scanMessage);
    const int b = index.Find(plot, station, indexed, indexMessage);
    EXPECT_EQ(a, b) << plot << "/" << station;
    if (a == 1) {
      EXPECT_EQ(LTF_Line(scanned), LTF_Line(indexed)) << plot;
    }
    if (a == -1) {
      EXPECT_EQ(scanMessage, indexMessage) << plot;
    }
  }
}

TEST(LinkTreatmentIndex, ThePlotsBeforeAnUnreadableRowAreUnaffected) {
  std::istringstream file(kLink);
  c_LTFIndex index;
  index.Build(file, 50000);
  d_LTF row;
  std::string message;
  ASSERT_EQ(index.Find("P1", "", row, message), 1);
  EXPECT_EQ(row.TmName, "Thin$Heavy");  // the first row of P1
  EXPECT_EQ(index.Find("P3", "", row, message), -1);
  EXPECT_NE(message.find("Format of input is incorrect"), std::string::npos);
}

TEST(LinkTreatmentIndex, RowsBeyondTheReadLimitAreNotFound) {
  std::istringstream file(kLink);
  c_LTFIndex index;
  index.Build(file, 2);
  d_LTF row;
  std::string message;
  EXPECT_EQ(index.Find("P4", "North", row, message), 1);
  // the scan ends before the unreadable row and finds nothing more
  EXPECT_EQ(index.Find("P2", "", row, message), 0);
  EXPECT_EQ(index.Find("P3", "", row, message), 0);
}

}  // namespace sylvanor
