#include "discharge/uniform_flow_flood_discharge.h"

#include "common/manning.h"
#include "common/press.h"

namespace velmora {

ManningPart UniformFlowPart(Real area, Real perimeter, Real roughness, Single slope_per_mille) {
  ManningPart part;
  part.radius = area / perimeter;
  part.slope_root = SlopeRoot(slope_per_mille);
  part.inverse = RoughnessIsInverse(roughness);
  part.velocity = ManningVelocity(InverseRoughness(roughness), part.radius, part.slope_root);
  return part;
}

UniformFlowResult UniformFlowFloodDischarge(Real ac, Real chi_c, Real nc, Single ic, Real at,
                                            Real chi_t, Real nt, Single it) {
  UniformFlowResult r;
  r.channel = UniformFlowPart(ac, chi_c, nc, ic);
  r.qc = ac * r.channel.velocity;
  r.floodplain = UniformFlowPart(at, chi_t, nt, it);
  r.vt = ToSingle(r.floodplain.velocity);
  r.qt = at * r.vt;
  r.q = ToSingle(r.qc + r.qt);
  return r;
}

namespace {

void Compute(Press& press) {
  const Real ac = press.Read("Text1");
  const Real chi_c = press.Read("Text2");
  press.Read("Text3");  // Bc: read like the others, used by no formula
  const Real nc = press.Read("Text4");
  const Single ic = press.ReadSingle("Text5");
  const Real at = press.Read("Text6");
  const Real chi_t = press.Read("Text7");
  press.Read("Text8");  // Bt
  const Real nt = press.Read("Text9");
  const Single it = press.ReadSingle("Text10");
  const UniformFlowResult r = UniformFlowFloodDischarge(ac, chi_c, nc, ic, at, chi_t, nt, it);
  press.SetResult("Text11", r.qc, "######.###");
  press.SetResult("Text12", r.qt, "######.###");
  press.SetResult("Text13", r.q, "######.###");
}

}  // namespace

const Window& Form24() {
  static const Window window{
      .form = "Form24",
      .caption = "稳定均匀流洪峰流量的推算",
      .blocks =
          {
              {.control = "Frame1(0)",
               .caption = "河槽参数",
               .place = {.row = 0, .column = 0},
               .items =
                   {
                       InputField("Text1", "Label1", "河槽过水面积Ac(m*2):"),
                       InputField("Text2", "Label2", "河槽过水断面湿周χc(m):"),
                       InputField("Text3", "Label3", "河槽过水断面宽度Bc(m):"),
                       InputField("Text4", "Label4", "河槽糙率nc(或1/nc):"),
                       InputField("Text5", "Label11", "河槽水面比降Ic(‰):"),
                   }},
              {.control = "Frame1(1)",
               .caption = "河滩参数",
               .place = {.row = 0, .column = 1},
               .items =
                   {
                       InputField("Text6", "Label8", "河滩过水面积At(m*2):"),
                       InputField("Text7", "Label7", "河滩过水断面湿周χt(m):"),
                       InputField("Text8", "Label12", "河滩过水断面宽度Bt(m):"),
                       InputField("Text9", "Label6", "河滩糙率nt(或1/nt):"),
                       InputField("Text10", "Label5", "河滩水面比降It(‰):"),
                   }},
              {.control = "Frame2",
               .caption = "计算结果",
               .place = {.row = 1, .column = 0},
               .items =
                   {
                       ResultField("Text11", "Label9", "河槽历史洪水流量Qc(m*3/s):", kSongItalic),
                       ResultField("Text12", "Label10", "河滩历史洪水流量Qt(m*3/s):", kSongItalic),
                       ResultField("Text13", "Label13", "历史洪水流量Q(m*3/s):", kSongItalic),
                   }},
              {.framed = false,
               .place = {.row = 1, .column = 1},
               .items =
                   {
                       Button{"Command1", "计 算", &Compute},
                       Button{"Command2", "退 出", CloseAction{}},
                       Button{"Command3", "帮 助",
                              HintAction{" ^_^ 提示",
                                         "注：当调查的历史洪水位处于水面比降均一、河道顺直、河床断"
                                         "面较规整的稳定均匀流河段时，可按本计算方法计算！"}},
                   }},
          },
  };
  return window;
}

}  // namespace velmora
