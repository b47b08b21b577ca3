#include "ui/SumRep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "base/CsvRow.h"

#include "tests/support/BatchFiles.h"
#include "tests/support/Files.h"
#include "tests/support/SamplePlot.h"

namespace sylvanor {

namespace {

// The window's run over plot files written by the test, with the sample
// project's treatment switched off and its retention priority set "None".
class SumRepRun : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(plot_->failure, ""); }

  // Opens the window on the plot file and starts the run.
  void Start(const std::string& plotRows, const std::string& treeRows, bool thin = false) {
    const std::string file = WritePlotPair(plot_->folder.path(), "plots.vxd", plotRows, treeRows);
    std::string message;
    ASSERT_EQ(plot_->state.LoadPlotFile(file, "VXD", message), 1) << message;
    d_WindowInputs& in = plot_->state.Inputs();
    in.Prune = in.Pile = in.Burn = false;
    in.Thin = thin;
    plot_->state.ChooseRetPri("None");
    ASSERT_EQ(run_.Open(plot_->state, message), 1) << message;
    ASSERT_EQ(run_.Run(message), 1) << message;
  }
  std::string Out(const std::string& suffix) const {
    return ReadFile(SiblingFile(run_.Files.Plot, suffix));
  }

  std::unique_ptr<SamplePlot> plot_ = CalculatedSamplePlot();
  c_SumRep run_;
};

// Plots P1 to P4, each of one Douglas-fir of 10 in. DBH, 40 ft tall with
// its crown base at 20 ft, standing for 100 trees per acre (P2: 50), on
// bare ground.
const std::string kPlots =
    "P1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n"
    "P2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n"
    "P3,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n"
    "P4,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n";
const std::string kTrees =
    "P1,1,PSME,10,40,20,D,H,100\nP2,1,PSME,10,40,20,D,H,50\n"
    "P3,1,PSME,10,40,20,D,H,100\nP4,1,PSME,10,40,20,D,H,100\n";

// The sample project's flaming group (3) has a factor for the seven main
// pollutants and none for ammonia.
const std::string kEmissionHeading =
    "Plot,Type,Carbon dioxide,Carbon monoxide,Methane,Nitrogen oxides; as NO,Sulfur dioxide,"
    "Fine particulate matter (PM2.5),Particulate matter (PM10)";

}  // namespace

TEST(SumRepFiles, NamesProposedForAPlotFile) {
  const d_SumRepFiles f = ProposeFiles("/data/plots.vxd");
  EXPECT_EQ(f.Plot + " " + f.Tree + " " + f.Output + " " + f.Error,
            "/data/plots.vxd /data/plots.tre /data/plots-Out.csv /data/plots-Err.txt");
  EXPECT_EQ(SiblingFile(f.Plot, "-CBD-Pre.csv"), "/data/plots-CBD-Pre.csv");
  EXPECT_EQ(SiblingFile(f.Plot, "-CBD-Post.csv"), "/data/plots-CBD-Post.csv");
  EXPECT_EQ(SiblingFile(f.Tree, "-P7.txt"), "/data/plots-P7.txt");
  EXPECT_EQ(ProposeFiles("plots").Tree, "plots.tre");
  EXPECT_EQ(ProposeFiles("").Output, "");
}

