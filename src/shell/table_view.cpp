// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/table_view.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "common/table.h"
#include "common/texts.h"
#include "shell/text.h"

namespace velmora {
namespace {

constexpr int kPadX = TableView::kPadX;
constexpr int kPadY = TableView::kPadY;
// A column grows to this many characters before its texts wrap.
constexpr int kWrapCharacters = 16;
// A table with notes is at least this many characters wide, so that they read as lines.
constexpr int kNoteCharacters = 32;

constexpr int kRoleRole = Qt::UserRole;       // CellRole of the cell
constexpr int kLowerRole = Qt::UserRole + 1;  // text below the diagonal of a split heading
constexpr int kExportRole = Qt::UserRole + 2;

const QColor kHeadingGround(0xE8, 0xEC, 0xF2);
const QColor kHoverTint(0xFF, 0xE0, 0x80, 0x50);  // translucent, over either ground
const QColor kUnfilledHatch(0xB0, 0xB0, 0xB0);

// One position of the grid. Positions covered by a span stay empty.
struct Entry {
  QString text;
  QString lower;
  QString exported;
  CellRole role = CellRole::kData;
  bool left = false;      // a wrapped data text reads better from the left
  int point = -1;         // a number: where its fraction (the point on) starts in `text`
  bool unfilled = false;  // an empty position of a row whose values are still to come
};

// "1.2×10－4" as the handbook prints a power of ten, written with a real superscript.
QString WithSuperscripts(const QString& text) {
  static const QRegularExpression power(QStringLiteral("×10([－-]?)([0-9]+)"));
  static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
  QString out = text;
  for (QRegularExpressionMatch m = power.match(out); m.hasMatch(); m = power.match(out)) {
    QString exponent = m.captured(1).isEmpty() ? QString() : QStringLiteral("⁻");
    for (const QChar c : m.captured(2)) exponent += digits[c.digitValue()];
    out.replace(m.capturedStart(), m.capturedLength(), QStringLiteral("×10") + exponent);
  }
  return out;
}

// Where a plain decimal number's fraction starts, or -1 for any other text.
int PointOf(const QString& text) {
  static const QRegularExpression number(QStringLiteral("^-?[0-9]*(\\.[0-9]*)?$"));
  if (text.isEmpty() || !number.match(text).hasMatch()) return -1;
  const int point = static_cast<int>(text.indexOf(QLatin1Char('.')));
  return point < 0 ? static_cast<int>(text.size()) : point;
}

class TableModel : public QAbstractTableModel {
 public:
  TableModel(const Table& table, const QFont& base, QObject* parent)
      : QAbstractTableModel(parent), rows_(table.rows), columns_(table.columns) {
    entries_.resize(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_));
    for (const TableCell& cell : table.cells) {
      Entry& e = At(cell.row, cell.column);
      e.text = WithSuperscripts(Q(CellText(cell)));
      e.lower = Q(cell.lower);
      e.exported = Q(CellExportText(cell));
      e.role = cell.role;
      if (cell.role == CellRole::kData && cell.column_span == 1) e.point = PointOf(e.text);
    }
    MarkUnfilledRows(table);
    heading_font_ = base;
    heading_font_.setBold(true);
    title_font_ = heading_font_;
    title_font_.setPointSizeF(base.pointSizeF() * 1.25);
    base_font_ = base;
  }

  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : columns_;
  }

  Qt::ItemFlags flags(const QModelIndex&) const override {
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const Entry& e = At(index.row(), index.column());
    switch (role) {
      case Qt::DisplayRole:
        return e.text;
      case kLowerRole:
        return e.lower;
      case kExportRole:
        return e.exported;
      case kRoleRole:
        return static_cast<int>(e.role);
      case Qt::FontRole:
        return FontOf(e.role);
      case Qt::TextAlignmentRole:
        return static_cast<int>(AlignmentOf(e));
      case Qt::ToolTipRole:
        return e.unfilled ? Q(texts::kUnfilledRow) : QVariant();
      default:
        return {};
    }
  }

