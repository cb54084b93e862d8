// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "common/number.h"

namespace velmora {

/// The field text of a number by a digit pattern such as "######.###": at most three decimals
/// (halves away from zero), no trailing zeros, no leading zero, the point always written, every
/// integer digit written (0.5 -> ".5", 12 -> "12.", 0 -> "."). A double is first taken to 15
/// significant decimal digits, a single to 7. A negative value that rounds to zero shows as ".".
std::string FormatPattern(Real value, std::string_view pattern);
std::string FormatPattern(Single value, std::string_view pattern);

/// The shortest decimal text of a number with at most 15 (double) or 7 (single) significant
/// digits, a leading zero before the point below 1, e.g. "1775.87783963679", "-2.474197",
/// "0.7878551". Magnitudes from 10^15 (10^7 for a single) upwards or below 10^-5 use an
/// exponent, "1.5E+20".
std::string GeneralText(Real value);
std::string GeneralText(Single value);
/// As `GeneralText`, never with an exponent: 9.03008E-06 is "0.00000903008", 1.5E+08
/// "150000000".
std::string DecimalText(Single value);

}  // namespace velmora
