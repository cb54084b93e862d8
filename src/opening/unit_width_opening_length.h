// SPDX-License-Identifier: GPL-3.0-or-later
// Form36: minimum clear length of the bridge opening by the unit-width discharge formula,
// Lj = Qp / (β·qc) with β = 1.19·(Qc/Qt)^0.10 (JTJ 062-91), for reaches with wide floodplains.
#pragma once

#include "common/number.h"
#include "common/press.h"
#include "common/window.h"

namespace velmora {

struct UnitWidthOpeningInput {
  Real qp;      // design discharge, m³/s
  Real qc;      // channel discharge, m³/s
  Real qt;      // floodplain discharge, m³/s
  Real unit_q;  // the channel's mean discharge per metre of width qc, m³/(s·m)
};

struct FlowDistribution {
  Real ratio;   // Qc / Qt
  Real power;   // (Qc / Qt)^0.1
  Single beta;  // β, the coefficient of the flow distribution between channel and floodplain
};

/// β from the discharges of the main channel Qc and of the floodplains Qt (m³/s).
FlowDistribution FlowDistributionCoefficient(Real qc, Real qt);
void FlowDistributionCoefficient(Real qc, Real qt, FlowDistribution& r);

struct UnitWidthOpeningResult {
  FlowDistribution flow;
  Real beta_q;  // β × qc
  Single lj;    // minimum clear length of the opening, m
};

/// Lj (m) for the design discharge Qp (m³/s), the flow distribution β and the channel's mean
/// discharge per metre of width qc (m³/(s·m)).
UnitWidthOpeningResult UnitWidthOpeningLength(Real qp, const FlowDistribution& flow, Real qc);
/// The same with r.flow already worked out, filling the rest of `r` in the order computed.
void UnitWidthOpeningLength(Real qp, Real qc, UnitWidthOpeningResult& r);

/// Reads the window's inputs into `in` and computes into `r`, in the window's order: β comes
/// before qc is read, so its faults come first.
void UnitWidthOpeningPress(const Press& press, UnitWidthOpeningInput& in,
                           UnitWidthOpeningResult& r);

/// The window "桥孔长度的计算—单宽流量公式".
const Window& Form36();

}  // namespace velmora
