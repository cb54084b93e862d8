// SPDX-License-Identifier: GPL-3.0-or-later
#include "discharge/rainstorm_peak_discharge.h"

#include <algorithm>

#include "book/chapter.h"
#include "common/format_pattern.h"
#include "common/press.h"

namespace velmora {

RainstormResult RainstormPeakDischarge(const RainstormInputs& in) {
  RainstormResult r;
  RainstormPeakDischarge(in, r);
  return r;
}

void RainstormPeakDischarge(const RainstormInputs& in, RainstormResult& r) {
  r.mu = in.k1 * Pow(in.sp, in.beta1);
  // The slope enters as the number of per mille, as the rainstorm handbook's formula takes it.
  r.slope_root = Pow(in.iz, 0.5);
  r.tau = ToSingle(in.k3 * Pow(in.l / r.slope_root, in.alpha1));
  // 0.278 turns (mm/h)·km² into m³/s.
  r.intensity = in.sp / Pow(r.tau, in.n);
  r.qr = (0.278 * (r.intensity - r.mu)) * in.f;
  r.net_rain = Pow(in.sp - r.mu, in.m);
  r.q1 = (in.psi * r.net_rain) * Pow(in.f, in.lambda2);
  r.rain = Pow(in.sp, in.beta);
  r.q2 = ToSingle((in.c * r.rain) * Pow(in.f, in.lambda3));
  if (Faulted()) return;
  r.design = ToSingle(std::max({r.qr, r.q1, Real(r.q2)}));
}

RainstormInputs ReadRainstormInputs(const Press& press) {
  RainstormInputs in;
  in.f = press.Read("Text1");
  in.sp = press.Read("Text2");
  in.k1 = press.Read("Text3");
  in.beta1 = press.ReadSingle("Text4");
  in.l = press.Read("Text5");
  in.iz = press.Read("Text6");
  in.k3 = press.Read("Text7");
  in.alpha1 = press.Read("Text8");
  in.n = press.ReadSingle("Text9");
  in.psi = press.Read("Text10");
  in.m = press.Read("Text11");
  in.lambda2 = press.ReadSingle("Text12");
  in.c = press.Read("Text13");
  in.beta = press.Read("Text14");
  in.lambda3 = press.ReadSingle("Text15");
  return in;
}

namespace {

void WriteChapter(book::Chapter& ch) {
  ch.Basis("《公路小桥涵设计流量计算方法》暴雨推理公式及经验公式（1）、（2）");
  RainstormInputs in;
  ch.Read([&] { in = ReadRainstormInputs(ch.press()); });
  ch.Inputs({"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9",
             "Text10", "Text11", "Text12", "Text13", "Text14", "Text15"});
  RainstormResult r;
  ch.Step("mu", "损失参数", "μ", "[Text3]×[Text2]^{[Text4]}", r.mu, "mm/h");
  ch.Step("iz", "主河沟比降的平方根", "J", "[Text6]^{0.5}", r.slope_root);
  ch.Step("tau", "汇流时间", "τ", "[Text7]×([Text5]/[iz])^{[Text8]}", r.tau, "h");
  ch.Step("i", "平均雨强", "i", "[Text2]/[tau]^{[Text9]}", r.intensity, "mm/h");
  ch.Step("qr", "推理公式计算流量", "Q_r", "0.278×([i]−[mu])×[Text1]", r.qr, "m³/s");
  ch.Step("net", "净雨项", "R_1", "([Text2]−[mu])^{[Text11]}", r.net_rain);
  ch.Step("q1", "经验公式(1)计算流量", "Q_1", "[Text10]×[net]×[Text1]^{[Text12]}", r.q1, "m³/s");
  ch.Step("rain", "雨力项", "R_2", "[Text2]^{[Text14]}", r.rain);
  ch.Step("q2", "经验公式(2)计算流量", "Q_2", "[Text13]×[rain]×[Text1]^{[Text15]}", r.q2, "m³/s");
  ch.Step("qp", "设计流量（三者之大值）", "Q_p", "max([qr], [q1], [q2])", r.design, "m³/s");
  ch.Run([&] { RainstormPeakDischarge(in, r); });
}

void Compute(Press& press) {
  const RainstormInputs in = ReadRainstormInputs(press);
  // The design discharge is rounded with the rest, before anything is written, so that a fault in
  // it leaves this window and the water level window alike untouched.
  const RainstormResult r = RainstormPeakDischarge(in);
  press.SetResult("Text16", r.qr, "#####.###");
  press.SetResult("Text17", r.q1, "#####.###");
  press.SetResult("Text18", r.q2, "#####.###");
  if (Faulted()) return;
  press.SetOther("Form2", "Text13", FormatPattern(r.design, "#####.###"));
}

}  // namespace

const Window& Form5() {
  // The labels of the zone parameters open the tables (or the choice of tables) that give them.
  const auto looked_up = [](std::string_view control, std::string_view label,
                            std::string_view caption, std::string_view default_text,
                            std::string_view form) {
    return ExplainedField(control, label, caption, default_text, OpenAction{form});
  };
  static const Window window{
      .form = "Form5",
      .caption = "利用暴雨资料推算设计洪水流量(小流域)",
      .blocks =
          {
              {.control = "Frame5",
               .caption = "通用参数",
               .columns = 2,
               .place = {.row = 0, .column = 0, .column_span = 2},
               .items =
                   {
                       InputField("Text1", "Label1", "流域面积F（Km*2）：", "89").Is("F", "km²"),
                       // Sp is an intensity in mm/h: 0.278 converts (mm/h)·km² to m³/s.
                       looked_up("Text2", "Label3", "设计雨力Sp（mm/h）：", "45", "Form12")
                           .Is("S_p", "mm/h"),
                       looked_up("Text3", "Label4", "系数K1：", "0.75", "Form16").Is("K_1"),
                       looked_up("Text4", "Label15", "指数β1：", "0.84", "Form16").Is("β_1"),
                   }},
              {.control = "Frame2",
               .caption = "推理公式计算参数",
               .place = {.row = 1, .column = 0, .row_span = 2},
               .items =
                   {
                       InputField("Text5", "Label5", "主河沟长L（Km）：", "21.32").Is("L", "km"),
                       InputField("Text6", "Label6", "主河沟平均比降Iz(‰)：", "16").Is("I_z", "‰"),
                       looked_up("Text7", "Label2", "系数K3：", "0.62", "Form16").Is("K_3"),
                       looked_up("Text8", "Label7", "指数α1：", "0.71", "Form16").Is("α_1"),
                       looked_up("Text9", "Label8", "指数n：", "0.65", "Form13").Is("n"),
                   }},
              {.control = "Frame3",
               .caption = "经验公式（1）计算参数",
               .place = {.row = 1, .column = 1},
               .items =
                   {
                       // Form17 tabulates ψ beside m and λ2.
                       looked_up("Text10", "Label9", "系数ψ：", "0.14", "Form17").Is("ψ"),
                       looked_up("Text11", "Label10", "指数m：", "1.08", "Form17").Is("m"),
                       looked_up("Text12", "Label11", "指数λ2：", "0.96", "Form17").Is("λ_2"),
                   }},
              {.control = "Frame4",
               .caption = "经验公式（2）计算参数",
               .place = {.row = 2, .column = 1},
               .items =
                   {
                       looked_up("Text13", "Label12", "系数C：", "0.025", "Form18").Is("C"),
                       looked_up("Text14", "Label13", "指数β：", "1.4", "Form18").Is("β"),
                       looked_up("Text15", "Label14", "指数λ3：", "0.95", "Form18").Is("λ_3"),
                   }},
              {.control = "Frame1",
               .caption = "流量Qp计算结果（单位：m*3/s）",
               .place = {.row = 3, .column = 0},
               .items =
                   {
                       ResultField("Text16", "Label16", "推理公式计算流量：", kSongItalic)
                           .Is("Q_r", "m³/s"),
                       ResultField("Text17", "Label17", "经验公式(1)计算流量：", kSongItalic)
                           .Is("Q_1", "m³/s"),
                       ResultField("Text18", "Label18", "经验公式(2)计算流量：", kSongItalic)
                           .Is("Q_2", "m³/s"),
                   }},
              {.framed = false,
               .place = {.row = 3, .column = 1},
               .items =
                   {
                       Button{"Command1", "计 算", &Compute, &WriteChapter},
                       Button{"Command2", "退 出", CloseAction{}},
                   }},
          },
  };
  return window;
}

}  // namespace velmora
