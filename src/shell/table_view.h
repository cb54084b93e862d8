// Widgets for the reference windows' content: tables, documents, pictures.
#pragma once

#include <QTableView>
#include <string_view>

class QKeyEvent;

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

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

/// A `TableView` named "Table".
QWidget* CreateTableView(const Table& table);

/// A read-only view of a formatted text (a small subset of HTML), sized for reading.
QWidget* CreateDocumentView(std::string_view rich_text);

}  // namespace velmora
