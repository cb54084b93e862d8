// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/scour_summary_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "chain/links.h"
#include "common/format_pattern.h"
#include "common/menu.h"
#include "common/registry.h"
#include "shell/chain_view.h"
#include "shell/project_session.h"
#include "shell/section_window.h"
#include "shell/text.h"
#include "shell/window_manager.h"

namespace velmora {

namespace {

QString Metres(const std::optional<double>& value) {
  return value ? Q(FormatPattern(Real(*value), "#####.###")) : QStringLiteral("—");
}

enum Column {
  kElement,
  kLevel,
  kFormulas,
  kTotal,
  kBelowBed,
  kScourLine,
  kFoundation,
  kEmbedment,
  kRequired,
  kVerdict,
  kColumns
};

}  // namespace

void ScourDrawing::PaintLegend(QPainter& p) {
  p.setPen(Qt::darkGray);
  p.drawText(QRectF(70, 4, width() - 86, 18), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("蓝线：设计水位　褐线：河床面　红实线：控制冲刷线　红虚线：其余公式"
                            "　柱：墩台至基底（粉红：埋深不足）"));
}

ScourDrawing::ScourDrawing() {
  setObjectName(QStringLiteral("drawing"));
  setMinimumSize(560, 260);
}

void ScourDrawing::SetSummary(const chain::ScourSummary& summary, const SectionInput& section) {
  summary_ = summary;
  section_ = section;
  std::sort(section_.points.begin(), section_.points.end(),
            [](const SectionPoint& a, const SectionPoint& b) { return a.station < b.station; });
  update();
}

namespace {

// Five grey lines across the drawing with their elevations on the left.
void PaintElevationScale(QPainter& p, const QRectF& area, double bottom, double top) {
  const auto y = [&](double z) { return area.top() + (top - z) / (top - bottom) * area.height(); };
  p.setPen(Qt::gray);
  for (int i = 0; i <= 4; ++i) {
    const double z = bottom + (top - bottom) * i / 4.0;
    p.drawLine(QPointF(area.left() - 4, y(z)), QPointF(area.right(), y(z)));
    p.drawText(QRectF(0, y(z) - 9, 62, 18), Qt::AlignRight | Qt::AlignVCenter,
               Q(FormatPattern(Real(z), "####.##")));
  }
}

}  // namespace

void ScourDrawing::PaintOverSection(QPainter& p) {
  const std::vector<SectionPoint>& ground = section_.points;
  const double h = *summary_.water_level;
  double top = h;
  double bottom = h;
  for (const SectionPoint& point : ground) {
    top = std::max(top, point.elevation);
    bottom = std::min(bottom, point.elevation);
  }
  for (const auto& e : summary_.elements) {
    if (e.scour_line) bottom = std::min(bottom, *e.scour_line);
    if (e.foundation) bottom = std::min(bottom, *e.foundation);
  }
  const double span = std::max(top - bottom, 1.0);
  top += 0.1 * span;
  bottom -= 0.1 * span;
  const QRectF area = QRectF(rect()).adjusted(70, 28, -16, -24);
  const double first = ground.front().station;
  const double width = std::max(ground.back().station - first, 1.0);
  const auto x = [&](double station) {
    return area.left() + (station - first) / width * area.width();
  };
  const auto y = [&](double z) { return area.top() + (top - z) / (top - bottom) * area.height(); };

  PaintElevationScale(p, area, bottom, top);
  // The ground, and the water above it up to H.
  QPainterPath earth;
  earth.moveTo(x(first), area.bottom());
  for (const SectionPoint& point : ground) earth.lineTo(x(point.station), y(point.elevation));
  earth.lineTo(x(ground.back().station), area.bottom());
  earth.closeSubpath();
  QPainterPath below_h;
  below_h.addRect(QRectF(QPointF(area.left(), y(h)), area.bottomRight()));
  p.fillPath(below_h.subtracted(earth), QColor(200, 225, 255));
  p.fillPath(earth, QColor(235, 222, 196));
  p.setPen(QPen(QColor(140, 100, 50), 2));
  for (std::size_t i = 1; i < ground.size(); ++i) {
    p.drawLine(QPointF(x(ground[i - 1].station), y(ground[i - 1].elevation)),
               QPointF(x(ground[i].station), y(ground[i].elevation)));
  }
  // The water's edges: where the ground first and last dips below H.
  double left_edge = first;
  double right_edge = ground.back().station;
  bool wet = false;
  for (std::size_t i = 1; i < ground.size(); ++i) {
    const SectionPoint& a = ground[i - 1];
    const SectionPoint& b = ground[i];
    if ((a.elevation - h) * (b.elevation - h) >= 0.0) continue;
    const double at =
        a.station + (h - a.elevation) / (b.elevation - a.elevation) * (b.station - a.station);
    if (!wet) left_edge = at;
    right_edge = at;
    wet = true;
  }
  p.setPen(QPen(QColor(30, 90, 200), 2));
  p.drawLine(QPointF(x(left_edge), y(h)), QPointF(x(right_edge), y(h)));
  p.drawText(QRectF(x(right_edge) - 124, y(h) - 20, 120, 18), Qt::AlignRight | Qt::AlignBottom,
             QStringLiteral("▽ ") + Metres(h));

  // Piers in the channel at its middle, on the floodplain a third of the way from it to the
  // water's edge,
  // abutments at the edges; two in one place stand side by side.
  const double channel_left = section_.splits ? section_.splits->left : left_edge;
  const double channel_right = section_.splits ? section_.splits->right : right_edge;
  std::map<int, int> taken;
  const double bar = area.width() / 12.0;
  int drawn = 0;
  for (const auto& e : summary_.elements) {
    if (!e.scour_line) continue;
    const double h_e = e.water_level.value_or(h);
    double station = (channel_left + channel_right) / 2.0;
    int place = 0;
    if (e.abutment) {
      const bool right = e.key == "Form30";
      station = right ? right_edge : left_edge;
      place = right ? 3 : 2;
    } else if (e.key == "Form19" || e.key == "form1.floodplain") {
      station = left_edge + (channel_left - left_edge) * 2.0 / 3.0;
      place = 1;
    }
    const double mid = x(station) + bar * 1.1 * taken[place]++;
    for (std::size_t f = 0; f < e.formulas.size(); ++f) {
      const double z = h_e - e.formulas[f].total;
      const bool governing = f == e.governing;
      p.setPen(QPen(governing ? QColor(200, 30, 30) : QColor(200, 120, 120), governing ? 2 : 1,
                    governing ? Qt::SolidLine : Qt::DashLine));
      p.drawLine(QPointF(mid - bar / 2, y(z)), QPointF(mid + bar / 2, y(z)));
    }
    p.setPen(QColor(200, 30, 30));
    // The value beside the line, on the side away from the piers next to it.
    const bool leftward = e.abutment && e.key != "Form30";
    p.drawText(leftward ? QRectF(mid - bar / 2 - 84, y(*e.scour_line) - 9, 80, 18)
                        : QRectF(mid + bar / 2 + 4, y(*e.scour_line) - 9, 80, 18),
               (leftward ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
               Metres(e.scour_line));
    if (e.foundation) {
      const QRectF body(QPointF(mid - 5, y(h_e) - 10), QPointF(mid + 5, y(*e.foundation)));
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(e.passes.value_or(true) ? QColor(180, 180, 180) : QColor(240, 170, 170));
      p.drawRect(body);
      p.setBrush(Qt::NoBrush);
      p.drawText(QPointF(mid + 8, y(*e.foundation)), Metres(e.foundation));
    }
    p.setPen(Qt::black);
    // Captions on two rows, so that neighbours do not run into each other.
    p.drawText(QRectF(mid - bar, y(h_e) - 32 - 18 * (drawn++ % 2), 2 * bar, 18), Qt::AlignCenter,
               Q(e.caption));
  }
}

void ScourDrawing::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Qt::white);
  std::vector<const chain::ScourElement*> drawn;
  for (const auto& e : summary_.elements) {
    if (e.water_level && e.scour_line) drawn.push_back(&e);
  }
  if (drawn.empty()) {
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("输入设计水位标高H后显示冲刷线"));
    return;
  }
  if (section_.points.size() >= 2 && summary_.water_level) {
    PaintLegend(p);
    PaintOverSection(p);
    return;
  }
  PaintLegend(p);
  // Elevations from the lowest foundation or scour line up to the water surface, with margins.
  double top = -1e300;
  double bottom = 1e300;
  for (const auto* e : drawn) {
    top = std::max(top, *e->water_level);
    bottom = std::min(bottom, *e->scour_line);
    if (e->foundation) bottom = std::min(bottom, *e->foundation);
  }
  const double span = std::max(top - bottom, 1.0);
  top += 0.15 * span;
  bottom -= 0.1 * span;
  const QRectF area = QRectF(rect()).adjusted(70, 28, -16, -36);
  const auto y = [&](double z) { return area.top() + (top - z) / (top - bottom) * area.height(); };
  const double slot = area.width() / static_cast<double>(drawn.size());

  // Elevation scale.
  PaintElevationScale(p, area, bottom, top);
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    const chain::ScourElement& e = *drawn[i];
    const double left = area.left() + slot * static_cast<double>(i);
    const double mid = left + slot / 2.0;
    const double h = *e.water_level;
    // Water from the surface down to the bed (H − depth, where known).
    if (e.depth) {
      const double bed = h - *e.depth;
      p.fillRect(QRectF(QPointF(left + 6, y(h)), QPointF(left + slot - 6, y(bed))),
                 QColor(200, 225, 255));
      p.setPen(QPen(QColor(140, 100, 50), 2));
      p.drawLine(QPointF(left + 6, y(bed)), QPointF(left + slot - 6, y(bed)));
    }
    p.setPen(QPen(QColor(30, 90, 200), 2));
    p.drawLine(QPointF(left + 6, y(h)), QPointF(left + slot - 6, y(h)));
    p.drawText(QPointF(left + 8, y(h) - 4), QStringLiteral("▽ ") + Metres(h));
    // Each formula's scour line dashed, the governing one solid red.
    for (std::size_t f = 0; f < e.formulas.size(); ++f) {
      const double z = h - e.formulas[f].total;
      const bool governing = f == e.governing;
      p.setPen(QPen(governing ? QColor(200, 30, 30) : QColor(200, 120, 120), governing ? 2 : 1,
                    governing ? Qt::SolidLine : Qt::DashLine));
      p.drawLine(QPointF(left + 6, y(z)), QPointF(left + slot - 6, y(z)));
    }
    p.setPen(QColor(200, 30, 30));
    p.drawText(QPointF(left + 8, y(*e.scour_line) + 14), Metres(e.scour_line));
    // The pier or abutment down to its foundation bottom.
    if (e.foundation) {
      const double width = std::min(slot * 0.18, 26.0);
      const QRectF body(QPointF(mid - width / 2, y(h) - 10),
                        QPointF(mid + width / 2, y(*e.foundation)));
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(e.passes.value_or(true) ? QColor(180, 180, 180) : QColor(240, 170, 170));
      p.drawRect(body);
      p.setBrush(Qt::NoBrush);
      p.drawText(QPointF(mid + width / 2 + 4, y(*e.foundation)), Metres(e.foundation));
    }
    p.setPen(Qt::black);
    p.drawText(QRectF(left, area.bottom() + 6, slot, 24), Qt::AlignHCenter | Qt::AlignTop,
               Q(e.caption));
  }
}

