// SPDX-License-Identifier: GPL-3.0-or-later
// Read-only reference tables as data: positioned cells with spans, headings, notes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmora {

enum class CellRole {
  kData,     // a value
  kHeading,  // a column or row heading, centred in its span
  kTitle,    // the title row over the whole table
  kNote,     // a note row spanning the table
};

/// A table cell. A number is kept as a number and shown with `decimals` places (trailing zeros
/// dropped when `trim_zeros`); a text is shown as written and may hold line breaks ("\n").
/// A diagonal heading holds its two axis names: `text` above the diagonal, `lower` below it.
struct TableCell {
  int row = 0;
  int column = 0;
  int row_span = 1;
  int column_span = 1;
  CellRole role = CellRole::kData;
  std::string text;
  std::optional<double> number;
  int decimals = 2;
  bool trim_zeros = false;
  std::string lower;  // non-empty for a diagonal heading
};

struct Table {
  int rows = 0;
  int columns = 0;
  std::vector<TableCell> cells;  // covered positions of a span have no cell of their own
};

/// The text a cell shows: its text, or its number in its display format.
std::string CellText(const TableCell& cell);

/// The cell's text where it leaves the table (CSV, clipboard): as shown, and a diagonal heading
/// as its row axis, a backslash and its column axis "Cs\P(%)".
std::string CellExportText(const TableCell& cell);

/// The cell that covers this position, itself or by its span; nullptr where none does.
const TableCell* CellAt(const Table& table, int row, int column);

}  // namespace velmora
