// SPDX-License-Identifier: GPL-3.0-or-later
// Batch runs: a bad line never stops the run, output in input order, CSV both ways, exit statuses.
#include <gtest/gtest.h>
#include <simdjson.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/runner.h"

namespace velmora {
namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome Call(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCli(args, in, out, err);
  return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

const std::string kGood =
    R"({"form":"Form31","button":"Command1","inputs":{"Text1":120,"Text2":"850","Text3":100,)"
    R"("Text4":0.6}})";

struct BadLine {
  const char* name;
  std::string line;
  std::string error;
};

class JsonlBadLine : public testing::TestWithParam<BadLine> {};

// Each kind of bad line between two good ones (the first after a BOM, with CR LF, then a blank
// line): one output line per request, the error where the line was, and the run goes on.
TEST_P(JsonlBadLine, IsReportedInPlaceAndTheRunGoesOn) {
  const Outcome run =
      Call({"--jsonl"}, "\xEF\xBB\xBF" + kGood + "\r\n\n" + GetParam().line + "\n" + kGood + "\n");
  EXPECT_EQ(run.status, 1);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3U) << run.out;
  EXPECT_NE(lines[0].find(R"("Text5":"948.261")"), std::string::npos) << lines[0];
  EXPECT_EQ(lines[1], R"({"line":3,"error":")" + GetParam().error + "\"}");
  EXPECT_EQ(lines[2], lines[0]);
  EXPECT_EQ(run.err, "velmora-calc: 1 of 3 lines were errors\n");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, JsonlBadLine,
    testing::Values(
        BadLine{"NotJson", "form=Form31", "not a JSON object"},
        BadLine{"NotAnObject", "[1]", "not a JSON object"},
        BadLine{"MissingButton", R"({"form":"Form31"})", "form and button are required"},
        BadLine{"TrailingText", R"({"form":"Form31","button":"Command1"} x)",
                "malformed JSON: an object or array is not closed, or text follows the object"},
        BadLine{"UnknownForm", R"({"form":"FormX","button":"Command1"})", "unknown form: FormX"},
        BadLine{"UnknownButton", R"({"form":"Form31","button":"Command9"})",
                "unknown button of Form31: Command9"},
        BadLine{"UnknownControl", R"({"form":"Form31","button":"Command1","inputs":{"option":1}})",
                "unknown control of Form31: option"},
        BadLine{"BooleanValue", R"({"form":"Form31","button":"Command1","inputs":{"Text1":true}})",
                "the value of Text1 must be a string or a number"}),
    [](const testing::TestParamInfo<BadLine>& info) { return std::string(info.param.name); });

// Many lines over threads come out as one thread prints them, in input order.
TEST(JsonlThreads, KeepInputOrder) {
  std::string input;
  for (int i = 0; i < 3000; ++i) {
    input += R"({"form":"Form31","button":"Command1","inputs":{"Text1":)" + std::to_string(i) +
             R"(,"Text2":850,"Text3":100,"Text4":0.6}})"
             "\n";
    if (i % 7 == 0) input += "{}\n";
  }
  const Outcome one = Call({"--jsonl", "-j", "1"}, input);
  const Outcome four = Call({"--jsonl", "-j4"}, input);
  EXPECT_EQ(one.status, 1);
  EXPECT_EQ(Lines(one.out).size(), 3000U + 429U);
  EXPECT_EQ(four.out, one.out);
  EXPECT_EQ(four.err, one.err);
}

