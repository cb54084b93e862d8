// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-calc on the scour windows: the whole line for a few presses.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/runner.h"

namespace velmora {
namespace {

std::string Calc(const std::vector<std::string>& args) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCli(args, in, out, err), 0) << err.str();
  return out.str();
}

TEST(ScourRunnerGolden, Form30WorkedExample) {
  EXPECT_EQ(Calc({"Form30", "Command1"}),
            R"({"form":"Form30","button":"Command1","fields":{"Text1":"50","Text2":"20",)"
            R"("Text3":"10","Text4":"0.2","Text7":"1500.00","Text5":"2.526","Text6":"1497.474"},)"
            R"("messages":[],"fault":null,"writes":{},"report":null})"
            "\n");
}

TEST(ScourRunnerGolden, Form19GeneralScourStandsWhenTheLocalScourFails) {
  EXPECT_EQ(Calc({"Form19", "Command2", "Text8=0"}),
            R"({"form":"Form19","button":"Command2","fields":{"Text1":"400","Text2":"100",)"
            R"("Text3":"300","Text4":"40","Text5":"2","Text6":"0.8","Text7":"1.8","Text23":"0.95",)"
            R"("Text8":"0","Text10":"1","Text13":"1.3","Text14":"4.899","Text15":"2.899",)"
            R"("Text16":"2.","Text17":"","Text18":"","Text19":"","Text20":"","Text21":"",)"
            R"("Text22":""},"messages":[],"fault":{"kind":"division_by_zero",)"
            R"("text":"除数为零（division by zero）"},"writes":{},"report":null})"
            "\n");
}

}  // namespace
}  // namespace velmora
