#include "ui/Reports.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/CFormat.h"
#include "base/CsvRow.h"
#include "base/TextUtil.h"
#include "tests/support/Files.h"
#include "tests/support/SamplePlot.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

// SYL-12 of the sample (31 trees; the project's "CBD Thin Prune and Burn":
// thinned to a canopy bulk density, pruned, burned, no piling) calculated.
class ReportsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(plot_->failure, ""); }
  d_ReportSource Source() const { return ReportSource(plot_->state); }
  const Sylvanor& Syl() const { return plot_->state.Engine(); }
  // The grid's "Thinned" and "Killed" cells of tree `num` after the run.
  std::pair<double, double> GridCells(int num) const {
    const d_WindowInputs& in = plot_->state.Inputs();
    for (std::size_t r = 0; r < in.Trees.size(); ++r)
      if (TrimBlanks(in.Trees[r][0]) == std::to_string(num))
        return {std::stod(plot_->state.LastRun().Thinned[r]),
                std::stod(plot_->state.LastRun().Killed[r])};
    ADD_FAILURE() << "no tree " << num;
    return {};
  }
  std::unique_ptr<SamplePlot> plot_ = CalculatedSamplePlot();
};

TEST_F(ReportsTest, TreeReportHasTheBatchLayoutAndEachTreesLine) {
  const std::string report = TreeReport(Source());
  const std::string head =
      "\n\n                       Tree Report \n\nPlot: SYL-12\n"
      "  Num   Spec   DBH   TH    CBH  CC   TS     TPA    RP    Thin    Kill     TPA\n"
      "              (in)  (ft)  (ft)                          (tpa)   (tpa)    Post\n";
  const std::string tail =
      "\n\n Treatment Name: CBD Thin Prune and Burn \n Thinning Type:  CanopyBulkDensity\n"
      " Broadcast Burn: Yes \n";
  ASSERT_EQ(report.substr(0, head.size()), head);
  ASSERT_EQ(report.substr(report.size() - tail.size()), tail);
  EXPECT_EQ(Lines(report).size(), 7u + 31u + 5u);
  // the entered values of Sample.tre, formatted by hand; thinned and killed
  // as the grid shows them, the trees left worked out from them
  const struct {
    int num;
    double tpa;
    std::string start;
  } rows[] = {{1, 50, "    1  ABGR    1.1  11.0   5.0   S    H    50.0  "},
              {3, 5, "    3  PSME   23.0  92.0  36.0   D    U     5.0  "},
              {18, 10, "   18  ABGR   19.9  91.0  28.0   D    H    10.0  "},
              {14, 10, "   14  PSME   10.5  61.0  41.0   I    H    10.0  "}};
  bool thinnedAndKilled = false;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.start);
    const std::size_t at = report.find("\n" + row.start);
    ASSERT_NE(at, std::string::npos);
    std::istringstream rest(report.substr(at + 1 + row.start.size()));
    double rp = 0, thin = 0, kill = 0, left = 0;
    rest >> rp >> thin >> kill >> left;
    const auto [gridThin, gridKill] = GridCells(row.num);
    EXPECT_EQ(thin, gridThin);
    EXPECT_EQ(kill, gridKill);
    EXPECT_NEAR(left, row.tpa - thin - kill, 0.1001);
    thinnedAndKilled |= thin > 0 && kill > 0;
  }
  EXPECT_TRUE(thinnedAndKilled);
}

