// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/rainstorm_tables.h"

#include <array>
#include <optional>

#include "reference/rainstorm_data.h"
#include "reference/table_window.h"

namespace velmora {
namespace {

constexpr std::string_view kSameAsAbove = "^";
constexpr std::string_view kHandbookNote =
    "表中其余数值请查阅《公路桥涵设计手册（涵洞）》相应省区表格。";

// A provincial table: its title over the columns, the heading rows beneath it, the rows of its
// data file, then its notes.
struct ProvincialLayout {
  std::string_view form;
  std::string_view caption;
  std::string_view title;
  std::string_view data_file;
  std::vector<std::string> columns;  // the data file's first line
  int heading_rows = 1;
  std::vector<TableCell> headings;  // from row 1; row 0 holds the title
  std::vector<std::string_view> notes;
};

TableCell Heading(int row, int column, std::string text, int row_span = 1, int column_span = 1) {
  return TableCell{.row = row,
                   .column = column,
                   .row_span = row_span,
                   .column_span = column_span,
                   .role = CellRole::kHeading,
                   .text = std::move(text)};
}

// The split heading over the zone descriptions: value names above, zone criteria below.
TableCell ZoneCorner(int column_span) {
  TableCell cell = Heading(1, 2, "系数、指数", 1, column_span);
  cell.lower = "分区、指标";
  return cell;
}

// One heading row of names, from column `first`.
void AddNames(std::vector<TableCell>& cells, int row, int first,
              std::initializer_list<std::string_view> names) {
  for (std::string_view name : names) cells.push_back(Heading(row, first++, std::string(name)));
}

std::vector<TableCell> ExponentHeadings() {
  std::vector<TableCell> cells{Heading(1, 0, "省名", 2), Heading(1, 1, "分区", 2),
                               Heading(1, 2, "n值", 1, 3)};
  AddNames(cells, 2, 2, {"n1", "n2", "n3"});
  return cells;
}

// 省名 | 分区 | zone description | two coefficients of one form | three of the other.
std::vector<TableCell> ZoneHeadings(std::initializer_list<std::string_view> values) {
  std::vector<TableCell> cells{Heading(1, 0, "省名"), Heading(1, 1, "分区"), ZoneCorner(1)};
  AddNames(cells, 1, 3, values);
  return cells;
}

// 省名 | 分区 | zone and condition | the frequency-dependent coefficient over two columns | two
// exponents.
std::vector<TableCell> FormulaHeadings(std::string_view coefficient,
                                       std::initializer_list<std::string_view> exponents) {
  std::vector<TableCell> cells{Heading(1, 0, "省名"), Heading(1, 1, "分区"), ZoneCorner(2),
                               Heading(1, 4, std::string(coefficient), 1, 2)};
  AddNames(cells, 1, 6, exponents);
  return cells;
}

// The provincial tables of the small-catchment rainstorm method, 《公路桥涵设计手册（涵洞）》.
const std::array<ProvincialLayout, 5>& ProvincialLayouts() {
  static const std::array<ProvincialLayout, 5> kLayouts{{
      {.form = "Form14",
       .caption = "暴雨递减指数n值分区表",
       .title = "暴雨递减指数n值分区",
       .data_file = "form14",
       .columns = {"省名", "分区", "n1", "n2", "n3"},
       .heading_rows = 2,
       .headings = ExponentHeadings(),
       .notes = {"注：n1——小于1h的暴雨递减指数", "n2——1～6h的暴雨递减指数",
                 "n3——6～24h的暴雨递减指数"}},
      {.form = "Form11",
       .caption = "损失参数分区和系数指数表",
       .title = "损失参数 的分区和系数指数值",
       .data_file = "form11",
       .columns = {"省名", "分区", "分区、指标", "K1", "β1", "K2", "β2", "λ"},
       .headings = ZoneHeadings({"K1", "β1", "K2", "β2", "λ"})},
      {.form = "Form10",
       .caption = "汇流时间分区和系数指数表",
       .title = "汇流时间分区和系数指数",
       .data_file = "form10",
       .columns = {"省名", "分区", "分区、指标", "K3", "α1", "K4", "α2", "λ"},
       .headings = ZoneHeadings({"K3", "α1", "K4", "α2", "λ"})},
      {.form = "Form17",
       .caption = "经验公式（1）各区系数指数",
       .title = "经验公式（1）各区系数指数",
       .data_file = "form17",
       .columns = {"省名", "分区", "分区、指标", "条件", "频率", "ψ", "m", "λ2"},
       .headings = FormulaHeadings("ψ", {"m", "λ2"})},
      {.form = "Form18",
       .caption = "经验公式（2）各区系数指数",
       .title = "经验公式（2）各区系数指数",
       .data_file = "form18",
       .columns = {"省名", "分区", "分区、指标", "条件", "频率", "C", "β", "λ3"},
       .headings = FormulaHeadings("C", {"β", "λ3"})},
  }};
  return kLayouts;
}

// A province name written downwards: one character to a line.
std::string Downwards(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool starts_character = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (starts_character && i > 0) out += '\n';
    out += text[i];
  }
  return out;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The fields of one line, or nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitFields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t i = 0;
  while (true) {
    std::string field;
    const std::size_t start = i;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i < line.size() && line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;
          closed = true;
          break;
        }
        field += line[i++];
      }
      if (!closed) return std::nullopt;
      while (i < line.size() && line[i] != ',') ++i;  // blanks after the closing quote
    } else {
      i = start;
      const std::size_t comma = std::min(line.find(',', i), line.size());
      field = std::string(TrimBlanks(line.substr(i, comma - i)));
      i = comma;
    }
    fields.push_back(std::move(field));
    if (i >= line.size()) return fields;
    ++i;  // the comma
  }
}

