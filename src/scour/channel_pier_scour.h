// SPDX-License-Identifier: GPL-3.0-or-later
// form3: general and local scour at a pier in the main channel on a non-cohesive bed, by the
// formula pairs 64-1/65-1 and 64-2/65-2 of JTJ 062-91.
#pragma once

#include "common/number.h"
#include "common/press.h"
#include "common/window.h"
#include "scour/pier_local_scour.h"

namespace velmora {

struct ChannelPierScourInput {
  Real qc;      // channel discharge in the natural state, m³/s
  Real vc;      // mean channel velocity, m/s
  Real d;       // mean grain size, mm
  Real bcg;     // channel width within the bridge length, m
  Real bcj;     // net flow width of the openings over the channel, m
  Real lambda;  // λ, pier blocking area over flow area
  Real mu;      // μ, lateral contraction coefficient
  Real hcm;     // maximum channel depth, m
  Real hcq;     // mean channel depth, m
  Real ad;      // unit-width discharge concentration coefficient
  Real e;       // flood-season sediment coefficient
  Real b1;      // design pier width, m
  Single k_xi;  // pier shape coefficient
  Real qp;      // design discharge, m³/s
  Real qt1;     // floodplain discharge under the bridge, natural state, m³/s
  Real bc;      // channel width in the natural state, m
};

struct ChannelPierScourResult {
  // Formulas 64-1 and 65-1.
  Real hp1;            // general scour depth, m
  Real v1;             // velocity after general scour, m/s
  PierScour651 pair1;  // local scour hb1 and its terms
  Real total1;         // hp1 + hb1, maximum scour depth below the water surface, m
  Real below1;         // hp1 + hb1 − hcm, total scour depth below the bed, m
  // Formulas 64-2 and 65-2.
  Single q2;         // channel discharge under the bridge, m³/s
  Real hp2;          // general scour depth, m
  Real v2;           // velocity after general scour, m/s
  BedTerms652 bed2;  // Kη2, V0, V0′ and the exponent's lg term
  Single n2;
  Real k2;
  Real r2;                     // (V − V0′) / V0
  bool v2_at_most_v0 = false;  // branch taken in formula 65-2
  Real hb2_formula;            // hb2 as the formula gives it, m
  Real hb2;                    // local scour depth, negative values taken as 0, m
  Real total2;                 // hp2 + hb2, m
  Real below2;                 // hp2 + hb2 − hcm, m
};

/// Both formula pairs for a pier in the main channel; depths in m.
ChannelPierScourResult ChannelPierScour(const ChannelPierScourInput& in);
/// The same, filling `r` in the order computed, so that a fault leaves the values before it.
void ChannelPierScour(const ChannelPierScourInput& in, ChannelPierScourResult& r);

/// The inputs as the window's fields hold them.
ChannelPierScourInput ReadChannelPierScourInput(const Press& press);

/// The window "非粘性土河床桥墩冲刷计算（河槽）".
const Window& form3();

}  // namespace velmora
