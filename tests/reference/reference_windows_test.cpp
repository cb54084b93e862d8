// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/reference_windows.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "common/press.h"
#include "common/registry.h"

namespace velmora {
namespace {

const Table& TableOf(const Window& window) { return TableItems(window).front()->content(); }

// Every table of every registered window: cells inside the grid, no position claimed twice.
TEST(ReferenceTablesTest, CellsStayInsideTheGridAndNeverOverlap) {
  for (const Window* window : AllWindows()) {
    for (const TableItem* item : TableItems(*window)) {
      const Table& table = item->content();
      std::set<std::pair<int, int>> taken;
      for (const TableCell& cell : table.cells) {
        EXPECT_TRUE(cell.row >= 0 && cell.column >= 0 && cell.row_span >= 1 &&
                    cell.column_span >= 1 && cell.row + cell.row_span <= table.rows &&
                    cell.column + cell.column_span <= table.columns)
            << window->form << " " << cell.text;
        for (int r = cell.row; r < cell.row + cell.row_span; ++r) {
          for (int c = cell.column; c < cell.column + cell.column_span; ++c) {
            EXPECT_TRUE(taken.emplace(r, c).second)
                << window->form << " position " << r << "," << c << " claimed twice";
          }
        }
      }
    }
  }
}

TEST(ReferenceTablesTest, ReferenceWindowsHoldOneTableOrDocument) {
  for (const Window* window : AllWindows()) {
    if (window->kind != WindowKind::kReference) continue;
    int content = 0;
    for (const Block& block : window->blocks) {
      for (const Item& item : block.items) {
        if (std::holds_alternative<TableItem>(item) || std::holds_alternative<DocumentItem>(item)) {
          ++content;
        }
      }
    }
    EXPECT_EQ(content, 1) << window->form;
    EXPECT_TRUE(Buttons(*window).empty()) << window->form;
  }
}

struct Shape {
  const char* form;
  int rows;
  int columns;
};

class TableShapeTest : public testing::TestWithParam<Shape> {};

TEST_P(TableShapeTest, RowsAndColumns) {
  const Window* window = FindWindow(GetParam().form);
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(TableItems(*window).size(), 1u);
  EXPECT_EQ(TableOf(*window).rows, GetParam().rows);
  EXPECT_EQ(TableOf(*window).columns, GetParam().columns);
}

// Title, heading and note rows included.
INSTANTIATE_TEST_SUITE_P(Windows, TableShapeTest,
                         testing::Values(Shape{"Form8", 2, 4}, Shape{"Form9", 13, 10},
                                         Shape{"Form20", 8, 6}, Shape{"Form21", 14, 10},
                                         Shape{"Form23", 9, 6}, Shape{"Form33", 2, 9},
                                         Shape{"Form42", 20, 4}, Shape{"Form43", 7, 3},
                                         Shape{"Form46", 14, 4}, Shape{"Form47", 5, 3}),
                         [](const testing::TestParamInfo<Shape>& info) { return info.param.form; });

struct TellingCell {
  const char* name;
  const char* form;
  int row, column;
  const char* text;  // as shown
  int row_span = 1, column_span = 1;
};

class TellingCellTest : public testing::TestWithParam<TellingCell> {};

TEST_P(TellingCellTest, TextAndSpan) {
  const TellingCell& c = GetParam();
  const TableCell* cell = CellAt(TableOf(*FindWindow(c.form)), c.row, c.column);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(std::pair(cell->row, cell->column), std::pair(c.row, c.column));  // starts here
  EXPECT_EQ(CellText(*cell), c.text);
  EXPECT_EQ(std::pair(cell->row_span, cell->column_span), std::pair(c.row_span, c.column_span));
}

// Expected texts: the design code's tables as the windows reproduce them. Spanned headings and
// the last cells of a table catch a shifted or transposed row; whole numbers show two decimals.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Windows, TellingCellTest, testing::Values(
    TellingCell{"Form8Last", "Form8", 1, 3, "0.86"},
    TellingCell{"Form9VelocityHeading", "Form9", 1, 0, "设计流速Vp(m/s)", 2, 1},
    TellingCell{"Form9SpanHeading", "Form9", 1, 1, "标准净跨径（m）", 1, 9},
    TellingCell{"Form9BelowOne", "Form9", 3, 9, "1.00"},
    TellingCell{"Form9ThreeAtTwenty", "Form9", 8, 4, "0.95"},
    TellingCell{"Form9FourAtTen", "Form9", 10, 1, "0.85"},
    TellingCell{"Form20Margin", "Form20", 1, 1, "基底埋深安全值", 1, 5},
    TellingCell{"Form20SpecialAtTwenty", "Form20", 4, 5, "4"},
    TellingCell{"Form21SoftRock", "Form21", 5, 0, "Ⅱ\n软质岩", 2, 1},
    TellingCell{"Form21HardRockDeep", "Form21", 7, 9, "0.5～3.0"},
    TellingCell{"Form23Structure", "Form23", 1, 0, "构造物名称", 2, 1},
    TellingCell{"Form23RoadbedFour", "Form23", 7, 5, "按具体情况确定"},
    TellingCell{"Form33Exit", "Form33", 1, 8, "1.54hs→hs"},
    TellingCell{"Form42BoulderBed", "Form42", 18, 1,
                "卵石、块石、大漂石河床，石梁、跌水、孤石交错，或水生植物稠密，阻水严重", 2, 1},
    TellingCell{"Form42Last", "Form42", 19, 3, "12（10~14）"},
    TellingCell{"Form43SparseGrass", "Form43", 2, 0, "基本无植物或仅有稀疏草丛", 2, 1},
    TellingCell{"Form43Fourth", "Form43", 5, 2, "10~13"},
    TellingCell{"Form46Sediment", "Form46", 1, 0, "河床泥沙", 1, 2},
    TellingCell{"Form46Cobbles", "Form46", 8, 0, "卵石", 3, 1},
    TellingCell{"Form46LastVelocity", "Form46", 13, 3, ">6.00"},
    TellingCell{"Form47OpenReachN3", "Form47", 2, 2, "0.9"},
    TellingCell{"Form47UnstableN3", "Form47", 4, 2, "1.59"}),
    [](const testing::TestParamInfo<TellingCell>& info) { return info.param.name; });
