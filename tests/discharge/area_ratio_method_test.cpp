// SPDX-License-Identifier: GPL-3.0-or-later
#include "discharge/area_ratio_method.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "common/press.h"

namespace velmora {
namespace {

struct Form31Case {
  const char* name;
  std::string f1, q2, f2, n;
  std::string text5;               // expected result text
  std::optional<FaultKind> fault;  // or the fault that abandons the press
};

class Form31Test : public testing::TestWithParam<Form31Case> {};

TEST_P(Form31Test, Compute) {
  const Form31Case& c = GetParam();
  FormState state = DefaultState(Form31());
  state.fields["Text1"] = c.f1;
  state.fields["Text2"] = c.q2;
  state.fields["Text3"] = c.f2;
  state.fields["Text4"] = c.n;
  state.fields["Text5"] = "previous";
  const Effects effects = PressButton(Form31(), "Command1", state);
  const FormState after = ApplyEffects(state, effects);
  if (c.fault) {
    ASSERT_NE(FaultOf(effects), nullptr);
    EXPECT_EQ(FaultOf(effects)->kind, *c.fault);
    EXPECT_EQ(after.fields.at("Text5"), "previous");
  } else {
    EXPECT_EQ(FaultOf(effects), nullptr);
    EXPECT_EQ(after.fields.at("Text5"), c.text5);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Form31Test,
    testing::Values(
        // The two worked examples of the method.
        Form31Case{"WorkedExampleLarger", "120", "850", "100", "0.6", "948.261"},
        Form31Case{"WorkedExampleSmaller", "80", "1500", "100", "0.7", "1283.082"},
        // Equal areas transfer the discharge unchanged, whatever n.
        Form31Case{"EqualAreas", "250", "1733", "250", "0.83", "1733."},
        // An empty n reads as 0: Q1 = Q2 for a positive ratio.
        Form31Case{"EmptyExponent", "120", "850", "100", "", "850."},
        Form31Case{"EmptyF1", "", "850", "100", "0.6", "."},
        // Q1 is a single: 7 significant digits.
        Form31Case{"SevenDigits", "10", "123456.7", "10", "0.6", "123456.7"},
        // A negative ratio is fine for a whole exponent, invalid for a fractional one.
        Form31Case{"NegativeRatioWholeExponent", "-120", "850", "100", "2", "1224."},
        Form31Case{"AllEmpty", "", "", "", "", "", FaultKind::kDivisionByZero},
        Form31Case{"ZeroF2", "120", "850", "0", "0.6", "", FaultKind::kDivisionByZero},
        Form31Case{"NegativeRatio", "-120", "850", "100", "0.6", "", FaultKind::kInvalidArgument},
        Form31Case{"ZeroRatioNegativeExponent", "0", "850", "100", "-0.5", "",
                   FaultKind::kInvalidArgument},
        Form31Case{"BeyondSingleRange", "1e30", "1e30", "1", "1", "", FaultKind::kOverflow}),
    [](const testing::TestParamInfo<Form31Case>& info) { return std::string(info.param.name); });

TEST(AreaRatioMethodTest, ExponentIsHeldAsASingle) {
  // 0.6 as a single is 0.60000002384...; the power uses that value widened, not 0.6.
  const AreaRatioResult r = AreaRatioMethod(120, 850, 100, ToSingle(0.6));
  EXPECT_EQ(r.ratio.value(), 1.2);
  EXPECT_EQ(r.power.value(), std::pow(1.2, static_cast<double>(0.6F)));
  EXPECT_EQ(r.q1.value(), static_cast<float>(850 * std::pow(1.2, static_cast<double>(0.6F))));
}

TEST(AreaRatioMethodTest, NotesAndExit) {
  const FormState state = DefaultState(Form31());
  const Effects help = PressButton(Form31(), "Command2", state);
  ASSERT_EQ(help.size(), 1U);
  const auto& message = std::get<effect::Message>(help[0]);
  EXPECT_EQ(message.title, " ^_^ 帮助");
  EXPECT_TRUE(message.text.starts_with("注：当水文计算断面的汇水面积"));
  EXPECT_TRUE(std::holds_alternative<effect::Close>(PressButton(Form31(), "Command3", state)[0]));

  const Label* label6 = FindLabel(Form31(), "Label6");
  ASSERT_NE(label6, nullptr);
  EXPECT_EQ(label6->event, LabelEvent::kDoubleClick);
  EXPECT_EQ(std::get<HintAction>(label6->action).title, " ^_^ 提示");
  for (const char* other : {"Label2", "Label3", "Label4", "Label5"}) {
    EXPECT_EQ(FindLabel(Form31(), other)->event, LabelEvent::kNone) << other;
  }
}

}  // namespace
}  // namespace velmora
