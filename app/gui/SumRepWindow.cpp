#include "app/gui/SumRepWindow.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/gui/Convert.h"

namespace sylvanor {

namespace {

constexpr std::array<const char*, 5> kButtons = {"Run", "Pause", "Continue", "Abort", "Close"};

}  // namespace

SumRepWindow::SumRepWindow(c_MainWindowState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setWindowTitle("Batch Run");
  Tell = [this](const std::string& text) {
    QMessageBox::information(this, windowTitle(), Q(text));
  };
  Ask = [this](const std::string& text) {
    return QMessageBox::question(this, windowTitle(), Q(text)) == QMessageBox::Yes;
  };

  auto* files = new QFormLayout;
  const std::array<std::pair<QLineEdit**, const char*>, 4> boxes = {{{&plot_, "Plot File"},
                                                                     {&tree_, "Tree File"},
                                                                     {&output_, "Output File"},
                                                                     {&error_, "Error File"}}};
  for (const auto& [box, caption] : boxes) {
    *box = new QLineEdit;
    auto* browse = new QPushButton("…");
    QLineEdit* edit = *box;
    const bool save = edit == output_ || edit == error_;
    connect(browse, &QPushButton::clicked, this, [this, edit, save] { Browse(edit, save); });
    auto* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(browse);
    files->addRow(caption, row);
  }

  plots_ = new QLabel, processed_ = new QLabel, skipped_ = new QLabel, current_ = new QLabel;
  errors_ = new QLabel;
  auto* counts = new QHBoxLayout;
  for (QLabel* label : {plots_, processed_, skipped_, errors_, current_})
    counts->addWidget(label);
  counts->addStretch(1);

  auto* buttons = new QHBoxLayout;
  for (std::size_t k = 0; k < kButtons.size(); ++k)
    buttons_[k] = new QPushButton(kButtons[k]);
  auto* errorFile = new QPushButton("Error File");
  for (std::size_t k = 0; k < 4; ++k)
    buttons->addWidget(buttons_[k]);
  buttons->addWidget(errorFile);
  buttons->addStretch(1);
  buttons->addWidget(buttons_[4]);
  connect(buttons_[0], &QPushButton::clicked, this, [this] { Start(); });
  connect(buttons_[1], &QPushButton::clicked, this, [this] {
    run_.Pause();
    Refresh();
  });
  connect(buttons_[2], &QPushButton::clicked, this, [this] {
    run_.Continue();
    Refresh();
    timer_->start();
  });
  connect(buttons_[3], &QPushButton::clicked, this, [this] { run_.Abort(); });
  connect(buttons_[4], &QPushButton::clicked, this, &QDialog::hide);
  connect(errorFile, &QPushButton::clicked, this, [this] {
    ReadBoxes();
    if (const std::string problem = run_.OpenErrorFile(); !problem.empty()) Tell(problem);
  });

  grid_ = new QTableWidget;
  const std::vector<std::string> columns = SummaryColumns();
  grid_->setColumnCount(static_cast<int>(columns.size()));
  QStringList headings;
  for (const std::string& c : columns)
    headings << Q(c);
  grid_->setHorizontalHeaderLabels(headings);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->verticalHeader()->hide();

  timer_ = new QTimer(this);
  timer_->setInterval(0);
  connect(timer_, &QTimer::timeout, this, [this] { StepOnce(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(files);
  layout->addLayout(counts);
  layout->addLayout(buttons);
  layout->addWidget(grid_, 1);
  resize(1100, 640);
  Refresh();
}

QPushButton* SumRepWindow::Button(const char* text) const {
  for (std::size_t k = 0; k < kButtons.size(); ++k)
    if (std::string_view(kButtons[k]) == text) return buttons_[k];
  return nullptr;
}

void SumRepWindow::OpenFromMain() {
  std::string message;
  if (!run_.Open(state_, message)) return Tell(message);
  ShowFiles();
  Refresh();
  show();
  raise();
}

void SumRepWindow::ReadBoxes() {
  if (run_.Running()) return;
  run_.Files = {S(plot_->text()), S(tree_->text()), S(output_->text()), S(error_->text())};
}

void SumRepWindow::Start() {
  ReadBoxes();
  grid_->setRowCount(0);
  rowsShown_ = 0;
  std::string message;
  const int started = run_.Run(message);
  Refresh();
  if (!started) return Tell(message);
  timer_->start();
}

void SumRepWindow::StepOnce() {
  e_SumRepStep step = run_.Step();
  if (step == e_SumRepStep::AskAbort) {
    timer_->stop();
    step = run_.AnswerAbort(Ask(kSumRepAbortQuestion));
    if (step == e_SumRepStep::Processed) timer_->start();
  }
  if (step == e_SumRepStep::Paused || step == e_SumRepStep::Ended) timer_->stop();
  Refresh();
  if (step == e_SumRepStep::Ended) {
    for (const std::string& text : run_.EndMessages())
      Tell(text);
  }
}

void SumRepWindow::ShowFiles() {
  plot_->setText(Q(run_.Files.Plot));
  tree_->setText(Q(run_.Files.Tree));
  output_->setText(Q(run_.Files.Output));
  error_->setText(Q(run_.Files.Error));
}

void SumRepWindow::Refresh() {
  for (QLineEdit* box : {plot_, tree_, output_, error_})
    box->setReadOnly(run_.Running());
  plots_->setText(QString("Plots: %1").arg(run_.PlotCount()));
  processed_->setText(QString("Processed: %1").arg(run_.Processed()));
  skipped_->setText(QString("Skipped: %1").arg(run_.Skipped()));
  errors_->setText(QString("Errors: %1").arg(run_.ErrorCount()));
  current_->setText("Plot: " + Q(run_.LastPlot()));

  const d_SumRepButtons on = run_.Buttons();
  const std::array<bool, 5> enabled = {on.Run, on.Pause, on.Continue, on.Abort, on.Close};
  for (std::size_t k = 0; k < buttons_.size(); ++k)
    buttons_[k]->setEnabled(enabled[k]);

  // the rows the run added since the grid was last drawn
  const auto& rows = run_.Rows();
  if (rowsShown_ > rows.size()) rowsShown_ = 0, grid_->setRowCount(0);
  const bool added = rowsShown_ < rows.size();
  for (; rowsShown_ < rows.size(); ++rowsShown_) {
    const int r = grid_->rowCount();
    grid_->insertRow(r);
    const d_SummaryRow& row = rows[rowsShown_];
    const std::vector<std::string> cells = SummaryCells(row);
    for (std::size_t c = 0; c < cells.size(); ++c) {
      auto* item = new QTableWidgetItem(Q(cells[c]));
      // the numbers line up on the right, the plot and fuel model codes on the left
      if (c > 0 && c <= kOutputValues) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      QFont font = item->font();
      font.setBold(row.Average);
      item->setFont(font);
      grid_->setItem(r, static_cast<int>(c), item);
    }
  }
  if (added) {
    grid_->scrollToBottom();
    if (!run_.Running()) grid_->resizeColumnsToContents();
  }
}

void SumRepWindow::Browse(QLineEdit* box, bool save) {
  const QString path = save ? QFileDialog::getSaveFileName(this, windowTitle(), box->text())
                            : QFileDialog::getOpenFileName(this, windowTitle(), box->text());
  if (path.isEmpty()) return;
  box->setText(path);
  // a new plot file proposes the other files beside it
  if (box == plot_) {
    run_.Files = ProposeFiles(S(path));
    ShowFiles();
  }
}

}  // namespace sylvanor
