#include "app/gui/MainWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QTableWidget>

#include "tests/support/TempFolder.h"

namespace sylvanor {

namespace {

// The window built without a display, the sample project opened, a sample
// plot calculated: its result boxes and the canopy bulk density chart.
TEST(MainWindowSmoke, OpensTheSampleProjectAndCalculates) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "sylvanor_tests";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  TempFolder folder;
  c_MainWindowState state;
  ASSERT_TRUE(state.Start(SYLVANOR_PROGRAM_DIR, folder.path() / "home").empty());
  std::string message;
  ASSERT_EQ(state.OpenProject(SYLVANOR_DATA_DIR "/sample/Sample.vxp", message), 1) << message;
  ASSERT_EQ(state.LoadPlotFile(SYLVANOR_DATA_DIR "/sample/Sample.vxd", "VXD", message), 1);
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

}  // namespace

}  // namespace sylvanor
