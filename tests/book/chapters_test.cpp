// Every calculator's chapter against the press it describes.
#include "book/chapter.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "common/registry.h"
#include "discharge/area_ratio_method.h"
#include "scour/channel_pier_scour.h"

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

INSTANTIATE_TEST_SUITE_P(
    Calculators, ChapterStepsTest,
    testing::Values(StepCase{"Form31", "Form31", "Command1",
                             "Text1=120 Text2=850 Text3=100 Text4=0.6",
                             [](const Press& p) {
                               AreaRatioResult r;
                               AreaRatioMethod(ReadAreaRatioInput(p), r);
                               return Values{{"ratio", r.ratio.value()}, {"q1", r.q1.value()}};
                             }},
                    // Vc = 0.3 takes hb2 below zero, to 0.
                    StepCase{"form3", "form3", "Command1", "Text2=0.3",
                             [](const Press& p) {
                               const ChannelPierScourResult r =
                                   ChannelPierScour(ReadChannelPierScourInput(p));
                               return Values{
                                   {"hp1", r.hp1.value()},          {"n1", r.pair1.n1.value()},
                                   {"hb1", r.pair1.hb1.value()},    {"q2", r.q2.value()},
                                   {"hb2f", r.hb2_formula.value()}, {"hb2", r.hb2.value()},
                                   {"below2", r.below2.value()}};
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

TEST(ChapterTest, StepNumbers) {
  EXPECT_EQ(StepNumber(5.17893), "5.1789");
  EXPECT_EQ(StepNumber(1733), "1733");
  EXPECT_EQ(StepNumber(0.000123456), "0.00012346");
  EXPECT_EQ(StepNumber(-2.5e-6), "-2.5×10^{-6}");
  EXPECT_EQ(StepNumber(123456789), "1.2346×10^{8}");
}

}  // namespace
}  // namespace velmora::book
