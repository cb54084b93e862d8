// SPDX-License-Identifier: GPL-3.0-or-later
// Form5: design flood peak of a small catchment from rainstorm data, by the rational formula and
// two empirical formulas; the largest becomes the design discharge of the water level window.
#pragma once

#include "common/number.h"
#include "common/press.h"
#include "common/window.h"

namespace velmora {

struct RainstormInputs {
  Real f;          // catchment area, km²
  Real sp;         // design rain force, mm/h
  Real k1;         // loss parameter coefficient
  Single beta1;    // loss parameter exponent
  Real l;          // main channel length, km
  Real iz;         // main channel slope, per mille
  Real k3;         // concentration time coefficient
  Real alpha1;     // concentration time exponent
  Single n;        // rainstorm decay exponent
  Real psi;        // empirical formula (1): coefficient
  Real m;          //   net rain exponent
  Single lambda2;  //   area exponent
  Real c;          // empirical formula (2): coefficient
  Real beta;       //   rain exponent
  Single lambda3;  //   area exponent
};

struct RainstormResult {
  Real mu;          // loss parameter μ, mm/h
  Real slope_root;  // Iz^0.5
  Single tau;       // concentration time τ, h
  Real intensity;   // Sp / τ^n, mm/h
  Real qr;          // rational formula, m³/s
  Real net_rain;    // (Sp − μ)^m
  Real q1;          // empirical formula (1), m³/s
  Real rain;        // Sp^β
  Single q2;        // empirical formula (2), m³/s
  Single design;    // the largest of the three, m³/s
};

/// Qr = 0.278 (Sp/τ^n − μ) F with μ = K1 Sp^β1 and τ = K3 (L / Iz^0.5)^α1; Q1 = ψ (Sp − μ)^m F^λ2;
/// Q2 = C Sp^β F^λ3; and the largest of them as the design discharge.
RainstormResult RainstormPeakDischarge(const RainstormInputs& in);
/// The same, filling `r` in the order computed.
void RainstormPeakDischarge(const RainstormInputs& in, RainstormResult& r);

/// The inputs as the window's fields hold them.
RainstormInputs ReadRainstormInputs(const Press& press);

/// The window "利用暴雨资料推算设计洪水流量(小流域)".
const Window& Form5();

}  // namespace velmora
