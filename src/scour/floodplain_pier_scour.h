// SPDX-License-Identifier: GPL-3.0-or-later
// Form19: general and local scour at a pier on the floodplain on a non-cohesive bed; local scour
// by formulas 65-1 and 65-2 of JTJ 062-91.
#pragma once

#include "common/number.h"
#include "common/press.h"
#include "common/window.h"
#include "scour/pier_local_scour.h"

namespace velmora {

struct FloodplainGeneralInput {
  Real qp;    // design discharge, m³/s
  Real qt1;   // floodplain discharge under the bridge, natural state, m³/s
  Real qc;    // channel discharge, natural state, m³/s
  Real btj;   // net length of the openings over the floodplain, m
  Real htm;   // maximum floodplain depth under the bridge, m
  Real htq;   // mean floodplain depth under the bridge, m
  Real vh1;   // non-scouring velocity at 1 m depth, m/s
  Single mu;  // μ, lateral contraction coefficient
};

/// The inputs of "总冲刷计算": the general scour's and the local scour's.
struct FloodplainPierInput {
  FloodplainGeneralInput general;
  Real d;     // mean grain size, mm
  Real k_xi;  // pier shape coefficient
  Single b1;  // design pier width, m
};

struct FloodplainGeneralScour {
  Real qt2;             // floodplain share of the design discharge, m³/s
  Real hp;              // general scour depth below the water surface, m
  Single below_ground;  // hp − htm, m
};

/// General scour on the floodplain. "一般冲刷计算" holds Qt2 in single precision, "总冲刷计算"
/// keeps it a double.
FloodplainGeneralScour FloodplainGeneral(const FloodplainGeneralInput& in, bool qt2_single);
/// The same, filling `g` in the order computed.
void FloodplainGeneral(const FloodplainGeneralInput& in, bool qt2_single,
                       FloodplainGeneralScour& g);

struct FloodplainPierScourResult {
  Real v;              // approach velocity VH1 × hp^(1/5), m/s, for both formulas
  PierScour651 f651;   // formula 65-1: hb1 and its terms
  BedTerms652 bed652;  // formula 65-2: Kη2, V0, V0′, exponent
  Real n2;
  Real k2;
  Single r2;                      // (V − V0′) / V0
  bool v_at_most_v0_652 = false;  // branch taken in formula 65-2
  Real hb2_formula;               // hb2 as the formula gives it, m
  Real hb2;                       // local scour by 65-2, negative values taken as 0, m
  Real total1;                    // hp + hb1, m
  Real total2;                    // hp + hb2, m
  Real below1;                    // hp + hb1 − htm, m
  Single below2;                  // hp + hb2 − htm, m
};

/// Local scour by formulas 65-1 and 65-2 after the general scour depth hp (m), and the totals.
/// d in mm, b1 in m.
FloodplainPierScourResult FloodplainPierScour(Real hp, Real htm, Real vh1, Real d, Real k_xi,
                                              Single b1);
void FloodplainPierScour(Real hp, Real htm, Real vh1, Real d, Real k_xi, Single b1,
                         FloodplainPierScourResult& r);

/// The inputs as "一般冲刷计算" reads them, and as "总冲刷计算" does.
FloodplainGeneralInput ReadFloodplainGeneralInput(const Press& press);
FloodplainPierInput ReadFloodplainPierInput(const Press& press);

/// The window "非粘性土河床桥墩冲刷计算（河滩）".
const Window& Form19();

}  // namespace velmora
