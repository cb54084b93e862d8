#include "cli/csv.h"

#include <vector>

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
