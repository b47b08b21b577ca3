#include "io/PlotTrees.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "io/PlotLayouts.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

constexpr const char* kRepair =
    "Crown Base Height is missing or negative in input file.\n"
    "   Crown Base Height will be set to 50 percent of Tree Height";

// The tree file of a plot file pair written to `t`; gives the plot file.
std::string Pair(const TempFolder& t, const std::string& plotFile, const std::string& trees) {
  t.Write(TreeFileName(plotFile), "heading\n" + trees);
  return t.Write(plotFile, "heading\n").string();
}

// A PDQ tree line of plot P1, monitoring status Pre unless given.
std::string Pdq(const std::string& spe, const std::string& tpa, const std::string& dbh,
                const std::string& hgt, const std::string& cbh, const std::string& status,
                const std::string& cc, const std::string& ratio, const std::string& sta = "Pre") {
  return "P1," + sta + ",1," + spe + "," + tpa + "," + dbh + "," + hgt + "," + cbh + "," + status +
         "," + cc + "," + ratio + ",,,,,,,,,\n";
}

// A KVT tree line of stand S1, year 2010, case C3.
std::string Kvt(const std::string& species, const std::string& treeVal, const std::string& tpa,
                const std::string& dbh, const std::string& ht, const std::string& pctCr) {
  return "1,C3,S1,2010,10,1,1," + species + "," + treeVal + ",0,0," + tpa + ",0," + dbh + ",0," +
         ht + ",0," + pctCr + "\n";
}

std::vector<std::string> Classes(const d_PlotTrees& trees) {
  std::vector<std::string> classes;
  for (const d_GridTree& tree : trees.trees)
    classes.push_back(tree.CrnCls);
  return classes;
}

TEST(PlotTrees, VXDPlotTreesWithCrownBaseRepair) {
  TempFolder t;
  const std::string plots = Pair(t, "plots.vxd",
                                 "P1,1,ABGR,5,30,10,C,H,20\n"
                                 "P2,7,PIPO,12.5,60,20,D,H,30\n"
                                 "P2,8,PSME,8,40,,C,H,50\n"
                                 "p2,9,PSME,4,20,-1,I,D,5\n");
  const d_PlotTrees trees = LoadPlotTrees("VXD", plots, "P2");
  ASSERT_TRUE(trees.ok) << trees.message;
  ASSERT_EQ(trees.trees.size(), 3u);
  const d_GridTree& first = trees.trees[0];
  EXPECT_EQ(first.Num + first.Species + first.CrnCls + first.Status + first.Snag, "7PIPODH");
  EXPECT_EQ((std::vector<float>{first.DBH, first.Hgt, first.CrnHgt, first.TPA, first.RetPri,
                                first.Thinned, first.Killed}),
            (std::vector<float>{12.5f, 60, 20, 30, 0.5f, 0, 0}));
  EXPECT_FLOAT_EQ(trees.trees[1].CrnHgt, 20);
  EXPECT_FLOAT_EQ(trees.trees[2].CrnHgt, 10);
  ASSERT_EQ(trees.warnings.size(), 2u);
  EXPECT_EQ(trees.warnings[0].text,
            std::string(kRepair) + "\n  8 PSME   Hgt:  40.0  CrnHgt:  20.0\n");
  EXPECT_FALSE(trees.warnings[0].deadTree);
  EXPECT_TRUE(trees.warnings[1].deadTree);
}

TEST(PlotTrees, PDQDiameterRepairs) {
  TempFolder t;
  const std::string plots = Pair(t, "plots.pdq",
                                 Pdq("DF", "10", "0", "20", "5", "H", "C", "") +
                                     Pdq("DF", "10", "", "50", "20", "H", "D", "40") +
                                     Pdq("DF", "", "", "", "", "d", "", "") +
                                     Pdq("PP", "10", "30", "90", "40", "H", "D", "", "Post"));
  const d_PlotTrees trees = LoadPlotTrees("PDQ", plots, "p1_::_pre");
  ASSERT_TRUE(trees.ok) << trees.message;
  ASSERT_EQ(trees.trees.size(), 3u);
  EXPECT_EQ(trees.trees[0].Num, "001");
  EXPECT_EQ(trees.trees[2].Num, "003");
  EXPECT_FLOAT_EQ(trees.trees[0].DBH, 0.1f);  // seedling, silently
  EXPECT_FLOAT_EQ(trees.trees[1].DBH, -1);
  // the dead tree: everything missing
  const d_GridTree& dead = trees.trees[2];
  EXPECT_FLOAT_EQ(dead.DBH, 0);
  EXPECT_FLOAT_EQ(dead.Hgt, 0);
  EXPECT_FLOAT_EQ(dead.CrnHgt, 0);
  EXPECT_FLOAT_EQ(dead.TPA, 0);
  EXPECT_EQ(dead.CrnCls, "N");
  ASSERT_EQ(trees.warnings.size(), 2u);
  EXPECT_EQ(trees.warnings[0].text,
            "P1, Pre, 1, DF, 10.000, -1.000, 50.000, 20.000, H, D, 40  \n"
            "  DBH missing (if seedling please use a 0.1 or 0)");
  EXPECT_FALSE(trees.warnings[0].deadTree);
  EXPECT_EQ(trees.warnings[1].text,
            "P1, Pre, 1, DF, -1.000, -1.000, -1.000, -1.000, d, , -1 \n"
            "  Height is invalid or missing.\n");
  EXPECT_TRUE(trees.warnings[1].deadTree);
}

