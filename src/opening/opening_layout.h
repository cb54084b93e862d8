// SPDX-License-Identifier: GPL-3.0-or-later
// Controls and arrangements that the three opening-length windows share.
#pragma once

#include <string_view>
#include <vector>

#include "common/window.h"

namespace velmora::opening {

/// "计  算" (`Command1`) running the window's computation.
Button ComputeButton(Handler compute, ChapterWriter chapter);
/// "退  出" (`Command2`).
Button ExitButton();
/// "公式适用情况" (`Command3`): where the formula applies, as a friendly hint.
Button ApplicabilityButton(std::string_view note);

/// Inputs in "计算数据" on the left; "计算结果" at the top right with, below it, "计  算" and
/// "退  出" side by side and "公式适用情况" under them.
std::vector<Block> ResultsBesideInputs(std::vector<Item> inputs, std::vector<Item> results,
                                       Handler compute, ChapterWriter chapter,
                                       std::string_view note);

}  // namespace velmora::opening
