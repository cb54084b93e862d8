// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/section_window.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#if VELMORA_HAS_CHARTS
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#endif
#include <algorithm>
#include <charconv>
#include <cmath>

#include "section/section_json.h"
#include "section/section_points.h"
#include "shell/form_window.h"
#include "shell/message_box.h"
#include "shell/text.h"
#include "shell/window_manager.h"

namespace velmora {
namespace {

constexpr std::string_view kTitle = "实测断面水位计算";

// The fields' keys in the project file, in the order of SectionWindow::Fields.
constexpr const char* kFieldKeys[] = {
    "split_left",   "split_right",      "n_channel", "slope_channel",
    "n_floodplain", "slope_floodplain", "qp"};

// Shortest text that reads back as the same number, for filling fields from saved values.
QString NumberText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString Fixed(double value, int decimals = 3) { return QString::number(value, 'f', decimals); }

std::optional<double> FieldNumber(const QLineEdit* edit, const char* what) {
  const QString text = edit->text().trimmed();
  if (text.isEmpty()) return std::nullopt;
  if (const std::optional<double> value = CellNumber(U(text))) return value;
  throw SectionError(std::string(what) + "不是数：" + U(text));
}

QLineEdit* NumberField(const char* control, QFormLayout* form, const char* label) {
  auto* edit = new QLineEdit;
  edit->setObjectName(Q(control));
  edit->setMinimumWidth(90);
  form->addRow(Q(label), edit);
  return edit;
}

QPushButton* PushButton(const char* control, const char* caption) {
  auto* button = new QPushButton(Q(caption));
  button->setObjectName(Q(control));
  return button;
}

#if VELMORA_HAS_CHARTS
QValueAxis* Axis(const char* title) {
  auto* axis = new QValueAxis;
  axis->setTitleText(Q(title));
  axis->setLabelFormat(QStringLiteral("%.1f"));
  return axis;
}

QLineSeries* Series(QChart* chart, const char* name, const QPen& pen) {
  auto* series = new QLineSeries;
  series->setObjectName(Q(name));
  series->setPen(pen);
  chart->addSeries(series);
  return series;
}
#else
// A build without Qt Charts keeps the tables and the results; the plot's place says why it is
// empty.
QWidget* NoPlot(const char* name) {
  auto* label =
      new QLabel(Q("此版本未包含图表组件（Qt Charts），不能绘图；表格和计算结果不受影响。"));
  label->setObjectName(Q(name));
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  return label;
}
#endif

SectionWindow::Texts TextsOf(const SectionInput& input) {
  SectionWindow::Texts texts;
  for (const SectionPoint& p : input.points) {
    texts.rows.push_back({NumberText(p.station), NumberText(p.elevation)});
  }
  const std::optional<double> values[] = {
      input.splits ? std::optional(input.splits->left) : std::nullopt,
      input.splits ? std::optional(input.splits->right) : std::nullopt,
      input.n_channel,
      input.slope_channel,
      input.n_floodplain,
      input.slope_floodplain,
      input.qp};
  for (std::size_t i = 0; i < texts.fields.size(); ++i) {
    if (values[i]) texts.fields[i] = NumberText(*values[i]);
  }
  return texts;
}

}  // namespace

QString DecodeTextFile(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes);
  if (!utf8.hasError()) return text;
  QStringDecoder gbk("GBK");
  return gbk(bytes);
}

SectionWindow::SectionWindow(WindowManager& manager) : manager_(manager) {
  setWindowTitle(Q(kTitle));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildInputs());

  tabs_ = new QTabWidget;
  tabs_->setObjectName(QStringLiteral("Tabs"));
  tabs_->addTab(BuildSectionChart(), Q("断面图"));
  tabs_->addTab(BuildRating(), Q("水位–流量关系"));
  layout->addWidget(tabs_, 1);

  // Redraw at most every so often while the table is edited, so that a long table stays
  // responsive under typing and pasting.
  redraw_timer_.setSingleShot(true);
  connect(&redraw_timer_, &QTimer::timeout, this, &SectionWindow::Redraw);
  resize(1180, 720);
  Redraw();
}

