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

std::string TableCsv(const Table& table) {
  std::vector<std::string> grid(static_cast<std::size_t>(table.rows * table.columns));
  for (const TableCell& cell : table.cells) {
    grid[static_cast<std::size_t>(cell.row * table.columns + cell.column)] = CellExportText(cell);
  }
  std::string out;
  for (int r = 0; r < table.rows; ++r) {
    for (int c = 0; c < table.columns; ++c) {
      if (c > 0) out += ',';
      out += CsvField(grid[static_cast<std::size_t>(r * table.columns + c)]);
    }
    out += '\n';
  }
  return out;
}

}  // namespace velmora
