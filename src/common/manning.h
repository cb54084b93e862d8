// SPDX-License-Identifier: GPL-3.0-or-later
// Manning's formula V = (1/n) R^(2/3) I^(1/2), shared by every window that computes a part of a
// cross-section, so that the n-or-1/n rule and the order of operations live in one place.
#pragma once

#include "common/number.h"

namespace velmora {

/// True when a roughness entry is taken as 1/n: only above 1, since natural channels have n of a
/// few hundredths. An entry of exactly 1 counts as n.
inline bool RoughnessIsInverse(Real entry) { return entry > 1.0; }

/// The conveyance factor 1/n of a roughness entered as n or, when above 1, as 1/n.
Real InverseRoughness(Real entry);

/// (I / 1000)^(1/2) of a slope held as a single in per mille.
Real SlopeRoot(Single slope_per_mille);

/// The mean velocity (m/s) (k × R^(2/3)) × s from the conveyance factor k = 1/n, the hydraulic
/// radius R (m) and the slope root s.
Real ManningVelocity(Real inverse_n, Real radius, Real slope_root);

}  // namespace velmora
