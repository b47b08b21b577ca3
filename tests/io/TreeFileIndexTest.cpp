#include "io/TreeFileIndex.h"

#include <gtest/gtest.h>

#include "base/CFormat.h"
#include "io/PlotTrees.h"
#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

// VXD: A and B interleaved, a in another case, C after an unreadable row.
const std::string kVXD =
    "A,1,PIPO,14,70,30,D,H,20\nB,1,PSME,10,55,25,C,H,40\na,2,ABGR,4,20,8,I,H,60\n"
    "A,3,LAOC,8,40,15,C,D,10\nB,2,PSME\nC,1,PICO,6,35,12,C,H,80\n";
// PDQ: plot, station, species, TPA, DBH, height, crown base, status, class, crown ratio.
const std::string kPDQ =
    CsvRows("%,%,1,%,%,%,%,%,%,%,%,,,,,,,,,",
            "P1 North PIPO 20 14 70 30 H D 55; P1 South PSME 40 10 55 25 H C 40;"
            "p1 NORTH ABGR 60 4 20 8 H I -");

// A plot's rows from the batch's index of the tree file, or as the window
// loads the plot from the file.
class TreeLookup : public ::testing::TestWithParam<bool> {};

TEST_P(TreeLookup, EveryRowOfThePlotInFileOrderUpToAnUnreadableRow) {
  const std::string a = "PIPO 14 70 30 D H 20; ABGR 4 20 8 I H 60; LAOC 8 40 15 C D 10; ";
  // layout, plot, station, the rows as "species DBH height crown-base class
  // status TPA; ", "read error" after them when a row cannot be read
  const std::tuple<std::string, const char*, const char*, std::string> rows[] = {
      {"VXD", "A", "", a + "read error"},
      {"VXD", "a", "", a + "read error"},
      {"VXD", "A", "any station", a + "read error"},  // VXD has none
      {"VXD", "B", "", "PSME 10 55 25 C H 40; read error"},
      {"VXD", "C", "", "read error"},
      {"PDQ", "P1", "north", "PIPO 14 70 30 D H 20; ABGR 4 20 8 I H 60; "},
      {"PDQ", "p1", "South", "PSME 10 55 25 C H 40; "},
      {"PDQ", "P1", "", ""},
  };
  const auto text = [](const auto& t) {
    return CFormat("%s %g %g %g %s %s %g; ", t.Species, t.DBH, t.Hgt, t.CrnHgt, t.CrnCls, t.Status,
                   t.TPA);
  };
  TempFolder folder;
  c_TreeIndex index;  // built again for every row
  for (const auto& [layout, plot, station, expected] : rows) {
    const std::string& trees = layout == "VXD" ? kVXD : kPDQ;
    std::string found;
    if (GetParam()) {
      std::istringstream file("heading\n" + trees);
      index.Build(file, layout, 900000);
      for (const d_BatchTree& tree : index.Rows(plot, station))
        found += text(tree);
      found += index.ReadError() ? "read error" : "";
    } else {
      const d_PlotTrees loaded =
          LoadPlotTrees(layout, WritePlotPair(folder.path(), "p." + layout, "", trees),
                        layout == "PDQ" ? plot + std::string("_::_") + station : plot);
      for (const d_GridTree& tree : loaded.trees)
        found += text(tree);
      found += loaded.ok ? "" : "read error";
    }
    EXPECT_EQ(found, expected) << layout << " " << plot << "/" << station;
  }
}

INSTANTIATE_TEST_SUITE_P(Readers, TreeLookup, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Index" : "Loading"; });

TEST(TreeFileIndex, NumberCrownRatioReadLimitAndMessage) {
  std::istringstream vxd("heading\n" + kVXD), pdq("heading\n" + kPDQ);
  c_TreeIndex index;
  index.Build(vxd, "vxd", 2);  // two rows read: A and B, and no unreadable row
  ASSERT_EQ(index.Rows("A", "").size(), 1u);
  EXPECT_EQ(index.Rows("A", "")[0].Num, 1);
  EXPECT_EQ(index.Rows("A", "")[0].CrnRat, -1);  // none in this layout
  EXPECT_FALSE(index.ReadError());
  index.Build(vxd, "VXD", 900000);
  EXPECT_EQ(index.ReadMessage(), "> Format of input is incorrect !\n");
  index.Build(pdq, "PDQ", 900000);
  ASSERT_EQ(index.Rows("P1", "North").size(), 2u);
  EXPECT_EQ(index.Rows("P1", "North")[0].CrnRat, 55);
  EXPECT_EQ(index.Rows("P1", "North")[1].CrnRat, -1);
}

}  // namespace sylvanor

namespace sylvanor {

TEST(TreeFileIndex, NoticesAndTheLineOfAnUnreadableRow) {
  // CR line ends, a long row (line 4), an unreadable one (5) past a limit of 2
  std::istringstream file("h\rA,1,PIPO,14,70,30,D,H,20\r# note\rA,2,PSME,10,55,25,C,H,40," +
                          std::string(5000, 'x') + "\r\nB,1,PSME\r\n");
  c_TreeIndex index;
  index.Build(file, "VXD", 2, "t.tre");
  EXPECT_EQ(index.Rows("A", "").size(), 2u);
  ASSERT_EQ(index.Notices().size(), 2u);
  EXPECT_EQ(index.Notices()[0].line, 4);
  EXPECT_EQ(index.Notices()[1].file + std::to_string(index.Notices()[1].line) + ": " +
                index.Notices()[1].message,
            "t.tre5: Tree File holds more than 2 rows: this row and the rows after it are not "
            "read");
  index.Build(file, "VXD", 3, "t.tre");
  EXPECT_EQ(index.ReadLine(), 5);
  EXPECT_EQ(index.Notices().size(), 1u);
}

}  // namespace sylvanor
