// SPDX-License-Identifier: GPL-3.0-or-later
// Section points from text: a CSV/TXT file, or a block pasted from a spreadsheet.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "section/section_geometry.h"

namespace velmora {

/// The cells of one line, split at tabs, commas (full-width ones too), semicolons or, when none
/// of those occurs, at runs of spaces; cells are trimmed.
std::vector<std::string> SplitCells(std::string_view line);

/// A whole cell as a number ("+1.5", "2e3"), independent of the locale; nothing otherwise.
std::optional<double> CellNumber(std::string_view cell);

/// One point per line, station then elevation (further cells ignored); blank lines and lines
/// starting with '#' skipped; a header line before the first point allowed; a UTF-8 byte-order
/// mark ignored. Throws SectionError naming the line that is not two numbers.
std::vector<SectionPoint> ParseSectionPoints(std::string_view text);

}  // namespace velmora
