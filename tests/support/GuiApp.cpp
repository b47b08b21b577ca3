#include "tests/support/GuiApp.h"

#include <QApplication>

namespace sylvanor {

QApplication& GuiApp() {
  static int argc = 1;
  static char name[] = "sylvanor_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

}  // namespace sylvanor
