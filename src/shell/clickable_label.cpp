// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/clickable_label.h"

#include <QMouseEvent>

namespace velmora {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
  QLabel::mouseDoubleClickEvent(event);
}

}  // namespace velmora
