#pragma once
// The main window's widgets: they show c_MainWindowState and hand it what
// the user does. Nothing is computed here.

#include <QMainWindow>

#include <array>
#include <vector>

#include "ui/MainWindowState.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableWidget;
class QLabel;
class QChartView;
class QAction;
class QGroupBox;

namespace sylvanor {

class ReportWindow;
class FuelStandWindow;
class EmissionGraphWindow;
class ColorSettingsWindow;
class SettingsWindow;
class TreatmentFileWindow;
class EquationTableWindow;
class RetPriWindow;
class HelpWindow;
class SumRepWindow;

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(c_MainWindowState& state);

  // The boxes and the grid from the state, and back.
  void ShowState();
  void ReadBoxes();
  // The treatment boxes alone from the state, the other boxes kept as typed.
  void ShowTreatment();
  // "&Calculate": the run, its messages, the grid cells, result boxes and chart.
  void Calculate();
  void ShowPlot(int index);

  QTableWidget* Grid() const { return grid_; }
  QTableWidget* Results() const { return results_; }
  QChartView* Chart() const { return chart_; }
  SumRepWindow* BatchRun() const { return batchRun_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  // the secondary windows, built once and shown on demand
  void BuildWindows();
  // A text saved where the user chooses, the plot file's folder offered.
  void SaveFile(const std::string& text, const std::string& name, const char* filter);
  void OpenProject();
  void SaveProject(bool as);
  void InputPlots(const char* layout, const char* filter);
  void ShowResults();
  void DrawProfile();
  void AnnounceWarnings(const d_ShowPlot& shown);

  c_MainWindowState& state_;
  QTableWidget* grid_ = nullptr;
  QTableWidget* results_ = nullptr;
  QChartView* chart_ = nullptr;
  QComboBox* plots_ = nullptr;
  QLabel* indices_ = nullptr;
  std::array<QLineEdit*, 20> fuel_{};
  QCheckBox *thin_ = nullptr, *prune_ = nullptr, *pile_ = nullptr, *burn_ = nullptr;
  QComboBox *thinCrit_ = nullptr, *region_ = nullptr, *season_ = nullptr, *moist_ = nullptr;
  QComboBox *retPri_ = nullptr, *climate_ = nullptr, *modelSet_ = nullptr;
  QComboBox *emisFlame_ = nullptr, *emisDuff_ = nullptr, *emisCoarse_ = nullptr;
  QLineEdit* treatName_ = nullptr;
  // the text boxes of the treatment and selector groups, with the state's field each shows
  std::vector<std::pair<QLineEdit*, std::string d_WindowInputs::*>> boxes_;
  QGroupBox* selector_ = nullptr;
  QAction* showFuelModel_ = nullptr;
  ReportWindow* report_ = nullptr;
  FuelStandWindow* fuelStand_ = nullptr;
  EmissionGraphWindow* emisGraph_ = nullptr;
  ColorSettingsWindow* colors_ = nullptr;
  SettingsWindow* settings_ = nullptr;
  TreatmentFileWindow* treatFile_ = nullptr;
  EquationTableWindow* eqTable_ = nullptr;
  RetPriWindow* retPriSets_ = nullptr;
  HelpWindow* help_ = nullptr;
  SumRepWindow* batchRun_ = nullptr;
  bool showing_ = false;  // the plot list is being filled
};

}  // namespace sylvanor