TEST_F(ReportsTest, CsvFilesComeInThreeForms) {
  const d_ReportSource source = Source();
  const std::string details =
      DetailsLine(Syl(), source.Hal, "SYL-12", "", "CBD Thin Prune and Burn", source.Indices);
  const std::string trees = TreeCsv(source, e_CsvForm::DataOnly);
  const struct {
    std::string (*make)(const d_ReportSource&, e_CsvForm);
    e_CsvForm form;
    std::size_t lines;
    std::string start, data;
  } rows[] = {
      {PlotCsv, e_CsvForm::DataOnly, 1, "SYL-12,,", details},
      {PlotCsv, e_CsvForm::DataHeadings, 2, "plot_id,station,treatment,pre_canopy_fuel,", details},
      {PlotCsv, e_CsvForm::DataHeadingDesc, 3, "plot_id,station,treatment,", details},
      {TreeCsv, e_CsvForm::DataOnly, 31, "SYL-12,", trees},
      {TreeCsv, e_CsvForm::DataHeadings, 32,
       "plot_id,num,species,dbh,height,crown_base_height,crown_class,status,tpa,retention_"
       "priority,thinned,killed,tpa_after\n",
       trees},
      {TreeCsv, e_CsvForm::DataHeadingDesc, 33, "plot_id,num,", trees}};
  for (const auto& row : rows) {
    const std::string text = row.make(source, row.form);
    SCOPED_TRACE(kCsvForms[static_cast<std::size_t>(row.form)] + (" of " + row.start));
    EXPECT_EQ(Lines(text).size(), row.lines);
    EXPECT_EQ(text.substr(0, row.start.size()), row.start);
    EXPECT_EQ(text.substr(text.size() - row.data.size()), row.data);
  }
  // description rows: the documented meaning without backquotes, then the unit
  const std::vector<std::string> plotDesc =
      csv_read_row(Lines(PlotCsv(source, e_CsvForm::DataHeadingDesc))[1], ',');
  ASSERT_EQ(plotDesc.size(), 195u);
  EXPECT_EQ(plotDesc[0], "plot identifier, as in the plot file (text)");
  EXPECT_EQ(plotDesc[3], "available canopy fuel, before treatment (preCFL) (t/ac)");
  const std::vector<std::string> treeDesc =
      csv_read_row(Lines(TreeCsv(source, e_CsvForm::DataHeadingDesc))[1], ',');
  ASSERT_EQ(treeDesc.size(), 13u);
  EXPECT_EQ(treeDesc[3], "tree diameter at breast height (in)");
  EXPECT_EQ(treeDesc[12], "trees per acre left after thinning and burn (tpa)");
  // tree 3 of Sample.tre: PSME, 23.0 in, 92 ft, base 36 ft, D, U, 5 tpa
  const std::size_t at = trees.find("SYL-12,3,");
  ASSERT_NE(at, std::string::npos);
  const std::vector<std::string> tree = csv_read_row(Lines(trees.substr(at))[0], ',');
  ASSERT_EQ(tree.size(), 13u);
  EXPECT_EQ(tree[2] + " " + tree[3] + " " + tree[4] + " " + tree[5] + " " + tree[6] + tree[7] +
                " " + tree[8],
            "PSME 23 92 36 DU 5");
  const auto [thin, kill] = GridCells(3);
  EXPECT_NEAR(std::stod(tree[10]), thin, 0.05);
  EXPECT_NEAR(std::stod(tree[11]), kill, 0.05);
  EXPECT_NEAR(std::stod(tree[12]), 5 - std::stod(tree[10]) - std::stod(tree[11]), 1e-5);
}

