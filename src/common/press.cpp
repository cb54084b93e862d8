// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/press.h"

#include <algorithm>
#include <cassert>
#include <stdexcept>
#include <type_traits>

#include "common/format_pattern.h"
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

Press::Press(const Window& window, const FormState& state) : window_(window), state_(state) {
  // Room for a window's results, so that a press grows its list once at most.
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

std::string_view Press::Text(std::string_view control) const {
  // A state holds only its window's fields, so a text found there needs no second look-up.
  const auto it = state_.fields.find(control);
  if (it != state_.fields.end()) return it->second;
  RequireField(control);
  return {};
}

Real Press::Read(std::string_view control) const {
  const std::string_view text = Text(control);
  if (std::find(fields_read_.begin(), fields_read_.end(), control) == fields_read_.end()) {
    fields_read_.emplace_back(control);
  }
  return CheckedReal(ValueOfText(text));
}

Single Press::ReadSingle(std::string_view control) const { return ToSingle(Read(control)); }

bool Press::Selected(std::string_view option) const {
  assert(FindOption(window_, option) != nullptr);
  return state_.selected_option == option;
}

void Press::Set(std::string_view control, std::string text) {
  RequireField(control);
  effects_.push_back(effect::SetField{std::string(control), std::move(text)});
}

void Press::SetResult(std::string_view control, Real value, std::string_view pattern) {
  Set(control, FormatPattern(value, pattern));
}

void Press::SetResult(std::string_view control, Single value, std::string_view pattern) {
  Set(control, FormatPattern(value, pattern));
}

void Press::Hint(std::string_view title, std::string_view text) { Message(title, text, false); }

void Press::Message(std::string_view title, std::string_view text, bool ok_cancel) {
  effects_.push_back(effect::Message{std::string(title), std::string(text), ok_cancel});
}

void Press::Open(std::string_view form) { effects_.push_back(effect::Open{std::string(form)}); }

void Press::Close() { effects_.emplace_back(std::in_place_type<effect::Close>); }

void Press::SetOther(std::string_view form, std::string_view control, std::string text) {
  effects_.push_back(
      effect::SetOtherField{std::string(form), std::string(control), std::move(text)});
}

void Press::SetTrialSucceeded(bool value) { effects_.push_back(effect::SetTrialSucceeded{value}); }

void Press::WriteReport(std::vector<std::string> lines) {
  effects_.push_back(effect::WriteReport{std::move(lines)});
}

void Press::ShowReport() { effects_.emplace_back(std::in_place_type<effect::ShowReport>); }

Effects PressButton(const Window& window, std::string_view button, const FormState& state) {
  return PressButtonTraced(window, button, state).effects;
}

TracedPress PressButtonTraced(const Window& window, std::string_view button,
                              const FormState& state) {
  const Button* found = FindButton(window, button);
  if (found == nullptr) return {};
  Press press(window, state);
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
    Effects effects = press.TakeEffects();
    effects.push_back(effect::Fault{fault.kind(), FaultDescription(fault.kind())});
    return {std::move(effects), press.FieldsRead()};
  }
  return {press.TakeEffects(), press.FieldsRead()};
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
