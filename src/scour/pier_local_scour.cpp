// SPDX-License-Identifier: GPL-3.0-or-later
#include "scour/pier_local_scour.h"

namespace velmora {

PierScour651 Formula651(Real d, Real b1, Real k_xi, Real hp, Real v) {
  PierScour651 f;
  Formula651(d, b1, k_xi, hp, v, f);
  return f;
}

void Formula651(Real d, Real b1, Real k_xi, Real hp, Real v, PierScour651& f) {
  f.k_eta1 = 0.8 * (1.0 / Pow(d, 0.45) + 1.0 / Pow(d, 0.15));
  f.v0 = 0.0246 * Pow(hp / d, 0.14) * Pow(332.0 * d + (10.0 + hp) / Pow(d, 0.72), 0.5);
  f.v0_prime = 0.462 * Pow(d / b1, 0.06) * f.v0;
  f.n1_exponent = 0.25 * Pow(d, 0.19);
  f.n1 = Pow(f.v0 / v, f.n1_exponent);
  f.k1 = k_xi * f.k_eta1 * Pow(b1, 0.6);
  if (Faulted()) return;
  f.v_at_most_v0 = v <= f.v0;
  if (f.v_at_most_v0) {
    f.hb1_formula = f.k1 * (v - f.v0_prime);
  } else {
    f.hb1_formula = f.k1 * (f.v0 - f.v0_prime) * Pow((v - f.v0_prime) / (f.v0 - f.v0_prime), f.n1);
  }
  f.hb1 = f.hb1_formula < 0.0 ? Real(0.0) : f.hb1_formula;
}

BedTerms652 Formula652Bed(Real d) {
  BedTerms652 t;
  Formula652Bed(d, t);
  return t;
}

void Formula652Bed(Real d, BedTerms652& t) {
  t.k_eta2 = 0.0023 / Pow(d, 2.2) + 0.375 * Pow(d, 0.24);
  t.v0 = 0.28 * Pow(d + 0.7, 0.5);
  t.v0_prime = 0.12 * Pow(d + 0.5, 0.55);
  // lg d as the natural logarithm divided by ln 10.
  t.exponent = 0.23 + (Ln(d) * 0.19) / Ln(10.0);
}

}  // namespace velmora
