// SPDX-License-Identifier: GPL-3.0-or-later
// The project's book: a cover, the contents, the chapters of every calculated window in the
// chain's order, and the signatures.
#pragma once

#include <string>
#include <vector>

#include "book/document.h"

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

}  // namespace velmora::render
