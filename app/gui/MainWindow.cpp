#include "app/gui/MainWindow.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTableWidget>
#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>
#include <QValueAxis>

#include "app/gui/Convert.h"
#include "app/gui/CrownFireWindow.h"
#include "app/gui/GraphWindows.h"
#include "app/gui/HelpWindow.h"
#include "app/gui/OptionsWindows.h"
#include "app/gui/ReportWindow.h"
#include "app/gui/RetPriWindow.h"
#include "app/gui/SumRepWindow.h"
#include "ui/Help.h"
#include "ui/Reports.h"
#include "ui/ResultBoxes.h"
#include "ui/TreatmentFile.h"

namespace sylvanor {

namespace {

void Show(QWidget* parent, const std::string& text) {
  if (!text.empty()) QMessageBox::information(parent, "Sylvanor", Q(text));
}

constexpr std::array<const char*, 7> kThinCriteria = {
    "CanopyFuelLoad", "CanopyBulkDensity", "TreeDensity", "StandDensityIndex",
    "CanopyCover",    "BasalArea",         "None"};
constexpr std::array<const char*, 4> kSeasons = {"Winter", "Spring", "Summer", "Fall"};
constexpr std::array<const char*, 4> kRegions = {"InteriorWest", "PacificWest", "NorthEast",
                                                 "SouthEast"};
constexpr std::array<const char*, 4> kScenarios = {"VeryDry", "Dry", "Moderate", "Wet"};
constexpr std::array<const char*, 2> kClimates = {"Arid", "Humid"};
constexpr std::array<const char*, 4> kModelSets = {"Albini-13", "Scott-40", "All", "None"};

// An emission factor list: each group's number and cover type, the number
// as the item's data.
QComboBox* EmissionList(const std::vector<d_EmisChoice>& choices) {
  auto* box = new QComboBox;
  for (const d_EmisChoice& c : choices)
    box->addItem(QString::fromStdString(c.Group + " " + c.Cover), QString::fromStdString(c.Group));
  return box;
}

void ChooseData(QComboBox* box, const std::string& data) {
  const int k = box->findData(QString::fromStdString(data));
  if (k >= 0) box->setCurrentIndex(k);
}

QComboBox* Choices(const auto& items) {
  auto* box = new QComboBox;
  for (const char* item : items)
    box->addItem(item);
  return box;
}

// A secondary window brought up to date and to the front.
template <class Window>
void Raise(Window* window) {
  window->Refresh();
  window->show();
  window->raise();
}

void Choose(QComboBox* box, const std::string& text) {
  const int k = box->findText(Q(text), Qt::MatchFixedString);
  if (k >= 0) box->setCurrentIndex(k);
}

}  // namespace

MainWindow::MainWindow(c_MainWindowState& state) : state_(state) {
  setWindowTitle("Sylvanor");
  BuildMenus();
  BuildWindows();

  // the plot list and Calculate
  plots_ = new QComboBox;
  auto* calculate = new QPushButton("&Calculate");
  auto* crownFire = new QPushButton("Crown Fire");
  auto* addRow = new QPushButton("Add Tree Row");
  indices_ = new QLabel;
  retPri_ = new QComboBox;
  treatName_ = new QLineEdit;
  auto* saveTreatment = new QPushButton("Save Treatment");
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel("Plot"));
  top->addWidget(plots_, 1);
  top->addWidget(new QLabel("Retention priority"));
  top->addWidget(retPri_, 1);
  auto* editSets = new QPushButton("Edit Sets");
  top->addWidget(editSets);
  top->addWidget(new QLabel("Treatment"));
  top->addWidget(treatName_, 1);
  top->addWidget(saveTreatment);
  top->addWidget(calculate);
  top->addWidget(crownFire);
  top->addWidget(addRow);
  top->addWidget(indices_, 2);

