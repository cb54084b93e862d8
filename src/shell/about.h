// SPDX-License-Identifier: GPL-3.0-or-later
// "关于 Velmora": the program's version, licence and the libraries it is built on.
#pragma once

#include <QString>

class QWidget;

namespace velmora {

/// The about box's text, as rich text.
QString AboutText();

/// Shows the about box, modal over `parent`.
void ShowAbout(QWidget* parent);

}  // namespace velmora
