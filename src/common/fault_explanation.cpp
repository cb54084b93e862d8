// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/fault_explanation.h"

#include <algorithm>
#include <cmath>

#include "common/format_pattern.h"
#include "common/texts.h"
#include "common/value_of_text.h"

namespace velmora {
namespace {

// The texts a press sets into its own result fields, empty texts left out.
std::vector<std::string> ResultsWritten(const Window& window, const Effects& effects) {
  std::vector<std::string> written;
  for (const Effect& e : effects) {
    const auto* set = std::get_if<effect::SetField>(&e);
    if (set == nullptr || set->text.empty()) continue;
    const Field* field = FindField(window, set->control);
    if (field != nullptr && field->role == FieldRole::kResult &&
        std::find(written.begin(), written.end(), set->control) == written.end()) {
      written.push_back(set->control);
    }
  }
  return written;
}

// Other values to try for an input read as `value`, most telling first.
std::vector<std::string> Alternatives(double value) {
  std::vector<std::string> texts;
  if (value != 1) texts.emplace_back("1");
  if (value < 0 && std::isfinite(value)) texts.push_back(GeneralText(Real(-value)));
  if (value != 0 && std::fabs(value) < 1e300) {
    // Twice and half: a difference such as 1 − λ is zero on one value only.
    for (const double other : {2 * value, value / 2}) {
      const std::string text = GeneralText(Real(other));
      if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(text);
    }
  }
  return texts;
}

bool Fits(FaultKind kind, double value) {
  switch (kind) {
    case FaultKind::kDivisionByZero:
      return value == 0;
    case FaultKind::kInvalidArgument:
      return value <= 0;
    case FaultKind::kOverflow:
      return false;  // chosen by magnitude below
  }
  return false;
}

std::string LabelOf(const Window& window, std::string_view control) {
  const Field* field = FindField(window, control);
  std::string label(field != nullptr ? field->label.caption : std::string_view());
  // Labels end in a colon, full-width or not, sometimes followed by blanks.
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (std::string_view end :
         {std::string_view("："), std::string_view(":"), std::string_view(" ")}) {
      if (label.size() >= end.size() && label.ends_with(end)) {
        label.resize(label.size() - end.size());
        trimmed = true;
      }
    }
  }
  return label.empty() ? std::string(control) : label;
}

// How an input's text reads: "0.6", "空白，按 0 计算", "“12.5m”，按 12.5 计算".
std::string ValueDescription(const FormState& state, const std::string& control) {
  const auto it = state.fields.find(control);
  std::string text = it == state.fields.end() ? std::string() : it->second;
  if (!text.empty() && IsPlainNumber(text)) return text;
  const double value = ValueOfText(text);
  const std::string reading =
      std::isfinite(value) ? GeneralText(Real(value)) : std::string(texts::kFaultOutOfRange);
  if (text.empty())
    return std::string(texts::kFaultBlank) + reading + std::string(texts::kFaultReadAsEnd);
  return "“" + text + "”" + std::string(texts::kFaultReadAs) + reading +
         std::string(texts::kFaultReadAsEnd);
}

std::string Join(const std::vector<std::string>& parts) {
  std::string joined;
  for (const std::string& part : parts) joined += (joined.empty() ? "" : "、") + part;
  return joined;
}

}  // namespace

std::optional<FaultExplanation> ExplainFault(const Window& window, std::string_view button,
                                             const FormState& state) {
  const TracedPress press = PressButtonTraced(window, button, state);
  const effect::Fault* fault = FaultOf(press.effects);
  if (fault == nullptr) return std::nullopt;
  FaultExplanation explanation;
  explanation.kind = fault->kind;
  explanation.read = press.fields_read;

  // Each input alone: does another value let the press through?
  std::vector<std::string> computed;
  for (const std::string& control : press.fields_read) {
    const double value = ValueOfText(state.fields.count(control) ? state.fields.at(control) : "");
    for (const std::string& text : Alternatives(value)) {
      FormState changed = state;
      changed.fields[control] = text;
      const Effects effects = PressButton(window, button, changed);
      if (FaultOf(effects) != nullptr) continue;
      explanation.changes.push_back({control, text});
      if (computed.empty()) computed = ResultsWritten(window, effects);
      break;
    }
  }

  // What the button computes: from the defaults, or else from a press that went through.
  FormState defaults = DefaultState(window);
  defaults.selected_option = state.selected_option;
  defaults.trial_succeeded = state.trial_succeeded;
  const Effects from_defaults = PressButton(window, button, defaults);
  if (FaultOf(from_defaults) == nullptr) computed = ResultsWritten(window, from_defaults);
  const std::vector<std::string> written = ResultsWritten(window, press.effects);
  for (const std::string& control : computed) {
    if (std::find(written.begin(), written.end(), control) == written.end()) {
      explanation.unfinished.push_back(control);
    }
  }

  double largest = -1;
  for (const std::string& control : press.fields_read) {
    const double value = ValueOfText(state.fields.count(control) ? state.fields.at(control) : "");
    if (fault->kind == FaultKind::kOverflow) {
      const double magnitude = std::isfinite(value) ? std::fabs(value) : HUGE_VAL;
      if (magnitude > largest) {
        largest = magnitude;
        explanation.fitting = {control};
      }
    } else if (Fits(fault->kind, value)) {
      explanation.fitting.push_back(control);
    }
  }
  return explanation;
}

std::string DescribeFault(const Window& window, const FormState& state,
                          const FaultExplanation& explanation) {
  std::vector<std::string> lines;
  if (!explanation.unfinished.empty()) {
    std::vector<std::string> labels;
    // Windows with two alike columns of results repeat their labels: name each once.
    for (const std::string& control : explanation.unfinished) {
      const std::string label = LabelOf(window, control);
      if (std::find(labels.begin(), labels.end(), label) == labels.end()) labels.push_back(label);
    }
    lines.push_back(std::string(texts::kFaultNotComputed) + Join(labels));
  }
  auto described = [&](const std::string& control) {
    return LabelOf(window, control) + "（" + ValueDescription(state, control) + "）";
  };
  if (!explanation.changes.empty()) {
    std::vector<std::string> parts;
    for (const FaultExplanation::Change& change : explanation.changes) {
      parts.push_back(LabelOf(window, change.control) + "（" +
                      ValueDescription(state, change.control) +
                      std::string(texts::kFaultChangedTo) + change.text +
                      std::string(texts::kFaultChangedToEnd) + "）");
    }
    lines.push_back(std::string(texts::kFaultChangeAlone) + Join(parts));
  } else if (!explanation.fitting.empty()) {
    std::vector<std::string> parts;
    for (const std::string& control : explanation.fitting) parts.push_back(described(control));
    const std::string_view lead = explanation.kind == FaultKind::kDivisionByZero ? texts::kFaultZero
                                  : explanation.kind == FaultKind::kInvalidArgument
                                      ? texts::kFaultNotPositive
                                      : texts::kFaultLargest;
    lines.push_back(std::string(lead) + Join(parts));
  } else if (!explanation.read.empty()) {
    std::vector<std::string> parts;
    for (const std::string& control : explanation.read) parts.push_back(described(control));
    lines.push_back(std::string(texts::kFaultInputsRead) + Join(parts));
  }
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

}  // namespace velmora
