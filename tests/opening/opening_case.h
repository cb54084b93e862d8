// One press of an opening window's "计  算", as a row of a table.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "common/press.h"

namespace velmora {

struct OpeningCase {
  const char* name;
  std::vector<std::string> inputs;   // the input fields' texts, in the window's order
  std::vector<std::string> results;  // the result fields' expected texts, in order
  std::optional<FaultKind> fault;    // or the fault that abandons the press
};

inline void PrintTo(const OpeningCase& c, std::ostream* os) { *os << c.name; }

inline std::string CaseName(const testing::TestParamInfo<OpeningCase>& info) {
  return info.param.name;
}

/// Presses `Command1` with the row's inputs and every result holding an earlier text, then checks
/// the result texts, or the fault and that every result kept its earlier text.
inline void ExpectCompute(const Window& window, const OpeningCase& c) {
  FormState state = DefaultState(window);
  std::vector<std::string> results;
  std::size_t next_input = 0;
  for (const Field* field : Fields(window)) {
    const std::string control(field->control);
    if (field->role == FieldRole::kResult) {
      state.fields[control] = "previous";
      results.push_back(control);
    } else {
      ASSERT_LT(next_input, c.inputs.size()) << control;
      state.fields[control] = c.inputs[next_input++];
    }
  }
  ASSERT_EQ(next_input, c.inputs.size());
  const Effects effects = PressButton(window, "Command1", state);
  const FormState after = ApplyEffects(state, effects);
  if (c.fault) {
    ASSERT_NE(FaultOf(effects), nullptr);
    EXPECT_EQ(FaultOf(effects)->kind, *c.fault);
    for (const std::string& control : results) EXPECT_EQ(after.fields.at(control), "previous");
  } else {
    EXPECT_EQ(FaultOf(effects), nullptr);
    ASSERT_EQ(results.size(), c.results.size());
    for (std::size_t i = 0; i < results.size(); ++i) {
      EXPECT_EQ(after.fields.at(results[i]), c.results[i]) << results[i];
    }
  }
}

}  // namespace velmora
