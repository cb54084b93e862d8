// SPDX-License-Identifier: GPL-3.0-or-later
#include "opening/sediment_balance_opening_length.h"

#include "book/chapter.h"
#include "common/press.h"
#include "opening/opening_layout.h"

namespace velmora {

SedimentBalanceResult SedimentBalanceOpeningLength(Real qp, std::int32_t q2, Real q_mean,
                                                   Single d) {
  SedimentBalanceResult r;
  SedimentBalanceOpeningLength({.qp = qp, .q2 = q2, .q_mean = q_mean, .d = d}, r);
  return r;
}

void SedimentBalanceOpeningLength(const SedimentBalanceInput& in, SedimentBalanceResult& r) {
  r.mean_power = Pow(in.q_mean, 0.24);
  r.grain_power = Pow(in.d, 0.3);
  r.bo = 16.07 * (r.mean_power / r.grain_power);
  r.ratio = in.qp / Real(in.q2);
  r.ratio_factor = ToSingle(Pow(r.ratio, 0.33));
  r.lj = ToSingle(r.ratio_factor * r.bo);
}

SedimentBalanceInput ReadSedimentBalanceInput(const Press& press) {
  SedimentBalanceInput in;
  in.qp = press.Read("Text1");
  // Q2% is a whole number. 32 bits, not 16: a 2 % flood of 32768 m³/s or more is common on
  // large rivers and must not overflow.
  in.q2 = ToInt32(press.Read("Text2"));
  in.q_mean = press.Read("Text3");
  in.d = press.ReadSingle("Text4");
  return in;
}

namespace {

void Compute(Press& press) {
  SedimentBalanceResult r;
  SedimentBalanceOpeningLength(ReadSedimentBalanceInput(press), r);
  press.SetResult("Text5", r.bo, "####.###");
  press.SetResult("Text6", r.lj, "####.###");
}

void WriteChapter(book::Chapter& ch) {
  ch.Basis(
      "《公路桥位勘测设计规范》JTJ 062-91 输沙平衡公式：B_o = 16.07Q̄^{0.24}/d^{0.3}，L_j = "
      "(Q_p/Q_{2%})^{0.33}B_o");
  SedimentBalanceInput in;
  ch.Read([&] { in = ReadSedimentBalanceInput(ch.press()); });
  ch.Inputs({"Text1", "Text2", "Text3", "Text4"});
  SedimentBalanceResult r;
  ch.Step("qm", "年最大流量平均值的0.24次方", "a", "[Text3]^{0.24}", r.mean_power);
  ch.Step("dp", "粒径的0.3次方", "b", "[Text4]^{0.3}", r.grain_power);
  ch.Step("bo", "基本河槽宽度", "B_o", "16.07×([qm]/[dp])", r.bo, "m");
  ch.Step("ratio", "设计流量与Q_{2%}之比", "k", "[Text1]/[Text2]", r.ratio);
  ch.Step("factor", "流量比的0.33次方", "K", "[ratio]^{0.33}", r.ratio_factor);
  ch.Step("lj", "桥孔最小净长度", "L_j", "[factor]×[bo]", r.lj, "m");
  ch.Run([&] { SedimentBalanceOpeningLength(in, r); });
}

}  // namespace

const Window& Form45() {
  static const Window window{
      .form = "Form45",
      .caption = "桥孔长度的计算—输沙平衡公式",
      .blocks = opening::ResultsBesideInputs(
          {
              InputField("Text1", "Label1", "设计流量Qp(m*3/s)：").Is("Q_p", "m³/s"),
              InputField("Text2", "Label2", "频率为2%的洪水流量Q2%(m*3/s)：").Is("Q_{2%}", "m³/s"),
              InputField("Text3", "Label3", "年最大流量平均值Q~(m*3/s)：").Is("Q̄", "m³/s"),
              InputField("Text4", "Label5", "河床泥沙平均粒径d(m)：").Is("d", "m"),
          },
          {
              ResultField("Text5", "Label6", "基本河槽宽度Bo(m)：").Is("B_o", "m"),
              ResultField("Text6", "Label7", "桥孔最小净长度Lj(m)：").Is("L_j", "m"),
          },
          &Compute, &WriteChapter, "输沙平衡公式适用于滩、槽难分的不稳定河段。"),
  };
  return window;
}

}  // namespace velmora
