// SPDX-License-Identifier: GPL-3.0-or-later
// One press as a table row, checked for every field it changes, every write into another window
// and the fault that ended it. Shared by the window tests of every folder.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/press.h"
#include "common/window.h"

namespace velmora::testing_rows {

using Texts = std::map<std::string, std::string>;

struct PressCase {
  const char* name;
  const char* button;
  Texts typed;    // over the window's defaults
  Texts changed;  // every field of the window the press changes, with its new text
  Texts writes;   // "FORM.CONTROL" -> text written into another window
  std::optional<FaultKind> fault = std::nullopt;
};

// Failure messages name the row rather than dumping its bytes.
inline void PrintTo(const PressCase& c, std::ostream* os) { *os << c.name; }

/// A press that faults: nothing changes anywhere.
inline PressCase Faulty(const char* name, const char* button, Texts typed, FaultKind kind) {
  return {name, button, std::move(typed), {}, {}, kind};
}

/// Presses the row's button with every result field holding a previous text, so that a result a
/// press leaves alone is seen as such.
inline void ExpectPress(const Window& window, const PressCase& c) {
  FormState before = DefaultState(window);
  for (const Field* field : Fields(window)) {
    if (field->role == FieldRole::kResult) before.fields[std::string(field->control)] = "previous";
  }
  for (const auto& [control, text] : c.typed) before.fields[control] = text;
  const Effects effects = PressButton(window, c.button, before);
  const FormState after = ApplyEffects(before, effects);

  const effect::Fault* fault = FaultOf(effects);
  EXPECT_EQ(fault ? std::optional(fault->kind) : std::nullopt, c.fault);
  Texts changed;
  for (const auto& [control, text] : after.fields) {
    if (before.fields.at(control) != text) changed[control] = text;
  }
  EXPECT_EQ(changed, c.changed);
  Texts writes;
  for (const Effect& e : effects) {
    if (const auto* other = std::get_if<effect::SetOtherField>(&e)) {
      writes[other->form + "." + other->control] = other->text;
    }
  }
  EXPECT_EQ(writes, c.writes);
}

inline std::string RowName(const testing::TestParamInfo<PressCase>& info) {
  return info.param.name;
}

/// The rows' inputs: a worked example with some fields changed.
inline Texts With(Texts texts, const Texts& changes) {
  for (const auto& [control, text] : changes) texts[control] = text;
  return texts;
}

/// Blank-separated CONTROL=TEXT words, e.g. "Text3=0 Text5=" (Text5 emptied).
inline Texts Typed(std::string_view words) {
  Texts texts;
  std::istringstream in{std::string(words)};
  for (std::string word; in >> word;) {
    const std::size_t equals = word.find('=');
    if (equals == std::string::npos) throw std::invalid_argument("no '=' in " + word);
    texts[word.substr(0, equals)] = word.substr(equals + 1);
  }
  return texts;
}

/// The texts of `controls` after the press, blank-separated in their order: "_" is the empty
/// text and "kept" a field the press leaves alone.
inline Texts Shown(const std::vector<std::string>& controls, std::string_view words) {
  std::istringstream in{std::string(words)};
  std::vector<std::string> texts;
  for (std::string word; in >> word;) texts.push_back(word);
  if (texts.size() != controls.size()) throw std::invalid_argument("texts do not match controls");
  Texts shown;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (texts[i] != "kept") shown[controls[i]] = texts[i] == "_" ? "" : texts[i];
  }
  return shown;
}

/// The texts of the window's fields of one role, in the order of its description. An empty list
/// stands for none; otherwise every field of the role has its text.
inline Texts InOrder(const Window& window, FieldRole role, const std::vector<std::string>& texts) {
  std::vector<std::string> controls;
  for (const Field* field : Fields(window)) {
    if (field->role == role) controls.emplace_back(field->control);
  }
  Texts ordered;
  if (texts.empty()) return ordered;
  if (texts.size() != controls.size()) throw std::invalid_argument("texts do not match fields");
  for (std::size_t i = 0; i < controls.size(); ++i) ordered[controls[i]] = texts[i];
  return ordered;
}

/// A press of "Command1" with every input typed in order and every result expected in order (none
/// on a fault).
inline PressCase Ordered(const Window& window, const char* name,
                         const std::vector<std::string>& inputs,
                         const std::vector<std::string>& results,
                         std::optional<FaultKind> fault = std::nullopt) {
  if (inputs.empty()) throw std::invalid_argument("a row types every input");
  return {name,
          "Command1",
          InOrder(window, FieldRole::kInput, inputs),
          InOrder(window, FieldRole::kResult, results),
          {},
          fault};
}

}  // namespace velmora::testing_rows
