// SPDX-License-Identifier: GPL-3.0-or-later
#include "discharge/area_ratio_method.h"

#include "book/chapter.h"
#include "common/press.h"

namespace velmora {

AreaRatioResult AreaRatioMethod(Real f1, Real q2, Real f2, Single n) {
  AreaRatioResult r;
  AreaRatioMethod({.f1 = f1, .q2 = q2, .f2 = f2, .n = n}, r);
  return r;
}

void AreaRatioMethod(const AreaRatioInput& in, AreaRatioResult& r) {
  r.ratio = in.f1 / in.f2;
  r.power = Pow(r.ratio, in.n);
  r.q1 = ToSingle(in.q2 * r.power);
}

AreaRatioInput ReadAreaRatioInput(const Press& press) {
  AreaRatioInput in;
  in.f1 = press.Read("Text1");
  in.q2 = press.Read("Text2");
  in.f2 = press.Read("Text3");
  in.n = press.ReadSingle("Text4");
  return in;
}

namespace {

void Compute(Press& press) {
  AreaRatioResult r;
  AreaRatioMethod(ReadAreaRatioInput(press), r);
  press.SetResult("Text5", r.q1, "######.###");
}

void WriteChapter(book::Chapter& ch) {
  ch.Basis("《公路桥位勘测设计规范》JTJ 062-91 流域面积比拟法：Q_1 = Q_2×(F_1/F_2)^{n}");
  AreaRatioInput in;
  ch.Read([&] { in = ReadAreaRatioInput(ch.press()); });
  ch.Inputs({"Text1", "Text2", "Text3", "Text4"});
  AreaRatioResult r;
  ch.Step("ratio", "汇水面积比", "k", "[Text1]/[Text3]", r.ratio);
  ch.Step("power", "面积比的n次方", "K", "[ratio]^{[Text4]}", r.power);
  ch.Step("q1", "水文计算断面的设计流量", "Q_1", "[Text2]×[power]", r.q1, "m³/s");
  ch.Run([&] { AreaRatioMethod(in, r); });
}

}  // namespace

const Window& Form31() {
  static const Window window{
      .form = "Form31",
      .caption = "利用流域面积比拟法计算设计流量",
      .blocks =
          {
              {.control = "Frame1",
               .caption = "参数输入",
               .place = {.row = 0, .column = 0},
               .items =
                   {
                       InputField("Text1", "Label2", "水文计算断面的汇水面积F1(km*2)：")
                           .Is("F_1", "km²"),
                       InputField("Text2", "Label3", "水文站的实测最大洪水流量Q2(m*3/s)：")
                           .Is("Q_2", "m³/s"),
                       InputField("Text3", "Label4", "水文站的汇水面积F2(km*2)：").Is("F_2", "km²"),
                       Field{
                           .control = "Text4",
                           .label = {.control = "Label6",
                                     .caption = "面积指数n：",
                                     .event = LabelEvent::kDoubleClick,
                                     .action =
                                         HintAction{
                                             " ^_^ 提示",
                                             "n—经验指数，可根据已有的实测资料反求；或者一般大、中"
                                             "河流采用n=0.5~0.7，较小河流采用n≥0.7。"}}}
                           .Is("n")
                           .Within(0.5, kUnbounded),
                   }},
              {.control = "Frame2",
               .caption = "计算结果(m*3/s)",
               .place = {.row = 0, .column = 1},
               .items = {Field{
                   .control = "Text5",
                   .label = {.control = "Label5", .caption = "水文计算断面的设计流量："},
                   .role = FieldRole::kResult}
                             .Is("Q_1", "m³/s")}},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 1, .column = 0, .column_span = 2},
               .items =
                   {
                       Button{"Command1", "计 算", &Compute, &WriteChapter},
                       Button{"Command2", "帮 助",
                              HintAction{" ^_^ 帮助",
                                         "注：当水文计算断面的汇水面积与水文站的汇水面积之差，小于"
                                         "水文站汇水面积的20%，不大于1000平方公里，会水区的暴雨分布"
                                         "较均匀，区间无分洪/滞洪时，可将水文站的实测最大洪水流量转"
                                         "换成水文计算断面的洪水流量。"}},
                       Button{"Command3", "退 出", CloseAction{}},
                   }},
          },
  };
  return window;
}

}  // namespace velmora
