// SPDX-License-Identifier: GPL-3.0-or-later
// Form45: minimum clear length of the bridge opening by the sediment-balance formula
// (JTJ 062-91), for unstable reaches whose channel and floodplain cannot be told apart:
// Bo = 16.07·Q̄^0.24 / d^0.3, Lj = (Qp/Q2%)^0.33·Bo.
#pragma once

#include <cstdint>

#include "common/number.h"
#include "common/press.h"
#include "common/window.h"

namespace velmora {

struct SedimentBalanceInput {
  Real qp;          // design discharge, m³/s
  std::int32_t q2;  // 2 % flood, a whole number, m³/s
  Real q_mean;      // mean annual maximum discharge Q̄, m³/s
  Single d;         // mean grain size of the bed, m
};

struct SedimentBalanceResult {
  Real mean_power;      // Q̄^0.24
  Real grain_power;     // d^0.3
  Real bo;              // basic channel width, m
  Real ratio;           // Qp / Q2%
  Single ratio_factor;  // (Qp / Q2%)^0.33
  Single lj;            // minimum clear length of the opening, m
};

/// Bo and Lj (m) from the design discharge Qp, the whole-number 2 % flood Q2%, the mean annual
/// maximum discharge Q̄ (m³/s) and the mean grain size d of the bed (m).
SedimentBalanceResult SedimentBalanceOpeningLength(Real qp, std::int32_t q2, Real q_mean, Single d);
/// The same from the window's inputs, filling `r` in the order computed.
void SedimentBalanceOpeningLength(const SedimentBalanceInput& in, SedimentBalanceResult& r);

/// The inputs as the window's fields hold them.
SedimentBalanceInput ReadSedimentBalanceInput(const Press& press);

/// The window "桥孔长度的计算—输沙平衡公式".
const Window& Form45();

}  // namespace velmora