  const QFont& FontOf(CellRole role) const {
    if (role == CellRole::kTitle) return title_font_;
    if (role == CellRole::kHeading) return heading_font_;
    return base_font_;
  }

  static Qt::Alignment AlignmentOf(const Entry& e) {
    if (e.role == CellRole::kNote || (e.role == CellRole::kData && e.left)) {
      return Qt::AlignLeft | Qt::AlignVCenter;
    }
    return Qt::AlignCenter;
  }

  bool HasUnfilledRows() const { return has_unfilled_; }

  // The widest whole part and the widest fraction of the numbers of each column, so that their
  // points line up.
  std::vector<int> whole_width;
  std::vector<int> fraction_width;

  Entry& At(int row, int column) {
    return entries_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                    static_cast<std::size_t>(column)];
  }
  const Entry& At(int row, int column) const {
    return entries_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                    static_cast<std::size_t>(column)];
  }

 private:
  // A row that names a zone and holds no value yet: its values are still to be copied from the
  // handbook.
  void MarkUnfilledRows(const Table& table) {
    for (int r = 0; r < rows_; ++r) {
      bool names = false;
      bool values = false;
      bool empty = false;
      for (int c = 1; c < columns_; ++c) {
        const TableCell* cell = CellAt(table, r, c);
        if (cell == nullptr) {
          empty = true;
        } else if (cell->role == CellRole::kHeading) {
          names = true;
        } else if (cell->role != CellRole::kData || !CellText(*cell).empty()) {
          values = true;
        }
      }
      if (!names || values || !empty) continue;
      for (int c = 1; c < columns_; ++c) {
        if (CellAt(table, r, c) == nullptr) At(r, c).unfilled = true;
      }
      has_unfilled_ = true;
    }
  }

  int rows_;
  int columns_;
  bool has_unfilled_ = false;
  std::vector<Entry> entries_;
  QFont base_font_;
  QFont heading_font_;
  QFont title_font_;
};

