#pragma once
// The retention priority window: the project's retention priority sets and
// its species groups with their species rows, edited in a copy (ui/
// RetPriEditor.h) that "OK" checks and stores in the project.

#include <QDialog>

#include <functional>

#include "ui/MainWindowState.h"
#include "ui/RetPriEditor.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace sylvanor {

class RetPriWindow : public QDialog {
 public:
  RetPriWindow(c_MainWindowState& state, QWidget* parent = nullptr);

  // Everything shown reloaded from the project; edits not stored are lost.
  void Refresh();
  // Called after "OK" stored the sets in the project.
  void OnApplied(std::function<void()> applied) { applied_ = std::move(applied); }

  QTableWidget* Sets() const { return sets_; }
  QTableWidget* Rows() const { return rows_; }
  QComboBox* Groups() const { return groups_; }

 private:
  void ShowSets();
  void ShowGroups(int select);
  void ShowRows();
  // A refusal in reaction to a click.
  void Tell(const std::string& message);
  std::size_t Group() const;

  c_MainWindowState& state_;
  c_RetPriEditor editor_;
  std::function<void()> applied_;
  QTableWidget* sets_ = nullptr;
  QComboBox* groups_ = nullptr;
  QTableWidget* rows_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace sylvanor
