// SPDX-License-Identifier: GPL-3.0-or-later
#include "discharge/non_uniform_flow_flood_discharge.h"

#include <array>
#include <string_view>

#include <string>

#include "book/chapter.h"
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
  NonUniformFlowFloodDischarge({.upstream = upstream,
                                .h1 = h1,
                                .downstream = downstream,
                                .h2 = h2,
                                .length = length,
                                .xi = xi},
                               r);
  return r;
}

namespace {

Real Conveyance(const FloodSection& s, SectionConveyance& parts) {
  parts.channel = PartConveyance(s.ac, s.chi_c, s.nc);
  parts.channel_inverse = s.nc > 1.0;
  parts.floodplain = PartConveyance(s.at, s.chi_t, s.nt);
  parts.floodplain_inverse = s.nt > 1.0;
  return parts.channel + parts.floodplain;
}

}  // namespace

void NonUniformFlowFloodDischarge(const NonUniformFlowInput& in, NonUniformFlowResult& r) {
  r.dh = ToSingle(in.h1 - in.h2);
  r.k1 = Conveyance(in.upstream, r.up);
  r.k2 = Conveyance(in.downstream, r.down);
  r.k_mean = ToSingle((r.k1 + r.k2) / 2.0);
  // 19.6 = 2g.
  r.c = (1.0 - in.xi) / 19.6;
  r.k_mean_sq = r.k_mean * r.k_mean;
  r.omega1 = in.upstream.ac + in.upstream.at;
  r.omega2 = in.downstream.ac + in.downstream.at;
  r.upper = r.k_mean_sq / (r.omega1 * r.omega1);
  r.lower = r.k_mean_sq / (r.omega2 * r.omega2);
  r.d = r.upper - r.lower;
  r.denominator = in.length - r.c * r.d;
  r.ratio = r.dh / r.denominator;
  r.q = ToSingle(r.k_mean * Pow(r.ratio, 0.5));
}

namespace {

// Reads one section's fields in the window's order: Ac, At, χc, χt, Bc, Bt, nc, nt.
FloodSection ReadSection(const Press& press, const std::array<std::string_view, 8>& controls) {
  FloodSection s;
  s.ac = press.Read(controls[0]);
  s.at = press.Read(controls[1]);
  s.chi_c = press.Read(controls[2]);
  s.chi_t = press.Read(controls[3]);
  s.bc = press.Read(controls[4]);
  s.bt = press.Read(controls[5]);
  s.nc = press.Read(controls[6]);
  s.nt = press.Read(controls[7]);
  return s;
}

}  // namespace