ScourSummaryWindow::ScourSummaryWindow(WindowManager& manager) : manager_(manager) {
  setWindowTitle(QStringLiteral("冲刷汇总及最低冲刷线高程"));
  auto* layout = new QVBoxLayout(this);
  auto* inputs = new QFormLayout;
  water_level_ = new QLineEdit;
  water_level_->setObjectName(QStringLiteral("H"));
  inputs->addRow(QStringLiteral("设计水位标高H(m)："), water_level_);
  bridge_class_ = new QComboBox;
  bridge_class_->setObjectName(QStringLiteral("class"));
  bridge_class_->addItems({QStringLiteral("一般桥梁"), QStringLiteral("特殊大桥")});
  inputs->addRow(QStringLiteral("桥梁类别："), bridge_class_);
  layout->addLayout(inputs);
  table_ = new QTableWidget(0, kColumns);
  table_->setObjectName(QStringLiteral("summary"));
  table_->setHorizontalHeaderLabels(
      {QStringLiteral("墩台"), QStringLiteral("H(m)"), QStringLiteral("各公式 hp/hb/总冲刷(m)"),
       QStringLiteral("控制总冲刷深度(m)"), QStringLiteral("河床面以下(m)"),
       QStringLiteral("最低冲刷线高程(m)"), QStringLiteral("基底高程(m)"),
       QStringLiteral("埋深(m)"), QStringLiteral("埋深安全值(m)"), QStringLiteral("结论")});
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->verticalHeader()->hide();
  layout->addWidget(table_);
  flags_ = new QLabel;
  flags_->setObjectName(QStringLiteral("flags"));
  flags_->setWordWrap(true);
  flags_->setStyleSheet(QStringLiteral("color: rgb(190, 90, 0);"));
  layout->addWidget(flags_);
  drawing_ = new ScourDrawing;
  layout->addWidget(drawing_, 1);
  auto* refresh = new QPushButton(QStringLiteral("刷新"));
  refresh->setObjectName(QStringLiteral("Refresh"));
  layout->addWidget(refresh, 0, Qt::AlignRight);
  connect(refresh, &QPushButton::clicked, this, &ScourSummaryWindow::Refresh);
  connect(water_level_, &QLineEdit::textEdited, this, &ScourSummaryWindow::KeepInputs);
  connect(bridge_class_, &QComboBox::currentIndexChanged, this, &ScourSummaryWindow::KeepInputs);
  connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (item->column() == kFoundation) KeepInputs();
  });
  resize(980, 640);
  Refresh();
}

void ScourSummaryWindow::showEvent(QShowEvent* event) {
  Refresh();
  QWidget::showEvent(event);
}

void ScourSummaryWindow::KeepInputs() {
  if (filling_) return;
  Project project = manager_.project().Snapshot();
  chain::ChainState state = chain::ReadChainState(project);
  state.summary.water_level = U(water_level_->text());
  state.summary.special_bridge = bridge_class_->currentIndex() == 1;
  for (int row = 0; row < table_->rowCount(); ++row) {
    const QTableWidgetItem* key = table_->item(row, kElement);
    const QTableWidgetItem* foundation = table_->item(row, kFoundation);
    if (key == nullptr || foundation == nullptr) continue;
    const std::string text = U(foundation->text());
    const std::string name = U(key->data(Qt::UserRole).toString());
    if (text.empty() || text == U(QStringLiteral("—"))) {
      state.summary.foundations.erase(name);
    } else {
      state.summary.foundations[name] = text;
    }
  }
  chain::WriteChainState(project, state);
  const auto it = project.tools.find(chain::kToolName);
  manager_.project().SetTool(std::string(chain::kToolName),
                             it == project.tools.end() ? std::string() : it->second);
  // H feeds the abutment windows' design water level.
  RefreshChain(manager_);
  Refresh();
}

