// SPDX-License-Identifier: GPL-3.0-or-later
// Form32: peak discharge of a historical flood in a steady non-uniform reach, from the water
// levels at two cross-sections by the energy balance with a local head loss.
#pragma once

#include "common/number.h"
#include "common/press.h"
#include "common/window.h"

namespace velmora {

/// One cross-section, split into channel (c) and floodplain (t).
struct FloodSection {
  Real ac, at;        // flow areas, m²
  Real chi_c, chi_t;  // wetted perimeters, m
  Real nc, nt;        // roughness entries, n or (above 1) 1/n
  Real bc, bt;        // widths, m: read, used by no formula
};

/// The window's inputs.
struct NonUniformFlowInput {
  FloodSection upstream;
  Single h1;  // upstream water level, m
  FloodSection downstream;
  Single h2;    // downstream water level, m
  Real length;  // distance between the sections, m
  Single xi;    // ξ, local head-loss coefficient
};

/// The conveyances of a section's two parts.
struct SectionConveyance {
  Real channel, floodplain;                                  // m³/s
  bool channel_inverse = false, floodplain_inverse = false;  // the entry was 1/n
};

struct NonUniformFlowResult {
  Single dh;                   // ΔH = H1 − H2, m
  SectionConveyance up, down;  // the parts of K1 and K2
  Real k1, k2;                 // conveyances of the upstream and downstream sections, m³/s
  Single k_mean;               // K̄ = (K1 + K2) / 2
  Real c;                      // (1 − ξ) / 2g
  Real k_mean_sq;              // K̄²
  Real omega1, omega2;         // flow areas of the sections, m²
  Real upper, lower;           // K̄²/ω1², K̄²/ω2²
  Real d;                      // K̄²/ω1² − K̄²/ω2²
  Real denominator;            // D = L − c d
  Real ratio;                  // ΔH / D
  Single q;                    // discharge, m³/s
};

/// Conveyance A R^(2/3) / n of one part of a section; a roughness entry above 1 is taken as 1/n.
Real PartConveyance(Real area, Real perimeter, Real roughness);

/// Q = K̄ (ΔH / (L − (1 − ξ)/2g (K̄²/ω1² − K̄²/ω2²)))^(1/2) between the upstream section (level H1)
/// and the downstream one (level H2), L m apart, with the local head-loss coefficient ξ.
NonUniformFlowResult NonUniformFlowFloodDischarge(const FloodSection& upstream, Single h1,
                                                  const FloodSection& downstream, Single h2,
                                                  Real length, Single xi);
/// The same from the window's inputs, filling `r` in the order computed.
void NonUniformFlowFloodDischarge(const NonUniformFlowInput& in, NonUniformFlowResult& r);

/// The inputs as the window's fields hold them, read in the window's order.
NonUniformFlowInput ReadNonUniformFlowInput(const Press& press);

/// The window "稳定非均匀流洪峰流量的推算".
const Window& Form32();

}  // namespace velmora
