#include "io/PlainText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

TEST(PlainText, FuelValuesInTheirOrder) {
  TempFolder t;
  const auto file =
      t.Write("fuel.txt", "3 10 0.1 0.2 1.1 0.5\n\t0.3 1.2 2.4\n1 2 3 4 5  6 7 8 9 10.5 12 99\n");
  const d_PlotFuelLoad load = LoadFuelText(file.string());
  ASSERT_TRUE(load.ok) << load.message;
  const d_PlotFuel& f = load.fuel;
  const std::vector<float> loads = {f.Litter, f.Duff,   f.Lichen, f.Moss,   f.Shrub,
                                    f.Grass,  f.Hr1,    f.Hr10,   f.Hr100,  f.Snd[0],
                                    f.Snd[1], f.Snd[2], f.Snd[3], f.Snd[4], f.Rot[0],
                                    f.Rot[1], f.Rot[2], f.Rot[3], f.Rot[4], f.Pile};
  const std::vector<float> expected = {3, 10, 0.1f, 0.2f, 1.1f, 0.5f, 0.3f, 1.2f, 2.4f,  1,
                                       2, 3,  4,    5,    6,    7,    8,    9,    10.5f, 12};
  for (std::size_t i = 0; i < loads.size(); ++i)
    EXPECT_FLOAT_EQ(loads[i], expected[i]) << "value " << i + 1;
}

TEST(PlainText, FuelFailures) {
  TempFolder t;
  const std::string missing = (t.path() / "none.txt").string();
  EXPECT_EQ(LoadFuelText(missing).message, "Can't open fuel file: " + missing + " \n");
  const auto shortFile = t.Write("short.txt", "1 2 3 x 5\n");
  const d_PlotFuelLoad load = LoadFuelText(shortFile.string());
  EXPECT_FALSE(load.ok);
  EXPECT_EQ(load.message, "Error in fuel file: " + shortFile.string() +
                              " \n value 4 of 20 is missing or not a number\n");
}

TEST(PlainText, TreesNumberedFromOne) {
  TempFolder t;
  const auto file = t.Write("trees.txt",
                            "PIPO 12.5 60 20 D H N 30 0.8\n"
                            "\n"
                            "PSME  8 40 15 C D Y 50 0\n");
  const d_PlotTrees trees = LoadTreeText(file.string());
  ASSERT_TRUE(trees.ok) << trees.message;
  ASSERT_EQ(trees.trees.size(), 2u);
  const d_GridTree& first = trees.trees[0];
  EXPECT_EQ(first.Num + first.Species + first.CrnCls + first.Status + first.Snag, "1PIPODHN");
  EXPECT_EQ((std::vector<float>{first.DBH, first.Hgt, first.CrnHgt, first.TPA, first.RetPri,
                                first.Thinned, first.Killed}),
            (std::vector<float>{12.5f, 60, 20, 30, 0.8f, 0, 0}));
  EXPECT_EQ(trees.trees[1].Num, "2");
  EXPECT_EQ(trees.trees[1].Snag, "Y");
}

TEST(PlainText, TreeFailures) {
  TempFolder t;
  const std::string missing = (t.path() / "none.txt").string();
  EXPECT_EQ(LoadTreeText(missing).message, "Can't open tree file: " + missing + " \n");
  const auto bad = t.Write("bad.txt", "PIPO 12.5 60 20 D H N 30 0.8\nPSME 8 forty 15 C H N 50 0\n");
  const d_PlotTrees trees = LoadTreeText(bad.string());
  EXPECT_FALSE(trees.ok);
  EXPECT_EQ(trees.trees.size(), 1u);
  EXPECT_NE(trees.message.find(" \n line 2 needs nine values"), std::string::npos) << trees.message;
}

}  // namespace

}  // namespace sylvanor
