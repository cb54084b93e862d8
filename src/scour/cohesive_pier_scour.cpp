// SPDX-License-Identifier: GPL-3.0-or-later
#include "scour/cohesive_pier_scour.h"

#include <string>

#include "book/chapter.h"
#include "common/press.h"

namespace velmora {
namespace {

// General scour on a clay bed from the unit discharge of the opening, q / (μ × B).
Real GeneralScour(Real unit_discharge, Real h_max, Real h_mean, Real il_general) {
  return Pow(unit_discharge * Pow(h_max / h_mean, 5.0 / 3.0) / (0.33 * (1.0 / il_general)),
             5.0 / 8.0);
}

}  // namespace

CohesiveLocalScour CohesiveLocalScourAt(Real hp, Single b1, Real k_xi, Real il_local, Single v) {
  CohesiveLocalScour l;
  CohesiveLocalScourAt(hp, b1, k_xi, il_local, v, l);
  return l;
}

void CohesiveLocalScourAt(Real hp, Single b1, Real k_xi, Real il_local, Single v,
                          CohesiveLocalScour& l) {
  l.depth_ratio = hp / b1;
  if (Faulted()) return;
  l.deep = l.depth_ratio >= 2.5;
  if (l.deep) {
    l.hb = 0.83 * k_xi * Pow(b1, 0.6) * Pow(il_local, 1.25) * v;
  } else {
    l.hb = 0.55 * k_xi * Pow(b1, 0.6) * Pow(hp, 0.1) * il_local * v;
  }
}

CohesivePierScourResult CohesivePierScour(const CohesiveChannelInput& in) {
  CohesivePierScourResult r;
  CohesivePierScour(in, r);
  return r;
}

void CohesivePierScour(const CohesiveChannelInput& in, CohesivePierScourResult& r) {
  r.unit_q = (in.ad * in.qc) / (in.mu * in.bcj);
  r.hp = GeneralScour(r.unit_q, in.hcm, in.hcq, in.il_general);
  r.v = ToSingle((0.33 / in.il_general) * Pow(r.hp, 3.0 / 5.0));
  CohesiveLocalScourAt(r.hp, in.b1, in.k_xi, in.il_local, r.v, r.local);
  r.total = r.hp + r.local.hb;
  r.below = ToSingle(r.total - in.hcm);
}

CohesivePierScourResult CohesivePierScour(const CohesiveFloodplainInput& in) {
  CohesivePierScourResult r;
  CohesivePierScour(in, r);
  return r;
}

void CohesivePierScour(const CohesiveFloodplainInput& in, CohesivePierScourResult& r) {
  r.unit_q = in.qt / (in.mu * in.btj);
  r.hp = GeneralScour(r.unit_q, in.htm, in.htq, in.il_general);
  r.v = ToSingle((0.33 / in.il_local) * Pow(in.htm, 1.0 / 6.0));
  CohesiveLocalScourAt(r.hp, in.b1, in.k_xi, in.il_local, r.v, r.local);
  r.total = r.hp + r.local.hb;
  r.below = ToSingle(r.total - in.htm);
}

CohesiveChannelInput ReadCohesiveChannelInput(const Press& press) {
  CohesiveChannelInput in;
  in.qc = press.Read("Text1");
  in.hcm = press.Read("Text2");
  in.hcq = press.Read("Text3");
  in.bcj = press.Read("Text4");
  in.mu = press.Read("Text5");
  in.il_general = press.Read("Text6");
  in.il_local = press.Read("Text27");
  in.ad = press.Read("Text7");
  in.k_xi = press.Read("Text8");
  in.b1 = press.ReadSingle("Text9");
  return in;
}

CohesiveFloodplainInput ReadCohesiveFloodplainInput(const Press& press) {
  CohesiveFloodplainInput in;
  in.qt = press.Read("Text10");
  in.htm = press.Read("Text11");
  in.htq = press.Read("Text12");
  in.btj = press.Read("Text13");
  in.mu = press.Read("Text14");
  in.il_general = press.Read("Text15");
  in.il_local = press.Read("Text16");
  in.k_xi = press.Read("Text17");
  in.b1 = press.ReadSingle("Text18");
  return in;
}

namespace {

constexpr std::string_view kPattern = "###.###";
constexpr std::string_view kHint = " ^_^ 提示";
constexpr std::string_view kIlNote =
    "本公式中粘性土的液性指数IL的范围为：一般冲刷中0.16~1.19、局部冲刷中0.16~1.48。";
constexpr std::string_view kAdNote = "单宽流量集中系数Ad，取1.0~1.2。";

void Write(Press& press, const CohesivePierScourResult& r, const char* hp, const char* hb,
           const char* total, const char* below) {
  press.Set(hp, "");
  press.SetResult(hp, r.hp, kPattern);
  press.Set(hb, "");
  press.SetResult(hb, r.local.hb, kPattern);
  press.Set(total, "");
  press.SetResult(total, r.total, kPattern);
  press.Set(below, "");
  press.SetResult(below, r.below, kPattern);
}

void ComputeChannel(Press& press) {
  Write(press, CohesivePierScour(ReadCohesiveChannelInput(press)), "Text19", "Text20", "Text21",
        "Text25");
}

void ComputeFloodplain(Press& press) {
  Write(press, CohesivePierScour(ReadCohesiveFloodplainInput(press)), "Text22", "Text23", "Text24",
        "Text26");
}

// The controls of one side in the order: q, hmax, hmean, B, μ, ILg, ILl, Kξ, B1 (and Ad).
struct Side {
  std::string q, hmax, hmean, width, mu, il_general, il_local, k_xi, b1;
  std::string unit_q;  // the unit discharge's formula
  std::string v;       // the velocity's formula
};

std::string T(const std::string& control) { return "[" + control + "]"; }

void SideSteps(book::Chapter& ch, CohesivePierScourResult& r, const Side& s) {
  ch.Step("q", "桥孔单宽流量", "q", s.unit_q, r.unit_q, "m³/(s·m)");
  ch.Step(
      "hp", "一般冲刷深度", "h_p",
      "([q]×(" + T(s.hmax) + "/" + T(s.hmean) + ")^{5/3}/(0.33×(1/" + T(s.il_general) + ")))^{5/8}",
      r.hp, "m");
  ch.Step("v", "墩前流速", "V", s.v, r.v, "m/s");
  ch.Step("ratio", "冲刷后水深与墩宽之比", "h_p/B_1", "[hp]/" + T(s.b1), r.local.depth_ratio);
  ch.Step("hb", "局部冲刷深度（h_p/B_1≥2.5）", "h_b",
          "0.83×" + T(s.k_xi) + "×" + T(s.b1) + "^{0.6}×" + T(s.il_local) + "^{1.25}×[v]",
          r.local.hb, "m", &r.local.deep, true);
  ch.Step("hb", "局部冲刷深度（h_p/B_1<2.5）", "h_b",
          "0.55×" + T(s.k_xi) + "×" + T(s.b1) + "^{0.6}×[hp]^{0.1}×" + T(s.il_local) + "×[v]",
          r.local.hb, "m", &r.local.deep, false);
  ch.Step("total", "桥墩最大冲刷深度", "h_s", "[hp]+[hb]", r.total, "m");
  ch.Step("below", "地面以下总冲刷深度", "Δh", "[total]−" + T(s.hmax), r.below, "m");
}

void DepthBranch(book::Chapter& ch, const CohesivePierScourResult& r) {
  ch.Branch(r.local.deep ? "h_p/B_1≥2.5，局部冲刷按 h_b = 0.83K_ξB_1^{0.6}I_L^{1.25}V 计算。"
                         : "h_p/B_1<2.5，局部冲刷按 h_b = 0.55K_ξB_1^{0.6}h_p^{0.1}I_LV 计算。");
}

void WriteChannelChapter(book::Chapter& ch) {
  ch.Basis("《公路桥位勘测设计规范》JTJ 062-91 粘性土河床桥墩一般冲刷及局部冲刷公式（河槽）");
  CohesiveChannelInput in;
  ch.Read([&] { in = ReadCohesiveChannelInput(ch.press()); });
  ch.Inputs(
      {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text27", "Text7", "Text8", "Text9"});
  CohesivePierScourResult r;
  SideSteps(ch, r,
            {.q = "Text1",
             .hmax = "Text2",
             .hmean = "Text3",
             .width = "Text4",
             .mu = "Text5",
             .il_general = "Text6",
             .il_local = "Text27",
             .k_xi = "Text8",
             .b1 = "Text9",
             .unit_q = "[Text7]×[Text1]/([Text5]×[Text4])",
             .v = "0.33/[Text6]×[hp]^{3/5}"});
  ch.Run([&] { CohesivePierScour(in, r); });
  if (ch.Completed()) DepthBranch(ch, r);
}

void WriteFloodplainChapter(book::Chapter& ch) {
  ch.Basis("《公路桥位勘测设计规范》JTJ 062-91 粘性土河床桥墩一般冲刷及局部冲刷公式（河滩）");
  CohesiveFloodplainInput in;
  ch.Read([&] { in = ReadCohesiveFloodplainInput(ch.press()); });
  ch.Inputs(
      {"Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Text18"});
  CohesivePierScourResult r;
  SideSteps(ch, r,
            {.q = "Text10",
             .hmax = "Text11",
             .hmean = "Text12",
             .width = "Text13",
             .mu = "Text14",
             .il_general = "Text15",
             .il_local = "Text16",
             .k_xi = "Text17",
             .b1 = "Text18",
             .unit_q = "[Text10]/([Text14]×[Text13])",
             .v = "0.33/[Text16]×[Text11]^{1/6}"});
  ch.Run([&] { CohesivePierScour(in, r); });
  if (ch.Completed()) DepthBranch(ch, r);
}

Field IlInput(std::string_view control, std::string_view label_control, std::string_view caption) {
  return ExplainedField(control, label_control, caption, "0.2", HintAction{kHint, kIlNote});
}

constexpr FontSpec kResultLabel{.family = "宋体", .bold = true};

// The totals below the ground keep the window's font; the other results are set apart.
Field Result(std::string_view control, std::string_view label_control, std::string_view caption,
             FontSpec text_font = kSongItalic) {
  return ResultField(control, label_control, caption, text_font, kResultLabel);
}

constexpr std::string_view kIlGeneral = "冲刷坑范围内粘性土液性指数IL（一般冲刷）：";
constexpr std::string_view kIlLocal = "冲刷坑范围内粘性土液性指数IL（局部冲刷）：";
constexpr std::string_view kPierWidth = "桥墩计算宽度B1（米）：";
constexpr std::string_view kPierShape = "墩形系数Kξ：";
constexpr std::string_view kHp = "桥墩一般冲刷深度hp（米）：";
constexpr std::string_view kHb = "桥墩局部冲刷深度hb（米）：";
constexpr std::string_view kTotal = "桥墩最大冲刷深度（米）：";
constexpr std::string_view kBelow = "地面以下总冲刷深度（米）：";

}  // namespace

const Window& form1() {
  static const Window window{
      .form = "form1",
      .caption = "粘性土河床桥墩冲刷计算",
      .blocks =
          {
              {.control = "Frame1",
               .caption = "桥下河槽计算参数",
               .place = {.row = 0, .column = 0},
               .items =
                   {
                       InputField("Text1", "Label1", "河槽设计流量Qc（立方米/秒）:", "85")
                           .Is("Q_c", "m³/s"),
                       InputField("Text2", "Label2", "河槽最大水深hcm（米）：", "1.23")
                           .Is("h_{cm}", "m"),
                       InputField("Text3", "Label3", "河槽平均水深hcq（米）：", "0.655")
                           .Is("h_{cq}", "m"),
                       InputField("Text4", "Label4", "河槽部分桥孔过水净宽Bcj（米）：", "49.43")
                           .Is("B_{cj}", "m"),
                       ExplainedField("Text5", "Label5", "桥墩水流侧向压缩系数μ：", "0.951",
                                      OpenAction{"Form9"})
                           .Is("μ")
                           .Within(0.85, 1.0),
                       IlInput("Text6", "Label6", kIlGeneral)
                           .Is("I_{Lg}")
                           .Named("液性指数（一般冲刷）")
                           .Within(0.16, 1.19),
                       IlInput("Text27", "Label27", kIlLocal)
                           .Is("I_{Ll}")
                           .Named("液性指数（局部冲刷）")
                           .Within(0.16, 1.48),
                       ExplainedField("Text7", "Label13", "单宽流量集中系数Ad:", "1.432",
                                      HintAction{kHint, kAdNote})
                           .Is("A_d")
                           .Within(1.0, 1.2),
                       InputField("Text8", "Label14", kPierShape, "1").Is("K_ξ"),
                       InputField("Text9", "Label15", kPierWidth, "1.3").Is("B_1", "m"),
                       Result("Text19", "Label16", kHp).Is("h_p", "m"),
                       Result("Text20", "Label17", kHb).Is("h_b", "m"),
                       Result("Text21", "Label22", kTotal).Is("h_p+h_b", "m"),
                       Result("Text25", "Label25", kBelow, {}).Is("h_p+h_b−h_{cm}", "m"),
                   }},
              {.control = "Frame2",
               .caption = "桥下河滩计算参数",
               .place = {.row = 0, .column = 1},
               .items =
                   {
                       InputField("Text10", "Label7", "河滩设计流量Qt（立方米/秒）:", "100")
                           .Is("Q_t", "m³/s"),
                       InputField("Text11", "Label8", "河滩最大水深htm（米）：", "1")
                           .Is("h_{tm}", "m"),
                       InputField("Text12", "Label9", "河滩平均水深htq（米）：", "0.4")
                           .Is("h_{tq}", "m"),
                       InputField("Text13", "Label10", "河滩部分桥孔过水净宽Btj（米）：", "40")
                           .Is("B_{tj}", "m"),
                       // This one label of the window answers a single click.
                       InputField("Text14", "Label11", "桥滩水流侧向压缩系数μ：", "0.95",
                                  LabelEvent::kClick, OpenAction{"Form9"})
                           .Is("μ")
                           .Within(0.85, 1.0),
                       IlInput("Text15", "Label12", kIlGeneral)
                           .Is("I_{Lg}")
                           .Named("液性指数（一般冲刷）")
                           .Within(0.16, 1.19),
                       IlInput("Text16", "Label19", kIlLocal)
                           .Is("I_{Ll}")
                           .Named("液性指数（局部冲刷）")
                           .Within(0.16, 1.48),
                       InputField("Text17", "Label20", kPierShape, "1").Is("K_ξ"),
                       InputField("Text18", "Label21", kPierWidth, "1.3").Is("B_1", "m"),
                       Result("Text22", "Label18", kHp).Is("h_p", "m"),
                       Result("Text23", "Label23", kHb).Is("h_b", "m"),
                       Result("Text24", "Label24", kTotal).Is("h_p+h_b", "m"),
                       Result("Text26", "Label26", kBelow, {}).Is("h_p+h_b−h_{tm}", "m"),
                   }},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 1, .column = 0, .column_span = 2},
               .items =
                   {
                       Button{"Command1", "河槽冲刷计算", &ComputeChannel, &WriteChannelChapter},
                       Button{"Command3", "退 出", CloseAction{}},
                       Button{"Command2", "河滩冲刷计算", &ComputeFloodplain,
                              &WriteFloodplainChapter},
                   }},
          },
  };
  return window;
}

}  // namespace velmora
