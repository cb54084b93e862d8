// SPDX-License-Identifier: GPL-3.0-or-later
// Form31: design discharge by the drainage-area ratio method, Q1 = Q2 × (F1 / F2)^n.
#pragma once

#include "common/number.h"
#include "common/press.h"
#include "common/window.h"

namespace velmora {

struct AreaRatioInput {
  Real f1;   // catchment area at the computation cross-section, km²
  Real q2;   // largest measured flood at the station, m³/s
  Real f2;   // catchment area at the station, km²
  Single n;  // area exponent
};

struct AreaRatioResult {
  Real ratio;  // F1 / F2
  Real power;  // (F1 / F2)^n
  Single q1;   // design discharge at the computation cross-section, m³/s
};

/// Transfers the station's largest measured flood Q2 (m³/s) to the cross-section by the ratio of
/// the catchment areas F1 / F2 (km²) raised to the area exponent n.
AreaRatioResult AreaRatioMethod(Real f1, Real q2, Real f2, Single n);
/// The same from the window's inputs, filling `r` in the order computed.
void AreaRatioMethod(const AreaRatioInput& in, AreaRatioResult& r);

/// The inputs as the window's fields hold them.
AreaRatioInput ReadAreaRatioInput(const Press& press);

/// The window "利用流域面积比拟法计算设计流量".
const Window& Form31();

}  // namespace velmora
