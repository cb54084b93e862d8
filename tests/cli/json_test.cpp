// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "cli/utf8.h"

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

TEST(JsonRequest, ReadsEscapesAndNumbersAsWritten) {
  std::string error;
  const auto request = ParsePressRequest(
      R"( {"inputs": {"Text1": "\u6d41\"", "Text2": -1.5e3, "Text3": 120 }, "button":"Command1", "form":"Form2"} )",
      error);
  ASSERT_TRUE(request) << error;
  EXPECT_EQ(request->form, "Form2");
  EXPECT_EQ(request->button, "Command1");
  ASSERT_EQ(request->inputs.size(), 3U);
  EXPECT_EQ(request->inputs[0].second, "流\"");
  EXPECT_EQ(request->inputs[1].second, "-1.5e3");
  EXPECT_EQ(request->inputs[2].second, "120");
}

TEST(JsonRequest, RejectsBrokenText) {
  for (const char* line : {R"({"form":"F","button":"C","inputs":{"T":}})",
                           R"({"form":"F","button":"C)", R"({"form":"F","button":"C","x":1})",
                           R"({"form":"F","button":"C","inputs":{"T":"\ud800"}})",
                           R"({"form":"F","button":"C","inputs":{"T":true}})",
                           R"({"form":"F","button":"C","inputs":{"T":01}})",
                           R"({"form":"F","button":"C"} x)", "[1]", R"({"form":"F"})"}) {
    std::string error;
    EXPECT_FALSE(ParsePressRequest(line, error)) << line;
    EXPECT_FALSE(error.empty());
  }
}

// Whatever bytes a field holds, the output is JSON a strict reader takes: each ill-formed
// sequence (its maximal subpart) becomes one U+FFFD.
TEST(JsonQuote, ReplacesIllFormedUtf8) {
  const struct {
    const char* in;
    const char* out;
  } rows[] = {
      {"\xff\xfe"
       "1",
       "\"\uFFFD\uFFFD"
       "1\""},  // bytes that never start a sequence
      {"\xe6\xb5"
       "1",
       "\"\uFFFD"
       "1\""},                                                               // a sequence cut short
      {"\xc0\xaf", "\"\uFFFD\uFFFD\""},                                      // overlong
      {"\xed\xa0\x80", "\"\uFFFD\uFFFD\uFFFD\""},                            // a surrogate
      {"\xf4\x90\x80\x80", "\"\uFFFD\uFFFD\uFFFD\uFFFD\""},                  // beyond U+10FFFF
      {"\xf0\x9f\x98\x80\xe6\xb5\x81", "\"\xf0\x9f\x98\x80\xe6\xb5\x81\""},  // well-formed
  };
  for (const auto& row : rows) EXPECT_EQ(Quote(row.in), row.out) << row.in;
}

// The escape check reads words and blocks at a time: a byte that needs care is found at every
// length and position, and in the tail that overlaps the last block.
TEST(JsonQuote, FindsEverySpecialByte) {
  const auto plain = [](std::string_view text) {
    std::string valid;
    AppendValidUtf8(valid, text);
    return valid == text && std::none_of(text.begin(), text.end(), [](char c) {
             return static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\';
           });
  };
  for (std::size_t length = 0; length <= 40; ++length) {
    for (const std::string_view odd : {"\"", "\\", "\n", "\x1f", "\xff", "\xe6\xb5", "流"}) {
      for (std::size_t at = 0; at + odd.size() <= length; ++at) {
        std::string text(length, 'a');
        text.replace(at, odd.size(), odd);
        EXPECT_EQ(IsPlain(text), plain(text)) << length << ' ' << at << ' ' << Quote(text);
      }
    }
    EXPECT_TRUE(IsPlain(std::string(length, ' ')));
  }
}

}  // namespace
}  // namespace velmora::json
