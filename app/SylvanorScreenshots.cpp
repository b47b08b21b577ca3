// sylvanor-screenshots: pictures of the windows for the documentation. The
// main window with the sample project's last plot calculated, the crown fire
// details window, the fuel and stand graphs, the emission graph, the
// retention priority sets window and the batch run window after a run of
// the sample plot file, saved as PNG files into the folder given.
//
//   sylvanor-screenshots OUTPUT-FOLDER SAMPLE-FOLDER

#include <QApplication>
#include <QComboBox>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <iostream>

#include "app/gui/CrownFireWindow.h"
#include "app/gui/GraphWindows.h"
#include "app/gui/MainWindow.h"
#include "app/gui/RetPriWindow.h"
#include "app/gui/SumRepWindow.h"
#include "platform/ProgramDir.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "Usage: sylvanor-screenshots OUTPUT-FOLDER SAMPLE-FOLDER\n";
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path out = argv[1];
  QApplication app(argc, argv);
  const fs::path home = fs::temp_directory_path() / "sylvanor-screenshots";
  fs::remove_all(home);
  // a copy of the sample, as the window writes its plot warnings beside the project
  const fs::path sample = home / "sample";
  fs::create_directories(sample);
  for (const fs::directory_entry& file : fs::directory_iterator(argv[2]))
    if (file.is_regular_file()) fs::copy_file(file.path(), sample / file.path().filename());
  sylvanor::c_MainWindowState state;
  for (const std::string& message : state.Start(sylvanor::ProgramDir(argv[0]), home))
    std::cerr << message << '\n';
  std::string message;
  if (!state.OpenProject((sample / "Sample.vxp").string(), message) ||
      !state.LoadPlotFile((sample / "Sample.vxd").string(), "VXD", message) ||
      !state.ShowPlot(11).Ok) {
    std::cerr << "sylvanor-screenshots: " << message << '\n';
    return 1;
  }
  sylvanor::MainWindow window(state);
  window.show();
  window.Calculate();
  int result = 0;
  QTimer::singleShot(500, [&] {
    if (!window.grab().save(QString::fromStdString((out / "main-window.png").string()))) result = 1;
    const auto picture = [&](QWidget& shown, const char* name) {
      shown.show();
      QApplication::processEvents();
      if (!shown.grab().save(QString::fromStdString((out / name).string()))) result = 1;
    };
    sylvanor::CrownFireWindow details(state, &window);
    picture(details, "crown-fire-details.png");
    sylvanor::FuelStandWindow fuelStand(state, &window);
    fuelStand.Refresh();
    picture(fuelStand, "fuel-stand-graph.png");
    sylvanor::EmissionGraphWindow emission(state, &window);
    emission.Refresh();
    picture(emission, "emission-graph.png");
    sylvanor::RetPriWindow sets(state, &window);
    sets.Refresh();
    // the first species group with its rows, rather than the empty "_None"
    if (sets.Groups()->count() > 1) sets.Groups()->setCurrentIndex(1);
    picture(sets, "retention-priority-sets.png");
    sylvanor::SumRepWindow& batch = *window.BatchRun();
    batch.Tell = [](const std::string& text) { std::cerr << text << '\n'; };
    batch.OpenFromMain();
    batch.Button("Run")->click();
    while (batch.Run().Running())
      QApplication::processEvents();
    picture(batch, "batch-run.png");
    QCoreApplication::exit(result);
  });
  QApplication::exec();
  fs::remove_all(home);
  return result;
}
