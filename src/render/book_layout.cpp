// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/book_layout.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <variant>

namespace velmora::render {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Fills a QTextDocument from the model.
class Builder {
 public:
  explicit Builder(QTextDocument& text) : cursor_(&text) {}

  void Add(const book::Block& block, bool cover) {
    cover_ = cover;
    std::visit([this](const auto& b) { AddBlock(b); }, block);
  }

  void AddContents(const std::vector<std::string>& titles) {
    QTextBlockFormat format = BlockFormat(Qt::AlignCenter);
    format.setBottomMargin(Pt(12));
    StartBlock(format, HeadingFormat(1));
    cursor_.insertText(Q(kContentsTitle));
    if (!titles.empty()) {
      QTextTable* table = InsertTable(static_cast<int>(titles.size()), 2, {0.9, 0.1}, false);
      for (int row = 0; row < static_cast<int>(titles.size()); ++row) {
        QTextCursor cell = table->cellAt(row, 0).firstCursorPosition();
        cell.setBlockFormat(BlockFormat(Qt::AlignLeft));
        cell.insertText(Q(titles[static_cast<std::size_t>(row)]), BodyFormat());
        table->cellAt(row, 1).firstCursorPosition().setBlockFormat(BlockFormat(Qt::AlignRight));
      }
      contents_ = table;
    }
    AddBlock(book::PageBreak{});
  }

  /// The contents' page column, once the chapters' pages are known.
  void SetContentsPages(const std::vector<int>& pages) {
    if (contents_ == nullptr) return;
    // One layout again for all the numbers, not one for each.
    cursor_.beginEditBlock();
    for (int row = 0; row < contents_->rows() && row < static_cast<int>(pages.size()); ++row) {
      QTextCursor cell = contents_->cellAt(row, 1).firstCursorPosition();
      cell.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      cell.insertText(QString::number(pages[static_cast<std::size_t>(row)]), BodyFormat());
    }
    cursor_.endEditBlock();
  }

  const std::vector<int>& chapter_blocks() const { return chapter_blocks_; }

 private:
  // The layout reads lengths in formats (margins, borders, padding) as pixels at 96 dpi and
  // scales them to the device itself.
  static double Pt(double points) { return points * 96.0 / 72.0; }
  // A table rule: the layout draws nothing for a border thinner than a pixel.
  static constexpr double kRule = 1.0;

  QTextCharFormat BodyFormat() const {
    QTextCharFormat format;
    format.setFontFamilies(TextFamilies());
    format.setFontPointSize(kBodyPoints);
    format.setForeground(Qt::black);
    return format;
  }

  QTextCharFormat HeadingFormat(int level) const {
    QTextCharFormat format = BodyFormat();
    // Size, not weight: the Song face has no bold, and Qt does not embolden an embedded font, so
    // bold would reach only the Latin letters and digits.
    format.setFontPointSize(kHeadingPoints[std::clamp(level, 1, 3) - 1]);
    return format;
  }

  QTextBlockFormat BlockFormat(Qt::Alignment align) const {
    QTextBlockFormat format;
    format.setAlignment(align);
    format.setLineHeight(120, QTextBlockFormat::ProportionalHeight);
    return format;
  }

  // Starts a paragraph. The document's first block and the empty block Qt leaves after a table
  // are used instead of adding one, so that no blank line appears there.
  void StartBlock(QTextBlockFormat format, const QTextCharFormat& chars) {
    const bool reuse = reuse_block_;
    if (break_before_) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    break_before_ = false;
    after_table_ = false;
    if (reuse) {
      cursor_.setBlockFormat(format);
      cursor_.setBlockCharFormat(chars);
      reuse_block_ = false;
    } else {
      cursor_.insertBlock(format, chars);
    }
    cursor_.setCharFormat(chars);
  }

  void InsertRuns(QTextCursor& cursor, const book::Runs& runs, const QTextCharFormat& base) {
    for (const book::Run& run : runs) {
      QTextCharFormat format = base;
      if (run.style == book::RunStyle::kSubscript) {
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
      } else if (run.style == book::RunStyle::kSuperscript) {
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
      }
      if (run.italic) format.setFontItalic(true);
      cursor.insertText(Q(run.text), format);
    }
  }

  QTextTable* InsertTable(int rows, int columns, const std::vector<double>& widths, bool ruled) {
    reuse_block_ = false;  // a table right after a table keeps the empty block between them
    QTextTableFormat format;
    format.setCellPadding(Pt(2.5));
    format.setCellSpacing(0);
    format.setBorderCollapse(true);
    format.setBorder(ruled ? kRule : 0);
    format.setBorderBrush(Qt::black);
    format.setBorderStyle(ruled ? QTextFrameFormat::BorderStyle_Solid
                                : QTextFrameFormat::BorderStyle_None);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setTopMargin(Pt(3));
    format.setBottomMargin(Pt(3));
    if (static_cast<int>(widths.size()) == columns) {
      double total = 0;
      for (double w : widths) total += w > 0 ? w : 0;
      if (total > 0) {
        QList<QTextLength> lengths;
        for (double w : widths) {
          lengths.append(
              QTextLength(QTextLength::PercentageLength, 100.0 * (w > 0 ? w : 0) / total));
        }
        format.setColumnWidthConstraints(lengths);
      }
    }
    if (break_before_) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    break_before_ = false;
    QTextTable* table = cursor_.insertTable(rows, columns, format);
    cursor_.movePosition(QTextCursor::End);
    reuse_block_ = true;
    after_table_ = true;
    last_table_ = table;
    return table;
  }

