// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/range_warnings.h"

#include <gtest/gtest.h>

#include "common/registry.h"

namespace velmora {
namespace {

struct RangeCase {
  std::string name;
  std::string form;
  std::string control;
  std::string inside;   // at or within the range's end: no warning
  std::string outside;  // just beyond it: a warning
};

class RangeWarningTest : public testing::TestWithParam<RangeCase> {};

std::vector<RangeWarning> WarningsWith(const RangeCase& c, const std::string& text) {
  const Window& window = *FindWindow(c.form);
  FormState state = DefaultState(window);
  state.fields[c.control] = text;
  std::vector<RangeWarning> found;
  for (RangeWarning& w : RangeWarnings(window, state)) {
    if (w.control == c.control) found.push_back(std::move(w));
  }
  return found;
}

TEST_P(RangeWarningTest, FiresJustOutside) {
  const RangeCase& c = GetParam();
  EXPECT_TRUE(WarningsWith(c, c.inside).empty());
  EXPECT_EQ(WarningsWith(c, c.outside).size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(
    Notes, RangeWarningTest,
    testing::Values(
        // The IL notes: 0.16 to 1.19 for general scour, to 1.48 for local scour.
        RangeCase{"IlGeneralHigh", "form1", "Text6", "1.19", "1.2"},
        RangeCase{"IlGeneralLow", "form1", "Text15", "0.16", "0.159"},
        RangeCase{"IlLocalHigh", "form1", "Text27", "1.48", "1.49"},
        RangeCase{"IlAbutment", "Form30", "Text4", "1.19", "1.191"},
        RangeCase{"AdClay", "form1", "Text7", "1", "0.99"},
        RangeCase{"AdChannel", "form3", "Text10", "1.8", "1.81"},
        RangeCase{"AreaExponent", "Form31", "Text4", "0.5", "0.49"},
        RangeCase{"HeadLoss", "Form32", "Text22", "-0.1", "-0.11"},
        // The tables: E, μ, Kq and n3, the roughness 1/n (an n below 1 is compared as 1/n).
        RangeCase{"SedimentE", "form3", "Text11", "0.46", "0.45"},
        RangeCase{"Contraction", "Form19", "Text23", "1", "1.01"},
        RangeCase{"ReachN3", "Form35", "Text5", "1.59", "1.6"},
        RangeCase{"ChannelRoughness", "Form2", "Text4", "65", "66"},
        RangeCase{"ChannelRoughnessAsN", "Form2", "Text4", "0.1", "0.11"},
        RangeCase{"FloodplainRoughness", "Form24", "Text9", "7", "6.9"}),
    [](const auto& info) { return info.param.name; });

TEST(RangeWarningTest, NamesInputValueAndRange) {
  const std::vector<RangeWarning> warnings =
      WarningsWith({.form = "form1", .control = "Text6"}, "1.3");
  ASSERT_EQ(warnings.size(), 1U);
  EXPECT_EQ(warnings[0].message, "液性指数（一般冲刷）ILg = 1.3，超出建议范围 0.16～1.19");
}

TEST(RangeWarningTest, NoneForAnEmptyField) {
  const Window& window = *FindWindow("Form30");
  FormState state = DefaultState(window);
  state.fields["Text4"] = "";
  EXPECT_TRUE(RangeWarnings(window, state).empty());
}

}  // namespace
}  // namespace velmora
