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
        EXPECT_GE(cell.row_span, 1) << window->form;
        EXPECT_GE(cell.column_span, 1) << window->form;
        EXPECT_GE(cell.row, 0) << window->form;
        EXPECT_GE(cell.column, 0) << window->form;
        EXPECT_LE(cell.row + cell.row_span, table.rows) << window->form << " " << cell.text;
        EXPECT_LE(cell.column + cell.column_span, table.columns)
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
  int row;
  int column;
  const char* text;  // as shown
  int row_span = 1;
  int column_span = 1;
  CellRole role = CellRole::kData;
};

class TellingCellTest : public testing::TestWithParam<TellingCell> {};

TEST_P(TellingCellTest, TextSpanAndRole) {
  const TellingCell& c = GetParam();
  const TableCell* cell = CellAt(TableOf(*FindWindow(c.form)), c.row, c.column);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->row, c.row);  // the cell starts here, not covered from elsewhere
  EXPECT_EQ(cell->column, c.column);
  EXPECT_EQ(CellText(*cell), c.text);
  EXPECT_EQ(cell->row_span, c.row_span);
  EXPECT_EQ(cell->column_span, c.column_span);
  EXPECT_EQ(cell->role, c.role);
}

// Expected texts: the tables of the design code and its handbooks as the windows reproduce
// them; corner and last cells catch a transposed or shifted row.
INSTANTIATE_TEST_SUITE_P(
    Windows, TellingCellTest,
    testing::Values(
        TellingCell{"Form8Last", "Form8", 1, 3, "0.86"},
        TellingCell{"Form8RowHeading", "Form8", 1, 0, "E", 1, 1, CellRole::kHeading},
        TellingCell{"Form9Title", "Form9", 0, 0, "桥墩水流侧向压缩系数μ", 1, 10, CellRole::kTitle},
        TellingCell{"Form9VelocityHeading", "Form9", 1, 0, "设计流速Vp(m/s)", 2, 1,
                    CellRole::kHeading},
        TellingCell{"Form9SpanHeading", "Form9", 1, 1, "标准净跨径（m）", 1, 9, CellRole::kHeading},
        // Whole numbers show two decimals.
        TellingCell{"Form9BelowOne", "Form9", 3, 9, "1.00"},
        TellingCell{"Form9VelocityThree", "Form9", 8, 0, "3.00", 1, 1, CellRole::kHeading},
        TellingCell{"Form9ThreeAtTwenty", "Form9", 8, 4, "0.95"},
        TellingCell{"Form9FourAtTen", "Form9", 10, 1, "0.85"},
        TellingCell{"Form9SecondNote", "Form9", 12, 0,
                    "（2）μ=1-0.375Vp/Lo，其中Lo为单孔净跨径。对不等跨的桥孔可采用各孔μ值的平均值，"
                    "对于净跨径大于50m的桥梁，μ≈1.0。",
                    1, 10, CellRole::kNote},
        TellingCell{"Form20Margin", "Form20", 1, 1, "基底埋深安全值", 1, 5, CellRole::kHeading},
        TellingCell{"Form20OrdinaryAtZero", "Form20", 3, 1, "1.5"},
        TellingCell{"Form20SpecialAtTwenty", "Form20", 4, 5, "4"},
        TellingCell{"Form21Embedment", "Form21", 1, 7,
                    "建议埋入岩面深度（按施工枯水季平均水位至岩面的距离分级）（m）", 2, 3,
                    CellRole::kHeading},
        TellingCell{"Form21SoftRock", "Form21", 5, 0, "Ⅱ\n软质岩", 2, 1, CellRole::kHeading},
        TellingCell{"Form21SoftRockTwo", "Form21", 6, 1, "Ⅱ2", 1, 1, CellRole::kHeading},
        TellingCell{"Form21HardRockDeep", "Form21", 7, 9, "0.5～3.0"},
        TellingCell{"Form21SoftRockScour", "Form21", 5, 6, "0.4～2.0"},
        TellingCell{"Form23Structure", "Form23", 1, 0, "构造物名称", 2, 1, CellRole::kHeading},
        TellingCell{"Form23ExtraLargeMotorway", "Form23", 3, 1, "1/300"},
        TellingCell{"Form23RoadbedFour", "Form23", 7, 5, "按具体情况确定"},
        TellingCell{"Form23SmallThree", "Form23", 5, 4, "1/25"},
        TellingCell{"Form33Exit", "Form33", 1, 8, "1.54hs→hs"},
        TellingCell{"Form33HalfAngle", "Form33", 0, 4, "θ/2", 1, 1, CellRole::kHeading},
        TellingCell{"Form42SecondState", "Form42", 8, 0,
                    "河段上下游接弯道或下游有卡口、支流汇入等束水影响；复式断面；水流不够通畅", 6,
                    1},
        TellingCell{"Form42BoulderBed", "Form42", 18, 1,
                    "卵石、块石、大漂石河床，石梁、跌水、孤石交错，或水生植物稠密，阻水严重", 2, 1},
        TellingCell{"Form42First", "Form42", 2, 3, "55（45~65）"},
        TellingCell{"Form42Last", "Form42", 19, 3, "12（10~14）"},
        TellingCell{"Form43SparseGrass", "Form43", 2, 0, "基本无植物或仅有稀疏草丛", 2, 1},
        TellingCell{"Form43DenseShrubs", "Form43", 6, 0, "长有稠密灌木丛或杂草林木丛生，阻水严重"},
        TellingCell{"Form43Fourth", "Form43", 5, 2, "10~13"},
        TellingCell{"Form46Title", "Form46", 0, 0, "水深1m时非粘性土不冲刷流速表", 1, 4,
                    CellRole::kTitle},
        TellingCell{"Form46Sediment", "Form46", 1, 0, "河床泥沙", 1, 2, CellRole::kHeading},
        TellingCell{"Form46Cobbles", "Form46", 8, 0, "卵石", 3, 1, CellRole::kHeading},
        TellingCell{"Form46LastVelocity", "Form46", 13, 3, ">6.00"},
        TellingCell{"Form46FineGravelSize", "Form46", 5, 2, "2.00～5.00"},
        TellingCell{"Form47OpenReachN3", "Form47", 2, 2, "0.9"},
        TellingCell{"Form47UnstableN3", "Form47", 4, 2, "1.59"},
        TellingCell{"Form47BranchedKq", "Form47", 3, 1, "0.95"}),
    [](const testing::TestParamInfo<TellingCell>& info) { return info.param.name; });

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

