// SPDX-License-Identifier: GPL-3.0-or-later
// Small windows that lead from a label of the rainstorm calculator to the material it needs.
#include "reference/reference_windows.h"

namespace velmora {
namespace {

constexpr std::string_view kNoteTitle = " ^_^ 温馨提示";

Window ChoiceWindow(std::string_view form, std::string_view caption, std::vector<Item> buttons) {
  return {.form = form,
          .caption = caption,
          .kind = WindowKind::kChoice,
          .blocks = {{.framed = false, .items = std::move(buttons)}}};
}

}  // namespace

const Window& Form12() {
  // Each note names its own map: 1 %, 2 % and 4 % stand on pages 523 to 525.
  static const Window window = ChoiceWindow(
      "Form12", "暴雨等直线图（Sp）",
      {Button{"Command1", "一、暴雨等直线图Sp（P＝1％）",
              HintAction{kNoteTitle, "暴雨等直线图(Sp=1%)见《公路桥涵设计手册（涵洞）》523页"}},
       Button{"Command2", "二、暴雨等直线图Sp（P＝2％）",
              HintAction{kNoteTitle, "暴雨等直线图(Sp=2%)见《公路桥涵设计手册（涵洞）》524页"}},
       Button{"Command3", "三、暴雨等直线图Sp（P＝4％）",
              HintAction{kNoteTitle, "暴雨等直线图(Sp=4%)见《公路桥涵设计手册（涵洞）》525页"}}});
  return window;
}

const Window& Form13() {
  static const Window window = ChoiceWindow(
      "Form13", "暴雨递减指数n值分区图表",
      {Button{
           "Command1", "一、暴雨递减指数n值分区图",
           HintAction{kNoteTitle, "《暴雨递减指数n值分区图》见《公路桥涵设计手册（涵洞）》526页"}},
       Button{"Command2", "二、暴雨递减指数n值分区表", OpenAction{"Form14"}}});
  return window;
}

const Window& Form16() {
  static const Window window =
      ChoiceWindow("Form16", "土壤植被分类及系数指数值",
                   {Button{"Command1", "土壤植被分类", OpenAction{"Form15"}},
                    Button{"Command2", "损失参数的分区和系数指数值", OpenAction{"Form11"}},
                    Button{"Command3", "汇流时间分区和系数指数表", OpenAction{"Form10"}}});
  return window;
}

}  // namespace velmora
