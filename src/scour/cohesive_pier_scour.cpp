#include "scour/cohesive_pier_scour.h"

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
  l.depth_ratio = hp / b1;
  l.deep = l.depth_ratio >= 2.5;
  if (l.deep) {
    l.hb = 0.83 * k_xi * Pow(b1, 0.6) * Pow(il_local, 1.25) * v;
  } else {
    l.hb = 0.55 * k_xi * Pow(b1, 0.6) * Pow(hp, 0.1) * il_local * v;
  }
  return l;
}

CohesivePierScourResult CohesivePierScour(const CohesiveChannelInput& in) {
  CohesivePierScourResult r;
  r.hp = GeneralScour((in.ad * in.qc) / (in.mu * in.bcj), in.hcm, in.hcq, in.il_general);
  r.v = ToSingle((0.33 / in.il_general) * Pow(r.hp, 3.0 / 5.0));
  r.local = CohesiveLocalScourAt(r.hp, in.b1, in.k_xi, in.il_local, r.v);
  r.total = r.hp + r.local.hb;
  r.below = ToSingle(r.total - in.hcm);
  return r;
}

CohesivePierScourResult CohesivePierScour(const CohesiveFloodplainInput& in) {
  CohesivePierScourResult r;
  r.hp = GeneralScour(in.qt / (in.mu * in.btj), in.htm, in.htq, in.il_general);
  r.v = ToSingle((0.33 / in.il_local) * Pow(in.htm, 1.0 / 6.0));
  r.local = CohesiveLocalScourAt(r.hp, in.b1, in.k_xi, in.il_local, r.v);
  r.total = r.hp + r.local.hb;
  r.below = ToSingle(r.total - in.htm);
  return r;
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
  Write(press, CohesivePierScour(in), "Text19", "Text20", "Text21", "Text25");
}

void ComputeFloodplain(Press& press) {
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
  Write(press, CohesivePierScour(in), "Text22", "Text23", "Text24", "Text26");
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
                       InputField("Text1", "Label1", "河槽设计流量Qc（立方米/秒）:", "85"),
                       InputField("Text2", "Label2", "河槽最大水深hcm（米）：", "1.23"),
                       InputField("Text3", "Label3", "河槽平均水深hcq（米）：", "0.655"),
                       InputField("Text4", "Label4", "河槽部分桥孔过水净宽Bcj（米）：", "49.43"),
                       ExplainedField("Text5", "Label5", "桥墩水流侧向压缩系数μ：", "0.951",
                                      OpenAction{"Form9"}),
                       IlInput("Text6", "Label6", kIlGeneral),
                       IlInput("Text27", "Label27", kIlLocal),
                       ExplainedField("Text7", "Label13", "单宽流量集中系数Ad:", "1.432",
                                      HintAction{kHint, kAdNote}),
                       InputField("Text8", "Label14", kPierShape, "1"),
                       InputField("Text9", "Label15", kPierWidth, "1.3"),
                       Result("Text19", "Label16", kHp),
                       Result("Text20", "Label17", kHb),
                       Result("Text21", "Label22", kTotal),
                       Result("Text25", "Label25", kBelow, {}),
                   }},
              {.control = "Frame2",
               .caption = "桥下河滩计算参数",
               .place = {.row = 0, .column = 1},
               .items =
                   {
                       InputField("Text10", "Label7", "河滩设计流量Qt（立方米/秒）:", "100"),
                       InputField("Text11", "Label8", "河滩最大水深htm（米）：", "1"),
                       InputField("Text12", "Label9", "河滩平均水深htq（米）：", "0.4"),
                       InputField("Text13", "Label10", "河滩部分桥孔过水净宽Btj（米）：", "40"),
                       // This one label of the window answers a single click.
                       InputField("Text14", "Label11", "桥滩水流侧向压缩系数μ：", "0.95",
                                  LabelEvent::kClick, OpenAction{"Form9"}),
                       IlInput("Text15", "Label12", kIlGeneral),
                       IlInput("Text16", "Label19", kIlLocal),
                       InputField("Text17", "Label20", kPierShape, "1"),
                       InputField("Text18", "Label21", kPierWidth, "1.3"),
                       Result("Text22", "Label18", kHp),
                       Result("Text23", "Label23", kHb),
                       Result("Text24", "Label24", kTotal),
                       Result("Text26", "Label26", kBelow, {}),
                   }},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 1, .column = 0, .column_span = 2},
               .items =
                   {
                       Button{"Command1", "河槽冲刷计算", &ComputeChannel},
                       Button{"Command3", "退 出", CloseAction{}},
                       Button{"Command2", "河滩冲刷计算", &ComputeFloodplain},
                   }},
          },
  };
  return window;
}

}  // namespace velmora
