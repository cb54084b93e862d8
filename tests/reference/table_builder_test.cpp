// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/table_builder.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace velmora {
namespace {

TEST(TableBuilderTest, RowsSkipPositionsCoveredFromAbove) {
  const Table table = TableBuilder(3)
                          .Title("t")
                          .Headings({Span("kind", 2, 1), Span("size", 1, 2)})
                          .Headings({"d", "v"})
                          .RowHeadings(1)
                          .Numbers(1, /*trim_zeros=*/true)
                          .Row({Span("sand", 2, 1), 0.5, 2.0})
                          .Row({"x", 1.25})
                          .Build();
  EXPECT_EQ(table.rows, 5);
  EXPECT_EQ(table.columns, 3);
  // The second heading row and the last data row start in column 1, beside the spans.
  const TableCell* d = CellAt(table, 2, 1);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->text, "d");
  const TableCell* x = CellAt(table, 4, 1);
  ASSERT_NE(x, nullptr);
  EXPECT_EQ(x->text, "x");
  EXPECT_EQ(x->role, CellRole::kData);
  // A covered position answers with the spanning cell.
  EXPECT_EQ(CellAt(table, 4, 0), CellAt(table, 3, 0));
  EXPECT_EQ(CellAt(table, 3, 0)->role, CellRole::kHeading);
  // Numbers keep the format in force when they were given: 2.0 trimmed to "2", 1.25 to one
  // decimal, rounded half to even as the number is held ("1.2").
  EXPECT_EQ(CellText(*CellAt(table, 3, 2)), "2");
  EXPECT_EQ(CellText(*CellAt(table, 4, 2)), "1.2");
  EXPECT_EQ(CellAt(table, 0, 2)->role, CellRole::kTitle);
}

struct BadTable {
  const char* name;
  std::function<void()> build;
};

class TableBuilderFaultTest : public testing::TestWithParam<BadTable> {};

TEST_P(TableBuilderFaultTest, Throws) { EXPECT_THROW(GetParam().build(), std::logic_error); }

INSTANTIATE_TEST_SUITE_P(
    Mistakes, TableBuilderFaultTest,
    testing::Values(
        BadTable{"RowTooLong",
                 [] {
                   (void)TableBuilder(2).Row({"a", "b", "c"}).Build();
                 }},
        BadTable{"RowTooShort",
                 [] {
                   (void)TableBuilder(3).Row({"a", "b"}).Build();
                 }},
        BadTable{"SpanPastLastColumn",
                 [] {
                   (void)TableBuilder(3).Row({"a", Span("b", 1, 3)}).Build();
                 }},
        // A wide cell running into a position a cell above already covers.
        BadTable{"SpanIntoCoveredPosition",
                 [] {
                   (void)TableBuilder(2).Row({"a", Span("b", 2, 1)}).Row({Span("c", 1, 2)}).Build();
                 }},
        BadTable{"SpanBelowLastRow",
                 [] {
                   (void)TableBuilder(2).Row({Span("a", 3, 1), "b"}).Row({"c"}).Build();
                 }}),
    [](const testing::TestParamInfo<BadTable>& info) { return info.param.name; });

}  // namespace
}  // namespace velmora
