// SPDX-License-Identifier: GPL-3.0-or-later
// The rainstorm parameter tables' data files (data/rainstorm/*.csv), compiled into the program.
#pragma once

#include <string_view>

namespace velmora {

/// The text of data/rainstorm/`name`.csv as it stood when the program was built; empty for a
/// name that has no file.
std::string_view RainstormDataText(std::string_view name);

}  // namespace velmora
