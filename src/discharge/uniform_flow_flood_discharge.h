// SPDX-License-Identifier: GPL-3.0-or-later
// Form24: peak discharge of a historical flood in a steady uniform reach, channel and floodplain
// each by Manning's formula.
#pragma once

#include "common/number.h"
#include "common/press.h"
#include "common/window.h"

namespace velmora {

/// One part of the cross-section (channel or floodplain) by Manning's formula.
struct ManningPart {
  Real radius;      // R = A / χ, m
  Real slope_root;  // (I / 1000)^(1/2)
  bool inverse;     // the roughness entry was above 1 and taken as 1/n
  Real velocity;    // m/s
};

/// The window's inputs: channel (c) and floodplain (t).
struct UniformFlowInput {
  Real ac, chi_c;  // flow area, m², and wetted perimeter, m
  Real bc;         // section width, m: read, used by no formula
  Real nc;         // roughness entry, n or (above 1) 1/n
  Single ic;       // water-surface slope, ‰
  Real at, chi_t, bt, nt;
  Single it;
};

struct UniformFlowResult {
  ManningPart channel;
  ManningPart floodplain;
  Real qc;    // channel discharge, m³/s
  Single vt;  // floodplain velocity held as a single, m/s
  Real qt;    // floodplain discharge, m³/s
  Single q;   // total discharge, m³/s
};

/// Manning velocity V = (1/n) R^(2/3) I^(1/2) of a part of the section: area (m²), wetted
/// perimeter (m), roughness entered as n or, when above 1, as 1/n, and slope in per mille.
ManningPart UniformFlowPart(Real area, Real perimeter, Real roughness, Single slope_per_mille);
void UniformFlowPart(Real area, Real perimeter, Real roughness, Single slope_per_mille,
                     ManningPart& part);

/// The historical flood discharge of the channel (Ac, χc, nc, Ic) plus that of the floodplain
/// (At, χt, nt, It). The section widths take no part.
UniformFlowResult UniformFlowFloodDischarge(Real ac, Real chi_c, Real nc, Single ic, Real at,
                                            Real chi_t, Real nt, Single it);
/// The same from the window's inputs, filling `r` in the order computed.
void UniformFlowFloodDischarge(const UniformFlowInput& in, UniformFlowResult& r);

/// The inputs as the window's fields hold them, read in the window's order.
UniformFlowInput ReadUniformFlowInput(const Press& press);

/// The window "稳定均匀流洪峰流量的推算".
const Window& Form24();

}  // namespace velmora
