// SPDX-License-Identifier: GPL-3.0-or-later
// Form35: minimum clear length of the bridge opening by the channel-width formula,
// Lj = Kq·(Qp/Qc)^n3·Bc (JTJ 062-91).
#pragma once

#include "common/number.h"
#include "common/press.h"
#include "common/window.h"

namespace velmora {

struct ChannelWidthOpeningInput {
  Real qp;    // design discharge, m³/s
  Real qc;    // channel discharge, m³/s
  Real bc;    // channel width, m
  Real kq;    // coefficient of the reach type
  Single n3;  // exponent of the reach type
};

struct ChannelWidthOpeningResult {
  Real ratio;  // Qp / Qc
  Real power;  // (Qp / Qc)^n3
  Single lj;   // minimum clear length of the opening, m
};

/// Scales the main-channel width Bc (m) by the ratio of the design discharge Qp to the channel
/// discharge Qc (m³/s), with the reach type's coefficient Kq and exponent n3.
ChannelWidthOpeningResult ChannelWidthOpeningLength(Real qp, Real qc, Real bc, Real kq, Single n3);
/// The same from the window's inputs, filling `r` in the order computed.
void ChannelWidthOpeningLength(const ChannelWidthOpeningInput& in, ChannelWidthOpeningResult& r);

/// The inputs as the window's fields hold them.
ChannelWidthOpeningInput ReadChannelWidthOpeningInput(const Press& press);

/// The window "桥孔长度的计算—河槽宽度公式".
const Window& Form35();

}  // namespace velmora
