// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-calc's JSON for presses of the opening windows.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/runner.h"

namespace velmora {
namespace {

std::string RunPress(const std::vector<std::string>& args) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCli(args, in, out, err), 0) << err.str();
  return out.str();
}

TEST(OpeningRunnerGolden, Form45LargeRiverFlood) {
  // Q2% = 40000 m³/s computes; Lj from the single (1500/40000)^0.33 × Bo.
  EXPECT_EQ(
      RunPress({"Form45", "Command1", "Text1=1500", "Text2=40000", "Text3=600", "Text4=0.002"}),
      R"({"form":"Form45","button":"Command1","fields":{"Text1":"1500","Text2":"40000",)"
      R"("Text3":"600","Text4":"0.002","Text5":"481.352","Text6":"162.89"},"messages":[],)"
      R"("fault":null,"writes":{},"report":null})"
      "\n");
}

TEST(OpeningRunnerGolden, Form36NegativeRatioIsAnInvalidPower) {
  EXPECT_EQ(RunPress({"Form36", "Command1", "Text1=1500", "Text2=-1200", "Text3=300", "Text4=10"}),
            R"({"form":"Form36","button":"Command1","fields":{"Text1":"1500","Text2":"-1200",)"
            R"("Text3":"300","Text4":"10","Text5":""},"messages":[],"fault":{"kind":)"
            R"("invalid_argument","text":"无效的参数（invalid argument）：负数的非整数次方、)"
            R"(零的负数次方或非正数的对数"},"writes":{},"report":null})"
            "\n");
}

}  // namespace
}  // namespace velmora
