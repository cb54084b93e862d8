// Form31: design discharge by the drainage-area ratio method, Q1 = Q2 × (F1 / F2)^n.
#pragma once

#include "common/number.h"
#include "common/window.h"

namespace velmora {

struct AreaRatioResult {
  Real ratio;  // F1 / F2
  Real power;  // (F1 / F2)^n
  Single q1;   // design discharge at the computation cross-section, m³/s
};

/// Transfers the station's largest measured flood Q2 (m³/s) to the cross-section by the ratio of
/// the catchment areas F1 / F2 (km²) raised to the area exponent n.
AreaRatioResult AreaRatioMethod(Real f1, Real q2, Real f2, Single n);

/// The window "利用流域面积比拟法计算设计流量".
const Window& Form31();

}  // namespace velmora