  // the tree grid
  grid_ = new QTableWidget(0, static_cast<int>(kGridColumns));
  QStringList headings;
  for (const char* heading : kGridHeadings)
    headings << heading;
  grid_->setHorizontalHeaderLabels(headings);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::MultiSelection);

  // the fuel boxes
  auto* fuelBox = new QGroupBox("Fuels (tons/acre)");
  auto* fuelForm = new QFormLayout(fuelBox);
  for (std::size_t k = 0; k < fuel_.size(); ++k) {
    fuel_[k] = new QLineEdit;
    fuelForm->addRow(kFuelLabels[k], fuel_[k]);
  }

  // the treatment groups and the fuel model selector
  const auto group =
      [this](const char* title, QCheckBox* on,
             std::initializer_list<std::pair<const char*, std::string d_WindowInputs::*>> rows) {
        auto* box = new QGroupBox(title);
        auto* form = new QFormLayout(box);
        if (on) form->addRow(on);
        for (const auto& [label, field] : rows) {
          auto* edit = new QLineEdit;
          form->addRow(label, edit);
          boxes_.push_back({edit, field});
        }
        return std::pair{box, form};
      };
  using W = d_WindowInputs;
  thin_ = new QCheckBox("Thin"), prune_ = new QCheckBox("Prune");
  pile_ = new QCheckBox("Pile"), burn_ = new QCheckBox("Broadcast Burn");
  auto [thinBox, thinForm] = group("Thinning", thin_,
                                   {{"Thin To Target", &W::ThinTarget},
                                    {"Cut Efficiency %", &W::CutEff},
                                    {"Minimum <DBH>", &W::MinDia},
                                    {"Maximum <DBH>", &W::MaxDia},
                                    {"Merch dia >=", &W::MerchDia},
                                    {"Top Diameter", &W::TopDia},
                                    {"Yard Loss %", &W::YardLoss}});
  thinCrit_ = Choices(kThinCriteria);
  thinForm->insertRow(1, "Criterion", thinCrit_);
  auto [pruneBox, pruneForm] =
      group("Pruning", prune_, {{"Height", &W::PruneHgt}, {"M R C R %", &W::PruneMRCR}});
  auto [pileBox, pileForm] = group("Piling", pile_,
                                   {{"Slash %", &W::PileSlash},
                                    {"Consumed %", &W::PileConsumed},
                                    {"Surface %", &W::PileSurface}});
  auto [burnBox, burnForm] = group("Broadcast Burn", burn_,
                                   {{"Scorch Hgt (ft)", &W::ScorchHgt},
                                    {" 10 Hr", &W::Moist10Hr},
                                    {"1k Hr", &W::Moist1kHr},
                                    {"Moss+Lichen %", &W::MossLichen},
                                    {"Pre-burn Duff Depth (in)", &W::DuffDepth},
                                    {"Moisture", &W::DuffMoist}});
  region_ = Choices(kRegions), season_ = Choices(kSeasons), moist_ = Choices(kScenarios);
  burnForm->addRow("Region", region_);
  burnForm->addRow("Season", season_);
  burnForm->addRow("Moisture scenario", moist_);
  auto [selectorBox, selectorForm] = group("Fuel Model Selector", nullptr,
                                           {{"Grass SAV", &W::HerbSAV},
                                            {"Shrub SAV", &W::ShrubSAV},
                                            {"1 Hr SAV", &W::OneHrSAV},
                                            {"Fuel Bed Depth (in)", &W::BedDepth}});
  selector_ = selectorBox;
  climate_ = Choices(kClimates), modelSet_ = Choices(kModelSets);
  selectorForm->addRow("Climate", climate_);
  selectorForm->addRow("Model set", modelSet_);
  const d_EmisLists& lists = state_.EmissionChoices();
  emisFlame_ = EmissionList(lists.Flame), emisDuff_ = EmissionList(lists.Duff);
  emisCoarse_ = EmissionList(lists.Coarse);
  burnForm->addRow("Short-term Flaming\nand Smoldering", emisFlame_);
  burnForm->addRow("Duff RSC", emisDuff_);
  burnForm->addRow("Coarse Wood RSC", emisCoarse_);
  (void)pruneForm, (void)pileForm;
  auto* treatment = new QVBoxLayout;
  for (QWidget* box : {static_cast<QWidget*>(thinBox), static_cast<QWidget*>(pruneBox),
                       static_cast<QWidget*>(pileBox), static_cast<QWidget*>(burnBox),
                       static_cast<QWidget*>(selectorBox)})
    treatment->addWidget(box);
  treatment->addStretch();

  // the result boxes and the canopy bulk density chart
  results_ = new QTableWidget(0, 4);
  results_->setHorizontalHeaderLabels({"", "Result", "Pre", "Post"});
  results_->verticalHeader()->hide();
  results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  chart_ = new QChartView(new QChart);
  chart_->setMinimumHeight(260);

  auto* inputs = new QWidget;
  auto* inputsLayout = new QHBoxLayout(inputs);
  inputsLayout->addWidget(fuelBox);
  inputsLayout->addLayout(treatment);
  auto* scroll = new QScrollArea;
  scroll->setWidget(inputs);
  scroll->setWidgetResizable(true);

  auto* right = new QSplitter(Qt::Vertical);
  right->addWidget(results_);
  right->addWidget(chart_);
  auto* left = new QSplitter(Qt::Vertical);
  left->addWidget(grid_);
  left->addWidget(scroll);
  auto* body = new QSplitter;
  body->addWidget(left);
  body->addWidget(right);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(top);
  layout->addWidget(body, 1);
  setCentralWidget(central);
  resize(1400, 900);

  connect(calculate, &QPushButton::clicked, this, [this] { Calculate(); });
  connect(editSets, &QPushButton::clicked, this, [this] { Raise(retPriSets_); });
  connect(plots_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!showing_ && index >= 0) ShowPlot(index);
  });
  connect(retPri_, &QComboBox::activated, this, [this](int) {
    ReadBoxes();
    state_.ChooseRetPri(S(retPri_->currentText()));
    ShowState();
  });
  // a row typed in by hand, read like any other at the next Calculate
  connect(addRow, &QPushButton::clicked, this, [this] {
    grid_->insertRow(grid_->rowCount());
    grid_->scrollToBottom();
  });
  connect(saveTreatment, &QPushButton::clicked, this, [this] {
    ReadBoxes();
    if (!state_.SaveTreatment()) Show(this, "Please give the treatment a name");
  });
  connect(crownFire, &QPushButton::clicked, this, [this] {
    CrownFireWindow details(state_, this);
    details.exec();
  });
  connect(results_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    const QString label = results_->item(row, 1)->text();
    if (label.startsWith("Canopy bulk density") || label.startsWith("Canopy base height"))
      Show(this, ThresholdText(state_.Engine()));
  });
  ShowState();
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->addAction("Open Project", this, [this] { OpenProject(); });
  file->addAction("Save Project", this, [this] { SaveProject(false); });
  file->addAction("SaveAs Project", this, [this] { SaveProject(true); });
  file->addAction("New Project", this, [this] {
    state_.NewProject();
    ShowState();
  });
  file->addSeparator();
  file->addAction("Input VXD", this, [this] { InputPlots("VXD", "VXD plot files (*.vxd)"); });
  file->addAction("Input PDQ", this, [this] { InputPlots("PDQ", "PDQ plot files (*.pdq)"); });
  file->addAction("Input KVT", this, [this] { InputPlots("KVT", "KVT plot files (*.kvt *.csv)"); });
  file->addSeparator();
  file->addAction("Exit", this, [this] { close(); });

  // reports of the last run: texts in the report window, files saved
  QMenu* report = menuBar()->addMenu("&Report");
  for (const d_ReportEntry& item : kReportEntries) {
    const std::string entry(item.Entry);
    const bool file = item.Suffix.ends_with(".csv");
    const auto run = [this, entry, file](e_CsvForm form) {
      if (const std::string reason = NoReportReason(state_); !reason.empty())
        return Show(this, reason);
      const d_ReportSource source = ReportSource(state_);
      const std::string text = ReportText(source, entry, form);
      const std::string name = ReportFileName(source.Plot, entry);
      if (file)
        SaveFile(text, name, "CSV files (*.csv)");
      else
        report_->ShowText(Q(entry), text, name);
    };
    if (!item.Forms) {
      report->addAction(Q(entry), this, [run] { run(e_CsvForm::DataHeadings); });
      continue;
    }
    QMenu* forms = report->addMenu(Q(entry));
    for (std::size_t k = 0; k < kCsvForms.size(); ++k)
      forms->addAction(kCsvForms[k], this, [run, k] { run(static_cast<e_CsvForm>(k)); });
  }

  QMenu* graph = menuBar()->addMenu("&Graph");
  graph->addAction("Fuel Stand", this, [this] { Raise(fuelStand_); });
  graph->addAction("Emission", this, [this] { Raise(emisGraph_); });

  QMenu* options = menuBar()->addMenu("&Options");
  options->addAction("Settings", this, [this] {
    ReadBoxes();
    Raise(settings_);
  });
  options->addAction("Equation Table", this, [this] { Raise(eqTable_); });
  options->addAction("Color Settings", this, [this] { Raise(colors_); });
  showFuelModel_ = options->addAction("Show Fuel Model");
  showFuelModel_->setCheckable(true);
  connect(showFuelModel_, &QAction::toggled, this, [this](bool on) {
    state_.EditProject().FuelModelShow = on;
    selector_->setVisible(on);
  });
  options->addAction("Run Batch Summary", this, [this] {
    ReadBoxes();
    batchRun_->OpenFromMain();
  });
  options->addAction("Show Batch Summary", this, [this] { Raise(batchRun_); });
  options->addAction("Treatment File", this, [this] { Raise(treatFile_); });
  options->addAction("Retention Priority Sets", this, [this] { Raise(retPriSets_); });
  options->addAction("Sitelog Export", this, [this] { Show(this, kSitelogExport); });

  QMenu* help = menuBar()->addMenu("&Help");
  help->addAction("User Guide", this, [this] {
    help_->ShowHelp("Sylvanor User Guide", ReadHelp(state_.ProgramDir(), kUserGuide));
  });
  help->addAction("Quick Reference", this, [this] {
    help_->ShowHelp("Sylvanor Quick Reference", ReadHelp(state_.ProgramDir(), kQuickReference));
  });
  help->addAction("About", this,
                  [this] { QMessageBox::about(this, "About Sylvanor", Q(AboutText())); });
}

