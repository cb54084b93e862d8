// velmora-calc: presses a button of a window without a display and prints what happened as JSON.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace velmora {

/// Runs the runner with its arguments (without the program name). Returns the exit status:
/// 0 when every press ran (a fault is a result), 2 on an unknown form, button or control, or
/// malformed input, with a message on `err`.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace velmora
