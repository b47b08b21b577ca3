#include "app/gui/RetPriWindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/gui/Convert.h"

namespace sylvanor {

namespace {

QPushButton* Button(const char* text, QHBoxLayout* row) {
  auto* button = new QPushButton(text);
  row->addWidget(button);
  return button;
}

// A grid's rows of texts, written without reporting them as edits.
template <class Rows>
void Fill(QTableWidget* grid, const Rows& rows) {
  const QSignalBlocker quiet(grid);
  grid->setRowCount(static_cast<int>(rows.size()));
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      grid->setItem(static_cast<int>(r), static_cast<int>(c), new QTableWidgetItem(Q(rows[r][c])));
}

}  // namespace

RetPriWindow::RetPriWindow(c_MainWindowState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setWindowTitle("Retention Priority Sets");

  sets_ = new QTableWidget(0, static_cast<int>(kRetPriColumns.size()));
  for (std::size_t c = 0; c < kRetPriColumns.size(); ++c) {
    auto* header = new QTableWidgetItem(Q(kRetPriColumns[c].Caption));
    header->setToolTip(Q(kRetPriColumns[c].Tip));
    sets_->setHorizontalHeaderItem(static_cast<int>(c), header);
  }
  auto* setButtons = new QHBoxLayout;
  QPushButton* addSet = Button("Add Set", setButtons);
  QPushButton* deleteSet = Button("Delete Set", setButtons);
  QPushButton* defaults = Button("Load Default Sets", setButtons);
  setButtons->addStretch();
  auto* setBox = new QGroupBox("Retention priority sets");
  auto* setLayout = new QVBoxLayout(setBox);
  setLayout->addWidget(sets_, 1);
  setLayout->addLayout(setButtons);

  groups_ = new QComboBox;
  auto* groupButtons = new QHBoxLayout;
  groupButtons->addWidget(new QLabel("Species group"));
  groupButtons->addWidget(groups_, 1);
  QPushButton* addGroup = Button("Add Group", groupButtons);
  QPushButton* renameGroup = Button("Rename Group", groupButtons);
  QPushButton* deleteGroup = Button("Delete Group", groupButtons);
  rows_ = new QTableWidget(0, static_cast<int>(kSpeciesColumns.size()));
  QStringList headings;
  for (std::string_view caption : kSpeciesColumns)
    headings << Q(caption);
  rows_->setHorizontalHeaderLabels(headings);
  auto* rowButtons = new QHBoxLayout;
  QPushButton* addRow = Button("Add Row", rowButtons);
  QPushButton* deleteRow = Button("Delete Row", rowButtons);
  rowButtons->addStretch();
  auto* groupBox = new QGroupBox("Species groups");
  auto* groupLayout = new QVBoxLayout(groupBox);
  groupLayout->addLayout(groupButtons);
  groupLayout->addWidget(rows_, 1);
  groupLayout->addLayout(rowButtons);

  note_ = new QLabel;
  auto* endButtons = new QHBoxLayout;
  endButtons->addWidget(note_, 1);
  QPushButton* ok = Button("OK", endButtons);
  QPushButton* cancel = Button("Cancel", endButtons);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(setBox, 3);
  layout->addWidget(groupBox, 2);
  layout->addLayout(endButtons);

  connect(sets_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    const auto set = static_cast<std::size_t>(item->row());
    const auto column = static_cast<std::size_t>(item->column());
    const std::string refused = editor_.EditSet(set, column, item->text().toStdString());
    note_->setText(Q(refused));
    const QSignalBlocker quiet(sets_);
    item->setText(Q(editor_.Sets()[set][column]));
  });
  connect(addSet, &QPushButton::clicked, this, [this] {
    const std::size_t set = editor_.AddSet();
    ShowSets();
    sets_->setCurrentCell(static_cast<int>(set), 0);
  });
  connect(deleteSet, &QPushButton::clicked, this, [this] {
    if (sets_->currentRow() < 0) return;
    editor_.DeleteSet(static_cast<std::size_t>(sets_->currentRow()));
    ShowSets();
  });
  connect(defaults, &QPushButton::clicked, this, [this] {
    editor_.LoadDefaultSets();
    ShowSets();
  });

  connect(groups_, &QComboBox::currentIndexChanged, this, [this](int) { ShowRows(); });
  connect(addGroup, &QPushButton::clicked, this, [this] {
    bool ok = false;
    const QString name = QInputDialog::getText(this, "Add Group", "Species group name",
                                               QLineEdit::Normal, QString(), &ok);
    if (!ok) return;
    const std::string refused = editor_.AddGroup(name.toStdString());
    if (!refused.empty()) return Tell(refused);
    ShowGroups(static_cast<int>(editor_.Groups().size()) - 1);
  });
  connect(renameGroup, &QPushButton::clicked, this, [this] {
    if (Group() >= editor_.Groups().size()) return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, "Rename Group", "Species group name",
                                               QLineEdit::Normal, groups_->currentText(), &ok);
    if (!ok) return;
    const std::string refused = editor_.RenameGroup(Group(), name.toStdString());
    if (!refused.empty()) return Tell(refused);
    ShowSets();
    ShowGroups(groups_->currentIndex());
  });
  connect(deleteGroup, &QPushButton::clicked, this, [this] {
    const std::string refused = editor_.DeleteGroup(Group());
    if (!refused.empty()) return Tell(refused);
    ShowGroups(0);
  });
  connect(rows_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    editor_.EditRow(Group(), static_cast<std::size_t>(item->row()),
                    static_cast<std::size_t>(item->column()), item->text().toStdString());
  });
  connect(addRow, &QPushButton::clicked, this, [this] {
    const std::string refused = editor_.AddRow(Group());
    if (!refused.empty()) return Tell(refused);
    ShowRows();
    rows_->setCurrentCell(rows_->rowCount() - 1, 0);
  });
  connect(deleteRow, &QPushButton::clicked, this, [this] {
    if (rows_->currentRow() < 0) return;
    editor_.DeleteRow(Group(), static_cast<std::size_t>(rows_->currentRow()));
    ShowRows();
  });

  connect(ok, &QPushButton::clicked, this, [this] {
    const std::string fault = editor_.Store(state_.EditProject());
    if (!fault.empty()) return Tell(fault);
    accept();
    if (applied_) applied_();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(this, &QDialog::rejected, this, [this] { Refresh(); });

  Refresh();
  resize(1100, 640);
}

void RetPriWindow::Refresh() {
  editor_ = c_RetPriEditor(state_.Project());
  note_->clear();
  ShowSets();
  ShowGroups(0);
}

void RetPriWindow::ShowSets() {
  Fill(sets_, editor_.Sets());
  sets_->resizeColumnsToContents();
}

void RetPriWindow::ShowGroups(int select) {
  {
    const QSignalBlocker quiet(groups_);
    groups_->clear();
    for (const d_EditGroup& group : editor_.Groups())
      groups_->addItem(Q(group.Name));
    groups_->setCurrentIndex(std::min(select, groups_->count() - 1));
  }
  ShowRows();
}

void RetPriWindow::ShowRows() {
  const std::size_t group = Group();
  if (group < editor_.Groups().size())
    Fill(rows_, editor_.Groups()[group].Rows);
  else
    Fill(rows_, std::vector<SpeciesRowTexts>());
}

void RetPriWindow::Tell(const std::string& message) {
  QMessageBox::warning(this, "Retention Priority Sets", Q(message));
}

std::size_t RetPriWindow::Group() const {
  const int index = groups_->currentIndex();
  return index < 0 ? editor_.Groups().size() : static_cast<std::size_t>(index);
}

}  // namespace sylvanor
