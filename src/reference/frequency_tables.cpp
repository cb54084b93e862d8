// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/frequency_tables.h"

#include <string>

#include "reference/pearson_type3.h"
#include "reference/table_window.h"

namespace velmora {
namespace {

constexpr int kRowsPerGroup = 5;  // an empty row follows every fifth data row

// The table row of data row `index`, counting the heading row and the empty rows between groups.
int TableRow(int index) { return 1 + index + index / kRowsPerGroup; }

int TableRows(int data_rows) { return 1 + data_rows + (data_rows - 1) / kRowsPerGroup; }

// The heading row shared by every frequency table: the split corner cell, then the P columns.
void AddHeadingRow(Table& table, std::string_view row_axis) {
  table.cells.push_back(
      TableCell{.role = CellRole::kHeading, .text = "P(%)", .lower = std::string(row_axis)});
  int column = 1;
  for (const FrequencyColumn& p : FrequencyColumns()) {
    table.cells.push_back(
        TableCell{.column = column++, .role = CellRole::kHeading, .text = std::string(p.heading)});
  }
}

TableCell NumberCell(int row, int column, double value, int decimals, CellRole role) {
  return TableCell{
      .row = row, .column = column, .role = role, .number = value, .decimals = decimals};
}

const Table& DeviationContent() {
  static const Table table = BuildDeviationTable();
  return table;
}

template <std::size_t kIndex>
const Table& ModulusRatioContent() {
  static const Table table = BuildModulusRatioTable(ModulusRatioSpecs()[kIndex]);
  return table;
}

template <std::size_t kIndex>
const Window& ModulusRatioWindow() {
  static const Window window =
      TableWindow(ModulusRatioSpecs()[kIndex].form, ModulusRatioSpecs()[kIndex].caption,
                  &ModulusRatioContent<kIndex>);
  return window;
}

}  // namespace

const std::array<FrequencyColumn, 15>& FrequencyColumns() {
  static constexpr std::array<FrequencyColumn, 15> kColumns{{
      {"0.01", 0.01},
      {"0.1", 0.1},
      {"0.2", 0.2},
      {"0.33", 1.0 / 3.0},  // the 300-year flood: P = 1/300
      {"0.5", 0.5},
      {"1", 1.0},
      {"2", 2.0},
      {"5", 5.0},
      {"10", 10.0},
      {"20", 20.0},
      {"50", 50.0},
      {"75", 75.0},
      {"90", 90.0},
      {"95", 95.0},
      {"99", 99.0},
  }};
  return kColumns;
}

const std::array<ModulusRatioSpec, 8>& ModulusRatioSpecs() {
  static constexpr std::array<ModulusRatioSpec, 8> kSpecs{{
      {"Form37", "皮尔逊III型曲线的模比系数Kp值表（Cs=Cv）", 2, true, 150},
      {"Form26", "皮尔逊III型曲线的模比系数Kp值表（Cs=2Cv）", 4, true, 200},
      {"Form38", "皮尔逊III型曲线的模比系数Kp值表（Cs=2.5Cv）", 5, true, 200},
      {"Form27", "皮尔逊III型曲线的模比系数Kp值表（Cs=3Cv）", 6, true, 200},
      {"Form39", "皮尔逊III型曲线的模比系数Kp值表（Cs=3.5Cv）", 7, true, 180},
      {"Form28", "皮尔逊III型曲线的模比系数Kp值表（Cs=4Cv）", 8, true, 160},
      {"Form40", "皮尔逊III型曲线的模比系数Kp值表（Cs=5Cv）", 10, false, 125},
      {"Form41", "皮尔逊III型曲线的模比系数Kp值表（Cs=6Cv）", 12, false, 105},
  }};
  return kSpecs;
}

std::vector<int> CvRows(const ModulusRatioSpec& spec) {
  std::vector<int> rows;
  if (!spec.list_a) {
    for (int cv = 5; cv <= spec.last_cv; cv += 5) rows.push_back(cv);
    return rows;
  }
  for (int cv = 5; cv <= 50; ++cv) rows.push_back(cv);
  for (int cv = 51; cv <= 150; ++cv) {
    if (cv % 2 == 0 || cv % 5 == 0) rows.push_back(cv);
  }
  for (int cv = 155; cv <= spec.last_cv; cv += 5) rows.push_back(cv);
  return rows;
}

int RoundedCsHundredths(int k_halves, int cv_hundredths) {
  // k·Cv = k_halves·Cv / 2 hundredths: an odd product is an exact half.
  const int twice = k_halves * cv_hundredths;
  const int down = twice / 2;
  if (twice % 2 == 0) return down;
  return down % 2 == 0 ? down : down + 1;
}

Table BuildDeviationTable() {
  constexpr int kCsRows = 40;  // Cs = 0.0 to 3.9
  Table table{.rows = TableRows(kCsRows), .columns = 16};
  AddHeadingRow(table, "Cs");
  const auto& columns = FrequencyColumns();
  for (int i = 0; i < kCsRows; ++i) {
    const int row = TableRow(i);
    const double cs = i / 10.0;
    table.cells.push_back(NumberCell(row, 0, cs, 1, CellRole::kHeading));
    for (std::size_t c = 0; c < columns.size(); ++c) {
      // The code's table gives the lower tail of the skewed curves (Cs >= 2) one decimal more.
      const bool lower_tail =
          columns[c].p_percent >= 90.0 || (columns[c].p_percent == 75.0 && i == kCsRows - 1);
      const int decimals = i >= 20 && lower_tail ? 3 : 2;
      TableCell cell =
          NumberCell(row, static_cast<int>(c) + 1,
                     RoundToDecimals(PearsonDeviation(columns[c].p_percent, cs), decimals),
                     decimals, CellRole::kData);
      cell.trim_zeros = true;
      table.cells.push_back(cell);
    }
  }
  return table;
}

Table BuildModulusRatioTable(const ModulusRatioSpec& spec) {
  const std::vector<int> cv_rows = CvRows(spec);
  const auto& columns = FrequencyColumns();
  const int cs_column = static_cast<int>(columns.size()) + 1;
  Table table{.rows = TableRows(static_cast<int>(cv_rows.size())), .columns = cs_column + 1};
  AddHeadingRow(table, "Cv");
  table.cells.push_back(
      TableCell{.column = cs_column, .role = CellRole::kHeading, .text = "P%", .lower = "Cs"});
  for (std::size_t i = 0; i < cv_rows.size(); ++i) {
    const int row = TableRow(static_cast<int>(i));
    const double cv = cv_rows[i] / 100.0;
    const double cs = spec.k_halves * cv_rows[i] / 200.0;
    table.cells.push_back(NumberCell(row, 0, cv, 2, CellRole::kHeading));
    for (std::size_t c = 0; c < columns.size(); ++c) {
      const double kp = 1.0 + cv * PearsonDeviation(columns[c].p_percent, cs);
      table.cells.push_back(
          NumberCell(row, static_cast<int>(c) + 1, RoundToDecimals(kp, 2), 2, CellRole::kData));
    }
    table.cells.push_back(NumberCell(row, cs_column,
                                     RoundedCsHundredths(spec.k_halves, cv_rows[i]) / 100.0, 2,
                                     CellRole::kHeading));
  }
  return table;
}

const Window& Form25() {
  static const Window window =
      TableWindow("Form25", "皮尔逊III型曲线的离均系数Φ值表", &DeviationContent);
  return window;
}

const Window& Form37() { return ModulusRatioWindow<0>(); }
const Window& Form26() { return ModulusRatioWindow<1>(); }
const Window& Form38() { return ModulusRatioWindow<2>(); }
const Window& Form27() { return ModulusRatioWindow<3>(); }
const Window& Form39() { return ModulusRatioWindow<4>(); }
const Window& Form28() { return ModulusRatioWindow<5>(); }
const Window& Form40() { return ModulusRatioWindow<6>(); }
const Window& Form41() { return ModulusRatioWindow<7>(); }

}  // namespace velmora
