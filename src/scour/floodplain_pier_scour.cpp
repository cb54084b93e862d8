#include "scour/floodplain_pier_scour.h"

#include "common/press.h"

namespace velmora {

FloodplainGeneralScour FloodplainGeneral(const FloodplainGeneralInput& in, bool qt2_single) {
  FloodplainGeneralScour g;
  g.qt2 = (in.qt1 / (in.qc + in.qt1)) * in.qp;
  if (qt2_single) g.qt2 = ToSingle(g.qt2);
  g.hp = Pow(((g.qt2 / (in.mu * in.btj)) * Pow(in.htm / in.htq, 5.0 / 3.0)) / in.vh1, 5.0 / 6.0);
  g.below_ground = ToSingle(g.hp - in.htm);
  return g;
}

FloodplainPierScourResult FloodplainPierScour(Real hp, Real htm, Real vh1, Real d, Real k_xi,
                                              Single b1) {
  FloodplainPierScourResult r;
  r.v = vh1 * Pow(hp, 1.0 / 5.0);
  r.f651 = Formula651(d, b1, k_xi, hp, r.v);
  r.bed652 = Formula652Bed(d);
  r.n2 = Pow(r.bed652.v0 / r.v, r.bed652.exponent);
  r.k2 = k_xi * r.bed652.k_eta2 * Pow(b1, 0.6) * Pow(hp, 0.15);
  r.r2 = ToSingle((r.v - r.bed652.v0_prime) / r.bed652.v0);
  r.v_at_most_v0_652 = r.v <= r.bed652.v0;
  r.hb2 = r.v_at_most_v0_652 ? r.k2 * r.r2 : r.k2 * Pow(r.r2, r.n2);
  if (r.hb2 < 0.0) r.hb2 = 0.0;
  r.total1 = hp + r.f651.hb1;
  r.total2 = hp + r.hb2;
  r.below1 = r.total1 - htm;
  r.below2 = ToSingle(r.total2 - htm);
  return r;
}

namespace {

constexpr std::string_view kPattern = "######.###";

FloodplainGeneralInput ReadGeneral(Press& press) {
  FloodplainGeneralInput in;
  in.qp = press.Read("Text1");
  in.qt1 = press.Read("Text2");
  in.qc = press.Read("Text3");
  in.btj = press.Read("Text4");
  in.htm = press.Read("Text5");
  in.htq = press.Read("Text6");
  in.vh1 = press.Read("Text7");
  return in;
}

void WriteGeneral(Press& press, const FloodplainGeneralScour& g, Real htm) {
  press.Set("Text14", "");
  press.SetResult("Text14", g.hp, kPattern);
  press.Set("Text15", "");
  press.SetResult("Text15", g.below_ground, kPattern);
  press.Set("Text16", "");
  press.SetResult("Text16", htm, kPattern);
}

void ComputeGeneral(Press& press) {
  FloodplainGeneralInput in = ReadGeneral(press);
  in.mu = press.ReadSingle("Text23");
  WriteGeneral(press, FloodplainGeneral(in, /*qt2_single=*/true), in.htm);
  for (const char* control : {"Text17", "Text18", "Text19", "Text20", "Text21", "Text22"}) {
    press.Set(control, "");
  }
}

void ComputeTotal(Press& press) {
  FloodplainGeneralInput in = ReadGeneral(press);
  const Real d = press.Read("Text8");
  in.mu = press.ReadSingle("Text23");
  const Real k_xi = press.Read("Text10");
  const Single b1 = press.ReadSingle("Text13");
  const FloodplainGeneralScour g = FloodplainGeneral(in, /*qt2_single=*/false);
  // The general scour shows even when the local scour then fails.
  WriteGeneral(press, g, in.htm);
  const FloodplainPierScourResult r = FloodplainPierScour(g.hp, in.htm, in.vh1, d, k_xi, b1);
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
                       InputField("Text1", "Label1", "设计流量Qp（m*3/s）：", "400"),
                       InputField("Text2", "Label15", "天然状态下桥下河滩部分设计流量Qt1(m*3/s)：",
                                  "100"),
                       InputField("Text3", "Label2", "天然状态下河槽部分设计流量Qc（m*3/s）：",
                                  "300"),
                       InputField("Text4", "Label16", "河滩部分桥孔净长Btj(m)：", "40"),
                       InputField("Text5", "Label17", "桥下河滩最大水深htm(m)：", "2"),
                       InputField("Text6", "Label18", "桥下河滩平均水深htq(m)：", "0.8"),
                       Field{.control = "Text7",
                             .label =
                                 Vh1Label("Label19(0)", "河滩水深1m时非粘性土不冲刷流速VH1(m/s)："),
                             .default_text = "1.8"},
                       ExplainedField("Text23", "Label24", "桥墩水流侧向压缩系数μ：", "0.95",
                                      OpenAction{"Form9"}),
                   }},
              {.control = "Frame1",
               .caption = "河滩（局部冲刷）计算参数输入",
               .place = {.row = 3, .column = 0},
               .items =
                   {
                       InputField("Text8", "Label3", "河床泥沙平均粒径d(mm)：", "30"),
                       InputField("Text10", "Label6", "墩形系数Kξ：", "1"),
                       InputField("Text13", "Label8", "桥墩计算宽度B1(m)：", "1.3"),
                   }},
              {.control = "Frame2(1)",
               .caption = "河滩桥墩一般冲刷计算结果",
               .place = {.row = 0, .column = 1},
               .items =
                   {
                       ResultField("Text14", "Label13(1)", "一般冲刷深度hp(m):"),
                       Field{.control = "Text15",
                             .label = Vh1Label("Label19(1)", "地面以下冲刷深度(m):"),
                             .role = FieldRole::kResult},
                       ResultField("Text16", "Label22", "最大水深htm(m):"),
                   }},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 1, .column = 1},
               .items =
                   {
                       Button{"Command1", "一般冲刷计算", &ComputeGeneral},
                       Button{"Command3", "退  出", CloseAction{}},
                       Button{"Command2", "总冲刷计算", &ComputeTotal},
                   }},
              {.control = "Frame3",
               .caption = "河滩桥墩总冲刷计算",
               .place = {.row = 2, .column = 1, .row_span = 2},
               .items =
                   {
                       ResultField("Text17", "Label9", "公式（65-1）局部冲刷深度hb(m)："),
                       ResultField("Text18", "Label10", "公式（65-2）局部冲刷深度hb(m)："),
                       Label{.control = "Label11",
                             .caption = "总冲刷深度（一般冲刷hp+局部冲刷）(m)：",
                             .font = kHeading},
                       ResultField("Text19", "Label12", "hp＋hb(公式65-1)："),
                       ResultField("Text20", "Label14", "hp+hb(公式65-2)："),
                       Label{.control = "Label20",
                             .caption = "地面以下冲刷深度（减掉水深后）(m)：",
                             .font = kHeading},
                       ResultField("Text21", "Label21", "hp＋hb(公式65-1)-hcm："),
                       ResultField("Text22", "Label23", "hp＋hb(公式65-2)-hcm："),
                   }},
          },
  };
  return window;
}

}  // namespace velmora
