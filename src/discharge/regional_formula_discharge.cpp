// SPDX-License-Identifier: GPL-3.0-or-later
#include "discharge/regional_formula_discharge.h"

#include <string>

#include "book/chapter.h"
#include "common/format_pattern.h"
#include "common/press.h"
#include "common/value_of_text.h"
#include "reference/pearson_type3.h"

namespace velmora {

RegionalFormulaOneResult RegionalFormulaOne(Real f, Real c, Real n, Real cv, Single phi) {
  RegionalFormulaOneResult r;
  RegionalFormulaOne({.f = f, .c = c, .n = n, .cv = cv, .phi = phi}, r);
  return r;
}

void RegionalFormulaOne(const RegionalFormulaOneInput& in, RegionalFormulaOneResult& r) {
  r.q = in.c * Pow(in.f, in.n);
  r.qp = ToSingle(r.q * (1.0 + in.cv * in.phi));
}

RegionalFormulaTwoResult RegionalFormulaTwo(Real f, Real k, Real n2, Single ratio) {
  RegionalFormulaTwoResult r;
  RegionalFormulaTwo({.f = f, .k = k, .n2 = n2, .ratio = ratio}, r);
  return r;
}

void RegionalFormulaTwo(const RegionalFormulaTwoInput& in, RegionalFormulaTwoResult& r) {
  r.q2 = in.k * Pow(in.f, in.n2);
  r.q1 = ToSingle(in.ratio * r.q2);
}

RegionalFormulaOneInput ReadRegionalFormulaOneInput(const Press& press) {
  RegionalFormulaOneInput in;
  in.f = press.Read("Text1");
  in.c = press.Read("Text2");
  in.n = press.Read("Text3");
  in.cv = press.Read("Text4");
  in.cs_cv = press.Read("Text5");
  in.phi = press.ReadSingle("Text6");
  return in;
}

RegionalFormulaTwoInput ReadRegionalFormulaTwoInput(const Press& press) {
  RegionalFormulaTwoInput in;
  in.f = press.Read("Text1");
  in.k = press.Read("Text9");
  in.n2 = press.Read("Text10");
  in.ratio = press.ReadSingle("Text11");
  return in;
}

std::optional<std::string> PhiForFrequency(const FormState& state) {
  const auto text = [&](const char* control) {
    const auto it = state.fields.find(control);
    return it == state.fields.end() ? std::string_view{} : std::string_view(it->second);
  };
  const std::string_view p_text = text("Text14");
  if (p_text.find_first_not_of(' ') == std::string_view::npos || !IsPlainNumber(p_text) ||
      !IsPlainNumber(text("Text4")) || !IsPlainNumber(text("Text5"))) {
    return std::nullopt;
  }
  const double p = ValueOfText(p_text);
  const double cs = ValueOfText(text("Text4")) * ValueOfText(text("Text5"));
  if (!(p > 0.0 && p < 100.0) || !(cs >= 0.0) || cs > 20.0) return std::nullopt;
  // The Φ table's digits: two decimals, three in the lower tail of the skewed curves.
  const int decimals = cs >= 2.0 && (p >= 90.0 || (p == 75.0 && cs >= 3.9)) ? 3 : 2;
  const double phi = RoundToDecimals(PearsonDeviation(p, cs), decimals);
  return GeneralText(Real(phi));
}

namespace {

constexpr std::string_view kBasis =
    "《公路桥位勘测设计规范》JTJ 062-91 附录十二 全国水文分区经验公式";

void ComputeOne(Press& press) {
  RegionalFormulaOneResult r;
  RegionalFormulaOne(ReadRegionalFormulaOneInput(press), r);
  press.SetResult("Text7", r.q, "#####.###");
  press.SetResult("Text8", r.qp, "#####.###");
}

void ComputeTwo(Press& press) {
  RegionalFormulaTwoResult r;
  RegionalFormulaTwo(ReadRegionalFormulaTwoInput(press), r);
  press.SetResult("Text12", r.q2, "#####.###");
  press.SetResult("Text13", r.q1, "#####.###");
}

void WriteChapterOne(book::Chapter& ch) {
  ch.Basis(std::string(kBasis) + "（一）");
  RegionalFormulaOneInput in;
  ch.Read([&] { in = ReadRegionalFormulaOneInput(ch.press()); });
  ch.Inputs({"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"});
  RegionalFormulaOneResult r;
  ch.Step("q", "分区平均流量", "Q", "[Text2]×[Text1]^{[Text3]}", r.q, "m³/s");
  ch.Step("qp", "分区洪水流量", "Q_p", "[q]×(1+[Text4]×[Text6])", r.qp, "m³/s");
  ch.Run([&] { RegionalFormulaOne(in, r); });
}

void WriteChapterTwo(book::Chapter& ch) {
  ch.Basis(std::string(kBasis) + "（二）");
  RegionalFormulaTwoInput in;
  ch.Read([&] { in = ReadRegionalFormulaTwoInput(ch.press()); });
  ch.Inputs({"Text1", "Text9", "Text10", "Text11"});
  RegionalFormulaTwoResult r;
  ch.Step("q2", "设计频率2%的流量", "Q_{2%}", "[Text9]×[Text1]^{[Text10]}", r.q2, "m³/s");
  ch.Step("q1", "设计频率1%的流量", "Q_{1%}", "[Text11]×[q2]", r.q1, "m³/s");
  ch.Run([&] { RegionalFormulaTwo(in, r); });
}

constexpr HintAction kAppendixNote{
    " ^_^ 提示", "见《公路桥位勘测设计规范 JTJ 062－91》附录十二 全国水文分区经验公式。"};

Label Heading(std::string_view control) {
  return {.control = control, .caption = "计算结果(m*3/s)", .align = Align::kCenter};
}

}  // namespace

const Window& Form34() {
  // The zone coefficients: their labels point to the appendix.
  const auto coefficient = [](std::string_view control, std::string_view label,
                              std::string_view caption, std::string_view default_text) {
    return ExplainedField(control, label, caption, default_text, kAppendixNote);
  };
  static const Window window{
      .form = "Form34",
      .caption = "利用全国水文分区经验公式确定设计流量",
      .blocks =
          {
              {.framed = false,
               .place = {.row = 0, .column = 0},
               .items =
                   {InputField("Text1", "Label1", "流域面积F(km*2)：", "3208").Is("F", "km²")}},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 0, .column = 1},
               .items =
                   {
                       Button{"Command1", "帮 助",
                              HintAction{" ^_^ 提示",
                                         "公式及参数详见《公路桥位勘测设计规范 JTJ 062－91》附录十"
                                         "二。"}},
                       Button{"Command2", "退 出", CloseAction{}},
                   }},
              {.control = "Frame1",
               .caption = "经验公式(一)",
               .place = {.row = 1, .column = 0},
               .items =
                   {
                       coefficient("Text2", "Label2", "系数C：", "6.1").Is("C"),
                       coefficient("Text3", "Label3", "指数n：", "0.65").Is("n"),
                       coefficient("Text4", "Label4", "变差系数Cv值：", "1.1")
                           .Is("C_v")
                           .Named("变差系数"),
                       coefficient("Text5", "Label5", "Cs/Cv值：", "2.5")
                           .Is("C_s/C_v")
                           .Named("偏态系数与变差系数之比"),
                       ExplainedField("Text6", "Label6", "离均系数φ：", "3.95",
                                      OpenAction{"Form25"})
                           .Is("φ"),
                       // Filled into φ when edited (see PhiForFrequency).
                       InputField("Text14", "Label16", "设计频率P(%)：")
                           .Is("P", "%")
                           .Within(0.01, 99.99),
                       Rule{},
                       Heading("Label12"),
                       Rule{},
                       ResultField("Text7", "Label13", "分区平均流量Q：").Is("Q", "m³/s"),
                       ResultField("Text8", "Label14", "分区洪水流量Qp：").Is("Q_p", "m³/s"),
                   }},
              {.control = "Frame2",
               .caption = "经验公式(二)",
               .place = {.row = 1, .column = 1},
               .items =
                   {
                       coefficient("Text9", "Label7", "系数K：", "15.2").Is("K"),
                       coefficient("Text10", "Label8", "系数n'：", "0.72").Is("n′"),
                       coefficient("Text11", "Label9", "Q1%/Q2%：", "1.18")
                           .Is("Q_{1%}/Q_{2%}")
                           .Named("设计频率1%与2%流量之比"),
                       Rule{},
                       Heading("Label11"),
                       Rule{},
                       ResultField("Text12", "Label10", "设计频率Q2%：").Is("Q_{2%}", "m³/s"),
                       ResultField("Text13", "Label15", "设计频率Q1%：").Is("Q_{1%}", "m³/s"),
                   }},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 2, .column = 1},
               .items =
                   {
                       Button{"Command3", "公式(一)", &ComputeOne, &WriteChapterOne},
                       Button{"Command4", "公式(二)", &ComputeTwo, &WriteChapterTwo},
                   }},
          },
  };
  return window;
}

}  // namespace velmora
