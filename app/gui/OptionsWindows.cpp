#include "app/gui/OptionsWindows.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/gui/Convert.h"
#include "ui/EquationTable.h"
#include "ui/SettingsForm.h"
#include "ui/TreatmentFile.h"

namespace sylvanor {

namespace {

// A read-only table without row numbers.
QTableWidget* ReadOnlyTable(int columns) {
  auto* table = new QTableWidget(0, columns);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return table;
}

}  // namespace

// ---- settings

SettingsWindow::SettingsWindow(c_MainWindowState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setWindowTitle("Settings");
  threshold_ = new QLineEdit;
  decimals_ = new QSpinBox;
  decimals_->setRange(kDecimalsMin, kDecimalsMax);
  auto* form = new QFormLayout;
  form->addRow("Canopy Bulk Density Threshold (kg/m3)", threshold_);
  form->addRow("Decimals of slash values", decimals_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { Apply(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  Refresh();
}

void SettingsWindow::Refresh() {
  const d_SettingsForm fields = SettingsFormFields(state_);
  threshold_->setText(Q(fields.CBDThreshold));
  decimals_->setValue(fields.Decimals);
}

void SettingsWindow::Apply() {
  std::string message;
  if (!ApplySettingsForm(state_, {threshold_->text().toStdString(), decimals_->value()}, message)) {
    QMessageBox::warning(this, "Sylvanor", Q(message));
    return;
  }
  accept();
  if (applied_) applied_();
}

// ---- treatments

TreatmentFileWindow::TreatmentFileWindow(c_MainWindowState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setWindowTitle("Treatment File");
  list_ = new QListWidget;
  view_ = ReadOnlyTable(2);
  view_->setHorizontalHeaderLabels({"Field", "Value"});
  view_->horizontalHeader()->setStretchLastSection(true);
  auto* rename = new QPushButton("Rename...");
  auto* remove = new QPushButton("Delete");
  auto* load = new QPushButton("Load into window");
  auto* close = new QPushButton("Close");
  connect(list_, &QListWidget::currentRowChanged, this, [this] { ShowChosen(); });
  connect(rename, &QPushButton::clicked, this, [this] { Rename(); });
  connect(remove, &QPushButton::clicked, this, [this] { Delete(); });
  connect(load, &QPushButton::clicked, this, [this] { Load(); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {rename, remove, load})
    buttons->addWidget(b);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* lists = new QHBoxLayout;
  lists->addWidget(list_, 1);
  lists->addWidget(view_, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists, 1);
  layout->addWidget(new QLabel(
      "\"Save Treatment\" on the main window adds its treatment boxes under the treatment name."));
  layout->addLayout(buttons);
  resize(640, 520);
  Refresh();
}

void TreatmentFileWindow::Refresh() {
  const int chosen = list_->currentRow();
  list_->blockSignals(true);
  list_->clear();
  for (const std::string& name : TreatmentNames(state_.Project()))
    list_->addItem(Q(name));
  list_->setCurrentRow(std::min(std::max(chosen, 0), list_->count() - 1));
  list_->blockSignals(false);
  ShowChosen();
}

void TreatmentFileWindow::ShowChosen() {
  const int chosen = list_->currentRow();
  const auto& list = state_.Project().Treatments;
  view_->setRowCount(0);
  if (chosen < 0 || chosen >= static_cast<int>(list.size())) return;
  const std::vector<d_TreatmentRow> rows = TreatmentView(list[static_cast<std::size_t>(chosen)]);
  view_->setRowCount(static_cast<int>(rows.size()));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    view_->setItem(static_cast<int>(r), 0, new QTableWidgetItem(Q(rows[r].Caption)));
    view_->setItem(static_cast<int>(r), 1, new QTableWidgetItem(Q(rows[r].Value)));
  }
  view_->resizeColumnToContents(0);
}

void TreatmentFileWindow::Rename() {
  const int chosen = list_->currentRow();
  if (chosen < 0) return;
  bool ok = false;
  const QString name = QInputDialog::getText(this, "Rename Treatment", "New name",
                                             QLineEdit::Normal, list_->item(chosen)->text(), &ok);
  if (!ok) return;
  std::string message;
  if (!RenameTreatment(state_, chosen, name.toStdString(), message))
    QMessageBox::warning(this, "Sylvanor", Q(message));
  Refresh();
  if (loaded_) loaded_();
}

void TreatmentFileWindow::Delete() {
  const int chosen = list_->currentRow();
  if (chosen < 0) return;
  if (QMessageBox::question(this, "Delete Treatment",
                            "Delete the treatment " + list_->item(chosen)->text() + " ?") !=
      QMessageBox::Yes)
    return;
  DeleteTreatment(state_, chosen);
  Refresh();
  if (loaded_) loaded_();
}

void TreatmentFileWindow::Load() {
  if (!LoadTreatment(state_, list_->currentRow())) return;
  if (loaded_) loaded_();
}

// ---- equation table

EquationTableWindow::EquationTableWindow(c_MainWindowState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setWindowTitle("Equation Table");
  source_ = new QLabel;
  message_ = new QLabel;
  message_->setWordWrap(true);
  grid_ = ReadOnlyTable(static_cast<int>(kEquationColumns.size()));
  QStringList headings;
  for (const d_EquationColumn& column : kEquationColumns)
    headings << Q(column.Caption);
  grid_->setHorizontalHeaderLabels(headings);
  auto* sample = new QPushButton("Write Sample Species File");
  connect(sample, &QPushButton::clicked, this, [this] {
    QMessageBox::information(this, "Sylvanor", Q(WriteSampleSpecies(state_.UserFolder())));
  });
  auto* close = new QPushButton("Close");
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(sample);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(source_);
  layout->addWidget(message_);
  layout->addWidget(grid_, 1);
  layout->addLayout(buttons);
  resize(1100, 640);
  Refresh();
}

void EquationTableWindow::Refresh() {
  const d_EquationTable table = EquationTableRows(state_.Engine(), state_.UserFolder());
  source_->setText("Source: " + Q(table.Source));
  message_->setText(Q(table.Message));
  message_->setVisible(!table.Message.empty());
  grid_->setRowCount(static_cast<int>(table.Rows.size()));
  for (std::size_t r = 0; r < table.Rows.size(); ++r)
    for (std::size_t c = 0; c < table.Rows[r].size(); ++c) {
      auto* cell = new QTableWidgetItem(Q(table.Rows[r][c]));
      cell->setToolTip(Q(EquationReference(state_.Engine(), c, table.Rows[r][c])));
      grid_->setItem(static_cast<int>(r), static_cast<int>(c), cell);
    }
  grid_->resizeColumnsToContents();
}

}  // namespace sylvanor
