// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/press.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// A window whose button writes one field, then divides by the second field.
void WriteThenDivide(Press& press) {
  press.SetResult("Text3", press.Read("Text1"), "###.###");
  press.SetResult("Text4", press.Read("Text1") / press.Read("Text2"), "###.###");
}

// Writes, divides, and goes on writing with the quotient: nothing after a fault may stand.
void WriteDivideAndGoOn(Press& press) {
  press.Set("Text3", "before");
  const Real a = press.Read("Text1");
  const Real q = a / press.Read("Text2");
  press.Hint("after", "x");
  press.SetResult("Text4", q * press.Read("Text3"), "###.###");
}

const Window& TestWindow() {
  static const Window window{
      .form = "FormT",
      .caption = "test",
      .blocks = {{.items = {Field{.control = "Text1", .default_text = "6"},
                            Field{.control = "Text2", .default_text = "3"},
                            Field{.control = "Text3", .role = FieldRole::kResult},
                            Field{.control = "Text4", .role = FieldRole::kResult},
                            Option{"Option1", "one"}, Button{"Command1", "go", &WriteThenDivide},
                            Button{"Command2", "clear", ClearAction{}},
                            Button{"Command3", "exit", CloseAction{}},
                            Button{"Command4", "help", HintAction{"t", "x"}},
                            Button{"Command5", "go on", &WriteDivideAndGoOn}}}},
  };
  return window;
}

TEST(PressTest, DefaultStateHasDefaultsAndEmptyResults) {
  const FormState state = DefaultState(TestWindow());
  EXPECT_EQ(state.fields.at("Text1"), "6");
  EXPECT_EQ(state.fields.at("Text3"), "");
  EXPECT_TRUE(state.selected_option.empty());
  EXPECT_FALSE(state.trial_succeeded);
}

TEST(PressTest, HandlerEffectsComeInOrder) {
  const Effects effects = PressButton(TestWindow(), "Command1", DefaultState(TestWindow()));
  ASSERT_EQ(effects.size(), 2U);
  EXPECT_EQ(std::get<effect::SetField>(effects[0]), (effect::SetField{"Text3", "6."}));
  EXPECT_EQ(std::get<effect::SetField>(effects[1]), (effect::SetField{"Text4", "2."}));
  EXPECT_EQ(FaultOf(effects), nullptr);
}

TEST(PressTest, FaultKeepsWhatWasWrittenBeforeIt) {
  FormState state = DefaultState(TestWindow());
  state.fields["Text2"] = "";
  state.fields["Text4"] = "old";
  const Effects effects = PressButton(TestWindow(), "Command1", state);
  ASSERT_NE(FaultOf(effects), nullptr);
  EXPECT_EQ(FaultOf(effects)->kind, FaultKind::kDivisionByZero);
  const FormState after = ApplyEffects(state, effects);
  EXPECT_EQ(after.fields.at("Text3"), "6.");
  EXPECT_EQ(after.fields.at("Text4"), "old");
}

TEST(PressTest, NothingAfterTheFaultStandsWithEitherState) {
  FormState state = DefaultState(TestWindow());
  state.fields["Text2"] = "0";
  const Effects expected{
      effect::SetField{"Text3", "before"},
      effect::Fault{FaultKind::kDivisionByZero, FaultDescription(FaultKind::kDivisionByZero)}};
  const TracedPress traced = PressButtonTraced(TestWindow(), "Command5", state);
  EXPECT_EQ(traced.effects, expected);
  EXPECT_EQ(traced.fields_read, (std::vector<std::string>{"Text1", "Text2"}));
  const std::vector<const Field*> fields = Fields(TestWindow());
  std::vector<std::string_view> texts;
  texts.reserve(fields.size());
  for (const Field* field : fields)
    texts.emplace_back(state.fields.at(std::string(field->control)));
  EXPECT_EQ(PressButton(TestWindow(), "Command5", FlatState{fields, texts, "", false}), expected);
  state.fields["Text2"] = "4";  // no fault: both states give the same result
  texts[1] = "4";
  EXPECT_EQ(PressButton(TestWindow(), "Command5", FlatState{fields, texts, "", false}),
            PressButton(TestWindow(), "Command5", state));
}

TEST(PressTest, OverlongNumberInAFieldIsAnOverflow) {
  FormState state = DefaultState(TestWindow());
  state.fields["Text1"] = "1e999";
  const Effects effects = PressButton(TestWindow(), "Command1", state);
  ASSERT_EQ(effects.size(), 1U);
  EXPECT_EQ(FaultOf(effects)->kind, FaultKind::kOverflow);
}

TEST(PressTest, StandardButtons) {
  const FormState state = DefaultState(TestWindow());
  const FormState cleared = ApplyEffects(state, PressButton(TestWindow(), "Command2", state));
  for (const auto& [control, text] : cleared.fields) EXPECT_EQ(text, "") << control;

  const Effects exit = PressButton(TestWindow(), "Command3", state);
  ASSERT_EQ(exit.size(), 1U);
  EXPECT_TRUE(std::holds_alternative<effect::Close>(exit[0]));

  const Effects help = PressButton(TestWindow(), "Command4", state);
  ASSERT_EQ(help.size(), 1U);
  EXPECT_EQ(std::get<effect::Message>(help[0]), (effect::Message{"t", "x", false}));

  EXPECT_TRUE(PressButton(TestWindow(), "Command9", state).empty());
}

TEST(PressTest, ApplyEffectsKeepsTheFlagAndIgnoresOtherWindows) {
  const FormState state = DefaultState(TestWindow());
  const FormState after = ApplyEffects(
      state, {effect::SetTrialSucceeded{true}, effect::SetOtherField{"Form2", "Text1", "9"}});
  EXPECT_TRUE(after.trial_succeeded);
  EXPECT_EQ(after.fields, state.fields);
}

}  // namespace
}  // namespace velmora
