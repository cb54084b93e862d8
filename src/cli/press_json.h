// SPDX-License-Identifier: GPL-3.0-or-later
// One press as the runner prints it: the JSON object of the runner's contract.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "common/press.h"

namespace velmora {

/// The press's JSON object (one line, no line end): the window's fields after the effects, the
/// messages, the fault, the writes into other windows and the report.
std::string PressResultJson(const Window& window, std::string_view button, const FormState& before,
                            const Effects& effects);

/// The same object appended to `out`, for a caller that already holds the window's field texts
/// after the effects: `texts_after[i]` is the text of `fields[i]`, in the order of Fields(window).
void AppendPressResultJson(std::string& out, const Window& window, std::string_view button,
                           std::span<const Field* const> fields,
                           std::span<const std::string_view> texts_after, const Effects& effects);

}  // namespace velmora
