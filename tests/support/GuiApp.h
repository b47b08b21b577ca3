#pragma once
// The application object of the widget tests, made once per test program
// on the offscreen platform, so that no display is needed.

class QApplication;

namespace sylvanor {

QApplication& GuiApp();

}  // namespace sylvanor
