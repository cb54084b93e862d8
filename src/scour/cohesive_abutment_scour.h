// SPDX-License-Identifier: GPL-3.0-or-later
// Form30: scour at a bridge abutment on a cohesive (clay) bed and the lowest scour line.
#pragma once

#include "common/number.h"
#include "common/press.h"
#include "common/window.h"

namespace velmora {

struct CohesiveAbutmentInput {
  Real q;              // discharge of the natural bed, m³/s
  Real b;              // water-surface width of the natural bed, m
  Real ld;             // length blocked by abutment and embankment, m
  Real il;             // liquidity index IL of the clay
  Single water_level;  // design water level, m
};

struct CohesiveAbutmentScourResult {
  Real blocked;  // LD / B, the share of the width blocked by abutment and embankment
  Single q;      // unit discharge of the natural bed Q / B, m³/s per m
  Real e;        // 1.05 × e^(1.97 × LD / B)
  Real hs;       // maximum scour depth at the abutment, m
  Single z_min;  // elevation of the lowest scour line, m
};

/// Scour at an abutment from the natural discharge q (m³/s) and surface width b (m), the
/// blocked length ld (m), the liquidity index il of the clay and the design water level (m).
CohesiveAbutmentScourResult CohesiveAbutmentScour(Real q, Real b, Real ld, Real il,
                                                  Single water_level);
/// The same from the window's inputs, filling `r` in the order computed.
void CohesiveAbutmentScour(const CohesiveAbutmentInput& in, CohesiveAbutmentScourResult& r);

/// The inputs as the window's fields hold them.
CohesiveAbutmentInput ReadCohesiveAbutmentInput(const Press& press);

/// The window "粘性土河床桥台冲刷计算".
const Window& Form30();

}  // namespace velmora
