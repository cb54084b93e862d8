// SPDX-License-Identifier: GPL-3.0-or-later
// form1: general and local scour at a pier on a cohesive (clay) bed, in the main channel and on
// the floodplain, by the liquidity index IL of the clay within the scour hole.
#pragma once

#include "common/number.h"
#include "common/press.h"
#include "common/window.h"

namespace velmora {

struct CohesiveChannelInput {
  Real qc;          // channel design discharge, m³/s
  Real hcm;         // maximum channel depth, m
  Real hcq;         // mean channel depth, m
  Real bcj;         // net flow width of the openings over the channel, m
  Real mu;          // μ, lateral contraction coefficient
  Real il_general;  // IL for the general scour
  Real il_local;    // IL for the local scour
  Real ad;          // unit-width discharge concentration coefficient
  Real k_xi;        // pier shape coefficient
  Single b1;        // design pier width, m
};

struct CohesiveFloodplainInput {
  Real qt;          // floodplain design discharge, m³/s
  Real htm;         // maximum floodplain depth, m
  Real htq;         // mean floodplain depth, m
  Real btj;         // net flow width of the openings over the floodplain, m
  Real mu;          // μ, lateral contraction coefficient
  Real il_general;  // IL for the general scour
  Real il_local;    // IL for the local scour
  Real k_xi;        // pier shape coefficient
  Single b1;        // design pier width, m
};

/// Local scour at a pier on clay; the formula is chosen by the depth-to-width ratio.
struct CohesiveLocalScour {
  Real depth_ratio;   // hp / B1
  bool deep = false;  // hp / B1 ≥ 2.5: the formula with 0.83 and ILl^1.25
  Real hb;            // local scour depth, m
};

/// Local scour after general scour to hp (m) at a pier of design width b1 (m) and shape
/// coefficient k_xi, with the liquidity index il_local and the velocity v (m/s) at the pier.
CohesiveLocalScour CohesiveLocalScourAt(Real hp, Single b1, Real k_xi, Real il_local, Single v);
void CohesiveLocalScourAt(Real hp, Single b1, Real k_xi, Real il_local, Single v,
                          CohesiveLocalScour& l);

struct CohesivePierScourResult {
  Real unit_q;               // unit discharge of the opening, q / (μ × B), m³/(s·m)
  Real hp;                   // general scour depth, m
  Single v;                  // velocity at the pier after the general scour, m/s
  CohesiveLocalScour local;  // hb and the formula taken
  Real total;                // hp + hb, maximum scour depth, m
  Single below;              // hp + hb − maximum depth, total scour below the ground, m
};

/// A pier in the main channel ("河槽冲刷计算").
CohesivePierScourResult CohesivePierScour(const CohesiveChannelInput& in);
/// A pier on the floodplain ("河滩冲刷计算"); its velocity follows from the depth htm.
CohesivePierScourResult CohesivePierScour(const CohesiveFloodplainInput& in);
/// The same, filling `r` in the order computed, so that a fault leaves the values before it.
void CohesivePierScour(const CohesiveChannelInput& in, CohesivePierScourResult& r);
void CohesivePierScour(const CohesiveFloodplainInput& in, CohesivePierScourResult& r);

/// The inputs of each button as the window's fields hold them.
CohesiveChannelInput ReadCohesiveChannelInput(const Press& press);
CohesiveFloodplainInput ReadCohesiveFloodplainInput(const Press& press);

/// The window "粘性土河床桥墩冲刷计算".
const Window& form1();

}  // namespace velmora
