// SPDX-License-Identifier: GPL-3.0-or-later
#include "waterlevel/design_water_level_estimate.h"

#include <gtest/gtest.h>

#include <algorithm>
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

template <typename T>
std::vector<T> EffectsOf(const Effects& effects) {
  std::vector<T> out;
  for (const Effect& e : effects) {
    if (const auto* found = std::get_if<T>(&e)) out.push_back(*found);
  }
  return out;
}

// The floodplain of the separable example, as field texts.
Inputs Floodplain(const char* qp) {
  return {{"Text6", "200"},  {"Text7", "400"}, {"Text8", "400"},
          {"Text9", "0.05"}, {"Text10", "8"},  {"Text13", qp}};
}

TEST(DesignWaterLevelEstimateTest, WorkedExample) {
  // The worked example of the method: default texts, "滩槽不可分".
  const DesignWaterLevelResult r =
      DesignWaterLevelEstimate(WorkedExampleInputs(), SectionType::kNotSeparable);
  EXPECT_NEAR(r.channel.r.value(), 0.7878550732486663, 1e-15);
  EXPECT_EQ(r.channel.k.value(), 40.0);
  EXPECT_NEAR(r.channel.v.value(), 3.051892337155543, 1e-14);
  EXPECT_NEAR(r.channel.q.value(), 1775.8778396367877, 1e-11);
  EXPECT_EQ(r.channel.hj.value(), 0.78785509F);
  EXPECT_EQ(r.d.value(), -2.4741974F);

  const FormState before = StateWith("Option1", {});
  const Effects effects = PressButton(Form2(), "Command1", before);
  const FormState after = ApplyEffects(before, effects);
  const std::vector<std::string> expected = {"1775.878", "3.052", "2.1", ".788", "", "", "", ""};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(after.fields.at(kResults[i]), expected[i]) << kResults[i];
  }
  EXPECT_TRUE(after.trial_succeeded);
  // The success box, then the scour windows in this order, then the report.
  const std::size_t box =
      std::find_if(effects.begin(), effects.end(),
                   [](const Effect& e) { return std::holds_alternative<effect::Message>(e); }) -
      effects.begin();
  ASSERT_LT(box + 12, effects.size());
  EXPECT_EQ(std::get<effect::Message>(effects[box]),
            (effect::Message{"^_^ 提示", "恭喜！估算成功,设计流量和计算流量的偏差是(%):-2.474197",
                             /*ok_cancel=*/true}));
  const std::vector<effect::SetOtherField> writes = {
      {"form3", "Text1", "1775.878"}, {"form3", "Text2", "3.052"}, {"form3", "Text4", "738.58"},
      {"form3", "Text8", "2.1"},      {"form3", "Text9", ".788"},  {"form1", "Text1", "1775.878"},
      {"form1", "Text2", "2.1"},      {"form1", "Text3", ".788"},  {"form1", "Text10", ""},
      {"form1", "Text11", ""},        {"form1", "Text12", ""}};
  for (std::size_t i = 0; i < writes.size(); ++i) {
    EXPECT_EQ(std::get<effect::SetOtherField>(effects[box + 1 + i]), writes[i]);
  }
  EXPECT_EQ(std::get<effect::WriteReport>(effects[box + 12]).lines.size(), 23U);
  EXPECT_EQ(effects.size(), box + 13);
}

struct BandCase {
  const char* name;
  WaterLevelInputs in;
  const char* d;  // D's shortest text, as the success box shows it
  TrialVerdict verdict;
};

class BandTest : public testing::TestWithParam<BandCase> {};

TEST_P(BandTest, Verdict) {
  const DesignWaterLevelResult r =
      DesignWaterLevelEstimate(GetParam().in, SectionType::kNotSeparable);
  EXPECT_EQ(GeneralText(r.d), GetParam().d);
  EXPECT_EQ(r.verdict, GetParam().verdict);
}

WaterLevelInputs WithQp(double qp) {
  WaterLevelInputs in = WorkedExampleInputs();
  in.qp = qp;
  return in;
}

// A one-metre section with R = 1 and I = 1000 ‰ carries Q = 1/n exactly, so D lands on the
// band's edges without rounding: 1/n = 95 or 105 against Qp = 100.
WaterLevelInputs UnitSection(double reciprocal_n) {
  return {.ac = 1, .chi_c = 1, .bc = 1, .nc = reciprocal_n, .ic = ToSingle(1000), .qp = 100};
}

INSTANTIATE_TEST_SUITE_P(
    Table, BandTest,
    testing::Values(
        // Default channel, Qc = 1775.878: the band of Qp runs from 1692 to 1869.
        BandCase{"Qp1691", WithQp(1691), "-5.019387", TrialVerdict::kDepthTooLarge},
        BandCase{"Qp1692", WithQp(1692), "-4.957319", TrialVerdict::kAccepted},
        BandCase{"Qp1869", WithQp(1869), "4.982459", TrialVerdict::kAccepted},
        BandCase{"Qp1870", WithQp(1870), "5.033271", TrialVerdict::kDepthTooSmall},
        // Both edges belong to the band.
        BandCase{"DExactlyFive", UnitSection(95), "5", TrialVerdict::kAccepted},
        BandCase{"DExactlyMinusFive", UnitSection(105), "-5", TrialVerdict::kAccepted},
        BandCase{"DJustAboveFive", UnitSection(94.9999), "5.0001", TrialVerdict::kDepthTooSmall},
        // Below 1, D's text keeps its leading zero.
        BandCase{"DBelowOne", WithQp(1774), "-0.1058534", TrialVerdict::kAccepted}),
    [](const testing::TestParamInfo<BandCase>& info) { return std::string(info.param.name); });

