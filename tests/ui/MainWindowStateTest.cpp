#include "ui/MainWindowState.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "base/CsvRow.h"
#include "batch/BatchRunner.h"
#include "tests/support/BatchFiles.h"
#include "tests/support/Files.h"
#include "tests/support/SamplePlot.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

namespace fs = std::filesystem;

TEST(MainWindowState, StartsOnAnEmptyDataHomeAndRunsASamplePlotAsTheBatchDoes) {
  TempFolder folder;
  c_MainWindowState state;
  // the new user folder's sample project opens with its PDQ plots
  const std::vector<std::string> shown = state.Start(SYLVANOR_PROGRAM_DIR, folder.path() / "home");
  EXPECT_TRUE(shown.empty()) << shown.front();
  EXPECT_EQ(state.ProjectFile(), (folder.path() / "home" / "Sylvanor" / "VX_Sample.vxp").string());
  EXPECT_EQ(state.PlotLayout() + " " + std::to_string(state.Plots().size()), "PDQ 4");

  // SYL-12 of the sample project, whose current treatment is the one the
  // link treatment file gives it
  std::string message;
  const std::string sample = SampleCopy(folder.path()).string() + "/";
  ASSERT_EQ(state.OpenProject(sample + "Sample.vxp", message), 1) << message;
  ASSERT_EQ(state.LoadPlotFile(sample + "Sample.vxd", "VXD", message), 1) << message;
  ASSERT_TRUE(state.ShowPlot(11).Ok);
  state.Inputs().MossLichen = "0";  // a treatment record has no moss and lichen share
  const d_CalcResult result = state.Calculate();
  ASSERT_TRUE(result.Ok) << result.Message;
  const Sylvanor& s = state.Engine();
  const auto batch = RunSampleBatch(*std::make_unique<c_FBC>(), folder.path() / "batch")["SYL-12"];
  const std::pair<const char*, float> values[] = {{"pre_cbd", s.Get_Precbd()},
                                                  {"post_cbd", s.Get_cbd()},
                                                  {"post_cbh", s.Get_cbh()},
                                                  {"post_trees", s.Get_SteDen()},
                                                  {"post_basal_area", s.Get_Basal()},
                                                  {"harvested_cubic_ft", s.Get_HaCuFt()},
                                                  {"consumed_total", s.Get_ConsumedTotal()},
                                                  {"killed_basal_area", s.Get_KilledBasal()}};
  for (const auto& [name, value] : values)
    EXPECT_NEAR(std::stof(batch.at(name)), value, 1e-3f * std::max(1.0f, value)) << name;
}

TEST(MainWindowState, SavedTreatmentsAndRetentionSetsGoWithTheProject) {
  TempFolder folder;
  c_MainWindowState state;
  ASSERT_TRUE(state.Start(SYLVANOR_PROGRAM_DIR, folder.path() / "home").empty());
  std::string message;
  const std::string sample = SampleCopy(folder.path()).string() + "/";
  ASSERT_EQ(state.OpenProject(sample + "Sample.vxp", message), 1) << message;
  ASSERT_EQ(state.LoadPlotFile(sample + "Sample.vxd", "VXD", message), 1);
  ASSERT_TRUE(state.ShowPlot(0).Ok);
  // a set of no influence (every weight 1) over a species group without rows
  // leaves each tree the species factor of a species not listed, 0.5
  state.ChooseRetPri("None");
  EXPECT_EQ(state.Inputs().Trees[0][9], "0.5000");
  state.Inputs().TreatName = "";
  EXPECT_FALSE(state.SaveTreatment());
  state.Inputs().TreatName = "Light Thin", state.Inputs().ThinTarget = "150";
  const std::size_t before = state.Project().Treatments.size();
  ASSERT_TRUE(state.SaveTreatment());
  state.Inputs().ThinTarget = "140";
  ASSERT_TRUE(state.SaveTreatment());  // the same name replaces
  const std::string saved = (folder.path() / "saved.vxp").string();
  ASSERT_EQ(state.SaveProject(saved, message), 1) << message;
  c_MainWindowState again;
  ASSERT_TRUE(again.Start(SYLVANOR_PROGRAM_DIR, folder.path() / "home").empty());
  ASSERT_EQ(again.OpenProject(saved, message), 1) << message;
  const d_PrjData& p = again.Project();
  ASSERT_EQ(p.Treatments.size(), before + 1);
  EXPECT_EQ(p.Treatments.back().TreatName.str() + " " + p.Treatments.back().ThinCriteria.str() +
                " " + p.Treatment + " " + p.RetPri,
            "Light Thin 140 Light Thin None");
  EXPECT_EQ(again.Inputs().ThinTarget, "140");
}

TEST(MainWindowState, PlotWarningsAreAnnouncedUntilSuppressedAndClosingWithYesSaves) {
  const auto plot = CalculatedSamplePlot();
  ASSERT_EQ(plot->failure, "");
  c_MainWindowState& state = plot->state;
  // the first sample plot whose trees were repaired while reading
  int warned = -1;
  d_ShowPlot shown;
  for (int k = 0; k < static_cast<int>(state.Plots().size()) && warned < 0; ++k)
    if (shown = state.ShowPlot(k); !shown.Notice.text.empty()) warned = k;
  ASSERT_GE(warned, 0);
  EXPECT_NE(shown.Notice.text.find(" Warning messages were recorded in the file:\n\n " +
                                   shown.WarningsFile + "\n\n"),
            std::string::npos)
      << shown.Notice.text;
  EXPECT_TRUE(fs::exists(shown.WarningsFile));
  state.SuppressWarnings();
  EXPECT_EQ(state.ShowPlot(warned).Notice.text, "");

  // "Yes" on closing a new project saves it into the user folder and names
  // it in the settings file, so that the next start opens it
  state.NewProject();
  std::string message;
  ASSERT_EQ(state.SaveSettings(message), 1) << message;
  const std::string saved = (state.UserFolder() / "Sylvanor.vxp").string();
  EXPECT_EQ(ReadSettingsProject(state.UserFolder()), saved);
  // and the chart colours saved in the user folder are the next start's
  ASSERT_EQ(WriteChartColors(state.UserFolder(), {"#111111", "#222222", "#333333"}, message), 1);
  c_MainWindowState again;
  ASSERT_TRUE(again.Start(SYLVANOR_PROGRAM_DIR, plot->folder.path() / "home").empty());
  EXPECT_EQ(again.ProjectFile(), saved);
  EXPECT_EQ(again.ChartColors.Threshold + again.ChartColors.Pollutant,
            "#333333" + d_ChartColors{}.Pollutant);
}

}  // namespace

}  // namespace sylvanor
