#include "app/gui/HelpWindow.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/gui/Convert.h"

namespace sylvanor {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
  browser_ = new QTextBrowser;
  browser_->setOpenExternalLinks(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_);
  layout->addWidget(buttons);
  resize(820, 720);
}

void HelpWindow::ShowHelp(const QString& title, const d_HelpText& help) {
  setWindowTitle(title);
  const QString text = Q(help.Ok ? help.Text : help.Message);
  if (help.Ok && help.Html) {
    browser_->setFont(QFont());
    browser_->setHtml(text);
  } else {
    browser_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    browser_->setPlainText(text);
  }
  show();
  raise();
}

}  // namespace sylvanor
