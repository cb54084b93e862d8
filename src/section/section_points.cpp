// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/section_points.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace velmora {
namespace {

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r\n");
  return s.substr(first, last - first + 1);
}

}  // namespace

std::vector<std::string> SplitCells(std::string_view line) {
  std::string text(line);
  // A full-width comma, as Chinese input methods type it, separates like a comma.
  for (std::size_t at; (at = text.find("，")) != std::string::npos;) text.replace(at, 3, ",");
  const bool delimited = text.find_first_of("\t,;") != std::string::npos;
  std::vector<std::string> cells;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = delimited ? text.find_first_of("\t,;", start) : text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string_view cell = Trim(std::string_view(text).substr(start, end - start));
    if (delimited || !cell.empty()) cells.emplace_back(cell);
    start = end + 1;
  }
  return cells;
}

std::optional<double> CellNumber(std::string_view cell) {
  cell = Trim(cell);
  if (!cell.empty() && cell.front() == '+') cell.remove_prefix(1);
  if (cell.empty()) return std::nullopt;
  double value = 0.0;
  const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
  if (error != std::errc() || end != cell.data() + cell.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::vector<SectionPoint> ParseSectionPoints(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<SectionPoint> points;
  bool header_allowed = true;
  int number = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    const std::string_view line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    ++number;
    if (line.empty() || line.front() == '#') continue;
    const std::vector<std::string> cells = SplitCells(line);
    const std::optional<double> station = !cells.empty() ? CellNumber(cells[0]) : std::nullopt;
    const std::optional<double> elevation = cells.size() >= 2 ? CellNumber(cells[1]) : std::nullopt;
    if (station && elevation) {
      points.push_back({*station, *elevation});
    } else if (header_allowed && !station && !elevation) {
      // A header such as "起点距,高程": only before the first point.
    } else {
      throw SectionError("第" + std::to_string(number) + "行不是两个数（起点距,高程）：" +
                         std::string(line));
    }
    header_allowed = false;
  }
  return points;
}

}  // namespace velmora