QWidget* SectionWindow::BuildInputs() {
  auto* panel = new QWidget;
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);

  auto* table_box = new QGroupBox(Q("断面测点"));
  auto* table_layout = new QVBoxLayout(table_box);
  points_ = new QTableWidget(0, 2);
  points_->setObjectName(QStringLiteral("Points"));
  points_->setHorizontalHeaderLabels({Q("起点距 (m)"), Q("高程 (m)")});
  points_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  points_->verticalHeader()->setDefaultSectionSize(22);
  points_->installEventFilter(this);
  points_->setToolTip(Q("可从电子表格复制两列（起点距、高程）后按 Ctrl+V 粘贴"));
  connect(points_, &QTableWidget::itemChanged, this, &SectionWindow::Edited);
  table_layout->addWidget(points_);
  auto* row_buttons = new QHBoxLayout;
  QPushButton* add = PushButton("AddRow", "添加行");
  QPushButton* insert = PushButton("InsertRow", "插入行");
  QPushButton* remove = PushButton("DeleteRows", "删除行");
  QPushButton* import = PushButton("Import", "导入…");
  for (QPushButton* b : {add, insert, remove, import}) row_buttons->addWidget(b);
  connect(add, &QPushButton::clicked, this, [this] { AddRow(points_->rowCount()); });
  connect(insert, &QPushButton::clicked, this,
          [this] { AddRow(std::max(0, points_->currentRow())); });
  connect(remove, &QPushButton::clicked, this, &SectionWindow::DeleteRows);
  connect(import, &QPushButton::clicked, this, &SectionWindow::ChooseFile);
  table_layout->addLayout(row_buttons);
  column->addWidget(table_box, 1);

  auto* params = new QGroupBox(Q("参数"));
  auto* form = new QFormLayout(params);
  split_left_ = NumberField("SplitLeft", form, "左滩槽分界起点距 (m):");
  split_right_ = NumberField("SplitRight", form, "右滩槽分界起点距 (m):");
  n_channel_ = NumberField("NChannel", form, "河槽糙率nc(或1/nc):");
  slope_channel_ = NumberField("SlopeChannel", form, "河槽水面比降Ic (‰):");
  n_floodplain_ = NumberField("NFloodplain", form, "河滩糙率nt(或1/nt):");
  slope_floodplain_ = NumberField("SlopeFloodplain", form, "河滩水面比降It (‰):");
  qp_ = NumberField("Qp", form, "设计流量Qp (m³/s):");
  split_left_->setPlaceholderText(Q("空：滩槽不可分"));
  split_right_->setPlaceholderText(Q("空：滩槽不可分"));
  for (QLineEdit* edit : {split_left_, split_right_, n_channel_, slope_channel_, n_floodplain_,
                          slope_floodplain_, qp_}) {
    connect(edit, &QLineEdit::textChanged, this, &SectionWindow::Edited);
  }
  column->addWidget(params);

  auto* actions = new QHBoxLayout;
  QPushButton* solve = PushButton("Solve", "求设计水位");
  QPushButton* rating = PushButton("Rating", "水位–流量关系");
  QPushButton* hand_over = PushButton("HandOver", "填入设计水位估算");
  for (QPushButton* b : {solve, rating, hand_over}) actions->addWidget(b);
  connect(solve, &QPushButton::clicked, this, &SectionWindow::SolveLevel);
  connect(rating, &QPushButton::clicked, this, &SectionWindow::ShowRating);
  connect(hand_over, &QPushButton::clicked, this, &SectionWindow::HandOver);
  column->addLayout(actions);

  result_ = new QLabel;
  result_->setObjectName(QStringLiteral("Result"));
  result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  result_->setMinimumHeight(90);
  result_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  // A wider font (Windows' own) must wrap a line rather than cut it.
  result_->setWordWrap(true);
  column->addWidget(result_);
  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("Status"));
  status_->setWordWrap(true);
  status_->setStyleSheet(QStringLiteral("color: rgb(160, 60, 0);"));
  column->addWidget(status_);
  panel->setFixedWidth(400);
  return panel;
}

