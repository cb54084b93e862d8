// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/press.h"

#include <algorithm>
#include <cassert>
#include <stdexcept>
#include <type_traits>

#include "common/format_pattern.h"
#include "common/name_table.h"
#include "common/value_of_text.h"

namespace velmora {

FormState DefaultState(const Window& window) {
  FormState state;
  for (const Field* field : Fields(window)) {
    state.fields.emplace(std::string(field->control), field->role == FieldRole::kInput
                                                          ? std::string(field->default_text)
                                                          : std::string());
  }
  return state;
}

Press::Press(const Window& window, const FormState& state)
    : window_(window),
      state_(&state),
      selected_option_(state.selected_option),
      trial_succeeded_(state.trial_succeeded) {
  // Room for a window's results, so that a press grows its list once at most.
  effects_.reserve(16);
}

Press::Press(const Window& window, const FlatState& state, Effects storage)
    : window_(window),
      fields_(state.fields),
      texts_(state.texts),
      positions_(FieldPositions(window)),
      selected_option_(state.selected_option),
      trial_succeeded_(state.trial_succeeded),
      effects_(std::move(storage)) {
  effects_.clear();
  effects_.reserve(16);
}

const Field& Press::RequireField(std::string_view control) const {
  const Field* field = FindField(window_, control);
  // A handler naming a field its window lacks is a fault in the program, not in the input.
  if (field == nullptr) {
    throw std::logic_error("no field " + std::string(control) + " in " + std::string(window_.form));
  }
  return *field;
}

std::pair<const Field*, std::string_view> Press::Lookup(std::string_view control) const {
  if (state_ == nullptr) {
    std::size_t at = std::string_view::npos;
    if (positions_ == nullptr) {
      at = FieldPosition(window_, control);
    } else if (const std::size_t* found = positions_->Find(control)) {
      at = *found;
    }
    if (at < texts_.size() && at < fields_.size()) return {fields_[at], texts_[at]};
    return {&RequireField(control), {}};
  }
  const Field& field = RequireField(control);
  const auto it = state_->fields.find(control);
  return {&field, it != state_->fields.end() ? std::string_view(it->second) : std::string_view()};
}

std::string_view Press::Text(std::string_view control) const { return Lookup(control).second; }

Real Press::Read(std::string_view control) const {
  const auto [field, text] = Lookup(control);
  if (tracing_ && !Ended() &&
      std::find(fields_read_.begin(), fields_read_.end(), field) == fields_read_.end()) {
    fields_read_.push_back(field);
  }
  return CheckedReal(ValueOfText(text));
}

std::vector<std::string> Press::FieldsRead() const {
  std::vector<std::string> out;
  out.reserve(fields_read_.size());
  for (const Field* field : fields_read_) out.emplace_back(field->control);
  return out;
}

Single Press::ReadSingle(std::string_view control) const { return ToSingle(Read(control)); }

bool Press::Selected(std::string_view option) const {
  assert(FindOption(window_, option) != nullptr);
  return selected_option_ == option;
}

void Press::Set(std::string_view control, std::string text) {
  if (positions_ == nullptr || positions_->Find(control) == nullptr) RequireField(control);
  if (Ended()) return;
  effects_.push_back(effect::SetField{std::string(control), std::move(text)});
}

void Press::SetResult(std::string_view control, Real value, std::string_view pattern) {
  if (Ended()) return;
  Set(control, FormatPattern(value, pattern));
}

void Press::SetResult(std::string_view control, Single value, std::string_view pattern) {
  if (Ended()) return;
  Set(control, FormatPattern(value, pattern));
}

void Press::Hint(std::string_view title, std::string_view text) { Message(title, text, false); }

void Press::Message(std::string_view title, std::string_view text, bool ok_cancel) {
  if (Ended()) return;
  effects_.push_back(effect::Message{std::string(title), std::string(text), ok_cancel});
}

void Press::Open(std::string_view form) {
  if (!Ended()) effects_.push_back(effect::Open{std::string(form)});
}

void Press::Close() {
  if (!Ended()) effects_.emplace_back(std::in_place_type<effect::Close>);
}

void Press::SetOther(std::string_view form, std::string_view control, std::string text) {
  if (Ended()) return;
  effects_.push_back(
      effect::SetOtherField{std::string(form), std::string(control), std::move(text)});
}

void Press::SetTrialSucceeded(bool value) {
  if (!Ended()) effects_.push_back(effect::SetTrialSucceeded{value});
}

void Press::WriteReport(std::vector<std::string> lines) {
  if (Ended()) return;
  effects_.push_back(effect::WriteReport{std::move(lines)});
}

void Press::ShowReport() {
  if (!Ended()) effects_.emplace_back(std::in_place_type<effect::ShowReport>);
}

namespace {

template <bool kTraced, typename State>
TracedPress Run(const Window& window, std::string_view button, const State& state,
                Effects storage = {}) {
  const Button* found = FindButton(window, button);
  if (found == nullptr) return {};
  Press press = [&] {
    if constexpr (std::is_same_v<State, FlatState>) {
      return Press(window, state, std::move(storage));
    } else {
      return Press(window, state);
    }
  }();
  if constexpr (kTraced) press.TraceReads();
  // A fault is recorded rather than thrown where it can be, so that most faulting presses end
  // without unwinding; what looks at a value after the fault still throws it.
  const FaultTrap trap;
  try {
    std::visit(
        [&](const auto& action) {
          using A = std::decay_t<decltype(action)>;
          if constexpr (std::is_same_v<A, Handler>) {
            action(press);
          } else if constexpr (std::is_same_v<A, HintAction>) {
            press.Hint(action.title, action.text);
          } else if constexpr (std::is_same_v<A, OpenAction>) {
            press.Open(action.form);
          } else if constexpr (std::is_same_v<A, CloseAction>) {
            press.Close();
          } else if constexpr (std::is_same_v<A, ClearAction>) {
            for (const Field* field : Fields(window)) press.Set(field->control, "");
          }
        },
        found->action);
  } catch (const ArithmeticFault& fault) {
    const FaultKind* first = FaultTrap::Fault();
    const FaultKind kind = first != nullptr ? *first : fault.kind();
    Effects effects = press.TakeEffects();
    effects.push_back(effect::Fault{kind, FaultDescription(kind)});
    if constexpr (kTraced) return {std::move(effects), press.FieldsRead()};
    return {std::move(effects), {}};
  }
  Effects effects = press.TakeEffects();
  if (const FaultKind* fault = FaultTrap::Fault()) {
    effects.push_back(effect::Fault{*fault, FaultDescription(*fault)});
  }
  if constexpr (kTraced) return {std::move(effects), press.FieldsRead()};
  return {std::move(effects), {}};
}

}  // namespace

Effects PressButton(const Window& window, std::string_view button, const FormState& state) {
  return Run<false>(window, button, state).effects;
}

Effects PressButton(const Window& window, std::string_view button, const FlatState& state) {
  return Run<false>(window, button, state).effects;
}

void PressButton(const Window& window, std::string_view button, const FlatState& state,
                 Effects& effects) {
  effects = Run<false>(window, button, state, std::move(effects)).effects;
}

TracedPress PressButtonTraced(const Window& window, std::string_view button,
                              const FormState& state) {
  return Run<true>(window, button, state);
}

FormState ApplyEffects(FormState state, const Effects& effects) {
  for (const Effect& e : effects) {
    if (const auto* set = std::get_if<effect::SetField>(&e)) {
      state.fields[set->control] = set->text;
    } else if (const auto* flag = std::get_if<effect::SetTrialSucceeded>(&e)) {
      state.trial_succeeded = flag->value;
    }
  }
  return state;
}

const effect::Fault* FaultOf(const Effects& effects) {
  if (effects.empty()) return nullptr;
  return std::get_if<effect::Fault>(&effects.back());
}

}  // namespace velmora
