#include "app/gui/ReportWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/gui/Convert.h"
#include "ui/Reports.h"

namespace sylvanor {

ReportWindow::ReportWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Report");
  text_ = new QPlainTextEdit;
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* copy = new QPushButton("Copy");
  auto* save = new QPushButton("Save…");
  auto* close = new QPushButton("Close");
  connect(copy, &QPushButton::clicked, this,
          [this] { QApplication::clipboard()->setText(Q(shown_)); });
  connect(save, &QPushButton::clicked, this, [this] { Save(); });
  connect(close, &QPushButton::clicked, this, &QDialog::hide);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(copy);
  buttons->addWidget(save);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_, 1);
  layout->addLayout(buttons);
  resize(860, 640);
}

void ReportWindow::ShowText(const QString& title, const std::string& text,
                            const std::string& defaultFileName) {
  setWindowTitle(title);
  shown_ = text;
  fileName_ = defaultFileName;
  text_->setPlainText(Q(text));
  show();
  raise();
}

void ReportWindow::Save() {
  const QString path = QFileDialog::getSaveFileName(this, "Save " + windowTitle(), Q(fileName_));
  if (path.isEmpty()) return;
  std::string message;
  if (!SaveText(path.toStdString(), shown_, message))
    QMessageBox::warning(this, windowTitle(), Q(message));
}

}  // namespace sylvanor