TEST_F(SumRepRun, PausedAfterTheThirdPlotContinuesWithTheFourth) {
  ASSERT_NO_FATAL_FAILURE(Start(kPlots, kTrees));
  const auto buttons = [&] {
    const d_SumRepButtons b = run_.Buttons();
    return std::string{b.Run ? 'R' : '-', b.Close ? 'C' : '-', b.Abort ? 'A' : '-',
                       b.Pause ? 'P' : '-', b.Continue ? 'N' : '-'};
  };
  EXPECT_EQ(buttons(), "--AP-");
  for (int k = 0; k < 3; ++k)
    ASSERT_EQ(run_.Step(), e_SumRepStep::Processed);
  run_.Pause();  // pressed once the third plot is written
  EXPECT_EQ(run_.LastPlot() + " " + buttons(), "P3 ----N");
  EXPECT_EQ(run_.Step(), e_SumRepStep::Paused);
  EXPECT_EQ(run_.Processed(), 3);

  run_.Continue();
  ASSERT_EQ(run_.Step(), e_SumRepStep::Processed);
  EXPECT_EQ(run_.LastPlot(), "P4");
  ASSERT_EQ(run_.Step(), e_SumRepStep::Ended);
  EXPECT_EQ(buttons(), "RC---");

  // the headings once, four plots and the average; P2's trees per acre
  // (50) pull the average of 100, 50, 100, 100 down to 87.5
  const std::vector<std::string> lines = Lines(Out("-Out.csv"));
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0].substr(0, 16), "PlotID, preCFL, ");
  EXPECT_EQ(lines[5].substr(0, 3) + lines[6].substr(0, 7), "P4,Average");
  const std::vector<std::string> average = SummaryCells(run_.Rows().back());
  EXPECT_EQ(average[0] + " " + average[9] + " " + average[10], "Average 87.50 87.50");
  EXPECT_EQ(run_.Rows().size(), 5u);
  // the emissions file: its heading once, three lines per plot
  const std::vector<std::string> emissions = Lines(Out("-Out-Emis.csv"));
  ASSERT_EQ(emissions.size(), 1u + 4u * 3u);
  EXPECT_EQ(emissions[0], kEmissionHeading);
  EXPECT_EQ(emissions[1].substr(0, 9), "P1,Flame,");
}

TEST_F(SumRepRun, ExpandedEmissionsWhenTheProjectAsksForThem) {
  plot_->state.EditProject().EmisType = "Expanded";
  ASSERT_NO_FATAL_FAILURE(Start(kPlots.substr(0, kPlots.find('\n') + 1), kTrees));
  while (run_.Step() != e_SumRepStep::Ended) {
  }
  const std::vector<std::string> lines = Lines(Out("-Out-Emis.csv"));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], kEmissionHeading);
  EXPECT_EQ(lines[1].substr(0, 8) + lines[2].substr(0, 15) + lines[3].substr(0, 9),
            "P1,STFS,P1,CWDRSC+Duff,P1,Total,");
}

// P2 has no trees: no canopy base, no stand height, no indices (-1), no
// trees per acre (0). Its -1 stay out of the averages, its 0 counts.
TEST_F(SumRepRun, AverageLeavesOutValuesAPlotHasNot) {
  ASSERT_NO_FATAL_FAILURE(Start(kPlots.substr(0, 3 * kPlots.find('\n') + 3),
                                "P1,1,PSME,10,40,20,D,H,100\nP3,1,PSME,10,40,20,D,H,5\n"));
  while (run_.Step() != e_SumRepStep::Ended) {
  }
  const std::vector<std::string> p2 = SummaryCells(run_.Rows()[1]);
  EXPECT_EQ(p2[5] + " " + p2[7] + " " + p2[9] + " " + p2[21], "-1.00 -1.00 0.00 -1");
  // CBH 21 and SH 40 of P1 and P3; (100 + 0 + 5) / 3 = 35 trees per acre
  const std::vector<std::string> average = SummaryCells(run_.Rows().back());
  EXPECT_EQ(average[5] + " " + average[7] + " " + average[9], "21.00 40.00 35.00");
}

TEST_F(SumRepRun, AbortedRunHasNoAverageLine) {
  ASSERT_NO_FATAL_FAILURE(Start(kPlots, kTrees));
  run_.Abort();
  ASSERT_EQ(run_.Step(), e_SumRepStep::AskAbort);
  ASSERT_EQ(run_.AnswerAbort(false), e_SumRepStep::Processed);  // "No" goes on
  ASSERT_EQ(run_.Step(), e_SumRepStep::Processed);
  run_.Abort();
  ASSERT_EQ(run_.Step(), e_SumRepStep::AskAbort);
  ASSERT_EQ(run_.AnswerAbort(true), e_SumRepStep::Ended);
  EXPECT_FALSE(run_.Running());
  EXPECT_EQ(run_.Processed(), 3);
  const std::string out = Out("-Out.csv");
  EXPECT_EQ(Lines(out).size(), 2u + 3u);
  EXPECT_EQ(out.find("Average"), std::string::npos);
  EXPECT_TRUE(run_.EndMessages().empty());
}