NonUniformFlowInput ReadNonUniformFlowInput(const Press& press) {
  NonUniformFlowInput in;
  in.upstream =
      ReadSection(press, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8"});
  in.h1 = press.ReadSingle("Text9");
  in.downstream = ReadSection(
      press, {"Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Text18"});
  in.h2 = press.ReadSingle("Text10");
  in.length = press.Read("Text21");
  in.xi = press.ReadSingle("Text22");
  return in;
}

namespace {

void Compute(Press& press) {
  NonUniformFlowResult r;
  NonUniformFlowFloodDischarge(ReadNonUniformFlowInput(press), r);
  press.SetResult("Text23", r.q, "#####.###");
}

// One part's conveyance A (A/χ)^(2/3) / n, or × (1/n) where the entry is 1/n.
void PartStep(book::Chapter& ch, const std::string& key, const std::string& item,
              const std::string& symbol, const std::string& area, const std::string& perimeter,
              const std::string& n, Real& slot, const bool& inverse) {
  const std::string ar = "[" + area + "]×([" + area + "]/[" + perimeter + "])^{2/3}";
  ch.Step(key, item + "（糙率按1/n输入）", symbol, ar + "×[" + n + "]", slot, "m³/s", &inverse,
          true);
  ch.Step(key, item, symbol, ar + "/[" + n + "]", slot, "m³/s", &inverse, false);
}

void WriteChapter(book::Chapter& ch) {
  ch.Basis(
      "《公路桥位勘测设计规范》JTJ 062-91 稳定非均匀流：Q = K̄(ΔH/(L−(1−ξ)/2g×(K̄^{2}/ω_1^{2}−"
      "K̄^{2}/ω_2^{2})))^{1/2}");
  NonUniformFlowInput in;
  ch.Read([&] { in = ReadNonUniformFlowInput(ch.press()); });
  ch.Inputs({"Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",
             "Text8",  "Text9",  "Text11", "Text12", "Text13", "Text14", "Text15",
             "Text16", "Text17", "Text18", "Text10", "Text21", "Text22"});
  NonUniformFlowResult r;
  ch.Step("dh", "水位差", "ΔH", "[Text9]−[Text10]", r.dh, "m");
  PartStep(ch, "K1c", "上游河槽流量模数", "K_{c1}", "Text1", "Text3", "Text7", r.up.channel,
           r.up.channel_inverse);
  PartStep(ch, "K1t", "上游河滩流量模数", "K_{t1}", "Text2", "Text4", "Text8", r.up.floodplain,
           r.up.floodplain_inverse);
  ch.Step("K1", "上游断面流量模数", "K_1", "[K1c]+[K1t]", r.k1, "m³/s");
  PartStep(ch, "K2c", "下游河槽流量模数", "K_{c2}", "Text11", "Text13", "Text17", r.down.channel,
           r.down.channel_inverse);
  PartStep(ch, "K2t", "下游河滩流量模数", "K_{t2}", "Text12", "Text14", "Text18", r.down.floodplain,
           r.down.floodplain_inverse);
  ch.Step("K2", "下游断面流量模数", "K_2", "[K2c]+[K2t]", r.k2, "m³/s");
  ch.Step("K", "平均流量模数", "K̄", "([K1]+[K2])/2", r.k_mean, "m³/s");
  ch.Step("c", "系数", "c", "(1−[Text22])/19.6", r.c);
  ch.Step("K2m", "平均流量模数的平方", "K̄^{2}", "[K]×[K]", r.k_mean_sq);
  ch.Step("w1", "上游断面过水面积", "ω_1", "[Text1]+[Text2]", r.omega1, "m²");
  ch.Step("w2", "下游断面过水面积", "ω_2", "[Text11]+[Text12]", r.omega2, "m²");
  ch.Step("up", "上游速度水头项", "a_1", "[K2m]/([w1]×[w1])", r.upper);
  ch.Step("down", "下游速度水头项", "a_2", "[K2m]/([w2]×[w2])", r.lower);
  ch.Step("d", "速度水头项之差", "a", "[up]−[down]", r.d);
  ch.Step("D", "分母", "D", "[Text21]−[c]×[d]", r.denominator, "m");
  ch.Step("ratio", "水位差与分母之比", "r", "[dh]/[D]", r.ratio);
  ch.Step("Q", "洪峰流量", "Q", "[K]×[ratio]^{1/2}", r.q, "m³/s");
  ch.Run([&] { NonUniformFlowFloodDischarge(in, r); });
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
                       InputField("Text1", "Label1", "河槽过水面积Ac1(m*2):").Is("A_{c1}", "m²"),
                       InputField("Text2", "Label9", "河滩过水面积At1(m*2):").Is("A_{t1}", "m²"),
                       InputField("Text3", "Label2", "河槽过水断面湿周χc1(m):").Is("χ_{c1}", "m"),
                       InputField("Text4", "Label10", "河滩过水断面湿周χt1(m):").Is("χ_{t1}", "m"),
                       InputField("Text5", "Label13", "河槽过水断面宽度Bc1(m):").Is("B_{c1}", "m"),
                       InputField("Text6", "Label3", "河滩过水断面宽度Bt1(m):").Is("B_{t1}", "m"),
                       InputField("Text7", "Label4", "河槽糙率nc1(或1/nc1):")
                           .Is("n_{c1}")
                           .RoughnessWithin(10, 65),
                       InputField("Text8", "Label14", "河滩糙率nt1(或1/nt1):")
                           .Is("n_{t1}")
                           .RoughnessWithin(7, 30),
                       InputField("Text9", "Label5", "上游断面水位H1(m):").Is("H_1", "m"),
                   }},
              {.control = "Frame1(1)",
               .caption = "下游断面参数输入",
               .place = {.row = 0, .column = 1},
               .items =
                   {
                       InputField("Text11", "Label16", "河槽过水面积Ac2(m*2):").Is("A_{c2}", "m²"),
                       InputField("Text12", "Label12", "河滩过水面积At2(m*2):").Is("A_{t2}", "m²"),
                       InputField("Text13", "Label17", "河槽过水断面湿周χc2(m):").Is("χ_{c2}", "m"),
                       InputField("Text14", "Label8", "河滩过水断面湿周χt2(m):").Is("χ_{t2}", "m"),
                       InputField("Text15", "Label7", "河槽过水断面宽度Bc2(m):").Is("B_{c2}", "m"),
                       InputField("Text16", "Label18", "河滩过水断面宽度Bt2(m):").Is("B_{t2}", "m"),
                       InputField("Text17", "Label19", "河槽糙率nc2(或1/nc2):")
                           .Is("n_{c2}")
                           .RoughnessWithin(10, 65),
                       InputField("Text18", "Label6", "河滩糙率nt2(或1/nt2):")
                           .Is("n_{t2}")
                           .RoughnessWithin(7, 30),
                       InputField("Text10", "Label11", "下游断面水位H2(m):").Is("H_2", "m"),
                   }},
              {.framed = false,
               .place = {.row = 1, .column = 0},
               .items =
                   {
                       InputField("Text21", "Label21", "上下游两断面间的距离L(m):").Is("L", "m"),
                       ExplainedField(
                           "Text22", "Label22", "局部水头损失系数ξ:", "",
                           HintAction{" ^_^ 帮助",
                                      "ξ——局部水头损失系数。向下游收缩时，取－0.1～0；向下游"
                                      "逐渐扩散时，取0.3～0.5；向下游突然扩散时，取0.5～1.0。"})
                           .Is("ξ")
                           .Within(-0.1, 1.0),
                   }},
              {.control = "Frame2",
               .caption = "计算结果",
               .place = {.row = 1, .column = 1},
               .items = {ResultField("Text23", "Label23", "历史洪水流量Q(m*3/s):", kSongItalic)
                             .Is("Q", "m³/s")}},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 2, .column = 0, .column_span = 2},
               .items =
                   {
                       Button{"Command1", "计 算", &Compute, &WriteChapter},
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
