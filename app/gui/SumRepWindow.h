#pragma once
// The batch run window: the plot file of the main window run plot by plot
// with its treatment, retention priority set and settings (ui/SumRep.h).
// A timer steps the run one plot per turn of the event loop, so that the
// window stays live and Pause and Abort reach the run between plots. It is
// built once with the main window and only hidden when closed.

#include <QDialog>

#include <array>
#include <functional>
#include <string>

#include "ui/SumRep.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;

namespace sylvanor {

class SumRepWindow : public QDialog {
 public:
  SumRepWindow(c_MainWindowState& state, QWidget* parent = nullptr);

  // "Run Batch Summary": the window set up from the main window (whose
  // boxes the state holds) and shown; a message instead when it cannot be.
  void OpenFromMain();
  // The boxes, counts, buttons and grid from the run.
  void Refresh();

  // What the window tells and asks; message boxes unless replaced.
  std::function<void(const std::string&)> Tell;
  std::function<bool(const std::string&)> Ask;

  QPushButton* Button(const char* text) const;
  QTableWidget* Grid() const { return grid_; }
  c_SumRep& Run() { return run_; }

 private:
  void ReadBoxes();
  void ShowFiles();
  void Start();
  void StepOnce();
  void Browse(QLineEdit* box, bool save);

  c_MainWindowState& state_;
  c_SumRep run_;
  QTimer* timer_ = nullptr;
  QLineEdit *plot_ = nullptr, *tree_ = nullptr, *output_ = nullptr, *error_ = nullptr;
  QLabel *plots_ = nullptr, *processed_ = nullptr, *skipped_ = nullptr, *current_ = nullptr;
  QLabel* errors_ = nullptr;
  // Run, Pause, Continue, Abort, Close
  std::array<QPushButton*, 5> buttons_{};
  QTableWidget* grid_ = nullptr;
  std::size_t rowsShown_ = 0;  // rows of the run already in the grid
};

}  // namespace sylvanor
