#pragma once
// The report window: a text of the Report menu in a fixed-pitch font, read
// only, which can be copied whole to the clipboard or saved to a file.

#include <QDialog>
#include <QString>
#include <string>

class QPlainTextEdit;

namespace sylvanor {

class ReportWindow : public QDialog {
 public:
  explicit ReportWindow(QWidget* parent = nullptr);

  // Brings the window up with the text under the title; "Save…" offers the
  // default file name.
  void ShowText(const QString& title, const std::string& text, const std::string& defaultFileName);

 private:
  void Save();

  QPlainTextEdit* text_ = nullptr;
  std::string shown_, fileName_;
};

}  // namespace sylvanor
