#include "io/PlotLayouts.h"

#include <gtest/gtest.h>

namespace sylvanor {

// The columns reach their fields: see the loads of each layout in
// PlotFuelTest and PlotTreesTest.
TEST(PlotLayouts, PDQNamesEndInABlankThatShowsInMessages) {
  std::istringstream file("P,S,O,x" + std::string(45, ',') + "\n");
  d_PDQPlotRow row;
  std::string message;
  ASSERT_EQ(ReadRow(file, row, message), 1);
  EXPECT_EQ(row.Duff, -1);
  EXPECT_EQ(message, "The 'f_Duff ' record field has invalid floating point number");
}

TEST(PlotLayouts, LayoutTreeFileAndDialogOfAFileName) {
  // the layout is looked for anywhere, ".VXD" before ".PDQ" before ".KVT"
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"plots.vxd", "VXD", "plots.tre"},   {"/data/Plots.Pdq", "PDQ", "/data/Plots.tre"},
      {"export.KVT", "KVT", "export.tre"}, {"plots.txt", "", "plots.tre"},
      {"plotsvxd", "", "plotsvxd.tre"},    {"a.vxd.bak", "VXD", "a.vxd.tre"},
      {"x.pdq.vxd", "VXD", "x.pdq.tre"},   {"old.kvt/run.pdq", "PDQ", "old.kvt/run.tre"},
  };
  for (const auto& [name, layout, treeFile] : rows) {
    EXPECT_EQ(PlotFileLayout(name), layout) << name;
    EXPECT_EQ(TreeFileName(name), treeFile) << name;
  }
  EXPECT_EQ(PlotFileDialog("pdq").title, "Select PDQ Plot Input");
  EXPECT_EQ(PlotFileDialog("pdq").filter,
            "Input Fuel Load Files (*.pdq)|*.pdq|All files (*.*)|*.*");
  EXPECT_EQ(PlotFileDialog("").title, "Select Plot Input");
  EXPECT_EQ(PlotFileDialog("").filter, "Input Fuel Load Files (*.txt)|*.txt|All files (*.*)|*.*");
}

}  // namespace sylvanor
