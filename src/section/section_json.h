// SPDX-License-Identifier: GPL-3.0-or-later
// The section's input as JSON, for the project file:
//   {"points": [[station, elevation], ...], "splits": [left, right] or null,
//    "n_channel", "slope_channel", "n_floodplain", "slope_floodplain", "qp": number or null}
#pragma once

#include <nlohmann/json.hpp>

#include "section/section_flow.h"

namespace velmora {

/// The project file's `tools` member that keeps the surveyed section.
inline constexpr const char* kSectionTool = "section";

nlohmann::json SectionInputToJson(const SectionInput& input);

/// The input from its JSON; anything missing, mistyped or not finite is a SectionError, so a
/// damaged file is refused whole.
SectionInput SectionInputFromJson(const nlohmann::json& json);

}  // namespace velmora
