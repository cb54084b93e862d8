// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv.h"

#include <gtest/gtest.h>

#include "common/table.h"

namespace velmora {
namespace {

struct FieldCase {
  const char* name;
  const char* text;
  const char* field;
};

class CsvFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(CsvFieldTest, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(CsvField(GetParam().text), GetParam().field);
}

// RFC 4180, section 2, rules 5 to 7.
INSTANTIATE_TEST_SUITE_P(
    Rfc4180, CsvFieldTest,
    testing::Values(FieldCase{"Plain", "0.89", "0.89"}, FieldCase{"Empty", "", ""},
                    FieldCase{"Comma", "a,b", "\"a,b\""}, FieldCase{"Quote", "1\"2", "\"1\"\"2\""},
                    FieldCase{"LineBreak", "Ⅰ\n极软岩", "\"Ⅰ\n极软岩\""},
                    // A full-width comma is an ordinary character.
                    FieldCase{"FullWidthComma", "砂、圆砾河床，边滩交错",
                              "砂、圆砾河床，边滩交错"}),
    [](const testing::TestParamInfo<FieldCase>& info) { return info.param.name; });

TEST(TableCsvTest, SpansLeaveTheirCoveredPositionsEmpty) {
  const Table table{.rows = 3,
                    .columns = 3,
                    .cells = {{.row = 0, .column = 0, .row_span = 2, .text = "a"},
                              {.row = 0, .column = 1, .column_span = 2, .text = "b,c"},
                              {.row = 1, .column = 1, .text = "P(%)", .lower = "Cs"},
                              {.row = 1, .column = 2, .number = 1.0, .decimals = 2},
                              {.row = 2, .column = 0, .column_span = 3, .text = "note"}}};
  EXPECT_EQ(TableCsv(table), "a,\"b,c\",\n,Cs\\P(%),1.00\nnote,,\n");
}

}  // namespace
}  // namespace velmora