TEST_F(ReportsTest, EmissionSummaryTotalsAreTheEnginesAndTheReportSaysWhatDidNotBurn) {
  // the piling switched on too: 80 % of the slash piled, 90 % of the piles burned
  d_WindowInputs& in = plot_->state.Inputs();
  in.Pile = true, in.PileSlash = "80", in.PileConsumed = "90";
  ASSERT_TRUE(plot_->state.Calculate().Ok);
  const std::vector<std::string> lines = Lines(EmissionSummaryCsv(Source()));
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0],
            "plot_id,source,phase,pm25_lb_ac,pm10_lb_ac,ch4_lb_ac,co2_lb_ac,co_lb_ac,nox_lb_ac,"
            "so2_lb_ac");
  std::array<float, 7> t{}, f{}, s{};
  Syl().Get_EmiTot("Total", t[0], t[1], t[2], t[3], t[4], t[5], t[6]);
  Syl().Get_PileEmis("Flame", f[0], f[1], f[2], f[3], f[4], f[5], f[6]);
  Syl().Get_PileEmis("Smolder", s[0], s[1], s[2], s[3], s[4], s[5], s[6]);
  std::vector<std::vector<std::string>> rows;
  for (const std::string& line : lines)
    rows.push_back(csv_read_row(line, ','));
  EXPECT_EQ(rows[3][0] + rows[3][1] + rows[3][2] + "|" + rows[7][1] + rows[7][2],
            "SYL-12burnTotal|allTotal");
  for (std::size_t p = 0; p < 7; ++p) {
    SCOPED_TRACE(rows[0][3 + p]);
    EXPECT_EQ(rows[3][3 + p], ShortestText(t[p]));
    EXPECT_NEAR(std::stod(rows[7][3 + p]), double(t[p]) + f[p] + s[p], 1e-6 * (1 + t[p] + s[p]));
  }
  // 1 t/ac of piles burned is 0.224162 kg/m2: a quarter at 1778.01 g/kg of CO2 (group 3) is
  // 99.6405 g/m2 = 888.974 lb/ac, three quarters at 22.644 g/kg of PM2.5 (group 7) 33.9648 lb/ac
  const double burned = Syl().Get_PilBur();
  ASSERT_GT(burned, 1);
  EXPECT_NEAR(std::stod(rows[4][6]), 888.974 * burned, 0.001 * burned);
  EXPECT_NEAR(std::stod(rows[5][3]), 33.9648 * burned, 0.0001 * burned);
  EXPECT_NE(EmissionReport(Source()).find("Broadcast burn (ignited: YES): emissions (lb/ac)\n"),
            std::string::npos);
  // without the burn the piles are still reported
  in.Burn = false;
  ASSERT_TRUE(plot_->state.Calculate().Ok);
  const std::string report = EmissionReport(Source());
  EXPECT_NE(report.find("\nNo broadcast burn in this run.\n\nBurned piles (t/ac):"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("\nPile emissions (lb/ac)\n"), std::string::npos);
  EXPECT_EQ(report.find("Fuel consumed by the broadcast burn"), std::string::npos);
}

TEST_F(ReportsTest, PlotReportNamesThePlotItsTreatmentItsLoadsAndResults) {
  const d_ReportSource source = Source();
  const std::string report = PlotReport(source);
  // Sample.vxd's SYL-12: duff 11.00, litter 2.40 t/ac
  for (const char* line :
       {"\nPlot: SYL-12\n", "\nTreatment Name: CBD Thin Prune and Burn\n",
        "\n  Thinning                       Yes\n    Thinning type                "
        "CanopyBulkDensity\n",
        "\n  Duff                              11.00  Litter                             2.40\n",
        "Pre-treatment Post-treatment\n  Trees (tpa)"})
    EXPECT_NE(report.find(line), std::string::npos) << line;
  EXPECT_EQ(PlotTreeReport(source), report + TreeReport(source));
  EXPECT_EQ(ReportText(source, "Plot/Tree Report"), PlotTreeReport(source));
}

TEST(Reports, FileNamesSavingAndNothingToReport) {
  const std::pair<std::pair<std::string, std::string_view>, std::string> names[] = {
      {{"SYL-12", "Plot CSV File "}, "SYL-12-Plot.csv"},
      {{"a/b:c", "Tree Report"}, "a_b_c-Tree.txt"},
      {{"", "Emission Summary .csv"}, "Sylvanor-Emission.csv"}};
  for (const auto& [in, name] : names)
    EXPECT_EQ(ReportFileName(in.first, in.second), name) << name;
  TempFolder folder;
  std::string message;
  const std::string missing = (folder.path() / "gone" / "r.txt").string();
  EXPECT_EQ(SaveText(missing, "x", message), 0);
  EXPECT_EQ(message, "Can't save the file " + missing + ":\nthe folder " +
                         (folder.path() / "gone").string() + " does not exist.");
  const std::string saved = (folder.path() / "r.txt").string();
  EXPECT_EQ(SaveText(saved, "a\nb\n", message), 1);
  EXPECT_EQ(ReadFile(saved), "a\nb\n");
  c_MainWindowState fresh;
  EXPECT_EQ(NoReportReason(fresh), "No plot is shown: open a project or load a plot file.");
}

}  // namespace

}  // namespace sylvanor