QWidget* SectionWindow::BuildSectionChart() {
#if !VELMORA_HAS_CHARTS
  return NoPlot("SectionChart");
#else
  chart_ = new QChart;
  chart_->setTitle(Q("实测断面"));
  chart_->legend()->setAlignment(Qt::AlignBottom);
  wet_top_ = new QLineSeries(chart_);
  wet_bottom_ = new QLineSeries(chart_);
  wet_ = new QAreaSeries(wet_top_, wet_bottom_);
  wet_->setObjectName(QStringLiteral("WetArea"));
  wet_->setName(Q("过水面积"));
  wet_->setBrush(QColor(120, 180, 235, 150));
  wet_->setPen(Qt::NoPen);
  chart_->addSeries(wet_);
  surface_ = Series(chart_, "WaterSurface", QPen(QColor(0, 90, 200), 2));
  surface_->setName(Q("水面"));
  ground_ = Series(chart_, "Ground", QPen(QColor(110, 75, 40), 2));
  ground_->setName(Q("地面线"));
  for (int i = 0; i < 2; ++i) {
    split_lines_[i] = Series(chart_, i == 0 ? "SplitLeftLine" : "SplitRightLine",
                             QPen(QColor(60, 140, 60), 1.5, Qt::DashLine));
    split_lines_[i]->setName(Q("滩槽分界"));
  }
  station_axis_ = Axis("起点距 (m)");
  station_axis_->setLabelFormat(QStringLiteral("%.0f"));
  elevation_axis_ = Axis("高程 (m)");
  chart_->addAxis(station_axis_, Qt::AlignBottom);
  chart_->addAxis(elevation_axis_, Qt::AlignLeft);
  for (QAbstractSeries* s : chart_->series()) {
    s->attachAxis(station_axis_);
    s->attachAxis(elevation_axis_);
  }
  // One legend entry for the two split lines.
  chart_->legend()->markers(split_lines_[1]).value(0)->setVisible(false);
  auto* view = new QChartView(chart_);
  view->setObjectName(QStringLiteral("SectionChart"));
  view->setRenderHint(QPainter::Antialiasing);
  return view;
#endif
}

QWidget* SectionWindow::BuildRating() {
  auto* splitter = new QSplitter(Qt::Vertical);
  rating_table_ = new QTableWidget(0, 5);
  rating_table_->setObjectName(QStringLiteral("RatingTable"));
  rating_table_->setHorizontalHeaderLabels({Q("水位H (m)"), Q("过水面积A (m²)"), Q("水面宽B (m)"),
                                            Q("流量Q (m³/s)"), Q("平均流速V (m/s)")});
  rating_table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  rating_table_->verticalHeader()->setVisible(false);
  rating_table_->verticalHeader()->setDefaultSectionSize(22);
  rating_table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  splitter->addWidget(rating_table_);

#if !VELMORA_HAS_CHARTS
  splitter->addWidget(NoPlot("RatingChart"));
#else
  auto* chart = new QChart;
  chart->setTitle(Q("水位–流量关系曲线"));
  chart->legend()->setAlignment(Qt::AlignBottom);
  rating_curve_ = Series(chart, "RatingCurve", QPen(QColor(0, 90, 200), 2));
  rating_curve_->setName(Q("水位–流量关系"));
  design_point_ = new QScatterSeries;
  design_point_->setObjectName(QStringLiteral("DesignPoint"));
  design_point_->setName(Q("设计水位"));
  design_point_->setColor(QColor(200, 60, 30));
  design_point_->setMarkerSize(9);
  chart->addSeries(design_point_);
  discharge_axis_ = Axis("流量Q (m³/s)");
  discharge_axis_->setLabelFormat(QStringLiteral("%.0f"));
  level_axis_ = Axis("水位H (m)");
  chart->addAxis(discharge_axis_, Qt::AlignBottom);
  chart->addAxis(level_axis_, Qt::AlignLeft);
  for (QAbstractSeries* series : chart->series()) {
    series->attachAxis(discharge_axis_);
    series->attachAxis(level_axis_);
  }
  auto* view = new QChartView(chart);
  view->setObjectName(QStringLiteral("RatingChart"));
  view->setRenderHint(QPainter::Antialiasing);
  splitter->addWidget(view);
#endif
  splitter->setSizes({260, 400});
  return splitter;
}

void SectionWindow::AddRow(int at) {
  points_->insertRow(at);
  points_->setCurrentCell(at, 0);
  emit manager_.Changed();
}

