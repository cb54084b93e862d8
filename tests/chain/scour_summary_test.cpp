// SPDX-License-Identifier: GPL-3.0-or-later
#include "chain/scour_summary.h"

#include <gtest/gtest.h>

#include "chain/links.h"
#include "project_chain.h"

namespace velmora::chain {
namespace {

// A channel pier whose results are given by hand, so the summary's arithmetic is checked alone:
// totals 3.2 and 3.9 m from the water surface, 1.1 and 1.8 m below the bed; H = 100.
Project HandProject(const std::string& foundation, bool special) {
  Project project;
  WindowState pier{.form = DefaultState(*FindWindow("form3")), .pressed = "Command1"};
  const std::map<std::string, std::string> results{
      {"Text14", "2.5"}, {"Text15", ".7"},  {"Text16", "3.2"}, {"Text17", "1.1"},
      {"Text18", "2.1"}, {"Text19", "2.8"}, {"Text20", "1.1"}, {"Text21", "3.9"},
      {"Text22", "1.8"}, {"Text23", "2.1"}};
  for (const auto& [control, text] : results) pier.form.fields[control] = text;
  project.windows["form3"] = pier;
  ChainState state;
  state.summary = {.water_level = "100", .special_bridge = special, .foundations = {}};
  if (!foundation.empty()) state.summary.foundations["form3"] = foundation;
  WriteChainState(project, state);
  return project;
}

struct SummaryCase {
  const char* name;
  const char* foundation;
  bool special;
  double required;  // hand-interpolated at 1.8 m below the bed
  std::optional<bool> passes;
};

class SummaryTest : public testing::TestWithParam<SummaryCase> {};

// Scour line 100 − 3.9 = 96.1. 一般桥梁: 1.5 + (2 − 1.5)·1.8/5 = 1.68; 特殊大桥: 2.18.
TEST_P(SummaryTest, GoverningDepthScourLineAndEmbedment) {
  const SummaryCase& c = GetParam();
  const ScourSummary summary = SummarizeScour(HandProject(c.foundation, c.special));
  ASSERT_EQ(summary.elements.size(), 1U);
  const ScourElement& pier = summary.elements[0];
  EXPECT_EQ(pier.formulas[pier.governing].name, "64-2、65-2");
  ASSERT_TRUE(pier.scour_line);
  EXPECT_NEAR(*pier.scour_line, 96.1, 1e-9);
  EXPECT_NEAR(*pier.required, c.required, 1e-9);
  EXPECT_EQ(pier.passes, c.passes);
}

INSTANTIATE_TEST_SUITE_P(
    Hand, SummaryTest,
    testing::Values(SummaryCase{"NoFoundationNoVerdict", "", false, 1.68, std::nullopt},
                    SummaryCase{"DeepEnough", "94.42", false, 1.68, true},  // 1.68 exactly
                    SummaryCase{"ShortByAMillimetre", "94.421", false, 1.68, false},
                    SummaryCase{"SpecialBridgeAsksMore", "94.42", true, 2.18, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EmbedmentSafetyTest, TableColumnsAndEnds) {
  EXPECT_DOUBLE_EQ(EmbedmentSafety(10.0, false), 2.5);
  EXPECT_DOUBLE_EQ(EmbedmentSafety(12.5, true), 3.25);
  EXPECT_DOUBLE_EQ(EmbedmentSafety(35.0, false), 3.5);
}

// The scour line follows the rainstorm through the links.
TEST(SummaryTest, ScourLineMovesWithTheRainstorm) {
  Project project;
  PressInto(project, "Form5", "Command1", {{"Text1", "89"}});
  PressInto(
      project, "Form2", "Command1",
      {{"Option1", ""}, {"Text1", "80"}, {"Text2", "54"}, {"Text3", "52"}, {"Text11", "2.2"}});
  PressInto(project, "form3", "Command1");
  ChainState state = ReadChainState(project);
  state.summary.water_level = "100";
  WriteChainState(project, state);
  const double before = *SummarizeScour(project).elements.at(0).scour_line;
  project.windows.at("Form5").form.fields["Text1"] = "92";
  RecalculateProject(project);
  ASSERT_EQ(project.windows.at("form3").form.fields.at("Text25"), "378.474");
  EXPECT_LT(*SummarizeScour(project).elements.at(0).scour_line, before);
}

struct FlagCase {
  const char* name;
  const char* form;
  const char* control;
  const char* text;
  const char* flagged;  // the control flagged, or "" for none
};
class FlagTest : public testing::TestWithParam<FlagCase> {};

TEST_P(FlagTest, DoubtfulValues) {
  const FlagCase& c = GetParam();
  Project project;
  FormState state = DefaultState(*FindWindow(c.form));
  state.fields[c.control] = c.text;
  const std::vector<Flag> flags = FlagsOf(project, c.form, state);
  if (*c.flagged == '\0') {
    EXPECT_TRUE(flags.empty()) << flags.front().text;
  } else {
    ASSERT_EQ(flags.size(), 1U);
    EXPECT_EQ(flags[0].control, c.flagged);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FlagTest,
    testing::Values(FlagCase{"MetresInMillimetreField", "form3", "Text3", "0.02", "Text3"},
                    FlagCase{"MillimetresInMetreField", "Form29", "Text8", "22.6", "Text8"},
                    FlagCase{"GravelInMetresIsFine", "Form29", "Text8", "0.03", ""},
                    FlagCase{"FloodplainSandIsFine", "Form19", "Text8", "0.3", ""},
                    // hcm 2.1 in form3's defaults
                    FlagCase{"GeneralScourSeventyTimesTheDepth", "form3", "Text19", "143.148",
                             "Text19"},
                    FlagCase{"GeneralScourTwiceTheDepthIsFine", "form3", "Text19", "4.2", ""},
                    // Bc 738.58 in form3's defaults
                    FlagCase{"OpeningWiderThanTheChannel", "form3", "Text5", "800", "Text5"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::chain
