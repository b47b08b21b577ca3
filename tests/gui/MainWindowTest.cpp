#include "app/gui/MainWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QTableWidget>
#include <map>

#include "app/gui/SumRepWindow.h"
#include "tests/support/GuiApp.h"
#include "tests/support/SamplePlot.h"
#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

// The window built without a display, the sample project opened, a sample
// plot calculated: its result boxes and the canopy bulk density chart.
TEST(MainWindowSmoke, OpensTheSampleProjectAndCalculates) {
  GuiApp();
  TempFolder folder;
  c_MainWindowState state;
  ASSERT_TRUE(state.Start(SYLVANOR_PROGRAM_DIR, folder.path() / "home").empty());
  std::string message;
  const std::filesystem::path sample = SampleCopy(folder.path());
  ASSERT_EQ(state.OpenProject((sample / "Sample.vxp").string(), message), 1) << message;
  ASSERT_EQ(state.LoadPlotFile((sample / "Sample.vxd").string(), "VXD", message), 1);
  ASSERT_TRUE(state.ShowPlot(11).Ok);
  MainWindow window(state);
  window.Calculate();
  ASSERT_TRUE(state.LastRun().Ok) << state.LastRun().Message;

  // the first result rows are the stand's trees per acre and canopy fuel, before and after
  const QTableWidget* results = window.Results();
  ASSERT_GT(results->rowCount(), 2);
  EXPECT_EQ(results->item(0, 1)->text().toStdString(), "Trees (tpa)");
  EXPECT_EQ(results->item(0, 2)->text().toDouble(), state.Engine().Get_PreSteDen());
  EXPECT_NE(results->item(1, 3)->text().toStdString(), "");
  // the pre- and post-treatment profiles, one point per layer, and the threshold
  const auto series = window.Chart()->chart()->series();
  ASSERT_EQ(series.size(), 3);
  EXPECT_EQ(static_cast<QLineSeries*>(series[0])->count(), state.Engine().Get_PreVDRlays());
  EXPECT_EQ(static_cast<QLineSeries*>(series[1])->count(), state.Engine().Get_VDRlays());
}

// Every entry of the menus is there, and each entry that opens a window
// opens one that shows something (entries that ask for a file name or show
// a message box are left out: they would wait for a user).
TEST(MainWindowSmoke, EveryMenuEntryIsThereAndItsWindowsOpen) {
  GuiApp();
  const auto plot = CalculatedSamplePlot();
  ASSERT_EQ(plot->failure, "");
  MainWindow window(plot->state);
  std::map<std::string, QAction*> entries;
  for (QAction* menu : window.menuBar()->actions())
    for (QAction* entry : menu->menu()->actions())
      if (!entry->isSeparator())
        entries[menu->text().remove('&').toStdString() + " > " + entry->text().toStdString()] =
            entry;
  const char* const expected[] = {"File > Open Project",
                                  "File > Save Project",
                                  "File > SaveAs Project",
                                  "File > New Project",
                                  "File > Input VXD",
                                  "File > Input PDQ",
                                  "File > Input KVT",
                                  "File > Exit",
                                  "Report > Plot/Tree Report",
                                  "Report > Plot Report",
                                  "Report > Tree Report",
                                  "Report > Plot CSV File ",
                                  "Report > Tree CSV File",
                                  "Report > Emission Report",
                                  "Report > Emission Summary .csv",
                                  "Graph > Fuel Stand",
                                  "Graph > Emission",
                                  "Options > Settings",
                                  "Options > Equation Table",
                                  "Options > Color Settings",
                                  "Options > Show Fuel Model",
                                  "Options > Run Batch Summary",
                                  "Options > Show Batch Summary",
                                  "Options > Treatment File",
                                  "Options > Sitelog Export",
                                  "Help > User Guide",
                                  "Help > Quick Reference",
                                  "Help > About"};
  for (const char* entry : expected)
    EXPECT_TRUE(entries.count(entry)) << entry;

  const std::pair<const char*, const char*> opens[] = {
      {"Report > Plot/Tree Report", "Plot/Tree Report"},
      {"Graph > Fuel Stand", "Fuel Stand"},
      {"Graph > Emission", "Emission"},
      {"Options > Settings", "Settings"},
      {"Options > Equation Table", "Equation Table"},
      {"Options > Color Settings", "Color Settings"},
      {"Options > Treatment File", "Treatment File"},
      {"Options > Retention Priority Sets", "Retention Priority Sets"},
      {"Options > Run Batch Summary", "Batch Run"},
      {"Help > User Guide", "Sylvanor User Guide"}};
  for (const auto& [entry, title] : opens) {
    ASSERT_TRUE(entries.count(entry)) << entry;
    entries[entry]->trigger();
    const QWidget* shown = QApplication::activeModalWidget();
    EXPECT_EQ(shown, nullptr) << entry << " opened a modal window";
    bool found = false;
    for (const QWidget* top : QApplication::topLevelWidgets())
      found = found || (top->isVisible() && top->windowTitle().contains(title));
    EXPECT_TRUE(found) << entry;
  }
  // the fuel model selector follows its entry
  QAction* selector = entries["Options > Show Fuel Model"];
  EXPECT_TRUE(selector->isChecked());
  selector->trigger();
  EXPECT_FALSE(plot->state.Project().FuelModelShow);
}

// The batch run window over the sample plot file, stepped by the event
// loop: the buttons while it runs and after, a grid row per processed plot
// and the average row, and the grid again from "Show Batch Summary".
TEST(MainWindowSmoke, BatchRunWindowRunsThePlotFile) {
  GuiApp();
  const auto plot = CalculatedSamplePlot();
  ASSERT_EQ(plot->failure, "");
  MainWindow window(plot->state);
  SumRepWindow& batch = *window.BatchRun();
  std::vector<std::string> told;
  batch.Tell = [&](const std::string& text) { told.push_back(text); };
  batch.OpenFromMain();
  ASSERT_TRUE(told.empty()) << told.front();
  ASSERT_TRUE(batch.isVisible());
  batch.Button("Run")->click();
  EXPECT_FALSE(batch.Button("Run")->isEnabled());
  EXPECT_TRUE(batch.Button("Pause")->isEnabled());
  while (batch.Run().Running())
    QApplication::processEvents();
  const int rows = batch.Run().Processed() + 1;
  EXPECT_EQ(batch.Run().Processed() + batch.Run().Skipped(), 12);
  ASSERT_EQ(batch.Grid()->rowCount(), rows);
  EXPECT_EQ(batch.Grid()->item(rows - 1, 0)->text().toStdString(), "Average");
  EXPECT_TRUE(batch.Button("Run")->isEnabled() && batch.Button("Close")->isEnabled());
  EXPECT_FALSE(batch.Button("Continue")->isEnabled());

  batch.Button("Close")->click();
  ASSERT_FALSE(batch.isVisible());
  for (QAction* menu : window.menuBar()->actions())
    for (QAction* entry : menu->menu()->actions())
      if (entry->text() == "Show Batch Summary") entry->trigger();
  EXPECT_TRUE(batch.isVisible());
  EXPECT_EQ(batch.Grid()->rowCount(), rows);
}

}  // namespace

}  // namespace sylvanor
