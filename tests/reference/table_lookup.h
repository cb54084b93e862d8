// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the tables of reference windows and their cells, for the tests.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "common/registry.h"
#include "common/table.h"

namespace velmora {

/// The table a registered reference window shows.
inline const Table& TableOf(std::string_view form) {
  const Window* window = FindWindow(form);
  if (window == nullptr) throw std::invalid_argument("no window " + std::string(form));
  for (const Block& block : window->blocks) {
    for (const Item& item : block.items) {
      if (const auto* table = std::get_if<TableItem>(&item)) return table->content();
    }
  }
  throw std::invalid_argument(std::string(form) + " holds no table");
}

/// The cell whose top-left corner is at (row, column), or nullptr.
inline const TableCell* CellAt(const Table& table, int row, int column) {
  for (const TableCell& cell : table.cells) {
    if (cell.row == row && cell.column == column) return &cell;
  }
  return nullptr;
}

/// What the cell at (row, column) shows; empty where no cell starts.
inline std::string TextAt(const Table& table, int row, int column) {
  const TableCell* cell = CellAt(table, row, column);
  return cell == nullptr ? std::string() : CellText(*cell);
}

}  // namespace velmora