Table BuildProvincialTable(const ProvincialLayout& layout, std::vector<std::string>& problems) {
  const RainstormData data = ParseRainstormData(RainstormDataText(layout.data_file));
  problems = data.problems;
  if (data.columns != layout.columns) {
    problems.push_back(std::string(layout.data_file) + ": the first line must name the columns " +
                       "in the order the table shows them");
  }
  const int columns = static_cast<int>(layout.columns.size());
  const int body = 1 + layout.heading_rows;
  const int rows = static_cast<int>(data.rows.size());
  const int notes = static_cast<int>(layout.notes.size()) + 1;
  Table table{.rows = body + rows + notes, .columns = columns};
  table.cells.push_back(TableCell{
      .column_span = columns, .role = CellRole::kTitle, .text = std::string(layout.title)});
  table.cells.insert(table.cells.end(), layout.headings.begin(), layout.headings.end());
  AddRainstormRows(data, body, table, problems);
  int row = body + rows;
  for (std::string_view note : layout.notes) {
    table.cells.push_back(TableCell{
        .row = row++, .column_span = columns, .role = CellRole::kNote, .text = std::string(note)});
  }
  table.cells.push_back(TableCell{.row = row,
                                  .column_span = columns,
                                  .role = CellRole::kNote,
                                  .text = std::string(kHandbookNote)});
  return table;
}

template <std::size_t kIndex>
const Table& ProvincialContent() {
  static const Table table = [] {
    std::vector<std::string> problems;  // the data files are checked by the tests
    return BuildProvincialTable(ProvincialLayouts()[kIndex], problems);
  }();
  return table;
}

template <std::size_t kIndex>
const Window& ProvincialWindow() {
  static const Window window =
      TableWindow(ProvincialLayouts()[kIndex].form, ProvincialLayouts()[kIndex].caption,
                  &ProvincialContent<kIndex>);
  return window;
}

