// SPDX-License-Identifier: GPL-3.0-or-later
#include "opening/channel_width_opening_length.h"

#include "book/chapter.h"
#include "common/press.h"
#include "opening/opening_layout.h"

namespace velmora {

ChannelWidthOpeningResult ChannelWidthOpeningLength(Real qp, Real qc, Real bc, Real kq, Single n3) {
  ChannelWidthOpeningResult r;
  ChannelWidthOpeningLength({.qp = qp, .qc = qc, .bc = bc, .kq = kq, .n3 = n3}, r);
  return r;
}

void ChannelWidthOpeningLength(const ChannelWidthOpeningInput& in, ChannelWidthOpeningResult& r) {
  r.ratio = in.qp / in.qc;
  r.power = Pow(r.ratio, in.n3);
  r.lj = ToSingle(in.kq * r.power * in.bc);
}

ChannelWidthOpeningInput ReadChannelWidthOpeningInput(const Press& press) {
  ChannelWidthOpeningInput in;
  in.qp = press.Read("Text1");
  in.qc = press.Read("Text2");
  in.bc = press.Read("Text3");
  in.kq = press.Read("Text4");
  in.n3 = press.ReadSingle("Text5");
  return in;
}

namespace {

void Compute(Press& press) {
  ChannelWidthOpeningResult r;
  ChannelWidthOpeningLength(ReadChannelWidthOpeningInput(press), r);
  press.SetResult("Text6", r.lj, "####.###");
}

void WriteChapter(book::Chapter& ch) {
  ch.Basis("《公路桥位勘测设计规范》JTJ 062-91 河槽宽度公式：L_j = K_q(Q_p/Q_c)^{n3}B_c");
  ChannelWidthOpeningInput in;
  ch.Read([&] { in = ReadChannelWidthOpeningInput(ch.press()); });
  ch.Inputs({"Text1", "Text2", "Text3", "Text4", "Text5"});
  ChannelWidthOpeningResult r;
  ch.Step("ratio", "设计流量与河槽流量之比", "k", "[Text1]/[Text2]", r.ratio);
  ch.Step("power", "流量比的n_3次方", "K", "[ratio]^{[Text5]}", r.power);
  ch.Step("lj", "桥孔最小净长", "L_j", "[Text4]×[power]×[Text3]", r.lj, "m");
  ch.Run([&] { ChannelWidthOpeningLength(in, r); });
}

}  // namespace

const Window& Form35() {
  static const Window window{
      .form = "Form35",
      .caption = "桥孔长度的计算—河槽宽度公式",
      .blocks = opening::ResultsBesideInputs(
          {
              InputField("Text1", "Label1", "设计流量Qp（m*3/s）：").Is("Q_p", "m³/s"),
              InputField("Text2", "Label2", "河槽流量Qc（m*3/s）：").Is("Q_c", "m³/s"),
              InputField("Text3", "Label3", "河槽宽度Bc（m）：").Is("B_c", "m"),
              // Kq and n3 depend on the reach type; both labels lead to their table.
              ExplainedField("Text4", "Label4", "系数Kq：", "", OpenAction{"Form47"})
                  .Is("K_q")
                  .Within(0.69, 0.95),
              InputField("Text5", "Label5", "系数n3：", {}, LabelEvent::kClick,
                         OpenAction{"Form47"})
                  .Is("n_3")
                  .Within(0.87, 1.59),
          },
          {ResultField("Text6", "Label6", "桥孔最小净长（m）：").Is("L_j", "m")}, &Compute,
          &WriteChapter,
          "河槽宽度公式适用于开阔、顺直微弯、分汊、弯曲河段及滩、槽可分的不稳定河段。"),
  };
  return window;
}

}  // namespace velmora
