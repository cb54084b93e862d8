// SPDX-License-Identifier: GPL-3.0-or-later
#include "scour/noncohesive_abutment_scour.h"

#include "book/chapter.h"
#include "common/press.h"

namespace velmora {

NoncohesiveAbutmentScourResult NoncohesiveAbutmentScour(const NoncohesiveAbutmentInput& in,
                                                        RiverKind river) {
  NoncohesiveAbutmentScourResult r;
  NoncohesiveAbutmentScour(in, river, r);
  return r;
}

void NoncohesiveAbutmentScour(const NoncohesiveAbutmentInput& in, RiverKind river,
                              NoncohesiveAbutmentScourResult& r) {
  r.az = river == RiverKind::kWideShallow ? in.ld * in.h : in.az;
  r.fr = Pow(in.v, 2.0) / (9.8 * in.h);
  // The skew angle enters as a ratio of degrees; no trigonometry.
  r.k_alpha = Pow(in.alpha / 90.0, 0.15);
  // Formula 95-1.
  r.hs1 = 1.95 * Pow(r.fr, 0.2) * Pow(r.az, 0.5) * in.ca * r.k_alpha;
  // Formula 95-2.
  const Real c = Pow(10.0, -7.0) * 6.05;
  r.vc =
      Pow(in.depth / in.d, 0.14) * Pow(29.0 * in.d + c * (10.0 + in.depth) / Pow(in.d, 0.72), 0.5);
  r.v0_prime = 4.07 * Pow(in.d / in.ld, 0.34) * r.vc;
  if (Faulted()) return;
  r.v_at_most_vc = in.v <= r.vc;
  if (r.v_at_most_vc) {
    r.n = 1.0;
  } else {
    r.n = Pow(r.vc / in.v, Ln(in.d) * 10.16 / Ln(10.0) + 35.33);
  }
  r.r = ToSingle(Pow((in.v - r.v0_prime) / (r.vc - r.v0_prime), r.n));
  r.hs2_formula = 1.61 * Pow(r.az, 0.5) * r.r * in.ca * r.k_alpha;
  // No local scour starts below the incipient scour velocity.
  r.hs2 = r.hs2_formula < 0.0 ? Real(0.0) : r.hs2_formula;
  // FHQA formula: Liu's form for short embankments, the HIRE form from LD / y1 = 25 on.
  r.m = in.ld / in.y1;
  r.fr1 = ToSingle(in.v1 / Pow(9.8 * in.y1, 0.5));
  r.short_embankment = r.m < 25.0;
  if (r.short_embankment) {
    r.hs3 = 2.15 * Pow(r.m, 0.4) * Pow(r.fr1, 0.33) * in.y1;
  } else {
    r.hs3 = Pow(r.fr1, 0.33) * 4.0 * in.y1;
  }
  r.hs_max = r.hs1 > r.hs2 ? r.hs1 : r.hs2;
  if (!(r.hs_max > r.hs3)) r.hs_max = r.hs3;
  r.z_min = ToSingle((in.wl - in.depth) - r.hs_max);
}

NoncohesiveAbutmentInput ReadNoncohesiveAbutmentInput(const Press& press, RiverKind river) {
  NoncohesiveAbutmentInput in;
  if (river == RiverKind::kOrdinary) in.az = press.Read("Text1");
  in.ld = press.Read("Text2");
  in.h = press.Read("Text3");
  in.v = press.Read("Text4");
  in.ca = press.Read("Text5");
  in.alpha = press.Read("Text6");
  in.depth = press.Read("Text7");
  in.d = press.Read("Text8");
  in.y1 = press.Read("Text9");
  in.v1 = press.Read("Text10");
  in.wl = press.ReadSingle("Text11");
  return in;
}

namespace {

constexpr std::string_view kPattern = "#####.###";

void Compute(Press& press, RiverKind river) {
  const NoncohesiveAbutmentScourResult r =
      NoncohesiveAbutmentScour(ReadNoncohesiveAbutmentInput(press, river), river);
  for (const char* control : {"Text12", "Text13", "Text14", "Text15", "Text16"}) {
    press.Set(control, "");
  }
  press.SetResult("Text12", r.hs1, kPattern);
  press.SetResult("Text13", r.hs2, kPattern);
  press.SetResult("Text14", r.hs3, kPattern);
  press.SetResult("Text15", r.hs_max, kPattern);
  press.SetResult("Text16", r.z_min, kPattern);
}

void ComputeOrdinary(Press& press) { Compute(press, RiverKind::kOrdinary); }
void ComputeWideShallow(Press& press) { Compute(press, RiverKind::kWideShallow); }

void WriteChapter(book::Chapter& ch, RiverKind river) {
  ch.Basis(book::CodeBasis("95-1、95-2") + "；FHQA公式");
  NoncohesiveAbutmentInput in;
  ch.Read([&] { in = ReadNoncohesiveAbutmentInput(ch.press(), river); });
  if (river == RiverKind::kOrdinary) ch.Inputs({"Text1"});
  ch.Inputs(
      {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Text11"});
  NoncohesiveAbutmentScourResult r;
  const bool wide = river == RiverKind::kWideShallow;
  ch.Step("az", wide ? "阻水面积（宽浅河道取L_D×h）" : "阻水面积", "A_z",
          wide ? "[Text2]×[Text3]" : "[Text1]", r.az, "m²");
  ch.Step("fr", "弗劳德数", "F_r", "[Text4]^{2}/(9.8×[Text3])", r.fr);
  ch.Step("ka", "水流斜交系数", "K_α", "([Text6]/90)^{0.15}", r.k_alpha);
  ch.Step("hs1", "冲刷深度（95-1）", "h_{s1}", "1.95×[fr]^{0.2}×[az]^{0.5}×[Text5]×[ka]", r.hs1,
          "m");
  ch.Step("vc", "河床泥沙起动流速", "V_c",
          "([Text7]/[Text8])^{0.14}×(29×[Text8]+6.05×10^{-7}×(10+[Text7])/[Text8]^{0.72})^{0.5}",
          r.vc, "m/s");
  ch.Step("v0p", "桥台前始冲流速", "V_0′", "4.07×([Text8]/[Text2])^{0.34}×[vc]", r.v0_prime, "m/s");
  ch.Step("n", "指数（V≤V_c 时取1）", "n", "1", r.n, {}, &r.v_at_most_vc, true);
  ch.Step("n", "指数", "n", "([vc]/[Text4])^{10.16×lg [Text8]+35.33}", r.n, {}, &r.v_at_most_vc,
          false);
  ch.Step("r", "流速比项", "r", "(([Text4]−[v0p])/([vc]−[v0p]))^{[n]}", r.r);
  ch.Step("hs2f", "冲刷深度（95-2）", "h_{s2}", "1.61×[az]^{0.5}×[r]×[Text5]×[ka]", r.hs2_formula,
          "m");
  ch.Step("hs2", "冲刷深度（95-2）取值", "h_{s2}", "max([hs2f], 0)", r.hs2, "m");
  ch.Step("m", "阻水长度与上游水深之比", "m", "[Text2]/[Text9]", r.m);
  ch.Step("fr1", "上游弗劳德数", "F_{r1}", "[Text10]/(9.8×[Text9])^{0.5}", r.fr1);
  ch.Step("hs3", "冲刷深度（FHQA，L_D/y_1<25）", "h_{s3}", "2.15×[m]^{0.4}×[fr1]^{0.33}×[Text9]",
          r.hs3, "m", &r.short_embankment, true);
  ch.Step("hs3", "冲刷深度（FHQA，L_D/y_1≥25）", "h_{s3}", "[fr1]^{0.33}×4×[Text9]", r.hs3, "m",
          &r.short_embankment, false);
  ch.Step("hs", "最大冲刷深度", "h_s", "max([hs1], [hs2], [hs3])", r.hs_max, "m");
  ch.Step("z", "最低冲刷线标高", "Z_{min}", "[Text11]−[Text7]−[hs]", r.z_min, "m");
  ch.Run([&] { NoncohesiveAbutmentScour(in, river, r); });
  if (!ch.Completed()) return;
  ch.Branch(r.v_at_most_vc ? "公式95-2：V≤V_c，n取1。" : "公式95-2：V>V_c，n按(V_c/V)的幂计算。");
  if (r.hs2_formula < 0.0) ch.Branch("公式95-2：h_{s2} 计算值为负（V<V_0′），取 h_{s2} = 0。");
  ch.Branch(r.short_embankment ? "FHQA公式：L_D/y_1<25，按 2.15m^{0.4}F_{r1}^{0.33}y_1 计算。"
                               : "FHQA公式：L_D/y_1≥25，按 4F_{r1}^{0.33}y_1 计算。");
}

void WriteOrdinaryChapter(book::Chapter& ch) { WriteChapter(ch, RiverKind::kOrdinary); }
void WriteWideShallowChapter(book::Chapter& ch) { WriteChapter(ch, RiverKind::kWideShallow); }

}  // namespace

const Window& Form29() {
  static const Window window{
      .form = "Form29",
      .caption = "非粘性土河床桥台冲刷计算",
      .blocks =
          {
              {.control = "Frame1",
               .caption = "计算参数",
               .place = {.row = 0, .column = 0, .row_span = 4},
               .items =
                   {
                       InputField("Text1", "Label1", "桥台、路堤阻水面积Az（m*2）：", "20.2")
                           .Is("A_z", "m²"),
                       InputField("Text2", "Label2", "路堤阻水长度LD（m）：", "10").Is("L_D", "m"),
                       InputField("Text3", "Label3", "天然河道平均水深h（m）：", "2.02")
                           .Is("h", "m"),
                       InputField("Text4", "Label4", "天然河道平均流速V（m/s）：", "2.1")
                           .Is("V", "m/s"),
                       InputField("Text5", "Label5", "桥台形状系数CA：", "0.95").Is("C_A"),
                       InputField("Text6", "Label6", "上游水流与桥轴的夹角α（°）：", "70")
                           .Is("α", "°"),
                       InputField("Text7", "Label8", "桥台处水深H（m）：", "2.02").Is("H", "m"),
                       InputField("Text8", "Label9", "河床砂砾平均粒径d（m）：", "0.01")
                           .Is("d", "m"),
                       InputField("Text9", "Label10", "天然河道上游平均水深y1（m）：", "2.02")
                           .Is("y_1", "m"),
                       InputField("Text10", "Label11", "天然河道上游平均流速V1（m/s）：", "2.1")
                           .Is("V_1", "m/s"),
                   }},
              {.framed = false,
               .place = {.row = 0, .column = 1},
               .items =
                   {InputField("Text11", "Label16", "设计水位标高：", "493.15").Is("Z_s", "m")}},
              {.control = "Frame3",
               .caption = "桥台冲刷计算结果",
               .place = {.row = 1, .column = 1},
               .items =
                   {
                       ResultField("Text12", "Label12", "95-1公式计算结果", kSongItalic)
                           .Is("h_{s1}", "m"),
                       ResultField("Text13", "Label13", "95-2公式计算结果", kSongItalic)
                           .Is("h_{s2}", "m"),
                       ResultField("Text14", "Label14", "FHQA公式计算结果", kSongItalic)
                           .Is("h_{s3}", "m"),
                       ResultField("Text15", "Label7", "取最大冲刷深度", kSongItalic)
                           .Is("h_s", "m"),
                       ResultField("Text16", "Label15", "最低冲刷线标高", kSongItalic)
                           .Is("Z_{min}", "m"),
                   }},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 2, .column = 1},
               .items =
                   {
                       Button{"Command1", "一般河道冲刷计算", &ComputeOrdinary,
                              &WriteOrdinaryChapter},
                       Button{"Command3", "宽浅河道冲刷计算", &ComputeWideShallow,
                              &WriteWideShallowChapter},
                   }},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 3, .column = 1},
               .items =
                   {
                       Button{"Command4", "帮  助",
                              HintAction{" ^_^ 提示",
                                         "当河道为“宽浅河道”时，“桥台、路堤阻水面积Az”不参与计算，"
                                         "可不填写。"}},
                       Button{"Command2", "退  出", CloseAction{}},
                   }},
          },
  };
  return window;
}

}  // namespace velmora
