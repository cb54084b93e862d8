#include "shell/table_view.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextBrowser>
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

// One position of the grid. Positions covered by a span stay empty.
struct Entry {
  QString text;
  QString lower;
  QString exported;
  CellRole role = CellRole::kData;
  bool left = false;  // a wrapped data text reads better from the left
};

class TableModel : public QAbstractTableModel {
 public:
  TableModel(const Table& table, const QFont& base, QObject* parent)
      : QAbstractTableModel(parent), rows_(table.rows), columns_(table.columns) {
    entries_.resize(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_));
    for (const TableCell& cell : table.cells) {
      Entry& e = At(cell.row, cell.column);
      e.text = Q(CellText(cell));
      e.lower = Q(cell.lower);
      e.exported = Q(CellExportText(cell));
      e.role = cell.role;
    }
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

  Entry& At(int row, int column) {
    return entries_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                    static_cast<std::size_t>(column)];
  }
  const Entry& At(int row, int column) const {
    return entries_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                    static_cast<std::size_t>(column)];
  }

 private:
  int rows_;
  int columns_;
  std::vector<Entry> entries_;
  QFont base_font_;
  QFont heading_font_;
  QFont title_font_;
};

// Paints every cell itself, with the same padding and wrapping that sized it.
class CellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const auto role = static_cast<CellRole>(index.data(kRoleRole).toInt());
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QRect cell = option.rect;
    painter->save();
    if (selected) {
      painter->fillRect(cell, option.palette.brush(QPalette::Highlight));
    } else if (role == CellRole::kHeading) {
      painter->fillRect(cell, kHeadingGround);
    }
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(qvariant_cast<QFont>(index.data(Qt::FontRole)));
    const QRect inner = cell.adjusted(kPadX, kPadY, -kPadX, -kPadY);
    const QString text = index.data(Qt::DisplayRole).toString();
    const QString lower = index.data(kLowerRole).toString();
    if (!lower.isEmpty()) {
      painter->setRenderHint(QPainter::Antialiasing);
      painter->drawLine(cell.topLeft(), cell.bottomRight());
      painter->drawText(inner, Qt::AlignRight | Qt::AlignTop, text);
      painter->drawText(inner, Qt::AlignLeft | Qt::AlignBottom, lower);
    } else {
      const int align = index.data(Qt::TextAlignmentRole).toInt();
      painter->drawText(inner, align | Qt::TextWordWrap, text);
    }
    painter->restore();
  }
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
  setItemDelegate(new CellDelegate(this));
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

QWidget* CreateTableView(const Table& table) { return new TableView(table); }

QWidget* CreateDocumentView(std::string_view rich_text) {
  auto* view = new DocumentView;
  view->setObjectName(QStringLiteral("Document"));
  view->setOpenLinks(false);
  view->setHtml(Q(rich_text));
  return view;
}

}  // namespace velmora
