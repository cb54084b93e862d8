// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/format_pattern.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <string>
#include <utility>

namespace velmora {
namespace {

struct PatternCase {
  const char* name;
  double value;
  bool single;  // held as a single: 7 significant digits
  std::string text;
};

std::string Format(const PatternCase& c, std::string_view pattern) {
  return c.single ? FormatPattern(ToSingle(c.value), pattern)
                  : FormatPattern(Real(c.value), pattern);
}

class FormatPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(FormatPatternTest, WritesTheDecimalDigits) {
  EXPECT_EQ(Format(GetParam(), "######.###"), GetParam().text);
}

// Every pattern in use gives the same text: the count of "#" neither pads nor limits.
TEST_P(FormatPatternTest, AllPatternsAgree) {
  for (const char* pattern : {"###.###", "####.###", "#####.###"}) {
    EXPECT_EQ(Format(GetParam(), pattern), GetParam().text) << pattern;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatPatternTest,
    testing::Values(
        // The examples the windows rely on.
        PatternCase{"Half", 0.5, false, ".5"}, PatternCase{"Whole", 12, false, "12."},
        PatternCase{"Zero", 0, false, "."}, PatternCase{"Plain", 738.58, false, "738.58"},
        PatternCase{"NegativeTenth", -0.1, false, "-.1"},
        PatternCase{"DoubleHalfUp", 2.0005, false, "2.001"},
        PatternCase{"DoubleKeepsDigits", 12345.678, false, "12345.678"},
        PatternCase{"SingleSevenDigits", 12345.678, true, "12345.68"},
        PatternCase{"SingleNearest", 1234.5678, true, "1234.568"},
        PatternCase{"SingleLarge", 98765.4321, true, "98765.43"},
        // Below half a thousandth a positive value shows as a lone point.
        PatternCase{"Tiny", 0.0004999, false, "."}, PatternCase{"TinyHalf", 0.0005, false, ".001"},
        PatternCase{"NegativeTiny", -0.0001, false, "."},
        // Halves go away from zero; carries run through every digit.
        PatternCase{"NegativeHalf", -2.0005, false, "-2.001"},
        PatternCase{"CarryToWhole", 9.9995, false, "10."},
        PatternCase{"CarryBelowOne", 0.9995, false, "1."},
        PatternCase{"NegativeCarry", -9.9995, false, "-10."},
        PatternCase{"SingleHalf", 1.0005, true, "1.001"},
        PatternCase{"TrailingZerosDropped", 3.1, false, "3.1"},
        PatternCase{"Thousandth", 0.001, false, ".001"},
        // Large values keep every integer digit, beyond the count of "#".
        PatternCase{"Huge", 1e20, false, "100000000000000000000."},
        PatternCase{"FifteenDigits", 123456789012345678.0, false, "123456789012346000."},
        PatternCase{"SingleMillion", 1234567.8, true, "1234568."},
        // An exact tie at the 7th (single) or 15th (double) digit rounds away from zero.
        PatternCase{"SingleExactTie", 1048576.5, true, "1048577."},
        PatternCase{"DoubleExactTie", 100000000000000.5, false, "100000000000001."},
        PatternCase{"NegativeSingleTie", -1048576.5, true, "-1048577."},
        // The 15th digit decided by the exact binary value, a hair below or above the half
        // (…012.345489… and …012.345504…), then rounded again to the pattern's decimals.
        PatternCase{"FifteenthBelowHalf", 123456789012.34549, false, "123456789012.345"},
        PatternCase{"FifteenthAboveHalf", 123456789012.3455, false, "123456789012.346"},
        PatternCase{"RoundedTwice", 12345678901.234549, false, "12345678901.235"},
        PatternCase{"CarryToSixteenDigits", 999999999999999.5, false, "1000000000000000."},
        PatternCase{"CarryToFifteenDigits", 99999999999999.95, false, "100000000000000."},
        PatternCase{"BeyondTwoToFiftyThree", 4503599627370495.5, false, "4503599627370500."},
        PatternCase{"SingleSeventhDigit", 99999.995, true, "99999.99"}),
    [](const testing::TestParamInfo<PatternCase>& info) { return std::string(info.param.name); });

struct GeneralCase {
  const char* name;
  double value;
  bool single;
  std::string text;
};

class GeneralTextTest : public testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralTextTest, WritesTheShortestDigits) {
  const GeneralCase& c = GetParam();
  EXPECT_EQ(c.single ? GeneralText(ToSingle(c.value)) : GeneralText(Real(c.value)), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GeneralTextTest,
    testing::Values(
        // Values of the design water level report and its success message.
        GeneralCase{"Discharge", 1775.8778396367877, false, "1775.87783963679"},
        GeneralCase{"Velocity", 3.051892337155543, false, "3.05189233715554"},
        GeneralCase{"Radius", 0.7878550732486663, false, "0.787855073248666"},
        GeneralCase{"SingleDepth", 0.78785509, true, "0.7878551"},
        GeneralCase{"Deviation", -2.4741974, true, "-2.474197"},
        GeneralCase{"WholeSingle", 8, true, "8"}, GeneralCase{"Zero", 0, false, "0"},
        GeneralCase{"Whole", 1733, false, "1733"}, GeneralCase{"Small", 0.025, false, "0.025"},
        GeneralCase{"Large", 1e20, false, "1E+20"}, GeneralCase{"Minute", 1.5e-7, false, "1.5E-07"},
        GeneralCase{"CarryToPower", 9999999.7, true, "1E+07"},
        // Below a hundred-thousandth, and a subnormal, whose shortest digits are fewer than 15.
        GeneralCase{"TinyNearHalf", 1.2345678901234549e-7, false, "1.23456789012345E-07"},
        GeneralCase{"Subnormal", 5e-324, false, "4.94065645841247E-324"},
        GeneralCase{"CarryToTenThousandth", 9.999999999999996e-06, false, "0.00001"}),
    [](const testing::TestParamInfo<GeneralCase>& info) { return std::string(info.param.name); });

TEST(DecimalText, NeverWritesAnExponent) {
  // The general form's exponent cases, and one that stays as it was.
  const std::pair<double, const char*> rows[] = {
      {9.030080036609434e-06, "0.00000903008"},
      {-1.5e-7, "-0.00000015"},
      {1.5e8, "150000000"},
      {9999999.7, "10000000"},
      {-2.4741974, "-2.474197"},
  };
  for (const auto& [value, text] : rows) EXPECT_EQ(DecimalText(ToSingle(value)), text) << value;
}

TEST(FormatPatternLocale, DoesNotDependOnTheLocale) {
  for (const char* name : {"de_DE.UTF-8", "zh_CN.UTF-8", "fr_FR.UTF-8"}) {
    if (setlocale(LC_ALL, name) == nullptr) continue;
    EXPECT_EQ(FormatPattern(Real(738.58), "###.###"), "738.58") << name;
    EXPECT_EQ(GeneralText(Real(0.5)), "0.5") << name;
  }
  setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace velmora