void ScourSummaryWindow::Refresh() {
  filling_ = true;
  const Project project = manager_.project().Snapshot();
  const chain::ChainState state = chain::ReadChainState(project);
  if (!water_level_->hasFocus()) water_level_->setText(Q(state.summary.water_level));
  bridge_class_->setCurrentIndex(state.summary.special_bridge ? 1 : 0);
  const chain::ScourSummary summary = chain::SummarizeScour(project);
  table_->setRowCount(static_cast<int>(summary.elements.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const chain::ScourElement& e = summary.elements[static_cast<std::size_t>(row)];
    QStringList formulas;
    for (const chain::ScourFormula& f : e.formulas) {
      formulas << QStringLiteral("%1：%2/%3/%4")
                      .arg(Q(f.name), Metres(f.general), Metres(f.local),
                           Metres(std::optional<double>(f.total)));
    }
    const chain::ScourFormula& governing = e.formulas[e.governing];
    const QString verdict = !e.passes   ? QStringLiteral("—")
                            : *e.passes ? QStringLiteral("满足")
                                        : QStringLiteral("不满足");
    const QString cells[kColumns] = {Q(e.caption),
                                     Metres(e.water_level),
                                     formulas.join(QStringLiteral("\n")),
                                     Metres(governing.total),
                                     Metres(governing.below_bed),
                                     Metres(e.scour_line),
                                     e.foundation ? Metres(e.foundation) : QString(),
                                     Metres(e.embedment),
                                     Metres(e.required),
                                     verdict};
    for (int column = 0; column < kColumns; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      if (column != kFoundation) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
      if (column == kElement) item->setData(Qt::UserRole, Q(e.key));
      if (column == kVerdict && e.passes) {
        item->setForeground(*e.passes ? QColor(0, 120, 0) : QColor(200, 0, 0));
      }
      table_->setItem(row, column, item);
    }
  }
  table_->resizeRowsToContents();
  QStringList flags;
  for (const chain::Flag& f : summary.flags) {
    const Window* window = FindWindow(f.form);
    flags << QStringLiteral("⚠ %1：%2")
                 .arg(Q(window != nullptr ? window->caption : f.form), Q(f.text));
  }
  flags_->setText(flags.join(QStringLiteral("\n")));
  SectionInput section;
  if (const auto* surveyed = qobject_cast<SectionWindow*>(manager_.Find(kSectionForm))) {
    section = surveyed->Input();
  }
  drawing_->SetSummary(summary, section);
  filling_ = false;
}

}  // namespace velmora
