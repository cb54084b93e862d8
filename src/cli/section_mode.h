// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-calc --section: the level or discharge of a surveyed cross-section, as one JSON object.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace velmora {

/// Runs `--section FILE.csv [--split L,R] --n-channel N --slope-channel I [--n-floodplain N
/// --slope-floodplain I] (--level H | --discharge Q)`. Returns 0, or 2 with the message on `err`.
int RunSectionMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velmora