void SectionWindow::DeleteRows() {
  QList<int> rows;
  for (const QModelIndex& index : points_->selectionModel()->selectedIndexes()) {
    if (!rows.contains(index.row())) rows.append(index.row());
  }
  if (rows.isEmpty() && points_->currentRow() >= 0) rows.append(points_->currentRow());
  std::sort(rows.begin(), rows.end(), std::greater<>());
  for (int row : rows) points_->removeRow(row);
  Edited();
}

SectionInput SectionWindow::Input() const {
  SectionInput input;
  for (int row = 0; row < points_->rowCount(); ++row) {
    QString cells[2];
    for (int column = 0; column < 2; ++column) {
      if (const QTableWidgetItem* item = points_->item(row, column)) {
        cells[column] = item->text().trimmed();
      }
    }
    if (cells[0].isEmpty() && cells[1].isEmpty()) continue;  // a row left blank
    const std::optional<double> station = CellNumber(U(cells[0]));
    const std::optional<double> elevation = CellNumber(U(cells[1]));
    if (!station || !elevation) {
      throw SectionError("第" + std::to_string(row + 1) + "行不是两个数（起点距,高程）");
    }
    input.points.push_back({*station, *elevation});
  }
  const std::optional<double> left = FieldNumber(split_left_, "左滩槽分界");
  const std::optional<double> right = FieldNumber(split_right_, "右滩槽分界");
  if (left.has_value() != right.has_value()) {
    throw SectionError("滩槽分界须两个都填，或都空着（滩槽不可分）");
  }
  if (left) input.splits = SectionSplits{*left, *right};
  input.n_channel = FieldNumber(n_channel_, "河槽糙率");
  input.slope_channel = FieldNumber(slope_channel_, "河槽水面比降");
  input.n_floodplain = FieldNumber(n_floodplain_, "河滩糙率");
  input.slope_floodplain = FieldNumber(slope_floodplain_, "河滩水面比降");
  input.qp = FieldNumber(qp_, "设计流量");
  return input;
}

void SectionWindow::SetInput(const SectionInput& input) { SetTexts(TextsOf(input)); }

std::array<QLineEdit*, 7> SectionWindow::Fields() const {
  return {split_left_,   split_right_,      n_channel_, slope_channel_,
          n_floodplain_, slope_floodplain_, qp_};
}

void SectionWindow::SetTexts(const Texts& texts) {
  {
    const QSignalBlocker block(points_);
    points_->setRowCount(static_cast<int>(texts.rows.size()));
    for (int row = 0; row < points_->rowCount(); ++row) {
      for (int column = 0; column < 2; ++column) {
        points_->setItem(
            row, column,
            new QTableWidgetItem(
                texts.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]));
      }
    }
  }
  {
    // One notice to the project for the whole fill.
    const QSignalBlocker quiet(&manager_);
    const std::array<QLineEdit*, 7> fields = Fields();
    for (std::size_t i = 0; i < fields.size(); ++i) fields[i]->setText(texts.fields[i]);
  }
  Edited();
}

std::string SectionWindow::ProjectText() const {
  Texts texts;
  bool empty = true;
  for (int row = 0; row < points_->rowCount(); ++row) {
    std::array<QString, 2>& cells = texts.rows.emplace_back();
    for (int column = 0; column < 2; ++column) {
      if (const QTableWidgetItem* item = points_->item(row, column)) {
        cells[static_cast<std::size_t>(column)] = item->text();
      }
      empty = empty && cells[static_cast<std::size_t>(column)].trimmed().isEmpty();
    }
  }
  const std::array<QLineEdit*, 7> fields = Fields();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    texts.fields[i] = fields[i]->text();
    empty = empty && (fields[i] == qp_ || texts.fields[i].trimmed().isEmpty());
  }
  if (empty) return {};
  try {
    return SectionInputToJson(Input()).dump();
  } catch (const SectionError&) {
    nlohmann::json rows = nlohmann::json::array();
    for (const auto& [station, elevation] : texts.rows) rows.push_back({U(station), U(elevation)});
    nlohmann::json typed = {{"points", std::move(rows)}};
    for (std::size_t i = 0; i < texts.fields.size(); ++i) typed[kFieldKeys[i]] = U(texts.fields[i]);
    return nlohmann::json{{"typed", std::move(typed)}}.dump();
  }
}

