// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs outside the range that a window's notes or tables advise. A warning only: the press
// computes with the value as it stands.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/press.h"
#include "common/window.h"

namespace velmora {

struct RangeWarning {
  std::string_view control;  // the input field
  double value = 0.0;        // as read from its text
  FieldRange range;
  std::string message;  // names the input, its value and the range
};

/// The advised range as text: "0.16～1.19", "≥0.5", "≤1.8"; a roughness range says it is 1/n.
std::string RangeText(const FieldRange& range);

/// The warning for one field's text, if its value lies outside the field's range. Empty texts
/// and fields without a range give none.
std::optional<RangeWarning> RangeWarningOf(const Field& field, std::string_view text);

/// Every input of the window whose value lies outside its range, in the window's order.
std::vector<RangeWarning> RangeWarnings(const Window& window, const FormState& state);

}  // namespace velmora
