// A reference table as CSV, for export and for checking the tables without a display.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

struct Table;

/// One field quoted as RFC 4180 asks: in double quotes, inner quotes doubled, when it holds a
/// comma, a quote or a line break; otherwise as it stands.
std::string CsvField(std::string_view text);

/// The table row by row, one line ("\n") per row and one field per column. A spanned cell's
/// text stands in its top-left position; the positions its span covers are empty fields.
std::string TableCsv(const Table& table);

}  // namespace velmora
