// SPDX-License-Identifier: GPL-3.0-or-later
#include "scour/floodplain_pier_scour.h"

#include <string>

#include "book/chapter.h"
#include "common/press.h"
#include "scour/pier_local_scour_book.h"

namespace velmora {

FloodplainGeneralScour FloodplainGeneral(const FloodplainGeneralInput& in, bool qt2_single) {
  FloodplainGeneralScour g;
  FloodplainGeneral(in, qt2_single, g);
  return g;
}

void FloodplainGeneral(const FloodplainGeneralInput& in, bool qt2_single,
                       FloodplainGeneralScour& g) {
  Real qt2 = (in.qt1 / (in.qc + in.qt1)) * in.qp;
  if (qt2_single) qt2 = ToSingle(qt2);
  g.qt2 = qt2;
  g.hp = Pow(((g.qt2 / (in.mu * in.btj)) * Pow(in.htm / in.htq, 5.0 / 3.0)) / in.vh1, 5.0 / 6.0);
  g.below_ground = ToSingle(g.hp - in.htm);
}

FloodplainPierScourResult FloodplainPierScour(Real hp, Real htm, Real vh1, Real d, Real k_xi,
                                              Single b1) {
  FloodplainPierScourResult r;
  FloodplainPierScour(hp, htm, vh1, d, k_xi, b1, r);
  return r;
}

void FloodplainPierScour(Real hp, Real htm, Real vh1, Real d, Real k_xi, Single b1,
                         FloodplainPierScourResult& r) {
  r.v = vh1 * Pow(hp, 1.0 / 5.0);
  Formula651(d, b1, k_xi, hp, r.v, r.f651);
  Formula652Bed(d, r.bed652);
  r.n2 = Pow(r.bed652.v0 / r.v, r.bed652.exponent);
  r.k2 = k_xi * r.bed652.k_eta2 * Pow(b1, 0.6) * Pow(hp, 0.15);
  r.r2 = ToSingle((r.v - r.bed652.v0_prime) / r.bed652.v0);
  if (Faulted()) return;
  r.v_at_most_v0_652 = r.v <= r.bed652.v0;
  r.hb2_formula = r.v_at_most_v0_652 ? r.k2 * r.r2 : r.k2 * Pow(r.r2, r.n2);
  r.hb2 = r.hb2_formula < 0.0 ? Real(0.0) : r.hb2_formula;
  r.total1 = hp + r.f651.hb1;
  r.total2 = hp + r.hb2;
  r.below1 = r.total1 - htm;
  r.below2 = ToSingle(r.total2 - htm);
}

FloodplainGeneralInput ReadFloodplainGeneralInput(const Press& press) {
  FloodplainGeneralInput in;
  in.qp = press.Read("Text1");
  in.qt1 = press.Read("Text2");
  in.qc = press.Read("Text3");
  in.btj = press.Read("Text4");
  in.htm = press.Read("Text5");
  in.htq = press.Read("Text6");
  in.vh1 = press.Read("Text7");
  in.mu = press.ReadSingle("Text23");
  return in;
}

FloodplainPierInput ReadFloodplainPierInput(const Press& press) {
  FloodplainPierInput in;
  in.general = ReadFloodplainGeneralInput(press);
  in.d = press.Read("Text8");
  in.k_xi = press.Read("Text10");
  in.b1 = press.ReadSingle("Text13");
  return in;
}

namespace {

constexpr std::string_view kPattern = "######.###";

void WriteGeneral(Press& press, const FloodplainGeneralScour& g, Real htm) {
  press.Set("Text14", "");
  press.SetResult("Text14", g.hp, kPattern);
  press.Set("Text15", "");
  press.SetResult("Text15", g.below_ground, kPattern);
  press.Set("Text16", "");
  press.SetResult("Text16", htm, kPattern);
}

void ComputeGeneral(Press& press) {
  const FloodplainGeneralInput in = ReadFloodplainGeneralInput(press);
  WriteGeneral(press, FloodplainGeneral(in, /*qt2_single=*/true), in.htm);
  for (const char* control : {"Text17", "Text18", "Text19", "Text20", "Text21", "Text22"}) {
    press.Set(control, "");
  }
}

void ComputeTotal(Press& press) {
  const FloodplainPierInput in = ReadFloodplainPierInput(press);
  const FloodplainGeneralScour g = FloodplainGeneral(in.general, /*qt2_single=*/false);
  // The general scour shows even when the local scour then fails.
  WriteGeneral(press, g, in.general.htm);
  const FloodplainPierScourResult r =
      FloodplainPierScour(g.hp, in.general.htm, in.general.vh1, in.d, in.k_xi, in.b1);
  press.Set("Text17", "");
  press.SetResult("Text17", r.f651.hb1, kPattern);
  press.Set("Text18", "");
  press.SetResult("Text18", r.hb2, kPattern);
  press.Set("Text19", "");
  press.SetResult("Text19", r.total1, kPattern);
  press.Set("Text20", "");
  press.SetResult("Text20", r.total2, kPattern);
  press.Set("Text21", "");
  press.SetResult("Text21", r.below1, kPattern);
  press.Set("Text22", "");
  press.SetResult("Text22", r.below2, kPattern);
}

void GeneralSteps(book::Chapter& ch, FloodplainGeneralScour& g) {
  ch.Step("qt2", "桥下河滩部分设计流量", "Q_{t2}", "[Text2]/([Text3]+[Text2])×[Text1]", g.qt2,
          "m³/s");
  ch.Step("hp", "一般冲刷深度", "h_p",
          "([qt2]/([Text23]×[Text4])×([Text5]/[Text6])^{5/3}/[Text7])^{5/6}", g.hp, "m");
}

constexpr std::string_view kGeneralBasis =
    "《公路桥位勘测设计规范》JTJ 062-91 非粘性土河滩一般冲刷公式";

void WriteGeneralChapter(book::Chapter& ch) {
  ch.Basis(std::string(kGeneralBasis));
  FloodplainGeneralInput in;
  ch.Read([&] { in = ReadFloodplainGeneralInput(ch.press()); });
  ch.Inputs({"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text23"});
  FloodplainGeneralScour g;
  GeneralSteps(ch, g);
  ch.Step("below", "地面以下冲刷深度", "Δh", "[hp]−[Text5]", g.below_ground, "m");
  ch.Run([&] { FloodplainGeneral(in, /*qt2_single=*/true, g); });
}

void WriteTotalChapter(book::Chapter& ch) {
  ch.Basis(std::string(kGeneralBasis) + "；" + book::CodeBasis("65-1、65-2"));
  FloodplainPierInput in;
  ch.Read([&] { in = ReadFloodplainPierInput(ch.press()); });
  ch.Inputs({"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text23", "Text8",
             "Text10", "Text13"});
  FloodplainGeneralScour g;
  FloodplainPierScourResult r;
  GeneralSteps(ch, g);
  ch.Step("below", "地面以下冲刷深度", "Δh", "[hp]−[Text5]", g.below_ground, "m");
  ch.Step("v", "一般冲刷后墩前流速", "V", "[Text7]×[hp]^{1/5}", r.v, "m/s");
  Formula651Steps(ch, r.f651, "[Text8]", "[Text13]", "[Text10]", "[hp]", "[v]");
  Formula652BedSteps(ch, r.bed652, "[Text8]");
  ch.Step("n2", "指数", "n_2", "([v02]/[v])^{[y2]}", r.n2);
  ch.Step("k2", "系数", "K_2", "[Text10]×[keta2]×[Text13]^{0.6}×[hp]^{0.15}", r.k2);
  ch.Step("r2", "流速比", "r_2", "([v]−[v0p2])/[v02]", r.r2);
  ch.Step("hb2f", "局部冲刷深度（65-2，V≤V_0）", "h_{b2}", "[k2]×[r2]", r.hb2_formula, "m",
          &r.v_at_most_v0_652, true);
  ch.Step("hb2f", "局部冲刷深度（65-2，V>V_0）", "h_{b2}", "[k2]×[r2]^{[n2]}", r.hb2_formula, "m",
          &r.v_at_most_v0_652, false);
  ch.Step("hb2", "局部冲刷深度取值", "h_{b2}", "max([hb2f], 0)", r.hb2, "m");
  ch.Step("total1", "总冲刷深度（65-1）", "h_{s1}", "[hp]+[hb1]", r.total1, "m");
  ch.Step("total2", "总冲刷深度（65-2）", "h_{s2}", "[hp]+[hb2]", r.total2, "m");
  ch.Step("below1", "地面以下冲刷深度（65-1）", "Δh_1", "[total1]−[Text5]", r.below1, "m");
  ch.Step("below2", "地面以下冲刷深度（65-2）", "Δh_2", "[total2]−[Text5]", r.below2, "m");
  ch.Run([&] {
    FloodplainGeneral(in.general, /*qt2_single=*/false, g);
    FloodplainPierScour(g.hp, in.general.htm, in.general.vh1, in.d, in.k_xi, in.b1, r);
  });
  if (!ch.Completed()) return;
  LocalScourBranch(ch, "65-1", "1", r.f651.v_at_most_v0, r.f651.hb1_formula);
  LocalScourBranch(ch, "65-2", "2", r.v_at_most_v0_652, r.hb2_formula);
}

// The table of VH1 stands behind both labels of this control array.
Label Vh1Label(std::string_view control, std::string_view caption) {
  return {.control = control,
          .caption = caption,
          .event = LabelEvent::kDoubleClick,
          .action = OpenAction{"Form46"}};
}

// The two group headings are bold 黑体; the results keep the window's font.
constexpr FontSpec kHeading{.family = "黑体", .bold = true};

}  // namespace

const Window& Form19() {
  static const Window window{
      .form = "Form19",
      .caption = "非粘性土河床桥墩冲刷计算（河滩）",
      .blocks =
          {
              {.control = "Frame2(0)",
               .caption = "河滩（一般冲刷）计算参数输入",
               .place = {.row = 0, .column = 0, .row_span = 3},
               .items =
                   {
                       InputField("Text1", "Label1", "设计流量Qp（m*3/s）：", "400")
                           .Is("Q_p", "m³/s"),
                       InputField("Text2", "Label15", "天然状态下桥下河滩部分设计流量Qt1(m*3/s)：",
                                  "100")
                           .Is("Q_{t1}", "m³/s"),
                       InputField("Text3", "Label2", "天然状态下河槽部分设计流量Qc（m*3/s）：",
                                  "300")
                           .Is("Q_c", "m³/s"),
                       InputField("Text4", "Label16", "河滩部分桥孔净长Btj(m)：", "40")
                           .Is("B_{tj}", "m"),
                       InputField("Text5", "Label17", "桥下河滩最大水深htm(m)：", "2")
                           .Is("h_{tm}", "m"),
                       InputField("Text6", "Label18", "桥下河滩平均水深htq(m)：", "0.8")
                           .Is("h_{tq}", "m"),
                       Field{.control = "Text7",
                             .label =
                                 Vh1Label("Label19(0)", "河滩水深1m时非粘性土不冲刷流速VH1(m/s)："),
                             .default_text = "1.8"}
                           .Is("V_{H1}", "m/s")
                           .Within(0.32, kUnbounded),
                       ExplainedField("Text23", "Label24", "桥墩水流侧向压缩系数μ：", "0.95",
                                      OpenAction{"Form9"})
                           .Is("μ")
                           .Within(0.85, 1.0),
                   }},
              {.control = "Frame1",
               .caption = "河滩（局部冲刷）计算参数输入",
               .place = {.row = 3, .column = 0},
               .items =
                   {
                       InputField("Text8", "Label3", "河床泥沙平均粒径d(mm)：", "30").Is("d", "mm"),
                       InputField("Text10", "Label6", "墩形系数Kξ：", "1").Is("K_ξ"),
                       InputField("Text13", "Label8", "桥墩计算宽度B1(m)：", "1.3").Is("B_1", "m"),
                   }},
              {.control = "Frame2(1)",
               .caption = "河滩桥墩一般冲刷计算结果",
               .place = {.row = 0, .column = 1},
               .items =
                   {
                       ResultField("Text14", "Label13(1)", "一般冲刷深度hp(m):").Is("h_p", "m"),
                       Field{.control = "Text15",
                             .label = Vh1Label("Label19(1)", "地面以下冲刷深度(m):"),
                             .role = FieldRole::kResult}
                           .Is("h_p−h_{tm}", "m"),
                       ResultField("Text16", "Label22", "最大水深htm(m):").Is("h_{tm}", "m"),
                   }},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 1, .column = 1},
               .items =
                   {
                       Button{"Command1", "一般冲刷计算", &ComputeGeneral, &WriteGeneralChapter},
                       Button{"Command3", "退  出", CloseAction{}},
                       Button{"Command2", "总冲刷计算", &ComputeTotal, &WriteTotalChapter},
                   }},
              {.control = "Frame3",
               .caption = "河滩桥墩总冲刷计算",
               .place = {.row = 2, .column = 1, .row_span = 2},
               .items =
                   {
                       ResultField("Text17", "Label9", "公式（65-1）局部冲刷深度hb(m)：")
                           .Is("h_{b1}", "m"),
                       ResultField("Text18", "Label10", "公式（65-2）局部冲刷深度hb(m)：")
                           .Is("h_{b2}", "m"),
                       Label{.control = "Label11",
                             .caption = "总冲刷深度（一般冲刷hp+局部冲刷）(m)：",
                             .font = kHeading},
                       ResultField("Text19", "Label12", "hp＋hb(公式65-1)：").Is("h_p+h_{b1}", "m"),
                       ResultField("Text20", "Label14", "hp+hb(公式65-2)：").Is("h_p+h_{b2}", "m"),
                       Label{.control = "Label20",
                             .caption = "地面以下冲刷深度（减掉水深后）(m)：",
                             .font = kHeading},
                       ResultField("Text21", "Label21", "hp＋hb(公式65-1)-hcm：")
                           .Is("h_p+h_{b1}−h_{tm}", "m")
                           .Named("地面以下冲刷深度（公式65-1）"),
                       ResultField("Text22", "Label23", "hp＋hb(公式65-2)-hcm：")
                           .Is("h_p+h_{b2}−h_{tm}", "m")
                           .Named("地面以下冲刷深度（公式65-2）"),
                   }},
          },
  };
  return window;
}

}  // namespace velmora