TEST(PlotTrees, PDQCrownBaseFromCrownRatio) {
  TempFolder t;
  const std::string plots = Pair(t, "plots.pdq",
                                 Pdq("DF", "10", "12", "50", "", "H", "D", "40") +
                                     Pdq("PP", "5", "10", "50", "", "H", "C", ""));
  const d_PlotTrees trees = LoadPlotTrees("PDQ", plots, "P1_::_Pre");
  ASSERT_EQ(trees.trees.size(), 2u);
  EXPECT_FLOAT_EQ(trees.trees[0].CrnHgt, 30);
  EXPECT_FLOAT_EQ(trees.trees[1].CrnHgt, 25);
  ASSERT_EQ(trees.warnings.size(), 1u);
  EXPECT_EQ(trees.warnings[0].text, "P1, Pre, 1, PP, 5.000, 10.000, 50.000, -1.000, H, C, -1 \n  " +
                                        std::string(kRepair) + "\n  Hgt:  50.0   CrnHgt:  25.0\n");
}

TEST(PlotTrees, KVTLowDensityPlotIsOpen) {
  TempFolder t;
  const std::string plots =
      Pair(t, "run.kvt",
           Kvt("DF", "1", "5", "20", "100", "40") + Kvt("DF", "1", "5", "10", "50", "40") +
               Kvt("PP", "2", "5", "3", "20", "50"));
  const d_PlotTrees trees = LoadPlotTrees("KVT", plots, "S1-2010-C3");
  ASSERT_TRUE(trees.ok) << trees.message;
  EXPECT_EQ(Classes(trees), (std::vector<std::string>{"O", "O", "O"}));
  EXPECT_EQ(trees.trees[2].Num, "003");
  EXPECT_EQ(trees.trees[0].Status, "H");
  EXPECT_FLOAT_EQ(trees.trees[0].CrnHgt, 60);  // 100 - 40 + 0.05, whole feet
  EXPECT_FLOAT_EQ(trees.trees[2].CrnHgt, 10);
}

TEST(PlotTrees, KVTCrownClassesByHeight) {
  TempFolder t;
  const std::string plots =
      Pair(t, "run.kvt",
           Kvt("A", "1", "10", "9", "100", "50") + Kvt("B", "1", "10", "9", "85", "50") +
               Kvt("C", "1", "10", "9", "70", "50") + Kvt("D", "1", "10", "9", "50", "50") +
               Kvt("E", "1", "10", "9", "30", "50") + Kvt("F", "6", "10", "9", "95", "-1"));
  const d_PlotTrees trees = LoadPlotTrees("KVT", plots, "S1-2010-C3");
  EXPECT_EQ(Classes(trees), (std::vector<std::string>{"D", "D", "C", "I", "S", "N"}));
  EXPECT_EQ(trees.trees[5].Status, "D");

  // heights within 10 ft of each other: all dominant
  const std::string even =
      Pair(t, "even.kvt",
           Kvt("A", "1", "10", "9", "15", "50") + Kvt("B", "1", "10", "9", "8", "50") +
               Kvt("C", "1", "10", "9", "6", "50"));
  EXPECT_EQ(Classes(LoadPlotTrees("KVT", even, "S1-2010-C3")),
            (std::vector<std::string>{"D", "D", "D"}));
  // less than 7 ft below the tallest: dominant
  const std::string near =
      Pair(t, "near.kvt",
           Kvt("A", "1", "10", "9", "30", "50") + Kvt("B", "1", "10", "9", "24", "50") +
               Kvt("C", "1", "10", "1", "1.5", "50"));
  const d_PlotTrees nearTrees = LoadPlotTrees("KVT", near, "S1-2010-C3");
  EXPECT_EQ(Classes(nearTrees), (std::vector<std::string>{"D", "D", "S"}));
  EXPECT_FLOAT_EQ(nearTrees.trees[2].CrnHgt, 0.75f);
}

