#pragma once
// The Graph menu's windows and the colour settings of the charts: the
// surface fuel and stand measures before and after treatment, the burn's
// fire intensity and smoke over time, and the colours of the series. Each
// reloads what it shows from the state with Refresh().

#include <QDialog>

#include <functional>

#include "ui/ChartColors.h"
#include "ui/MainWindowState.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sylvanor {

// Shows `chart` in the view, deleting the chart it showed before.
void ReplaceChart(QChartView* view, QChart* chart);

class FuelStandWindow : public QDialog {
 public:
  FuelStandWindow(c_MainWindowState& state, QWidget* parent = nullptr);
  void Refresh();
  // Both charts as one picture; false when it cannot be written.
  bool SavePng(const QString& path);

 private:
  void DrawStand();

  c_MainWindowState& state_;
  d_ChartColors colors_;
  QWidget* charts_ = nullptr;
  QChartView* fuel_ = nullptr;
  QChartView* stand_ = nullptr;
  QComboBox* measure_ = nullptr;
};

class EmissionGraphWindow : public QDialog {
 public:
  EmissionGraphWindow(c_MainWindowState& state, QWidget* parent = nullptr);
  void Refresh();
  bool SavePng(const QString& path);

 private:
  c_MainWindowState& state_;
  QChartView* chart_ = nullptr;
  QComboBox* pollutant_ = nullptr;
  QLabel* noBurn_ = nullptr;
};

class ColorSettingsWindow : public QDialog {
 public:
  ColorSettingsWindow(c_MainWindowState& state, QWidget* parent = nullptr);
  // The colours of the user folder's file.
  void Refresh();
  const d_ChartColors& Colors() const { return colors_; }
  // Called after the colours were saved.
  void OnSaved(std::function<void()> saved) { saved_ = std::move(saved); }

 private:
  void ShowColors();

  c_MainWindowState& state_;
  d_ChartColors colors_;
  std::function<void()> saved_;
  std::vector<std::pair<QPushButton*, QLineEdit*>> rows_;  // swatch and text of each series
};

}  // namespace sylvanor
