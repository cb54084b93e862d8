#include "opening/unit_width_opening_length.h"

#include "common/press.h"
#include "opening/opening_layout.h"

namespace velmora {

FlowDistribution FlowDistributionCoefficient(Real qc, Real qt) {
  FlowDistribution r;
  r.ratio = qc / qt;
  r.power = Pow(r.ratio, 0.1);
  r.beta = ToSingle(1.19 * r.power);
  return r;
}

UnitWidthOpeningResult UnitWidthOpeningLength(Real qp, const FlowDistribution& flow, Real qc) {
  UnitWidthOpeningResult r;
  r.flow = flow;
  r.beta_q = flow.beta * qc;
  r.lj = ToSingle(qp / r.beta_q);
  return r;
}

namespace {

void Compute(Press& press) {
  const Real qp = press.Read("Text1");
  const Real channel_q = press.Read("Text2");
  const Real floodplain_q = press.Read("Text3");
  // β comes before qc is read, so its faults come first.
  const FlowDistribution flow = FlowDistributionCoefficient(channel_q, floodplain_q);
  const Real unit_q = press.Read("Text4");
  const UnitWidthOpeningResult r = UnitWidthOpeningLength(qp, flow, unit_q);
  press.SetResult("Text5", r.lj, "####.###");
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
                       InputField("Text1", "Label1", "设计流量Qp（m*3/s）："),
                       InputField("Text2", "Label2", "河槽流量Qc（m*3/s）："),
                       InputField("Text3", "Label4", "河滩流量Qt（m*3/s）："),
                       InputField("Text4", "Label5", "河槽平均单宽流量qc（m*3/s·m）："),
                   }},
              {.control = "Frame2",
               .caption = "计算结果",
               .place = {.row = 1, .column = 0},
               .items = {ResultField("Text5", "Label3", "桥孔最小净长度（m）：")}},
              {.framed = false,
               .place = {.row = 0, .column = 1},
               .items = {opening::ComputeButton(&Compute), opening::ExitButton()}},
              {.framed = false,
               .place = {.row = 1, .column = 1},
               .items = {opening::ApplicabilityButton("单宽流量公式适用于宽滩河段。")}},
          },
  };
  return window;
}

}  // namespace velmora
