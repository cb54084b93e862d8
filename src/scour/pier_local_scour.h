// SPDX-License-Identifier: GPL-3.0-or-later
// Local scour at a pier on a non-cohesive bed, formulas 65-1 and 65-2 of JTJ 062-91, shared by
// the channel window (form3) and the floodplain window (Form19). Each window works out its own
// velocity V after the general scour and passes it in.
#pragma once

#include "common/number.h"

namespace velmora {

/// Formula 65-1 with its intermediate values; depths in m, velocities in m/s.
struct PierScour651 {
  Real k_eta1;                // Kη1, bed grain coefficient
  Real v0;                    // incipient velocity of the bed after general scour
  Real v0_prime;              // V0′, incipient scour velocity at the pier
  Real n1_exponent;           // 0.25 × d^0.19
  Real n1;                    // (V0 / V)^(0.25 d^0.19), exponent of the clear-water/live-bed ratio
  Real k1;                    // Kξ × Kη1 × B1^0.6
  bool v_at_most_v0 = false;  // branch taken: V ≤ V0 (clear water)
  Real hb1_formula;           // hb1 as the formula gives it; negative when V < V0′
  Real hb1;                   // hb1 taken as 0 when negative: no local scour starts below V0′
};

/// Formula 65-1 for a bed of mean grain size d (mm), a pier of design width b1 (m) and shape
/// coefficient k_xi, the depth hp (m) and velocity v (m/s) after general scour.
PierScour651 Formula651(Real d, Real b1, Real k_xi, Real hp, Real v);
/// The same, filling `f` in the order computed, so that a fault leaves the values before it.
void Formula651(Real d, Real b1, Real k_xi, Real hp, Real v, PierScour651& f);

/// The terms of formula 65-2 that depend on the grain size alone.
struct BedTerms652 {
  Real k_eta2;    // Kη2
  Real v0;        // incipient velocity, 0.28 × (d + 0.7)^0.5
  Real v0_prime;  // V0′, 0.12 × (d + 0.5)^0.55
  Real exponent;  // 0.23 + 0.19 × lg d, the exponent of (V0 / V)
};

/// The grain-size terms of formula 65-2 for a mean grain size d (mm).
BedTerms652 Formula652Bed(Real d);
void Formula652Bed(Real d, BedTerms652& t);

}  // namespace velmora
