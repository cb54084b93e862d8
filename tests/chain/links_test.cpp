// SPDX-License-Identifier: GPL-3.0-or-later
#include "chain/links.h"

#include <gtest/gtest.h>

#include "common/value_of_text.h"
#include "project_chain.h"

namespace velmora::chain {
namespace {

const std::string& Text(const Project& project, const char* form, const char* control) {
  return project.windows.at(form).form.fields.at(control);
}

// Rainstorm (89 km² gives Qp 366.74) and a 52 m channel whose trial is accepted (Q ≈ 372,
// D ≈ -1.4 %), then the channel and floodplain pier windows.
Project Bridge(const std::string& catchment) {
  Project project;
  PressInto(project, "Form5", "Command1", {{"Text1", catchment}});
  PressInto(
      project, "Form2", "Command1",
      {{"Option1", ""}, {"Text1", "80"}, {"Text2", "54"}, {"Text3", "52"}, {"Text11", "2.2"}});
  PressInto(project, "form3", "Command1");
  PressInto(project, "Form19", "Command1");
  return project;
}

TEST(ChainLinksTest, ScourRunsOnTheTrialsValuesAndFollowsTheRainstorm) {
  Project project = Bridge("89");
  ASSERT_TRUE(project.windows.at("Form2").form.trial_succeeded);
  EXPECT_EQ(Text(project, "form3", "Text25"), "366.74");
  EXPECT_EQ(Text(project, "form3", "Text26"), "52.");
  EXPECT_EQ(Text(project, "Form19", "Text1"), "366.74");
  EXPECT_EQ(Text(project, "Form19", "Text3"), Text(project, "Form2", "Text14"));
  EXPECT_EQ(project.tools, (std::map<std::string, std::string, std::less<>>{}));
  // The example's discharge over a 739 m channel gave 143 m; this channel's is a few metres.
  EXPECT_LT(ValueOfText(Text(project, "form3", "Text19")), 10.0);

  const Project before = project;
  project.windows.at("Form5").form.fields["Text1"] = "92";
  RecalculateProject(project);
  EXPECT_EQ(Text(project, "Form2", "Text13"), "378.474");
  for (const char* form : {"form3", "Form19"}) {
    EXPECT_EQ(Text(project, form, form == std::string("form3") ? "Text25" : "Text1"), "378.474");
  }
  EXPECT_NE(Text(project, "form3", "Text19"), Text(before, "form3", "Text19"));
  EXPECT_TRUE(ReadChainState(project).stale.empty());
  // Pressing everything by hand gives the same project.
  EXPECT_EQ(project, Bridge("92"));
}

TEST(ChainLinksTest, OverrideSurvivesRecalculationAndRelinkRestores) {
  Project project = Bridge("89");
  project.windows.at("form3").form.fields["Text25"] = "400";
  Override(project, "form3", "Text25");
  EXPECT_EQ(StatusOf(project, "form3", "Text25").kind, LinkStatus::kOverridden);
  project.windows.at("Form5").form.fields["Text1"] = "92";
  RecalculateProject(project);
  EXPECT_EQ(Text(project, "form3", "Text25"), "400");
  EXPECT_EQ(Text(project, "Form19", "Text1"), "378.474");

  Relink(project, "form3", "Text25");
  EXPECT_EQ(Text(project, "form3", "Text25"), "378.474");
  EXPECT_TRUE(ReadChainState(project).stale.contains("form3"));  // 需重新计算
  const LinkStatus status = StatusOf(project, "form3", "Text25");
  EXPECT_EQ(status.kind, LinkStatus::kLinked);
  EXPECT_EQ(SourceTooltip(*status.source), "来自：设计水位估算 设计流量Qp");
  // The state survives the file.
  const ProjectRead read = ParseProject(WriteProject(project));
  ASSERT_TRUE(read.project) << read.error;
  EXPECT_EQ(ReadChainState(*read.project), ReadChainState(project));
}

// A source that has not produced its value leaves the input as the engineer has it: a rejected
// trial, a window the rainstorm wrote into since its last press.
TEST(ChainLinksTest, NoValueWhileTheSourceIsNotCurrent) {
  Project project = Bridge("89");
  PressInto(project, "Form5", "Command1", {{"Text1", "92"}});
  EXPECT_TRUE(ReadChainState(project).stale.contains("Form2"));
  EXPECT_EQ(Text(project, "form3", "Text25"), "366.74");
  PressInto(project, "Form2", "Command1", {{"Text1", "40"}});  // too small: rejected
  EXPECT_FALSE(project.windows.at("Form2").form.trial_succeeded);
  EXPECT_EQ(Text(project, "form3", "Text25"), "366.74");
  EXPECT_EQ(StatusOf(project, "form3", "Text25").kind, LinkStatus::kWaiting);
}

// form3 takes d in mm, Form45 in m: the link converts and keeps every digit.
TEST(ChainLinksTest, GrainSizeChangesUnit) {
  Project project = Bridge("89");
  PressInto(project, "Form45", "Command1");
  EXPECT_EQ(Text(project, "Form45", "Text4"), "0.02261");
  EXPECT_EQ(Text(project, "Form45", "Text1"), "366.74");
}

// The tooltip reads "来自：<the source window's caption> <the quantity>".
TEST(ChainLinksTest, SourcesNameTheirWindow) {
  for (const Source& source : Sources()) {
    const Window* window = FindWindow(source.field.form);
    const std::string caption =
        window != nullptr ? std::string(window->caption) + " " : "冲刷汇总及最低冲刷线高程 ";
    EXPECT_TRUE(source.caption.starts_with(caption)) << source.caption;
  }
}

}  // namespace
}  // namespace velmora::chain
