// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures drawn by the program itself: no image files to install or lose.
#pragma once

#include <QIcon>
#include <string_view>

class QWidget;

namespace velmora {

/// A picture named by what it shows ("bridge_pier", "code_book").
QWidget* CreatePicture(std::string_view name);

/// The program's icon: a bridge pier in a river.
QIcon AppIcon();

}  // namespace velmora
