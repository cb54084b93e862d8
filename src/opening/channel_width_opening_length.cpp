#include "opening/channel_width_opening_length.h"

#include "common/press.h"
#include "opening/opening_layout.h"

namespace velmora {

ChannelWidthOpeningResult ChannelWidthOpeningLength(Real qp, Real qc, Real bc, Real kq, Single n3) {
  ChannelWidthOpeningResult r;
  r.ratio = qp / qc;
  r.power = Pow(r.ratio, n3);
  r.lj = ToSingle(kq * r.power * bc);
  return r;
}

namespace {

void Compute(Press& press) {
  const Real qp = press.Read("Text1");
  const Real qc = press.Read("Text2");
  const Real bc = press.Read("Text3");
  const Real kq = press.Read("Text4");
  const Single n3 = press.ReadSingle("Text5");
  const ChannelWidthOpeningResult r = ChannelWidthOpeningLength(qp, qc, bc, kq, n3);
  press.SetResult("Text6", r.lj, "####.###");
}

}  // namespace

const Window& Form35() {
  static const Window window{
      .form = "Form35",
      .caption = "桥孔长度的计算—河槽宽度公式",
      .blocks = opening::ResultsBesideInputs(
          {
              InputField("Text1", "Label1", "设计流量Qp（m*3/s）："),
              InputField("Text2", "Label2", "河槽流量Qc（m*3/s）："),
              InputField("Text3", "Label3", "河槽宽度Bc（m）："),
              // Kq and n3 depend on the reach type; both labels lead to their table.
              ExplainedField("Text4", "Label4", "系数Kq：", "", OpenAction{"Form47"}),
              InputField("Text5", "Label5", "系数n3：", {}, LabelEvent::kClick,
                         OpenAction{"Form47"}),
          },
          {ResultField("Text6", "Label6", "桥孔最小净长（m）：")}, &Compute,
          "河槽宽度公式适用于开阔、顺直微弯、分汊、弯曲河段及滩、槽可分的不稳定河段。"),
  };
  return window;
}

}  // namespace velmora
