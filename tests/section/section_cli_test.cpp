// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/runner.h"

namespace velmora {
namespace {

class SectionCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A name of its own: ctest runs these tests side by side, and one's TearDown must not
    // remove the file another is reading.
    path_ = std::filesystem::temp_directory_path() /
            ("velmora_section_" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
             std::to_string(std::random_device{}()) + ".csv");
    std::ofstream(path_) << "起点距,高程\n# a V\n0,3\n3,0\n6,3\n";
  }
  void TearDown() override { std::filesystem::remove(path_); }

  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--section", path_.string()});
    std::istringstream in;
    out_.str("");
    err_.str("");
    return RunCli(args, in, out_, err_);
  }

  std::filesystem::path path_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(SectionCliTest, LevelGivesGeometryFlowAndHandOverTexts) {
  ASSERT_EQ(Run({"--n-channel", "40", "--slope-channel", "1", "--level", "1.5"}), 0) << err_.str();
  const std::string json = out_.str();
  EXPECT_TRUE(json.starts_with(R"({"level":1.5,"q":)")) << json;
  EXPECT_NE(json.find(R"("channel":{"a":2.25,"chi":4.24264068711928)"), std::string::npos) << json;
  EXPECT_NE(json.find(R"(,"b":3,"hmax":1.5,"q":)"), std::string::npos) << json;
  EXPECT_NE(json.find(R"("floodplain":null,"form2":{"Option1":"1","Text1":"2.25","Text2":"4.243",)"
                      R"("Text3":"3.","Text4":"40.","Text5":"1.","Text6":"",)"),
            std::string::npos)
      << json;
  EXPECT_TRUE(json.ends_with("}}\n")) << json;
}

TEST_F(SectionCliTest, DischargeSolvesTheLevel) {
  ASSERT_EQ(Run({"--n-channel", "0.025", "--slope-channel", "1", "--discharge", "2"}), 0)
      << err_.str();
  const double level = std::stod(out_.str().substr(9));
  EXPECT_GT(level, 0.0);
  EXPECT_LT(level, 3.0);
  EXPECT_NE(out_.str().find(R"("Text13":"2.")"), std::string::npos) << out_.str();
}

TEST_F(SectionCliTest, BadInputExitsTwoWithAMessage) {
  const std::vector<std::vector<std::string>> cases = {
      {"--n-channel", "40", "--slope-channel", "1"},  // neither level nor discharge
      {"--n-channel", "40", "--slope-channel", "1", "--level", "1", "--discharge", "2"},
      {"--n-channel", "40", "--slope-channel", "1", "--level", "4"},        // above the brim
      {"--n-channel", "40", "--slope-channel", "1", "--discharge", "1e9"},  // beyond capacity
      {"--n-channel", "abc", "--slope-channel", "1", "--level", "1"},
      {"--slope-channel", "1", "--level", "1"},  // no roughness
      {"--n-channel", "40", "--slope-channel", "1", "--split", "7,8", "--n-floodplain", "30",
       "--slope-floodplain", "1", "--level", "1"},
      {"--n-channel", "40", "--slope-channel", "1", "--level"},
      {"--n-channel", "40", "--slope-channel", "1", "--depth", "1"},
  };
  for (const auto& args : cases) {
    EXPECT_EQ(Run(args), 2) << args.back();
    EXPECT_TRUE(out_.str().empty());
    EXPECT_TRUE(err_.str().starts_with("velmora-calc: ")) << err_.str();
  }
  std::ofstream(path_) << "0,3\n3,x\n6,3\n";
  EXPECT_EQ(Run({"--n-channel", "40", "--slope-channel", "1", "--level", "1"}), 2);
  EXPECT_NE(err_.str().find("第2行"), std::string::npos) << err_.str();
  std::filesystem::remove(path_);
  EXPECT_EQ(Run({"--n-channel", "40", "--slope-channel", "1", "--level", "1"}), 2);
}

}  // namespace
}  // namespace velmora
