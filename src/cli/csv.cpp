// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv.h"

#include <algorithm>

#include "cli/utf8.h"
#include "common/table.h"

namespace velmora {

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

void AppendCsvField(std::string& out, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    AppendValidUtf8(out, text);
    return;
  }
  out.push_back('"');
  for (std::size_t start = 0;;) {
    const std::size_t quote = text.find('"', start);
    AppendValidUtf8(
        out, text.substr(start, quote == std::string_view::npos ? quote : quote + 1 - start));
    if (quote == std::string_view::npos) break;
    out.push_back('"');
    start = quote + 1;
  }
  out.push_back('"');
}

bool SplitCsvRecord(std::string_view record, std::vector<std::string>& cells, std::string& error) {
  std::size_t count = 0;
  std::size_t i = 0;
  for (;;) {
    if (cells.size() <= count) cells.emplace_back();
    std::string& cell = cells[count++];
    cell.clear();
    if (i < record.size() && record[i] == '"') {
      ++i;
      for (;;) {
        const std::size_t quote = record.find('"', i);
        if (quote == std::string_view::npos) {
          error = "a quoted cell is not closed";
          return false;
        }
        cell.append(record.substr(i, quote - i));
        i = quote + 1;
        if (i < record.size() && record[i] == '"') {
          cell.push_back('"');
          ++i;
        } else {
          break;
        }
      }
      if (i < record.size() && record[i] != ',') {
        error = "text after the closing quote of cell " + std::to_string(count);
        return false;
      }
    } else {
      const std::size_t comma = std::min(record.find(',', i), record.size());
      cell.append(record.substr(i, comma - i));
      i = comma;
    }
    if (i >= record.size()) break;
    ++i;  // the comma
  }
  cells.resize(count);
  return true;
}

namespace {

// The place of a cell in a row-major grid of the table's size.
std::size_t Index(const Table& table, int row, int column) {
  return static_cast<std::size_t>(row) * static_cast<std::size_t>(table.columns) +
         static_cast<std::size_t>(column);
}

}  // namespace

std::string TableCsv(const Table& table) {
  std::vector<std::string> grid(static_cast<std::size_t>(table.rows * table.columns));
  for (const TableCell& cell : table.cells) {
    grid[Index(table, cell.row, cell.column)] = CellExportText(cell);
  }
  std::string out;
  for (int r = 0; r < table.rows; ++r) {
    for (int c = 0; c < table.columns; ++c) {
      if (c > 0) out += ',';
      out += CsvField(grid[Index(table, r, c)]);
    }
    out += '\n';
  }
  return out;
}

}  // namespace velmora
