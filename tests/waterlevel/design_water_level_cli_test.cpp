// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/runner.h"

namespace velmora {

TEST(Form2Runner, AcceptedTrialPrintsItsWritesAndReportLines) {
  // The worked example: default texts, "滩槽不可分".
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  ASSERT_EQ(RunCli({"Form2", "Command1", "Option1=1"}, in, out, err), 0) << err.str();
  EXPECT_NE(out.str().find(R"("writes":{"form3.Text1":"1775.878","form3.Text2":"3.052",)"
                           R"("form3.Text4":"738.58","form3.Text8":"2.1","form3.Text9":".788",)"
                           R"("form1.Text1":"1775.878","form1.Text2":"2.1","form1.Text3":".788",)"
                           R"("form1.Text10":"","form1.Text11":"","form1.Text12":""},)"
                           R"("report":["   ******)"),
            std::string::npos)
      << out.str();
  EXPECT_TRUE(out.str().ends_with(R"("   河槽平均水深:             0.7878551 "]})"
                                  "\n"))
      << out.str();
}

// Deviations too small for the general form: the message gives D's seven digits without an
// exponent. D = single(100 (Qp - Q) / Qp) with the worked example's Q = 1775.8778396367877.
struct TinyDeviation {
  const char* name;
  const char* qp;
  const char* d;
};

class Form2TinyDeviation : public testing::TestWithParam<TinyDeviation> {};

TEST_P(Form2TinyDeviation, MessageHasNoExponent) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  const std::string qp = std::string("Text13=") + GetParam().qp;
  ASSERT_EQ(RunCli({"Form2", "Command1", "Option1=1", qp}, in, out, err), 0) << err.str();
  EXPECT_NE(out.str().find(std::string(R"("text":"恭喜！估算成功,设计流量和计算流量的偏差是(%):)") +
                           GetParam().d + R"(")"),
            std::string::npos)
      << out.str();
}

INSTANTIATE_TEST_SUITE_P(
    Golden, Form2TinyDeviation,
    testing::Values(
        // 0.01603632123 / 1775.878 = 9.030080e-6.
        TinyDeviation{"ExampleDischarge", "1775.878", "0.00000903008"},
        // -0.00396367877 / 1775.8778 = -2.2319548e-6, rounded up in its seventh digit.
        TinyDeviation{"Below", "1775.8778", "-0.000002231955"},
        // 0.00003632123 / 1775.87784 = 2.0452555e-8.
        TinyDeviation{"EightZeros", "1775.87784", "0.00000002045256"},
        // Q to fifteen digits: only the rounding of Q is left, 1.280345e-13.
        TinyDeviation{"QItself", "1775.87783963679", "0.0000000000001280345"},
        // 0.1160363632 / 1775.879 = 6.534022e-5 was decimal before too.
        TinyDeviation{"AboveOneInAHundredThousand", "1775.879", "0.00006534022"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace velmora
