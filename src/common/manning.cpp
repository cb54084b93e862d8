// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/manning.h"

namespace velmora {

Real InverseRoughness(Real entry) { return RoughnessIsInverse(entry) ? entry : 1.0 / entry; }

Real SlopeRoot(Single slope_per_mille) { return Pow(slope_per_mille / 1000.0, 1.0 / 2.0); }

Real ManningVelocity(Real inverse_n, Real radius, Real slope_root) {
  return (inverse_n * Pow(radius, 2.0 / 3.0)) * slope_root;
}

}  // namespace velmora
