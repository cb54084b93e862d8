// SPDX-License-Identifier: GPL-3.0-or-later
#include "chain/scour_summary.h"

#include <nlohmann/json.hpp>

#include "chain/links.h"
#include "common/table.h"
#include "common/value_of_text.h"
#include "reference/pearson_type3.h"
#include "reference/reference_windows.h"

namespace velmora::chain {

namespace {

std::optional<double> Number(std::string_view text) {
  if (text.find_first_not_of(' ') == std::string_view::npos || !IsPlainNumber(text)) {
    return std::nullopt;
  }
  return ValueOfText(text);
}

std::optional<double> ValueIn(const WindowState& state, std::string_view control) {
  const auto it = state.form.fields.find(control);
  return it == state.form.fields.end() ? std::nullopt : Number(it->second);
}

// Where a window keeps one formula's depths: general, local, total from the water surface,
// total below the bed (empty where the window has none).
struct FormulaFields {
  const char* name;
  const char* general;
  const char* local;
  const char* total;
  const char* below_bed;
};

struct ElementFields {
  const char* form;
  const char* key;
  const char* caption;
  bool abutment;
  const char* depth;        // the flow depth at the element
  const char* water_level;  // the window's own H, for the abutments
  std::vector<FormulaFields> formulas;
};

const std::vector<ElementFields>& Elements() {
  static const std::vector<ElementFields> elements{
      {"form3",
       "form3",
       "河槽桥墩（非粘性土）",
       false,
       "Text18",
       "",
       {{"64-1、65-1", "Text14", "Text15", "Text16", "Text17"},
        {"64-2、65-2", "Text19", "Text20", "Text21", "Text22"}}},
      {"Form19",
       "Form19",
       "河滩桥墩（非粘性土）",
       false,
       "Text16",
       "",
       {{"hp+hb(65-1)", "Text14", "Text17", "Text19", "Text21"},
        {"hp+hb(65-2)", "Text14", "Text18", "Text20", "Text22"}}},
      {"form1",
       "form1.channel",
       "河槽桥墩（粘性土）",
       false,
       "Text2",
       "",
       {{"hp+hb", "Text19", "Text20", "Text21", "Text25"}}},
      {"form1",
       "form1.floodplain",
       "河滩桥墩（粘性土）",
       false,
       "Text11",
       "",
       {{"hp+hb", "Text22", "Text23", "Text24", "Text26"}}},
      // 95-1, 95-2 and FHQA give the scour below the bed at the abutment's depth.
      {"Form29",
       "Form29",
       "桥台（非粘性土）",
       true,
       "Text7",
       "Text11",
       {{"95-1", "", "Text12", "", ""},
        {"95-2", "", "Text13", "", ""},
        {"FHQA", "", "Text14", "", ""}}},
      // Its hs is counted from the water surface; the bed's depth is not known there, so the
      // safety value is read at hs, on the safe side.
      {"Form30",
       "Form30",
       "桥台（粘性土）",
       true,
       "",
       "Text7",
       {{"hs", "", "Text5", "Text5", "Text5"}}},
  };
  return elements;
}

double Millimetres(double value) { return RoundToDecimals(value, 3); }

}  // namespace

double EmbedmentSafety(double below_bed, bool special_bridge) {
  const Table& table = FoundationDepthMarginTable();
  const std::string_view bridge_class = special_bridge ? "特殊大桥" : "一般桥梁";
  int row = -1;
  for (const TableCell& cell : table.cells) {
    if (CellText(cell) == bridge_class) row = cell.row;
  }
  std::vector<std::pair<double, double>> points;  // (total scour depth, safety value)
  for (int column = 1; column < table.columns; ++column) {
    const TableCell* value = CellAt(table, row, column);
    for (const TableCell& heading : table.cells) {
      if (heading.column == column && heading.role == CellRole::kHeading &&
          heading.column_span == 1 && IsPlainNumber(heading.text) && !heading.text.empty() &&
          value != nullptr && value->number) {
        points.emplace_back(ValueOfText(heading.text), *value->number);
      }
    }
  }
  if (points.empty()) return 0.0;
  if (below_bed <= points.front().first) return points.front().second;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const auto [x0, y0] = points[i - 1];
    const auto [x1, y1] = points[i];
    if (below_bed <= x1) return y0 + (y1 - y0) * (below_bed - x0) / (x1 - x0);
  }
  return points.back().second;
}

