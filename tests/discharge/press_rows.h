// Shared by the window tests of this folder: one press as a table row, checked for every field it
// changes, every write into another window and the fault that ended it.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

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

}  // namespace velmora::testing_rows
