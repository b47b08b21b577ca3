#include "io/PlotTrees.h"

#include <gtest/gtest.h>

#include "tests/support/Files.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

TEST(PlotTrees, LoadsWithTheirRepairsAndFailures) {
  // PDQ: status, species, TPA, DBH, height, crown base, status, class, crown ratio
  const char* pdq = "P1,%,1,%,%,%,%,%,%,%,%,,,,,,,,,";
  // KVT: species, tree value class, TPA, DBH, height, percent crown
  const char* kvt = "1,C3,S1,2010,10,1,1,%,%,0,0,%,0,%,0,%,0,%";
  const std::string repair =
      "Crown Base Height is missing or negative in input file.\n"
      "   Crown Base Height will be set to 50 percent of Tree Height";
  const std::string cut = "\n Not loading this record into tree grid";
  const std::string bad = " Tree File: > Format of input is incorrect !\n ";
  const auto refused = [&](const std::string& what, int index) {
    return "\nrefused: S1-2010-C3" + what + " is missing or invalid\n approx tree record index " +
           std::to_string(index) + cut;
  };
  // the plot file (with a tree file when there are tree rows), the plot, the
  // tree rows, what loads ("@" for the folder)
  const std::tuple<const char*, const char*, std::string, std::string> rows[] = {
      // VXD: the crown base repair, half the height; a live tree's empty
      // crown class becomes N as in the batch, its row counting the dead
      {"plots.vxd", "P2",
       "P1,1,ABGR,5,30,10,C,H,20\nP2,7,PIPO,12.5,60,20,D,H,30\nP2,8,PSME,8,40,,C,H,50\n"
       "p2,9,PSME,4,20,-1,I,D,5\nP2,10,PSME,6,30,15,,H,40\n",
       "7 PIPO 12.5 60 20 D H - 30 0.5; 8 PSME 8 40 20 C H - 50 0.5; 9 PSME 4 20 10 I D - 5 0.5; "
       "10 PSME 6 30 15 N H - 40 0.5\n" +
           repair + "\n  8 PSME   Hgt:  40.0  CrnHgt:  20.0\n\ndead: " + repair +
           "\n  9 PSME   Hgt:  20.0  CrnHgt:  10.0\n\nCanopy Class for Large tree is missing in "
           "input file.\n Canopy Class will be set to N\n 4 PSME DBH:  6.0  Hgt: 30.0  CrnHgt: "
           "15.0\n\n"},
      // PDQ: DBH 0 becomes 0.1, a missing one warns; a dead tree's missing
      // values 0, its class N; the crown base 50 - 40% of 50, or half the height
      {"plots.pdq", "p1_::_pre",
       CsvRows(pdq,
               "Pre DF 10 0 20 5 H C -; Pre DF 10 - 50 20 H D 40; Pre DF - - - - d - -;"
               "Post PP 10 30 90 40 H D -; Pre DF 10 12 50 - H D 40; Pre PP 5 10 50 - H C -"),
       "001 DF 0.1 20 5 C H - 10 0.5; 002 DF -1 50 20 D H - 10 0.5; 003 DF 0 0 0 N d - 0 0.5; "
       "004 DF 12 50 30 D H - 10 0.5; 005 PP 10 50 25 C H - 5 0.5\n"
       "P1, Pre, 1, DF, 10.000, -1.000, 50.000, 20.000, H, D, 40  \n"
       "  DBH missing (if seedling please use a 0.1 or 0)\n"
       "dead: P1, Pre, 1, DF, -1.000, -1.000, -1.000, -1.000, d, , -1 \n"
       "  Height is invalid or missing.\n\n"
       "P1, Pre, 1, PP, 5.000, 10.000, 50.000, -1.000, H, C, -1 \n  " +
           repair + "\n  Hgt:  50.0   CrnHgt:  25.0\n"},
      // KVT crown base: height - percent crown x height + 0.05 in whole feet,
      // under 2 ft half the height; under 20 TPA in all the plot is open
      {"open.kvt", "S1-2010-C3", CsvRows(kvt, "DF 1 5 20 100 40; DF 1 5 10 50 40; PP 2 5 3 20 50"),
       "001 DF 20 100 60 O H - 5 0.5; 002 DF 10 50 30 O H - 5 0.5; 003 PP 3 20 10 O H - 5 0.5"},
      // of the tallest (100 ft): above 0.8 D, 0.6 C, 0.4 I, else S; a tree
      // value class of 5.1 or more is dead, class N; 85 - 42.5 + 0.05 -> 42
      {"classes.kvt", "S1-2010-C3",
       CsvRows(kvt,
               "A 1 10 9 100 50; B 1 10 9 85 50; C 1 10 9 70 50; D 1 10 9 50 50;"
               "E 1 10 9 30 50; F 6 10 9 90 -1"),
       "001 A 9 100 50 D H - 10 0.5; 002 B 9 85 42 D H - 10 0.5; 003 C 9 70 35 C H - 10 0.5; "
       "004 D 9 50 25 I H - 10 0.5; 005 E 9 30 15 S H - 10 0.5; 006 F 9 90 90 N D - 10 0.5"},
      // heights within 10 ft of each other: all dominant
      {"even.kvt", "S1-2010-C3", CsvRows(kvt, "A 1 10 9 15 50; B 1 10 9 8 50; C 1 10 9 6 50"),
       "001 A 9 15 7 D H - 10 0.5; 002 B 9 8 4 D H - 10 0.5; 003 C 9 6 3 D H - 10 0.5"},
      // less than 7 ft below the tallest: dominant
      {"near.kvt", "S1-2010-C3", CsvRows(kvt, "A 1 10 9 30 50; B 1 10 9 24 50; C 1 10 1 1.5 50"),
       "001 A 9 30 15 D H - 10 0.5; 002 B 9 24 12 D H - 10 0.5; 003 C 1 1.5 0.75 S H - 10 0.5"},
      // refused rows; a dead tree needs no percent crown
      {"refused.kvt", "S1-2010-C3",
       CsvRows(kvt,
               "- 1 10 9 30 50; DF 1 0 9 30 50; DF 1 10 - 30 50; DF 1 10 9 0 50;"
               "DF 1 10 9 30 -; WL 9 10 9 30 0"),
       "001 WL 9 30 30 N D - 10 0.5\nrefused: S1-2010-C3 contains no species code" + cut +
           refused(", DF Tree Per Acre", 2) + refused(" DF Tree DBH", 3) +
           refused(" DF Tree Height", 4) + refused(" DF Tree Percent Crown", 5)},
      {"alone.pdq", "P1_::_Pre", "",
       "\nfailed: Error opening input tree plot file\n @/alone.tre\nInput fuels file must have "
       "a corresponding tree file\nwith the same base name as the input fuel load file"},
      // an unreadable row stops the load; the trees before it are kept
      {"bad.pdq", "P1_::_Pre", CsvRows(pdq, "Pre DF 1 1 1 1 H D 1") + "P1,Pre\n",
       "001 DF 1 1 1 D H - 1 0.5\nfailed: Error Reading PDQ" + bad},
      {"bad.vxd", "P1", "P1,1\n", "\nfailed: Error Reading Sylvanor" + bad},
      {"bad.kvt", "S1-2010-C3", "1,C3\n", "\nfailed: Error Reading KVT" + bad},
      {"plots.txt", "P1", "", "\nfailed: Invalid Input Plot File Type:\n@/plots.txt"},
  };
  TempFolder t;
  for (const auto& [file, plot, trees, expected] : rows) {
    const std::string plotFile =
        trees.empty() ? t.Write(file, "").string() : WritePlotPair(t.path(), file, "", trees);
    EXPECT_EQ(TreesText(LoadPlotTrees(PlotFileLayout(file), plotFile, plot)),
              WithPath(expected, t.path()))
        << file;
  }
}

