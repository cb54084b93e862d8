// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/range_warnings.h"

#include <cmath>

#include "common/format_pattern.h"
#include "common/value_of_text.h"

namespace velmora {
namespace {

std::string Number(double value) { return GeneralText(Real(value)); }

// The symbol's markup without its marks: "IL_{l}" → "ILl".
std::string PlainSymbol(std::string_view markup) {
  std::string out;
  for (const char c : markup) {
    if (c != '_' && c != '^' && c != '{' && c != '}') out += c;
  }
  return out;
}

}  // namespace

std::string RangeText(const FieldRange& range) {
  std::string text;
  if (std::isinf(range.low)) {
    text = "≤" + Number(range.high);
  } else if (std::isinf(range.high)) {
    text = "≥" + Number(range.low);
  } else {
    text = Number(range.low) + "～" + Number(range.high);
  }
  return range.roughness ? "1/n " + text : text;
}

std::optional<RangeWarning> RangeWarningOf(const Field& field, std::string_view text) {
  if (!field.range || field.role != FieldRole::kInput || text.empty()) return std::nullopt;
  const double value = ValueOfText(text);
  if (!std::isfinite(value)) return std::nullopt;
  const FieldRange& range = *field.range;
  double compared = value;
  // n itself is a few hundredths; the tables give 1/n.
  if (range.roughness && value > 0.0 && value <= 1.0) compared = 1.0 / value;
  if (compared >= range.low && compared <= range.high) return std::nullopt;
  std::string message(FieldName(field));
  message +=
      PlainSymbol(field.symbol) + " = " + Number(value) + "，超出建议范围 " + RangeText(range);
  return RangeWarning{field.control, value, range, std::move(message)};
}

std::vector<RangeWarning> RangeWarnings(const Window& window, const FormState& state) {
  std::vector<RangeWarning> out;
  for (const Field* field : Fields(window)) {
    const auto it = state.fields.find(field->control);
    if (it == state.fields.end()) continue;
    if (auto warning = RangeWarningOf(*field, it->second)) out.push_back(std::move(*warning));
  }
  return out;
}

}  // namespace velmora
