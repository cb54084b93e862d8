// SPDX-License-Identifier: GPL-3.0-or-later
#include "scour/cohesive_abutment_scour.h"

#include "book/chapter.h"
#include "common/press.h"

namespace velmora {

CohesiveAbutmentScourResult CohesiveAbutmentScour(Real q, Real b, Real ld, Real il,
                                                  Single water_level) {
  CohesiveAbutmentScourResult r;
  CohesiveAbutmentScour({.q = q, .b = b, .ld = ld, .il = il, .water_level = water_level}, r);
  return r;
}

void CohesiveAbutmentScour(const CohesiveAbutmentInput& in, CohesiveAbutmentScourResult& r) {
  r.blocked = in.ld / in.b;
  r.q = ToSingle(in.q / in.b);
  r.e = 1.05 * Exp(1.97 * r.blocked);
  r.hs = Pow((r.q * in.il) * (3.0 / (1.0 - r.blocked) + r.e), 5.0 / 8.0);
  r.z_min = ToSingle(in.water_level - r.hs);
}

CohesiveAbutmentInput ReadCohesiveAbutmentInput(const Press& press) {
  CohesiveAbutmentInput in;
  in.q = press.Read("Text1");
  in.b = press.Read("Text2");
  in.ld = press.Read("Text3");
  in.il = press.Read("Text4");
  in.water_level = press.ReadSingle("Text7");
  return in;
}

namespace {

constexpr std::string_view kIlNote = "本公式中粘性土的液性指数IL的范围为0.16~1.19。";

void WriteChapter(book::Chapter& ch) {
  ch.Basis("《公路桥位勘测设计规范》JTJ 062-91 粘性土河床桥台冲刷公式");
  CohesiveAbutmentInput in;
  ch.Read([&] { in = ReadCohesiveAbutmentInput(ch.press()); });
  ch.Inputs({"Text1", "Text2", "Text3", "Text4", "Text7"});
  CohesiveAbutmentScourResult r;
  ch.Step("blocked", "阻水长度与水面宽度之比", "r", "[Text3]/[Text2]", r.blocked);
  ch.Step("q", "天然河床单宽流量", "q", "[Text1]/[Text2]", r.q, "m³/(s·m)");
  ch.Step("e", "系数", "e_1", "1.05×e^{1.97×[blocked]}", r.e);
  ch.Step("hs", "最大冲刷深度", "h_s", "([q]×[Text4]×(3/(1−[blocked])+[e]))^{5/8}", r.hs, "m");
  ch.Step("z", "最低冲刷线标高", "Z_{min}", "[Text7]−[hs]", r.z_min, "m");
  ch.Run([&] { CohesiveAbutmentScour(in, r); });
}

void Compute(Press& press) {
  CohesiveAbutmentScourResult r;
  CohesiveAbutmentScour(ReadCohesiveAbutmentInput(press), r);
  press.Set("Text5", "");
  press.Set("Text6", "");
  press.SetResult("Text5", r.hs, "###.###");
  press.SetResult("Text6", r.z_min, "####.###");
}

}  // namespace

const Window& Form30() {
  static const Window window{
      .form = "Form30",
      .caption = "粘性土河床桥台冲刷计算",
      .blocks =
          {
              {.control = "Frame1",
               .caption = "计算参数",
               .place = {.row = 0, .column = 0, .row_span = 3},
               .items =
                   {
                       InputField("Text1", "Label1", "天然状态下河床流量Q(m*3/s)：", "50")
                           .Is("Q", "m³/s"),
                       InputField("Text2", "Label2", "天然状态下河床水面宽度B(m)：", "20")
                           .Is("B", "m"),
                       InputField("Text3", "Label3", "桥台、路堤阻水长度LD(m)：", "10")
                           .Is("L_D", "m"),
                       Field{.control = "Text4",
                             .label = {.control = "Label4",
                                       .caption = "粘性土的液性指数IL：",
                                       .event = LabelEvent::kDoubleClick,
                                       .action = HintAction{" ^_^ 提示", kIlNote}},
                             .default_text = "0.2"}
                           .Is("I_L")
                           .Within(0.16, 1.19),
                   }},
              {.framed = false,
               .place = {.row = 0, .column = 1},
               .items =
                   {InputField("Text7", "Label7", "设计水位标高(m)：", "1500.00").Is("Z_s", "m")}},
              {.control = "Frame2",
               .caption = "桥台冲刷计算结果",
               .place = {.row = 1, .column = 1},
               .items =
                   {
                       ResultField("Text5", "Label5", "最大冲刷深度hs(m)：", kSongItalic)
                           .Is("h_s", "m"),
                       ResultField("Text6", "Label6", "最低冲刷线标高(m)：", kSongItalic)
                           .Is("Z_{min}", "m"),
                   }},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 2, .column = 1},
               .items =
                   {
                       Button{"Command1", "计 算", &Compute, &WriteChapter},
                       Button{"Command2", "退 出", CloseAction{}},
                   }},
          },
  };
  return window;
}

}  // namespace velmora
