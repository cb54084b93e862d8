// SPDX-License-Identifier: GPL-3.0-or-later
// Widgets for the reference windows' content: tables, documents, pictures.
#pragma once

#include <QStringList>
#include <QTableView>
#include <string_view>

class QKeyEvent;
class QResizeEvent;

namespace velmora {

struct Table;

/// A read-only view of a reference table. Spanned headings are merged and centred, long texts
/// wrap, headings are bold on a shaded ground, a split heading is drawn with its diagonal.
/// Columns and rows are sized so that no text is cut off. Selected cells copy (Ctrl+C, or
/// "复制" in the context menu) as tab-separated lines that a spreadsheet takes as they stand.
class TableView : public QTableView {
  Q_OBJECT

 public:
  // Room between a cell's text and its grid lines.
  static constexpr int kPadX = 6;
  static constexpr int kPadY = 3;

  explicit TableView(const Table& table, QWidget* parent = nullptr);

  /// The selected cells as tab-separated lines over the selection's bounding rectangle; cells
  /// covered by a span and unselected cells are empty.
  QString SelectedText() const;
  /// Puts `SelectedText()` on the clipboard.
  void CopySelection();

  /// The size that shows the whole table without scrolling.
  QSize sizeHint() const override;
  /// No larger than the whole table, so that a small table gets no empty band below it.
  QSize minimumSizeHint() const override;

  /// Leading rows that hold only headings (and the title), and leading columns of row headings:
  /// they stay in view while the rest scrolls, as frozen panes of a spreadsheet.
  int FrozenRows() const { return frozen_rows_; }
  int FrozenColumns() const { return frozen_columns_; }

  /// The notes shown above the table rather than at its end: those of a table with rows still
  /// waiting for their values, with a word on how such rows are marked.
  const QStringList& TopNotes() const { return top_notes_; }

  /// The row and column under the mouse, highlighted; -1 when none.
  int HoveredRow() const { return hovered_row_; }
  int HoveredColumn() const { return hovered_column_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  QTableView* AddFrozenPane(const QString& name);
  void PlaceFrozenPanes();
  void Hover(int row, int column);

  QStringList top_notes_;
  int frozen_rows_ = 0;
  int frozen_columns_ = 0;
  int hovered_row_ = -1;
  int hovered_column_ = -1;
  QTableView* top_ = nullptr;     // the heading rows
  QTableView* left_ = nullptr;    // the first columns
  QTableView* corner_ = nullptr;  // where both meet
};

/// A `TableView` named "Table".
QWidget* CreateTableView(const Table& table);

/// A read-only view of a formatted text (a small subset of HTML), sized for reading.
QWidget* CreateDocumentView(std::string_view rich_text);

}  // namespace velmora
