#include "app/gui/GraphWindows.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

#include "app/gui/Convert.h"
#include "ui/GraphData.h"
#include "ui/ResultBoxes.h"

namespace sylvanor {

namespace {

QChartView* NewView() {
  auto* view = new QChartView;
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(480, 300);
  return view;
}

// A grouped bar chart of `bars`, before and after treatment side by side.
QChart* BarChart(const char* title, const std::vector<d_Bar>& bars, const d_ChartColors& colors,
                 bool horizontal, const QString& valueTitle) {
  auto* chart = new QChart;
  chart->setTitle(title);
  auto* pre = new QBarSet(kPreSeries);
  auto* post = new QBarSet(kPostSeries);
  pre->setColor(ColorOf(colors.PreTreatment));
  post->setColor(ColorOf(colors.PostTreatment));
  QStringList categories;
  double most = 0;
  for (const d_Bar& bar : bars) {
    // labels under the bars break at their blanks (axis labels are rich text)
    QString label = Q(bar.Label);
    if (!horizontal) label.replace(' ', "<br>");
    categories << label;
    *pre << bar.Pre;
    *post << bar.Post;
    most = std::max({most, static_cast<double>(bar.Pre), static_cast<double>(bar.Post)});
  }
  QAbstractBarSeries* series =
      horizontal ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries) : new QBarSeries;
  series->append(pre);
  series->append(post);
  chart->addSeries(series);
  auto* categoryAxis = new QBarCategoryAxis;
  categoryAxis->append(categories);
  QFont small = categoryAxis->labelsFont();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  categoryAxis->setLabelsFont(small);
  auto* valueAxis = new QValueAxis;
  valueAxis->setTitleText(valueTitle);
  valueAxis->setRange(0, most > 0 ? most * 1.1 : 1.0);
  valueAxis->applyNiceNumbers();
  chart->addAxis(categoryAxis, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
  chart->addAxis(valueAxis, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
  series->attachAxis(categoryAxis);
  series->attachAxis(valueAxis);
  return chart;
}

QPushButton* SavePngButton(QDialog* dialog, std::function<bool(const QString&)> save) {
  auto* button = new QPushButton("Save PNG…");
  QObject::connect(button, &QPushButton::clicked, dialog, [dialog, save] {
    const QString path = QFileDialog::getSaveFileName(dialog, "Save PNG", {}, "PNG images (*.png)");
    if (!path.isEmpty() && !save(path))
      QMessageBox::warning(dialog, "Sylvanor", kPngNotWritten + path);
  });
  return button;
}

// The widget as it is laid out, written as a PNG file.
bool GrabPng(QWidget* widget, const QString& path) {
  if (QWidget* window = widget->window(); !window->isVisible() && window->layout())
    window->layout()->activate();
  return widget->grab().save(path, "PNG");
}

}  // namespace

void ReplaceChart(QChartView* view, QChart* chart) {
  QChart* old = view->chart();
  view->setChart(chart);
  delete old;
}

FuelStandWindow::FuelStandWindow(c_MainWindowState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setWindowTitle("Fuel Stand");
  charts_ = new QWidget;
  auto* chartsLayout = new QVBoxLayout(charts_);
  fuel_ = NewView();
  stand_ = NewView();
  chartsLayout->addWidget(fuel_, 3);
  chartsLayout->addWidget(stand_, 2);
  measure_ = new QComboBox;
  for (const d_MeasureGetters& m : kStandMeasures)
    measure_->addItem(m.Label);
  connect(measure_, &QComboBox::currentIndexChanged, this, [this] { DrawStand(); });
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel("Stand measure"));
  row->addWidget(measure_);
  row->addStretch();
  row->addWidget(SavePngButton(this, [this](const QString& path) { return SavePng(path); }));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(charts_, 1);
  layout->addLayout(row);
  resize(1100, 760);
  Refresh();
}

void FuelStandWindow::Refresh() {
  colors_ = state_.ChartColors;
  const bool run = state_.LastRun().Ok;
  ReplaceChart(fuel_,
               BarChart(kFuelChartTitle, run ? FuelLoadBars(state_.Engine()) : std::vector<d_Bar>{},
                        colors_, false, kLoadAxis));
  DrawStand();
}

void FuelStandWindow::DrawStand() {
  const int chosen = std::max(measure_->currentIndex(), 0);
  std::vector<d_Bar> bars;
  if (state_.LastRun().Ok) bars = {StandBars(state_.Engine())[static_cast<std::size_t>(chosen)]};
  ReplaceChart(stand_, BarChart(kStandChartTitle, bars, colors_, true, measure_->itemText(chosen)));
}

bool FuelStandWindow::SavePng(const QString& path) {
  return GrabPng(charts_, path);
}

EmissionGraphWindow::EmissionGraphWindow(c_MainWindowState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setWindowTitle("Emission");
  chart_ = NewView();
  pollutant_ = new QComboBox;
  for (const char* name : kPollutantLabels)
    pollutant_->addItem(name);
  connect(pollutant_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  noBurn_ = new QLabel(kNoBurn);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel("Pollutant"));
  row->addWidget(pollutant_);
  row->addWidget(noBurn_);
  row->addStretch();
  row->addWidget(SavePngButton(this, [this](const QString& path) { return SavePng(path); }));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chart_, 1);
  layout->addLayout(row);
  resize(900, 560);
  Refresh();
}

