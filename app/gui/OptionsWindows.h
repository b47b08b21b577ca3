#pragma once
// The windows of the Options menu: the settings (canopy bulk density
// threshold, decimals of slash values), the project's treatments and the
// species equation table. Each is built once and shown on demand; Refresh
// reloads what it shows from the state.

#include <QDialog>

#include <functional>

#include "ui/MainWindowState.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QTableWidget;

namespace sylvanor {

class SettingsWindow : public QDialog {
 public:
  SettingsWindow(c_MainWindowState& state, QWidget* parent = nullptr);
  void Refresh();
  // Called once accepted settings are stored, so that the results are redrawn.
  void OnApplied(std::function<void()> applied) { applied_ = std::move(applied); }

 private:
  void Apply();

  c_MainWindowState& state_;
  QLineEdit* threshold_ = nullptr;
  QSpinBox* decimals_ = nullptr;
  std::function<void()> applied_;
};

class TreatmentFileWindow : public QDialog {
 public:
  TreatmentFileWindow(c_MainWindowState& state, QWidget* parent = nullptr);
  void Refresh();
  // Called once the main window's treatment boxes changed: a treatment
  // loaded into them, or the treatment their name box shows renamed or
  // deleted.
  void OnLoad(std::function<void()> loaded) { loaded_ = std::move(loaded); }

 private:
  void ShowChosen();
  void Rename();
  void Delete();
  void Load();

  c_MainWindowState& state_;
  QListWidget* list_ = nullptr;
  QTableWidget* view_ = nullptr;
  std::function<void()> loaded_;
};

class EquationTableWindow : public QDialog {
 public:
  EquationTableWindow(c_MainWindowState& state, QWidget* parent = nullptr);
  void Refresh();

 private:
  c_MainWindowState& state_;
  QLabel* source_ = nullptr;
  QLabel* message_ = nullptr;
  QTableWidget* grid_ = nullptr;
};

}  // namespace sylvanor
