#include "io/LinkTreatmentIndex.h"

#include <gtest/gtest.h>

namespace sylvanor {

// The look-up of a plot's row through the index, or by a scan of the file
// from its start as the batch would read it without one.
class LinkLookup : public ::testing::TestWithParam<bool> {};

TEST_P(LinkLookup, FirstRowOfThePlotBeforeAnUnreadableRow) {
  // P1 and P2 come before a row with too few fields (P5), P3 after it; P1 is
  // given twice, p1 differs from it by case, P4 has a station
  const std::string link =
      "Plot, MonSta, RetPri, Treatment, Thin, Prune, Pile, Burn\n"
      "P1, , Default, Thin$Heavy, Yes, No, No, Yes\nP4, North, Default, Burn$Only, No, No, No, No\n"
      "# a comment row\nP2, , Light, Burn$Only, No, No, No, Yes\n"
      "P1, , Light, Burn$Only, No, No, No, No\np1, , Light, Thin$Heavy, Yes, Yes, Yes, Yes\n"
      "P5, , Light\nP3, , Default, Thin$Heavy, Yes, No, No, Yes\n";
  const std::string unreadable = "-1 > Format of input is incorrect !\n";
  // plot, station, the rows read at most, the answer: 1 with the row's set
  // and treatment, 0, or -1 with the reader's message
  const std::tuple<const char*, const char*, int, std::string> rows[] = {
      {"P1", "", 50000, "1 Default Thin$Heavy"},
      {"p1", "", 50000, "1 Light Thin$Heavy"},
      {"P2", "", 50000, "1 Light Burn$Only"},
      {"P4", "North", 50000, "1 Default Burn$Only"},
      {"P4", "north", 50000, unreadable},
      {"P4", "", 50000, unreadable},
      {"P3", "", 50000, unreadable},
      {"P5", "", 50000, unreadable},
      {"P4", "North", 2, "1 Default Burn$Only"},
      {"P2", "", 2, "0"},
      {"P3", "", 2, "0"},
      {"P6", "", 50000, unreadable}};
  c_LTFIndex index;  // built again for every row
  for (const auto& [plot, station, maxRows, expected] : rows) {
    std::istringstream file(link);
    d_LTF row;
    std::string message;
    int result = 0;
    if (GetParam()) {
      index.Build(file, maxRows);
      result = index.Find(plot, station, row, message);
    } else {
      LTF_SkipHeader(file);
      for (int i = 0; i < maxRows; ++i, result = 0) {
        result = LTF_Get(file, row, message);
        if (result <= 0 || (row.Plot == plot && row.MonSta == station)) break;
      }
    }
    std::string answer = std::to_string(result);
    if (result == 1) answer += " " + row.RPName + " " + row.TmName;
    if (result < 0) answer += " " + message;
    EXPECT_EQ(answer, expected) << plot << "/" << station << " " << maxRows;
  }
}

INSTANTIATE_TEST_SUITE_P(Readers, LinkLookup, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Index" : "Scan"; });

}  // namespace sylvanor

namespace sylvanor {

TEST(LinkTreatmentIndex, NoticesAndTheLineOfAnUnreadableRow) {
  std::istringstream file("Plot\rP1, , D, B, No, No, No, No\r\rP2, , D, B, No, No, No, No\rP3\r");
  c_LTFIndex index;
  d_LTF row;
  std::string message;
  for (const auto& [rows, noticeLine, readLine] : {std::tuple{1, 4, 0}, {2, 5, 0}, {3, 0, 5}}) {
    index.Build(file, rows, "l.csv");
    EXPECT_EQ(index.Notices().empty() ? 0 : index.Notices()[0].line, noticeLine) << rows;
    EXPECT_EQ(index.Find("P9", "", row, message) < 0 ? index.ReadLine() : 0, readLine) << rows;
  }
}

}  // namespace sylvanor