void MainWindow::BuildWindows() {
  report_ = new ReportWindow(this);
  fuelStand_ = new FuelStandWindow(state_, this);
  emisGraph_ = new EmissionGraphWindow(state_, this);
  colors_ = new ColorSettingsWindow(state_, this);
  colors_->OnSaved([this] {
    DrawProfile();
    fuelStand_->Refresh();
    emisGraph_->Refresh();
  });
  settings_ = new SettingsWindow(state_, this);
  // the threshold and the decimals are not boxes of this window: a run
  // shows their effect
  settings_->OnApplied([this] {
    if (state_.LastRun().Ok) Calculate();
  });
  treatFile_ = new TreatmentFileWindow(state_, this);
  treatFile_->OnLoad([this] { ShowTreatment(); });
  eqTable_ = new EquationTableWindow(state_, this);
  retPriSets_ = new RetPriWindow(state_, this);
  retPriSets_->OnApplied([this] {
    ReadBoxes();
    state_.ApplyRetentionPriority();
    ShowState();
  });
  help_ = new HelpWindow(this);
  batchRun_ = new SumRepWindow(state_, this);
}

void MainWindow::SaveFile(const std::string& text, const std::string& name, const char* filter) {
  const QString folder = Q(std::filesystem::path(state_.PlotFile()).parent_path().string());
  const QString path = QFileDialog::getSaveFileName(
      this, "Save", folder.isEmpty() ? Q(name) : folder + "/" + Q(name), filter);
  if (path.isEmpty()) return;
  std::string message;
  if (!SaveText(S(path), text, message)) Show(this, message);
}

void MainWindow::ShowState() {
  const d_WindowInputs& in = state_.Inputs();
  for (std::size_t k = 0; k < fuel_.size(); ++k)
    fuel_[k]->setText(Q(in.Fuel[k]));
  for (const auto& [edit, field] : boxes_)
    edit->setText(Q(in.*field));
  thin_->setChecked(in.Thin), prune_->setChecked(in.Prune);
  pile_->setChecked(in.Pile), burn_->setChecked(in.Burn);
  Choose(thinCrit_, in.ThinCrit), Choose(region_, in.Region);
  Choose(season_, in.Season), Choose(moist_, in.MoistScenario);
  Choose(climate_, in.Climate), Choose(modelSet_, in.ModelSet);
  ChooseData(emisFlame_, in.EmisFlame), ChooseData(emisDuff_, in.EmisDuff);
  ChooseData(emisCoarse_, in.EmisCoarse);
  treatName_->setText(Q(in.TreatName));
  showFuelModel_->setChecked(state_.Project().FuelModelShow);
  selector_->setVisible(state_.Project().FuelModelShow);
  retPri_->clear();
  for (const std::string& name : state_.RetPriNames())
    retPri_->addItem(Q(name));
  Choose(retPri_, state_.Project().RetPri);

  grid_->clearSelection();
  grid_->setRowCount(static_cast<int>(in.Trees.size()));
  for (std::size_t r = 0; r < in.Trees.size(); ++r)
    for (std::size_t c = 0; c < kGridColumns; ++c)
      grid_->setItem(static_cast<int>(r), static_cast<int>(c),
                     new QTableWidgetItem(Q(in.Trees[r][c])));

  showing_ = true;
  plots_->clear();
  for (const std::string& plot : state_.Plots())
    plots_->addItem(Q(plot));
  plots_->setCurrentIndex(state_.CurrentPlot());
  showing_ = false;
  setWindowTitle(Q("Sylvanor - " + (state_.ProjectFile().empty() ? std::string("New Project")
                                                                 : state_.ProjectFile())));
}

