#include "waterlevel/design_water_level_estimate.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/format_pattern.h"
#include "common/press.h"
#include "water_level_examples.h"

namespace velmora {
namespace {

using Inputs = std::vector<std::pair<std::string, std::string>>;

constexpr const char* kResults[] = {"Text14", "Text15", "Text16", "Text17",
                                    "Text18", "Text19", "Text20", "Text21"};

// The default texts with an option chosen, the inputs changed and every result field holding an
// earlier text, so that a field the press leaves alone is told from one it empties.
FormState StateWith(std::string option, const Inputs& inputs, bool trial_succeeded = false) {
  FormState state = DefaultState(Form2());
  state.selected_option = std::move(option);
  state.trial_succeeded = trial_succeeded;
  for (const char* control : kResults) state.fields[control] = "earlier";
  for (const auto& [control, text] : inputs) state.fields[control] = text;
  return state;
}

std::vector<effect::Message> MessagesOf(const Effects& effects) {
  std::vector<effect::Message> out;
  for (const Effect& e : effects) {
    if (const auto* m = std::get_if<effect::Message>(&e)) out.push_back(*m);
  }
  return out;
}

std::vector<effect::SetOtherField> WritesOf(const Effects& effects) {
  std::vector<effect::SetOtherField> out;
  for (const Effect& e : effects) {
    if (const auto* w = std::get_if<effect::SetOtherField>(&e)) out.push_back(*w);
  }
  return out;
}

bool WritesReport(const Effects& effects) {
  for (const Effect& e : effects) {
    if (std::holds_alternative<effect::WriteReport>(e)) return true;
  }
  return false;
}

// The inputs of a window state, each text read as a plain number.
WaterLevelInputs InputsOf(const FormState& state) {
  const auto read = [&](const char* control) {
    const std::string& text = state.fields.at(control);
    return text.empty() ? 0.0 : std::stod(text);
  };
  WaterLevelInputs in;
  in.ac = read("Text1");
  in.chi_c = read("Text2");
  in.bc = read("Text3");
  in.nc = read("Text4");
  in.ic = ToSingle(read("Text5"));
  in.at = read("Text6");
  in.chi_t = read("Text7");
  in.bt = read("Text8");
  in.nt = read("Text9");
  in.it = ToSingle(read("Text10"));
  in.hcm = read("Text11");
  in.htm = read("Text12");
  in.qp = read("Text13");
  return in;
}

TEST(DesignWaterLevelEstimateTest, WorkedExampleIntermediates) {
  // The worked example of the method: default texts, "滩槽不可分".
  const DesignWaterLevelResult r =
      DesignWaterLevelEstimate(WorkedExampleInputs(), SectionType::kNotSeparable);
  EXPECT_NEAR(r.channel.r.value(), 0.7878550732486663, 1e-15);
  EXPECT_EQ(r.channel.k.value(), 40.0);
  EXPECT_NEAR(r.channel.v.value(), 3.051892337155543, 1e-14);
  EXPECT_NEAR(r.channel.q.value(), 1775.8778396367877, 1e-11);
  EXPECT_EQ(r.channel.hj.value(), 0.78785509F);
  EXPECT_EQ(r.d.value(), -2.4741974F);
  EXPECT_EQ(r.verdict, TrialVerdict::kAccepted);
}

TEST(DesignWaterLevelEstimateTest, WorkedExamplePress) {
  const FormState before = StateWith("Option1", {});
  const Effects effects = PressButton(Form2(), "Command1", before);
  ASSERT_EQ(FaultOf(effects), nullptr);
  const FormState after = ApplyEffects(before, effects);
  const std::vector<std::string> expected = {"1775.878", "3.052", "2.1", ".788", "", "", "", ""};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(after.fields.at(kResults[i]), expected[i]) << kResults[i];
  }
  EXPECT_TRUE(after.trial_succeeded);