// Paints every cell itself, with the same padding and wrapping that sized it, for the view and
// for its frozen panes.
class CellDelegate : public QStyledItemDelegate {
 public:
  CellDelegate(const TableView* view, const TableModel* model)
      : QStyledItemDelegate(const_cast<TableView*>(view)), view_(view), model_(model) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const Entry& e = model_->At(index.row(), index.column());
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QRect cell = option.rect;
    painter->save();
    if (selected) {
      painter->fillRect(cell, option.palette.brush(QPalette::Highlight));
    } else {
      if (e.role == CellRole::kHeading) painter->fillRect(cell, kHeadingGround);
      if (e.unfilled) painter->fillRect(cell, QBrush(kUnfilledHatch, Qt::BDiagPattern));
      if (Hovered(index) && e.role != CellRole::kTitle && e.role != CellRole::kNote) {
        painter->fillRect(cell, kHoverTint);
      }
    }
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(model_->FontOf(e.role));
    // A cell partly scrolled away, or under a frozen pane, shows its text in the part in view.
    QRect room = cell;
    const auto* pane = qobject_cast<const QAbstractItemView*>(option.widget);
    if (pane != nullptr && view_->rowSpan(index.row(), index.column()) > 1) {
      const QRect visible = Visible(pane, index);
      QRect shown = cell;
      shown.setTop(std::max(cell.top(), visible.top()));
      shown.setBottom(std::min(cell.bottom(), visible.bottom()));
      const QFontMetrics metrics(painter->font());
      const int lines = static_cast<int>(e.text.count(QLatin1Char('\n'))) + 1;
      if (shown.height() >= lines * metrics.lineSpacing() + 2 * kPadY) room = shown;
    }
    const QRect inner = room.adjusted(kPadX, kPadY, -kPadX, -kPadY);
    if (!e.lower.isEmpty()) {
      const QRect whole = cell.adjusted(kPadX, kPadY, -kPadX, -kPadY);
      painter->setRenderHint(QPainter::Antialiasing);
      painter->drawLine(cell.topLeft(), cell.bottomRight());
      painter->drawText(whole, Qt::AlignRight | Qt::AlignTop, e.text);
      painter->drawText(whole, Qt::AlignLeft | Qt::AlignBottom, e.lower);
    } else if (e.point >= 0 && !e.left) {
      // Numbers line up on their points, the block of them centred in the column.
      const int whole = model_->whole_width[std::size_t(index.column())];
      const int fraction = model_->fraction_width[std::size_t(index.column())];
      const int point = inner.left() + (inner.width() - whole - fraction) / 2 + whole;
      painter->drawText(QRect(inner.left(), inner.top(), point - inner.left(), inner.height()),
                        Qt::AlignRight | Qt::AlignVCenter, e.text.left(e.point));
      painter->drawText(QRect(point, inner.top(), inner.right() - point + 1, inner.height()),
                        Qt::AlignLeft | Qt::AlignVCenter, e.text.mid(e.point));
    } else {
      painter->drawText(inner, static_cast<int>(TableModel::AlignmentOf(e)) | Qt::TextWordWrap,
                        e.text);
    }
    painter->restore();
  }

 private:
  bool Hovered(const QModelIndex& index) const {
    const int row = view_->HoveredRow();
    const int column = view_->HoveredColumn();
    const int r = index.row();
    const int c = index.column();
    return (row >= r && row < r + view_->rowSpan(r, c)) ||
           (column >= c && column < c + view_->columnSpan(r, c));
  }

  // The part of a pane's viewport where this cell can be seen: the main view's and the panes'
  // scrolling parts lie beyond the frozen rows and columns.
  QRect Visible(const QAbstractItemView* pane, const QModelIndex& index) const {
    QRect visible = pane->viewport()->rect();
    int top = 0;
    for (int r = 0; r < view_->FrozenRows(); ++r) top += view_->rowHeight(r);
    int left = 0;
    for (int c = 0; c < view_->FrozenColumns(); ++c) left += view_->columnWidth(c);
    if (index.row() >= view_->FrozenRows()) visible.setTop(top);
    if (index.column() >= view_->FrozenColumns()) visible.setLeft(left);
    return visible;
  }

  const TableView* view_;
  const TableModel* model_;
};

// Text is laid out in fractions of a pixel: round up, or the last character wraps.
int Whole(qreal pixels) { return static_cast<int>(std::ceil(pixels)) + 1; }

int LongestLine(const QFontMetricsF& metrics, const QString& text) {
  if (!text.contains(QLatin1Char('\n'))) return Whole(metrics.horizontalAdvance(text));
  qreal widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    widest = std::max(widest, metrics.horizontalAdvance(line));
  }
  return Whole(widest);
}

// The text's size when wrapped to `width`; wider than `width` when a word cannot be broken.
QSize Wrapped(const QFontMetricsF& metrics, const QString& text, int width) {
  const QRectF bounds =
      metrics.boundingRect(QRectF(0, 0, std::max(width, 1), 1 << 20), Qt::TextWordWrap, text);
  return {Whole(bounds.width()), Whole(bounds.height())};
}

// Sizes sections (columns or rows) so that each cell gets what it needs: cells within one section
// first, then cells over several share out what they still lack evenly, shorter spans first.
// `place(i)` gives cell i's first section and its span, `need(i)` the size it needs.
template <typename Place, typename Need>
void FitSections(std::vector<int>& sizes, std::size_t count, Place place, Need need) {
  std::vector<std::size_t> spanning;
  for (std::size_t i = 0; i < count; ++i) {
    const auto [first, span] = place(i);
    if (span == 1) {
      sizes[std::size_t(first)] = std::max(sizes[std::size_t(first)], need(i));
    } else {
      spanning.push_back(i);
    }
  }
  std::stable_sort(spanning.begin(), spanning.end(),
                   [&](std::size_t a, std::size_t b) { return place(a).second < place(b).second; });
  for (std::size_t i : spanning) {
    const auto [first, span] = place(i);
    int have = 0;
    for (int k = 0; k < span; ++k) have += sizes[std::size_t(first) + std::size_t(k)];
    const int lack = need(i) - have;
    if (lack <= 0) continue;
    for (int k = 0; k < span; ++k) {
      sizes[std::size_t(first) + std::size_t(k)] += lack / span + (k < lack % span ? 1 : 0);
    }
  }
}

