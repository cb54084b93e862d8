// SPDX-License-Identifier: GPL-3.0-or-later
#include "opening/opening_layout.h"

#include <utility>

namespace velmora::opening {

Button ComputeButton(Handler compute, ChapterWriter chapter) {
  return {"Command1", "计  算", compute, chapter};
}

Button ExitButton() { return {"Command2", "退  出", CloseAction{}}; }

Button ApplicabilityButton(std::string_view note) {
  return {"Command3", "公式适用情况", HintAction{" ^_^ 温馨提示", note}};
}

std::vector<Block> ResultsBesideInputs(std::vector<Item> inputs, std::vector<Item> results,
                                       Handler compute, ChapterWriter chapter,
                                       std::string_view note) {
  return {
      {.control = "Frame1",
       .caption = "计算数据",
       .place = {.row = 0, .column = 0, .row_span = 3},
       .items = std::move(inputs)},
      {.control = "Frame2",
       .caption = "计算结果",
       .place = {.row = 0, .column = 1},
       .items = std::move(results)},
      {.framed = false,
       .arrangement = Arrangement::kRow,
       .place = {.row = 1, .column = 1},
       .items = {ComputeButton(compute, chapter), ExitButton()}},
      {.framed = false,
       .arrangement = Arrangement::kRow,
       .place = {.row = 2, .column = 1},
       .items = {ApplicabilityButton(note)}},
  };
}

}  // namespace velmora::opening
