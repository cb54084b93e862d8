// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/fault_explanation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/registry.h"
#include "discharge/regional_formula_discharge.h"
#include "tests/common/press_rows.h"

namespace velmora {
namespace {

using testing_rows::Typed;

struct ExplainCase {
  const char* name;
  const char* form;
  const char* button;
  const char* typed;                    // over the defaults, as for Typed
  std::vector<std::string> changes;     // inputs that alone let the press through
  std::vector<std::string> unfinished;  // results left unwritten
};

void PrintTo(const ExplainCase& c, std::ostream* os) { *os << c.name; }

class ExplainFaultTest : public testing::TestWithParam<ExplainCase> {};

TEST_P(ExplainFaultTest, NamesTheInputsAndResults) {
  const ExplainCase& c = GetParam();
  const Window& window = *FindWindow(c.form);
  FormState state = DefaultState(window);
  for (const auto& [control, text] : Typed(c.typed)) state.fields[control] = text;
  const auto explanation = ExplainFault(window, c.button, state);
  ASSERT_TRUE(explanation.has_value());
  std::vector<std::string> changes;
  for (const auto& change : explanation->changes) changes.push_back(change.control);
  EXPECT_EQ(changes, c.changes);
  EXPECT_EQ(explanation->unfinished, c.unfinished);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExplainFaultTest,
    testing::Values(
        // Q2 × (F1 / F2)^n: only F2 divides; F1, Q2 and n at 0 are no obstacle.
        ExplainCase{"EmptyAreaRatio",
                    "Form31",
                    "Command1",
                    "Text1= Text2= Text3= Text4=",
                    {"Text3"},
                    {"Text5"}},
        // 1 − λ divides: λ = 1 is cleared by another λ, not by any other input.
        ExplainCase{"LambdaOne",
                    "form3",
                    "Command1",
                    "Text6=1",
                    {"Text6"},
                    {"Text14", "Text15", "Text16", "Text17", "Text18", "Text19", "Text20", "Text21",
                     "Text22", "Text23"}},
        // B − LD = 0: either width alone clears it.
        ExplainCase{"FullyBlocked",
                    "Form30",
                    "Command1",
                    "Text3=20",
                    {"Text2", "Text3"},
                    {"Text5", "Text6"}},
        // The general scour is written before the local scour faults: it is not unfinished.
        ExplainCase{"EarlyWrite",
                    "Form19",
                    "Command2",
                    "Text8=0",
                    {"Text8"},
                    {"Text17", "Text18", "Text19", "Text20", "Text21", "Text22"}}),
    [](const testing::TestParamInfo<ExplainCase>& info) { return std::string(info.param.name); });

TEST(ExplainFaultWithoutFault, GivesNothing) {
  // Form34's defaults are its worked example.
  EXPECT_FALSE(ExplainFault(Form34(), "Command3", DefaultState(Form34())).has_value());
}

}  // namespace
}  // namespace velmora
