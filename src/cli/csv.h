// SPDX-License-Identifier: GPL-3.0-or-later
// CSV as RFC 4180 writes it: a reference table for export, and the rows of a batch run.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct Table;

/// One field quoted as RFC 4180 asks: in double quotes, inner quotes doubled, when it holds a
/// comma, a quote or a line break; otherwise as it stands.
std::string CsvField(std::string_view text);

/// Appends CsvField(text), with each ill-formed UTF-8 sequence replaced by U+FFFD.
void AppendCsvField(std::string& out, std::string_view text);

/// Splits one record (its line end removed) into its fields, undoing the quoting. Returns false
/// and says why in `error` on a quote left open or text after a closing quote. `cells` keeps
/// its capacity from call to call.
bool SplitCsvRecord(std::string_view record, std::vector<std::string>& cells, std::string& error);

/// The table row by row, one line ("\n") per row and one field per column. A spanned cell's
/// text stands in its top-left position; the positions its span covers are empty fields.
std::string TableCsv(const Table& table);

}  // namespace velmora
