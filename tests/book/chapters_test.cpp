// SPDX-License-Identifier: GPL-3.0-or-later
// Every calculator's chapter against the press it describes.
#include "book/chapter.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "common/registry.h"
#include "discharge/area_ratio_method.h"
#include "discharge/non_uniform_flow_flood_discharge.h"
#include "discharge/rainstorm_peak_discharge.h"
#include "discharge/regional_formula_discharge.h"
#include "discharge/uniform_flow_flood_discharge.h"
#include "opening/channel_width_opening_length.h"
#include "opening/sediment_balance_opening_length.h"
#include "opening/unit_width_opening_length.h"
#include "scour/channel_pier_scour.h"
#include "scour/cohesive_abutment_scour.h"
#include "scour/cohesive_pier_scour.h"
#include "scour/floodplain_pier_scour.h"
#include "scour/noncohesive_abutment_scour.h"
#include "waterlevel/design_water_level_estimate.h"

namespace velmora::book {
namespace {

// "Text1=0 Text3=5 Option2=1" over the window's default state.
FormState StateWith(const Window& window, std::string_view inputs) {
  FormState state = DefaultState(window);
  std::istringstream words{std::string(inputs)};
  std::string word;
  while (words >> word) {
    const std::size_t eq = word.find('=');
    const std::string control = word.substr(0, eq);
    if (control.starts_with("Option")) {
      state.selected_option = control;
    } else {
      state.fields[control] = word.substr(eq + 1);
    }
  }
  return state;
}

using Values = std::map<std::string, double>;

struct StepCase {
  std::string name;
  std::string form;
  std::string button;
  std::string inputs;
  // The intermediate values of the computation itself, by the chapter's keys.
  std::function<Values(const Press&)> expected;
};

class ChapterStepsTest : public testing::TestWithParam<StepCase> {};

// The rows show the press's own values, under the right keys, and the results its own texts.
TEST_P(ChapterStepsTest, StepsAndResultsAreThePress) {
  const StepCase& c = GetParam();
  const Window& window = *FindWindow(c.form);
  const FormState before = StateWith(window, c.inputs);
  const std::optional<ChapterContent> chapter = ChapterContentFor(window, c.button, before);
  ASSERT_TRUE(chapter);
  EXPECT_FALSE(chapter->failure);
  const Press press(window, before);
  for (const auto& [key, value] : c.expected(press)) {
    const auto it = std::find_if(chapter->steps.begin(), chapter->steps.end(),
                                 [&](const StepRow& row) { return row.key == key; });
    ASSERT_NE(it, chapter->steps.end()) << key;
    EXPECT_EQ(it->value, value) << key;
  }
  const FormState after = ApplyEffects(before, PressButton(window, c.button, before));
  ASSERT_FALSE(chapter->results.empty());
  for (const ResultRow& row : chapter->results) EXPECT_EQ(row.text, after.fields.at(row.control));
}

// Inputs of the worked examples where a window has no defaults.
constexpr const char* kForm24 =
    "Text1=300 Text2=120 Text4=40 Text5=0.5 Text6=100 Text7=90 Text9=0.05 Text10=0.5";
constexpr const char* kForm32 =
    "Text1=450 Text2=150 Text3=110 Text4=120 Text7=0.03 Text8=0.05 Text9=101.5 Text11=400 "
    "Text12=120 Text13=105 Text14=110 Text17=0.03 Text18=35 Text10=101.2 Text21=500 Text22=0.3";
constexpr const char* kSeparableTrial =
    "Option2=1 Text6=100 Text7=90 Text8=90 Text9=20 Text10=8 Text12=1 Text13=1900";

double V(Real x) { return x.value(); }
double V(Single x) { return x.value(); }

INSTANTIATE_TEST_SUITE_P(
    Calculators, ChapterStepsTest,
    testing::Values(
        StepCase{"Form31", "Form31", "Command1", "Text1=120 Text2=850 Text3=100 Text4=0.6",
                 [](const Press& p) {
                   AreaRatioResult r;
                   AreaRatioMethod(ReadAreaRatioInput(p), r);
                   return Values{{"ratio", V(r.ratio)}, {"q1", V(r.q1)}};
                 }},
        // The floodplain's roughness entered as n, the channel's as 1/n.
        StepCase{"Form24", "Form24", "Command1", kForm24,
                 [](const Press& p) {
                   UniformFlowResult r;
                   UniformFlowFloodDischarge(ReadUniformFlowInput(p), r);
                   return Values{{"Vc", V(r.channel.velocity)},
                                 {"Vt", V(r.floodplain.velocity)},
                                 {"Qt", V(r.qt)},
                                 {"Q", V(r.q)}};
                 }},
        StepCase{"Form32", "Form32", "Command1", kForm32,
                 [](const Press& p) {
                   NonUniformFlowResult r;
                   NonUniformFlowFloodDischarge(ReadNonUniformFlowInput(p), r);
                   return Values{{"K2t", V(r.down.floodplain)},
                                 {"K", V(r.k_mean)},
                                 {"D", V(r.denominator)},
                                 {"Q", V(r.q)}};
                 }},
        StepCase{"Form34One", "Form34", "Command3", "",
                 [](const Press& p) {
                   RegionalFormulaOneResult r;
                   RegionalFormulaOne(ReadRegionalFormulaOneInput(p), r);
                   return Values{{"q", V(r.q)}, {"qp", V(r.qp)}};
                 }},
        StepCase{"Form34Two", "Form34", "Command4", "",
                 [](const Press& p) {
                   RegionalFormulaTwoResult r;
                   RegionalFormulaTwo(ReadRegionalFormulaTwoInput(p), r);
                   return Values{{"q2", V(r.q2)}, {"q1", V(r.q1)}};
                 }},
        StepCase{"Form5", "Form5", "Command1", "",
                 [](const Press& p) {
                   const RainstormResult r = RainstormPeakDischarge(ReadRainstormInputs(p));
                   return Values{{"tau", V(r.tau)}, {"qr", V(r.qr)}, {"qp", V(r.design)}};
                 }},
        StepCase{"Form35", "Form35", "Command1",
                 "Text1=1733 Text2=1500 Text3=300 Text4=0.84 Text5=0.9",
                 [](const Press& p) {
                   ChannelWidthOpeningResult r;
                   ChannelWidthOpeningLength(ReadChannelWidthOpeningInput(p), r);
                   return Values{{"power", V(r.power)}, {"lj", V(r.lj)}};
                 }},
        StepCase{"Form36", "Form36", "Command1", "Text1=1733 Text2=1500 Text3=233 Text4=5",
                 [](const Press& p) {
                   UnitWidthOpeningInput in;
                   UnitWidthOpeningResult r;
                   UnitWidthOpeningPress(p, in, r);
                   return Values{{"beta", V(r.flow.beta)}, {"lj", V(r.lj)}};
                 }},
        StepCase{"Form45", "Form45", "Command1", "Text1=1733 Text2=1600 Text3=800 Text4=0.05",
                 [](const Press& p) {
                   SedimentBalanceResult r;
                   SedimentBalanceOpeningLength(ReadSedimentBalanceInput(p), r);
                   return Values{{"bo", V(r.bo)}, {"factor", V(r.ratio_factor)}, {"lj", V(r.lj)}};
                 }},
        StepCase{"Form2Separable", "Form2", "Command1", kSeparableTrial,
                 [](const Press& p) {
                   const DesignWaterLevelResult r =
                       DesignWaterLevelEstimate(ReadWaterLevelInputs(p), SelectedSection(p));
                   return Values{{"Rc", V(r.channel.r)},
                                 {"kt", V(r.floodplain.k)},
                                 {"Q", V(r.q)},
                                 {"D", V(r.d)}};
                 }},
        // Vc = 0.3 takes hb2 below zero, to 0.
        StepCase{"form3", "form3", "Command1", "Text2=0.3",
                 [](const Press& p) {
                   const ChannelPierScourResult r = ChannelPierScour(ReadChannelPierScourInput(p));
                   return Values{{"hp1", V(r.hp1)},          {"n1", V(r.pair1.n1)},
                                 {"hb1", V(r.pair1.hb1)},    {"q2", V(r.q2)},
                                 {"hb2f", V(r.hb2_formula)}, {"hb2", V(r.hb2)},
                                 {"below2", V(r.below2)}};
                 }},
        StepCase{"Form19General", "Form19", "Command1", "",
                 [](const Press& p) {
                   const FloodplainGeneralScour g =
                       FloodplainGeneral(ReadFloodplainGeneralInput(p), /*qt2_single=*/true);
                   return Values{{"qt2", V(g.qt2)}, {"below", V(g.below_ground)}};
                 }},
        StepCase{"Form19Total", "Form19", "Command2", "",
                 [](const Press& p) {
                   const FloodplainPierInput in = ReadFloodplainPierInput(p);
                   const FloodplainGeneralScour g = FloodplainGeneral(in.general, false);
                   const FloodplainPierScourResult r = FloodplainPierScour(
                       g.hp, in.general.htm, in.general.vh1, in.d, in.k_xi, in.b1);
                   return Values{{"hp", V(g.hp)},
                                 {"v0p1", V(r.f651.v0_prime)},
                                 {"y2", V(r.bed652.exponent)},
                                 {"hb2", V(r.hb2)},
                                 {"below2", V(r.below2)}};
                 }},
        StepCase{"form1Channel", "form1", "Command1", "",
                 [](const Press& p) {
                   const CohesivePierScourResult r = CohesivePierScour(ReadCohesiveChannelInput(p));
                   return Values{{"q", V(r.unit_q)}, {"hb", V(r.local.hb)}, {"below", V(r.below)}};
                 }},
        // hp / B1 ≥ 2.5 here: the other formula for hb.
        StepCase{"form1Floodplain", "form1", "Command2", "",
                 [](const Press& p) {
                   const CohesivePierScourResult r =
                       CohesivePierScour(ReadCohesiveFloodplainInput(p));
                   return Values{{"v", V(r.v)}, {"hb", V(r.local.hb)}, {"below", V(r.below)}};
                 }},
        StepCase{"Form29Ordinary", "Form29", "Command1", "",
                 [](const Press& p) {
                   const auto r = NoncohesiveAbutmentScour(
                       ReadNoncohesiveAbutmentInput(p, RiverKind::kOrdinary), RiverKind::kOrdinary);
                   return Values{{"n", V(r.n)}, {"hs3", V(r.hs3)}, {"z", V(r.z_min)}};
                 }},
        // LD = 60: LD / y1 ≥ 25, the HIRE form of FHQA.
        StepCase{"Form29WideShallow", "Form29", "Command3", "Text2=60",
                 [](const Press& p) {
                   const auto r = NoncohesiveAbutmentScour(
                       ReadNoncohesiveAbutmentInput(p, RiverKind::kWideShallow),
                       RiverKind::kWideShallow);
                   return Values{{"az", V(r.az)}, {"hs3", V(r.hs3)}, {"hs", V(r.hs_max)}};
                 }},
        StepCase{"Form30", "Form30", "Command1", "",
                 [](const Press& p) {
                   CohesiveAbutmentScourResult r;
                   CohesiveAbutmentScour(ReadCohesiveAbutmentInput(p), r);
                   return Values{{"e", V(r.e)}, {"hs", V(r.hs)}, {"z", V(r.z_min)}};
                 }}),
    [](const auto& info) { return info.param.name; });

struct FaultCase {
  std::string name;
  std::string form;
  std::string button;
  std::string inputs;
  std::string failed_item;  // the step named as failed
};

class ChapterFaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(ChapterFaultTest, NamesTheFailedStep) {
  const FaultCase& c = GetParam();
  const Window& window = *FindWindow(c.form);
  const FormState before = StateWith(window, c.inputs);
  const std::optional<ChapterContent> chapter = ChapterContentFor(window, c.button, before);
  ASSERT_TRUE(chapter);
  ASSERT_TRUE(chapter->failure);
  EXPECT_EQ(chapter->failure->item, c.failed_item);
  const Effects effects = PressButton(window, c.button, before);
  ASSERT_NE(FaultOf(effects), nullptr);
  EXPECT_EQ(chapter->failure->reason, FaultDescription(FaultOf(effects)->kind));
}

INSTANTIATE_TEST_SUITE_P(Calculators, ChapterFaultTest,
                         testing::Values(FaultCase{"Form31ZeroStationArea", "Form31", "Command1",
                                                   "Text1=1 Text3=0", "汇水面积比（k）"},
                                         FaultCase{"form3ZeroMu", "form3", "Command1", "Text7=0",
                                                   "一般冲刷深度（64-1）（hp1）"},
                                         // Pair 64-1/65-1 stands; 64-2 divides by 1 − λ.
                                         FaultCase{"form3LambdaOne", "form3", "Command1", "Text6=1",
                                                   "一般冲刷深度（64-2）（hp2）"},
                                         FaultCase{"form3Overflow", "form3", "Command1",
                                                   "Text1=1e999", "读取输入参数"}),
                         [](const auto& info) { return info.param.name; });

// Every computing button of every calculator has a chapter, and what it prints is typeset: no
// markup left over, no template key unresolved.
TEST(ChapterTest, EveryComputingButtonTypesetsCleanly) {
  for (const Window* window : AllWindows()) {
    if (window->kind != WindowKind::kCalculator) continue;
    for (const Button* button : Buttons(*window)) {
      if (!std::holds_alternative<Handler>(button->action)) continue;
      const auto document = ChapterFor(*window, button->control, DefaultState(*window));
      // Only the report viewer computes nothing.
      if (window->form == "Form2" && button->control == "Command4") {
        EXPECT_FALSE(document);
        continue;
      }
      ASSERT_TRUE(document) << window->form << " " << button->control;
      const auto content = ChapterContentFor(*window, button->control, DefaultState(*window));
      // A chapter fails exactly where the press does (windows without defaults divide by 0).
      EXPECT_EQ(content->failure.has_value(),
                FaultOf(PressButton(*window, button->control, DefaultState(*window))) != nullptr)
          << window->form << " " << button->control;
      for (const Block& block : document->blocks) {
        std::vector<const Runs*> runs;
        // The report's lines too: its "m^3/s" is set as a power.
        if (const auto* p = std::get_if<Paragraph>(&block)) runs.push_back(&p->runs);
        if (const auto* t = std::get_if<Table>(&block)) {
          for (const auto& row : t->rows) {
            for (const Runs& cell : row) runs.push_back(&cell);
          }
        }
        for (const Runs* cell : runs) {
          const std::string text = PlainText(*cell);
          EXPECT_EQ(text.find_first_of("_^[]{}"), std::string::npos)
              << window->form << " " << button->control << ": " << text;
        }
      }
    }
  }
}

TEST(ChapterTest, StepNumbers) {
  EXPECT_EQ(StepNumber(5.17893), "5.1789");
  EXPECT_EQ(StepNumber(1733), "1733");
  EXPECT_EQ(StepNumber(0.000123456), "0.00012346");
  EXPECT_EQ(StepNumber(-2.5e-6), "-2.5×10^{-6}");
  EXPECT_EQ(StepNumber(123456789), "1.2346×10^{8}");
}

// A formula wraps after its operators; numbers, powers and a closing operator stay whole.
TEST(ChapterTest, FormulasBreakBetweenTermsOnly) {
  const Runs runs = BreakableBetweenTerms(Markup("0.86×22.61^{1+6}−1.5+"));
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].text, "0.86×\u200B22.61");
  EXPECT_EQ(runs[1].text, "1+6");
  EXPECT_EQ(runs[2].text, "−\u200B1.5+");
}

}  // namespace
}  // namespace velmora::book
