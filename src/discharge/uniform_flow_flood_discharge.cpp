// SPDX-License-Identifier: GPL-3.0-or-later
#include "discharge/uniform_flow_flood_discharge.h"

#include <string>

#include "book/chapter.h"
#include "common/manning.h"
#include "common/press.h"

namespace velmora {

ManningPart UniformFlowPart(Real area, Real perimeter, Real roughness, Single slope_per_mille) {
  ManningPart part;
  UniformFlowPart(area, perimeter, roughness, slope_per_mille, part);
  return part;
}

void UniformFlowPart(Real area, Real perimeter, Real roughness, Single slope_per_mille,
                     ManningPart& part) {
  part.radius = area / perimeter;
  part.slope_root = SlopeRoot(slope_per_mille);
  part.inverse = RoughnessIsInverse(roughness);
  part.velocity = ManningVelocity(InverseRoughness(roughness), part.radius, part.slope_root);
}

UniformFlowResult UniformFlowFloodDischarge(Real ac, Real chi_c, Real nc, Single ic, Real at,
                                            Real chi_t, Real nt, Single it) {
  UniformFlowResult r;
  UniformFlowFloodDischarge(
      {.ac = ac, .chi_c = chi_c, .nc = nc, .ic = ic, .at = at, .chi_t = chi_t, .nt = nt, .it = it},
      r);
  return r;
}

void UniformFlowFloodDischarge(const UniformFlowInput& in, UniformFlowResult& r) {
  UniformFlowPart(in.ac, in.chi_c, in.nc, in.ic, r.channel);
  r.qc = in.ac * r.channel.velocity;
  UniformFlowPart(in.at, in.chi_t, in.nt, in.it, r.floodplain);
  r.vt = ToSingle(r.floodplain.velocity);
  r.qt = in.at * r.vt;
  r.q = ToSingle(r.qc + r.qt);
}

UniformFlowInput ReadUniformFlowInput(const Press& press) {
  UniformFlowInput in;
  in.ac = press.Read("Text1");
  in.chi_c = press.Read("Text2");
  in.bc = press.Read("Text3");
  in.nc = press.Read("Text4");
  in.ic = press.ReadSingle("Text5");
  in.at = press.Read("Text6");
  in.chi_t = press.Read("Text7");
  in.bt = press.Read("Text8");
  in.nt = press.Read("Text9");
  in.it = press.ReadSingle("Text10");
  return in;
}

namespace {

// The steps of one part's Manning velocity; `s` is "c" or "t", `area` and the others the
// controls of its inputs.
void ManningSteps(book::Chapter& ch, ManningPart& part, const std::string& s,
                  const std::string& perimeter, const std::string& area,
                  const std::string& roughness, const std::string& slope) {
  ch.Step("R" + s, "水力半径", "R_" + s, "[" + area + "]/[" + perimeter + "]", part.radius, "m");
  ch.Step("I" + s, "水面比降的平方根", "I_" + s + "^{1/2}", "([" + slope + "]/1000)^{1/2}",
          part.slope_root);
  ch.Step("V" + s, "流速（糙率按1/n输入）", "V_" + s,
          "[" + roughness + "]×[R" + s + "]^{2/3}×[I" + s + "]", part.velocity, "m/s",
          &part.inverse, true);
  ch.Step("V" + s, "流速", "V_" + s, "1/[" + roughness + "]×[R" + s + "]^{2/3}×[I" + s + "]",
          part.velocity, "m/s", &part.inverse, false);
}

void WriteChapter(book::Chapter& ch) {
  ch.Basis(
      "《公路桥位勘测设计规范》JTJ 062-91 稳定均匀流：曼宁公式 V = (1/n)R^{2/3}I^{1/2}，Q = AV");
  UniformFlowInput in;
  ch.Read([&] { in = ReadUniformFlowInput(ch.press()); });
  ch.Inputs(
      {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10"});
  UniformFlowResult r;
  ManningSteps(ch, r.channel, "c", "Text2", "Text1", "Text4", "Text5");
  ch.Step("Qc", "河槽历史洪水流量", "Q_c", "[Text1]×[Vc]", r.qc, "m³/s");
  ManningSteps(ch, r.floodplain, "t", "Text7", "Text6", "Text9", "Text10");
  ch.Step("Qt", "河滩历史洪水流量", "Q_t", "[Text6]×[Vt]", r.qt, "m³/s");
  ch.Step("Q", "历史洪水流量", "Q", "[Qc]+[Qt]", r.q, "m³/s");
  ch.Run([&] { UniformFlowFloodDischarge(in, r); });
}

void Compute(Press& press) {
  UniformFlowResult r;
  UniformFlowFloodDischarge(ReadUniformFlowInput(press), r);
  press.SetResult("Text11", r.qc, "######.###");
  press.SetResult("Text12", r.qt, "######.###");
  press.SetResult("Text13", r.q, "######.###");
}

}  // namespace

const Window& Form24() {
  static const Window window{
      .form = "Form24",
      .caption = "稳定均匀流洪峰流量的推算",
      .blocks =
          {
              {.control = "Frame1(0)",
               .caption = "河槽参数",
               .place = {.row = 0, .column = 0},
               .items =
                   {
                       InputField("Text1", "Label1", "河槽过水面积Ac(m*2):").Is("A_c", "m²"),
                       InputField("Text2", "Label2", "河槽过水断面湿周χc(m):").Is("χ_c", "m"),
                       InputField("Text3", "Label3", "河槽过水断面宽度Bc(m):").Is("B_c", "m"),
                       InputField("Text4", "Label4", "河槽糙率nc(或1/nc):")
                           .Is("n_c")
                           .RoughnessWithin(10, 65),
                       InputField("Text5", "Label11", "河槽水面比降Ic(‰):").Is("I_c", "‰"),
                   }},
              {.control = "Frame1(1)",
               .caption = "河滩参数",
               .place = {.row = 0, .column = 1},
               .items =
                   {
                       InputField("Text6", "Label8", "河滩过水面积At(m*2):").Is("A_t", "m²"),
                       InputField("Text7", "Label7", "河滩过水断面湿周χt(m):").Is("χ_t", "m"),
                       InputField("Text8", "Label12", "河滩过水断面宽度Bt(m):").Is("B_t", "m"),
                       InputField("Text9", "Label6", "河滩糙率nt(或1/nt):")
                           .Is("n_t")
                           .RoughnessWithin(7, 30),
                       InputField("Text10", "Label5", "河滩水面比降It(‰):").Is("I_t", "‰"),
                   }},
              {.control = "Frame2",
               .caption = "计算结果",
               .place = {.row = 1, .column = 0},
               .items =
                   {
                       ResultField("Text11", "Label9", "河槽历史洪水流量Qc(m*3/s):", kSongItalic)
                           .Is("Q_c", "m³/s"),
                       ResultField("Text12", "Label10", "河滩历史洪水流量Qt(m*3/s):", kSongItalic)
                           .Is("Q_t", "m³/s"),
                       ResultField("Text13", "Label13", "历史洪水流量Q(m*3/s):", kSongItalic)
                           .Is("Q", "m³/s"),
                   }},
              {.framed = false,
               .place = {.row = 1, .column = 1},
               .items =
                   {
                       Button{"Command1", "计 算", &Compute, &WriteChapter},
                       Button{"Command2", "退 出", CloseAction{}},
                       Button{"Command3", "帮 助",
                              HintAction{" ^_^ 提示",
                                         "注：当调查的历史洪水位处于水面比降均一、河道顺直、河床断"
                                         "面较规整的稳定均匀流河段时，可按本计算方法计算！"}},
                   }},
          },
  };
  return window;
}

}  // namespace velmora