// Column widths and row heights that show every text whole.
void SizeSections(QTableView& view, TableModel& model, const Table& table) {
  const QFontMetricsF base(model.FontOf(CellRole::kData));
  const QFontMetricsF heading(model.FontOf(CellRole::kHeading));
  const QFontMetricsF title(model.FontOf(CellRole::kTitle));
  auto metrics_of = [&](CellRole role) -> const QFontMetricsF& {
    if (role == CellRole::kTitle) return title;
    if (role == CellRole::kHeading) return heading;
    return base;
  };
  const qreal character = base.horizontalAdvance(QChar(0x6C34));  // 水
  const int wrap_width = Whole(character * kWrapCharacters) + 2 * kPadX;
  const int note_width = Whole(character * kNoteCharacters) + 2 * kPadX;
  const std::size_t count = table.cells.size();
  // A column or row without any cell of its own still shows, one line high and wide.
  std::vector<int> widths(static_cast<std::size_t>(table.columns),
                          Whole(base.height()) + 2 * kPadX);
  std::vector<int> heights(static_cast<std::size_t>(table.rows), Whole(base.height()) + 2 * kPadY);
  auto span_width = [&](const TableCell& c) {
    int w = 0;
    for (int i = c.column; i < c.column + c.column_span; ++i) w += widths[std::size_t(i)];
    return w;
  };
  auto entry = [&](std::size_t i) -> Entry& {
    return model.At(table.cells[i].row, table.cells[i].column);
  };

  // What each cell would like: its longest line, wrapped beyond the wrap width. Notes wrap to
  // the width the table has, widening a narrow one; a title keeps to one line.
  std::vector<int> natural(count, 0);
  for (std::size_t i = 0; i < count; ++i) {
    const QFontMetricsF& m = metrics_of(table.cells[i].role);
    natural[i] = LongestLine(m, entry(i).text) + 2 * kPadX;
    if (!entry(i).lower.isEmpty()) natural[i] += LongestLine(m, entry(i).lower) + 2 * kPadX;
  }
  auto wanted = [&](std::size_t i) {
    const TableCell& cell = table.cells[i];
    if (cell.role == CellRole::kNote) return std::min(natural[i], note_width);
    if (cell.role == CellRole::kTitle || !entry(i).lower.isEmpty()) return natural[i];
    if (natural[i] <= wrap_width) return natural[i];
    // A word that cannot be broken sets the least width.
    return std::max(
        wrap_width,
        Wrapped(metrics_of(cell.role), entry(i).text, wrap_width - 2 * kPadX).width() + 2 * kPadX);
  };
  FitSections(
      widths, count,
      [&](std::size_t i) { return std::pair(table.cells[i].column, table.cells[i].column_span); },
      wanted);

  // Numbers aligned on their points need their widest whole part beside their widest fraction.
  model.whole_width.assign(std::size_t(table.columns), 0);
  model.fraction_width.assign(std::size_t(table.columns), 0);
  for (std::size_t i = 0; i < count; ++i) {
    const Entry& e = entry(i);
    if (e.point < 0) continue;
    const auto c = std::size_t(table.cells[i].column);
    model.whole_width[c] =
        std::max(model.whole_width[c], Whole(base.horizontalAdvance(e.text.left(e.point))));
    model.fraction_width[c] =
        std::max(model.fraction_width[c], Whole(base.horizontalAdvance(e.text.mid(e.point))));
  }
  for (std::size_t c = 0; c < widths.size(); ++c) {
    if (model.whole_width[c] > 0) {
      widths[c] = std::max(widths[c], model.whole_width[c] + model.fraction_width[c] + 2 * kPadX);
    }
  }

  // Data that wraps in a column reads from the left, all of that column alike.
  std::vector<bool> wraps(static_cast<std::size_t>(table.columns), false);
  for (std::size_t i = 0; i < count; ++i) {
    const TableCell& cell = table.cells[i];
    if (cell.role == CellRole::kData && natural[i] > span_width(cell)) {
      wraps[std::size_t(cell.column)] = true;
    }
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (table.cells[i].role == CellRole::kData) {
      entry(i).left = wraps[std::size_t(table.cells[i].column)];
    }
  }

  // Heights, for the widths now fixed.
  auto needed_height = [&](std::size_t i) {
    const TableCell& cell = table.cells[i];
    const QFontMetricsF& m = metrics_of(cell.role);
    if (!entry(i).lower.isEmpty()) return Whole(2.5 * m.height()) + 2 * kPadY;
    const int room = span_width(cell);
    if (natural[i] <= room) {  // no wrapping: as many lines as it holds
      return Whole(m.height() + m.lineSpacing() * entry(i).text.count(QLatin1Char('\n'))) +
             2 * kPadY;
    }
    return Wrapped(m, entry(i).text, room - 2 * kPadX).height() + 2 * kPadY;
  };
  FitSections(
      heights, count,
      [&](std::size_t i) { return std::pair(table.cells[i].row, table.cells[i].row_span); },
      needed_height);

  // The grid line takes the last pixel of each section.
  const int grid = view.showGrid() ? 1 : 0;
  for (int c = 0; c < table.columns; ++c) {
    view.horizontalHeader()->resizeSection(c, widths[std::size_t(c)] + grid);
  }
  for (int r = 0; r < table.rows; ++r) {
    view.verticalHeader()->resizeSection(r, heights[std::size_t(r)] + grid);
  }
}

