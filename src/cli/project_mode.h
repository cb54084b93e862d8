// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-calc --project: a project recalculated without a display.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace velmora {

/// `--project FILE [--summary] [--save OUT] [--book OUT]`: presses the project's chain again, one
/// press's JSON a line in the order pressed, and writes the recalculated project to OUT. Returns
/// the exit status: 0, 2 for bad arguments or a refused file (the reason on `err`), 3 when OUT
/// cannot be written (the old OUT is left as it was). With `--summary` it prints the scour summary
/// instead, one JSON object. With `--book OUT.pdf|OUT.docx` it also writes the project's
/// calculation book, before any output: 2 for another extension, 3 when it cannot be written or
/// nothing was calculated.
int RunProjectMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velmora
