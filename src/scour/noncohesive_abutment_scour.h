// SPDX-License-Identifier: GPL-3.0-or-later
// Form29: scour at a bridge abutment on a non-cohesive bed by formulas 95-1 and 95-2 of
// JTJ 062-91 and the FHQA formula, the largest of the three, and the lowest
// scour line.
#pragma once

#include "common/number.h"
#include "common/press.h"
#include "common/window.h"

namespace velmora {

/// "一般河道冲刷计算" takes the blocked area as entered; "宽浅河道冲刷计算" takes LD × h.
enum class RiverKind { kOrdinary, kWideShallow };

struct NoncohesiveAbutmentInput {
  Real az;     // flow area blocked by abutment and embankment, m² (ordinary river only)
  Real ld;     // blocked length of the flow width, m
  Real h;      // mean depth of the natural channel, m
  Real v;      // mean velocity of the natural channel, m/s
  Real ca;     // abutment shape coefficient
  Real alpha;  // angle between the upstream flow and the bridge axis, degrees
  Real depth;  // water depth at the abutment H, m
  Real d;      // mean grain size, m
  Real y1;     // mean upstream depth, m
  Real v1;     // mean upstream velocity, m/s
  Single wl;   // design water level, m
};

struct NoncohesiveAbutmentScourResult {
  Real az;                    // the blocked area used, m²
  Real fr;                    // V² / (g h)
  Real k_alpha;               // (α / 90)^0.15
  Real hs1;                   // formula 95-1, m
  Real vc;                    // incipient velocity of the bed at the abutment depth, m/s
  Real v0_prime;              // incipient scour velocity at the abutment, m/s
  bool v_at_most_vc = false;  // branch taken: n = 1
  Real n;
  Single r;                       // ((V − V0′) / (Vc − V0′))^n
  Real hs2_formula;               // formula 95-2 as it comes out; negative when V < V0′
  Real hs2;                       // formula 95-2, negative values taken as 0, m
  Real m;                         // LD / y1
  Single fr1;                     // upstream Froude number
  bool short_embankment = false;  // LD / y1 < 25: Liu's form of the FHQA formula
  Real hs3;                       // FHQA formula, m
  Real hs_max;                    // the largest of hs1, hs2, hs3, m
  Single z_min;                   // elevation of the lowest scour line, m
};

/// The three abutment scour depths, the largest and the lowest scour line.
NoncohesiveAbutmentScourResult NoncohesiveAbutmentScour(const NoncohesiveAbutmentInput& in,
                                                        RiverKind river);
/// The same, filling `r` in the order computed, so that a fault leaves the values before it.
void NoncohesiveAbutmentScour(const NoncohesiveAbutmentInput& in, RiverKind river,
                              NoncohesiveAbutmentScourResult& r);

/// The inputs as the window's fields hold them; a wide shallow river does not read Az.
NoncohesiveAbutmentInput ReadNoncohesiveAbutmentInput(const Press& press, RiverKind river);

/// The window "非粘性土河床桥台冲刷计算".
const Window& Form29();

}  // namespace velmora
