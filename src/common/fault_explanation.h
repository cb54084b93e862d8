// SPDX-License-Identifier: GPL-3.0-or-later
// Why a press ended on an arithmetic fault, in terms of the window's own fields.
//
// A press is a pure function, so the explanation is found by pressing again: with the window's
// default texts, to learn which results the button computes, and with one input changed at a
// time, to learn which input alone stands in the way. Nothing is guessed: every statement made
// about an input is the outcome of such a press or the value the input was read as.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/number.h"
#include "common/press.h"
#include "common/window.h"

namespace velmora {

struct FaultExplanation {
  FaultKind kind = FaultKind::kDivisionByZero;
  /// Results the button writes from the window's default texts that this press left unwritten.
  std::vector<std::string> unfinished;
  /// Inputs read that, each changed alone to `text`, let the press end without a fault.
  struct Change {
    std::string control;
    std::string text;
  };
  std::vector<Change> changes;
  /// Inputs read whose values fit the fault: zero for a division by zero, zero or negative for
  /// an invalid argument, the largest magnitude for an overflow.
  std::vector<std::string> fitting;
  /// Every input read, in the order first read.
  std::vector<std::string> read;
};

/// Explains the fault of pressing `button` in `state`; nullopt when that press does not fault.
std::optional<FaultExplanation> ExplainFault(const Window& window, std::string_view button,
                                             const FormState& state);

/// The explanation in lines for the fault box, naming the fields by their labels and the inputs'
/// texts as typed.
std::string DescribeFault(const Window& window, const FormState& state,
                          const FaultExplanation& explanation);

}  // namespace velmora
