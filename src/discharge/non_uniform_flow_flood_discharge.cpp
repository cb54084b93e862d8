#include "discharge/non_uniform_flow_flood_discharge.h"

#include <array>
#include <string_view>

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

// Reads one section's fields in the window's order: Ac, At, χc, χt, Bc, Bt, nc, nt. The widths
// are read in their turn but used by no formula.
FloodSection ReadSection(const Press& press, const std::array<std::string_view, 8>& controls) {
  FloodSection s;
  s.ac = press.Read(controls[0]);
  s.at = press.Read(controls[1]);
  s.chi_c = press.Read(controls[2]);
  s.chi_t = press.Read(controls[3]);
  press.Read(controls[4]);
  press.Read(controls[5]);
  s.nc = press.Read(controls[6]);
  s.nt = press.Read(controls[7]);
  return s;
}

void Compute(Press& press) {
  const FloodSection up =
      ReadSection(press, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8"});
  const Single h1 = press.ReadSingle("Text9");
  const FloodSection down = ReadSection(
      press, {"Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Text18"});
  const Single h2 = press.ReadSingle("Text10");
  const Real length = press.Read("Text21");
  const Single xi = press.ReadSingle("Text22");
  const NonUniformFlowResult r = NonUniformFlowFloodDischarge(up, h1, down, h2, length, xi);
  press.SetResult("Text23", r.q, "#####.###");
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
                       InputField("Text1", "Label1", "河槽过水面积Ac1(m*2):"),
                       InputField("Text2", "Label9", "河滩过水面积At1(m*2):"),
                       InputField("Text3", "Label2", "河槽过水断面湿周χc1(m):"),
                       InputField("Text4", "Label10", "河滩过水断面湿周χt1(m):"),
                       InputField("Text5", "Label13", "河槽过水断面宽度Bc1(m):"),
                       InputField("Text6", "Label3", "河滩过水断面宽度Bt1(m):"),
                       InputField("Text7", "Label4", "河槽糙率nc1(或1/nc1):"),
                       InputField("Text8", "Label14", "河滩糙率nt1(或1/nt1):"),
                       InputField("Text9", "Label5", "上游断面水位H1(m):"),
                   }},
              {.control = "Frame1(1)",
               .caption = "下游断面参数输入",
               .place = {.row = 0, .column = 1},
               .items =
                   {
                       InputField("Text11", "Label16", "河槽过水面积Ac2(m*2):"),
                       InputField("Text12", "Label12", "河滩过水面积At2(m*2):"),
                       InputField("Text13", "Label17", "河槽过水断面湿周χc2(m):"),
                       InputField("Text14", "Label8", "河滩过水断面湿周χt2(m):"),
                       InputField("Text15", "Label7", "河槽过水断面宽度Bc2(m):"),
                       InputField("Text16", "Label18", "河滩过水断面宽度Bt2(m):"),
                       InputField("Text17", "Label19", "河槽糙率nc2(或1/nc2):"),
                       InputField("Text18", "Label6", "河滩糙率nt2(或1/nt2):"),
                       InputField("Text10", "Label11", "下游断面水位H2(m):"),
                   }},
              {.framed = false,
               .place = {.row = 1, .column = 0},
               .items =
                   {
                       InputField("Text21", "Label21", "上下游两断面间的距离L(m):"),
                       ExplainedField(
                           "Text22", "Label22", "局部水头损失系数ξ:", "",
                           HintAction{" ^_^ 帮助",
                                      "ξ——局部水头损失系数。向下游收缩时，取－0.1～0；向下游"
                                      "逐渐扩散时，取0.3～0.5；向下游突然扩散时，取0.5～1.0。"}),
                   }},
              {.control = "Frame2",
               .caption = "计算结果",
               .place = {.row = 1, .column = 1},
               .items = {ResultField("Text23", "Label23", "历史洪水流量Q(m*3/s):", kSongItalic)}},
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