// Soil and vegetation classes of the loss parameters, 《公路桥涵设计手册（涵洞）》.
const Table& SoilClassContent() {
  static const Table table = [] {
    Table t{.rows = 7, .columns = 2};
    t.cells.push_back(
        TableCell{.column_span = 2, .role = CellRole::kTitle, .text = "土壤植被分类"});
    t.cells.push_back(Heading(1, 0, "类别"));
    t.cells.push_back(Heading(1, 1, "特征"));
    const std::pair<const char*, const char*> classes[] = {
        {"Ⅱ", "粘土、盐碱土地面，土壤脊薄的岩石地区；植被差　，轻微风化的岩石地区"},
        {"Ⅲ", "植被差的沙质粘土地面；土层较薄的土面山区，植被中等、风化中等的山区"},
        {"Ⅳ",
         "植被差的粘、沙质地面；风化严重土层厚的山区；草灌较厚的山丘区或草地；人工幼林区；"
         "水土流失中等的黄土地面区"},
        {"Ⅴ", "植被差的一般沙土地面；土层较厚森林较密的地区；有大面积水土保持措施治理较好的土质"},
        {"Ⅵ", "无植被松散的沙土地面，茂密并有枯枝落叶层的原始森林"},
    };
    int row = 2;
    for (const auto& [name, features] : classes) {
      t.cells.push_back(Heading(row, 0, name));
      t.cells.push_back(TableCell{.row = row++, .column = 1, .text = features});
    }
    return t;
  }();
  return table;
}

}  // namespace

RainstormData ParseRainstormData(std::string_view text) {
  RainstormData data;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte-order mark
  int line_number = 0;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    ++line_number;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (TrimBlanks(line).empty() || TrimBlanks(line).starts_with('#')) continue;
    const std::string where = "line " + std::to_string(line_number) + ": ";
    std::optional<std::vector<std::string>> fields = SplitFields(line);
    if (!fields) {
      data.problems.push_back(where + "a quote is not closed");
      fields.emplace(1);
    }
    if (data.columns.empty()) {
      data.columns = std::move(*fields);
      continue;
    }
    if (fields->size() != data.columns.size()) {
      data.problems.push_back(where + std::to_string(fields->size()) + " fields where the first " +
                              "line has " + std::to_string(data.columns.size()));
      fields->resize(data.columns.size());
    }
    data.rows.push_back(std::move(*fields));
    data.lines.push_back(line_number);
  }
  if (data.columns.empty()) data.problems.push_back("no line names the columns");
  return data;
}

void AddRainstormRows(const RainstormData& data, int first_row, Table& table,
                      std::vector<std::string>& problems) {
  const int rows = static_cast<int>(data.rows.size());
  for (int column = 0; column < table.columns; ++column) {
    // Each cell runs down over the "^" beneath it; the cell is laid down when its run ends.
    TableCell open;
    bool is_open = false;
    auto close = [&] {
      if (is_open && (!open.text.empty() || open.row_span > 1)) table.cells.push_back(open);
      is_open = false;
    };
    for (int r = 0; r < rows; ++r) {
      const auto& fields = data.rows[static_cast<std::size_t>(r)];
      const std::string text =
          column < static_cast<int>(fields.size()) ? fields[static_cast<std::size_t>(column)] : "";
      if (text == kSameAsAbove) {
        if (is_open) {
          ++open.row_span;
        } else {
          problems.push_back("line " + std::to_string(data.lines[static_cast<std::size_t>(r)]) +
                             ", column " + std::to_string(column + 1) +
                             ": \"^\" with no cell above it");
        }
        continue;
      }
      close();
      // Province and zone name the row; the province reads downwards.
      open = TableCell{.row = first_row + r,
                       .column = column,
                       .role = column <= 1 ? CellRole::kHeading : CellRole::kData,
                       .text = column == 0 ? Downwards(text) : text};
      is_open = true;
    }
    close();
  }
}

std::vector<std::string> RainstormDataProblems(std::string_view form) {
  std::vector<std::string> problems;
  for (const ProvincialLayout& layout : ProvincialLayouts()) {
    if (layout.form == form) {
      BuildProvincialTable(layout, problems);
      return problems;
    }
  }
  return {"no provincial table " + std::string(form)};
}

const Window& Form15() {
  static const Window window = TableWindow("Form15", "土壤植被分类", &SoilClassContent);
  return window;
}

const Window& Form14() { return ProvincialWindow<0>(); }
const Window& Form11() { return ProvincialWindow<1>(); }
const Window& Form10() { return ProvincialWindow<2>(); }
const Window& Form17() { return ProvincialWindow<3>(); }
const Window& Form18() { return ProvincialWindow<4>(); }

}  // namespace velmora
