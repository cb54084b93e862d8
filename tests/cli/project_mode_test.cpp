// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/project_mode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "cli/press_json.h"
#include "cli/runner.h"
#include "project/recalculate.h"

namespace velmora {
namespace {

const std::string kFile = std::string(VELMORA_TEST_DATA) + "/project_v1.velmora";

struct ProjectRun {
  int status;
  std::string out;
  std::string err;
};

ProjectRun CallProject(std::vector<std::string> args) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(args, in, out, err);
  return {status, out.str(), err.str()};
}

class ProjectModeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A folder of its own: ctest runs these tests side by side, and one's TearDown must not
    // remove what another is writing.
    dir_ = std::filesystem::temp_directory_path() /
           ("velmora-project-mode-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
            std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

// Each line is the press exactly as --jsonl prints it, and OUT is the recalculated project.
TEST_F(ProjectModeTest, PrintsEveryPressAndSavesTheResult) {
  const std::string saved = (dir_ / "out.velmora").string();
  const ProjectRun run = CallProject({"--project", kFile, "--save", saved});
  EXPECT_EQ(run.status, 0) << run.err;

  Project project = *ReadProjectFile(kFile).project;
  std::string expected;
  for (const ProjectPress& press : RecalculateProject(project)) {
    expected += PressResultJson(*press.window, press.button, press.before, press.effects) + "\n";
  }
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 4);
  EXPECT_EQ(*ReadProjectFile(saved).project, project);
}

TEST_F(ProjectModeTest, RefusedFileOrBadArgumentsExitTwo) {
  const std::string missing = (dir_ / "missing.velmora").string();
  const ProjectRun refused = CallProject({"--project", missing});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err,
            "velmora-calc: " + missing + ": 文件不存在（No such file or directory）\n");
  EXPECT_TRUE(refused.out.empty());
  EXPECT_EQ(CallProject({"--project"}).status, 2);
  EXPECT_EQ(CallProject({"--project", kFile, "--keep", "x"}).status, 2);
}

// OUT is a folder holding a file: it cannot be replaced, and nothing in it changes.
TEST_F(ProjectModeTest, UnwritableOutExitsThreeAndKeepsTheOldOne) {
  const auto out = dir_ / "out.velmora";
  std::filesystem::create_directories(out);
  std::ofstream(out / "kept") << "old";
  const ProjectRun run = CallProject({"--project", kFile, "--save", out.string()});
  EXPECT_EQ(run.status, 3);
  EXPECT_NE(run.err.find("cannot write " + out.string()), std::string::npos);
  EXPECT_EQ(std::filesystem::file_size(out / "kept"), 3U);
}

}  // namespace
}  // namespace velmora
