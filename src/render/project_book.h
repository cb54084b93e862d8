// SPDX-License-Identifier: GPL-3.0-or-later
// The project's book: a cover, the contents, the chapters of every calculated window in the
// chain's order, and the signatures.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "book/document.h"
#include "chain/scour_summary.h"
#include "project/project.h"
#include "project/recalculate.h"

namespace velmora::render {

/// What the cover and the signatures say about the project.
struct ProjectInfo {
  std::string project_name;  // 工程名称, also the page header
  std::string bridge_name;   // 桥名
  std::string route;         // 路线及桩号
  std::string design_unit;   // 设计单位
  std::string date;          // as it should be printed, e.g. "2026年12月10日"
  std::string calculated_by;
  std::string checked_by;
  std::string approved_by;
};

/// The whole book from the chapters in the order given (the chain's order; the design water
/// level's chapter carries its report). Each chapter starts on a new page, its level-1 heading
/// numbered; the chapters' own signature lines give way to one block for 计算 / 复核 / 审核 at
/// the end.
book::Document AssembleProjectBook(const ProjectInfo& info,
                                   const std::vector<book::Document>& chapters);

/// The book of a project as it stands: its chain pressed again in order on a copy (as
/// 全部重新计算 and `velmora-calc --project` do), a chapter for each press with the chain's
/// doubtful values as 注意 lines in their window's chapter, and the scour summary as the closing
/// chapter when piers or abutments were calculated. An empty date is today's. Nullopt when no
/// window of the project has been calculated.
std::optional<book::Document> ProjectBook(const Project& project);
/// The same from a project already recalculated in place and the presses that did it, for a
/// caller that needs the recalculation itself too.
std::optional<book::Document> ProjectBook(const Project& recalculated,
                                          const std::vector<ProjectPress>& presses);

/// The closing chapter: the scour summary's rows as the 冲刷汇总 window shows them.
book::Document ScourSummaryChapter(const chain::ScourSummary& summary);

}  // namespace velmora::render
