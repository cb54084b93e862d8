// SPDX-License-Identifier: GPL-3.0-or-later
// Time from the start of main to the main window shown on screen, as the program does it.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>

#include "shell/fonts.h"
#include "shell/window_manager.h"

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  velmora::InstallFonts();
  velmora::WindowManager windows;
  QWidget* main_window = windows.Open("Form6");
  const bool shown = QTest::qWaitForWindowExposed(main_window, 5000);
  std::printf("main window %s after %lld ms\n", shown ? "shown" : "NOT shown",
              static_cast<long long>(clock.elapsed()));
  return shown ? 0 : 1;
}
