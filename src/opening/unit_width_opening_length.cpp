// SPDX-License-Identifier: GPL-3.0-or-later
#include "opening/unit_width_opening_length.h"

#include "book/chapter.h"
#include "common/press.h"
#include "opening/opening_layout.h"

namespace velmora {

FlowDistribution FlowDistributionCoefficient(Real qc, Real qt) {
  FlowDistribution r;
  FlowDistributionCoefficient(qc, qt, r);
  return r;
}

void FlowDistributionCoefficient(Real qc, Real qt, FlowDistribution& r) {
  r.ratio = qc / qt;
  r.power = Pow(r.ratio, 0.1);
  r.beta = ToSingle(1.19 * r.power);
}

UnitWidthOpeningResult UnitWidthOpeningLength(Real qp, const FlowDistribution& flow, Real qc) {
  UnitWidthOpeningResult r;
  r.flow = flow;
  UnitWidthOpeningLength(qp, qc, r);
  return r;
}

void UnitWidthOpeningLength(Real qp, Real qc, UnitWidthOpeningResult& r) {
  r.beta_q = r.flow.beta * qc;
  r.lj = ToSingle(qp / r.beta_q);
}

void UnitWidthOpeningPress(const Press& press, UnitWidthOpeningInput& in,
                           UnitWidthOpeningResult& r) {
  in.qp = press.Read("Text1");
  in.qc = press.Read("Text2");
  in.qt = press.Read("Text3");
  FlowDistributionCoefficient(in.qc, in.qt, r.flow);
  in.unit_q = press.Read("Text4");
  UnitWidthOpeningLength(in.qp, in.unit_q, r);
}

namespace {

void Compute(Press& press) {
  UnitWidthOpeningInput in;
  UnitWidthOpeningResult r;
  UnitWidthOpeningPress(press, in, r);
  press.SetResult("Text5", r.lj, "####.###");
}

void WriteChapter(book::Chapter& ch) {
  ch.Basis(
      "《公路桥位勘测设计规范》JTJ 062-91 单宽流量公式：L_j = Q_p/(βq_c)，β = "
      "1.19(Q_c/Q_t)^{0.10}");
  ch.Inputs({"Text1", "Text2", "Text3", "Text4"});
  UnitWidthOpeningInput in;
  UnitWidthOpeningResult r;
  ch.Step("ratio", "河槽流量与河滩流量之比", "k", "[Text2]/[Text3]", r.flow.ratio);
  ch.Step("power", "流量比的0.1次方", "K", "[ratio]^{0.1}", r.flow.power);
  ch.Step("beta", "水流压缩系数", "β", "1.19×[power]", r.flow.beta);
  ch.Step("bq", "β与单宽流量之积", "βq_c", "[beta]×[Text4]", r.beta_q, "m³/(s·m)");
  ch.Step("lj", "桥孔最小净长度", "L_j", "[Text1]/[bq]", r.lj, "m");
  // The inputs are read as the press reads them, between the steps.
  ch.Run([&] { UnitWidthOpeningPress(ch.press(), in, r); });
}

}  // namespace

const Window& Form36() {
  static const Window window{
      .form = "Form36",
      .caption = "桥孔长度的计算—单宽流量公式",
      .blocks =
          {
              {.control = "Frame1",
               .caption = "计算数据",
               .place = {.row = 0, .column = 0},
               .items =
                   {
                       InputField("Text1", "Label1", "设计流量Qp（m*3/s）：").Is("Q_p", "m³/s"),
                       InputField("Text2", "Label2", "河槽流量Qc（m*3/s）：").Is("Q_c", "m³/s"),
                       InputField("Text3", "Label4", "河滩流量Qt（m*3/s）：").Is("Q_t", "m³/s"),
                       InputField("Text4", "Label5", "河槽平均单宽流量qc（m*3/s·m）：")
                           .Is("q_c", "m³/(s·m)"),
                   }},
              {.control = "Frame2",
               .caption = "计算结果",
               .place = {.row = 1, .column = 0},
               .items = {ResultField("Text5", "Label3", "桥孔最小净长度（m）：").Is("L_j", "m")}},
              {.framed = false,
               .place = {.row = 0, .column = 1},
               .items = {opening::ComputeButton(&Compute, &WriteChapter), opening::ExitButton()}},
              {.framed = false,
               .place = {.row = 1, .column = 1},
               .items = {opening::ApplicabilityButton("单宽流量公式适用于宽滩河段。")}},
          },
  };
  return window;
}

}  // namespace velmora
