// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a reference table row by row, the way it is printed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/table.h"

namespace velmora {

/// One cell as a row lists it: a text or a number, with the rows and columns it spans.
struct RowCell {
  RowCell(const char* text) : text(text) {}       // NOLINT: rows are written as plain lists
  RowCell(std::string_view text) : text(text) {}  // NOLINT
  RowCell(double value) : number(value) {}        // NOLINT
  RowCell(int value) : number(value) {}           // NOLINT

  std::string text;
  std::optional<double> number;
  int row_span = 1;
  int column_span = 1;
  std::string lower;  // the text below the diagonal of a split heading
};

/// `cell` spanning `rows` rows and `columns` columns.
RowCell Span(RowCell cell, int rows, int columns);
/// A heading split by a diagonal: `upper` names the columns, `lower` the rows.
RowCell Diagonal(std::string_view upper, std::string_view lower);

/// Lays cells out as an HTML table does: each row lists its cells left to right, and positions
/// covered by a span from a row above are skipped. A row that leaves a position uncovered or
/// runs past the last column is a mistake in the data and throws std::logic_error.
class TableBuilder {
 public:
  explicit TableBuilder(int columns);

  /// The display format of the cells given as numbers from here on.
  TableBuilder& Numbers(int decimals, bool trim_zeros = false);
  /// Data rows from here on show their first `columns` columns as row headings.
  TableBuilder& RowHeadings(int columns);

  /// A title row over all columns.
  TableBuilder& Title(std::string_view text);
  /// A row of column headings.
  TableBuilder& Headings(std::vector<RowCell> cells);
  /// A row of data.
  TableBuilder& Row(std::vector<RowCell> cells);
  /// A note row over all columns.
  TableBuilder& Note(std::string_view text);

  /// The table; throws std::logic_error when a span reaches below the last row.
  Table Build() const;

 private:
  void Place(std::vector<RowCell> cells, CellRole role);

  Table table_;
  std::vector<std::vector<bool>> covered_;  // covered_[row][column]
  int decimals_ = 2;
  bool trim_zeros_ = false;
  int row_heading_columns_ = 0;
};

}  // namespace velmora
