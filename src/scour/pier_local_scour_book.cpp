// SPDX-License-Identifier: GPL-3.0-or-later
#include "scour/pier_local_scour_book.h"

#include <string>

namespace velmora {
namespace {

std::string S(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (const std::string_view part : parts) out += part;
  return out;
}

}  // namespace

void Formula651Steps(book::Chapter& ch, PierScour651& f, std::string_view d, std::string_view b1,
                     std::string_view k_xi, std::string_view hp, std::string_view v) {
  ch.Step("keta1", "河床颗粒影响系数", "K_{η1}", S({"0.8×(1/", d, "^{0.45}+1/", d, "^{0.15})"}),
          f.k_eta1);
  ch.Step("v01", "河床泥沙起动流速（65-1）", "V_0",
          S({"0.0246×(", hp, "/", d, ")^{0.14}×(332×", d, "+(10+", hp, ")/", d, "^{0.72})^{0.5}"}),
          f.v0, "m/s");
  ch.Step("v0p1", "墩前始冲流速（65-1）", "V_0′", S({"0.462×(", d, "/", b1, ")^{0.06}×[v01]"}),
          f.v0_prime, "m/s");
  ch.Step("a1", "指数n_1的幂次", "m_1", S({"0.25×", d, "^{0.19}"}), f.n1_exponent);
  ch.Step("n1", "指数", "n_1", S({"([v01]/", v, ")^{[a1]}"}), f.n1);
  ch.Step("k1", "系数", "K_1", S({k_xi, "×[keta1]×", b1, "^{0.6}"}), f.k1);
  ch.Step("hb1f", "局部冲刷深度（65-1，V≤V_0）", "h_{b1}", S({"[k1]×(", v, "−[v0p1])"}),
          f.hb1_formula, "m", &f.v_at_most_v0, true);
  ch.Step("hb1f", "局部冲刷深度（65-1，V>V_0）", "h_{b1}",
          S({"[k1]×([v01]−[v0p1])×((", v, "−[v0p1])/([v01]−[v0p1]))^{[n1]}"}), f.hb1_formula, "m",
          &f.v_at_most_v0, false);
  ch.Step("hb1", "局部冲刷深度取值", "h_{b1}", "max([hb1f], 0)", f.hb1, "m");
}

void Formula652BedSteps(book::Chapter& ch, BedTerms652& t, std::string_view d) {
  ch.Step("keta2", "河床颗粒影响系数", "K_{η2}", S({"0.0023/", d, "^{2.2}+0.375×", d, "^{0.24}"}),
          t.k_eta2);
  ch.Step("v02", "河床泥沙起动流速（65-2）", "V_0", S({"0.28×(", d, "+0.7)^{0.5}"}), t.v0, "m/s");
  ch.Step("v0p2", "墩前始冲流速（65-2）", "V_0′", S({"0.12×(", d, "+0.5)^{0.55}"}), t.v0_prime,
          "m/s");
  ch.Step("y2", "指数n_2的幂次", "m_2", S({"0.23+0.19×lg ", d}), t.exponent);
}

void LocalScourBranch(book::Chapter& ch, std::string_view formula, std::string_view index,
                      bool v_at_most_v0, Real hb_formula) {
  const std::string hb = S({"h_{b", index, "}"});
  ch.Branch(S({"公式", formula, "：",
               v_at_most_v0 ? "V≤V_0，按清水冲刷（V≤V_0）式计算。"
                            : "V>V_0，按动床冲刷（V>V_0）式计算。"}));
  if (hb_formula < 0.0) {
    ch.Branch(
        S({"公式", formula, "：", hb, " 计算值为负（V<V_0′，不发生局部冲刷），取 ", hb, " = 0。"}));
  }
}

}  // namespace velmora
