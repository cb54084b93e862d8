// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace velmora {

/// The leading decimal number of a field text, as a double. Spaces, tabs and line feeds are
/// ignored wherever they stand; a text with no leading digit reads as 0. Only ASCII digits,
/// one ".", a sign and an exponent (E, e, D or d) count, so "1,733" reads as 1 and "12.5m" as
/// 12.5. A number too large for a double reads as an infinity, which the press reports as an
/// overflow.
double ValueOfText(std::string_view text);

/// True when the whole text is one plain number (blanks aside) or empty, so that
/// `ValueOfText` reads all of it.
bool IsPlainNumber(std::string_view text);

}  // namespace velmora
