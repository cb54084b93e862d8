// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/project.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "chain/links.h"
#include "common/registry.h"
#include "project_chain.h"

namespace velmora {
namespace {

const std::filesystem::path kVersion1File =
    std::filesystem::path(VELMORA_TEST_DATA) / "project_v1.velmora";

// Every calculator window with every field, an option, the flag, a button and a report set to
// texts of its own, so that a field read into the wrong place shows.
TEST(ProjectFileTest, EveryCalculatorWindowRoundTrips) {
  Project project;
  int n = 0;
  for (const ProjectInfoItem& item : ProjectInfoItems()) {
    project.info.*(item.member) = std::string(item.caption) + "\"\n" + std::to_string(++n);
  }
  for (const Window* window : AllWindows()) {
    if (!KeepsState(*window)) continue;
    WindowState state{.form = DefaultState(*window)};
    for (auto& [control, text] : state.form.fields) text = std::string(window->form) + control;
    if (!Options(*window).empty()) state.form.selected_option = Options(*window).back()->control;
    state.form.trial_succeeded = true;
    state.pressed = Buttons(*window).back()->control;
    state.report = {"第一行", "", "  计算书  "};
    project.windows[std::string(window->form)] = state;
  }
  project.tools["Section"] = R"({"points":[[0,1.5],[2,0.25]],"name":"断面"})";

  const ProjectRead read = ParseProject(WriteProject(project));
  ASSERT_TRUE(read.project) << read.error;
  EXPECT_TRUE(read.skipped.empty());
  EXPECT_EQ(*read.project, project);
}

// The file kept under tests/data was written by this program's first format; it must read
// into the same project that pressing the same buttons gives today.
TEST(ProjectFileTest, VersionOneFileStaysReadable) {
  const ProjectRead read = ReadProjectFile(kVersion1File);
  ASSERT_TRUE(read.project) << read.error;
  EXPECT_TRUE(read.skipped.empty());
  Project expected = ChainProject("89", "229");
  expected.info.name = "G210 线改建工程";
  expected.info.route = "K12+350";
  expected.info.date = "2026-12-10";
  expected.tools["Section"] = R"({"stations":[0,12.5,30],"title":"桥位断面"})";
  // The file was written before links: its channel pier ran with the example's design discharge.
  chain::Override(expected, "form3", "Text25");
  PressInto(expected, "form3", "Command1", {{"Text25", "1733"}});
  expected.tools.erase(std::string(chain::kToolName));
  EXPECT_EQ(*read.project, expected);
}

// A short file written by hand: fields not named keep their defaults.
TEST(ProjectFileTest, AbsentFieldsTakeTheirDefaults) {
  const ProjectRead read = ParseProject(
      R"({"format":"velmora-project","version":1,"windows":{"Form31":{"fields":{"Text1":"120"}}}})");
  ASSERT_TRUE(read.project) << read.error;
  const WindowState& state = read.project->windows.at("Form31");
  EXPECT_EQ(state.form.fields.at("Text1"), "120");
  EXPECT_EQ(state.form.fields.at("Text4"), DefaultState(*FindWindow("Form31")).fields.at("Text4"));
  EXPECT_EQ(read.project->info, ProjectInfo{});
}

struct RefusalCase {
  const char* name;
  const char* text;
  const char* error;
};

class ProjectRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ProjectRefusalTest, RefusesWithItsMessage) {
  const ProjectRead read = ParseProject(GetParam().text);
  EXPECT_FALSE(read.project);
  EXPECT_EQ(read.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, ProjectRefusalTest,
    ::testing::Values(
        // Columns count characters: 桥 is one column though three bytes.
        RefusalCase{"BadValueOnSecondLine", "{\n  \"桥\": x\n}",
                    "文件内容不是有效的 JSON：第 2 行第 8 列有误。"},
        RefusalCase{"CutShort", "{\"format\": \"velmora-project\",\n",
                    "文件内容不是有效的 JSON：第 2 行第 1 列有误。"},
        RefusalCase{"Empty", "", "文件内容不是有效的 JSON：第 1 行第 1 列有误。"},
        RefusalCase{"AnotherFormat", R"({"format":"geojson","version":1})",
                    "这不是 Velmora 工程文件。"},
        RefusalCase{"NotAnObject", "[1, 2]", "这不是 Velmora 工程文件。"},
        RefusalCase{"NewerVersion", R"({"format":"velmora-project","version":2})",
                    "此工程由较新版本的 Velmora 保存（格式版本 2），本程序只能读取格式版本 1 "
                    "的工程。"},
        RefusalCase{"VersionNotANumber", R"({"format":"velmora-project","version":"1"})",
                    "工程文件已损坏：“version”应为正整数。"},
        RefusalCase{"FieldNotText",
                    R"({"format":"velmora-project","version":1,
                        "windows":{"Form2":{"fields":{"Text1":581.894}}}})",
                    "工程文件已损坏：“windows.Form2.fields.Text1”应为文本。"},
        RefusalCase{"ReportLineNotText",
                    R"({"format":"velmora-project","version":1,
                        "windows":{"Form2":{"report":["a",null]}}})",
                    "工程文件已损坏：“windows.Form2.report[1]”应为文本。"},
        RefusalCase{
            "FlagNotBoolean",
            R"({"format":"velmora-project","version":1,
                        "windows":{"Form2":{"trial_succeeded":1}}})",
            "工程文件已损坏：“windows.Form2.trial_succeeded”应为布尔值（true 或 false）。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectFileTest, UnknownPartsAreSkippedAndListed) {
  const ProjectRead read = ParseProject(R"({"format":"velmora-project","version":1,
      "project":{"bridge":"清水河大桥","owner":"x"},
      "windows":{"Form99":{},"Form9":{},
                 "Form2":{"fields":{"Text13":"900","Text99":"1"},"option":"Option7",
                          "pressed":"Command9","zoom":2}},
      "theme":"dark"})");
  ASSERT_TRUE(read.project) << read.error;
  EXPECT_EQ(read.project->info.bridge, "清水河大桥");
  EXPECT_EQ(read.project->windows.at("Form2").form.fields.at("Text13"), "900");
  EXPECT_EQ(read.project->windows.size(), 1U);
  const std::vector<std::string> skipped{"project.owner",
                                         "windows.Form99",
                                         "windows.Form9",
                                         "windows.Form2.fields.Text99",
                                         "windows.Form2.option=Option7",
                                         "windows.Form2.pressed=Command9",
                                         "windows.Form2.zoom",
                                         "theme"};
  EXPECT_EQ(read.skipped, skipped);
}

TEST(ProjectFileTest, UnreadableFileSaysWhy) {
  const auto missing = std::filesystem::path(VELMORA_TEST_DATA) / "no such project.velmora";
  EXPECT_EQ(ReadProjectFile(missing).error, "文件不存在（No such file or directory）");
  EXPECT_EQ(ReadProjectFile(VELMORA_TEST_DATA).error, "这是一个文件夹（Is a directory）");
}

}  // namespace
}  // namespace velmora
