// SPDX-License-Identifier: GPL-3.0-or-later
// The scour summary: every pier and abutment the project has calculated, its governing scour,
// the lowest scour line, and the foundation's embedment below it checked against the safety
// values for non-rock beds.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chain/plausibility.h"
#include "project/project.h"

namespace velmora::chain {

/// One formula (pair) of a window: depths in m, `total` below the water surface, `below_bed`
/// below the bed.
struct ScourFormula {
  std::string name;
  std::optional<double> general;  // hp, from the water surface
  std::optional<double> local;    // hb (hs for an abutment)
  double total = 0.0;
  double below_bed = 0.0;
};

struct ScourElement {
  std::string key;      // "form3", "form1.channel", ...: the foundation's key
  std::string caption;  // "河槽桥墩（非粘性土）"
  bool abutment = false;
  std::optional<double> water_level;  // H, m
  std::optional<double> depth;        // flow depth at the element, m
  std::vector<ScourFormula> formulas;
  std::size_t governing = 0;         // the formula with the larger total
  std::optional<double> scour_line;  // 最低冲刷线高程 = H − total
  std::optional<double> foundation;  // the foundation bottom's elevation, as entered
  std::optional<double> embedment;   // scour line − foundation bottom
  std::optional<double> required;    // safety value for the total below the bed
  std::optional<bool> passes;
};

struct ScourSummary {
  std::optional<double> water_level;
  bool special_bridge = false;
  std::vector<ScourElement> elements;
  std::vector<Flag> flags;
};

/// The embedment safety value (m) for a total scour depth below the bed (m), interpolated in
/// the 墩台基底埋深安全值 table between its 0…20 m columns, its end values beyond them.
double EmbedmentSafety(double below_bed, bool special_bridge);

/// The summary of what the project holds.
ScourSummary SummarizeScour(const Project& project);

/// The summary as one JSON object, numbers to the millimetre.
std::string SummaryJson(const ScourSummary& summary);

}  // namespace velmora::chain
