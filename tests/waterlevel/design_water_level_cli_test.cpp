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

}  // namespace velmora