TEST(PlotTrees, KVTRefusedRows) {
  TempFolder t;
  const std::string plots =
      Pair(t, "run.kvt",
           Kvt("", "1", "10", "9", "30", "50") + Kvt("DF", "1", "0", "9", "30", "50") +
               Kvt("DF", "1", "10", "", "30", "50") + Kvt("DF", "1", "10", "9", "0", "50") +
               Kvt("DF", "1", "10", "9", "30", "") + Kvt("WL", "9", "10", "9", "30", "0"));
  const d_PlotTrees trees = LoadPlotTrees("KVT", plots, "S1-2010-C3");
  ASSERT_EQ(trees.trees.size(), 1u);  // the dead tree needs no crown
  EXPECT_EQ(trees.trees[0].Num, "001");
  EXPECT_EQ(trees.trees[0].Species, "WL");
  const std::string tail = "\n Not loading this record into tree grid";
  EXPECT_EQ(
      trees.refused,
      (std::vector<std::string>{
          "S1-2010-C3 contains no species code" + tail,
          "S1-2010-C3, DF Tree Per Acre is missing or invalid\n approx tree record index 2" + tail,
          "S1-2010-C3 DF Tree DBH is missing or invalid\n approx tree record index 3" + tail,
          "S1-2010-C3 DF Tree Height is missing or invalid\n approx tree record index 4" + tail,
          "S1-2010-C3 DF Tree Percent Crown is missing or invalid\n approx tree record "
          "index 5" +
              tail}));
  EXPECT_TRUE(trees.warnings.empty());
}

TEST(PlotTrees, FileFailures) {
  TempFolder t;
  const std::string plots = t.Write("alone.pdq", "heading\n").string();
  const d_PlotTrees missing = LoadPlotTrees("PDQ", plots, "P1_::_Pre");
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.message, "Error opening input tree plot file\n " +
                                 (t.path() / "alone.tre").string() +
                                 "\nInput fuels file must have a corresponding tree file\n"
                                 "with the same base name as the input fuel load file");

  const std::string bad =
      Pair(t, "bad.pdq", Pdq("DF", "1", "1", "1", "1", "H", "D", "1") + "P1,Pre\n");
  const d_PlotTrees stopped = LoadPlotTrees("PDQ", bad, "P1_::_Pre");
  EXPECT_FALSE(stopped.ok);
  EXPECT_EQ(stopped.trees.size(), 1u);
  EXPECT_EQ(stopped.message, "Error Reading PDQ Tree File: > Format of input is incorrect !\n ");
}

TEST(PlotTrees, CrownBaseHeightRepair) {
  float cbh = 12;
  EXPECT_EQ(FixCrownBaseHeight(40, cbh, -1), "");
  EXPECT_FLOAT_EQ(cbh, 12);
  cbh = -1;
  EXPECT_EQ(FixCrownBaseHeight(0, cbh, -1), "");  // no height: nothing to go by
  EXPECT_FLOAT_EQ(cbh, -1);
  EXPECT_EQ(FixCrownBaseHeight(40, cbh, 0), "");
  EXPECT_FLOAT_EQ(cbh, 40);
  cbh = -3;
  EXPECT_EQ(FixCrownBaseHeight(40, cbh, -1), kRepair);
  EXPECT_FLOAT_EQ(cbh, 20);
}

TEST(PlotTrees, CrownClassRepair) {
  std::string cc = "I";
  EXPECT_EQ(FixCrownClass(3, "DF", 4.9f, 20, 8, cc), "");
  EXPECT_EQ(cc, "I");
  cc = "";
  EXPECT_EQ(FixCrownClass(3, "DF", 4.9f, 20, 8, cc),
            "Canopy Class for Small tree is missing in input file.\n"
            " Canopy Class will be set to N\n"
            " 3 DF  Hgt: 20.0  CrnHgt:  8.0\n\n");
  EXPECT_EQ(cc, "N");
  cc = "";
  EXPECT_EQ(FixCrownClass(12, "PIPO", 5, 80.24f, 30, cc),
            "Canopy Class for Large tree is missing in input file.\n"
            " Canopy Class will be set to N\n"
            " 12 PIPO DBH:  5.0  Hgt: 80.2  CrnHgt: 30.0\n\n");
}

TEST(PlotTrees, SpeciesOfAllPlots) {
  TempFolder t;
  const std::string plots = Pair(t, "plots.vxd",
                                 "P1,1,ABGR,5,30,10,C,H,20\n"
                                 "P2,7,PIPO,12.5,60,20,D,H,30\n"
                                 "P3,8,abgr,8,40,,C,H,50\n");
  const d_SpeciesList list = LoadSpeciesList("VXD", plots);
  ASSERT_TRUE(list.ok) << list.message;
  EXPECT_EQ(list.species, (std::vector<std::string>{"ABGR", "PIPO"}));
  const d_SpeciesList kvt = LoadSpeciesList("KVT", plots);
  EXPECT_TRUE(kvt.ok);
  EXPECT_TRUE(kvt.species.empty());
}

}  // namespace

}  // namespace sylvanor
