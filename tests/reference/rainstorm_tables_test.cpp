// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/rainstorm_tables.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "table_lookup.h"

namespace velmora {
namespace {

std::string Across(std::string text) {
  std::erase(text, '\n');
  return text;
}

struct ProvincialShape {
  const char* form;
  int columns;
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
  int first = table.rows;
  for (const TableCell& cell : table.cells) {
    if (cell.column != 0 || cell.role != CellRole::kHeading || cell.text == "省名") continue;
    EXPECT_NE(cell.text.find('\n'), std::string::npos) << cell.text;  // written downwards
    provinces.push_back(Across(cell.text));
    province_rows.push_back(cell.row_span);
    first = std::min(first, cell.row);
  }
  EXPECT_EQ(provinces, s.provinces);
  EXPECT_EQ(std::accumulate(province_rows.begin(), province_rows.end(), 0), s.body_rows);
  if (!s.province_rows.empty()) {
    EXPECT_EQ(province_rows, s.province_rows);
  }
  const TableCell* last = CellAt(table, table.rows - 1, 0);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->column_span, s.columns);
  EXPECT_EQ(last->text, "表中其余数值请查阅《公路桥涵设计手册（涵洞）》相应省区表格。");
  // Three notes on n1, n2, n3 in Form14, the handbook's alone elsewhere.
  EXPECT_EQ(table.rows - first - s.body_rows, s.columns == 5 ? 4 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    RainstormTables, ProvincialShapeTest,
    testing::Values(
        ProvincialShape{"Form14",
                        5,
                        71,
                        {"内蒙古自治区", "陕西省", "福建省", "浙江省", "安徽省", "甘肃省", "宁夏",
                         "湖南省",       "辽宁省", "四川省", "青海省", "吉林省", "河南省", "广西",
                         "新疆",         "山西省", "贵州省", "河北省", "湖南省", "云南省"},
                        {7, 3, 5, 3, 3, 7, 2, 3, 3, 3, 3, 3, 3, 3, 8, 1, 1, 4, 2, 4}},
        ProvincialShape{
            "Form11",
            8,
            49,
            {"河北省", "山西省", "四川省", "安徽省", "宁夏", "湖南省", "甘肃省", "吉林省", "河南省",
             "青海省", "新疆", "浙江省", "内蒙", "福建", "贵州省", "广西"}},
        ProvincialShape{"Form10",
                        8,
                        51,
                        {"河北省", "山西省", "四川省", "安徽省", "湖南省", "宁夏", "广西", "甘肃省",
                         "吉林省", "河南省", "青海省", "新疆", "浙江省", "内蒙", "福建", "贵州省"}},
        ProvincialShape{"Form17",
                        8,
                        46,
                        {"四川省", "安徽省", "宁夏", "甘肃省", "吉林省", "河南省", "新疆", "内蒙",
                         "福建", "贵州省"}},
        ProvincialShape{"Form18",
                        8,
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
  std::vector<std::string> texts;  // from the third column on
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
  }
  ASSERT_GE(row, 0);
  for (std::size_t i = 0; i < t.texts.size(); ++i) {
    EXPECT_EQ(TextAt(table, row, 2 + static_cast<int>(i)), t.texts[i]) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    RainstormTables, TellingRowTest,
    testing::Values(
        TellingRow{"InnerMongolia", "Form14", "内蒙古自治区", "Ⅰ", {"0.62", "0.79", "0.86"}},
        TellingRow{
            "HunanRanges", "Form14", "湖南省", "Ⅲ", {"0.40～0.50", "0.55～0.60", "0.70～0.80"}},
        TellingRow{
            "LossHebei", "Form11", "河北省", "Ⅰ", {"河北平原区", "1.23", "0.61", "", "", ""}},
        TellingRow{"LossSichuan",
                   "Form11",
                   "四川省",
                   "Ⅰ",
                   {"青衣江区", "", "", "0.742", "0.542", "0.222"}},
        TellingRow{"ConcentrationHebei", "Form10", "河北省", "Ⅰ", {"河北平原区", "0.70", "0.41"}},
        TellingRow{"ConcentrationZhejiang",
                   "Form10",
                   "浙江省",
                   "Ⅰ",
                   {"浙北地区", "", "", "72", "0.187", "0.9"}},
        TellingRow{"OneSichuan",
                   "Form17",
                   "四川省",
                   "Ⅰ",
                   {"盆地丘陵区", "Iz≤2‰", "", "0.086", "1.18", "0.712"}},
        TellingRow{"OneAnhui",
                   "Form17",
                   "安徽省",
                   "Ⅰ",
                   {"", "Iz＞15‰", "p=4%", "1.2×10－4", "2.75", "0.896"}},
        TellingRow{"TwoShanxi",
                   "Form18",
                   "山西省",
                   "Ⅰ",
                   {"石山、黄土丘陵植被差", "", "", "0.24~0.20", "1", "0.78"}},
        TellingRow{
            "TwoNingxia", "Form18", "宁夏", "Ⅰ", {"丘陵区", "", "", "0.061", "1.51", "0.6"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RainstormTables, HeadingsSpanAsDrawn) {
  // form, row, column, text, text below the diagonal, rows and columns spanned
  const std::tuple<const char*, int, int, const char*, const char*, int, int> cases[] = {
      {"Form15", 0, 0, "土壤植被分类", "", 1, 2},
      {"Form14", 1, 0, "省名", "", 2, 1},
      {"Form14", 1, 2, "n值", "", 1, 3},
      {"Form11", 0, 0, "损失参数 的分区和系数指数值", "", 1, 8},
      {"Form10", 1, 2, "系数、指数", "分区、指标", 1, 1},
      {"Form17", 1, 2, "系数、指数", "分区、指标", 1, 2},
      {"Form17", 1, 4, "ψ", "", 1, 2},
      {"Form18", 1, 4, "C", "", 1, 2},
  };
  for (const auto& [form, row, column, text, lower, rows, columns] : cases) {
    const TableCell* cell = CellAt(TableOf(form), row, column);
    ASSERT_NE(cell, nullptr) << form << " " << text;
    EXPECT_EQ(cell->text, text);
    EXPECT_EQ(cell->lower, lower) << form << " " << text;
    EXPECT_EQ(cell->row_span, rows) << form << " " << text;
    EXPECT_EQ(cell->column_span, columns) << form << " " << text;
  }
  // The ψ that depends on the frequency takes a row per frequency under one m and λ2.
  const Table& formula = TableOf("Form17");
  EXPECT_EQ(CellAt(formula, 7, 6)->text, "2.75");
  EXPECT_EQ(CellAt(formula, 7, 6)->row_span, 3);
  EXPECT_EQ(TextAt(formula, 9, 5), "1.6×10－4");
}

// How a data file is read: what each row holds, and the problems named.
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
        DataCase{"MarkCommentsBlanksAndCrLf",
                 "\xEF\xBB\xBF# x\r\na,b\r\n\r\n x , y \r\n",
                 {{"x", "y"}},
                 {}},
        DataCase{"Quoted", "a,b\n\"1, 2\",\"say \"\"hi\"\"\"\n", {{"1, 2", "say \"hi\""}}, {}},
        DataCase{"ShortRow",
                 "a,b\n# x\n1\n",
                 {{"1", ""}},
                 {"line 3: 1 fields where the first line has 2"}},
        DataCase{"OpenQuote", "a\n\"x\n", {{""}}, {"line 2: a quote is not closed"}},
        DataCase{"JoinAtTop",
                 "a,b\n^,1\n",
                 {{"^", "1"}},
                 {"line 2, column 1: \"^\" with no cell above it"}},
        DataCase{"NoColumns", "# only a comment\n", {}, {"no line names the columns"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora
