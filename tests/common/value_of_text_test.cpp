// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/value_of_text.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cmath>
#include <string>

namespace velmora {
namespace {

struct TextCase {
  const char* name;
  std::string text;
  double value;
};

class ValueOfTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(ValueOfTextTest, ReadsTheLeadingNumber) {
  EXPECT_EQ(ValueOfText(GetParam().text), GetParam().value) << "text: \"" << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValueOfTextTest,
    testing::Values(
        // The examples the program relies on.
        TextCase{"Empty", "", 0.0}, TextCase{"Plain", "738.58", 738.58},
        TextCase{"UnitAfter", "12.5m", 12.5}, TextCase{"BlankInside", "1 733", 1733.0},
        TextCase{"CommaIsNoPoint", "1,733", 1.0}, TextCase{"Negative", "-0.1", -0.1},
        TextCase{"NoLeadingNumber", "abc", 0.0}, TextCase{"Exponent", "2.5e1", 25.0},
        // Blanks of every kind anywhere; a carriage return is not one of them.
        TextCase{"Tabs", "\t1\t2 .\n5", 12.5}, TextCase{"BlankAfterSign", "- 5", -5.0},
        TextCase{"CarriageReturnEnds", "7\r8", 7.0},
        // Signs and points.
        TextCase{"PlusSign", "+3", 3.0}, TextCase{"TwoSigns", "--5", 0.0},
        TextCase{"LeadingPoint", ".5", 0.5}, TextCase{"TrailingPoint", "5.", 5.0},
        TextCase{"LonePoint", ".", 0.0}, TextCase{"SignAndPoint", "-.", 0.0},
        TextCase{"SecondPointEnds", "1.2.3", 1.2},
        // Exponents with E, e, D or d; a letter without digits is not part of the number.
        TextCase{"UpperE", "1E3", 1000.0}, TextCase{"LowerD", "1d3", 1000.0},
        TextCase{"UpperDNegative", "25D-1", 2.5}, TextCase{"ExponentPlus", "1e+2", 100.0},
        TextCase{"LetterOnly", "1e", 1.0}, TextCase{"LetterAndSign", "3e-", 3.0},
        TextCase{"ExponentBlank", "1 e 2", 100.0}, TextCase{"Underflow", "1e-400", 0.0},
        // Full-width characters end the number.
        TextCase{"FullWidthDigits", "１２", 0.0}, TextCase{"FullWidthPoint", "3．5", 3.0},
        TextCase{"FullWidthMinus", "－4", 0.0},
        TextCase{"FullWidthSpace",
                 "3\xe3\x80\x80"
                 "4",
                 3.0},
        TextCase{"ChineseUnit", "45米", 45.0},
        // Fifteen digits are read exactly at once, sixteen the general way: both as strtod.
        TextCase{"FifteenDigits", "999999999999999", 999999999999999.0},
        TextCase{"SixteenDigits", "1234567890123456.7", 1234567890123456.7},
        TextCase{"FifteenDecimals", "0.000000000000001", 1e-15},
        TextCase{"LeadingZeros", "000012.50", 12.5}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(ValueOfTextLimits, BeyondTheDoubleRangeIsInfinite) {
  // The press turns this into an overflow fault; it never reaches a result field.
  EXPECT_TRUE(std::isinf(ValueOfText("1e400")));
  EXPECT_EQ(ValueOfText("1e308"), 1e308);
}

struct LimitCase {
  const char* text;
  double value;
};

class ValueOfTextRange : public testing::TestWithParam<LimitCase> {};

// At the ends of the double range the reading must be what strtod gives, sign of zero included.
TEST_P(ValueOfTextRange, MatchesStrtodAtTheEnds) {
  const double value = ValueOfText(GetParam().text);
  EXPECT_EQ(value, GetParam().value) << GetParam().text;
  EXPECT_EQ(std::signbit(value), std::signbit(GetParam().value)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValueOfTextRange,
    testing::Values(LimitCase{"-1e400", -HUGE_VAL}, LimitCase{"+1e400", HUGE_VAL},
                    LimitCase{"-1e-400", -0.0}, LimitCase{"0.00001e310", 1e305},
                    LimitCase{"12345e305", HUGE_VAL}, LimitCase{"0.0001e-321", 0.0},
                    LimitCase{"1000e-326", 1e-323}, LimitCase{"4.9e-324", 4.9e-324},
                    LimitCase{"1e99999999999999999999", HUGE_VAL},
                    LimitCase{"1e-99999999999999999999", 0.0}, LimitCase{"-0e999", -0.0},
                    LimitCase{"-0", -0.0}, LimitCase{"-0.000", -0.0},
                    LimitCase{"1.7976931348623157e308", 1.7976931348623157e308},
                    LimitCase{"123456789012345678901234567890", 123456789012345678901234567890.0},
                    LimitCase{"0.1000000000000000055511151231257827", 0.1}));

TEST(ValueOfTextLocale, DoesNotDependOnTheLocale) {
  for (const char* name : {"de_DE.UTF-8", "zh_CN.UTF-8", "fr_FR.UTF-8"}) {
    if (setlocale(LC_ALL, name) == nullptr) continue;
    EXPECT_EQ(ValueOfText("738.58"), 738.58) << name;
    EXPECT_EQ(ValueOfText("1,5"), 1.0) << name;
  }
  setlocale(LC_ALL, "C");
}

struct PlainCase {
  const char* name;
  std::string text;
  bool plain;
};

class IsPlainNumberTest : public testing::TestWithParam<PlainCase> {};

TEST_P(IsPlainNumberTest, TellsWhetherAllOfTheTextIsRead) {
  EXPECT_EQ(IsPlainNumber(GetParam().text), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IsPlainNumberTest,
    testing::Values(PlainCase{"Empty", "", true}, PlainCase{"Blanks", "  ", true},
                    PlainCase{"Number", "738.58", true}, PlainCase{"Spaced", " 1 733 ", true},
                    PlainCase{"Exponent", "2.5e1", true}, PlainCase{"Comma", "1,733", false},
                    PlainCase{"Unit", "12.5m", false}, PlainCase{"FullWidth", "１２", false},
                    PlainCase{"Word", "abc", false}, PlainCase{"LoneSign", "-", false},
                    PlainCase{"DanglingExponent", "1e", false}),
    [](const testing::TestParamInfo<PlainCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora
