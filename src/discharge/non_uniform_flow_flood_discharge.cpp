#include "discharge/non_uniform_flow_flood_discharge.h"

#include "common/press.h"

namespace velmora {

Real PartConveyance(Real area, Real perimeter, Real roughness) {
  const Real radius = area / perimeter;
  const Real e = 2.0 / 3.0;
  const Real power = Pow(radius, e);
  const Real ar = area * power;
  // The labels invite 1/n as well; natural channels have n of a few hundredths, so an entry above
  // 1 can only be 1/n (dividing by it would give a conveyance hundreds of times too small).
  if (roughness > 1.0) return ar * roughness;
  return ar / roughness;
}

NonUniformFlowResult NonUniformFlowFloodDischarge(const FloodSection& upstream, Single h1,
                                                  const FloodSection& downstream, Single h2,
                                                  Real length, Single xi) {
  NonUniformFlowResult r;
  r.dh = ToSingle(h1 - h2);
  const auto conveyance = [](const FloodSection& s) {
    const Real channel = PartConveyance(s.ac, s.chi_c, s.nc);
    const Real floodplain = PartConveyance(s.at, s.chi_t, s.nt);
    return channel + floodplain;
  };
  r.k1 = conveyance(upstream);
  r.k2 = conveyance(downstream);
  r.k_mean = ToSingle((r.k1 + r.k2) / 2.0);
  // 19.6 = 2g.
  r.c = (1.0 - xi) / 19.6;
  r.k_mean_sq = r.k_mean * r.k_mean;
  r.omega1 = upstream.ac + upstream.at;
  r.omega2 = downstream.ac + downstream.at;
  const Real upper = r.k_mean_sq / (r.omega1 * r.omega1);
  const Real lower = r.k_mean_sq / (r.omega2 * r.omega2);
  r.d = upper - lower;
  r.denominator = length - r.c * r.d;
  const Real ratio = r.dh / r.denominator;
  r.q = ToSingle(r.k_mean * Pow(ratio, 0.5));
  return r;
}

namespace {

void Compute(Press& press) {
  // Widths (Bc, Bt) are read in their turn but used by no formula.
  FloodSection up;
  up.ac = press.Read("Text1");
  up.at = press.Read("Text2");
  up.chi_c = press.Read("Text3");
  up.chi_t = press.Read("Text4");
  press.Read("Text5");
  press.Read("Text6");
  up.nc = press.Read("Text7");
  up.nt = press.Read("Text8");
  const Single h1 = press.ReadSingle("Text9");
  FloodSection down;
  down.ac = press.Read("Text11");
  down.at = press.Read("Text12");
  down.chi_c = press.Read("Text13");
  down.chi_t = press.Read("Text14");
  press.Read("Text15");
  press.Read("Text16");
  down.nc = press.Read("Text17");
  down.nt = press.Read("Text18");
  const Single h2 = press.ReadSingle("Text10");
  const Real length = press.Read("Text21");
  const Single xi = press.ReadSingle("Text22");
  const NonUniformFlowResult r = NonUniformFlowFloodDischarge(up, h1, down, h2, length, xi);
  press.SetResult("Text23", r.q, "#####.###");
}

Field Input(std::string_view control, std::string_view label_control, std::string_view caption) {
  return {.control = control, .label = {.control = label_control, .caption = caption}};
}

}  // namespace

const Window& Form32() {
  static const Window window{
      .form = "Form32",
      .caption = "稳定非均匀流洪峰流量的推算",
      .blocks =
          {
              {.control = "Frame1(0)",
               .caption = "上游断面参数输入",
               .place = {.row = 0, .column = 0},
               .items =
                   {
                       Input("Text1", "Label1", "河槽过水面积Ac1(m*2):"),
                       Input("Text2", "Label9", "河滩过水面积At1(m*2):"),
                       Input("Text3", "Label2", "河槽过水断面湿周χc1(m):"),
                       Input("Text4", "Label10", "河滩过水断面湿周χt1(m):"),
                       Input("Text5", "Label13", "河槽过水断面宽度Bc1(m):"),
                       Input("Text6", "Label3", "河滩过水断面宽度Bt1(m):"),
                       Input("Text7", "Label4", "河槽糙率nc1(或1/nc1):"),
                       Input("Text8", "Label14", "河滩糙率nt1(或1/nt1):"),
                       Input("Text9", "Label5", "上游断面水位H1(m):"),
                   }},
              {.control = "Frame1(1)",
               .caption = "下游断面参数输入",
               .place = {.row = 0, .column = 1},
               .items =
                   {
                       Input("Text11", "Label16", "河槽过水面积Ac2(m*2):"),
                       Input("Text12", "Label12", "河滩过水面积At2(m*2):"),
                       Input("Text13", "Label17", "河槽过水断面湿周χc2(m):"),
                       Input("Text14", "Label8", "河滩过水断面湿周χt2(m):"),
                       Input("Text15", "Label7", "河槽过水断面宽度Bc2(m):"),
                       Input("Text16", "Label18", "河滩过水断面宽度Bt2(m):"),
                       Input("Text17", "Label19", "河槽糙率nc2(或1/nc2):"),
                       Input("Text18", "Label6", "河滩糙率nt2(或1/nt2):"),
                       Input("Text10", "Label11", "下游断面水位H2(m):"),
                   }},
              {.framed = false,
               .place = {.row = 1, .column = 0},
               .items =
                   {
                       Input("Text21", "Label21", "上下游两断面间的距离L(m):"),
                       Field{
                           .control = "Text22",
                           .label =
                               {.control = "Label22",
                                .caption = "局部水头损失系数ξ:",
                                .event = LabelEvent::kDoubleClick,
                                .action =
                                    HintAction{
                                        " ^_^ 帮助",
                                        "ξ——局部水头损失系数。向下游收缩时，取－0.1～0；向下游"
                                        "逐渐扩散时，取0.3～0.5；向下游突然扩散时，取0.5～1.0。"}}},
                   }},
              {.control = "Frame2",
               .caption = "计算结果",
               .place = {.row = 1, .column = 1},
               .items = {Field{.control = "Text23",
                               .label = {.control = "Label23", .caption = "历史洪水流量Q(m*3/s):"},
                               .role = FieldRole::kResult,
                               .text_font = kSongItalic}}},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 2, .column = 0, .column_span = 2},
               .items =
                   {
                       Button{"Command1", "计 算", &Compute},
                       Button{"Command2", "帮 助",
                              HintAction{" ^_^ 提示",
                                         "注：当调查的历史洪水位处于河床断面形状和面积相差较大的稳"
                                         "定非均匀流河段时，可按此方法计算！"}},
                       Button{"Command3", "退 出", CloseAction{}},
                   }},
          },
  };
  return window;
}

}  // namespace velmora
