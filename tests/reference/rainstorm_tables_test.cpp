#include "reference/rainstorm_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table_lookup.h"

namespace velmora {
namespace {

constexpr std::string_view kHandbookNote =
    "表中其余数值请查阅《公路桥涵设计手册（涵洞）》相应省区表格。";

std::string Across(std::string text) {
  std::erase(text, '\n');
  return text;
}

struct ProvincialShape {
  const char* form;
  int columns;
  int first_body_row;
  int body_rows;
  std::vector<std::string> provinces;  // in table order, a repeated name standing again
  std::vector<int> province_rows;      // rows under each province, where they are known
};

class ProvincialShapeTest : public testing::TestWithParam<ProvincialShape> {};

TEST_P(ProvincialShapeTest, DataFileFitsTheTable) {
  const ProvincialShape& s = GetParam();
  EXPECT_EQ(RainstormDataProblems(s.form), std::vector<std::string>{});
  const Table& table = TableOf(s.form);
  EXPECT_EQ(table.columns, s.columns);

  std::vector<std::string> provinces;
  std::vector<int> province_rows;
  int covered = 0;
  for (int row = s.first_body_row; row < s.first_body_row + s.body_rows; ++row) {
    if (const TableCell* cell = CellAt(table, row, 0)) {
      provinces.push_back(Across(cell->text));
      province_rows.push_back(cell->row_span);
      covered += cell->row_span;
      EXPECT_NE(cell->text.find('\n'), std::string::npos) << cell->text;  // written downwards
    }
  }
  EXPECT_EQ(provinces, s.provinces);
  EXPECT_EQ(covered, s.body_rows);
  if (!s.province_rows.empty()) {
    EXPECT_EQ(province_rows, s.province_rows);
  }

  // Every province row has its zone; the notes close the table, the handbook's last.
  for (int row = s.first_body_row; row < s.first_body_row + s.body_rows; ++row) {
    bool zoned = false;
    for (const TableCell& cell : table.cells) {
      zoned |= cell.column == 1 && cell.row <= row && row < cell.row + cell.row_span;
    }
    EXPECT_TRUE(zoned) << row;
  }
  const TableCell* note = CellAt(table, table.rows - 1, 0);
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->role, CellRole::kNote);
  EXPECT_EQ(note->column_span, s.columns);
  EXPECT_EQ(note->text, kHandbookNote);
}

INSTANTIATE_TEST_SUITE_P(
    RainstormTables, ProvincialShapeTest,
    testing::Values(
        ProvincialShape{"Form14",
                        5,
                        3,
                        71,
                        {"内蒙古自治区", "陕西省", "福建省", "浙江省", "安徽省", "甘肃省", "宁夏",
                         "湖南省",       "辽宁省", "四川省", "青海省", "吉林省", "河南省", "广西",
                         "新疆",         "山西省", "贵州省", "河北省", "湖南省", "云南省"},
                        {7, 3, 5, 3, 3, 7, 2, 3, 3, 3, 3, 3, 3, 3, 8, 1, 1, 4, 2, 4}},
        ProvincialShape{
            "Form11",
            8,
            2,
            49,
            {"河北省", "山西省", "四川省", "安徽省", "宁夏", "湖南省", "甘肃省", "吉林省", "河南省",
             "青海省", "新疆", "浙江省", "内蒙", "福建", "贵州省", "广西"}},
        ProvincialShape{"Form10",
                        8,
                        2,
                        51,
                        {"河北省", "山西省", "四川省", "安徽省", "湖南省", "宁夏", "广西", "甘肃省",
                         "吉林省", "河南省", "青海省", "新疆", "浙江省", "内蒙", "福建", "贵州省"}},
        ProvincialShape{"Form17",
                        8,
                        2,
                        46,
                        {"四川省", "安徽省", "宁夏", "甘肃省", "吉林省", "河南省", "新疆", "内蒙",
                         "福建", "贵州省"}},
        ProvincialShape{"Form18",
                        8,
                        2,
                        45,
                        {"山西省", "四川省", "安徽省", "宁夏", "甘肃省", "吉林省", "河南省", "浙江",
                         "福建", "贵州省"}}),
    [](const auto& info) { return std::string(info.param.form); });

// A row of values as the handbook's tables give it, found by province and zone.
struct TellingRow {
  const char* name;
  const char* form;
  const char* province;
  const char* zone;
  int first_column;
  std::vector<std::string> texts;
};

class TellingRowTest : public testing::TestWithParam<TellingRow> {};

TEST_P(TellingRowTest, ShowsTheHandbooksValues) {
  const TellingRow& t = GetParam();
  const Table& table = TableOf(t.form);
  int row = -1;
  for (const TableCell& province : table.cells) {
    if (province.column != 0 || Across(province.text) != t.province) continue;
    for (int r = province.row; r < province.row + province.row_span && row < 0; ++r) {
      if (TextAt(table, r, 1) == t.zone) row = r;
    }
    if (row >= 0) break;
  }
  ASSERT_GE(row, 0);
  for (std::size_t i = 0; i < t.texts.size(); ++i) {
    EXPECT_EQ(TextAt(table, row, t.first_column + static_cast<int>(i)), t.texts[i]) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    RainstormTables, TellingRowTest,
    testing::Values(
        TellingRow{
            "ExponentsInnerMongolia", "Form14", "内蒙古自治区", "Ⅰ", 2, {"0.62", "0.79", "0.86"}},
        TellingRow{"ExponentRangesHunan",
                   "Form14",
                   "湖南省",
                   "Ⅲ",
                   2,
                   {"0.40～0.50", "0.55～0.60", "0.70～0.80"}},
        TellingRow{
            "LossHebei", "Form11", "河北省", "Ⅰ", 2, {"河北平原区", "1.23", "0.61", "", "", ""}},
        TellingRow{"LossSichuan",
                   "Form11",
                   "四川省",
                   "Ⅰ",
                   2,
                   {"青衣江区", "", "", "0.742", "0.542", "0.222"}},
        TellingRow{
            "ConcentrationHebei", "Form10", "河北省", "Ⅰ", 2, {"河北平原区", "0.70", "0.41"}},
        TellingRow{"ConcentrationZhejiang",
                   "Form10",
                   "浙江省",
                   "Ⅰ",
                   2,
                   {"浙北地区", "", "", "72", "0.187", "0.9"}},
        TellingRow{"FormulaOneSichuan",
                   "Form17",
                   "四川省",
                   "Ⅰ",
                   2,
                   {"盆地丘陵区", "Iz≤2‰", "", "0.086", "1.18", "0.712"}},
        TellingRow{"FormulaOneAnhui",
                   "Form17",
                   "安徽省",
                   "Ⅰ",
                   3,
                   {"Iz＞15‰", "p=4%", "1.2×10－4", "2.75", "0.896"}},
        TellingRow{"FormulaTwoShanxi",
                   "Form18",
                   "山西省",
                   "Ⅰ",
                   2,
                   {"石山、黄土丘陵植被差", "", "", "0.24~0.20", "1", "0.78"}},
        TellingRow{"FormulaTwoNingxia",
                   "Form18",
                   "宁夏",
                   "Ⅰ",
                   2,
                   {"丘陵区", "", "", "0.061", "1.51", "0.6"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RainstormTables, FrequencyDependentCoefficientTakesOneRowPerFrequency) {
  const Table& table = TableOf("Form17");
  const TableCell* m = nullptr;
  for (const TableCell& cell : table.cells) {
    if (cell.column == 6 && cell.text == "2.75") m = &cell;
  }
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->row_span, 3);
  EXPECT_EQ(TextAt(table, m->row + 1, 4), "2%");
  EXPECT_EQ(TextAt(table, m->row + 2, 5), "1.6×10－4");
}

struct HeadingCase {
  const char* name;
  const char* form;
  int row;
  int column;
  const char* text;
  const char* lower;
  int row_span;
  int column_span;
};

class HeadingTest : public testing::TestWithParam<HeadingCase> {};

TEST_P(HeadingTest, SpansAsDrawn) {
  const HeadingCase& h = GetParam();
  const TableCell* cell = CellAt(TableOf(h.form), h.row, h.column);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->text, h.text);
  EXPECT_EQ(cell->lower, h.lower);
  EXPECT_EQ(cell->row_span, h.row_span);
  EXPECT_EQ(cell->column_span, h.column_span);
}

INSTANTIATE_TEST_SUITE_P(
    RainstormTables, HeadingTest,
    testing::Values(
        HeadingCase{"SoilTitle", "Form15", 0, 0, "土壤植被分类", "", 1, 2},
        HeadingCase{"ExponentTitle", "Form14", 0, 0, "暴雨递减指数n值分区", "", 1, 5},
        HeadingCase{"ExponentGroup", "Form14", 1, 2, "n值", "", 1, 3},
        HeadingCase{"ExponentProvince", "Form14", 1, 0, "省名", "", 2, 1},
        HeadingCase{"LossTitle", "Form11", 0, 0, "损失参数 的分区和系数指数值", "", 1, 8},
        HeadingCase{"LossCorner", "Form11", 1, 2, "系数、指数", "分区、指标", 1, 1},
        HeadingCase{"ConcentrationAlpha", "Form10", 1, 4, "α1", "", 1, 1},
        HeadingCase{"FormulaOneCorner", "Form17", 1, 2, "系数、指数", "分区、指标", 1, 2},
        HeadingCase{"FormulaOnePsi", "Form17", 1, 4, "ψ", "", 1, 2},
        HeadingCase{"FormulaTwoC", "Form18", 1, 4, "C", "", 1, 2},
        HeadingCase{"FormulaTwoLambda", "Form18", 1, 7, "λ3", "", 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RainstormTables, SoilClassesGivenInFull) {
  const Table& table = TableOf("Form15");
  EXPECT_EQ(table.rows, 7);
  EXPECT_EQ(TextAt(table, 2, 0), "Ⅱ");
  EXPECT_EQ(TextAt(table, 6, 0), "Ⅵ");
  EXPECT_EQ(TextAt(table, 6, 1), "无植被松散的沙土地面，茂密并有枯枝落叶层的原始森林");
}

TEST(RainstormTables, ExponentNotesPrecedeTheHandbookNote) {
  const Table& table = TableOf("Form14");
  EXPECT_EQ(TextAt(table, 74, 0), "注：n1——小于1h的暴雨递减指数");
  EXPECT_EQ(TextAt(table, 76, 0), "n3——6～24h的暴雨递减指数");
  EXPECT_EQ(table.rows, 78);
}

// How a data file is read and laid out.
struct DataCase {
  const char* name;
  const char* text;
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> problems;
};

class DataTest : public testing::TestWithParam<DataCase> {};

TEST_P(DataTest, ReadsFieldsAndNamesEveryProblemLine) {
  const DataCase& d = GetParam();
  const RainstormData data = ParseRainstormData(d.text);
  EXPECT_EQ(data.rows, d.rows);
  std::vector<std::string> problems = data.problems;
  Table table{.columns = static_cast<int>(data.columns.size())};
  AddRainstormRows(data, 0, table, problems);
  EXPECT_EQ(problems, d.problems);
}

INSTANTIATE_TEST_SUITE_P(
    RainstormTables, DataTest,
    testing::Values(
        DataCase{"CommentsBlankLinesAndCrLf",
                 "\xEF\xBB\xBF# note\r\na,b\r\n\r\n x , y \r\n",
                 {{"x", "y"}},
                 {}},
        DataCase{"QuotedComma", "a,b\n\"1, 2\",\"say \"\"hi\"\"\"\n", {{"1, 2", "say \"hi\""}}, {}},
        DataCase{"EmptyCellsKept", "a,b,c\n,,\n", {{"", "", ""}}, {}},
        DataCase{"ShortRowPadded",
                 "a,b\n# x\n1\n",
                 {{"1", ""}},
                 {"line 3: 1 fields where the first line has 2"}},
        DataCase{"OpenQuote", "a\n\"x\n", {{""}}, {"line 2: a quote is not closed"}},
        DataCase{"JoinWithNothingAbove",
                 "a,b\n^,1\n",
                 {{"^", "1"}},
                 {"line 2, column 1: \"^\" with no cell above it"}},
        DataCase{"NoColumns", "# only a comment\n", {}, {"no line names the columns"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RainstormTables, JoinedCellsSpanDownwards) {
  const RainstormData data = ParseRainstormData("p,z\n河北省,Ⅰ\n^,^\n^,Ⅱ\n");
  Table table{.rows = 3, .columns = 2};
  std::vector<std::string> problems;
  AddRainstormRows(data, 0, table, problems);
  EXPECT_TRUE(problems.empty());
  ASSERT_NE(CellAt(table, 0, 0), nullptr);
  EXPECT_EQ(CellAt(table, 0, 0)->text, "河\n北\n省");
  EXPECT_EQ(CellAt(table, 0, 0)->row_span, 3);
  EXPECT_EQ(CellAt(table, 0, 1)->row_span, 2);
  EXPECT_EQ(TextAt(table, 2, 1), "Ⅱ");
}

}  // namespace
}  // namespace velmora
