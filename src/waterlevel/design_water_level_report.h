// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation report of an accepted design water level trial, as lines of text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/number.h"
#include "waterlevel/design_water_level_estimate.h"

namespace velmora {

/// The report's lines, without line ends, for the trial's section type: 36 lines when separable,
/// 23 when not. The result must be an accepted trial's.
std::vector<std::string> DesignWaterLevelReport(const WaterLevelInputs& in,
                                                const DesignWaterLevelResult& result);

/// The number text of a value line: a space or the minus sign, the shortest digits (15
/// significant for a double, 7 for a single), a trailing space: " 1775.87783963679 ", "-0.5 ".
std::string ReportNumber(Real value);
std::string ReportNumber(Single value);

/// The columns a UTF-8 text takes once written in GBK: one for ASCII, two for any other character.
std::size_t GbkColumns(std::string_view utf8);

}  // namespace velmora
