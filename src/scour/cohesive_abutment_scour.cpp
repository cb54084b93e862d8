#include "scour/cohesive_abutment_scour.h"

#include "common/press.h"

namespace velmora {

CohesiveAbutmentScourResult CohesiveAbutmentScour(Real q, Real b, Real ld, Real il,
                                                  Single water_level) {
  CohesiveAbutmentScourResult r;
  r.blocked = ld / b;
  r.q = ToSingle(q / b);
  r.e = 1.05 * Exp(1.97 * r.blocked);
  r.hs = Pow((r.q * il) * (3.0 / (1.0 - r.blocked) + r.e), 5.0 / 8.0);
  r.z_min = ToSingle(water_level - r.hs);
  return r;
}

namespace {

constexpr std::string_view kIlNote = "本公式中粘性土的液性指数IL的范围为0.16~1.19。";

void Compute(Press& press) {
  const Real q = press.Read("Text1");
  const Real b = press.Read("Text2");
  const Real ld = press.Read("Text3");
  const Real il = press.Read("Text4");
  const Single water_level = press.ReadSingle("Text7");
  const CohesiveAbutmentScourResult r = CohesiveAbutmentScour(q, b, ld, il, water_level);
  press.Set("Text5", "");
  press.Set("Text6", "");
  press.SetResult("Text5", r.hs, "###.###");
  press.SetResult("Text6", r.z_min, "####.###");
}

}  // namespace

const Window& Form30() {
  static const Window window{
      .form = "Form30",
      .caption = "粘性土河床桥台冲刷计算",
      .blocks =
          {
              {.control = "Frame1",
               .caption = "计算参数",
               .place = {.row = 0, .column = 0, .row_span = 3},
               .items =
                   {
                       InputField("Text1", "Label1", "天然状态下河床流量Q(m*3/s)：", "50"),
                       InputField("Text2", "Label2", "天然状态下河床水面宽度B(m)：", "20"),
                       InputField("Text3", "Label3", "桥台、路堤阻水长度LD(m)：", "10"),
                       Field{.control = "Text4",
                             .label = {.control = "Label4",
                                       .caption = "粘性土的液性指数IL：",
                                       .event = LabelEvent::kDoubleClick,
                                       .action = HintAction{" ^_^ 提示", kIlNote}},
                             .default_text = "0.2"},
                   }},
              {.framed = false,
               .place = {.row = 0, .column = 1},
               .items = {InputField("Text7", "Label7", "设计水位标高(m)：", "1500.00")}},
              {.control = "Frame2",
               .caption = "桥台冲刷计算结果",
               .place = {.row = 1, .column = 1},
               .items =
                   {
                       ResultField("Text5", "Label5", "最大冲刷深度hs(m)：", kSongItalic),
                       ResultField("Text6", "Label6", "最低冲刷线标高(m)：", kSongItalic),
                   }},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 2, .column = 1},
               .items =
                   {
                       Button{"Command1", "计 算", &Compute},
                       Button{"Command2", "退 出", CloseAction{}},
                   }},
          },
  };
  return window;
}

}  // namespace velmora
