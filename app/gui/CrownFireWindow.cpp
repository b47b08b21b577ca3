#include "app/gui/CrownFireWindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/CrownFireDetails.h"

namespace sylvanor {

namespace {

// One state's fields with their template list.
QGroupBox* Fields(const char* title, d_HalFields& fields, QDialog* dialog) {
  auto* box = new QGroupBox(title);
  auto* form = new QFormLayout(box);
  auto* templates = new QComboBox;
  for (const d_HalTemplate& t : kHalTemplates)
    templates->addItem(QString::fromUtf8(t.Name.data(), static_cast<int>(t.Name.size())));
  auto* deadMx = new QLineEdit(QString::fromStdString(fields.DeadMx));
  auto* depth = new QLineEdit(QString::fromStdString(fields.Depth));
  form->addRow("Template", templates);
  form->addRow("Dead fuel moisture of extinction (%)", deadMx);
  form->addRow("Fuel bed depth (ft)", depth);
  QObject::connect(templates, &QComboBox::activated, dialog, [=](int k) {
    const d_HalFields chosen = TemplateFields(kHalTemplates[static_cast<std::size_t>(k)]);
    deadMx->setText(QString::fromStdString(chosen.DeadMx));
    depth->setText(QString::fromStdString(chosen.Depth));
  });
  QObject::connect(dialog, &QDialog::accepted, dialog, [=, &fields] {
    fields.DeadMx = deadMx->text().toStdString();
    fields.Depth = depth->text().toStdString();
  });
  return box;
}

}  // namespace

CrownFireWindow::CrownFireWindow(c_MainWindowState& state, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Crown Fire Details");
  const std::vector<d_HalRow> rows = HalDetailRows(state.LastRun().Hal);
  auto* table = new QTableWidget(static_cast<int>(rows.size()), 3);
  table->setHorizontalHeaderLabels({"", "Pre-treatment", "Post-treatment"});
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    int c = 0;
    for (const std::string* text : {&rows[r].Label, &rows[r].Pre, &rows[r].Post})
      table->setItem(static_cast<int>(r), c++, new QTableWidgetItem(QString::fromStdString(*text)));
  }
  table->resizeColumnsToContents();
  auto* fields = new QHBoxLayout;
  fields->addWidget(Fields("Pre-treatment", state.HalPre, this));
  fields->addWidget(Fields("Post-treatment", state.HalPost, this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table, 1);
  layout->addLayout(fields);
  layout->addWidget(buttons);
  resize(640, 720);
}

}  // namespace sylvanor