ScourSummary SummarizeScour(const Project& project) {
  const ChainState state = ReadChainState(project);
  ScourSummary summary;
  summary.water_level = Number(state.summary.water_level);
  summary.special_bridge = state.summary.special_bridge;
  for (const ElementFields& e : Elements()) {
    const auto it = project.windows.find(e.form);
    if (it == project.windows.end() || it->second.pressed.empty()) continue;
    const WindowState& window = it->second;
    ScourElement element{.key = e.key, .caption = e.caption, .abutment = e.abutment};
    element.water_level = e.abutment ? ValueIn(window, e.water_level) : summary.water_level;
    if (*e.depth != '\0') element.depth = ValueIn(window, e.depth);
    for (const FormulaFields& f : e.formulas) {
      ScourFormula formula{.name = f.name, .local = ValueIn(window, f.local)};
      if (*f.general != '\0') formula.general = ValueIn(window, f.general);
      if (*f.total != '\0') {
        const auto total = ValueIn(window, f.total);
        const auto below = ValueIn(window, f.below_bed);
        if (!total || !below) continue;
        formula.total = *total;
        formula.below_bed = *below;
      } else {
        // Scour below the bed at the abutment: the water depth there comes on top.
        if (!formula.local || !element.depth) continue;
        formula.below_bed = *formula.local;
        formula.total = *element.depth + *formula.local;
      }
      element.formulas.push_back(formula);
    }
    if (element.formulas.empty()) continue;
    for (std::size_t i = 1; i < element.formulas.size(); ++i) {
      if (element.formulas[i].total > element.formulas[element.governing].total) {
        element.governing = i;
      }
    }
    const ScourFormula& governing = element.formulas[element.governing];
    element.required = EmbedmentSafety(governing.below_bed, summary.special_bridge);
    if (element.water_level) element.scour_line = *element.water_level - governing.total;
    const auto foundation = state.summary.foundations.find(element.key);
    if (foundation != state.summary.foundations.end()) {
      element.foundation = Number(foundation->second);
    }
    if (element.scour_line && element.foundation) {
      element.embedment = Millimetres(*element.scour_line - *element.foundation);
      element.passes = *element.embedment >= Millimetres(*element.required);
    }
    summary.elements.push_back(std::move(element));
  }
  summary.flags = ProjectFlags(project);
  return summary;
}

std::string SummaryJson(const ScourSummary& summary) {
  using Json = nlohmann::ordered_json;
  const auto number = [](const std::optional<double>& value) {
    return value ? Json(Millimetres(*value)) : Json(nullptr);
  };
  Json root = Json::object();
  root["water_level"] = number(summary.water_level);
  root["bridge_class"] = summary.special_bridge ? "特殊大桥" : "一般桥梁";
  root["elements"] = Json::array();
  for (const ScourElement& e : summary.elements) {
    Json element = Json::object();
    element["key"] = e.key;
    element["caption"] = e.caption;
    element["water_level"] = number(e.water_level);
    element["depth"] = number(e.depth);
    element["formulas"] = Json::array();
    for (const ScourFormula& f : e.formulas) {
      element["formulas"].push_back({{"name", f.name},
                                     {"general", number(f.general)},
                                     {"local", number(f.local)},
                                     {"total", Millimetres(f.total)},
                                     {"below_bed", Millimetres(f.below_bed)}});
    }
    element["governing"] = e.formulas[e.governing].name;
    element["total"] = Millimetres(e.formulas[e.governing].total);
    element["below_bed"] = Millimetres(e.formulas[e.governing].below_bed);
    element["scour_line"] = number(e.scour_line);
    element["foundation"] = number(e.foundation);
    element["embedment"] = number(e.embedment);
    element["required"] = number(e.required);
    element["passes"] = e.passes ? Json(*e.passes) : Json(nullptr);
    root["elements"].push_back(std::move(element));
  }
  root["flags"] = Json::array();
  for (const Flag& f : summary.flags) {
    root["flags"].push_back({{"form", f.form}, {"control", f.control}, {"text", f.text}});
  }
  return root.dump();
}

}  // namespace velmora::chain
