#include "discharge/regional_formula_discharge.h"

#include "common/press.h"

namespace velmora {

RegionalFormulaOneResult RegionalFormulaOne(Real f, Real c, Real n, Real cv, Single phi) {
  RegionalFormulaOneResult r;
  r.q = c * Pow(f, n);
  r.qp = ToSingle(r.q * (1.0 + cv * phi));
  return r;
}

RegionalFormulaTwoResult RegionalFormulaTwo(Real f, Real k, Real n2, Single ratio) {
  RegionalFormulaTwoResult r;
  r.q2 = k * Pow(f, n2);
  r.q1 = ToSingle(ratio * r.q2);
  return r;
}

namespace {

void ComputeOne(Press& press) {
  const Real f = press.Read("Text1");
  const Real c = press.Read("Text2");
  const Real n = press.Read("Text3");
  const Real cv = press.Read("Text4");
  press.Read("Text5");  // Cs/Cv only guides the user to φ in the table
  const Single phi = press.ReadSingle("Text6");
  const RegionalFormulaOneResult r = RegionalFormulaOne(f, c, n, cv, phi);
  press.SetResult("Text7", r.q, "#####.###");
  press.SetResult("Text8", r.qp, "#####.###");
}

void ComputeTwo(Press& press) {
  const Real f = press.Read("Text1");
  const Real k = press.Read("Text9");
  const Real n2 = press.Read("Text10");
  const Single ratio = press.ReadSingle("Text11");
  const RegionalFormulaTwoResult r = RegionalFormulaTwo(f, k, n2, ratio);
  press.SetResult("Text12", r.q2, "#####.###");
  press.SetResult("Text13", r.q1, "#####.###");
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
               .items = {InputField("Text1", "Label1", "流域面积F(km*2)：", "3208")}},
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
                       coefficient("Text2", "Label2", "系数C：", "6.1"),
                       coefficient("Text3", "Label3", "指数n：", "0.65"),
                       coefficient("Text4", "Label4", "变差系数Cv值：", "1.1"),
                       coefficient("Text5", "Label5", "Cs/Cv值：", "2.5"),
                       ExplainedField("Text6", "Label6", "离均系数φ：", "3.95",
                                      OpenAction{"Form25"}),
                       Rule{},
                       Heading("Label12"),
                       Rule{},
                       ResultField("Text7", "Label13", "分区平均流量Q："),
                       ResultField("Text8", "Label14", "分区洪水流量Qp："),
                   }},
              {.control = "Frame2",
               .caption = "经验公式(二)",
               .place = {.row = 1, .column = 1},
               .items =
                   {
                       coefficient("Text9", "Label7", "系数K：", "15.2"),
                       coefficient("Text10", "Label8", "系数n'：", "0.72"),
                       coefficient("Text11", "Label9", "Q1%/Q2%：", "1.18"),
                       Rule{},
                       Heading("Label11"),
                       Rule{},
                       ResultField("Text12", "Label10", "设计频率Q2%："),
                       ResultField("Text13", "Label15", "设计频率Q1%："),
                   }},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 2, .column = 1},
               .items =
                   {
                       Button{"Command3", "公式(一)", &ComputeOne},
                       Button{"Command4", "公式(二)", &ComputeTwo},
                   }},
          },
  };
  return window;
}

}  // namespace velmora
