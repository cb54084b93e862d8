#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/runner.h"

namespace velmora {
namespace {

std::string CliOut(const std::vector<std::string>& args) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCli(args, in, out, err), 0) << err.str();
  return out.str();
}

TEST(Form2Runner, AcceptedTrialPrintsWritesAndReport) {
  // The worked example: default texts, "滩槽不可分".
  const std::string out = CliOut({"Form2", "Command1", "Option1=1"});
  EXPECT_NE(out.find(R"("Text14":"1775.878","Text15":"3.052","Text16":"2.1","Text17":".788",)"
                     R"("Text18":"","Text19":"","Text20":"","Text21":""})"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find(R"("messages":[{"title":"^_^ 提示","text":"恭喜！估算成功,)"
                     R"(设计流量和计算流量的偏差是(%):-2.474197"}],"fault":null,)"
                     R"("writes":{"form3.Text1":"1775.878","form3.Text2":"3.052",)"
                     R"("form3.Text4":"738.58","form3.Text8":"2.1","form3.Text9":".788",)"
                     R"("form1.Text1":"1775.878","form1.Text2":"2.1","form1.Text3":".788"},)"
                     R"("report":["   ******)"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find(R"("   河槽平均水深:             0.7878551 "]})"), std::string::npos) << out;
}

TEST(Form2Runner, RejectedTrialHasNoReport) {
  // The separable example, D = -15.479479.
  const std::string out = CliOut({"Form2", "Command1", "Option2=1", "Text6=200", "Text7=400",
                                  "Text8=400", "Text9=0.05", "Text10=8"});
  EXPECT_NE(out.find(R"("messages":[{"title":" ^_^ 提示","text":"水深太大，需降低水深！"}],)"
                     R"("fault":null,"writes":{},"report":null})"),
            std::string::npos)
      << out;
}

}  // namespace
}  // namespace velmora