SectionWindow::Texts SectionWindow::ReadProjectText(const std::string& text) {
  const nlohmann::json json = nlohmann::json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (!json.is_object()) throw SectionError("断面数据已损坏：不是 JSON 对象");
  if (!json.contains("typed")) {
    return TextsOf(SectionInputFromJson(json));
  }
  const nlohmann::json& typed = json["typed"];
  const auto text_of = [](const nlohmann::json& value) {
    if (!value.is_string()) throw SectionError("断面数据已损坏：输入内容须为文字");
    return Q(value.get<std::string>());
  };
  if (!typed.is_object() || !typed.contains("points") || !typed["points"].is_array()) {
    throw SectionError("断面数据已损坏：缺少断面点");
  }
  Texts texts;
  for (const nlohmann::json& row : typed["points"]) {
    if (!row.is_array() || row.size() != 2) throw SectionError("断面数据已损坏：断面点须为两格");
    texts.rows.push_back({text_of(row[0]), text_of(row[1])});
  }
  for (std::size_t i = 0; i < texts.fields.size(); ++i) {
    if (typed.contains(kFieldKeys[i])) texts.fields[i] = text_of(typed[kFieldKeys[i]]);
  }
  return texts;
}

void SectionWindow::Paste(const QString& block) {
  QStringList lines = block.split(QLatin1Char('\n'));
  while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) lines.removeLast();
  // A header row copied along with the numbers is left out.
  if (!lines.isEmpty()) {
    bool any_number = false;
    for (const std::string& cell : SplitCells(U(lines.front()))) {
      any_number = any_number || CellNumber(cell).has_value();
    }
    if (!any_number) lines.removeFirst();
  }
  const int top = std::max(0, points_->currentRow());
  const int left = std::max(0, points_->currentColumn());
  {
    const QSignalBlocker block_signals(points_);
    if (points_->rowCount() < top + lines.size()) {
      points_->setRowCount(top + static_cast<int>(lines.size()));
    }
    for (int i = 0; i < lines.size(); ++i) {
      const std::vector<std::string> cells = SplitCells(U(lines[i]));
      for (std::size_t j = 0; j < cells.size() && left + static_cast<int>(j) < 2; ++j) {
        points_->setItem(top + i, left + static_cast<int>(j), new QTableWidgetItem(Q(cells[j])));
      }
    }
  }
  Edited();
}

bool SectionWindow::Import(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ShowWarning(this, Q(kTitle), Q("无法打开文件 %1：%2").arg(path, file.errorString()));
    return false;
  }
  try {
    SectionInput input = Input();
    input.points = ParseSectionPoints(U(DecodeTextFile(file.readAll())));
    SetInput(input);
    return true;
  } catch (const SectionError& e) {
    ShowWarning(this, Q(kTitle), Q(e.what()));
    return false;
  }
}

void SectionWindow::ChooseFile() {
  const QString path = QFileDialog::getOpenFileName(this, Q("导入断面测点"), QString(),
                                                    Q("断面测点 (*.csv *.txt);;所有文件 (*)"));
  if (!path.isEmpty()) Import(path);
}

bool SectionWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == points_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
    Paste(QGuiApplication::clipboard()->text());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void SectionWindow::showEvent(QShowEvent* event) {
  // A design discharge already in 设计水位估算 (typed there, or written by the rainstorm window)
  // is the one to solve for.
  if (qp_->text().trimmed().isEmpty()) {
    if (auto* form2 = qobject_cast<FormWindow*>(manager_.Find("Form2"))) {
      qp_->setText(form2->FieldText("Text13").trimmed());
    }
  }
  QWidget::showEvent(event);
}

void SectionWindow::Edited() {
  ScheduleRedraw();
  emit manager_.Changed();
}

void SectionWindow::ScheduleRedraw() {
  if (redraw_timer_.isActive()) return;
  redraw_timer_.start(points_->rowCount() > 500 ? 40 : 20);
}