TEST_F(SumRepRun, EverySkippedPlotGivesNoAverageAndSaysSo) {
  plot_->state.Inputs().CutEff = "150";  // no engine takes a cutting efficiency above 100 %
  plot_->state.Inputs().ThinCrit = "BasalArea";
  ASSERT_NO_FATAL_FAILURE(Start(kPlots, kTrees, true));
  for (int k = 0; k < 4; ++k)
    ASSERT_EQ(run_.Step(), e_SumRepStep::Skipped);
  ASSERT_EQ(run_.Step(), e_SumRepStep::Ended);
  EXPECT_EQ(run_.Skipped(), 4);
  EXPECT_TRUE(run_.Rows().empty());
  EXPECT_EQ(Out("-Out.csv"), "");
  ASSERT_EQ(run_.EndMessages().size(), 2u);
  EXPECT_EQ(run_.EndMessages()[0], kSumRepNoPlotProcessed);
  EXPECT_EQ(run_.EndMessages()[1],
            "4 Errors encountered and recorded to file\n " + run_.Files.Error);
}

// A plot named "Err" would have its tree report take the error file's name.
TEST_F(SumRepRun, TreeReportNeverWritesOverAFileOfTheRun) {
  ASSERT_NO_FATAL_FAILURE(
      Start("Err,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n", "Err,1,PSME,10,38,19,D,H,100\n"));
  ASSERT_EQ(run_.Step(), e_SumRepStep::Processed);
  ASSERT_EQ(run_.Step(), e_SumRepStep::Ended);
  EXPECT_EQ(ReadFile(run_.Files.Error), "Plot: Err - MonSta:  \n Can't Open Output Tree File: " +
                                            run_.Files.Error + "\n it is a file of this run\n\n");
}

TEST_F(SumRepRun, OnePlotsSummaryTreeReportAndProfileLines) {
  ASSERT_NO_FATAL_FAILURE(
      Start("P7,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n", "P7,1,PSME,10,38,19,D,H,100\n"));
  ASSERT_EQ(run_.Step(), e_SumRepStep::Processed);
  ASSERT_EQ(run_.Step(), e_SumRepStep::Ended);

  // 100 trees per acre of 10 in.: basal area 100 x 0.005454 x 10^2 = 54.54
  // ft2/ac, QMD 10 in., SDI 100 x (10/10)^1.605 = 100, stand height 38 ft;
  // nothing is treated, so each value is the same after
  const std::vector<std::string> cells = SummaryCells(run_.Rows().front());
  const std::vector<std::string> columns = SummaryColumns();
  for (const auto& [column, value] :
       std::vector<std::pair<std::string, std::string>>{{"preSH", "38.00"},
                                                        {"postSH", "38.00"},
                                                        {"preTD", "100.00"},
                                                        {"postSDI", "100.00"},
                                                        {"preBA", "54.54"},
                                                        {"postQMD", "10.00"},
                                                        {"preQ75", "10.00"}}) {
    const auto at = std::find(columns.begin(), columns.end(), column) - columns.begin();
    EXPECT_EQ(cells.at(static_cast<std::size_t>(at)), value) << column;
  }

  // healthy and dominant (weights 1), crown ratio 0.5 and the largest DBH
  // (factors 1), no species row of the set's group (factor 0.5): RP 0.50
  EXPECT_EQ(ReadFile(SiblingFile(run_.Files.Tree, "-P7.txt")),
            "\n\n                       Tree Report \n\nPlot: P7\n"
            "  Num   Spec   DBH   TH    CBH  CC   TS     TPA    RP    Thin    Kill     TPA\n"
            "              (in)  (ft)  (ft)                          (tpa)   (tpa)    Post\n"
            "    1  PSME   10.0  38.0  19.0   D    H   100.0  0.50     0.0     0.0   100.0\n"
            "\n\n Treatment Name: CBD Thin Prune and Burn \n Thinning Type:  None\n"
            " Broadcast Burn: No \n");

  // 38 layers of a foot and the two the running mean over 5 layers adds
  // above them: 40 values, then -1 for the 110 heights above
  for (const char* suffix : {"-CBD-Pre.csv", "-CBD-Post.csv"}) {
    const std::vector<std::string> lines = Lines(Out(suffix));
    ASSERT_EQ(lines.size(), 3u) << suffix;
    EXPECT_EQ(lines[0], ",Height - ft, CBD - kg/m3");
    const std::vector<std::string> values = SplitFields(lines[2], CsvRules{});
    ASSERT_EQ(values.size(), 151u) << suffix;
    EXPECT_EQ(values[0], "P7");
    EXPECT_NE(values[40], "-1.000000") << suffix;
    EXPECT_EQ(std::count(values.begin(), values.end(), "-1.000000"), 110) << suffix;
    EXPECT_EQ(values[41], "-1.000000") << suffix;
  }
}