// Each line stands alone: what earlier lines on the same window set, selected or half applied
// before an error is gone, and the line prints what the single press prints.
TEST(JsonlLines, ForgetWhatEarlierLinesDid) {
  const std::string input =
      R"({"form":"Form2","button":"Command1","inputs":{"Option2":"1"}})"
      "\n"
      R"({"form":"Form2","button":"Command1","inputs":{"Text1":"5","Nope":"1"}})"
      "\n"
      R"({"form":"Form2","button":"Command1","inputs":{}})"
      "\n"
      R"({"form":"Form2","button":"Command1","inputs":{"Option1":"1"}})"
      "\n";
  const std::vector<std::string> lines = Lines(Call({"--jsonl", "-j", "1"}, input).out);
  ASSERT_EQ(lines.size(), 4U);
  EXPECT_EQ(lines[0] + "\n", Call({"Form2", "Command1", "Option2=1"}).out);
  EXPECT_NE(lines[1].find("\"error\""), std::string::npos);
  EXPECT_EQ(lines[2] + "\n", Call({"Form2", "Command1"}).out);
  EXPECT_EQ(lines[3] + "\n", Call({"Form2", "Command1", "Option1=1"}).out);
}

// A stream whose every write fails, as stdout on a full disk does.
class FullDisk : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(RunnerExit, OutputNotWrittenIsThree) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"Form31", "Command1"}, {"--jsonl"}, {"--list"}}) {
    FullDisk disk;
    std::ostream out(&disk);
    std::istringstream in(kGood + "\n");
    std::ostringstream err;
    EXPECT_EQ(RunCli(args, in, out, err), 3) << args[0];
    EXPECT_TRUE(err.str().starts_with("velmora-calc: cannot write the output")) << err.str();
  }
}

// Field texts with ill-formed UTF-8, from the command line and from --jsonl escapes, still give
// output that a strict reader takes.
TEST(RunnerUtf8, OutputIsAlwaysValidJson) {
  const std::string escaped_line =
      R"({"form":"Form31","button":"Command1","inputs":{"Text1":"\udbff\udfff\u0001"}})";
  for (const Outcome& run : {Call({"Form31", "Command1",
                                   "Text1=\xff\xfe"
                                   "1",
                                   "Text3=\xe6\xb5"}),
                             Call({"--jsonl"}, escaped_line + "\n")}) {
    simdjson::dom::parser parser;
    simdjson::dom::element doc;
    ASSERT_EQ(parser.parse(run.out).get(doc), simdjson::SUCCESS) << run.out;
    EXPECT_EQ(run.status, 0);
  }
  EXPECT_NE(Call({"Form31", "Command1",
                  "Text1=\xff\xfe"
                  "1"})
                .out.find("\"Text1\":\"\uFFFD\uFFFD1\""),
            std::string::npos);
}

// Cells with commas, quotes, line breaks and Chinese text come back as they went in; the
// results, the fault and the messages follow; a bad row says why in its own row.
TEST(RunnerCsv, RoundTripWithResultsAndErrors) {
  const Outcome run = Call({"--csv", "Form31", "Command1", "-j", "2"},
                           "\xEF\xBB\xBFText1,Text2,Text3,Text4\r\n"
                           "120,850,100,0.6\r\n"
                           "\"1,20\",\"8\"\"50\",\"流域\n100\",0.6\r\n"
                           "\r\n"
                           "1,2,3\r\n"
                           "120,850,100,\"0.6\"\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "\xEF\xBB\xBFText1,Text2,Text3,Text4,Text5,fault,messages,error\r\n"
            "120,850,100,0.6,948.261,,,\r\n"
            // "流域\n100" reads as 0: a division by zero.
            "\"1,20\",\"8\"\"50\",\"流域\n100\",0.6,,除数为零（division by zero）,,\r\n"
            "1,2,3,,,,,the row has 3 cells but the header 4\r\n"
            "120,850,100,0.6,948.261,,,\r\n");
  EXPECT_EQ(run.err, "velmora-calc: 1 of 4 rows were errors\n");
}

TEST(RunnerCsv, UnknownColumnNamesIt) {
  const Outcome run = Call({"--csv", "Form31", "Command1"}, "Text1,水位\n1,2\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.err.starts_with("velmora-calc: unknown column \"水位\": not a control of Form31"))
      << run.err;
  EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace velmora
