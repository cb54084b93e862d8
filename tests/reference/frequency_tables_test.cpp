// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/frequency_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "reference/pearson_type3.h"
#include "table_lookup.h"

namespace velmora {
namespace {

constexpr int kPColumns = 15;

// The table row whose first cell shows `heading` (Cs or Cv), or -1.
int RowOf(const Table& table, std::string_view heading) {
  for (int row = 1; row < table.rows; ++row) {
    if (TextAt(table, row, 0) == heading) return row;
  }
  return -1;
}

double NumberAt(const Table& table, int row, int column) {
  const TableCell* cell = CellAt(table, row, column);
  return cell != nullptr && cell->number ? *cell->number : NAN;
}

// A row as the code's printed table gives it. The rule may differ from the print by one unit in
// the last decimal (0.001 in the cells printed with three decimals).
struct PrintedRow {
  const char* name;
  const char* form;
  const char* heading;
  std::vector<double> values;
};

class PrintedRowTest : public testing::TestWithParam<PrintedRow> {};

TEST_P(PrintedRowTest, AgreesWithinOneUnit) {
  const Table& table = TableOf(GetParam().form);
  const int row = RowOf(table, GetParam().heading);
  ASSERT_GE(row, 0);
  for (int c = 1; c <= kPColumns; ++c) {
    const TableCell* cell = CellAt(table, row, c);
    ASSERT_NE(cell, nullptr) << c;
    const double unit = cell->decimals == 3 ? 0.001 : 0.01;
    EXPECT_NEAR(*cell->number, GetParam().values[static_cast<std::size_t>(c - 1)], unit + 1e-9)
        << "P = " << FrequencyColumns()[static_cast<std::size_t>(c - 1)].heading;
  }
}

// The telling rows of the design code's Φ and Kp tables.
INSTANTIATE_TEST_SUITE_P(FrequencyTables, PrintedRowTest,
                         testing::Values(PrintedRow{"DeviationCs00",
                                                    "Form25",
                                                    "0.0",
                                                    {3.72, 3.09, 2.88, 2.71, 2.58, 2.33, 2.05, 1.64,
                                                     1.28, 0.84, 0, -0.67, -1.28, -1.64, -2.33}},
                                         PrintedRow{"DeviationCs20",
                                                    "Form25",
                                                    "2.0",
                                                    {8.21, 5.91, 5.22, 4.7, 4.3, 3.61, 2.91, 2, 1.3,
                                                     0.61, -0.31, -0.71, -0.895, -0.949, -0.989}},
                                         PrintedRow{"KpCsEqualsCvCv005",
                                                    "Form37",
                                                    "0.05",
                                                    {1.19, 1.16, 1.15, 1.14, 1.13, 1.12, 1.11, 1.09,
                                                     1.07, 1.04, 1.00, 0.97, 0.94, 0.92, 0.89}},
                                         PrintedRow{
                                             "KpCsTwiceCvCv200",
                                             "Form26",
                                             "2.00",
                                             {25.72, 17.50, 15.10, 13.36, 12.00, 9.74, 7.54, 4.84,
                                              3.00, 1.46, 0.18, 0.01, 0.00, 0.00, 0.00}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ShownCell {
  const char* name;
  const char* form;
  const char* heading;
  int column;  // 1 for P = 0.01 % ... 15 for P = 99 %, 16 for Cs
  const char* text;
};

class ShownCellTest : public testing::TestWithParam<ShownCell> {};

TEST_P(ShownCellTest, ShowsTheRulesValue) {
  const Table& table = TableOf(GetParam().form);
  const int row = RowOf(table, GetParam().heading);
  ASSERT_GE(row, 0);
  EXPECT_EQ(TextAt(table, row, GetParam().column), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    FrequencyTables, ShownCellTest,
    testing::Values(
        // Cs = 0: normal quantiles; the 0.33 column is P = 1/300 (P = 0.33 would give 2.72).
        ShownCell{"NormalAtOneIn300", "Form25", "0.0", 4, "2.71"},
        ShownCell{"NormalAt50IsZero", "Form25", "0.0", 11, "0"},
        // Cs = 2: Φ = −ln P − 1 gives 5.2146 and −0.98995 (the print has 5.22 and −0.989).
        ShownCell{"ExponentialAt02", "Form25", "2.0", 3, "5.21"},
        ShownCell{"ExponentialAt99TrailingZeroDropped", "Form25", "2.0", 15, "-0.99"},
        ShownCell{"ThreeDecimalsAt75ForCs39", "Form25", "3.9", 12, "-0.506"},
        ShownCell{"TwoDecimalsAt75ForCs38", "Form25", "3.8", 12, "-0.52"},
        // Cv = 1, Cs = 2: Kp = 1 + (−ln P − 1) = ln 100.
        ShownCell{"KpIsMinusLnP", "Form26", "1.00", 6, "4.61"},
        ShownCell{"MedianBelowOneAtCv020", "Form37", "0.20", 11, "0.99"},
        // Cs = k·Cv to two decimals, an exact half going to the even digit: 0.125, 0.175, 0.315.
        ShownCell{"CsHalfDownToEven", "Form38", "0.05", 16, "0.12"},
        ShownCell{"CsHalfUpToEven", "Form38", "0.07", 16, "0.18"},
        ShownCell{"CsHalfUpToEvenK35", "Form39", "0.09", 16, "0.32"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Shape {
  const char* form;
  int data_rows;
  const char* last_heading;
  const char* last_at_99;  // where Cs > 2Cv, the lower limit 1 − 2Cv/Cs = 1 − 2/k
};

class ShapeTest : public testing::TestWithParam<Shape> {};

TEST_P(ShapeTest, RowsHeadingsAndEmptyRows) {
  const Shape& s = GetParam();
  const Table& table = TableOf(s.form);
  const bool kp = std::string_view(s.form) != "Form25";
  EXPECT_EQ(table.columns, kp ? kPColumns + 2 : kPColumns + 1);
  // One heading row, then groups of five data rows with an empty row between groups.
  EXPECT_EQ(table.rows, 1 + s.data_rows + (s.data_rows - 1) / 5);
  for (int row = 1; row < table.rows; ++row) {
    EXPECT_EQ(CellAt(table, row, 0) == nullptr, row % 6 == 0) << row;
  }
  EXPECT_EQ(TextAt(table, table.rows - 1, 0), s.last_heading);
  EXPECT_EQ(TextAt(table, table.rows - 1, kPColumns), s.last_at_99);
  EXPECT_EQ(CellAt(table, 0, 0)->lower, kp ? "Cv" : "Cs");
  EXPECT_EQ(TextAt(table, 0, 4), "0.33");
  if (kp) {
    EXPECT_EQ(CellAt(table, 0, kPColumns + 1)->lower, "Cs");
  }
}

INSTANTIATE_TEST_SUITE_P(
    FrequencyTables, ShapeTest,
    testing::Values(Shape{"Form25", 40, "3.9", "-0.513"}, Shape{"Form37", 106, "1.50", "-0.88"},
                    Shape{"Form26", 116, "2.00", "0.00"}, Shape{"Form38", 116, "2.00", "0.20"},
                    Shape{"Form27", 116, "2.00", "0.33"}, Shape{"Form39", 112, "1.80", "0.43"},
                    Shape{"Form28", 108, "1.60", "0.50"}, Shape{"Form40", 25, "1.25", "0.60"},
                    Shape{"Form41", 21, "1.05", "0.67"}),
    [](const auto& info) { return std::string(info.param.form); });

// Every cell: values fall from left to right (a misplaced column or a tail taken from the wrong
// side breaks it) and no Kp lies below the distribution's lower bound 1 − 2/k.
TEST(FrequencyTables, RowsFallWithPAndKeepAboveTheLowerBound) {
  std::vector<std::pair<std::string_view, double>> tables{{"Form25", -1e9}};
  for (const ModulusRatioSpec& s : ModulusRatioSpecs()) {
    tables.emplace_back(s.form, s.k_halves > 4 ? RoundToDecimals(1.0 - 4.0 / s.k_halves, 2) : -1e9);
  }
  for (const auto& [form, bound] : tables) {
    const Table& table = TableOf(form);
    for (int row = 1; row < table.rows; ++row) {
      if (CellAt(table, row, 0) == nullptr) continue;
      for (int c = 2; c <= kPColumns; ++c) {
        EXPECT_LE(NumberAt(table, row, c), NumberAt(table, row, c - 1)) << form << " " << row;
      }
      EXPECT_GE(NumberAt(table, row, kPColumns), bound) << form << " " << row;
    }
  }
}

TEST(PearsonDeviation, IsTheShiftedExponentialAtSkewTwo) {
  for (const FrequencyColumn& p : FrequencyColumns()) {
    EXPECT_NEAR(PearsonDeviation(p.p_percent, 2.0), -std::log(p.p_percent / 100.0) - 1.0, 1e-12)
        << p.heading;
  }
}

// At small skew the Wilson–Hilferty transform of the normal quantile z is close to exact:
// Φ ≈ (2/Cs)·(1 − Cs²/36 + z·Cs/6)³ − 2/Cs, within 1e-5 at Cs = 0.01.
TEST(PearsonDeviation, FollowsWilsonHilfertyAtSmallSkew) {
  constexpr double kCs = 0.01;
  for (const FrequencyColumn& p : FrequencyColumns()) {
    const double z = PearsonDeviation(p.p_percent, 0.0);
    const double approximation =
        2.0 / kCs * std::pow(1.0 - kCs * kCs / 36.0 + z * kCs / 6.0, 3) - 2.0 / kCs;
    EXPECT_NEAR(PearsonDeviation(p.p_percent, kCs), approximation, 1e-4) << p.heading;
  }
}

}  // namespace
}  // namespace velmora