void MainWindow::ShowTreatment() {
  const d_WindowInputs& in = state_.Inputs();
  for (const auto& [edit, field] : boxes_)
    for (const d_TreatmentField& treatment : kTreatmentFields)
      if (treatment.Box == field) edit->setText(Q(in.*field));
  Choose(thinCrit_, in.ThinCrit), Choose(region_, in.Region), Choose(season_, in.Season);
  treatName_->setText(Q(in.TreatName));
}

void MainWindow::ReadBoxes() {
  d_WindowInputs& in = state_.Inputs();
  for (std::size_t k = 0; k < fuel_.size(); ++k)
    in.Fuel[k] = S(fuel_[k]->text());
  for (const auto& [edit, field] : boxes_)
    in.*field = S(edit->text());
  in.Thin = thin_->isChecked(), in.Prune = prune_->isChecked();
  in.Pile = pile_->isChecked(), in.Burn = burn_->isChecked();
  in.ThinCrit = S(thinCrit_->currentText()), in.Region = S(region_->currentText());
  in.Season = S(season_->currentText()), in.MoistScenario = S(moist_->currentText());
  in.Climate = S(climate_->currentText()), in.ModelSet = S(modelSet_->currentText());
  in.EmisFlame = S(emisFlame_->currentData().toString());
  in.EmisDuff = S(emisDuff_->currentData().toString());
  in.EmisCoarse = S(emisCoarse_->currentData().toString());
  in.TreatName = S(treatName_->text());
  in.Trees.resize(static_cast<std::size_t>(grid_->rowCount()));
  in.Selected.assign(in.Trees.size(), false);
  for (int r = 0; r < grid_->rowCount(); ++r)
    for (int c = 0; c < static_cast<int>(kGridColumns); ++c) {
      const QTableWidgetItem* item = grid_->item(r, c);
      in.Trees[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
          item ? S(item->text()) : std::string();
    }
  for (const QModelIndex& row : grid_->selectionModel()->selectedRows())
    in.Selected[static_cast<std::size_t>(row.row())] = true;
}

void MainWindow::Calculate() {
  ReadBoxes();
  if (std::find(state_.Inputs().Selected.begin(), state_.Inputs().Selected.end(), true) !=
      state_.Inputs().Selected.end())
    Show(this, kSelectedRowsWarning);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const d_CalcResult result = state_.Calculate();
  QApplication::restoreOverrideCursor();
  if (!result.Ok) {
    Show(this, result.Message);
    return;
  }
  for (const std::string& message : result.Hal.Messages)
    Show(this, message);
  const d_WindowInputs& in = state_.Inputs();
  for (std::size_t r = 0; r < in.Trees.size(); ++r) {
    grid_->setItem(static_cast<int>(r), 10, new QTableWidgetItem(Q(in.Trees[r][10])));
    grid_->setItem(static_cast<int>(r), 11, new QTableWidgetItem(Q(in.Trees[r][11])));
  }
  ShowResults();
  DrawProfile();
  // a hidden graph window is brought up to date when it is shown
  if (fuelStand_->isVisible()) fuelStand_->Refresh();
  if (emisGraph_->isVisible()) emisGraph_->Refresh();
}

void MainWindow::ShowResults() {
  const d_OutputIndices& x = state_.LastRun().Indices;
  const std::vector<d_ResultBox> boxes =
      ResultBoxes(state_.Engine(), x, state_.Project().DecimalPrecision);
  results_->setRowCount(static_cast<int>(boxes.size()));
  for (std::size_t r = 0; r < boxes.size(); ++r) {
    const d_ResultBox& box = boxes[r];
    int c = 0;
    for (const std::string* text : {&box.Group, &box.Label, &box.Pre, &box.Post})
      results_->setItem(static_cast<int>(r), c++, new QTableWidgetItem(Q(*text)));
  }
  results_->resizeColumnsToContents();
  indices_->setText(QString("Torching %1 / %2   Crowning %3 / %4 mi/hr (pre / post)")
                        .arg(x.PreTorch, 0, 'f', 0)
                        .arg(x.PostTorch, 0, 'f', 0)
                        .arg(x.PreCrown, 0, 'f', 0)
                        .arg(x.PostCrown, 0, 'f', 0));
}

void MainWindow::DrawProfile() {
  const Sylvanor& s = state_.Engine();
  auto* chart = new QChart;
  chart->setTitle("Canopy bulk density profile");
  double top = 0, most = 0;
  const auto add = [&](const char* name, std::span<const float> layers, int count) {
    auto* series = new QLineSeries;
    series->setName(name);
    const float width = s.Settings().LayWid > 0 ? s.Settings().LayWid : 1.0f;
    for (int k = 0; k < count && k < static_cast<int>(layers.size()); ++k) {
      series->append(layers[static_cast<std::size_t>(k)], (k + 1) * width);
      most = std::max(most, static_cast<double>(layers[static_cast<std::size_t>(k)]));
      top = std::max(top, static_cast<double>((k + 1) * width));
    }
    connect(series, &QLineSeries::hovered, this, [](const QPointF& point, bool state) {
      if (state)
        QToolTip::showText(
            QCursor::pos(),
            QString("%1 kg/m3 at %2 ft").arg(point.x(), 0, 'f', 4).arg(point.y(), 0, 'f', 0));
    });
    chart->addSeries(series);
    return series;
  };
  const d_ChartColors& colors = state_.ChartColors;
  add("Pre-treatment", s.Get_PreVDR(), s.Get_PreVDRlays())->setColor(ColorOf(colors.PreTreatment));
  add("Post-treatment", s.Get_VDR(), s.Get_VDRlays())->setColor(ColorOf(colors.PostTreatment));
  auto* threshold = new QLineSeries;
  threshold->setName("Threshold");
  threshold->append(s.Get_CBDThreshold(), 0);
  threshold->append(s.Get_CBDThreshold(), top);
  chart->addSeries(threshold);  // the chart's theme colours a series as it is added
  threshold->setColor(ColorOf(colors.Threshold));
  chart->createDefaultAxes();
  const auto axes = chart->axes();
  if (axes.size() == 2) {
    axes[0]->setTitleText("Canopy bulk density (kg/m3)");
    axes[0]->setRange(0, std::max(most, static_cast<double>(s.Get_CBDThreshold())) * 1.1);
    axes[1]->setTitleText("Height (ft)");
  }
  ReplaceChart(chart_, chart);
}

void MainWindow::ShowPlot(int index) {
  ReadBoxes();
  const d_ShowPlot shown = state_.ShowPlot(index);
  if (!shown.Ok) {
    Show(this, shown.Message);
    return;
  }
  ShowState();
  AnnounceWarnings(shown);
  Calculate();
}

void MainWindow::AnnounceWarnings(const d_ShowPlot& shown) {
  if (shown.Notice.text.empty()) return;
  const auto answer =
      QMessageBox::question(this, Q(shown.Notice.title), Q(shown.Notice.text),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Yes)
    QDesktopServices::openUrl(QUrl::fromLocalFile(Q(shown.WarningsFile)));
  if (answer == QMessageBox::Cancel) state_.SuppressWarnings();
}

void MainWindow::OpenProject() {
  const QString path = QFileDialog::getOpenFileName(this, "Open Project", {},
                                                    "Project files (*.vxp *.prj);;All files (*)");
  if (path.isEmpty()) return;
  std::string message;
  if (!state_.OpenProject(S(path), message)) Show(this, message);
  ShowState();
  if (state_.CurrentPlot() >= 0) Calculate();
}

void MainWindow::SaveProject(bool as) {
  ReadBoxes();
  QString path = Q(state_.ProjectFile());
  if (as || path.isEmpty())
    path = QFileDialog::getSaveFileName(this, "Save Project", path, "Project files (*.vxp)");
  if (path.isEmpty()) return;
  std::string message;
  if (!state_.SaveProject(S(path), message)) Show(this, message);
  ShowState();
}

void MainWindow::InputPlots(const char* layout, const char* filter) {
  const QString path = QFileDialog::getOpenFileName(this, QString("Input %1").arg(layout), {},
                                                    QString(filter) + ";;All files (*)");
  if (path.isEmpty()) return;
  std::string message;
  if (!state_.LoadPlotFile(S(path), layout, message)) {
    Show(this, message);
    return;
  }
  ShowState();
  if (!state_.Plots().empty()) ShowPlot(0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  const auto answer =
      QMessageBox::question(this, "Exiting Sylvanor", "Do you want to save your settings ? ",
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Cancel) {
    event->ignore();
    return;
  }
  if (answer == QMessageBox::Yes) {
    ReadBoxes();
    std::string message;
    if (!state_.SaveSettings(message)) Show(this, message);
  }
  event->accept();
}

}  // namespace sylvanor