std::optional<SectionFlowAt> SectionWindow::Solved(const SectionFlow& flow, bool quiet) {
  try {
    const std::optional<double> qp = FieldNumber(qp_, "设计流量");
    if (!qp) throw SectionError("请填设计流量Qp");
    return flow.Solve(*qp);
  } catch (const SectionError& e) {
    if (quiet) {
      status_->setText(Q(e.what()));
    } else {
      ShowWarning(this, Q(kTitle), Q(e.what()));
    }
    return std::nullopt;
  }
}

void SectionWindow::Redraw() {
  ++redraws_;
  status_->clear();
  SectionInput input;
  try {
    input = Input();
  } catch (const SectionError& e) {
    status_->setText(Q(e.what()));
    return;  // keep the last drawing until the table reads again
  }
  QList<QPointF> ground;
  ground.reserve(static_cast<qsizetype>(input.points.size()));
  double x_min = HUGE_VAL, x_max = -HUGE_VAL, z_min = HUGE_VAL, z_max = -HUGE_VAL;
  for (const SectionPoint& p : input.points) {
    ground.append({p.station, p.elevation});
    x_min = std::min(x_min, p.station);
    x_max = std::max(x_max, p.station);
    z_min = std::min(z_min, p.elevation);
    z_max = std::max(z_max, p.elevation);
  }
#if VELMORA_HAS_CHARTS
  ground_->replace(ground);
#endif
  if (ground.isEmpty()) {
    x_min = z_min = 0;
    x_max = z_max = 1;
  }
  const double margin = std::max(0.1, 0.08 * (z_max - z_min));
#if VELMORA_HAS_CHARTS
  for (int i = 0; i < 2; ++i) {
    split_lines_[i]->clear();
    if (input.splits) {
      const double x = i == 0 ? input.splits->left : input.splits->right;
      split_lines_[i]->append(QList<QPointF>{{x, z_min - margin}, {x, z_max + margin / 2}});
    }
  }
  wet_top_->clear();
  wet_bottom_->clear();
  surface_->clear();
#endif
  std::optional<SectionFlow> flow;
  if (show_water_ || show_rating_) {
    try {
      flow.emplace(input);
    } catch (const SectionError& e) {
      status_->setText(Q(e.what()));
    }
  }
  // Once asked for, the level and the rating follow every edit.
  if (flow && show_rating_) {
    try {
      FillRating(*flow);
    } catch (const SectionError& e) {
      status_->setText(Q(e.what()));
    }
  }
  if (flow && show_water_) {
    const std::optional<SectionFlowAt> at = Solved(*flow, /*quiet=*/true);
    if (at) {
      const double h = at->level;
      // The wet area lies between the level and the ground below it; where the ground stands
      // above the level the two meet and nothing is filled.
      QList<QPointF> bottom;
      double wet_from = HUGE_VAL, wet_to = -HUGE_VAL;
      for (std::size_t i = 0; i < input.points.size(); ++i) {
        const SectionPoint& p = input.points[i];
        if (i > 0) {
          const SectionPoint& q = input.points[i - 1];
          if ((q.elevation - h) * (p.elevation - h) < 0) {
            const double x = q.station + (p.station - q.station) * (h - q.elevation) /
                                             (p.elevation - q.elevation);
            bottom.append({x, h});
            wet_from = std::min(wet_from, x);
            wet_to = std::max(wet_to, x);
          }
        }
        if (p.elevation < h) {
          wet_from = std::min(wet_from, p.station);
          wet_to = std::max(wet_to, p.station);
        }
        const QPointF point{p.station, std::min(p.elevation, h)};
        // Dry ground lies along the water line there: only a dry run's ends shape the fill, and
        // a long table draws faster without the points between.
        const qsizetype n = bottom.size();
        if (point.y() == h && n >= 2 && bottom[n - 1].y() == h && bottom[n - 2].y() == h) {
          bottom.back() = point;
        } else {
          bottom.append(point);
        }
      }
#if VELMORA_HAS_CHARTS
      wet_bottom_->replace(bottom);
      wet_top_->replace(QList<QPointF>{{x_min, h}, {x_max, h}});
      surface_->replace(QList<QPointF>{{wet_from, h}, {wet_to, h}});
#endif
      ShowResult(*at);
    }
  }
  // A new range lays every series out again, the costliest step of an edit in a long table:
  // only when the extremes move.
  const std::array<double, 4> extent{x_min, x_max, z_min - margin, z_max + margin};
  if (extent != plotted_extent_) {
    plotted_extent_ = extent;
#if VELMORA_HAS_CHARTS
    station_axis_->setRange(x_min, x_max);
    station_axis_->applyNiceNumbers();
    elevation_axis_->setRange(z_min - margin, z_max + margin);
    elevation_axis_->applyNiceNumbers();
#endif
  }
}

