// SPDX-License-Identifier: GPL-3.0-or-later
// Form6: the main window with the welcome text and the menu bar.
#pragma once

#include <QMainWindow>

#include "common/menu.h"
#include "common/window.h"

class QMenu;

namespace velmora {

class WindowManager;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(const Window& description, WindowManager& manager);

 private:
  void AddItems(QMenu* menu, const std::vector<MenuItem>& items);
  QAction* CommandAction(const MenuItem& item, QObject* parent);
  void AddAbout();

  WindowManager& manager_;
};

}  // namespace velmora
