// SPDX-License-Identifier: GPL-3.0-or-later
// 冲刷汇总及最低冲刷线高程: the scour of every pier and abutment the project has calculated,
// the lowest scour line, the embedment check, and a drawing of the section.
#pragma once

#include <QWidget>

#include "chain/scour_summary.h"
#include "section/section_flow.h"

class QComboBox;
class QPainter;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace velmora {

class WindowManager;

/// The drawing: water surface, bed, scour lines and foundations, one column per element; over
/// the surveyed section when there is one, each element where it stands in it.
class ScourDrawing : public QWidget {
 public:
  ScourDrawing();
  void SetSummary(const chain::ScourSummary& summary, const SectionInput& section = {});
  QSize sizeHint() const override { return {720, 300}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintLegend(QPainter& p);
  void PaintOverSection(QPainter& p);

  chain::ScourSummary summary_;
  SectionInput section_;
};

class ScourSummaryWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ScourSummaryWindow(WindowManager& manager);
  /// Reads the project again and shows it.
  void Refresh();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void KeepInputs();

  WindowManager& manager_;
  QLineEdit* water_level_;
  QComboBox* bridge_class_;
  QTableWidget* table_;
  QLabel* flags_;
  ScourDrawing* drawing_;
  bool filling_ = false;
};

}  // namespace velmora