TEST(DesignWaterLevelEstimateTest, SeparableRejected) {
  // The separable example: Qt = 225.3815..., Q = 2001.259..., D = -15.479479.
  const DesignWaterLevelResult r =
      DesignWaterLevelEstimate(SeparableExampleInputs(), SectionType::kSeparable);
  EXPECT_EQ(r.floodplain.k.value(), 20.0);
  EXPECT_NEAR(r.floodplain.q.value(), 225.381529107827, 1e-11);
  EXPECT_NEAR(r.q.value(), 2001.259368744615, 1e-10);
  EXPECT_EQ(r.d.value(), -15.479479F);

  const FormState before = StateWith("Option2", Floodplain("1733"), /*trial_succeeded=*/true);
  const Effects effects = PressButton(Form2(), "Command1", before);
  const FormState after = ApplyEffects(before, effects);
  for (const char* control : kResults) EXPECT_EQ(after.fields.at(control), "") << control;
  EXPECT_FALSE(after.trial_succeeded);
  EXPECT_EQ(EffectsOf<effect::Message>(effects),
            (std::vector<effect::Message>{{" ^_^ 提示", "水深太大，需降低水深！"}}));
  EXPECT_TRUE(EffectsOf<effect::SetOtherField>(effects).empty());
  EXPECT_TRUE(EffectsOf<effect::WriteReport>(effects).empty());
  // Too little discharge asks for more depth.
  const Effects small =
      PressButton(Form2(), "Command1", StateWith("Option1", {{"Text13", "1870"}}));
  EXPECT_EQ(EffectsOf<effect::Message>(small).at(0).text, "水深太小，需增大水深！");
}

TEST(DesignWaterLevelEstimateTest, RoughnessAsNOrReciprocal) {
  // 40 is 1/n, 0.025 is n: the same channel. An entry of 1 is n = 1.
  WaterLevelInputs n = WorkedExampleInputs();
  n.nc = 0.025;
  const auto a = DesignWaterLevelEstimate(WorkedExampleInputs(), SectionType::kNotSeparable);
  const auto b = DesignWaterLevelEstimate(n, SectionType::kNotSeparable);
  EXPECT_EQ(a.channel.q.value(), b.channel.q.value());
  EXPECT_EQ(a.d.value(), b.d.value());
  n.nc = 1;
  EXPECT_EQ(DesignWaterLevelEstimate(n, SectionType::kNotSeparable).channel.k.value(), 1.0);
}

TEST(DesignWaterLevelEstimateTest, NoOptionPromptsAndChangesNothing) {
  const Effects effects = PressButton(Form2(), "Command1", StateWith("", {}, true));
  ASSERT_EQ(effects.size(), 1U);
  EXPECT_EQ(std::get<effect::Message>(effects[0]),
            (effect::Message{" ^_^ 提示", "请选择滩槽形式！", false}));
}

TEST(DesignWaterLevelEstimateTest, NonSeparableTrialsEmptyTheFloodplainResults) {
  // A separable trial fills Text18 to Text21; a later non-separable one, accepted (1733) or not
  // (1000), must not leave them beside its own channel results.
  FormState state = StateWith("Option2", Floodplain("2000"));
  state = ApplyEffects(state, PressButton(Form2(), "Command1", state));
  ASSERT_EQ(state.fields.at("Text18"), "225.382");
  ASSERT_EQ(state.fields.at("Text21"), ".5");
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
    const Effects effects = PressButton(Form2(), "Command1", StateWith(c.option, c.inputs, flag));
    // The fault is the only effect: no prompt, no field, no flag, no write.
    ASSERT_EQ(effects.size(), 1U);
    ASSERT_NE(FaultOf(effects), nullptr);
    EXPECT_EQ(FaultOf(effects)->kind, c.fault);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, TrialFaultTest,
    testing::Values(
        // The channel comes before the section type: its fault shows even with no option.
        FaultCase{"ChannelPerimeterZeroNoOption", "", {{"Text2", "0"}}, FaultKind::kDivisionByZero},
        FaultCase{"RoughnessZero", "Option1", {{"Text4", "0"}}, FaultKind::kDivisionByZero},
        FaultCase{"WidthEmpty", "Option1", {{"Text3", ""}}, FaultKind::kDivisionByZero},
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
  EXPECT_EQ(state.fields.size(), 21U);
  for (const auto& [control, text] : state.fields) EXPECT_EQ(text, "") << control;
  EXPECT_EQ(state.selected_option, "Option1");
  EXPECT_TRUE(state.trial_succeeded);
  const Effects effects = PressButton(Form2(), "Command1", state);
  ASSERT_NE(FaultOf(effects), nullptr);
  EXPECT_EQ(FaultOf(effects)->kind, FaultKind::kDivisionByZero);
}

TEST(Form2Test, Description) {
  const Window& w = Form2();
  EXPECT_TRUE(DefaultState(w).selected_option.empty());
  EXPECT_EQ(FindField(w, "Text11")->label.caption, "假定最大水深:  河槽(m):");
  EXPECT_EQ(FindOption(w, "Option1")->caption, "滩槽不可分");
  EXPECT_EQ(FindOption(w, "Option2")->caption, "滩槽可分");
  // The roughness labels open the roughness tables on a double-click; no other label reacts.
  EXPECT_EQ(std::get<OpenAction>(FindLabel(w, "Label4")->action).form, "Form42");
  EXPECT_EQ(std::get<OpenAction>(FindLabel(w, "Label6")->action).form, "Form43");
  int double_clicks = 0;
  for (const Label* label : Labels(w)) {
    EXPECT_NE(label->event, LabelEvent::kClick);
    double_clicks += label->event == LabelEvent::kDoubleClick;
  }
  EXPECT_EQ(double_clicks, 2);
}

}  // namespace
}  // namespace velmora