  const auto messages = MessagesOf(effects);
  ASSERT_EQ(messages.size(), 1U);
  EXPECT_EQ(messages[0],
            (effect::Message{"^_^ 提示", "恭喜！估算成功,设计流量和计算流量的偏差是(%):-2.474197",
                             /*ok_cancel=*/true}));

  // The scour windows get their inputs in this order, after the box and before the report.
  const std::vector<effect::SetOtherField> writes = {
      {"form3", "Text1", "1775.878"}, {"form3", "Text2", "3.052"}, {"form3", "Text4", "738.58"},
      {"form3", "Text8", "2.1"},      {"form3", "Text9", ".788"},  {"form1", "Text1", "1775.878"},
      {"form1", "Text2", "2.1"},      {"form1", "Text3", ".788"}};
  EXPECT_EQ(WritesOf(effects), writes);
  std::size_t box = 0;
  std::size_t first_write = 0;
  for (std::size_t i = 0; i < effects.size(); ++i) {
    if (std::holds_alternative<effect::Message>(effects[i])) box = i;
    if (first_write == 0 && std::holds_alternative<effect::SetOtherField>(effects[i])) {
      first_write = i;
    }
  }
  EXPECT_LT(box, first_write);
  ASSERT_TRUE(std::holds_alternative<effect::WriteReport>(effects.back()));
  EXPECT_EQ(std::get<effect::WriteReport>(effects.back()).lines.size(), 23U);
}

struct TrialCase {
  const char* name;
  const char* option;
  Inputs inputs;
  const char* d;  // D's text, as the messages show it
  TrialVerdict verdict;
};

class TrialTest : public testing::TestWithParam<TrialCase> {};

TEST_P(TrialTest, Verdict) {
  const TrialCase& c = GetParam();
  const FormState before = StateWith(c.option, c.inputs, /*trial_succeeded=*/true);
  const Effects effects = PressButton(Form2(), "Command1", before);
  ASSERT_EQ(FaultOf(effects), nullptr);
  const FormState after = ApplyEffects(before, effects);
  const auto messages = MessagesOf(effects);
  ASSERT_EQ(messages.size(), 1U);

  if (c.verdict == TrialVerdict::kAccepted) {
    EXPECT_EQ(messages[0].title, "^_^ 提示");
    EXPECT_TRUE(messages[0].text.ends_with(std::string(":") + c.d)) << messages[0].text;
    EXPECT_TRUE(after.trial_succeeded);
    EXPECT_TRUE(WritesReport(effects));
    EXPECT_FALSE(WritesOf(effects).empty());
    EXPECT_NE(after.fields.at("Text14"), "");
    return;
  }
  EXPECT_EQ(messages[0].title, " ^_^ 提示");
  EXPECT_EQ(messages[0].text, c.verdict == TrialVerdict::kDepthTooSmall ? "水深太小，需增大水深！"
                                                                        : "水深太大，需降低水深！");
  EXPECT_FALSE(after.trial_succeeded);
  EXPECT_FALSE(WritesReport(effects));
  EXPECT_TRUE(WritesOf(effects).empty());
  for (const char* control : kResults) EXPECT_EQ(after.fields.at(control), "") << control;
  // D itself, for the rejected rows, where no message shows it.
  const auto section =
      std::string(c.option) == "Option2" ? SectionType::kSeparable : SectionType::kNotSeparable;
  const WaterLevelInputs in = InputsOf(before);
  EXPECT_EQ(GeneralText(DesignWaterLevelEstimate(in, section).d), c.d);
}

// A one-metre section with R = 1 and I = 1000 ‰ carries Q = 1/n exactly, so D lands on the
// band's edges without rounding: 1/n = 95 or 105 against Qp = 100.
const Inputs kUnitSection = {
    {"Text1", "1"}, {"Text2", "1"}, {"Text3", "1"}, {"Text5", "1000"}, {"Text13", "100"}};

Inputs UnitSection(const char* roughness) {
  Inputs inputs = kUnitSection;
  inputs.emplace_back("Text4", roughness);
  return inputs;
}

// The floodplain of the separable example: At = 200, χt = 400, Bt = 400, nt = 0.05, It = 8.
Inputs Floodplain(const char* qp) {
  return {{"Text6", "200"},  {"Text7", "400"}, {"Text8", "400"},
          {"Text9", "0.05"}, {"Text10", "8"},  {"Text13", qp}};
}

INSTANTIATE_TEST_SUITE_P(
    Band, TrialTest,
    testing::Values(
        // Default channel, Qc = 1775.878: the band of Qp runs from 1692 to 1869.
        TrialCase{
            "Qp1691", "Option1", {{"Text13", "1691"}}, "-5.019387", TrialVerdict::kDepthTooLarge},
        TrialCase{"Qp1692", "Option1", {{"Text13", "1692"}}, "-4.957319", TrialVerdict::kAccepted},
        TrialCase{"Qp1869", "Option1", {{"Text13", "1869"}}, "4.982459", TrialVerdict::kAccepted},
        TrialCase{
            "Qp1870", "Option1", {{"Text13", "1870"}}, "5.033271", TrialVerdict::kDepthTooSmall},
        // Both edges belong to the band.
        TrialCase{"DExactlyFive", "Option1", UnitSection("95"), "5", TrialVerdict::kAccepted},
        TrialCase{"DExactlyMinusFive", "Option1", UnitSection("105"), "-5",
                  TrialVerdict::kAccepted},
        TrialCase{"DJustAboveFive", "Option1", UnitSection("94.9999"), "5.0001",
                  TrialVerdict::kDepthTooSmall},
        // The separable example: Qt = 225.3815..., Q = 2001.259..., far above Qp = 1733.
        TrialCase{"SeparableTooLarge", "Option2", Floodplain("1733"), "-15.47948",
                  TrialVerdict::kDepthTooLarge},
        // The same section against Qp = 2000 (D computed independently in double).
        TrialCase{"SeparableAccepted", "Option2", Floodplain("2000"), "-0.06296844",
                  TrialVerdict::kAccepted}),
    [](const testing::TestParamInfo<TrialCase>& info) { return std::string(info.param.name); });

TEST(DesignWaterLevelEstimateTest, SeparableIntermediates) {
  // The separable example: Qt = 225.3815..., Q = 2001.259..., D = -15.479479.
  const WaterLevelInputs in = SeparableExampleInputs();
  const DesignWaterLevelResult r = DesignWaterLevelEstimate(in, SectionType::kSeparable);
  EXPECT_EQ(r.floodplain.k.value(), 20.0);
  EXPECT_NEAR(r.floodplain.q.value(), 225.381529107827, 1e-11);
  EXPECT_NEAR(r.q.value(), 2001.259368744615, 1e-10);
  EXPECT_EQ(r.d.value(), -15.479479F);
  EXPECT_EQ(r.verdict, TrialVerdict::kDepthTooLarge);
}

TEST(DesignWaterLevelEstimateTest, RoughnessAsNOrReciprocal) {
  // 40 is 1/n, 0.025 is n: the same channel. An entry of 1 is n = 1.
  WaterLevelInputs reciprocal = WorkedExampleInputs();
  WaterLevelInputs n = WorkedExampleInputs();
  n.nc = 0.025;
  const auto a = DesignWaterLevelEstimate(reciprocal, SectionType::kNotSeparable);
  const auto b = DesignWaterLevelEstimate(n, SectionType::kNotSeparable);
  EXPECT_EQ(a.channel.q.value(), b.channel.q.value());
  EXPECT_EQ(a.d.value(), b.d.value());
  WaterLevelInputs one = WorkedExampleInputs();
  one.nc = 1;
  EXPECT_EQ(DesignWaterLevelEstimate(one, SectionType::kNotSeparable).channel.k.value(), 1.0);
}

TEST(DesignWaterLevelEstimateTest, AssumedDepthsEnterNoFormula) {
  WaterLevelInputs deeper = WorkedExampleInputs();
  deeper.hcm = 7.5;
  deeper.htm = 3;
  EXPECT_EQ(DesignWaterLevelEstimate(deeper, SectionType::kNotSeparable).d.value(),
            DesignWaterLevelEstimate(WorkedExampleInputs(), SectionType::kNotSeparable).d.value());
}

TEST(DesignWaterLevelEstimateTest, NoOptionPromptsAndChangesNothing) {
  const FormState before = StateWith("", {}, /*trial_succeeded=*/true);
  const Effects effects = PressButton(Form2(), "Command1", before);
  ASSERT_EQ(effects.size(), 1U);
  EXPECT_EQ(std::get<effect::Message>(effects[0]),
            (effect::Message{" ^_^ 提示", "请选择滩槽形式！", false}));
}

TEST(DesignWaterLevelEstimateTest, NonSeparableTrialsEmptyTheFloodplainResults) {
  // A separable trial fills Text18 to Text21; a later non-separable one, accepted or not, must
  // not leave them beside its own channel results.
  FormState state = StateWith("Option2", Floodplain("2000"));
  state = ApplyEffects(state, PressButton(Form2(), "Command1", state));
  ASSERT_EQ(state.fields.at("Text18"), "225.382");
  for (const char* qp : {"1733", "1000"}) {
    FormState next = state;
    next.selected_option = "Option1";
    next.fields["Text13"] = qp;
    next = ApplyEffects(next, PressButton(Form2(), "Command1", next));
    for (const char* control : {"Text18", "Text19", "Text20", "Text21"}) {
      EXPECT_EQ(next.fields.at(control), "") << qp << " " << control;
    }
  }
}

TEST(DesignWaterLevelEstimateTest, SeparableWritesBothResultFramesAndFloodplainScour) {
  const FormState before = StateWith("Option2", Floodplain("2000"));
  const Effects effects = PressButton(Form2(), "Command1", before);
  const FormState after = ApplyEffects(before, effects);
  const std::vector<std::string> expected = {"1775.878", "3.052", "2.1", ".788",
                                             "225.382",  "1.127", ".",   ".5"};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(after.fields.at(kResults[i]), expected[i]) << kResults[i];
  }
  const auto writes = WritesOf(effects);
  ASSERT_EQ(writes.size(), 11U);
  EXPECT_EQ(writes[8], (effect::SetOtherField{"form1", "Text10", "225.382"}));
  EXPECT_EQ(writes[9], (effect::SetOtherField{"form1", "Text11", "."}));
  EXPECT_EQ(writes[10], (effect::SetOtherField{"form1", "Text12", ".5"}));
}