  void AddBlock(const book::Heading& heading) {
    if (cover_) {
      QTextBlockFormat format = BlockFormat(Qt::AlignCenter);
      format.setTopMargin(Pt(kCoverTitlePoints * 5));
      format.setBottomMargin(Pt(kCoverTitlePoints * 3));
      QTextCharFormat chars = HeadingFormat(1);
      chars.setFontPointSize(kCoverTitlePoints);
      StartBlock(format, chars);
      cursor_.insertText(Q(heading.text));
      return;
    }
    const int level = std::clamp(heading.level, 1, 3);
    QTextBlockFormat format = BlockFormat(level == 1 ? Qt::AlignCenter : Qt::AlignLeft);
    format.setHeadingLevel(level);
    format.setTopMargin(Pt(level == 1 ? 6 : 9));
    format.setBottomMargin(Pt(6));
    StartBlock(format, HeadingFormat(level));
    if (level == 1) chapter_blocks_.push_back(cursor_.block().blockNumber());
    cursor_.insertText(Q(heading.text));
  }

  void AddBlock(const book::Paragraph& paragraph) {
    if (cover_) {
      QTextBlockFormat format = BlockFormat(Qt::AlignLeft | Qt::AlignAbsolute);
      format.setLeftMargin(Pt(kCoverIndentPoints));
      format.setBottomMargin(Pt(kCoverLinePoints));
      QTextCharFormat chars = BodyFormat();
      chars.setFontPointSize(kCoverLinePoints);
      StartBlock(format, chars);
      InsertRuns(cursor_, paragraph.runs, chars);
      return;
    }
    QTextBlockFormat format = BlockFormat(Qt::AlignLeft | Qt::AlignAbsolute);
    format.setTextIndent(Pt(2 * kBodyPoints));  // two characters, as Chinese text is set
    format.setBottomMargin(Pt(3));
    StartBlock(format, BodyFormat());
    InsertRuns(cursor_, paragraph.runs, BodyFormat());
  }

  void AddBlock(const book::FormulaLine& formula) {
    QTextBlockFormat format = BlockFormat(Qt::AlignCenter);
    format.setTopMargin(Pt(3));
    format.setBottomMargin(Pt(3));
    StartBlock(format, BodyFormat());
    InsertRuns(cursor_, formula.runs, BodyFormat());
  }

  void AddBlock(const book::Note& note) {
    QTextBlockFormat format = BlockFormat(Qt::AlignLeft | Qt::AlignAbsolute);
    format.setLeftMargin(Pt(2 * kBodyPoints));
    format.setTopMargin(Pt(2));
    format.setBottomMargin(Pt(2));
    StartBlock(format, BodyFormat());
    const std::string text = book::PlainText(note.runs);
    if (!text.starts_with(kNotePrefix)) cursor_.insertText(Q(kNotePrefix), BodyFormat());
    InsertRuns(cursor_, note.runs, BodyFormat());
  }

  void AddBlock(const book::Table& table) {
    const int columns = static_cast<int>(table.header.size());
    if (columns == 0) return;
    const int rows = static_cast<int>(table.rows.size()) + 1;
    QTextTable* qtable = InsertTable(rows, columns, table.widths, true);
    QTextTableFormat format = qtable->format();
    format.setHeaderRowCount(1);  // repeated at the top of every page the table runs onto
    qtable->setFormat(format);
    for (int row = 0; row < rows; ++row) {
      const std::vector<book::Runs>& cells =
          row == 0 ? table.header : table.rows[static_cast<std::size_t>(row - 1)];
      for (int column = 0; column < columns && column < static_cast<int>(cells.size()); ++column) {
        QTextTableCell cell = qtable->cellAt(row, column);
        if (row == 0) {  // the heading row set apart by a tint (see HeadingFormat on bold)
          QTextTableCellFormat tint = cell.format().toTableCellFormat();
          tint.setBackground(QColor(230, 230, 230));
          cell.setFormat(tint);
        }
        QTextCursor cursor = cell.firstCursorPosition();
        cursor.setBlockFormat(BlockFormat(Qt::AlignCenter));
        const book::Runs& runs = cells[static_cast<std::size_t>(column)];
        InsertRuns(cursor, row == 0 ? runs : book::BreakableBetweenTerms(runs), BodyFormat());
      }
    }
  }

