// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/recalculate.h"

#include <gtest/gtest.h>

#include "project_chain.h"

namespace velmora {
namespace {

const std::string& Text(const Project& project, const char* form, const char* control) {
  return project.windows.at(form).form.fields.at(control);
}

TEST(ApplyPressTest, WritesIntoAnotherWindowStartFromItsDefaults) {
  Project project;
  PressInto(project, "Form5", "Command1");
  ASSERT_EQ(project.windows.size(), 2U);
  const WindowState& form2 = project.windows.at("Form2");
  EXPECT_EQ(form2.form.fields.at("Text13"), "366.74");
  EXPECT_EQ(form2.form.fields.at("Text1"), DefaultState(*FindWindow("Form2")).fields.at("Text1"));
  EXPECT_TRUE(form2.pressed.empty());
  EXPECT_EQ(project.windows.at("Form5").pressed, "Command1");
}

TEST(ApplyPressTest, AcceptedTrialKeepsFlagReportAndHandsOver) {
  const Project project = ChainProject("89", "229");
  const WindowState& form2 = project.windows.at("Form2");
  EXPECT_TRUE(form2.form.trial_succeeded);
  EXPECT_EQ(form2.form.selected_option, "Option1");
  EXPECT_FALSE(form2.report.empty());
  EXPECT_EQ(Text(project, "form3", "Text1"), "375.318");
  EXPECT_EQ(Text(project, "form1", "Text1"), "375.318");
  EXPECT_FALSE(Text(project, "form3", "Text16").empty());
}

// Showing the report or pressing help is not a computation; a fault is.
TEST(ApplyPressTest, OnlyComputationsCountAsPressed) {
  Project project = ChainProject("89", "229");
  PressInto(project, "Form2", "Command4");  // 计算结果输出
  EXPECT_EQ(project.windows.at("Form2").pressed, "Command1");
  PressInto(project, "Form31", "Command2");  // 帮 助
  EXPECT_TRUE(project.windows.at("Form31").pressed.empty());
  PressInto(project, "Form5", "Command1", {{"Text6", ""}});  // a zero slope divides by zero
  EXPECT_EQ(project.windows.at("Form5").pressed, "Command1");
}

TEST(RecalculateTest, PressesTheChainInOrder) {
  Project project = ChainProject("89", "229");
  PressInto(project, "Form31", "Command1");  // a discharge window listed before Form5
  std::vector<std::string> order;
  for (const ProjectPress& press : RecalculateProject(project)) {
    order.push_back(std::string(press.window->form) + "." + press.button);
  }
  const std::vector<std::string> expected{"Form31.Command1", "Form5.Command1", "Form2.Command1",
                                          "form3.Command1", "form1.Command1"};
  EXPECT_EQ(order, expected);
}

// A revised catchment flows through to the trial, and a revised channel to the scour depths:
// the recalculated project is the one the engineer would get by pressing everything again.
TEST(RecalculateTest, ChangedDischargeFlowsToTheScourWindows) {
  Project project = ChainProject("89", "229");
  project.windows.at("Form5").form.fields["Text1"] = "92";
  project.windows.at("Form2").form.fields["Text1"] = "231";
  RecalculateProject(project);
  EXPECT_EQ(Text(project, "Form2", "Text13"), "378.474");
  EXPECT_EQ(project, ChainProject("92", "231"));
  EXPECT_NE(Text(project, "form3", "Text16"), Text(ChainProject("89", "229"), "form3", "Text16"));
}

TEST(RecalculateTest, RejectedTrialLeavesTheScourInputsAlone) {
  Project project = ChainProject("89", "229");
  const Project before = project;
  project.windows.at("Form5").form.fields["Text1"] = "40";
  const std::vector<ProjectPress> presses = RecalculateProject(project);
  const WindowState& form2 = project.windows.at("Form2");
  EXPECT_FALSE(form2.form.trial_succeeded);
  EXPECT_TRUE(form2.form.fields.at("Text14").empty());
  EXPECT_EQ(form2.report, before.windows.at("Form2").report);  // the last accepted one
  EXPECT_EQ(project.windows.at("form3"), before.windows.at("form3"));
  EXPECT_EQ(presses.size(), 4U);
}

}  // namespace
}  // namespace velmora