struct FaultCase {
  const char* name;
  const char* option;
  Inputs inputs;
  FaultKind fault;
};

class TrialFaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(TrialFaultTest, AbandonsBeforeAnyWrite) {
  const FaultCase& c = GetParam();
  for (const bool flag : {false, true}) {
    const FormState before = StateWith(c.option, c.inputs, flag);
    const Effects effects = PressButton(Form2(), "Command1", before);
    ASSERT_NE(FaultOf(effects), nullptr);
    EXPECT_EQ(FaultOf(effects)->kind, c.fault);
    // The fault is the only effect: no prompt, no field, no flag, no write.
    EXPECT_EQ(effects.size(), 1U);
    EXPECT_EQ(ApplyEffects(before, effects).trial_succeeded, flag);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, TrialFaultTest,
    testing::Values(
        // The channel comes before the section type: its fault shows even with no option.
        FaultCase{"ChannelPerimeterZeroNoOption", "", {{"Text2", "0"}}, FaultKind::kDivisionByZero},
        FaultCase{"RoughnessZero", "Option1", {{"Text4", "0"}}, FaultKind::kDivisionByZero},
        FaultCase{"WidthZero", "Option1", {{"Text3", ""}}, FaultKind::kDivisionByZero},
        FaultCase{"QpZero", "Option1", {{"Text13", "0"}}, FaultKind::kDivisionByZero},
        FaultCase{"NegativeSlope", "Option1", {{"Text5", "-8"}}, FaultKind::kInvalidArgument},
        FaultCase{
            "NegativeRadius", "Option1", {{"Text1", "-581.894"}}, FaultKind::kInvalidArgument},
        FaultCase{"SlopeBeyondSingle", "Option1", {{"Text5", "1e39"}}, FaultKind::kOverflow},
        // The default floodplain is empty: 0/0 in Rt.
        FaultCase{"SeparableEmptyFloodplain", "Option2", {}, FaultKind::kDivisionByZero}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(DesignWaterLevelEstimateTest, ClearKeepsOptionAndFlagThenZeroOverZero) {
  FormState state = StateWith("Option1", {}, /*trial_succeeded=*/true);
  state = ApplyEffects(state, PressButton(Form2(), "Command2", state));
  for (const auto& [control, text] : state.fields) EXPECT_EQ(text, "") << control;
  EXPECT_EQ(state.fields.size(), 21U);
  EXPECT_EQ(state.selected_option, "Option1");
  EXPECT_TRUE(state.trial_succeeded);
  const Effects effects = PressButton(Form2(), "Command1", state);
  ASSERT_NE(FaultOf(effects), nullptr);
  EXPECT_EQ(FaultOf(effects)->kind, FaultKind::kDivisionByZero);
}

TEST(DesignWaterLevelEstimateTest, OutputButtonFollowsTheFlag) {
  const Effects shown = PressButton(Form2(), "Command4", StateWith("", {}, true));
  ASSERT_EQ(shown.size(), 1U);
  EXPECT_TRUE(std::holds_alternative<effect::ShowReport>(shown[0]));
  const Effects refused = PressButton(Form2(), "Command4", StateWith("Option1", {}, false));
  ASSERT_EQ(refused.size(), 1U);
  EXPECT_EQ(std::get<effect::Message>(refused[0]),
            (effect::Message{"冲刷计算", "对不起，试算不成功，不能生成计算结果，请重新输入数据"}));
  EXPECT_TRUE(
      std::holds_alternative<effect::Close>(PressButton(Form2(), "Command3", FormState{})[0]));
}

TEST(Form2Test, Description) {
  const Window& w = Form2();
  EXPECT_EQ(w.caption, "设计水位估算");
  EXPECT_TRUE(DefaultState(w).selected_option.empty());
  ASSERT_NE(FindField(w, "Text11"), nullptr);
  EXPECT_EQ(FindField(w, "Text11")->label.caption, "假定最大水深:  河槽(m):");
  EXPECT_EQ(FindOption(w, "Option1")->caption, "滩槽不可分");
  EXPECT_EQ(FindOption(w, "Option2")->caption, "滩槽可分");
  // The roughness labels open the roughness tables on a double-click; no other label reacts.
  const std::pair<const char*, const char*> tables[] = {{"Label4", "Form42"}, {"Label6", "Form43"}};
  for (const auto& [label, form] : tables) {
    ASSERT_NE(FindLabel(w, label), nullptr) << label;
    EXPECT_EQ(FindLabel(w, label)->event, LabelEvent::kDoubleClick);
    EXPECT_EQ(std::get<OpenAction>(FindLabel(w, label)->action).form, form);
  }
  int reacting = 0;
  for (const Label* label : Labels(w)) reacting += label->event != LabelEvent::kNone;
  EXPECT_EQ(reacting, 2);
  std::vector<std::string> captions;
  for (const Button* button : Buttons(w)) captions.emplace_back(button->caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"计算", "计算结果输出", "清除", "退出"}));
}

}  // namespace
}  // namespace velmora
