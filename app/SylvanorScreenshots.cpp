// sylvanor-screenshots: pictures of the windows for the documentation. The
// main window with the sample project's last plot calculated, and the crown
// fire details window, saved as PNG files into the folder given.
//
//   sylvanor-screenshots OUTPUT-FOLDER SAMPLE-FOLDER

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <filesystem>
#include <iostream>

#include "app/gui/CrownFireWindow.h"
#include "app/gui/MainWindow.h"
#include "platform/ProgramDir.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "Usage: sylvanor-screenshots OUTPUT-FOLDER SAMPLE-FOLDER\n";
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path out = argv[1], sample = argv[2];
  QApplication app(argc, argv);
  const fs::path home = fs::temp_directory_path() / "sylvanor-screenshots";
  fs::remove_all(home);
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
    sylvanor::CrownFireWindow details(state, &window);
    details.show();
    QApplication::processEvents();
    if (!details.grab().save(QString::fromStdString((out / "crown-fire-details.png").string())))
      result = 1;
    QCoreApplication::exit(result);
  });
  QApplication::exec();
  fs::remove_all(home);
  return result;
}
