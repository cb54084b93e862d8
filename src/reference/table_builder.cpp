// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/table_builder.h"

#include <stdexcept>
#include <utility>

namespace velmora {

RowCell Span(RowCell cell, int rows, int columns) {
  cell.row_span = rows;
  cell.column_span = columns;
  return cell;
}

RowCell Diagonal(std::string_view upper, std::string_view lower) {
  RowCell cell(upper);
  cell.lower = lower;
  return cell;
}

TableBuilder::TableBuilder(int columns) { table_.columns = columns; }

TableBuilder& TableBuilder::Numbers(int decimals, bool trim_zeros) {
  decimals_ = decimals;
  trim_zeros_ = trim_zeros;
  return *this;
}

TableBuilder& TableBuilder::RowHeadings(int columns) {
  row_heading_columns_ = columns;
  return *this;
}

TableBuilder& TableBuilder::Title(std::string_view text) {
  Place({Span(text, 1, table_.columns)}, CellRole::kTitle);
  return *this;
}

TableBuilder& TableBuilder::Headings(std::vector<RowCell> cells) {
  Place(std::move(cells), CellRole::kHeading);
  return *this;
}

TableBuilder& TableBuilder::Row(std::vector<RowCell> cells) {
  Place(std::move(cells), CellRole::kData);
  return *this;
}

TableBuilder& TableBuilder::Note(std::string_view text) {
  Place({Span(text, 1, table_.columns)}, CellRole::kNote);
  return *this;
}

void TableBuilder::Place(std::vector<RowCell> cells, CellRole role) {
  const int row = table_.rows++;
  auto cover = [&](int r, int c) {
    while (static_cast<int>(covered_.size()) <= r) {
      covered_.emplace_back(static_cast<std::size_t>(table_.columns), false);
    }
    auto&& slot = covered_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    if (slot) throw std::logic_error("table cells overlap");
    slot = true;
  };
  auto is_covered = [&](int c) {
    return row < static_cast<int>(covered_.size()) &&
           covered_[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)];
  };

  int column = 0;
  for (RowCell& given : cells) {
    while (column < table_.columns && is_covered(column)) ++column;
    if (column + given.column_span > table_.columns || given.row_span < 1 ||
        given.column_span < 1) {
      throw std::logic_error("table row runs past the last column");
    }
    TableCell cell{.row = row,
                   .column = column,
                   .row_span = given.row_span,
                   .column_span = given.column_span,
                   .role = role,
                   .text = std::move(given.text),
                   .number = given.number,
                   .decimals = decimals_,
                   .trim_zeros = trim_zeros_,
                   .lower = std::move(given.lower)};
    if (role == CellRole::kData && column < row_heading_columns_) cell.role = CellRole::kHeading;
    for (int r = row; r < row + cell.row_span; ++r) {
      for (int c = column; c < column + cell.column_span; ++c) cover(r, c);
    }
    column += cell.column_span;
    table_.cells.push_back(std::move(cell));
  }
  for (int c = 0; c < table_.columns; ++c) {
    if (!is_covered(c)) throw std::logic_error("table row leaves a position empty");
  }
}

Table TableBuilder::Build() const {
  if (static_cast<int>(covered_.size()) > table_.rows) {
    throw std::logic_error("a span reaches below the last row");
  }
  return table_;
}

}  // namespace velmora