void EmissionGraphWindow::Refresh() {
  const d_ChartColors& colors = state_.ChartColors;
  const int chosen = std::max(pollutant_->currentIndex(), 0);
  const std::vector<d_EmisPoint> points =
      state_.LastRun().Ok ? EmissionHistory(state_.Engine(), chosen) : std::vector<d_EmisPoint>{};
  noBurn_->setVisible(points.empty());
  auto* chart = new QChart;
  chart->setTitle(kEmissionChartTitle);
  auto* intensity = new QLineSeries;
  intensity->setName(kIntensitySeries);
  intensity->setColor(ColorOf(colors.Intensity));
  auto* value = new QLineSeries;
  value->setName(pollutant_->itemText(chosen));
  value->setColor(ColorOf(colors.Pollutant));
  double end = 1, mostIntensity = 0, mostValue = 0;
  for (const d_EmisPoint& p : points) {
    intensity->append(p.Minutes, p.Intensity);
    value->append(p.Minutes, p.Value);
    end = std::max(end, static_cast<double>(p.Minutes));
    mostIntensity = std::max(mostIntensity, static_cast<double>(p.Intensity));
    mostValue = std::max(mostValue, static_cast<double>(p.Value));
  }
  chart->addSeries(intensity);
  chart->addSeries(value);
  const auto axis = [chart](const QString& title, double most, Qt::Alignment where) {
    auto* a = new QValueAxis;
    a->setTitleText(title);
    a->setRange(0, most > 0 ? most * 1.1 : 1.0);
    a->applyNiceNumbers();
    chart->addAxis(a, where);
    return a;
  };
  QValueAxis* time = axis(kTimeAxis, end / 1.1, Qt::AlignBottom);
  QValueAxis* left = axis(kIntensityAxis, mostIntensity, Qt::AlignLeft);
  QValueAxis* right = axis(Q(PollutantAxis(chosen)), mostValue, Qt::AlignRight);
  left->setLinePenColor(intensity->color());
  right->setLinePenColor(value->color());
  for (QLineSeries* s : {intensity, value})
    s->attachAxis(time);
  intensity->attachAxis(left);
  value->attachAxis(right);
  ReplaceChart(chart_, chart);
}

bool EmissionGraphWindow::SavePng(const QString& path) {
  return GrabPng(chart_, path);
}

ColorSettingsWindow::ColorSettingsWindow(c_MainWindowState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setWindowTitle("Color Settings");
  auto* grid = new QGridLayout;
  int r = 0;
  for (const d_ChartColorName& name : kChartColorNames) {
    auto* swatch = new QPushButton;
    swatch->setFixedWidth(60);
    auto* text = new QLineEdit;
    text->setMaxLength(7);
    grid->addWidget(new QLabel(name.Caption), r, 0);
    grid->addWidget(swatch, r, 1);
    grid->addWidget(text, r++, 2);
    rows_.emplace_back(swatch, text);
    std::string d_ChartColors::*member = name.Member;
    connect(text, &QLineEdit::textEdited, this, [this, member](const QString& typed) {
      colors_.*member = typed.toStdString();
      ShowColors();
    });
    connect(swatch, &QPushButton::clicked, this, [this, member, caption = name.Caption] {
      const QColor picked = QColorDialog::getColor(ColorOf(colors_.*member), this, caption);
      if (!picked.isValid()) return;
      colors_.*member = picked.name().toStdString();
      ShowColors();
    });
  }
  auto* save = new QPushButton("Save");
  auto* defaults = new QPushButton("Defaults");
  connect(save, &QPushButton::clicked, this, [this] {
    std::string message;
    if (!WriteChartColors(state_.UserFolder(), colors_, message)) {
      QMessageBox::warning(this, "Sylvanor", Q(message));
      return;
    }
    state_.ChartColors = colors_;
    if (saved_) saved_();
  });
  connect(defaults, &QPushButton::clicked, this, [this] {
    colors_ = d_ChartColors{};
    ShowColors();
  });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(defaults);
  buttons->addWidget(save);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  Refresh();
}

void ColorSettingsWindow::Refresh() {
  colors_ = state_.ChartColors;
  ShowColors();
}

void ColorSettingsWindow::ShowColors() {
  for (std::size_t k = 0; k < rows_.size(); ++k) {
    const std::string& color = colors_.*kChartColorNames[k].Member;
    auto [swatch, text] = rows_[k];
    if (text->text().toStdString() != color) text->setText(Q(color));
    swatch->setStyleSheet(IsColorText(color) ? QString("background-color: %1").arg(Q(color))
                                             : QString());
  }
}

}  // namespace sylvanor
