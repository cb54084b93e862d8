// SPDX-License-Identifier: GPL-3.0-or-later
// The rainstorm parameter tables of the small-catchment formulas: soil and vegetation classes
// (Form15), the zones of the decay exponent n (Form14), of the loss parameters (Form11), of the
// concentration time (Form10), and the coefficients of the empirical formulas (1) and (2)
// (Form17, Form18). The provincial tables' rows come from data/rainstorm/formNN.csv.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/table.h"
#include "common/window.h"

namespace velmora {

/// A data file read: the column names of its first line, then one list of texts per table row.
/// A text "^" joins its cell to the cell above. `problems` names every line that does not fit.
struct RainstormData {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
  std::vector<int> lines;  // the line of the file each row stands on
  std::vector<std::string> problems;
};

/// Reads comma-separated text: '#' starts a comment line, blank lines are skipped, a field may be
/// quoted ("a, b" with "" for a quote). Every row must have as many fields as the first line.
RainstormData ParseRainstormData(std::string_view text);

/// The province, zone and value rows as the table shows them, below its headings and above its
/// notes, from table row `first_row` over `table.columns` columns; a "^" with nothing above it
/// is reported in `problems` and left empty.
void AddRainstormRows(const RainstormData& data, int first_row, Table& table,
                      std::vector<std::string>& problems);

/// The problems found in the data file of a provincial table (Form14, Form11, Form10, Form17,
/// Form18); empty when it lays out cleanly.
std::vector<std::string> RainstormDataProblems(std::string_view form);

const Window& Form15();
const Window& Form14();
const Window& Form11();
const Window& Form10();
const Window& Form17();
const Window& Form18();

}  // namespace velmora
