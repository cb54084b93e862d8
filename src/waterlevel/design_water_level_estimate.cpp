// SPDX-License-Identifier: GPL-3.0-or-later
#include "waterlevel/design_water_level_estimate.h"

#include <array>
#include <string>

#include "book/chapter.h"

#include "common/format_pattern.h"
#include "common/manning.h"
#include "common/press.h"
#include "waterlevel/design_water_level_report.h"

namespace velmora {

SubSectionFlow ManningFlow(Real area, Real perimeter, Real width, Real roughness, Single slope) {
  SubSectionFlow f;
  ManningFlow(area, perimeter, width, roughness, slope, f);
  return f;
}

void ManningFlow(Real area, Real perimeter, Real width, Real roughness, Single slope,
                 SubSectionFlow& f) {
  f.r = area / perimeter;
  f.entered_inverse = RoughnessIsInverse(roughness);
  f.k = InverseRoughness(roughness);
  f.v = ManningVelocity(f.k, f.r, SlopeRoot(slope));
  f.q = area * f.v;
  f.hj = ToSingle(area / width);
}

DesignWaterLevelResult DesignWaterLevelEstimate(const WaterLevelInputs& in,
                                                std::optional<SectionType> section) {
  DesignWaterLevelResult r;
  DesignWaterLevelEstimate(in, section, r);
  return r;
}

void DesignWaterLevelEstimate(const WaterLevelInputs& in, std::optional<SectionType> section,
                              DesignWaterLevelResult& r) {
  r.section = section;
  ManningFlow(in.ac, in.chi_c, in.bc, in.nc, in.ic, r.channel);
  if (!section) return;
  // The whole section's discharge is the channel's alone unless the floodplain is added.
  Real q = r.channel.q;
  if (*section == SectionType::kSeparable) {
    ManningFlow(in.at, in.chi_t, in.bt, in.nt, in.it, r.floodplain);
    q = r.channel.q + r.floodplain.q;
  }
  r.q = q;
  r.d = ToSingle(100.0 * (in.qp - r.q) / in.qp);
  if (Faulted()) return;
  // The band is closed: a D of exactly ±5 (as a single) is accepted.
  if (r.d > 5.0) {
    r.verdict = TrialVerdict::kDepthTooSmall;
  } else if (r.d < -5.0) {
    r.verdict = TrialVerdict::kDepthTooLarge;
  } else {
    r.verdict = TrialVerdict::kAccepted;
  }
}

WaterLevelInputs ReadWaterLevelInputs(const Press& press) {
  WaterLevelInputs in;
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
  in.hcm = press.Read("Text11");
  in.htm = press.Read("Text12");
  in.qp = press.Read("Text13");
  return in;
}

std::optional<SectionType> SelectedSection(const Press& press) {
  if (press.Selected("Option2")) return SectionType::kSeparable;
  if (press.Selected("Option1")) return SectionType::kNotSeparable;
  return std::nullopt;
}

namespace {

constexpr std::string_view kHintTitle = " ^_^ 提示";
constexpr const char* kResultFields[] = {"Text14", "Text15", "Text16", "Text17",
                                         "Text18", "Text19", "Text20", "Text21"};

// Fills the pier-scour windows' channel and floodplain inputs, in this order; a non-separable
// section empties the floodplain inputs of form1.
void HandOverToScour(Press& press, const WaterLevelInputs& in, const DesignWaterLevelResult& r) {
  constexpr std::string_view kPattern = "#####.###";
  press.SetOther("form3", "Text1", FormatPattern(r.channel.q, kPattern));
  press.SetOther("form3", "Text2", FormatPattern(r.channel.v, kPattern));
  press.SetOther("form3", "Text4", FormatPattern(in.bc, kPattern));
  press.SetOther("form3", "Text8", FormatPattern(in.hcm, kPattern));
  press.SetOther("form3", "Text9", FormatPattern(r.channel.hj, kPattern));
  press.SetOther("form1", "Text1", FormatPattern(r.channel.q, kPattern));
  press.SetOther("form1", "Text2", FormatPattern(in.hcm, kPattern));
  press.SetOther("form1", "Text3", FormatPattern(r.channel.hj, kPattern));
  if (r.section == SectionType::kSeparable) {
    press.SetOther("form1", "Text10", FormatPattern(r.floodplain.q, kPattern));
    press.SetOther("form1", "Text11", FormatPattern(in.htm, kPattern));
    press.SetOther("form1", "Text12", FormatPattern(r.floodplain.hj, kPattern));
  } else {
    // An earlier separable trial's floodplain must not stay beside this trial's channel: form1
    // would compute a floodplain scour for a section that no longer has one.
    for (const char* control : {"Text10", "Text11", "Text12"}) press.SetOther("form1", control, "");
  }
}

void Compute(Press& press) {
  const WaterLevelInputs in = ReadWaterLevelInputs(press);
  const DesignWaterLevelResult r = DesignWaterLevelEstimate(in, SelectedSection(press));
  if (r.verdict == TrialVerdict::kNoSectionType) {
    press.Hint(kHintTitle, "请选择滩槽形式！");
    return;
  }

  if (r.verdict != TrialVerdict::kAccepted) {
    // Every result field goes: a non-separable trial must not leave an earlier trial's floodplain
    // results standing beside its own.
    for (const char* control : kResultFields) press.Set(control, "");
    press.SetTrialSucceeded(false);
    press.Hint(kHintTitle, r.verdict == TrialVerdict::kDepthTooSmall ? "水深太小，需增大水深！"
                                                                     : "水深太大，需降低水深！");
    return;
  }

  if (r.section == SectionType::kSeparable) {
    constexpr std::string_view kPattern = "######.###";
    press.SetResult("Text14", r.channel.q, kPattern);
    press.SetResult("Text15", r.channel.v, kPattern);
    press.SetResult("Text16", in.hcm, kPattern);
    press.SetResult("Text17", r.channel.hj, kPattern);
    press.SetResult("Text18", r.floodplain.q, kPattern);
    press.SetResult("Text19", r.floodplain.v, kPattern);
    press.SetResult("Text20", in.htm, kPattern);
    press.SetResult("Text21", r.floodplain.hj, kPattern);
  } else {
    constexpr std::string_view kPattern = "#####.###";
    press.SetResult("Text14", r.channel.q, kPattern);
    press.SetResult("Text15", r.channel.v, kPattern);
    press.SetResult("Text16", in.hcm, kPattern);
    press.SetResult("Text17", r.channel.hj, kPattern);
    for (const char* control : {"Text18", "Text19", "Text20", "Text21"}) press.Set(control, "");
  }
  press.SetTrialSucceeded(true);
  press.Message("^_^ 提示", "恭喜！估算成功,设计流量和计算流量的偏差是(%):" + DecimalText(r.d),
                /*ok_cancel=*/true);
  HandOverToScour(press, in, r);
  press.WriteReport(DesignWaterLevelReport(in, r));
}

// One sub-section's Manning steps; `s` is "c" or "t", the controls are A, χ, B, n, I.
void ManningSteps(book::Chapter& ch, SubSectionFlow& f, const std::string& s,
                  const std::array<std::string, 5>& c) {
  const auto in = [&](int i) { return "[" + c[i] + "]"; };
  ch.Step("R" + s, "水力半径", "R_" + s, in(0) + "/" + in(1), f.r, "m");
  ch.Step("k" + s, "糙率倒数（按1/n输入）", "1/n_" + s, in(3), f.k, {}, &f.entered_inverse, true);
  ch.Step("k" + s, "糙率倒数", "1/n_" + s, "1/" + in(3), f.k, {}, &f.entered_inverse, false);
  ch.Step("V" + s, "平均流速", "V_" + s,
          "[k" + s + "]×[R" + s + "]^{2/3}×(" + in(4) + "/1000)^{1/2}", f.v, "m/s");
  ch.Step("Q" + s, "流量", "Q_" + s, in(0) + "×[V" + s + "]", f.q, "m³/s");
  ch.Step("h" + s, "平均水深", "h_{" + s + "j}", in(0) + "/" + in(2), f.hj, "m");
}

void WriteChapter(book::Chapter& ch) {
  ch.Basis(
      "《公路桥位勘测设计规范》JTJ 062-91 设计水位试算：Q = A(1/n)R^{2/3}I^{1/2}，偏差 D = "
      "100(Q_p−Q)/Q_p，|D|≤5%为试算成功");
  WaterLevelInputs in;
  std::optional<SectionType> section;
  ch.Read([&] {
    in = ReadWaterLevelInputs(ch.press());
    section = SelectedSection(ch.press());
  });
  const bool separable = section == SectionType::kSeparable;
  ch.Inputs({"Text1", "Text2", "Text3", "Text4", "Text5"});
  if (separable) ch.Inputs({"Text6", "Text7", "Text8", "Text9", "Text10"});
  ch.Inputs({"Text11"});
  if (separable) ch.Inputs({"Text12"});
  ch.Inputs({"Text13"});
  DesignWaterLevelResult r;
  ManningSteps(ch, r.channel, "c", {"Text1", "Text2", "Text3", "Text4", "Text5"});
  ManningSteps(ch, r.floodplain, "t", {"Text6", "Text7", "Text8", "Text9", "Text10"});
  ch.Step("Q", "断面计算流量", "Q", separable ? "[Qc]+[Qt]" : "[Qc]", r.q, "m³/s");
  ch.Step("D", "设计流量与计算流量的偏差", "D", "100×([Text13]−[Q])/[Text13]", r.d, "%");
  ch.Run([&] { DesignWaterLevelEstimate(in, section, r); });
  if (!ch.Completed()) return;
  switch (r.verdict) {
    case TrialVerdict::kNoSectionType:
      ch.Branch("未选择滩槽形式：只计算了河槽部分。");
      return;
    case TrialVerdict::kAccepted:
      ch.Branch(separable ? "本桥河床滩槽可分：河槽与河滩分别计算，流量相加。"
                          : "本桥河床滩槽不可分：按河槽参数计算全断面。");
      ch.Branch("|D|≤5%，试算成功，假定水深可用。");
      return;
    case TrialVerdict::kDepthTooSmall:
    case TrialVerdict::kDepthTooLarge:
      ch.Branch(separable ? "本桥河床滩槽可分：河槽与河滩分别计算，流量相加。"
                          : "本桥河床滩槽不可分：按河槽参数计算全断面。");
      ch.Branch(r.verdict == TrialVerdict::kDepthTooSmall ? "D>5%，计算流量偏小，试算不成功。"
                                                          : "D<−5%，计算流量偏大，试算不成功。");
      return;
  }
}

void ShowReport(Press& press) {
  if (press.TrialSucceeded()) {
    press.ShowReport();
  } else {
    press.Hint("冲刷计算", "对不起，试算不成功，不能生成计算结果，请重新输入数据");
  }
}

}  // namespace

const Window& Form2() {
  static const Window window{
      .form = "Form2",
      .caption = "设计水位估算",
      .blocks =
          {
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 0, .column = 0},
               .items = {Option{"Option2", "滩槽可分"}, Option{"Option1", "滩槽不可分"}}},
              // Qp and the floodplain depth share one block so that their fields line up.
              {.framed = false,
               .place = {.row = 0, .column = 1, .row_span = 2},
               .items =
                   {InputField("Text13", "", "设计流量Qp(立方米/秒):", "1733").Is("Q_p", "m³/s"),
                    InputField("Text12", "", "河滩(m):")
                        .Is("h_{tm}", "m")
                        .Named("假定河滩最大水深")}},
              {.framed = false,
               .place = {.row = 1, .column = 0},
               .items = {InputField("Text11", "", "假定最大水深:  河槽(m):", "2.1")
                             .Is("h_{cm}", "m")
                             .Named("假定河槽最大水深")}},
              {.control = "Frame1(0)",
               .caption = "河槽参数",
               .place = {.row = 2, .column = 0},
               .items =
                   {
                       InputField("Text1", "", "河槽过水面积Ac(平方米):", "581.894")
                           .Is("A_c", "m²"),
                       InputField("Text2", "", "河槽过水断面湿周χc(m):", "738.58").Is("χ_c", "m"),
                       InputField("Text3", "", "河槽过水断面宽度Bc(m):", "738.58").Is("B_c", "m"),
                       ExplainedField("Text4", "Label4", "河槽糙率nc(或1/nc):", "40",
                                      OpenAction{"Form42"})
                           .Is("n_c")
                           .RoughnessWithin(10, 65),
                       InputField("Text5", "", "河槽水面比降Ic(‰):", "8").Is("I_c", "‰"),
                   }},
              {.control = "Frame1(1)",
               .caption = "河滩参数",
               .place = {.row = 2, .column = 1},
               .items =
                   {
                       InputField("Text6", "", "河滩过水面积At(平方米):").Is("A_t", "m²"),
                       InputField("Text7", "", "河滩过水断面湿周χt(m):").Is("χ_t", "m"),
                       InputField("Text8", "", "河滩过水断面宽度Bt(m):").Is("B_t", "m"),
                       ExplainedField("Text9", "Label6", "河滩糙率nt(或1/nt):", "",
                                      OpenAction{"Form43"})
                           .Is("n_t")
                           .RoughnessWithin(7, 30),
                       InputField("Text10", "", "河滩水面比降It(‰):").Is("I_t", "‰"),
                   }},
              {.control = "Frame2",
               .caption = "河槽计算结果",
               .place = {.row = 3, .column = 0},
               .items =
                   {
                       ResultField("Text14", "", "河槽流量Qc(立方米/秒):", kSongItalic)
                           .Is("Q_c", "m³/s"),
                       ResultField("Text15", "", "河槽平均流速Vc(米/秒):", kSongItalic)
                           .Is("V_c", "m/s"),
                       ResultField("Text16", "", "河槽最大水深hcm(m):", kSongItalic)
                           .Is("h_{cm}", "m"),
                       ResultField("Text17", "", "河槽平均水深hcj(m):", kSongItalic)
                           .Is("h_{cj}", "m"),
                   }},
              {.control = "Frame3",
               .caption = "河滩计算结果",
               .place = {.row = 3, .column = 1},
               .items =
                   {
                       ResultField("Text18", "", "河滩流量Qt(立方米/秒):", kSongItalic)
                           .Is("Q_t", "m³/s"),
                       ResultField("Text19", "", "河滩平均流速Vt(米/秒):", kSongItalic)
                           .Is("V_t", "m/s"),
                       ResultField("Text20", "", "河滩最大水深htm(m):", kSongItalic)
                           .Is("h_{tm}", "m"),
                       ResultField("Text21", "", "河滩平均水深htj(m):", kSongItalic)
                           .Is("h_{tj}", "m"),
                   }},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 4, .column = 0, .column_span = 2},
               .items =
                   {
                       Button{"Command1", "计算", &Compute, &WriteChapter},
                       Button{"Command4", "计算结果输出", &ShowReport},
                       Button{"Command2", "清除", ClearAction{}},
                       Button{"Command3", "退出", CloseAction{}},
                   }},
          },
  };
  return window;
}

}  // namespace velmora
