// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/table.h"

#include <charconv>
#include <string>

namespace velmora {

std::string CellText(const TableCell& cell) {
  if (!cell.number) return cell.text;
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, *cell.number,
                                    std::chars_format::fixed, cell.decimals);
  std::string text(buffer, result.ptr);
  if (cell.trim_zeros && text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) {
    text.erase(0, 1);  // no sign on a value that shows as zero
  }
  return text;
}

std::string CellExportText(const TableCell& cell) {
  if (cell.lower.empty()) return CellText(cell);
  return cell.lower + "\\" + CellText(cell);
}

const TableCell* CellAt(const Table& table, int row, int column) {
  for (const TableCell& cell : table.cells) {
    if (row >= cell.row && row < cell.row + cell.row_span && column >= cell.column &&
        column < cell.column + cell.column_span) {
      return &cell;
    }
  }
  return nullptr;
}

}  // namespace velmora