// A spreadsheet reads a field with a tab, a line break or a quote when it is quoted.
QString TabField(const QString& text) {
  if (!text.contains(QLatin1Char('\t')) && !text.contains(QLatin1Char('\n')) &&
      !text.contains(QLatin1Char('"'))) {
    return text;
  }
  QString quoted = text;
  quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

class DocumentView : public QTextBrowser {
 public:
  QSize sizeHint() const override {
    // A comfortable reading width; the height that shows the whole text at that width.
    constexpr int kWidth = 620;
    QTextDocument* doc = document()->clone();
    doc->setTextWidth(kWidth);
    const int height = static_cast<int>(doc->size().height());
    delete doc;
    return {kWidth + 2 * frameWidth() + 4, height + 2 * frameWidth() + 4};
  }
};

}  // namespace

TableView::TableView(const Table& table, QWidget* parent) : QTableView(parent) {
  setObjectName(QStringLiteral("Table"));
  auto* model = new TableModel(table, font(), this);
  setModel(model);
  setItemDelegate(new CellDelegate(this, model));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setWordWrap(true);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setMinimumSectionSize(1);
  for (const TableCell& cell : table.cells) {
    if (cell.row_span > 1 || cell.column_span > 1) {
      setSpan(cell.row, cell.column, cell.row_span, cell.column_span);
    }
  }
  SizeSections(*this, *model, table);
  // Never wider or taller than the table: a wider window leaves no empty grid beside it. The
  // width may grow by a scroll bar, for a table taller than the window.
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  setMaximumWidth(sizeHint().width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent));

  auto* copy = new QAction(Q(texts::kCopy), this);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  connect(copy, &QAction::triggered, this, &TableView::CopySelection);
  addAction(copy);
  setContextMenuPolicy(Qt::ActionsContextMenu);

  // A table with rows still to be filled says so, and where to look, before its first row.
  if (model->HasUnfilledRows()) {
    for (const TableCell& cell : table.cells) {
      if (cell.role != CellRole::kNote) continue;
      top_notes_ << Q(cell.text);
      setRowHidden(cell.row, true);
    }
    top_notes_ << Q(texts::kUnfilledNotice);
  }

  viewport()->setMouseTracking(true);
  viewport()->installEventFilter(this);
  // Heading rows: the leading rows without a value or a note in them.
  while (frozen_rows_ < table.rows) {
    bool heads = true;
    for (int c = 0; c < table.columns && heads; ++c) {
      const TableCell* cell = CellAt(table, frozen_rows_, c);
      heads =
          cell != nullptr && (cell->role == CellRole::kHeading || cell->role == CellRole::kTitle);
    }
    if (!heads) break;
    ++frozen_rows_;
  }
  // A table of headings alone has nothing to scroll beneath them.
  if (frozen_rows_ == table.rows) frozen_rows_ = 0;
  frozen_columns_ = frozen_rows_ > 0 && table.columns > 2 ? 1 : 0;
  if (frozen_rows_ > 0) top_ = AddFrozenPane(QStringLiteral("FrozenRows"));
  if (frozen_columns_ > 0) left_ = AddFrozenPane(QStringLiteral("FrozenColumns"));
  if (top_ && left_) corner_ = AddFrozenPane(QStringLiteral("FrozenCorner"));
  PlaceFrozenPanes();
}

