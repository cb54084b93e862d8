// SPDX-License-Identifier: GPL-3.0-or-later
// A button press as a pure function: the window's state in, an ordered list of effects out.
//
// The shell carries the effects out in order, the runner prints them, the tests assert on them.
// A handler reads field texts through `Press`, computes, and records what should happen; it
// touches no window itself. An arithmetic fault while it runs ends the list with a
// `effect::Fault`, so the effects recorded before it (a window that writes early) still stand.
#pragma once

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/number.h"
#include "common/window.h"

namespace velmora {

/// What a window holds: its field texts, the option button that is on, and the one value a window
/// keeps beside its fields for the whole run (`TrialSucceeded`).
struct FormState {
  std::map<std::string, std::string, std::less<>> fields;
  std::string selected_option;  // control name, or empty when none is on
  bool trial_succeeded = false;
};

/// A window's state with its field texts by position in `Fields(window)`, for a caller that
/// presses many times and keeps the texts where they stand (they must outlive the press).
struct FlatState {
  std::span<const Field* const> fields;  // Fields(window)
  std::span<const std::string_view> texts;
  std::string_view selected_option;
  bool trial_succeeded = false;
};

/// The state of a freshly created window: default texts, results empty, no option on.
FormState DefaultState(const Window& window);

namespace effect {

/// Sets a text field of the pressed window.
struct SetField {
  std::string control;
  std::string text;
  bool operator==(const SetField&) const = default;
};
/// A modal box with the information icon: OK, or OK and Cancel (both go on the same way).
struct Message {
  std::string title;
  std::string text;
  bool ok_cancel = false;
  bool operator==(const Message&) const = default;
};
/// `OpenWindow` on a form.
struct Open {
  std::string form;
  bool operator==(const Open&) const = default;
};
/// `CloseWindow` on the pressed window.
struct Close {
  bool operator==(const Close&) const = default;
};
/// Sets an input field of another window, creating that window hidden when it does not exist.
struct SetOtherField {
  std::string form;
  std::string control;
  std::string text;
  bool operator==(const SetOtherField&) const = default;
};
struct SetTrialSucceeded {
  bool value = false;
  bool operator==(const SetTrialSucceeded&) const = default;
};
/// Rewrites the design water level report with these lines.
struct WriteReport {
  std::vector<std::string> lines;
  bool operator==(const WriteReport&) const = default;
};
/// Shows the report file of the last accepted trial.
struct ShowReport {
  bool operator==(const ShowReport&) const = default;
};
/// The press was abandoned on an arithmetic fault.
struct Fault {
  FaultKind kind = FaultKind::kOverflow;
  std::string text;
  bool operator==(const Fault&) const = default;
};

}  // namespace effect

using Effect = std::variant<effect::SetField, effect::Message, effect::Open, effect::Close,
                            effect::SetOtherField, effect::SetTrialSucceeded, effect::WriteReport,
                            effect::ShowReport, effect::Fault>;
using Effects = std::vector<Effect>;

/// What a handler sees and records during one press.
class Press {
 public:
  Press(const Window& window, const FormState& state);
  /// `storage`: a list whose room is reused for the effects (its elements are dropped).
  Press(const Window& window, const FlatState& state, Effects storage = {});

  const Window& window() const { return window_; }

  /// The field's text as it was when the button was pressed.
  std::string_view Text(std::string_view control) const;
  /// `ValueOfText` of the field; a number beyond the double range is an overflow.
  Real Read(std::string_view control) const;
  /// `ValueOfText` of the field rounded to single precision.
  Single ReadSingle(std::string_view control) const;
  bool Selected(std::string_view option) const;
  bool TrialSucceeded() const { return trial_succeeded_; }

  /// Sets a field of this window to a text.
  void Set(std::string_view control, std::string text);
  /// Writes a result: `FormatPattern` of the value with the pattern.
  void SetResult(std::string_view control, Real value, std::string_view pattern);
  void SetResult(std::string_view control, Single value, std::string_view pattern);
  void Hint(std::string_view title, std::string_view text);
  void Message(std::string_view title, std::string_view text, bool ok_cancel);
  void Open(std::string_view form);
  void Close();
  void SetOther(std::string_view form, std::string_view control, std::string text);
  void SetTrialSucceeded(bool value);
  void WriteReport(std::vector<std::string> lines);
  void ShowReport();

  Effects TakeEffects() { return std::move(effects_); }
  /// Keeps the fields read as numbers from now on, for FieldsRead.
  void TraceReads() { tracing_ = true; }
  /// The fields read as numbers while traced, each once, in the order first read.
  std::vector<std::string> FieldsRead() const;

 private:
  const Field& RequireField(std::string_view control) const;
  // The field and its text.
  std::pair<const Field*, std::string_view> Lookup(std::string_view control) const;
  // After a fault the press has ended: nothing more is recorded (see FaultTrap).
  static bool Ended() { return FaultTrap::Fault() != nullptr; }

  const Window& window_;
  const FormState* state_ = nullptr;  // or, for a flat state,
  std::span<const Field* const> fields_;
  std::span<const std::string_view> texts_;
  const NameTable<std::size_t>* positions_ = nullptr;  // of fields_, where the registry has them
  std::string_view selected_option_;
  bool trial_succeeded_ = false;
  bool tracing_ = false;
  Effects effects_;
  mutable std::vector<const Field*> fields_read_;
};

/// Presses a button of a window in the given state. Unknown buttons give no effects.
Effects PressButton(const Window& window, std::string_view button, const FormState& state);
Effects PressButton(const Window& window, std::string_view button, const FlatState& state);
/// The same into `effects`, whose room is reused: for a caller that presses many times.
void PressButton(const Window& window, std::string_view button, const FlatState& state,
                 Effects& effects);

/// A press with the fields its handler read as numbers, in the order first read.
struct TracedPress {
  Effects effects;
  std::vector<std::string> fields_read;
};
TracedPress PressButtonTraced(const Window& window, std::string_view button,
                              const FormState& state);

/// The window's own state after the effects: its field texts and `TrialSucceeded`.
FormState ApplyEffects(FormState state, const Effects& effects);

/// The fault that ended the press, if one did.
const effect::Fault* FaultOf(const Effects& effects);

}  // namespace velmora
