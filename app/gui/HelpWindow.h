#pragma once
// The viewer of the user guide and the quick reference.

#include <QDialog>

#include "ui/Help.h"

class QTextBrowser;

namespace sylvanor {

class HelpWindow : public QDialog {
 public:
  explicit HelpWindow(QWidget* parent);
  // Shows the help text (HTML or plain), or the message why there is none.
  void ShowHelp(const QString& title, const d_HelpText& help);
  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
};

}  // namespace sylvanor
