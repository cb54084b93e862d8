// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace velmora {

/// A label that tells of single clicks and double-clicks. A double-click also delivers the
/// click of its first press, as the design's labels expect.
class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();
  void doubleClicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace velmora
