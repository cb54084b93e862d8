// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-calc: presses a button of a window without a display and prints what happened as JSON.
#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora {

/// A request the runner cannot carry out (unknown form, button or control, bad arguments, input
/// that cannot be read): exit status 2, with its text on stderr.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

/// Runs the runner with its arguments (without the program name). Returns the exit status:
/// 0 when every press ran (a fault is a result), 1 when some lines of a batch were errors,
/// 2 on a usage error or input that cannot be read, 3 when the output could not be written;
/// the reason on `err`. A progress line of a long batch goes to `err` only when
/// `err_is_terminal`.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, bool err_is_terminal = false);

}  // namespace velmora
