// One press as the runner prints it: the JSON object of the runner's contract.
#pragma once

#include <string>
#include <string_view>

#include "common/press.h"

namespace velmora {

/// The press's JSON object (one line, no line end): the window's fields after the effects, the
/// messages, the fault, the writes into other windows and the report.
std::string PressResultJson(const Window& window, std::string_view button, const FormState& before,
                            const Effects& effects);

}  // namespace velmora