TEST(PlotTrees, CrownBaseHeightRepair) {
  // height, crown base, crown ratio: no height gives nothing to go by, a
  // crown ratio of 0 the whole height
  for (const auto& [hgt, cbh, ratio, repaired] :
       {std::tuple{0.0f, -1.0f, -1.0f, -1.0f}, std::tuple{40.0f, -1.0f, 0.0f, 40.0f}}) {
    float crnHgt = cbh;
    EXPECT_EQ(FixCrownBaseHeight(hgt, crnHgt, ratio), "");
    EXPECT_EQ(crnHgt, repaired) << hgt << " " << ratio;
  }
}

TEST(PlotTrees, CrownClassRepair) {
  // number, species, DBH (under 5 in a small tree), height, class, message
  const std::tuple<int, const char*, float, float, std::string, std::string> rows[] = {
      {3, "DF", 4.9f, 20, "I", ""},
      {3, "DF", 4.9f, 20, "",
       "Canopy Class for Small tree is missing in input file.\n Canopy Class will be set to N\n"
       " 3 DF  Hgt: 20.0  CrnHgt:  8.0\n\n"},
      {12, "PIPO", 5, 80.24f, "",
       "Canopy Class for Large tree is missing in input file.\n Canopy Class will be set to N\n"
       " 12 PIPO DBH:  5.0  Hgt: 80.2  CrnHgt:  8.0\n\n"},
  };
  for (const auto& [num, species, dbh, hgt, given, message] : rows) {
    std::string cc = given;
    EXPECT_EQ(FixCrownClass(num, species, dbh, hgt, 8, cc), message) << num;
    EXPECT_EQ(cc, given.empty() ? "N" : given) << num;
  }
}

TEST(PlotTrees, SpeciesOfAllPlots) {
  TempFolder t;
  const std::string plots = WritePlotPair(t.path(), "plots.vxd", "",
                                          "P1,1,ABGR,5,30,10,C,H,20\nP2,7,PIPO,12.5,60,20,D,H,30\n"
                                          "P3,8,abgr,8,40,,C,H,50\n");
  const d_SpeciesList list = LoadSpeciesList("VXD", plots);
  ASSERT_TRUE(list.ok) << list.message;
  EXPECT_EQ(list.species, (std::vector<std::string>{"ABGR", "PIPO"}));
  const d_SpeciesList kvt = LoadSpeciesList("KVT", plots);  // no list
  EXPECT_TRUE(kvt.ok && kvt.species.empty());
}

}  // namespace sylvanor
