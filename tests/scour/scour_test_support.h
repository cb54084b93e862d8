// Pressing a scour window's button from its default texts, with the result fields holding a marker
// so that a test sees which results a press wrote and which it left alone.
#pragma once

#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/press.h"

namespace velmora::scour_test {

/// The text every result field holds before the press.
inline constexpr const char* kKept = "kept";

struct Pressed {
  Effects effects;
  FormState after;
};

/// `inputs` holds blank-separated CONTROL=TEXT words, e.g. "Text3=0 Text5=" (Text5 emptied).
inline Pressed PressWith(const Window& window, std::string_view button, const std::string& inputs) {
  FormState state = DefaultState(window);
  for (const Field* field : Fields(window)) {
    if (field->role == FieldRole::kResult) state.fields[std::string(field->control)] = kKept;
  }
  std::istringstream words(inputs);
  for (std::string word; words >> word;) {
    const std::size_t equals = word.find('=');
    state.fields[word.substr(0, equals)] = word.substr(equals + 1);
  }
  Effects effects = PressButton(window, button, state);
  FormState after = ApplyEffects(state, effects);
  return {std::move(effects), std::move(after)};
}

/// A row of a window's table: a press and the texts of its result fields afterwards.
struct PressCase {
  const char* name;
  const char* button;
  std::string inputs;  // as for PressWith
  // The result texts in the order of the test's result controls, separated by blanks; "_" stands
  // for an empty text and "kept" for a field the press left alone.
  std::string results;
  std::optional<FaultKind> fault = std::nullopt;
};

// Failure messages name the row rather than dumping its bytes.
inline void PrintTo(const PressCase& c, std::ostream* os) { *os << c.name; }

inline std::string CaseName(const testing::TestParamInfo<PressCase>& info) {
  return info.param.name;
}

/// Presses the case's button and checks the fault and every result text.
inline void CheckPress(const Window& window, const PressCase& c,
                       const std::vector<std::string>& result_controls) {
  const Pressed p = PressWith(window, c.button, c.inputs);
  const effect::Fault* fault = FaultOf(p.effects);
  if (c.fault) {
    ASSERT_NE(fault, nullptr);
    EXPECT_EQ(fault->kind, *c.fault);
  } else {
    EXPECT_EQ(fault, nullptr) << (fault ? fault->text : "");
  }
  std::istringstream words(c.results);
  std::vector<std::string> expected;
  for (std::string word; words >> word;) expected.push_back(word == "_" ? "" : word);
  ASSERT_EQ(expected.size(), result_controls.size());
  for (std::size_t i = 0; i < result_controls.size(); ++i) {
    EXPECT_EQ(p.after.fields.at(result_controls[i]), expected[i]) << result_controls[i];
  }
}

}  // namespace velmora::scour_test
