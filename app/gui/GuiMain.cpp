#include "app/gui/GuiMain.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include "app/gui/MainWindow.h"

namespace sylvanor {

int RunWindow(int argc, char** argv, const std::filesystem::path& programDir,
              const std::filesystem::path& dataHome) {
  QApplication app(argc, argv);
  c_MainWindowState state;
  const std::vector<std::string> messages = state.Start(programDir, dataHome);
  MainWindow window(state);
  if (const auto icon = programDir / "Log.ico"; std::filesystem::exists(icon))
    window.setWindowIcon(QIcon(QString::fromStdString(icon.string())));
  window.show();
  for (const std::string& message : messages)
    QMessageBox::information(&window, "Sylvanor", QString::fromStdString(message));
  if (state.CurrentPlot() >= 0) window.Calculate();
  return QApplication::exec();
}

}  // namespace sylvanor
