// SPDX-License-Identifier: GPL-3.0-or-later
// The runner's JSON for the design-discharge windows, byte for byte.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/runner.h"

namespace velmora {
namespace {

std::string Out(std::vector<std::string> args) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCli(args, in, out, err), 0) << err.str();
  return out.str();
}

// The defaults are the worked example: the largest result goes to the water level window.
TEST(DischargeGolden, Form5DefaultsWriteTheDesignDischarge) {
  EXPECT_EQ(Out({"Form5", "Command1"}),
            R"({"form":"Form5","button":"Command1","fields":{"Text1":"89","Text2":"45",)"
            R"("Text3":"0.75","Text4":"0.84","Text5":"21.32","Text6":"16","Text7":"0.62",)"
            R"("Text8":"0.71","Text9":"0.65","Text10":"0.14","Text11":"1.08","Text12":"0.96",)"
            R"("Text13":"0.025","Text14":"1.4","Text15":"0.95","Text16":"247.647",)"
            R"("Text17":"360.748","Text18":"366.74"},"messages":[],"fault":null,)"
            R"("writes":{"Form2.Text13":"366.74"},"report":null})"
            "\n");
}

// μ above Sp: a fault, and no write into either window.
TEST(DischargeGolden, Form5LossAboveRainWritesNothing) {
  const std::string out = Out({"Form5", "Command1", "Text3=50"});
  EXPECT_NE(out.find(R"("Text16":"","Text17":"","Text18":""},"messages":[],)"
                     R"("fault":{"kind":"invalid_argument",)"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find(R"("writes":{},"report":null})"), std::string::npos) << out;
}

}  // namespace
}  // namespace velmora