  void AddBlock(const book::SignatureBlock& signatures) {
    const int roles = static_cast<int>(signatures.roles.size());
    if (roles == 0) return;
    QTextTable* table = InsertTable(1, 2 * roles, {}, false);
    QTextTableFormat format = table->format();
    format.setTopMargin(Pt(24));
    QList<QTextLength> widths;
    for (int i = 0; i < roles; ++i) {
      widths.append(QTextLength(QTextLength::PercentageLength, 35.0 / roles));
      widths.append(QTextLength(QTextLength::PercentageLength, 65.0 / roles));
    }
    format.setColumnWidthConstraints(widths);
    table->setFormat(format);
    for (int i = 0; i < roles; ++i) {
      const auto& [role, name] = signatures.roles[static_cast<std::size_t>(i)];
      QTextCursor label = table->cellAt(0, 2 * i).firstCursorPosition();
      label.setBlockFormat(BlockFormat(Qt::AlignRight));
      label.insertText(Q(role) + QStringLiteral("："), BodyFormat());
      // The name stands on the line to sign on.
      QTextTableCell cell = table->cellAt(0, 2 * i + 1);
      QTextTableCellFormat line = cell.format().toTableCellFormat();
      line.setBottomBorder(kRule);
      line.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
      line.setBottomBorderBrush(Qt::black);
      line.setRightPadding(Pt(12));
      cell.setFormat(line);
      QTextCursor name_cursor = cell.firstCursorPosition();
      name_cursor.setBlockFormat(BlockFormat(Qt::AlignCenter));
      name_cursor.insertText(Q(name), BodyFormat());
    }
  }

  void AddBlock(const book::PageBreak&) {
    // Qt does not break before the block that follows a table; the table breaks after itself.
    if (after_table_ && last_table_ != nullptr) {
      QTextTableFormat format = last_table_->format();
      format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
      last_table_->setFormat(format);
      after_table_ = false;
    } else {
      break_before_ = true;
    }
  }

  QTextCursor cursor_;
  bool cover_ = false;
  bool reuse_block_ = true;
  bool break_before_ = false;
  bool after_table_ = false;
  QTextTable* last_table_ = nullptr;
  QTextTable* contents_ = nullptr;
  std::vector<int> chapter_blocks_;
};

}  // namespace

QStringList TextFamilies() {
  return {QStringLiteral("DejaVu Serif"), QStringLiteral("AR PL UMing CN"),
          QStringLiteral("Noto Serif CJK SC")};
}

std::string FooterText(int page, int pages) {
  return "第 " + std::to_string(page) + " 页 共 " + std::to_string(pages) + " 页";
}

std::vector<std::string> ChapterTitles(const book::Document& document) {
  std::vector<std::string> titles;
  for (const book::Block& block : document.blocks) {
    const auto* heading = std::get_if<book::Heading>(&block);
    if (heading != nullptr && heading->level <= 1) titles.push_back(heading->text);
  }
  return titles;
}

std::size_t ContentsPosition(const book::Document& document) {
  for (std::size_t i = 0; i < document.blocks.size(); ++i) {
    const book::Block& block = document.blocks[i];
    const auto* heading = std::get_if<book::Heading>(&block);
    if (heading != nullptr && heading->level <= 1) return 0;
    if (std::holds_alternative<book::PageBreak>(block)) return i + 1;
  }
  return 0;
}

LaidOutBook LayOut(const book::Document& document, QPaintDevice& device) {
  LaidOutBook book;
  book.text = std::make_unique<QTextDocument>();
  QTextDocument& text = *book.text;
  book.dots_per_mm = device.logicalDpiY() / 25.4;
  text.documentLayout()->setPaintDevice(&device);
  text.setDocumentMargin(0);
  text.setUndoRedoEnabled(false);
  QFont font(TextFamilies());
  font.setPointSizeF(kBodyPoints);
  text.setDefaultFont(font);
  text.setPageSize(QSizeF((kPageWidthMm - kLeftMm - kRightMm) * book.dots_per_mm,
                          (kPageHeightMm - kTopMm - kBottomMm) * book.dots_per_mm));

  Builder builder(text);
  // One layout for the whole book, not one for every cell inserted.
  QTextCursor edit(&text);
  edit.beginEditBlock();
  const std::size_t contents_at =
      document.table_of_contents ? ContentsPosition(document) : document.blocks.size() + 1;
  for (std::size_t i = 0; i < document.blocks.size(); ++i) {
    if (i == contents_at) builder.AddContents(ChapterTitles(document));
    builder.Add(document.blocks[i], i < contents_at && contents_at <= document.blocks.size());
  }
  if (contents_at == document.blocks.size()) builder.AddContents(ChapterTitles(document));
  edit.endEditBlock();

  // The contents' page numbers come from this layout; writing them changes no line breaks.
  const double page_height = text.pageSize().height();
  QAbstractTextDocumentLayout* layout = text.documentLayout();
  for (int number : builder.chapter_blocks()) {
    const double top = layout->blockBoundingRect(text.findBlockByNumber(number)).top();
    // A block at the top of a page starts a whisker above the page's edge in floating point.
    book.chapter_pages.push_back(static_cast<int>((top + 1.0) / page_height) + 1);
  }
  builder.SetContentsPages(book.chapter_pages);
  return book;
}

}  // namespace velmora::render
