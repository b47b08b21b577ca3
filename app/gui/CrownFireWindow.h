#pragma once
// The crown fire details window: the last run's rows for both stand states,
// and the fields (with their templates) the next Calculate uses.

#include <QDialog>

#include "ui/MainWindowState.h"

namespace sylvanor {

class CrownFireWindow : public QDialog {
 public:
  CrownFireWindow(c_MainWindowState& state, QWidget* parent = nullptr);
};

}  // namespace sylvanor
