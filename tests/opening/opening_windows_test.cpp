// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "common/press.h"
#include "common/registry.h"
#include "opening/channel_width_opening_length.h"
#include "opening/sediment_balance_opening_length.h"
#include "opening/unit_width_opening_length.h"

namespace velmora {
namespace {

struct NoteCase {
  const char* name;
  const Window& (*window)();
  const char* note;
};

class OpeningNotesTest : public testing::TestWithParam<NoteCase> {};

TEST_P(OpeningNotesTest, ApplicabilityNoteAndExit) {
  const Window& window = GetParam().window();
  const FormState state = DefaultState(window);
  const Effects note = PressButton(window, "Command3", state);
  ASSERT_EQ(note.size(), 1U);
  EXPECT_EQ(std::get<effect::Message>(note[0]),
            (effect::Message{" ^_^ 温馨提示", GetParam().note, false}));
  const Effects exit = PressButton(window, "Command2", state);
  ASSERT_EQ(exit.size(), 1U);
  EXPECT_TRUE(std::holds_alternative<effect::Close>(exit[0]));
}

INSTANTIATE_TEST_SUITE_P(
    Table, OpeningNotesTest,
    testing::Values(
        NoteCase{"ChannelWidth", &Form35,
                 "河槽宽度公式适用于开阔、顺直微弯、分汊、弯曲河段及滩、槽可分的不稳定河段。"},
        NoteCase{"UnitWidth", &Form36, "单宽流量公式适用于宽滩河段。"},
        NoteCase{"SedimentBalance", &Form45, "输沙平衡公式适用于滩、槽难分的不稳定河段。"}),
    [](const testing::TestParamInfo<NoteCase>& info) { return std::string(info.param.name); });

TEST(OpeningWindowsTest, OnlyTheCoefficientLabelsOfForm35React) {
  // Kq opens its table on a double-click, n3 on a single click.
  const Label* kq = FindLabel(Form35(), "Label4");
  const Label* n3 = FindLabel(Form35(), "Label5");
  ASSERT_NE(kq, nullptr);
  ASSERT_NE(n3, nullptr);
  EXPECT_EQ(kq->event, LabelEvent::kDoubleClick);
  EXPECT_EQ(n3->event, LabelEvent::kClick);
  EXPECT_EQ(std::get<OpenAction>(kq->action).form, "Form47");
  EXPECT_EQ(std::get<OpenAction>(n3->action).form, "Form47");
  for (const Window* window : OpeningWindows()) {
    for (const Label* label : Labels(*window)) {
      if (label == kq || label == n3) continue;
      EXPECT_EQ(label->event, LabelEvent::kNone) << window->form << " " << label->control;
    }
  }
}

}  // namespace
}  // namespace velmora
