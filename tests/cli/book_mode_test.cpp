// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-calc --book: one press per subsystem written as PDF and Word and read back.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "book/chapter.h"
#include "cli/runner.h"
#include "common/press.h"
#include "common/registry.h"
#include "project/project.h"
#include "project/recalculate.h"
#include "render/book_files.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

struct BookCase {
  const char* name;
  std::vector<std::string> press;  // FORM BUTTON CONTROL=TEXT ...
};

void PrintTo(const BookCase& c, std::ostream* os) { *os << c.name; }

int RunRunner(const std::vector<std::string>& args, std::string& out, std::string& err) {
  std::istringstream in;
  std::ostringstream o;
  std::ostringstream e;
  const int status = RunCli(args, in, o, e);
  out = o.str();
  err = e.str();
  return status;
}

// The texts the press writes into the window's fields and the values of its chapter's steps: what
// the book must hold, as the window and the step table show them.
std::vector<std::string> ShownTexts(const std::vector<std::string>& press) {
  const Window& window = *FindWindow(press[0]);
  FormState state = DefaultState(window);
  for (std::size_t i = 2; i < press.size(); ++i) {
    const std::size_t eq = press[i].find('=');
    const std::string control = press[i].substr(0, eq);
    if (FindOption(window, control) != nullptr) {
      state.selected_option = control;
    } else {
      state.fields[control] = press[i].substr(eq + 1);
    }
  }
  std::vector<std::string> texts;
  for (const Effect& e : PressButton(window, press[1], state)) {
    if (const auto* set = std::get_if<effect::SetField>(&e); set && !set->text.empty()) {
      texts.push_back(set->text);
    }
    // A faulting press's chapter says where the calculation stopped.
    if (std::holds_alternative<effect::Fault>(e)) texts.push_back("中止");
  }
  if (const auto chapter = book::ChapterContentFor(window, press[1], state)) {
    for (const book::StepRow& step : chapter->steps) {
      // A power of ten is set as a superscript, which text extraction runs together.
      if (step.value_text.find('^') == std::string::npos) texts.push_back(step.value_text);
    }
  }
  return texts;
}

class BookModeTest : public ::testing::TestWithParam<BookCase> {
 protected:
  QTemporaryDir dir_;
};

TEST_P(BookModeTest, WritesTheChapterAndPrintsThePressAsUsual) {
  const std::vector<std::string>& press = GetParam().press;
  std::string plain_json;
  std::string err;
  ASSERT_EQ(RunRunner(press, plain_json, err), 0) << err;
  const std::vector<std::string> shown = ShownTexts(press);
  ASSERT_FALSE(shown.empty());

  for (const char* extension : {".pdf", ".docx"}) {
    const fs::path path =
        fs::path(dir_.path().toStdString()) / (GetParam().name + std::string(extension));
    std::vector<std::string> args{"--book", path.string()};
    args.insert(args.end(), press.begin(), press.end());
    std::string json;
    ASSERT_EQ(RunRunner(args, json, err), 0) << err;
    EXPECT_EQ(json, plain_json);
    const std::string text = testing::BookText(path);
    for (const std::string& expected : shown) {
      EXPECT_NE(text.find(expected), std::string::npos) << extension << ": " << expected;
    }
    if (extension == std::string(".pdf")) {
      EXPECT_EQ(testing::FontsNotEmbedded(path), "");
    }
  }
}

// The worked examples of one window per subsystem, and a press that faults.
INSTANTIATE_TEST_SUITE_P(
    Subsystems, BookModeTest,
    ::testing::Values(BookCase{"AreaRatio",
                               {"Form31", "Command1", "Text1=120", "Text2=850", "Text3=100",
                                "Text4=0.6"}},
                      BookCase{"ChannelWidth",
                               {"Form35", "Command1", "Text1=1500", "Text2=1200", "Text3=120",
                                "Text4=0.84", "Text5=0.9"}},
                      BookCase{"DesignWaterLevel", {"Form2", "Command1", "Option1=1"}},
                      BookCase{"ChannelPierScour", {"form3", "Command1"}},
                      BookCase{"FaultingPress", {"Form24", "Command1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BookModeFailureTest, ABookThatCannotBeWrittenExitsThreeWithTheReasonAndNoJson) {
  QTemporaryDir dir;
  const fs::path file = fs::path(dir.path().toStdString()) / "plain";
  std::ofstream(file) << "x";
  for (const fs::path& path : {file / "书.pdf", fs::path(dir.path().toStdString()) / "书.txt"}) {
    std::string out;
    std::string err;
    EXPECT_EQ(RunRunner({"--book", path.string(), "Form31", "Command1"}, out, err), 3) << path;
    EXPECT_EQ(out, "");
    EXPECT_NE(err.find(path.string()), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(path));
  }
  std::string out;
  std::string err;
  EXPECT_EQ(RunRunner({"--book", file.string() + ".pdf", "Form99", "Command1"}, out, err), 2);
}

// The project's book: every press of the recalculated chain, the report, the scour summary.
TEST(ProjectBookModeTest, WritesTheWholeProjectsBookAndPrintsThePressesAsUsual) {
  const std::string project = std::string(VELMORA_TEST_DATA) + "/project_v1.velmora";
  std::string plain_json;
  std::string err;
  ASSERT_EQ(RunRunner({"--project", project}, plain_json, err), 0) << err;
  std::vector<std::string> shown{"G210 线改建工程", "冲刷汇总及最低冲刷线高程"};
  Project recalculated = *ReadProjectFile(project).project;
  for (const ProjectPress& press : RecalculateProject(recalculated)) {
    for (const Effect& e : press.effects) {
      if (const auto* set = std::get_if<effect::SetField>(&e); set && !set->text.empty()) {
        shown.push_back(set->text);
      }
    }
  }
  QTemporaryDir dir;
  for (const char* extension : {".pdf", ".docx"}) {
    const fs::path path = fs::path(dir.path().toStdString()) / (std::string("工程") + extension);
    std::string json;
    ASSERT_EQ(RunRunner({"--project", project, "--book", path.string()}, json, err), 0) << err;
    EXPECT_EQ(json, plain_json);
    const std::string text = testing::BookText(path);
    for (const std::string& expected : shown) {
      EXPECT_NE(text.find(expected), std::string::npos) << extension << ": " << expected;
    }
    // The design water level's report writes "m^3/s"; the book sets the power.
    EXPECT_NE(text.find("流量单位为m3/s"), std::string::npos) << extension;
    EXPECT_EQ(text.find('^'), std::string::npos) << extension;
    if (extension == std::string(".pdf")) {
      EXPECT_EQ(testing::FontsNotEmbedded(path), "");
    }
  }
  const fs::path other = fs::path(dir.path().toStdString()) / "工程.txt";
  std::string out;
  EXPECT_EQ(RunRunner({"--project", project, "--book", other.string()}, out, err), 2);
  EXPECT_EQ(out, "");
  EXPECT_FALSE(fs::exists(other));
}

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
