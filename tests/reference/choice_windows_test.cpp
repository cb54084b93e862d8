// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "common/press.h"
#include "common/registry.h"
#include "reference/reference_windows.h"

namespace velmora {
namespace {

struct ChoiceButton {
  const char* name;
  const Window& (*window)();
  const char* control;
  const char* caption;
  Effect effect;  // what pressing it does
};

class ChoiceWindowTest : public testing::TestWithParam<ChoiceButton> {};

TEST_P(ChoiceWindowTest, PressShowsItsNoteOrOpensItsTable) {
  const ChoiceButton& c = GetParam();
  const Window& window = c.window();
  EXPECT_EQ(window.kind, WindowKind::kChoice);
  const Button* button = FindButton(window, c.control);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->caption, c.caption);
  EXPECT_EQ(PressButton(window, c.control, DefaultState(window)), Effects{c.effect});
}

effect::Message Note(const char* text) { return {.title = " ^_^ 温馨提示", .text = text}; }

// The notes point to the maps' pages in the culvert volume of the highway bridge handbook; each
// of the three isoline notes names its own frequency.
INSTANTIATE_TEST_SUITE_P(
    Buttons, ChoiceWindowTest,
    testing::Values(
        ChoiceButton{"Form12OnePercent", Form12, "Command1", "一、暴雨等直线图Sp（P＝1％）",
                     Note("暴雨等直线图(Sp=1%)见《公路桥涵设计手册（涵洞）》523页")},
        ChoiceButton{"Form12TwoPercent", Form12, "Command2", "二、暴雨等直线图Sp（P＝2％）",
                     Note("暴雨等直线图(Sp=2%)见《公路桥涵设计手册（涵洞）》524页")},
        ChoiceButton{"Form12FourPercent", Form12, "Command3", "三、暴雨等直线图Sp（P＝4％）",
                     Note("暴雨等直线图(Sp=4%)见《公路桥涵设计手册（涵洞）》525页")},
        ChoiceButton{"Form13Map", Form13, "Command1", "一、暴雨递减指数n值分区图",
                     Note("《暴雨递减指数n值分区图》见《公路桥涵设计手册（涵洞）》526页")},
        ChoiceButton{"Form13Table", Form13, "Command2", "二、暴雨递减指数n值分区表",
                     effect::Open{"Form14"}},
        ChoiceButton{"Form16Soil", Form16, "Command1", "土壤植被分类", effect::Open{"Form15"}},
        ChoiceButton{"Form16Loss", Form16, "Command2", "损失参数的分区和系数指数值",
                     effect::Open{"Form11"}},
        ChoiceButton{"Form16Concentration", Form16, "Command3", "汇流时间分区和系数指数表",
                     effect::Open{"Form10"}}),
    [](const testing::TestParamInfo<ChoiceButton>& info) { return info.param.name; });

}  // namespace
}  // namespace velmora
