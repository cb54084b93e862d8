#include "opening/sediment_balance_opening_length.h"

#include "common/press.h"
#include "opening/opening_layout.h"

namespace velmora {

SedimentBalanceResult SedimentBalanceOpeningLength(Real qp, std::int32_t q2, Real q_mean,
                                                   Single d) {
  SedimentBalanceResult r;
  r.mean_power = Pow(q_mean, 0.24);
  r.grain_power = Pow(d, 0.3);
  r.bo = 16.07 * (r.mean_power / r.grain_power);
  r.ratio = qp / Real(q2);
  r.ratio_factor = ToSingle(Pow(r.ratio, 0.33));
  r.lj = ToSingle(r.ratio_factor * r.bo);
  return r;
}

namespace {

void Compute(Press& press) {
  const Real qp = press.Read("Text1");
  // Q2% is a whole number. 32 bits, not 16: a 2 % flood of 32768 m³/s or more is common on
  // large rivers and must not overflow.
  const std::int32_t q2 = ToInt32(press.Read("Text2"));
  const Real q_mean = press.Read("Text3");
  const Single d = press.ReadSingle("Text4");
  const SedimentBalanceResult r = SedimentBalanceOpeningLength(qp, q2, q_mean, d);
  press.SetResult("Text5", r.bo, "####.###");
  press.SetResult("Text6", r.lj, "####.###");
}

}  // namespace

const Window& Form45() {
  static const Window window{
      .form = "Form45",
      .caption = "桥孔长度的计算—输沙平衡公式",
      .blocks = opening::ResultsBesideInputs(
          {
              InputField("Text1", "Label1", "设计流量Qp(m*3/s)："),
              InputField("Text2", "Label2", "频率为2%的洪水流量Q2%(m*3/s)："),
              InputField("Text3", "Label3", "年最大流量平均值Q~(m*3/s)："),
              InputField("Text4", "Label5", "河床泥沙平均粒径d(m)："),
          },
          {
              ResultField("Text5", "Label6", "基本河槽宽度Bo(m)："),
              ResultField("Text6", "Label7", "桥孔最小净长度Lj(m)："),
          },
          &Compute, "输沙平衡公式适用于滩、槽难分的不稳定河段。"),
  };
  return window;
}

}  // namespace velmora
