// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace velmora {
namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun Call(std::vector<std::string> args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(args, in, out, err);
  return {status, out.str(), err.str()};
}

TEST(RunnerGolden, Form31WorkedExample) {
  const CliRun run =
      Call({"Form31", "Command1", "Text1=120", "Text2=850", "Text3=100", "Text4=0.6"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            R"({"form":"Form31","button":"Command1","fields":{"Text1":"120","Text2":"850",)"
            R"("Text3":"100","Text4":"0.6","Text5":"948.261"},"messages":[],"fault":null,)"
            R"("writes":{},"report":null})"
            "\n");
}

TEST(RunnerGolden, Form31EmptyIsDivisionByZero) {
  const CliRun run = Call({"Form31", "Command1"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            R"({"form":"Form31","button":"Command1","fields":{"Text1":"","Text2":"","Text3":"",)"
            R"("Text4":"","Text5":""},"messages":[],"fault":{"kind":"division_by_zero",)"
            R"("text":"除数为零（division by zero）"},"writes":{},"report":null})"
            "\n");
}

TEST(RunnerGolden, HelpButtonIsAMessage) {
  const CliRun run = Call({"Form31", "Command2"});
  EXPECT_NE(run.out.find(R"("messages":[{"title":" ^_^ 帮助","text":"注：当水文计算断面)"),
            std::string::npos);
}

TEST(RunnerGolden, TextWithEqualsSignAndQuotes) {
  // Only the first '=' separates the control; the text is escaped in the output.
  const CliRun run = Call({"Form31", "Command1", "Text1=1=\"2\"", "Text3=1"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find(R"("Text1":"1=\"2\"")"), std::string::npos);
  EXPECT_NE(run.out.find(R"("Text5":".")"), std::string::npos);
}

TEST(RunnerJsonl, OnePressPerLine) {
  const CliRun run =
      Call({"--jsonl"},
           "{\"form\":\"Form31\",\"button\":\"Command1\",\"inputs\":{\"Text1\":\"80\",\"Text2\":"
           "\"1500\",\"Text3\":\"100\",\"Text4\":\"0.7\"}}\n"
           "\n"
           "{\"form\":\"Form31\",\"button\":\"Command1\",\"inputs\":{\"Text1\":120,\"Text2\":850,"
           "\"Text3\":100,\"Text4\":0.6}}\n");
  EXPECT_EQ(run.status, 0);
  std::istringstream lines(run.out);
  std::string first;
  std::string second;
  std::getline(lines, first);
  std::getline(lines, second);
  EXPECT_NE(first.find(R"("Text5":"1283.082")"), std::string::npos);
  EXPECT_NE(second.find(R"("Text5":"948.261")"), std::string::npos);
}

struct BadCall {
  const char* name;
  std::vector<std::string> args;
  std::string input;
};

class RunnerErrors : public testing::TestWithParam<BadCall> {};

TEST_P(RunnerErrors, ExitWithTwoAndSayWhy) {
  const CliRun run = Call(GetParam().args, GetParam().input);
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.err.starts_with("velmora-calc: ")) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RunnerErrors,
    testing::Values(BadCall{"NoArguments", {}, ""},
                    BadCall{"UnknownForm", {"Form99", "Command1"}, ""},
                    BadCall{"UnknownButton", {"Form31", "Command9"}, ""},
                    BadCall{"UnknownControl", {"Form31", "Command1", "Text9=1"}, ""},
                    BadCall{"NotAnAssignment", {"Form31", "Command1", "Text1"}, ""},
                    BadCall{"UnknownFlag", {"--bogus"}, ""},
                    BadCall{"JsonlBadThreads", {"--jsonl", "-j", "0"}, ""},
                    BadCall{
                        "CsvUnknownColumn", {"--csv", "Form31", "Command1"}, "Text1,Text9\n1,2\n"},
                    BadCall{"CsvUnknownButton", {"--csv", "Form31", "Command9"}, "Text1\n1\n"},
                    BadCall{"TableOfAChoiceWindow", {"--table", "Form12"}, ""},
                    BadCall{"TableOfACalculator", {"--table", "Form31"}, ""},
                    BadCall{"TableOfUnknownForm", {"--table", "Form99"}, ""},
                    BadCall{"TableWithoutForm", {"--table"}, ""}),
    [](const testing::TestParamInfo<BadCall>& info) { return std::string(info.param.name); });

TEST(RunnerList, ListsForm31WithFieldsLabelsAndDefaults) {
  const CliRun run = Call({"--list"});
  EXPECT_EQ(run.status, 0);
  std::istringstream lines(run.out);
  std::string line;
  std::string form31;
  while (std::getline(lines, line)) {
    if (line.starts_with(R"({"form":"Form31")")) form31 = line;
  }
  ASSERT_FALSE(form31.empty());
  EXPECT_NE(form31.find(R"("caption":"利用流域面积比拟法计算设计流量","kind":"calculator")"),
            std::string::npos);
  EXPECT_NE(form31.find(R"({"control":"Text4","label":"面积指数n：","default":"","role":"input"})"),
            std::string::npos);
  EXPECT_NE(form31.find(R"({"control":"Text5","label":"水文计算断面的设计流量：","default":"",)"
                        R"("role":"result"})"),
            std::string::npos);
  EXPECT_NE(form31.find(R"({"control":"Label6","caption":"面积指数n：","event":"double_click")"),
            std::string::npos);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(RunnerTable, Form9AsCsv) {
  const CliRun run = Call({"--table", "Form9"});
  EXPECT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  // Title, two heading rows, eight velocities, two notes; ten fields in every line.
  ASSERT_EQ(lines.size(), 13u);
  for (const std::string& line : lines) {
    EXPECT_EQ(std::count(line.begin(), line.end(), ','), 9) << line;
  }
  // The span heading stands once over its nine columns, the spans under it.
  EXPECT_EQ(lines[1], "设计流速Vp(m/s),标准净跨径（m）,,,,,,,,");
  EXPECT_EQ(lines[2], ",≤10,13,16,20,25,30,35,40,45");
  EXPECT_EQ(lines[3], "＜1,1.00,1.00,1.00,1.00,1.00,1.00,1.00,1.00,1.00");
  EXPECT_EQ(lines[8], "3.00,0.89,0.91,0.93,0.95,0.96,0.96,0.97,0.97,0.98");
  EXPECT_EQ(lines[10], "≥4,0.85,0.88,0.91,0.93,0.94,0.95,0.96,0.96,0.97");
}

TEST(RunnerList, ListsReferenceAndChoiceWindows) {
  const std::string out = Call({"--list"}).out;
  for (const char* listed :
       {R"({"form":"Form46","caption":"水深1m时非粘性土部冲刷流速表","kind":"reference")",
        R"({"form":"Form16","caption":"土壤植被分类及系数指数值","kind":"choice")",
        R"({"form":"Form7","caption":"作者简介","kind":"information")"}) {
    EXPECT_NE(out.find(listed), std::string::npos) << listed;
  }
}

}  // namespace
}  // namespace velmora
