// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace velmora {
namespace {

// The frame is known only once a window is shown; before that, leave room for a title bar and
// borders as common window systems draw them.
constexpr QSize kFrameAllowance(16, 40);

QRect Available(const QWidget* window) {
  const QScreen* screen = window->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen->availableGeometry();
}

}  // namespace

QSize ScreenRoom(const QWidget* window) { return Available(window).size() - kFrameAllowance; }

void FitToScreen(QWidget* window) {
  const QSize room = ScreenRoom(window);
  if (window->width() > room.width() || window->height() > room.height()) {
    window->resize(window->size().boundedTo(room));
  }
}

void KeepOnScreen(QWidget* window) {
  const QRect available = Available(window);
  const QRect frame = window->frameGeometry();
  if (available.contains(frame)) return;
  const int x = std::clamp(frame.x(), available.left(),
                           std::max(available.left(), available.right() + 1 - frame.width()));
  const int y = std::clamp(frame.y(), available.top(),
                           std::max(available.top(), available.bottom() + 1 - frame.height()));
  window->move(x, y);
}

}  // namespace velmora