TEST(ReferenceWindowsTest, LabelsAboveAndBelowTheTables) {
  EXPECT_EQ(ColumnOf(Form8()),
            (std::vector<std::string>{"E 值 表", "<table>",
                                      "注：含沙量ρ采用历年汛期月最大含沙量平均值。"}));
  const std::vector<std::string> form33 = ColumnOf(Form33());
  ASSERT_EQ(form33.size(), 5u);
  EXPECT_TRUE(form33[0].starts_with("    在河流弯道凹岸的桥台"));
  EXPECT_TRUE(form33[2].ends_with("（西安公路交通大学实验）。"));
  EXPECT_EQ(form33[3], "<table>");
  EXPECT_EQ(form33[4], "注：表内凹岸冲刷深度自平均床面高程算起。");
}

TEST(ReferenceWindowsTest, Form44TitleAndNineParagraphsInOrder) {
  const std::vector<std::string> column = ColumnOf(Form44());
  ASSERT_EQ(column.size(), 2u);
  EXPECT_EQ(column[0], "使 用 说 明");
  const auto& title = std::get<Label>(Form44().blocks.front().items.front());
  EXPECT_EQ(title.font.family, "宋体");
  EXPECT_EQ(title.font.points, 15.75);
  EXPECT_TRUE(title.font.bold);
  const std::string_view text = std::get<DocumentItem>(Form44().blocks.front().items[1]).rich_text;
  // The first words of each paragraph, in order.
  std::size_t at = 0;
  for (const char* start : {"采用曼宁糙率n的倒数", "表中描述的河段长度", "河床组成分类",
                            "包括河槽与河滩的断面", "稀疏杂草或灌丛", "中密灌丛或农作物",
                            "稠密灌丛：", "表中1/n值", "河段的形态是千变万化的"}) {
    const std::size_t found = text.find(start, at);
    ASSERT_NE(found, std::string_view::npos) << start;
    at = found;
  }
  // The formulas are set as formulas: an exponent and a root with its bar.
  EXPECT_NE(text.find("<sup>1/6</sup>"), std::string_view::npos);
  EXPECT_NE(text.find("√<span style=\"text-decoration: overline;\">"), std::string_view::npos);
}

TEST(InformationWindowsTest, Form22ListsTheFiveCodesInOrder) {
  const auto& list = std::get<ListItem>(Form22().blocks[2].items.front());
  ASSERT_EQ(list.entries.size(), 5u);
  EXPECT_EQ(list.entries[0], "1、《公路桥位勘测设计规范》JTJ 062-91");
  EXPECT_EQ(list.entries[2], "3、《公路桥涵设计手册（涵洞》");
  EXPECT_EQ(list.entries[4], "5、《公路小桥涵设计流量计算方法》");
  const Label* title = Labels(Form22()).front();
  EXPECT_EQ(title->caption, "主要依据规范");
  EXPECT_EQ(title->font.family, "隶书");
  EXPECT_EQ(title->font.points, 14.25);
}

TEST(InformationWindowsTest, Form7OkClosesTheWindow) {
  const Button* ok = FindButton(Form7(), "Command1");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->caption, "确 定");
  EXPECT_EQ(PressButton(Form7(), "Command1", DefaultState(Form7())), Effects{effect::Close{}});
}

}  // namespace
}  // namespace velmora