// The window's line of a plot has the values of the command-line batch's
// output line for it, without the station: SYL-03 with the treatment its
// link row names, as the sample project holds it.
TEST(SumRepBatch, SummaryLineIsTheBatchOutputLineWithoutStation) {
  std::unique_ptr<SamplePlot> plot = CalculatedSamplePlot(2);
  ASSERT_EQ(plot->failure, "");
  auto fbc = std::make_unique<c_FBC>();
  RunSampleBatch(*fbc, plot->folder.path() / "batch");
  std::string batchLine;
  for (const std::string& line : Lines(ReadFile(plot->folder.path() / "batch" / "out.csv")))
    if (line.rfind("SYL-03,", 0) == 0) batchLine = line;
  ASSERT_NE(batchLine, "");

  d_WindowInputs& in = plot->state.Inputs();
  in.Thin = in.Prune = in.Burn = true, in.Pile = false;
  in.MossLichen = "0";  // a treatment record has no moss and lichen share
  c_SumRep run;
  std::string message;
  ASSERT_EQ(run.Open(plot->state, message), 1) << message;
  ASSERT_EQ(run.Run(message), 1) << message;
  while (run.Step() != e_SumRepStep::Ended) {
  }
  std::string windowLine;
  for (const std::string& line : Lines(ReadFile(run.Files.Output)))
    if (line.rfind("SYL-03,", 0) == 0) windowLine = line;
  const std::string noStation = "SYL-03, " + batchLine.substr(std::string("SYL-03, , ").size());
  EXPECT_EQ(windowLine, noStation);
}

TEST(SumRepOpen, NeedsARetentionPrioritySetAndAnExistingErrorFile) {
  std::unique_ptr<SamplePlot> plot = CalculatedSamplePlot();
  ASSERT_EQ(plot->failure, "");
  c_SumRep run;
  std::string message;
  plot->state.ChooseRetPri("");
  EXPECT_EQ(run.Open(plot->state, message), 0);
  EXPECT_EQ(message, kSumRepNoRetPri);

  run.Files.Error = (plot->folder.path() / "none.txt").string();
  EXPECT_EQ(run.OpenErrorFile("true"), kSumRepNoFile);
  run.Files.Error = plot->folder.Write("err.txt", "x").string();
  EXPECT_EQ(run.OpenErrorFile("true"), "");
  EXPECT_EQ(run.OpenErrorFile("sylvanor-no-such-viewer"), kSumRepCantOpen);

  run.Files = {};
  EXPECT_EQ(run.Run(message), 0);
  EXPECT_EQ(message, kSumRepNoPlotFile);
}

}  // namespace sylvanor
