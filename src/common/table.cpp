#include "common/table.h"

#include <cstdio>
#include <string>

namespace velmora {

std::string CellText(const TableCell& cell) {
  if (!cell.number) return cell.text;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", cell.decimals, *cell.number);
  std::string text = buffer;
  if (cell.trim_zeros && text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) {
    text.erase(0, 1);  // no sign on a value that shows as zero
  }
  return text;
}

}  // namespace velmora