QTableView* TableView::AddFrozenPane(const QString& name) {
  auto* pane = new QTableView(this);
  pane->setObjectName(name);
  pane->setModel(model());
  pane->setSelectionModel(selectionModel());
  pane->setItemDelegate(itemDelegate());
  pane->setFocusPolicy(Qt::NoFocus);
  pane->setEditTriggers(QAbstractItemView::NoEditTriggers);
  pane->setSelectionMode(selectionMode());
  pane->setFrameShape(QFrame::NoFrame);
  pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pane->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  pane->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  pane->horizontalHeader()->hide();
  pane->verticalHeader()->hide();
  pane->horizontalHeader()->setMinimumSectionSize(1);
  pane->verticalHeader()->setMinimumSectionSize(1);
  for (int c = 0; c < model()->columnCount(); ++c) pane->setColumnWidth(c, columnWidth(c));
  for (int r = 0; r < model()->rowCount(); ++r) {
    pane->setRowHeight(r, rowHeight(r));
    pane->setRowHidden(r, isRowHidden(r));
    for (int c = 0; c < model()->columnCount(); ++c) {
      if (rowSpan(r, c) > 1 || columnSpan(r, c) > 1)
        pane->setSpan(r, c, rowSpan(r, c), columnSpan(r, c));
    }
  }
  pane->addActions(actions());
  pane->setContextMenuPolicy(Qt::ActionsContextMenu);
  pane->viewport()->setMouseTracking(true);
  pane->viewport()->installEventFilter(this);
  // A pane lays itself out later than the view: follow the view once its range is known.
  for (QScrollBar* bar : {pane->verticalScrollBar(), pane->horizontalScrollBar()}) {
    connect(bar, &QScrollBar::rangeChanged, this, [this] { scrollContentsBy(0, 0); });
    connect(bar, &QScrollBar::valueChanged, this, [this] { scrollContentsBy(0, 0); });
  }
  return pane;
}

void TableView::PlaceFrozenPanes() {
  const QRect room = viewport()->geometry();
  int height = 0;
  for (int r = 0; r < frozen_rows_; ++r) height += rowHeight(r);
  int width = 0;
  for (int c = 0; c < frozen_columns_; ++c) width += columnWidth(c);
  if (top_)
    top_->setGeometry(room.left(), room.top(), room.width(), std::min(height, room.height()));
  if (left_)
    left_->setGeometry(room.left(), room.top(), std::min(width, room.width()), room.height());
  if (corner_) {
    corner_->setGeometry(room.left(), room.top(), std::min(width, room.width()),
                         std::min(height, room.height()));
    corner_->raise();
  }
  scrollContentsBy(0, 0);
}

