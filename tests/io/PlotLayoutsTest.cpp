#include "io/PlotLayouts.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace sylvanor {

namespace {

// A data line giving column i the value i + 1 (the text columns "t" + i + 1).
template <class Row, std::size_t N>
std::string NumberedLine(const std::array<d_Column<Row>, N>& columns) {
  std::string line;
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) line += ",";
    line += (columns[i].type == 's' ? "t" : "") + std::to_string(i + 1);
  }
  return line + "\n";
}

template <class Row>
Row ReadOne(const std::string& text, std::string& message) {
  std::istringstream file(text);
  Row row;
  EXPECT_EQ(ReadRow(file, row, message), 1);
  return row;
}

TEST(PlotLayouts, NamesTypesAndWidths) {
  EXPECT_EQ(kVXDPlotColumns[8].name, "1Hr");
  EXPECT_EQ(kPDQPlotColumns[17].name, "f_Dc2Sz1 ");  // decay class varies slowest
  EXPECT_EQ(kPDQTreeColumns[10].name, "i_CrnRat ");
  EXPECT_EQ(kPDQTreeColumns[10].type, 'i');
  EXPECT_EQ(kKVTPlotColumns[8].name, "3To6");
  for (const auto& column : kPDQPlotColumns)
    EXPECT_EQ(column.name.back(), ' ') << column.name;
  EXPECT_EQ(kPDQPlotColumns[1].width, 90);
  EXPECT_EQ(kKVTTreeColumns[2].width, 100);
  // a width counts the terminator
  std::string message;
  const auto row = ReadOne<d_VXDTreeRow>("P,1," + std::string(60, 'S') + ",1,2,3,D,H,4\n", message);
  EXPECT_EQ(row.Species, std::string(49, 'S'));
}

TEST(PlotLayouts, EveryColumnReachesItsOwnField) {
  std::string message;
  const auto pdq = ReadOne<d_PDQPlotRow>(NumberedLine(kPDQPlotColumns), message);
  EXPECT_EQ(pdq.Plot, "t1");
  EXPECT_EQ(pdq.MonOrd, "t3");
  EXPECT_FLOAT_EQ(pdq.Duff, 4);
  EXPECT_FLOAT_EQ(pdq.Hr100, 12);
  EXPECT_FLOAT_EQ(pdq.Dc1Sz1, 13);
  EXPECT_FLOAT_EQ(pdq.Dc2Sz3, 20);
  EXPECT_FLOAT_EQ(pdq.Dc5Sz5, 37);
  EXPECT_FLOAT_EQ(pdq.SAVOneHr, 44);
  EXPECT_FLOAT_EQ(pdq.PileLoad, 46);
  EXPECT_EQ(pdq.EmiCoa, "t49");

  const auto tree = ReadOne<d_PDQTreeRow>(NumberedLine(kPDQTreeColumns), message);
  EXPECT_FLOAT_EQ(tree.CrnHgt, 8);
  EXPECT_EQ(tree.CrnCls, "t10");
  EXPECT_EQ(tree.CrnRat, 11);
  EXPECT_EQ(tree.FirSev, "t20");

  const auto kvt = ReadOne<d_KVTTreeRow>(NumberedLine(kKVTTreeColumns), message);
  EXPECT_EQ(kvt.Species, "t8");
  EXPECT_FLOAT_EQ(kvt.TPA, 12);
  EXPECT_FLOAT_EQ(kvt.Ht, 16);
}

TEST(PlotLayouts, PDQNamesShowTheirBlankInMessages) {
  std::string line = NumberedLine(kPDQPlotColumns);
  line.replace(line.find(",4,"), 3, ",x,");
  std::string message;
  const auto row = ReadOne<d_PDQPlotRow>(line, message);
  EXPECT_FLOAT_EQ(row.Duff, -1);
  EXPECT_NE(message.find("The 'f_Duff ' record field"), std::string::npos) << message;
}

TEST(PlotLayouts, LayoutOfAFileName) {
  EXPECT_EQ(PlotFileLayout("plots.vxd"), "VXD");
  EXPECT_EQ(PlotFileLayout("C:/Data/Plots.Pdq"), "PDQ");
  EXPECT_EQ(PlotFileLayout("export.KVT"), "KVT");
  EXPECT_EQ(PlotFileLayout("plots.txt"), "");
  EXPECT_EQ(PlotFileLayout("plotsvxd"), "");  // no point before the type
  // looked for anywhere, ".VXD" before ".PDQ" before ".KVT"
  EXPECT_EQ(PlotFileLayout("a.vxd.bak"), "VXD");
  EXPECT_EQ(PlotFileLayout("x.pdq.vxd"), "VXD");
  EXPECT_EQ(PlotFileLayout("old.kvt/run.pdq"), "PDQ");
}

TEST(PlotLayouts, TreeFileKeepsFolderAndBaseName) {
  EXPECT_EQ(TreeFileName("/data/Plots.pdq"), "/data/Plots.tre");
  EXPECT_EQ(TreeFileName("a.vxd.bak"), "a.vxd.tre");
  EXPECT_EQ(TreeFileName("plots"), "plots.tre");
}

TEST(PlotLayouts, KeysAsTheUserSeesThem) {
  d_PDQTreeRow pdq;
  pdq.Plot = "P1";
  pdq.MonSta = "01Post";
  EXPECT_EQ(PlotKey(pdq), "P1_::_01Post");
  d_KVTPlotRow kvt;
  kvt.ID = "9";
  kvt.CaseID = "C3";
  kvt.StandID = "S1";
  kvt.Year = "2010";
  EXPECT_EQ(PlotKey(kvt), "S1-2010-C3");
}

TEST(PlotLayouts, DialogPerLayout) {
  EXPECT_EQ(PlotFileDialog("pdq").title, "Select PDQ Plot Input");
  EXPECT_EQ(PlotFileDialog("pdq").filter,
            "Input Fuel Load Files (*.pdq)|*.pdq|All files (*.*)|*.*");
  EXPECT_EQ(PlotFileDialog("").title, "Select Plot Input");
  EXPECT_EQ(PlotFileDialog("").filter, "Input Fuel Load Files (*.txt)|*.txt|All files (*.*)|*.*");
}

}  // namespace

}  // namespace sylvanor
