// SPDX-License-Identifier: GPL-3.0-or-later
#include "scour/channel_pier_scour.h"

#include <string>

#include "book/chapter.h"
#include "common/press.h"
#include "scour/pier_local_scour_book.h"

namespace velmora {

ChannelPierScourResult ChannelPierScour(const ChannelPierScourInput& in) {
  ChannelPierScourResult r;
  ChannelPierScour(in, r);
  return r;
}

void ChannelPierScour(const ChannelPierScourInput& in, ChannelPierScourResult& r) {
  // Formula 64-1; the channel discharge itself, Qp and Qt1 do not enter.
  r.hp1 = Pow((in.ad * in.qc / (in.mu * in.bcj)) * Pow(in.hcm / in.hcq, 5.0 / 3.0) /
                  (in.e * Pow(in.d, 1.0 / 6.0)),
              3.0 / 5.0);
  // Formula 65-1.
  r.v1 = in.e * Pow(in.d, 1.0 / 6.0) * Pow(r.hp1, 2.0 / 3.0);
  Formula651(in.d, in.b1, in.k_xi, r.hp1, r.v1, r.pair1);

  // Formula 64-2, with the channel's share of the design discharge.
  r.q2 = ToSingle(in.qc / (in.qc + in.qt1) * in.qp);
  r.hp2 = 1.04 * Pow(in.ad * r.q2 / in.qc, 0.9) *
          Pow(in.bc / ((1.0 - in.lambda) * in.mu * in.bcg), 0.66) * in.hcm;
  // Formula 65-2; Q2 / Qc enters the velocity to the first power.
  r.v2 = (Pow(in.ad, 0.1) / 1.04) * (r.q2 / in.qc) *
         Pow(in.bc / (in.mu * (1.0 - in.lambda) * in.bcg), 0.34) * Pow(in.hcm / in.hcq, 2.0 / 3.0) *
         in.vc;
  Formula652Bed(in.d, r.bed2);
  r.n2 = ToSingle(Pow(r.bed2.v0 / r.v2, r.bed2.exponent));
  r.k2 = in.k_xi * r.bed2.k_eta2 * Pow(in.b1, 0.6) * Pow(r.hp2, 0.15);
  r.r2 = (r.v2 - r.bed2.v0_prime) / r.bed2.v0;
  if (Faulted()) return;
  r.v2_at_most_v0 = r.v2 <= r.bed2.v0;
  r.hb2_formula = r.v2_at_most_v0 ? r.k2 * r.r2 : Pow(r.r2, r.n2) * r.k2;
  r.hb2 = r.hb2_formula < 0.0 ? Real(0.0) : r.hb2_formula;

  r.total1 = r.hp1 + r.pair1.hb1;
  r.below1 = r.total1 - in.hcm;
  r.total2 = r.hp2 + r.hb2;
  r.below2 = r.total2 - in.hcm;
}

ChannelPierScourInput ReadChannelPierScourInput(const Press& press) {
  ChannelPierScourInput in;
  in.qc = press.Read("Text1");
  in.vc = press.Read("Text2");
  in.d = press.Read("Text3");
  in.bcg = press.Read("Text4");
  in.bcj = press.Read("Text5");
  in.lambda = press.Read("Text6");
  in.mu = press.Read("Text7");
  in.hcm = press.Read("Text8");
  in.hcq = press.Read("Text9");
  in.ad = press.Read("Text10");
  in.e = press.Read("Text11");
  in.b1 = press.Read("Text12");
  in.k_xi = press.ReadSingle("Text13");
  in.qp = press.Read("Text25");
  in.qt1 = press.Read("Text24");
  in.bc = press.Read("Text26");
  return in;
}

namespace {

constexpr std::string_view kPattern = "######.###";

constexpr std::string_view kAdNote =
    "Ad—单宽流量集中系数。Ad=（Bz^0.5/Hz）^0.15，其中：Bz—造床流量下的河槽宽度(m)，对复式断面可取"
    "平滩水位时的河槽宽度；Hz—造床流量下的河槽平均水深（m），对复式断面可取平滩水位时河槽平均水深。"
    "山前变迁、游荡、宽滩河段可当Ad>1.8时，Ad值可采用1.8；";

void Compute(Press& press) {
  const ChannelPierScourInput in = ReadChannelPierScourInput(press);
  const ChannelPierScourResult r = ChannelPierScour(in);

  for (int i = 14; i <= 23; ++i) press.Set("Text" + std::to_string(i), "");
  press.SetResult("Text14", r.hp1, kPattern);
  press.SetResult("Text15", r.pair1.hb1, kPattern);
  press.SetResult("Text16", r.total1, kPattern);
  press.SetResult("Text17", r.below1, kPattern);
  press.SetResult("Text18", in.hcm, kPattern);
  press.SetResult("Text19", r.hp2, kPattern);
  // A local scour of nothing reads "0" here rather than a lone point.
  if (r.hb2 == 0.0) {
    press.Set("Text20", "0");
  } else {
    press.SetResult("Text20", r.hb2, kPattern);
  }
  press.SetResult("Text21", r.total2, kPattern);
  press.SetResult("Text22", r.below2, kPattern);
  press.SetResult("Text23", in.hcm, kPattern);
}

void WriteChapter(book::Chapter& ch) {
  ch.Basis(book::CodeBasis("64-1、65-1、64-2、65-2"));
  ChannelPierScourInput in;
  ch.Read([&] { in = ReadChannelPierScourInput(ch.press()); });
  ch.Inputs({"Text25", "Text1", "Text24", "Text2", "Text3", "Text26", "Text4", "Text5", "Text6",
             "Text7", "Text8", "Text9", "Text10", "Text11", "Text12", "Text13"});
  ChannelPierScourResult r;
  ch.Step(
      "hp1", "一般冲刷深度（64-1）", "h_{p1}",
      "([Text10]×[Text1]/([Text7]×[Text5])×([Text8]/[Text9])^{5/3}/([Text11]×[Text3]^{1/6}))^{3/"
      "5}",
      r.hp1, "m");
  ch.Step("v1", "一般冲刷后流速", "V_1", "[Text11]×[Text3]^{1/6}×[hp1]^{2/3}", r.v1, "m/s");
  Formula651Steps(ch, r.pair1, "[Text3]", "[Text12]", "[Text13]", "[hp1]", "[v1]");
  ch.Step("q2", "桥下河槽流量", "Q_2", "[Text1]/([Text1]+[Text24])×[Text25]", r.q2, "m³/s");
  ch.Step("hp2", "一般冲刷深度（64-2）", "h_{p2}",
          "1.04×([Text10]×[q2]/[Text1])^{0.9}×([Text26]/((1−[Text6])×[Text7]×[Text4]))^{0.66}×"
          "[Text8]",
          r.hp2, "m");
  ch.Step(
      "v2", "一般冲刷后流速", "V_2",
      "[Text10]^{0.1}/1.04×[q2]/[Text1]×([Text26]/([Text7]×(1−[Text6])×[Text4]))^{0.34}×([Text8]/"
      "[Text9])^{2/3}×[Text2]",
      r.v2, "m/s");
  Formula652BedSteps(ch, r.bed2, "[Text3]");
  ch.Step("n2", "指数", "n_2", "([v02]/[v2])^{[y2]}", r.n2);
  ch.Step("k2", "系数", "K_2", "[Text13]×[keta2]×[Text12]^{0.6}×[hp2]^{0.15}", r.k2);
  ch.Step("r2", "流速比", "r_2", "([v2]−[v0p2])/[v02]", r.r2);
  ch.Step("hb2f", "局部冲刷深度（65-2，V≤V_0）", "h_{b2}", "[k2]×[r2]", r.hb2_formula, "m",
          &r.v2_at_most_v0, true);
  ch.Step("hb2f", "局部冲刷深度（65-2，V>V_0）", "h_{b2}", "[r2]^{[n2]}×[k2]", r.hb2_formula, "m",
          &r.v2_at_most_v0, false);
  ch.Step("hb2", "局部冲刷深度取值", "h_{b2}", "max([hb2f], 0)", r.hb2, "m");
  ch.Step("total1", "最大冲刷深度（64-1、65-1）", "h_{s1}", "[hp1]+[hb1]", r.total1, "m");
  ch.Step("below1", "地面以下总冲刷深度（64-1、65-1）", "Δh_1", "[total1]−[Text8]", r.below1, "m");
  ch.Step("total2", "最大冲刷深度（64-2、65-2）", "h_{s2}", "[hp2]+[hb2]", r.total2, "m");
  ch.Step("below2", "地面以下总冲刷深度（64-2、65-2）", "Δh_2", "[total2]−[Text8]", r.below2, "m");
  ch.Run([&] { ChannelPierScour(in, r); });
  if (!ch.Completed()) return;
  LocalScourBranch(ch, "65-1", "1", r.pair1.v_at_most_v0, r.pair1.hb1_formula);
  LocalScourBranch(ch, "65-2", "2", r.v2_at_most_v0, r.hb2_formula);
}

}  // namespace

const Window& form3() {
  static const Window window{
      .form = "form3",
      .caption = "非粘性土河床桥墩冲刷计算（河槽）",
      .blocks =
          {
              {.control = "Frame1",
               .caption = "计算参数输入",
               .place = {.row = 0, .column = 0, .row_span = 3},
               .items =
                   {
                       InputField("Text25", "", "设计流量Qp（m*3/s）：", "1733").Is("Q_p", "m³/s"),
                       InputField("Text1", "", "天然状态下河槽部分河槽流量Qc(m*3/s):", "1733")
                           .Is("Q_c", "m³/s"),
                       InputField("Text24", "", "天然状态下桥下河滩部分设计流量Qt1(m*3/s）：", "0")
                           .Is("Q_{t1}", "m³/s"),
                       InputField("Text2", "", "平均流速Vc(m/s):", "3.052").Is("V_c", "m/s"),
                       InputField("Text3", "", "河床平均粒径d(mm):", "22.61").Is("d", "mm"),
                       InputField("Text26", "", "天然状态下河槽宽度Bc（m）：", "738.58")
                           .Is("B_c", "m"),
                       InputField("Text4", "", "桥长范围内河槽宽度Bcg(m):", "738.58")
                           .Is("B_{cg}", "m"),
                       InputField("Text5", "", "河槽部分桥孔过水净宽Bcj(m):", "690.58")
                           .Is("B_{cj}", "m"),
                       InputField("Text6", "", "桥墩阻水总面积与过水面积的比值λ:", "0.075").Is("λ"),
                       ExplainedField("Text7", "Label7", "桥墩水流侧向压缩系数μ:", "0.949",
                                      OpenAction{"Form9"})
                           .Is("μ")
                           .Within(0.85, 1.0),
                       InputField("Text8", "", "河槽最大水深hcm(m):", "2.1").Is("h_{cm}", "m"),
                       InputField("Text9", "", "河槽平均水深hcq(m):", "0.788").Is("h_{cq}", "m"),
                       ExplainedField("Text10", "Label9", "单宽流量集中系数Ad:", "1.655",
                                      HintAction{" ^_^ 提示", kAdNote})
                           .Is("A_d")
                           .Within(-kUnbounded, 1.8),
                       ExplainedField("Text11", "Label10", "汛期含沙量系数E:", "0.86",
                                      OpenAction{"Form8"})
                           .Is("E")
                           .Within(0.46, 0.86),
                       InputField("Text12", "", "桥墩计算宽度B1(M):", "1.3").Is("B_1", "m"),
                       InputField("Text13", "", "墩形系数Kξ:", "1").Is("K_ξ"),
                   }},
              {.control = "Frame2",
               .caption = "公式64-1、65-1计算结果",
               .place = {.row = 0, .column = 1},
               .items =
                   {
                       ResultField("Text14", "", "一般冲刷深度hp(m):", kSongItalic)
                           .Is("h_{p1}", "m"),
                       ResultField("Text15", "", "局部冲刷深度hb(m):", kSongItalic)
                           .Is("h_{b1}", "m"),
                       ResultField("Text16", "", "最大冲刷深度(m):", kSongItalic)
                           .Is("h_{p1}+h_{b1}", "m"),
                       ResultField("Text17", "", "地面以下总冲刷深度(m):", kSongItalic)
                           .Is("h_{p1}+h_{b1}−h_{cm}", "m"),
                       ResultField("Text18", "", "最大水深hcm(m):", kSongItalic).Is("h_{cm}", "m"),
                   }},
              {.control = "Frame3",
               .caption = "公式64-2、65-2计算结果",
               .place = {.row = 1, .column = 1},
               .items =
                   {
                       ResultField("Text19", "", "一般冲刷深度hp(m):", kSongItalic)
                           .Is("h_{p2}", "m"),
                       ResultField("Text20", "", "局部冲刷深度hb(m):", kSongItalic)
                           .Is("h_{b2}", "m"),
                       ResultField("Text21", "", "最大冲刷深度(m):", kSongItalic)
                           .Is("h_{p2}+h_{b2}", "m"),
                       ResultField("Text22", "", "地面以下总冲刷深度(m):", kSongItalic)
                           .Is("h_{p2}+h_{b2}−h_{cm}", "m"),
                       ResultField("Text23", "", "最大水深hcm(m):", kSongItalic).Is("h_{cm}", "m"),
                   }},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 2, .column = 1},
               .items =
                   {
                       Button{"Command1", "计  算", &Compute, &WriteChapter},
                       Button{"Command2", "清  除", ClearAction{}},
                       Button{"Command3", "退  出", CloseAction{}},
                   }},
          },
  };
  return window;
}

}  // namespace velmora