void TableView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  PlaceFrozenPanes();
}

void TableView::scrollContentsBy(int dx, int dy) {
  QTableView::scrollContentsBy(dx, dy);
  // Each pane follows the view in the one direction it scrolls, and stays put in the other.
  if (top_) {
    top_->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    top_->verticalScrollBar()->setValue(0);
  }
  if (left_) {
    left_->verticalScrollBar()->setValue(verticalScrollBar()->value());
    left_->horizontalScrollBar()->setValue(0);
  }
  if (corner_) {
    corner_->horizontalScrollBar()->setValue(0);
    corner_->verticalScrollBar()->setValue(0);
  }
  // Texts kept in the visible part of their cells move with the scrolling.
  for (QTableView* pane : {top_, left_, corner_}) {
    if (pane) pane->viewport()->update();
  }
  if (dy != 0 || dx != 0) viewport()->update();
}

bool TableView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(this), static_cast<QAbstractItemView*>(top_),
          static_cast<QAbstractItemView*>(left_), static_cast<QAbstractItemView*>(corner_)}) {
      if (view == nullptr || watched != view->viewport()) continue;
      const QModelIndex index =
          view->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
      Hover(index.isValid() ? index.row() : -1, index.isValid() ? index.column() : -1);
    }
  } else if (event->type() == QEvent::Leave) {
    Hover(-1, -1);
  }
  return QTableView::eventFilter(watched, event);
}

void TableView::Hover(int row, int column) {
  if (row == hovered_row_ && column == hovered_column_) return;
  hovered_row_ = row;
  hovered_column_ = column;
  viewport()->update();
  for (QTableView* pane : {top_, left_, corner_}) {
    if (pane) pane->viewport()->update();
  }
}

QString TableView::SelectedText() const {
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  if (selected.isEmpty()) return {};
  int top = selected.front().row();
  int bottom = top;
  int left = selected.front().column();
  int right = left;
  for (const QModelIndex& index : selected) {
    top = std::min(top, index.row());
    bottom = std::max(bottom, index.row());
    left = std::min(left, index.column());
    right = std::max(right, index.column());
  }
  QStringList lines;
  for (int r = top; r <= bottom; ++r) {
    QStringList fields;
    for (int c = left; c <= right; ++c) {
      const QModelIndex index = model()->index(r, c);
      fields << (selectionModel()->isSelected(index) ? TabField(index.data(kExportRole).toString())
                                                     : QString());
    }
    lines << fields.join(QLatin1Char('\t'));
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void TableView::CopySelection() {
  const QString text = SelectedText();
  if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

QSize TableView::sizeHint() const {
  return {horizontalHeader()->length() + 2 * frameWidth(),
          verticalHeader()->length() + 2 * frameWidth()};
}

QSize TableView::minimumSizeHint() const {
  return QTableView::minimumSizeHint().boundedTo(sizeHint());
}

void TableView::keyPressEvent(QKeyEvent* event) {
  // The item view would copy only the current cell.
  if (event->matches(QKeySequence::Copy)) {
    CopySelection();
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

QWidget* CreateTableView(const Table& table) {
  auto* view = new TableView(table);
  if (view->TopNotes().isEmpty()) return view;
  auto* box = new QWidget;
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* notes = new QLabel(view->TopNotes().join(QLatin1Char('\n')));
  notes->setObjectName(QStringLiteral("TopNotes"));
  notes->setWordWrap(true);
  notes->setMaximumWidth(view->maximumWidth());
  layout->addWidget(notes);
  layout->addWidget(view, 1);
  return box;
}

QWidget* CreateDocumentView(std::string_view rich_text) {
  auto* view = new DocumentView;
  view->setObjectName(QStringLiteral("Document"));
  view->setOpenLinks(false);
  view->setHtml(Q(rich_text));
  return view;
}

}  // namespace velmora
