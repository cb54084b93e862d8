// SPDX-License-Identifier: GPL-3.0-or-later
// Windows that fit the screen they open on, title bar and taskbar included.
#pragma once

#include <QSize>

class QWidget;

namespace velmora {

/// The room a window's client area has on its screen: the available geometry (without the
/// taskbar) less the title bar and borders the window system adds.
QSize ScreenRoom(const QWidget* window);

/// Shrinks the window to `ScreenRoom` where it is larger.
void FitToScreen(QWidget* window);

/// Moves a shown window whose frame sticks out of the available geometry back inside it, its
/// title bar never above the top edge.
void KeepOnScreen(QWidget* window);

}  // namespace velmora