// clang-format on

TEST(ReferenceTablesTest, TitlesHeadingsAndNotesAreSetApart) {
  const Table& table = PierContractionTable();
  EXPECT_EQ(CellAt(table, 0, 5)->role, CellRole::kTitle);
  EXPECT_EQ(CellAt(table, 2, 3)->role, CellRole::kHeading);
  EXPECT_EQ(CellAt(table, 8, 0)->role, CellRole::kHeading);  // the velocity of a row
  EXPECT_EQ(CellAt(table, 8, 1)->role, CellRole::kData);
  EXPECT_EQ(CellAt(table, 12, 9)->role, CellRole::kNote);
}

TEST(ReferenceWindowsTest, Form46CaptionAndTitleDifferAsWritten) {
  EXPECT_EQ(Form46().caption, "水深1m时非粘性土部冲刷流速表");
  EXPECT_EQ(CellText(*CellAt(NonScouringVelocityTable(), 0, 0)), "水深1m时非粘性土不冲刷流速表");
}

// The items of a window's one column, in order: what stands above and below its table.
std::vector<std::string> ColumnOf(const Window& window) {
  std::vector<std::string> out;
  for (const Item& item : window.blocks.front().items) {
    if (const auto* label = std::get_if<Label>(&item)) out.emplace_back(label->caption);
    if (std::holds_alternative<TableItem>(item)) out.emplace_back("<table>");
    if (std::holds_alternative<DocumentItem>(item)) out.emplace_back("<document>");
  }
  return out;
}

TEST(ReferenceWindowsTest, Form33LabelsStandAboveAndBelowItsTable) {
  const std::vector<std::string> column = ColumnOf(Form33());
  ASSERT_EQ(column.size(), 5u);
  EXPECT_TRUE(column[0].starts_with("    在河流弯道凹岸的桥台"));
  EXPECT_EQ(column[3], "<table>");
  EXPECT_EQ(column[4], "注：表内凹岸冲刷深度自平均床面高程算起。");
}

TEST(ReferenceWindowsTest, Form44NineParagraphsInOrderWithTheirFormulas) {
  const std::vector<std::string> column = ColumnOf(Form44());
  ASSERT_EQ(column, (std::vector<std::string>{"使 用 说 明", "<document>"}));
  const std::string_view text = std::get<DocumentItem>(Form44().blocks.front().items[1]).rich_text;
  std::size_t at = 0;
  for (const char* start : {"采用曼宁糙率n的倒数", "表中描述的河段长度", "河床组成分类",
                            "包括河槽与河滩的断面", "稀疏杂草或灌丛", "中密灌丛或农作物",
                            "稠密灌丛：", "表中1/n值", "河段的形态是千变万化的"}) {
    at = text.find(start, at);
    ASSERT_NE(at, std::string_view::npos) << start;
  }
  // An exponent, and a root whose bar covers RI.
  EXPECT_NE(text.find("<sup>1/6</sup>"), std::string_view::npos);
  EXPECT_NE(text.find("√<span style=\"text-decoration: overline;\"><i>RI</i>"),
            std::string_view::npos);
}

}  // namespace
}  // namespace velmora