void SectionWindow::ShowResult(const SectionFlowAt& at) {
  const auto part = [](const char* name, const PartFlow& f) {
    const PartGeometry& g = f.geometry;
    return Q("%1：A = %2 m²，χ = %3 m，B = %4 m，<br>"
             "hmax = %5 m，Q = %6 m³/s，V = %7 m/s<br>")
        .arg(Q(name), Fixed(g.area), Fixed(g.perimeter), Fixed(g.width), Fixed(g.max_depth),
             Fixed(f.q), Fixed(f.v));
  };
  QString text = Q("<b>设计水位 H = %1 m</b>，Q = %2 m³/s<br>").arg(Fixed(at.level), Fixed(at.q));
  text += part("河槽", at.channel);
  if (at.floodplain) text += part("河滩", *at.floodplain);
  result_->setText(text);
}

void SectionWindow::SolveLevel() {
  try {
    const SectionFlow flow(Input());
    if (!Solved(flow, /*quiet=*/false)) return;
    show_water_ = true;
    Redraw();
    tabs_->setCurrentIndex(0);
  } catch (const SectionError& e) {
    ShowWarning(this, Q(kTitle), Q(e.what()));
  }
}

void SectionWindow::ShowRating() {
  try {
    const SectionFlow flow(Input());
    FillRating(flow);
    show_rating_ = true;
    tabs_->setCurrentIndex(1);
  } catch (const SectionError& e) {
    ShowWarning(this, Q(kTitle), Q(e.what()));
  }
}

void SectionWindow::FillRating(const SectionFlow& flow) {
  const std::vector<SectionFlowAt> rows = flow.Rating(flow.RatingStep());
  rating_table_->setRowCount(static_cast<int>(rows.size()));
  QList<QPointF> curve;
  for (int r = 0; r < rating_table_->rowCount(); ++r) {
    const SectionFlowAt& at = rows[static_cast<std::size_t>(r)];
    const double area = at.Area();
    const QString cells[] = {Fixed(at.level), Fixed(area), Fixed(at.Width()), Fixed(at.q),
                             area > 0 ? Fixed(at.q / area) : QString()};
    for (int c = 0; c < 5; ++c) {
      // Rows kept from the last fill are rewritten in place, which is cheaper than new items.
      QTableWidgetItem* item = rating_table_->item(r, c);
      if (item == nullptr) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rating_table_->setItem(r, c, item);
      }
      item->setText(cells[c]);
    }
    curve.append({at.q, at.level});
  }
#if VELMORA_HAS_CHARTS
  rating_curve_->replace(curve);
  design_point_->clear();
  if (show_water_) {
    if (const std::optional<SectionFlowAt> at = Solved(flow, /*quiet=*/true)) {
      design_point_->append(at->q, at->level);
    }
  }
  discharge_axis_->setRange(0, std::max(1.0, rows.back().q));
  discharge_axis_->applyNiceNumbers();
  level_axis_->setRange(rows.front().level, rows.back().level);
  level_axis_->applyNiceNumbers();
#endif
}

void SectionWindow::HandOver() {
  try {
    const SectionInput input = Input();
    const SectionFlow flow(input);
    const std::optional<SectionFlowAt> at = Solved(flow, /*quiet=*/false);
    if (!at) return;
    const Form2HandOver h = HandOverToForm2(flow, *at, *input.qp);
    manager_.SelectOption("Form2", h.option);
    for (const auto& [control, text] : h.fields) manager_.SetField("Form2", control, Q(text));
    manager_.Open("Form2");
  } catch (const SectionError& e) {
    ShowWarning(this, Q(kTitle), Q(e.what()));
  }
}

}  // namespace velmora
