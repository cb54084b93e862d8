// SPDX-License-Identifier: GPL-3.0-or-later
// 实测断面水位计算: the design water level from a surveyed cross-section, with the section's plot,
// its stage–discharge table and curve, and the hand-over into 设计水位估算.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "section/section_flow.h"

class QChart;
class QChartView;
class QLabel;
class QLineEdit;
class QLineSeries;
class QScatterSeries;
class QAreaSeries;
class QTableWidget;
class QTabWidget;
class QValueAxis;

namespace velmora {

class WindowManager;

/// A text file's bytes as text: UTF-8 when they are valid UTF-8, otherwise GBK.
QString DecodeTextFile(const QByteArray& bytes);

class SectionWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SectionWindow(WindowManager& manager);

  /// The input as the window holds it; empty fields are nothing, points from the filled rows.
  /// Throws SectionError for a row that is not two numbers.
  SectionInput Input() const;
  /// Fills the window from an input.
  void SetInput(const SectionInput& input);

  /// What the window holds as typed: the table's cells row by row, then the split stations,
  /// roughness, slopes and Qp.
  struct Texts {
    std::vector<std::array<QString, 2>> rows;
    std::array<QString, 7> fields;
  };
  /// The section for the project file as JSON text: the input when it reads, otherwise the texts
  /// as typed, so that a half-typed row is kept. Empty when the window holds no section (no point,
  /// no split, roughness or slope: a Qp alone comes from 设计水位估算).
  std::string ProjectText() const;
  /// The project file's section read back; a damaged one is a SectionError.
  static Texts ReadProjectText(const std::string& text);
  void SetTexts(const Texts& texts);

  /// Pastes a tab- or comma-separated block at the current cell, adding rows as needed.
  void Paste(const QString& block);
  /// Reads a CSV or TXT file of points into the table; false (after a message) when it cannot.
  bool Import(const QString& path);

  /// 求设计水位: solves and shows the level, or says why not.
  void SolveLevel();
  /// 水位–流量关系: fills the stage–discharge table and curve.
  void ShowRating();
  /// 填入设计水位估算: writes the solved trial into 设计水位估算 and opens it.
  void HandOver();

  /// Draws the plot now from the table (and the level and rating, once asked for). Edits call it
  /// through a throttle.
  void Redraw();
  /// How many times the section plot was drawn: tests wait on it.
  int redraws() const { return redraws_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildInputs();
  QWidget* BuildSectionChart();
  QWidget* BuildRating();
  void AddRow(int at);
  void DeleteRows();
  void ChooseFile();
  void ScheduleRedraw();
  /// An edit: the plot follows and the project learns of it.
  void Edited();
  std::array<QLineEdit*, 7> Fields() const;
  void FillRating(const SectionFlow& flow);
  std::optional<SectionFlowAt> Solved(const SectionFlow& flow, bool quiet);
  void ShowResult(const SectionFlowAt& at);

  WindowManager& manager_;
  QTableWidget* points_ = nullptr;
  QLineEdit* split_left_ = nullptr;
  QLineEdit* split_right_ = nullptr;
  QLineEdit* n_channel_ = nullptr;
  QLineEdit* slope_channel_ = nullptr;
  QLineEdit* n_floodplain_ = nullptr;
  QLineEdit* slope_floodplain_ = nullptr;
  QLineEdit* qp_ = nullptr;
  QLabel* result_ = nullptr;
  QLabel* status_ = nullptr;
  QTabWidget* tabs_ = nullptr;

  QChart* chart_ = nullptr;
  QLineSeries* ground_ = nullptr;
  QLineSeries* split_lines_[2] = {nullptr, nullptr};
  QLineSeries* surface_ = nullptr;
  QLineSeries* wet_top_ = nullptr;
  QLineSeries* wet_bottom_ = nullptr;
  QAreaSeries* wet_ = nullptr;
  QValueAxis* station_axis_ = nullptr;
  QValueAxis* elevation_axis_ = nullptr;

  QTableWidget* rating_table_ = nullptr;
  QLineSeries* rating_curve_ = nullptr;
  QScatterSeries* design_point_ = nullptr;
  QValueAxis* discharge_axis_ = nullptr;
  QValueAxis* level_axis_ = nullptr;

  std::array<double, 4> plotted_extent_{};  // the axes' data range: stations, then elevations
  QTimer redraw_timer_;
  bool show_water_ = false;   // a level was asked for: keep drawing it as the section changes
  bool show_rating_ = false;  // likewise the stage–discharge table and curve
  int redraws_ = 0;
};

}  // namespace velmora
