#include "cli/json.h"

#include <gtest/gtest.h>

namespace velmora::json {
namespace {

TEST(JsonQuote, EscapesWhatJsonRequires) {
  EXPECT_EQ(Quote("a\"b\\c"), R"("a\"b\\c")");
  EXPECT_EQ(Quote("\n\t\x01"), R"("\n\t\u0001")");
  EXPECT_EQ(Quote("流量"), "\"流量\"");
}

TEST(JsonWriter, NestsWithCommas) {
  Writer w;
  w.BeginObject().Key("a").BeginArray().String("x").Null().Bool(true).EndArray();
  w.Key("b").BeginObject().EndObject().EndObject();
  EXPECT_EQ(w.Take(), R"({"a":["x",null,true],"b":{}})");
}

TEST(JsonRequest, ReadsEscapesNumbersAndLiterals) {
  std::string error;
  const auto request = ParsePressRequest(
      R"( {"inputs": {"Text1": "\u6d41\"", "Text2": -1.5e3, "Option1": true}, "button":"Command1", "form":"Form2"} )",
      error);
  ASSERT_TRUE(request) << error;
  EXPECT_EQ(request->form, "Form2");
  EXPECT_EQ(request->button, "Command1");
  ASSERT_EQ(request->inputs.size(), 3U);
  EXPECT_EQ(request->inputs[0].second, "流\"");
  EXPECT_EQ(request->inputs[1].second, "-1.5e3");
  EXPECT_EQ(request->inputs[2].second, "1");
}

TEST(JsonRequest, RejectsBrokenText) {
  for (const char* line : {R"({"form":"F","button":"C","inputs":{"T":}})",
                           R"({"form":"F","button":"C)", R"({"form":"F","button":"C","x":1})",
                           R"({"form":"F","button":"C","inputs":{"T":"\ud800"}})"}) {
    std::string error;
    EXPECT_FALSE(ParsePressRequest(line, error)) << line;
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace velmora::json
